#pragma once

#include "Screen.h"

class QPushButton;

// Shown by a game when no word of the chosen list fits it.
class Error : public Screen {
    Q_OBJECT
public:
    Error();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Terminate() override;
    void Command1_Click();

private:
    QPushButton *Command1;
};
