#include "SpeechForPupils.h"

#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "languages/ListLanguages.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

SpeechForPupils::SpeechForPupils()
    : Screen(ScreenId::SpeechForPupils)
{
    setWindowTitle(tr("Speech for Pupils"));
    const int width = 5400;
    const int height = 2880;
    setClientSizeTwips(width, height);

    Frame1 = new QGroupBox(tr("When a word appears"), area());
    placeTw(Frame1, 240, 240, 4920, 1560);
    Automatically = new QRadioButton(tr("Speak words automatically"), Frame1);
    WhenAsked = new QRadioButton(tr("Speak only when asked"), Frame1);
    placeTw(Automatically, 240, 420, 4440, 375);
    placeTw(WhenAsked, 240, 960, 4440, 375);
    Automatically->setChecked(true);

    OK = new QPushButton(tr("OK"), area());
    Cancel = new QPushButton(tr("Cancel"), area());
    placeTw(OK, 1320, 2100, 1215, 495);
    placeTw(Cancel, 2880, 2100, 1215, 495);
    Cancel->setAutoDefault(true);
    setDefaultButton(OK); // Enter on a choice saves it
    connect(OK, &QPushButton::clicked, this, &SpeechForPupils::OK_Click);
    connect(Cancel, &QPushButton::clicked, this, &SpeechForPupils::Cancel_Click);
}

void SpeechForPupils::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    // Without a school default, pupils hear words as they appear.
    const bool automatically = languages::schoolSpeechDefault().value_or(true);
    (automatically ? Automatically : WhenAsked)->setChecked(true);
    (automatically ? Automatically : WhenAsked)->setFocus();
}

void SpeechForPupils::OK_Click()
{
    if (const auto saved = languages::setSchoolSpeechDefault(Automatically->isChecked()); !saved) {
        MsgBox(tr("%1\n\nThe speech setting was not saved.").arg(saved.message), windowTitle(), MsgButtons::Ok,
               this);
        return;
    }
    closeDialog();
}

void SpeechForPupils::Cancel_Click()
{
    closeDialog();
}

void SpeechForPupils::closeDialog()
{
    m_done = true;
    screens().close(ScreenId::SpeechForPupils);
}

void SpeechForPupils::Form_Deactivate()
{
    if (!m_done)
        closeDialog();
}

void SpeechForPupils::escapePressed()
{
    Cancel_Click();
}
