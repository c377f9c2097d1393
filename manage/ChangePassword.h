#pragma once

#include "app/Screen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Replaces the Teacher Management password; opens over the management menu
// and closes as soon as the menu (or another screen) is activated.
class ChangePassword : public Screen {
    Q_OBJECT
public:
    ChangePassword();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Deactivate() override;
    void Form_Terminate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void closeDialog();

    bool m_done = false;
    // The settings file could not be read when the screen opened.
    bool m_unread = false;

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    std::array<QLineEdit *, 3> Text1;
    QLabel *Success;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};
