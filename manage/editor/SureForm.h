#pragma once

#include "app/Screen.h"

class QPushButton;

// "Are you sure?" before leaving the list creator without saving.
class SureForm : public Screen {
    Q_OBJECT
public:
    SureForm();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Deactivate() override;
    void Form_Terminate() override;
    void Command1_Click(); // Yes
    void Command2_Click(); // No

private:
    QPushButton *Command1;
    QPushButton *Command2;
    bool m_done = false;
};
