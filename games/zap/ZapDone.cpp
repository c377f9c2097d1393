#include "ZapDone.h"

#include "ZapRules.h"

#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QPushButton>

ZapDone::ZapDone()
    : Screen(ScreenId::ZapDone)
{
    setWindowTitle(tr("Score"));
    setClientSizeTwips(5760, 3840);

    auto *BackShape2 = new QLabel(area());
    BackShape2->setStyleSheet(QStringLiteral("background: rgba(20, 30, 70, 170); border-radius: 8px;"));
    placeTw(BackShape2, 240, 240, 5280, 2520);

    Image1 = new QLabel(area());
    Image1->setScaledContents(true);
    Image1->setAccessibleName(tr("Trophy"));
    placeTw(Image1, 480, 480, 1440, 1680);

    Label1 = new QLabel(tr("Great Job!"), area());
    setPointSize(Label1, 20);
    Label1->setStyleSheet(QStringLiteral("color: #ffd75e;"));
    Label1->setAlignment(Qt::AlignCenter);
    placeTw(Label1, 1920, 600, 3600, 735);

    Label2 = new QLabel(tr("You Scored 000 Points!"), area());
    setPointSize(Label2, 13);
    Label2->setStyleSheet(QStringLiteral("color: #ffffff;"));
    Label2->setAlignment(Qt::AlignCenter);
    placeTw(Label2, 1920, 1560, 3600, 495);

    Command1 = new QPushButton(tr("Try Again"), area());
    Command2 = new QPushButton(tr("Quit"), area());
    placeTw(Command1, 1200, 3000, 1575, 495);
    placeTw(Command2, 3000, 3000, 1575, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ZapDone::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ZapDone::Command2_Click);
}

QString ZapDone::ratingText(ZapRating rating)
{
    switch (rating) {
    case ZapRating::Oops:
        return tr("Oops!");
    case ZapRating::NotTooBad:
        return tr("Not too bad...");
    case ZapRating::GoodJob:
        return tr("Good Job!");
    case ZapRating::GreatWork:
        return tr("Great Work!");
    case ZapRating::Fantastic:
        return tr("FANTASTIC!!!!");
    }
    return {};
}

void ZapDone::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Image1->setPixmap(appPicture(QStringLiteral("trophy.png")));
    Label1->setText(ratingText(RateScore(Shared.ZapScore)));
    Label2->setText(tr("You scored %1 points!").arg(withLeadingBlank(Shared.ZapScore)));
    Command1->setFocus();
    if (Shared.ZapSound != 0) {
        // The score is on screen while the sound plays.
        show();
        repaint();
        PlaySound(QStringLiteral("whew.wav"));
    }
}

void ZapDone::Command1_Click()
{
    screens().show(ScreenId::ZapOptions);
    screens().close(ScreenId::ZapDone);
}

void ZapDone::Command2_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::ZapDone);
}
