#pragma once

#include "app/Screen.h"

class ClickLabel;
class NumberScrollBar;
class QLabel;
class QPushButton;
class QRadioButton;

// Rules, speed and sound of Word Zap! before a game.
class ZapOptions : public Screen {
    Q_OBJECT
public:
    ZapOptions();

    void Form_Load() override;

    void escapePressed() override;

    void Command1_Click();
    void Command2_Click();
    void Back2_Click();
    void Back_Click();

    NumberScrollBar *SpeedBar; // the vanishing interval in ms
    QRadioButton *SoundONOp;
    QRadioButton *SoundOFFOp;
    ClickLabel *Label1;
    ClickLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
};
