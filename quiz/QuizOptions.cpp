#include "QuizOptions.h"

#include "QuizList.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/NumberScrollBar.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

QuizOptions::QuizOptions()
    : Screen(ScreenId::QuizOptions)
{
    setWindowTitle(tr("Lingo-Spark Quiz"));
    setClientSizeTwips(7440, 5160);

    auto *Label1 = new QLabel(tr("Lingo-Spark Vocabulary Quiz"), area());
    placeTw(Label1, 240, 120, 6960, 615);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 18);
    for (int top : {840, 4320}) {
        auto *Line1 = new QFrame(area());
        Line1->setFrameShape(QFrame::HLine);
        Line1->setFrameShadow(QFrame::Sunken);
        placeTw(Line1, 240, top, 6960, 30);
    }

    auto *Label2 = new QLabel(tr("Choose a list:"), area());
    placeTw(Label2, 240, 1080, 2880, 315);
    setPointSize(Label2, 10);
    TheLists = new QListWidget(area());
    TheLists->setObjectName(QStringLiteral("TheLists"));
    TheLists->setAccessibleName(tr("Choose a list:"));
    placeTw(TheLists, 240, 1440, 2880, 2640);
    TheLists->installEventFilter(this);

    Frame3 = new QGroupBox(tr("How many questions?"), area());
    placeTw(Frame3, 3360, 1080, 3840, 1200);
    QuestionBar = new NumberScrollBar(Qt::Vertical, 100, 1, Frame3);
    QuestionBar->setObjectName(QStringLiteral("QuestionBar"));
    QuestionBar->setAccessibleName(tr("How many questions?"));
    QuestionBar->setSingleStep(1);
    QuestionBar->setPageStep(1);
    QuestionBar->setFocusPolicy(Qt::StrongFocus); // scroll bars take no Tab by default
    QuestionBar->setNumber(10);
    placeTw(QuestionBar, 360, 300, 255, 780);
    QuestionLabel = new QLabel(QStringLiteral("10"), Frame3);
    QuestionLabel->setObjectName(QStringLiteral("QuestionLabel"));
    placeTw(QuestionLabel, 840, 420, 1200, 495);
    setPointSize(QuestionLabel, 16);
    connect(QuestionBar, &QScrollBar::valueChanged, this, &QuizOptions::QuestionBar_Change);

    Frame1 = new QGroupBox(tr("What type of questions?"), area());
    placeTw(Frame1, 3360, 2400, 3840, 1680);
    WordQuiz = new QRadioButton(Frame1);
    DefinitionQuiz = new QRadioButton(Frame1);
    RandomQuiz = new QRadioButton(Frame1);
    const std::array<QString, 3> captions{tr("Quiz me on Words"), tr("Quiz me on Meanings"),
                                          tr("Quiz me on Words and Meanings")};
    const std::array<QRadioButton *, 3> kinds{WordQuiz, DefinitionQuiz, RandomQuiz};
    for (int index = 3; index <= 5; ++index) {
        QRadioButton *button = kinds[index - 3];
        const int top = 360 + (index - 3) * 420;
        placeTw(button, 240, top, 255, 285);
        button->setAccessibleName(captions[index - 3]);
        Label3[index] = new ClickLabel(Frame1, captions[index - 3]);
        Label3[index]->setObjectName(QStringLiteral("Label3_%1").arg(index));
        // The buttons take the keyboard; the captions are for the mouse.
        Label3[index]->setFocusPolicy(Qt::NoFocus);
        placeTw(Label3[index], 600, top - 15, 3120, 315);
        connect(Label3[index], &ClickLabel::clicked, this, [this, index] { Label3_Click(index); });
    }
    WordQuiz->setObjectName(QStringLiteral("WordQuiz"));
    DefinitionQuiz->setObjectName(QStringLiteral("DefinitionQuiz"));
    RandomQuiz->setObjectName(QStringLiteral("RandomQuiz"));
    RandomQuiz->setChecked(true);

    Command1 = new QPushButton(tr("Begin!"), area());
    placeTw(Command1, 2880, 4500, 1695, 495);
    setPointSize(Command1, 11);
    setDefaultButton(Command1); // Enter on an option or the bar begins too
    connect(Command1, &QPushButton::clicked, this, &QuizOptions::Command1_Click);

    QMenu *Go = CommonMenus::go(menuBar());
    addMenuItem(Go, tr("Return to Main Screen"), [this] { Return_Click(); });
    CommonMenus::quit(Go);
    QMenu *Options = CommonMenus::options(menuBar());
    CommonMenus::about(Options);

    TheLists->setFocus();
}

void QuizOptions::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Shared.CurrentList.clear();
    fillListChooser(TheLists);
}

int QuizOptions::questionCount() const
{
    return QuestionBar->number();
}

void QuizOptions::QuestionBar_Change()
{
    QuestionLabel->setText(withLeadingBlank(questionCount()));
}

void QuizOptions::Label3_Click(int index)
{
    if (index < 3 || index > 5)
        return;
    const std::array<QRadioButton *, 3> kinds{WordQuiz, DefinitionQuiz, RandomQuiz};
    // A click on the caption is a click on its button, so the others clear.
    kinds[index - 3]->click();
}

void QuizOptions::Command1_Click()
{
    // Checked before anything is stored: a refused list leaves the choices
    // and the shared state as they were.
    const QList<QListWidgetItem *> selected = TheLists->selectedItems();
    if (!selected.isEmpty() && !listCanMakeQuestions(selected.first()->text())) {
        heyMessage(tooFewWordsMessage(), this);
        return;
    }

    const bool chosen = takeListChoice(TheLists);
    Shared.QuizType = WordQuiz->isChecked() ? 1 : DefinitionQuiz->isChecked() ? 2 : 3;
    Shared.QuestionsLeft = std::int16_t(questionCount());
    if (!chosen)
        return;
    screens().show(ScreenId::Quiz);
    screens().close(ScreenId::QuizOptions);
}

void QuizOptions::Return_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::QuizOptions);
}

bool QuizOptions::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on the list starts the quiz, as a dialog's default button would.
    if (watched == TheLists && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->click();
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}
