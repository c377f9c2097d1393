#pragma once

#include "Screen.h"

class QPushButton;

// The reminder that a list must be chosen; the chooser stays open beneath.
class ChooseAList : public Screen {
    Q_OBJECT
public:
    ChooseAList();

    void Form_Deactivate() override;

    void escapePressed() override;
    void Form_Terminate() override;
    void Command1_Click();

private:
    QPushButton *Command1;
};
