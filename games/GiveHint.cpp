#include "GiveHint.h"

#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QPushButton>

GiveHint::GiveHint()
    : Screen(ScreenId::GiveHint)
{
    setWindowTitle(tr("Hint:"));
    setClientSizeTwips(5040, 2400);
    setBackgroundColor(QColor(0xff, 0xf4, 0xd6));

    Label1 = makeLabel(area());
    placeTw(Label1, 240, 180, 4560, 1380);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 13);

    Command1 = new QPushButton(tr("OK"), area());
    placeTw(Command1, 1800, 1740, 1455, 495);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &GiveHint::Command1_Click);
}

void GiveHint::Form_Load()
{
    Label1->setText(Shared.CurrentMeaning);
}

void GiveHint::Command1_Click()
{
    screens().close(ScreenId::GiveHint);
}

void GiveHint::Form_Deactivate()
{
    screens().close(ScreenId::GiveHint);
}

void GiveHint::Form_Terminate()
{
    Command1_Click();
}

void GiveHint::escapePressed()
{
    Command1_Click();
}
