#pragma once

#include "app/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// One word of the chosen list with its characters shuffled; one answer
// decides the game while the clock counts the seconds.
class Scramble : public Screen {
    Q_OBJECT
public:
    Scramble();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Terminate() override;

    void Timer1_Timer();
    void Command1_Click(); // Submit Guess
    void Guess_KeyPress(); // Enter in the answer box
    void Command2_Click(); // Give Up
    void Command3_Click(); // Hint
    void Back_Click();
    void Return_Click();

    const QString &scrambledText() const { return ScrambledText; }

    QLabel *Label1;
    QLineEdit *Guess;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QLabel *Label4;
    QTimer *Timer1;

private:
    void judgeGuess();
    void showOutcome(bool right);

    QString ScrambledText;
    bool m_graded = false; // only the game's first outcome counts
};
