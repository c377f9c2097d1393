#include "MyProgress.h"

#include "BoxChart.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "progress/Recorder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <utility>

MyProgress::MyProgress()
    : Screen(ScreenId::MyProgress)
{
    setWindowTitle(tr("My Progress"));
    setClientSizeTwips(9000, 6720);

    QLabel *title = new QLabel(tr("My Progress"), area());
    placeTw(title, 1680, 120, 5640, 720);
    title->setAlignment(Qt::AlignCenter);
    setPointSize(title, 22);
    title->setStyleSheet(QStringLiteral("color: #1d3c78;"));
    makePicture(area(), QStringLiteral("deco1.png"), twRect(240, 120, 1200, 900));
    makePicture(area(), QStringLiteral("deco2.png"), twRect(7560, 120, 1200, 900));

    QLabel *choose = makeLabel(area(), tr("Choose a Word List:"));
    placeTw(choose, 240, 1080, 3360, 375);
    setPointSize(choose, 11);
    TheLists = new QListWidget(area());
    placeTw(TheLists, 240, 1500, 3360, 4200);
    TheLists->setAccessibleName(tr("Choose a Word List:"));
    connect(TheLists, &QListWidget::itemSelectionChanged, this, &MyProgress::TheLists_Click);

    Chart = new BoxChart(area());
    placeTw(Chart, 3840, 1080, 4920, 2880);
    setPointSize(Chart, 10, false);

    DueLabel = new QLabel(area());
    placeTw(DueLabel, 3840, 4080, 4920, 375);
    NeverLabel = new QLabel(area());
    placeTw(NeverLabel, 3840, 4500, 4920, 375);
    for (QLabel *label : {DueLabel, NeverLabel})
        setPointSize(label, 11);

    Practise = new QPushButton(tr("Practise My Hard Words"), area());
    placeTw(Practise, 3840, 5280, 2760, 615);
    StartAgain = new QPushButton(tr("Start Again"), area());
    placeTw(StartAgain, 6720, 5280, 2040, 615);
    for (QPushButton *button : {Practise, StartAgain}) {
        setPointSize(button, 11);
        button->setAutoDefault(true);
    }
    connect(Practise, &QPushButton::clicked, this, &MyProgress::Practise_Click);
    connect(StartAgain, &QPushButton::clicked, this, &MyProgress::StartAgain_Click);

    setTabOrder(TheLists, Chart);
    setTabOrder(Chart, Practise);
    setTabOrder(Practise, StartAgain);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { Back_Click(); });
    CommonMenus::quit(go);
    // Start Again is saved when the pupil leaves, as an activity's answers are.
    progress::flushWhenClosed(this);
}

void MyProgress::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    fillListChooser(TheLists); // a list chosen before is shown at once
    TheLists->setFocus();
}

bool MyProgress::readChosenList(WordPairs &pairs)
{
    const QList<QListWidgetItem *> selected = TheLists->selectedItems();
    if (selected.isEmpty())
        return false;
    Shared.CurrentList = selected.first()->text();
    Shared.ListChoice = std::int16_t(TheLists->row(selected.first()));
    LoadList();
    pairs = loadedPairs();
    return true;
}

void MyProgress::TheLists_Click()
{
    WordPairs pairs;
    if (!readChosenList(pairs)) {
        Chart->setCounts(std::nullopt);
        DueLabel->clear();
        NeverLabel->clear();
        return;
    }
    const progress::BoxCounts counts = progress::recorder().boxCounts(pairs);
    Chart->setCounts(counts);
    DueLabel->setText(tr("Due today: %1").arg(counts.dueToday));
    NeverLabel->setText(tr("Never practised: %1").arg(counts.neverPractised));
}

void MyProgress::Practise_Click()
{
    if (!takeListChoice(TheLists))
        return;
    LoadList();
    const WordPairs list = loadedPairs();
    // Refused as the quiz's options refuse it.
    if (!hasTwoDifferentWords(list)) {
        heyMessage(tooFewWordsMessage(), this);
        return;
    }
    WordPairs due = progress::recorder().duePairs(list);
    if (due.isEmpty()) {
        heyMessage(nothingDueMessage(), this);
        return;
    }
    if (due.size() > MaxQuestions)
        due.resize(MaxQuestions); // box 1 comes first
    Shared.QuizType = 1;
    Shared.QuestionsLeft = std::int16_t(due.size());
    Shared.HardWords = std::move(due);
    screens().show(ScreenId::Quiz);
    screens().close(ScreenId::MyProgress);
}

void MyProgress::StartAgain_Click()
{
    WordPairs pairs;
    if (!readChosenList(pairs)) {
        takeListChoice(TheLists); // the reminder to choose one
        return;
    }
    const QString question = tr("Start \"%1\" again? Every word of it will count as never practised.")
                                 .arg(Shared.CurrentList);
    if (MsgBox(question, tr("Start Again"), MsgButtons::YesNo, this) != MsgAnswer::Yes)
        return;
    progress::recorder().startAgain(pairs);
    TheLists_Click();
}

void MyProgress::Back_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::MyProgress);
}

void MyProgress::escapePressed()
{
    Back_Click();
}

void MyProgress::Form_Terminate()
{
    screens().endProgram();
}
