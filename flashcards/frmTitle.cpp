#include "frmTitle.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "progress/Recorder.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

frmTitle::frmTitle()
    : Screen(ScreenId::frmTitle)
{
    setWindowTitle(tr("Vocabulary Flash Cards"));
    setClientSizeTwips(9000, 6720);

    QLabel *lblTitle = new QLabel(tr("Vocabulary Flash Cards"), area());
    placeTw(lblTitle, 1680, 120, 5640, 720);
    lblTitle->setAlignment(Qt::AlignCenter);
    setPointSize(lblTitle, 22);
    lblTitle->setStyleSheet(QStringLiteral("color: #1d3c78;"));

    makePicture(area(), QStringLiteral("deco1.png"), twRect(240, 120, 1200, 900));
    makePicture(area(), QStringLiteral("deco2.png"), twRect(7560, 120, 1200, 900));

    QLabel *Label1 = makeLabel(area(), tr("Choose a Word List:"));
    placeTw(Label1, 240, 1080, 3360, 375);
    setPointSize(Label1, 11);
    TheLists = new QListWidget(area());
    placeTw(TheLists, 240, 1500, 3360, 4200);
    TheLists->setAccessibleName(tr("Choose a Word List:"));

    Frame3 = new QGroupBox(tr("What's on the Cards?"), area());
    placeTw(Frame3, 3840, 1080, 4920, 1560);
    Frame1 = new QGroupBox(tr("Card Order"), area());
    placeTw(Frame1, 3840, 2760, 4920, 2280);

    // Option buttons without text of their own; the label beside each one
    // selects it, as a click on the button would.
    auto option = [](QGroupBox *frame, ClickLabel *&label, const QString &caption, int top) {
        auto *button = new QRadioButton(frame);
        placeTw(button, 120, top, 300, 375);
        button->setAccessibleName(caption);
        label = new ClickLabel(frame, caption);
        placeTw(label, 480, top, 4320, 375);
        label->setFocusPolicy(Qt::NoFocus);
        clickThrough(label, button);
        return button;
    };
    Option4 = option(Frame3, Label3[8], tr("Show me the words and I'll guess the meaning"), 360);
    Option6 = option(Frame3, Label3[7], tr("Show me the meaning and let me guess the word"), 900);
    Option1 = option(Frame1, Label3[5], tr("Alphabetical"), 360);
    Option3 = option(Frame1, Label3[4], tr("Random"), 840);
    Option2 = option(Frame1, Label3[3], tr("Alphabetical, starting with the letter..."), 1320);
    Option4->setChecked(true);
    Option1->setChecked(true);

    Letter = new QLineEdit(Frame1);
    placeTw(Letter, 480, 1740, 1200, 375);
    Letter->setAccessibleName(tr("Starting letter"));
    Letter->hide();

    Begin = new QPushButton(tr("Click Here to Begin"), area());
    placeTw(Begin, 4800, 5280, 3000, 615);
    setPointSize(Begin, 12);
    setDefaultButton(Begin); // Enter on the list or an option begins

    onSelected(Option1, this, [this] { Option1_Click(); });
    onSelected(Option3, this, [this] { Option3_Click(); });
    onSelected(Option2, this, [this] { Option2_Click(); });
    onSelected(Option4, this, [this] { Option4_Click(); });
    onSelected(Option6, this, [this] { Option6_Click(); });
    connect(Begin, &QPushButton::clicked, this, &frmTitle::Begin_Click);
    // Enter in the letter box or a double-click on a list starts the cards, as
    // the button would. Not itemActivated: some desktops activate on one click.
    connect(Letter, &QLineEdit::returnPressed, this, &frmTitle::Begin_Click);
    connect(TheLists, &QListWidget::itemDoubleClicked, this, &frmTitle::Begin_Click);

    setTabOrder(TheLists, Option4);
    setTabOrder(Option4, Option6);
    setTabOrder(Option6, Option1);
    setTabOrder(Option1, Option3);
    setTabOrder(Option3, Option2);
    setTabOrder(Option2, Letter);
    setTabOrder(Letter, Begin);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { Back_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options, CommonMenus::AboutCase::thisProgram);
    QMenu *myWords = CommonMenus::myWords(menuBar());
    HardWordsOnly = myWords->addAction(tr("My Hard Words Only"));
    HardWordsOnly->setCheckable(true);
}

void frmTitle::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Shared.CardOrder = 1;
    Shared.CardSide = 1;
    HardWordsOnly->setChecked(false);
    fillListChooser(TheLists);
    TheLists->setFocus();
}

void frmTitle::Option1_Click()
{
    Shared.CardOrder = 1;
}

void frmTitle::Option3_Click()
{
    Shared.CardOrder = 2;
}

void frmTitle::Option2_Click()
{
    Shared.CardOrder = 3;
    Letter->show();
    Letter->setFocus();
}

void frmTitle::Option4_Click()
{
    Shared.CardSide = 1;
}

void frmTitle::Option6_Click()
{
    Shared.CardSide = 2;
}

void frmTitle::Begin_Click()
{
    const bool listChosen = takeListChoice(TheLists);
    if (Shared.CardOrder == 3 && Letter->text().isEmpty()) {
        heyMessage(tr("You need to choose a starting letter!"), this);
        return;
    }
    if (Shared.CardOrder == 3)
        Shared.StartLetter = Letter->text();
    if (!listChosen)
        return;
    if (HardWordsOnly->isChecked()) {
        LoadList();
        WordPairs due = progress::recorder().duePairs(loadedPairs());
        if (due.isEmpty()) {
            heyMessage(nothingDueMessage(), this);
            return;
        }
        Shared.HardWords = std::move(due);
    }
    screens().show(ScreenId::Main);
    screens().close(ScreenId::frmTitle);
}

void frmTitle::Back_Click()
{
    screens().close(ScreenId::frmTitle);
    screens().show(ScreenId::First);
}

void frmTitle::Form_Terminate()
{
    screens().endProgram();
}
