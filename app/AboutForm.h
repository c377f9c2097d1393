#pragma once

#include "Screen.h"

class QPushButton;

class AboutForm : public Screen {
    Q_OBJECT
public:
    AboutForm();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Deactivate() override;
    void Command1_Click();

private:
    QPushButton *Command1;
};
