#pragma once

#include "app/Screen.h"
#include "games/OutcomeTexts.h"

class ScreenSpeech;

// What ScrambleWin and ScrambleLose share: the word and its meaning, another
// game (Yes) or back to the games menu (No). The game stays open and its
// clock runs on behind them until one is answered.
class ScrambleOutcome : public Screen {
    Q_OBJECT
public:
    ScrambleOutcome(ScreenId id, const QString &caption, const QString &headline);

    void Form_Load() override;
    void Form_Terminate() override;

    void Command3_Click(); // Yes
    void Command1_Click(); // No

    OutcomeTexts texts;
    ScreenSpeech *speech;
    QPushButton *Command3;
    QPushButton *Command1;

private:
    void closeOutcomes();
};

class ScrambleWin : public ScrambleOutcome {
    Q_OBJECT
public:
    ScrambleWin();
    void Form_Load() override;

    QLabel *TTime;
};

class ScrambleLose : public ScrambleOutcome {
    Q_OBJECT
public:
    ScrambleLose();
};
