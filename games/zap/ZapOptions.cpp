#include "ZapOptions.h"

#include "ZapRules.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/NumberScrollBar.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The vanishing interval: 1250 ms at the left end ("Slow") down to 10 ms at
// the right end ("Impossible").
constexpr int SlowestSpeed = 1250;
constexpr int FastestSpeed = 10;
constexpr int DefaultSpeed = 650;

QLabel *alignedLabel(QWidget *parent, const QString &text, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(parent, text);
    label->setAlignment(alignment);
    return label;
}

} // namespace

ZapOptions::ZapOptions()
    : Screen(ScreenId::ZapOptions)
{
    setWindowTitle(tr("Word Zap! Options"));
    setClientSizeTwips(7200, 4560);

    auto *Label8 = new QLabel(tr("Word ZAP!"), area());
    setPointSize(Label8, 26);
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setStyleSheet(QStringLiteral("color: #ffd75e;"));
    placeTw(Label8, 240, 120, 6720, 735);

    auto *Frame4 = new QGroupBox(tr("Rules:"), area());
    placeTw(Frame4, 240, 960, 3360, 2640);
    QLabel *Label7 = makeLabel(Frame4, tr(
        "A definition will appear at the bottom of the screen. You must shoot only the word that matches "
        "the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points."));
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPointSize(Label7, 10, false);
    placeTw(Label7, 180, 360, 3000, 2160);

    auto *Frame3 = new QGroupBox(tr("Speed"), area());
    placeTw(Frame3, 3840, 960, 3120, 1260);
    SpeedBar = new NumberScrollBar(Qt::Horizontal, SlowestSpeed, FastestSpeed, Frame3);
    // The arrows move 50 ms at a time; a click in the trough fine-tunes by 1.
    SpeedBar->setSingleStep(50);
    SpeedBar->setPageStep(1);
    SpeedBar->setFocusPolicy(Qt::StrongFocus); // scroll bars take no Tab by default
    SpeedBar->setAccessibleName(tr("Speed"));
    placeTw(SpeedBar, 120, 360, 2880, 255);
    placeTw(alignedLabel(Frame3, tr("Slow"), Qt::AlignLeft), 120, 690, 1000, 315);
    placeTw(alignedLabel(Frame3, tr("Normal"), Qt::AlignHCenter), 1060, 690, 1000, 315);
    placeTw(alignedLabel(Frame3, tr("Impossible"), Qt::AlignRight), 1960, 690, 1040, 315);

    auto *Frame1 = new QGroupBox(tr("Sound"), area());
    placeTw(Frame1, 3840, 2340, 3120, 1260);
    SoundONOp = new QRadioButton(Frame1);
    SoundOFFOp = new QRadioButton(Frame1);
    SoundONOp->setAccessibleName(tr("Sound On"));
    SoundOFFOp->setAccessibleName(tr("Sound Off"));
    placeTw(SoundONOp, 240, 360, 300, 315);
    placeTw(SoundOFFOp, 240, 780, 300, 315);
    Label1 = new ClickLabel(Frame1, tr("Sound On"));
    Label2 = new ClickLabel(Frame1, tr("Sound Off"));
    placeTw(Label1, 600, 360, 1800, 315);
    placeTw(Label2, 600, 780, 1800, 315);
    // The buttons take the keyboard; the captions are for the mouse.
    Label1->setFocusPolicy(Qt::NoFocus);
    Label2->setFocusPolicy(Qt::NoFocus);
    clickThrough(Label1, SoundONOp);
    clickThrough(Label2, SoundOFFOp);

    Command1 = new QPushButton(tr("Start!"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 3840, 3840, 1440, 495);
    placeTw(Command2, 5520, 3840, 1440, 495);
    Command2->setAutoDefault(true);
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &ZapOptions::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ZapOptions::Command2_Click);

    setTabOrder(SpeedBar, SoundONOp);
    setTabOrder(SoundONOp, SoundOFFOp);
    setTabOrder(SoundOFFOp, Command1);
    setTabOrder(Command1, Command2);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToGamesOptions(go, [this] { Back2_Click(); });
    CommonMenus::backToMainScreen(go, [this] { Back_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);

    SpeedBar->setNumber(DefaultSpeed);
}

void ZapOptions::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    if (Shared.SoundFlag == 1)
        SoundONOp->setChecked(true);
    else
        SoundOFFOp->setChecked(true);
    Command1->setFocus();
}

void ZapOptions::Command1_Click()
{
    Shared.ZapSpeed = SpeedBar->number();
    Shared.ZapSound = SoundONOp->isChecked() ? -1 : 0;

    // Every turn needs a wrong word that differs from the right one: a list
    // without two different words would never produce a turn.
    LoadList();
    if (!hasTwoDifferentWords(loadedPairs())) {
        heyMessage(tr("You need a list with at least two different words to play Word Zap!"), this);
        return;
    }

    screens().show(ScreenId::Zap);
    screens().close(ScreenId::ZapOptions);
}

void ZapOptions::Command2_Click()
{
    screens().show(ScreenId::GameOption);
    screens().close(ScreenId::ZapOptions);
}

void ZapOptions::Back2_Click()
{
    Command2_Click();
}

void ZapOptions::Back_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::ZapOptions);
}

void ZapOptions::escapePressed()
{
    Command2_Click();
}
