#include "Error.h"

#include "Controls.h"
#include "ScreenManager.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

Error::Error()
    : Screen(ScreenId::Error)
{
    setWindowTitle(tr("Error:"));
    setClientSizeTwips(5400, 2760);

    QLabel *Label1 = makeLabel(
        area(),
        tr("The words on this list are all too long to play this game. Please try another list or another activity."));
    placeTw(Label1, 360, 240, 4680, 1440);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 12);

    Command1 = new QPushButton(tr("OK"), area());
    placeTw(Command1, 1980, 1920, 1455, 495);
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Error::Command1_Click);
}

void Error::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    beepWhenPainted();
}

void Error::Command1_Click()
{
    screens().show(ScreenId::GameOption);
    screens().close(ScreenId::Error);
}

void Error::Form_Terminate()
{
    screens().endProgram();
}

void Error::escapePressed()
{
    Command1_Click();
}
