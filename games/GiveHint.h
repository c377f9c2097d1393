#pragma once

#include "app/Screen.h"

class QLabel;
class QPushButton;

// The meaning of the word being played, over Hangman or Scramble. It never
// stays behind the game: going back to the game closes it.
class GiveHint : public Screen {
    Q_OBJECT
public:
    GiveHint();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Deactivate() override;
    void Form_Terminate() override;
    void Command1_Click();

    QLabel *Label1;
    QPushButton *Command1;
};
