#include "AboutForm.h"

#include "ClickLabel.h"
#include "Controls.h"
#include "ScreenManager.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

AboutForm::AboutForm()
    : Screen(ScreenId::AboutForm)
{
    setWindowTitle(tr("About Lingo-Spark"));
    setClientSizeTwips(5760, 3600);

    // The two halves of the program's name, the same in every language.
    auto *Label1 = new QLabel(QStringLiteral("Lingo"), area());
    auto *Label2 = new QLabel(QStringLiteral("Spark"), area());
    placeTw(Label1, 240, 240, 2640, 1080);
    placeTw(Label2, 2880, 240, 2640, 1080);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *label : {Label1, Label2}) {
        setPointSize(label, 30);
        label->setStyleSheet(QStringLiteral("color: #1d3c78;"));
    }
    auto *Label5 = new QLabel(tr("Version 1.6"), area());
    placeTw(Label5, 2160, 1440, 3360, 375);
    setPointSize(Label5, 11);

    makePicture(area(), QStringLiteral("deco1.png"), twRect(360, 1440, 1440, 1080));

    Command1 = new QPushButton(tr("OK"), area());
    placeTw(Command1, 2160, 2640, 1455, 495);
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AboutForm::Command1_Click);
}

void AboutForm::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
}

void AboutForm::Command1_Click()
{
    screens().close(ScreenId::AboutForm);
}

void AboutForm::Form_Deactivate()
{
    screens().close(ScreenId::AboutForm);
}

void AboutForm::escapePressed()
{
    Command1_Click();
}
