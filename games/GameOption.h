#pragma once

#include "app/Screen.h"

class QListWidget;
class QPushButton;

// The games menu: a list to play with and the four games.
class GameOption : public Screen {
    Q_OBJECT
public:
    GameOption();

    void Form_Load() override;
    void Form_Terminate() override;

    void Command1_Click(); // Hangman
    void Command2_Click(); // Scramble
    void Command4_Click(); // Concentration
    void Command5_Click(); // Word Zap!
    void Command3_Click(); // back to the main screen
    void Back1_Click();

    QListWidget *TheLists;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Command3;

private:
    void startGame(ScreenId game);
};
