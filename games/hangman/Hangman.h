#pragma once

#include "HangmanFigure.h"
#include "HangmanRound.h"
#include "app/Screen.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class SoundSwitch;

// One game of hangman with a word of the chosen list. Each game is a fresh
// screen: playing again closes this one and shows it anew.
class Hangman : public Screen {
    Q_OBJECT
public:
    Hangman();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Terminate() override;

    void GuessLetter_KeyPress(); // Enter in the guess box
    void Go_Click();
    void Hint_Click();
    void Done_Click();
    void Back1_Click();
    void Back2_Click();

    const HangmanRound &round() const { return *m_round; }

    std::array<QLabel *, HangmanRound::MaxWordLength> Letter;
    QLabel *Label1;
    QLineEdit *GuessLetter;
    QPushButton *Go;
    QPushButton *Hint;
    QLabel *AlreadyUsed;
    HangmanFigure figure;
    std::array<QWidget *, 6> deadFace; // Shape5, Shape6, Line1 to Line4
    QLabel *LoseLabel;
    QPushButton *Done;
    SoundSwitch *SoundOn;

private:
    void layOutLetterBoxes();
    void showFoundLetters();
    void playSound(const QString &name);
    void Lose();
    void Win();

    std::optional<HangmanRound> m_round;
};
