#pragma once

#include "app/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The password gate in front of Teacher Management.
class PasswordForm : public Screen {
    Q_OBJECT
public:
    PasswordForm();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Terminate() override;
    void Command1_Click();
    void Command2_Click();
    void EnterPassword_KeyPress(int KeyAscii);

private:
    void CheckPassword();
    void tellWhenReadOnly();

    QString m_storedPassword;
    bool m_settingsRead = false;

    QLabel *Label1;
    QLineEdit *EnterPassword;
    QPushButton *Command1;
    QPushButton *Command2;
};
