#pragma once

#include "app/Screen.h"

class ClickLabel;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

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

    // The vanishing interval the bar stands at: 1250 ms at the left end
    // ("Slow") down to 10 ms at the right end ("Impossible").
    int speed() const;
    void setSpeed(int milliseconds);

    QScrollBar *SpeedBar;
    QRadioButton *SoundONOp;
    QRadioButton *SoundOFFOp;
    ClickLabel *Label1;
    ClickLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
};
