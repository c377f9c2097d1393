#pragma once

#include "ZapRules.h"

#include "app/Screen.h"

class QLabel;
class QPushButton;

// The score of a finished Word Zap! game and its rating.
class ZapDone : public Screen {
    Q_OBJECT
public:
    ZapDone();

    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();

    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;

private:
    static QString ratingText(ZapRating rating);
    QLabel *Image1;
};
