#include "SoundOptions.h"

#include "TeacherSettings.h"
#include "UnreadFile.h"

#include "app/ClickLabel.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SettingsFile.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

SoundOptions::SoundOptions()
    : Screen(ScreenId::SoundOptions)
{
    setWindowTitle(tr("Sound Options"));
    setClientSizeTwips(6000, 3120);

    Frame1 = new QGroupBox(tr("Choose the default sound setting"), area());
    placeTw(Frame1, 240, 240, 5520, 1800);

    const QString onText = tr("Sound is  ON  by default. (Best for stand-alone computers)");
    const QString offText = tr("Sound is  OFF  by default. (Best for running over networks)");
    // The choices show only their circles; the labels beside them carry the
    // text, so they also carry the accessible names.
    SoundOn = new QRadioButton(Frame1);
    SoundOff = new QRadioButton(Frame1);
    Label1 = new ClickLabel(Frame1, onText);
    Label2 = new ClickLabel(Frame1, offText);
    placeTw(SoundOn, 240, 540, 285, 285);
    placeTw(Label1, 600, 420, 4800, 495);
    placeTw(SoundOff, 240, 1200, 285, 285);
    placeTw(Label2, 600, 1080, 4800, 495);
    SoundOn->setAccessibleName(onText);
    SoundOff->setAccessibleName(offText);
    SoundOn->setChecked(true);
    // The buttons take the keyboard (Tab, then the arrows); the captions are
    // for the mouse.
    for (ClickLabel *label : {Label1, Label2})
        label->setFocusPolicy(Qt::NoFocus);
    connect(Label1, &ClickLabel::clicked, this, &SoundOptions::Label1_Click);
    connect(Label2, &ClickLabel::clicked, this, &SoundOptions::Label2_Click);

    Command1 = new QPushButton(tr("Save"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 1560, 2340, 1215, 495);
    placeTw(Command2, 3240, 2340, 1215, 495);
    Command2->setAutoDefault(true);
    setDefaultButton(Command1); // Enter on a choice saves it
    connect(Command1, &QPushButton::clicked, this, &SoundOptions::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SoundOptions::Command2_Click);
}

void SoundOptions::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    const auto lines = ReadSettingsLines();
    m_unread = !lines;
    const QByteArray soundLine = lines && lines->size() > 2 ? (*lines)[2] : QByteArray();
    if (soundLine == SoundOffLine)
        SoundOff->setChecked(true);
    else
        SoundOn->setChecked(true); // "Sound On" and anything unknown
    (SoundOn->isChecked() ? SoundOn : SoundOff)->setFocus();
    if (m_unread)
        MsgBox(unreadAtLoadMessage(settingsPath()), windowTitle());
}

void SoundOptions::Label1_Click()
{
    SoundOn->click();
}

void SoundOptions::Label2_Click()
{
    SoundOff->click();
}

void SoundOptions::Command1_Click()
{
    if (m_unread) {
        MsgBox(unreadAtSaveMessage(settingsPath()), windowTitle());
        return;
    }
    // Only line 3 of the file as it is now: the password may have been
    // changed on another computer since this screen opened.
    if (const auto saved = dataupdate::updateSettings(teacher::soundDefaultChange(SoundOn->isChecked())); !saved) {
        MsgBox(tr("%1\n\nThe sound setting was not saved.").arg(saved.message), windowTitle());
        return;
    }
    closeDialog();
}

void SoundOptions::Command2_Click()
{
    closeDialog();
}

void SoundOptions::closeDialog()
{
    m_done = true;
    screens().close(ScreenId::SoundOptions);
}

void SoundOptions::Form_Deactivate()
{
    if (!m_done)
        closeDialog();
}

void SoundOptions::escapePressed()
{
    Command2_Click();
}
