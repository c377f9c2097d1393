#pragma once

#include "app/Screen.h"

class QLabel;
class QPushButton;

// The Teacher Management menu: every task starts and ends here.
class Manager : public Screen {
    Q_OBJECT
public:
    Manager();

    void Form_Load() override;
    void Form_Terminate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void command4_Click();
    void Command5_Click();
    void QuitButton_Click();
    void Exit_Click();
    void ImportList_Click();
    void ExportList_Click();
    void PrintList_Click();
    void LanguagesOfAList_Click();
    void ClassProgress_Click();
    void SpeechForPupils_Click();

private:
    void handOverTo(ScreenId next);

    QLabel *Label1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *command4;
    QPushButton *Command5;
    QPushButton *QuitButton;
};
