#include "ChangePassword.h"

#include "PasswordBox.h"
#include "TeacherSettings.h"
#include "UnreadFile.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ChangePassword::ChangePassword()
    : Screen(ScreenId::ChangePassword)
{
    setWindowTitle(tr("Change Teacher Management Password"));
    setClientSizeTwips(5400, 3720);

    Label1 = makeLabel(area(), tr("Old Password:"));
    Text1[0] = new QLineEdit(area());
    Text1[0]->setMaxLength(teacher::PasswordMaxLength);
    Label2 = makeLabel(area(), tr("New Password:"));
    Text1[1] = makePasswordBox(area());
    Label3 = makeLabel(area(), tr("Confirm New Password:"));
    Text1[2] = makePasswordBox(area());
    const std::array<QLabel *, 3> labels{Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        placeTw(labels[i], 1440, 240 + i * 840, 2520, 285);
        placeTw(Text1[i], 1440, 525 + i * 840, 2520, 375);
        labels[i]->setBuddy(Text1[i]);
        Text1[i]->setAccessibleName(labels[i]->text());
        // Enter in any box carries out the change, as OK does.
        connect(Text1[i], &QLineEdit::returnPressed, this, &ChangePassword::Command1_Click);
    }

    Success = makeLabel(area(), tr("Password Change Successful!"));
    placeTw(Success, 480, 1080, 4440, 735);
    Success->setAlignment(Qt::AlignCenter);
    setPointSize(Success, 14);
    Success->hide();

    Command1 = new QPushButton(tr("OK"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    Command3 = new QPushButton(tr("OK"), area());
    placeTw(Command1, 1320, 2880, 1215, 495);
    placeTw(Command2, 2880, 2880, 1215, 495);
    placeTw(Command3, 2100, 2880, 1215, 495);
    for (QPushButton *button : {Command1, Command2, Command3})
        button->setAutoDefault(true);
    Command3->hide();
    connect(Command1, &QPushButton::clicked, this, &ChangePassword::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ChangePassword::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ChangePassword::Command3_Click);

    Text1[0]->setFocus();
}

void ChangePassword::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    const auto lines = ReadSettingsLines();
    m_unread = !lines;
    Shared.NewPassword = lines ? storedPassword(*lines) : QString();
    if (m_unread)
        MsgBox(unreadAtLoadMessage(settingsPath()), windowTitle());
}

void ChangePassword::Command1_Click()
{
    if (Command1->isHidden())
        return; // already changed; only the second OK is left
    if (m_unread) {
        MsgBox(unreadAtSaveMessage(settingsPath()), windowTitle());
        return;
    }
    const auto refuse = [this](const QString &why) {
        for (QLineEdit *box : Text1)
            box->clear();
        Text1[0]->setFocus();
        Beep();
        if (!why.isEmpty())
            MsgBox(why, windowTitle());
    };
    // A box left empty or a confirmation that differs needs no file.
    if (!teacher::passwordChangeIsTyped(Text1[0]->text(), Text1[1]->text(), Text1[2]->text())) {
        refuse({});
        return;
    }
    // The old password is checked against line 1 as it is now, not as this
    // screen read it: another computer may have changed it meanwhile.
    const auto saved = dataupdate::updateSettings(
        teacher::passwordChange(Text1[0]->text(), Text1[1]->text(), Text1[2]->text()));
    if (saved.outcome == dataupdate::Outcome::Refused) {
        refuse(saved.message);
        return;
    }
    if (!saved) {
        // The old password stays in force, and what was typed stays for another try.
        MsgBox(tr("%1\n\nThe password was not changed.").arg(saved.message), windowTitle());
        return;
    }
    Shared.NewPassword = Text1[1]->text();

    for (QLabel *label : {Label1, Label2, Label3})
        label->hide();
    for (QLineEdit *box : Text1)
        box->hide();
    Success->show();
    Command1->hide();
    Command2->hide();
    Command3->show();
    Command3->setFocus();
    Beep();
}

void ChangePassword::closeDialog()
{
    m_done = true;
    screens().close(ScreenId::ChangePassword);
}

void ChangePassword::Command2_Click()
{
    closeDialog();
}

void ChangePassword::Command3_Click()
{
    closeDialog();
}

void ChangePassword::Form_Deactivate()
{
    if (!m_done)
        closeDialog();
}

void ChangePassword::Form_Terminate()
{
    Command2_Click();
}

void ChangePassword::escapePressed()
{
    closeDialog(); // Cancel, or the OK that follows a change
}
