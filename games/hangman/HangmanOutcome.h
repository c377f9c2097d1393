#pragma once

#include "app/Screen.h"
#include "games/OutcomeTexts.h"

class ScreenSpeech;

// What youwin and LoseForm share: the word and its meaning, and the way out.
// Either way out discards the Hangman game behind; Yes starts a new one.
class HangmanOutcome : public Screen {
    Q_OBJECT
public:
    HangmanOutcome(ScreenId id, const QString &caption, int textLeft);

    void Form_Load() override;
    // Leaving it for another screen (a click on the game behind) is a No.
    void Form_Deactivate() override;
    void Form_Terminate() override;

    OutcomeTexts texts;
    ScreenSpeech *speech;

protected:
    void playAgain();
    void backToGames();
};

// Hangman's word was found.
class youwin : public HangmanOutcome {
    Q_OBJECT
public:
    youwin();

    void Form_Load() override;
    void Command3_Click(); // Yes
    void Command1_Click(); // No

    QPushButton *Command3;
    QPushButton *Command1;
};

// Hangman was lost; the revealed game stays open behind.
class LoseForm : public HangmanOutcome {
    Q_OBJECT
public:
    LoseForm();
    void Form_Load() override;

    void Command2_Click(); // Yes
    void Command1_Click(); // No

    QPushButton *Command2;
    QPushButton *Command1;
};
