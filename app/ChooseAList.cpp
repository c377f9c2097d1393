#include "ChooseAList.h"

#include "Controls.h"
#include "ScreenManager.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

ChooseAList::ChooseAList()
    : Screen(ScreenId::ChooseAList)
{
    setWindowTitle(tr("Hey!"));
    setClientSizeTwips(4800, 2400);
    setBackgroundColor(QColor(0xff, 0xf4, 0xd6));

    makePicture(area(), QStringLiteral("deco1.png"), twRect(120, 240, 960, 720));
    makePicture(area(), QStringLiteral("deco2.png"), twRect(3720, 240, 960, 720));

    QLabel *Label1 = makeLabel(area(), tr("You need to choose a list!"));
    placeTw(Label1, 1200, 240, 2400, 1080);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 13);

    Command1 = new QPushButton(tr("OK"), area());
    placeTw(Command1, 1680, 1560, 1455, 495);
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ChooseAList::Command1_Click);
}

void ChooseAList::Command1_Click()
{
    screens().hide(ScreenId::ChooseAList);
}

void ChooseAList::Form_Deactivate()
{
    screens().close(ScreenId::ChooseAList);
}

void ChooseAList::Form_Terminate()
{
    Command1_Click();
}

void ChooseAList::escapePressed()
{
    Command1_Click();
}
