#include "SureForm.h"

#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"

#include <QLabel>
#include <QPushButton>

SureForm::SureForm()
    : Screen(ScreenId::SureForm)
{
    setWindowTitle(tr("Are you sure?"));
    setClientSizeTwips(5400, 2160);

    QLabel *Label1 = makeLabel(area(), tr("Are you sure you want to quit without saving this list?"));
    setPointSize(Label1, 11);
    Label1->setAlignment(Qt::AlignCenter);
    placeTw(Label1, 240, 240, 4920, 720);

    Command1 = new QPushButton(tr("Yes"), area());
    Command2 = new QPushButton(tr("No"), area());
    placeTw(Command1, 1080, 1200, 1455, 495);
    placeTw(Command2, 2880, 1200, 1455, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &SureForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SureForm::Command2_Click);
}

void SureForm::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Command2->setFocus(); // Enter keeps the typed words
}

void SureForm::Command1_Click()
{
    m_done = true;
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::MakeNewList);
    screens().close(ScreenId::SureForm);
}

void SureForm::Command2_Click()
{
    m_done = true;
    screens().close(ScreenId::SureForm);
}

void SureForm::Form_Deactivate()
{
    if (!m_done)
        Command2_Click();
}

void SureForm::Form_Terminate()
{
    Command2_Click();
}

void SureForm::escapePressed()
{
    Command2_Click(); // No: the typed words stay
}
