#include "PasswordForm.h"

#include "PasswordBox.h"
#include "TeacherSettings.h"
#include "UnreadFile.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/DataUpdate.h"
#include "app/core/SettingsFile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PasswordForm::PasswordForm()
    : Screen(ScreenId::PasswordForm)
{
    setWindowTitle(tr("Management Password"));
    setClientSizeTwips(5400, 3000);

    makePicture(area(), QStringLiteral("deco1.png"), twRect(120, 240, 1200, 900));
    makePicture(area(), QStringLiteral("deco2.png"), twRect(4080, 240, 1200, 900));

    Label1 = makeLabel(area(), tr("Please enter the password to access Teacher Management"));
    // Three lines between the pictures, with room above the box.
    placeTw(Label1, 1380, 180, 2640, 1020);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 10, false);

    EnterPassword = makePasswordBox(area());
    placeTw(EnterPassword, 1680, 1320, 2040, 375);
    EnterPassword->setAccessibleName(tr("Password"));
    Label1->setBuddy(EnterPassword);
    // returnPressed comes for both the Return and the keypad Enter key.
    connect(EnterPassword, &QLineEdit::returnPressed, this, [this] { EnterPassword_KeyPress(13); });

    Command1 = new QPushButton(tr("OK"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 1320, 2160, 1215, 495);
    placeTw(Command2, 2880, 2160, 1215, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &PasswordForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PasswordForm::Command2_Click);

    EnterPassword->setFocus();
}

void PasswordForm::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    const auto lines = ReadSettingsLines();
    m_settingsRead = lines.has_value();
    m_storedPassword = lines ? storedPassword(*lines) : QString();
    if (!m_settingsRead)
        MsgBox(tr("%1\n\nThe Teacher Management password is kept there, so Teacher Management "
                  "cannot be opened until the file can be read.")
                   .arg(unreadFileMessage(settingsPath())),
               windowTitle());
    if (teacher::isShippedPassword(m_storedPassword))
        MsgBox(tr("The default password for Teacher Management is OPENDOOR. If you plan to use this on a "
                  "computer available to students, you should change the password to keep the files secure."),
               tr("Password Alert"));
}

void PasswordForm::Command1_Click()
{
    CheckPassword();
}

void PasswordForm::EnterPassword_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        CheckPassword();
}

void PasswordForm::CheckPassword()
{
    // With no password stored an empty box would match: the gate stays shut
    // and says where the password is missing (an unread file was told at load).
    if (m_storedPassword.isEmpty()) {
        if (m_settingsRead)
            MsgBox(tr("No Teacher Management password is set: the first line of\n%1\nis empty. "
                      "Write a password on that line to open Teacher Management.")
                       .arg(QDir::toNativeSeparators(settingsPath())),
                   windowTitle());
        Beep();
        screens().close(ScreenId::PasswordForm);
        return;
    }
    if (!teacher::passwordAdmits(EnterPassword->text(), m_storedPassword)) {
        Beep();
        screens().close(ScreenId::PasswordForm);
        return;
    }
    tellWhenReadOnly();
    screens().close(ScreenId::First);
    screens().close(ScreenId::PasswordForm);
    screens().show(ScreenId::Manager);
}

void PasswordForm::tellWhenReadOnly()
{
    // Pupils usually have read access only; a teacher who logs in on such an
    // account learns it here, not from the first save that fails.
    QString why;
    if (dataupdate::canWriteDataFolder(&why))
        return;
    MsgBox(tr("%1\n\nThe lists can still be viewed here; every change would be refused.").arg(why),
           tr("Lists and Settings Cannot Be Changed"));
}

void PasswordForm::Command2_Click()
{
    screens().hide(ScreenId::PasswordForm);
}

void PasswordForm::Form_Terminate()
{
    Command2_Click();
}

void PasswordForm::escapePressed()
{
    Command2_Click();
}
