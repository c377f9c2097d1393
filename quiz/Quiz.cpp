#include "Quiz.h"

#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include "QuizList.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/SoundSwitch.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

const QColor AnswerBlue(0x00, 0x00, 0xC0); // &HC00000
const QColor RightChoiceRed(0xFF, 0x00, 0x00); // 255

void setLabelBackground(QLabel *label, const QColor &color)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
}

QLabel *picture(QWidget *parent, const char *name, const QString &file, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(appPicture(file));
    label->setScaledContents(true);
    placeTw(label, left, top, width, height);
    label->hide();
    return label;
}

QLabel *caption(QWidget *parent, const QString &text, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    placeTw(label, left, top, width, 375);
    setPointSize(label, 11);
    return label;
}

} // namespace

Quiz::Quiz()
    : Screen(ScreenId::Quiz)
{
    setWindowTitle(tr("Lingo-Spark Vocabulary Quiz"));
    setClientSizeTwips(9360, 6720);

    Direct = makeLabel(area(), tr("Directions:"));
    Direct->setObjectName(QStringLiteral("Direct"));
    placeTw(Direct, 240, 120, 8880, 375);
    setPointSize(Direct, 10);

    Questionlabel = makeLabel(area(), tr("The Question"));
    Questionlabel->setObjectName(QStringLiteral("Questionlabel"));
    placeTw(Questionlabel, 240, 600, 8880, 1095);
    Questionlabel->setAlignment(Qt::AlignCenter);
    setPointSize(Questionlabel, 16);

    // Buttons and labels in tab order A to D: position 1 is at the top.
    AnswerA = new QPushButton(tr("A"), area());
    Command1 = new QPushButton(tr("B"), area());
    Command2 = new QPushButton(tr("C"), area());
    Command3 = new QPushButton(tr("D"), area());
    Answer1 = makeLabel(area(), QStringLiteral("Answer1"));
    Answer2 = makeLabel(area(), QStringLiteral("Answer2"));
    Answer3 = makeLabel(area(), QStringLiteral("Answer3"));
    Answer4 = makeLabel(area(), QStringLiteral("Answer4"));
    const std::array<QPushButton *, 4> buttons{AnswerA, Command1, Command2, Command3};
    const std::array<const char *, 4> buttonNames{"AnswerA", "Command1", "Command2", "Command3"};
    for (int position = 1; position <= 4; ++position) {
        const int top = 1920 + (position - 1) * 720;
        QPushButton *button = buttons[position - 1];
        button->setObjectName(QLatin1String(buttonNames[position - 1]));
        button->setAutoDefault(true);
        placeTw(button, 240, top + 60, 615, 495);
        setPointSize(button, 11);

        QLabel *label = answerLabel(position);
        label->setObjectName(QStringLiteral("Answer%1").arg(position));
        label->setAutoFillBackground(true);
        label->setIndent(6);
        setLabelBackground(label, AnswerBlue);
        placeTw(label, 960, top, 5640, 615);
        setPointSize(label, 11, false);
        button->setAccessibleDescription(label->text());
    }
    connect(AnswerA, &QPushButton::clicked, this, &Quiz::AnswerA_Click);
    connect(Command1, &QPushButton::clicked, this, &Quiz::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Quiz::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Quiz::Command3_Click);

    Feedback = new QLabel(tr("Feedback"), area());
    Feedback->setObjectName(QStringLiteral("Feedback"));
    placeTw(Feedback, 6840, 1920, 2280, 615);
    Feedback->setAlignment(Qt::AlignCenter);
    setPointSize(Feedback, 18);
    Feedback->hide();

    const QString happy = QStringLiteral("happy.png");
    const QString sad = QStringLiteral("sad.png");
    Image1 = picture(area(), "Image1", happy, 7260, 2640, 1440, 1440);
    Happy = picture(area(), "Happy", happy, 6840, 4200, 720, 720);
    Happy2 = picture(area(), "Happy2", happy, 8400, 4200, 720, 720);
    Image2 = picture(area(), "Image2", sad, 7260, 2640, 1440, 1440);
    Sad = picture(area(), "Sad", sad, 6840, 4200, 720, 720);
    Sad2 = picture(area(), "Sad2", sad, 8400, 4200, 720, 720);

    NextQuestion = new QPushButton(tr("Next Question"), area());
    NextQuestion->setObjectName(QStringLiteral("NextQuestion"));
    placeTw(NextQuestion, 6840, 5160, 2280, 615);
    setPointSize(NextQuestion, 11);
    NextQuestion->setAutoDefault(true);
    NextQuestion->hide();
    connect(NextQuestion, &QPushButton::clicked, this, &Quiz::NextQuestion_Click);

    caption(area(), tr("Questions Remaining:"), 240, 5040, 2880);
    caption(area(), tr("Total Correct:"), 240, 5520, 2880);
    caption(area(), tr("Total Wrong:"), 240, 6000, 2880);
    RemainingLabel = caption(area(), QStringLiteral("0"), 3120, 5040, 960);
    CorrectLabel = caption(area(), QStringLiteral("0"), 3120, 5520, 960);
    WrongLabel = caption(area(), QStringLiteral("0"), 3120, 6000, 960);
    RemainingLabel->setObjectName(QStringLiteral("RemainingLabel"));
    CorrectLabel->setObjectName(QStringLiteral("CorrectLabel"));
    WrongLabel->setObjectName(QStringLiteral("WrongLabel"));

    QMenu *Go = CommonMenus::go(menuBar());
    addMenuItem(Go, tr("Back to Quiz Options"), [this] { Back_Click(); });
    CommonMenus::backToMainScreen(Go, [this] { Back2Main_Click(); });
    CommonMenus::quit(Go);
    QMenu *options = CommonMenus::options(menuBar());
    m_sound = new SoundSwitch(options);
    CommonMenus::about(options);
    m_speech = new ScreenSpeech(this, CommonMenus::speech(menuBar()));
    progress::flushWhenClosed(this);
}

Quiz::~Quiz() = default;

QLabel *Quiz::answerLabel(int position) const
{
    switch (position) {
    case 1:
        return Answer1;
    case 2:
        return Answer2;
    case 3:
        return Answer3;
    default:
        return Answer4;
    }
}

void Quiz::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    if (Shared.SoundFlag == 1)
        SoundOn_Click();
    Shared.RightCount = 0;
    Shared.WrongCount = 0;
    Shared.QuestionsLeft = addCapped(Shared.QuestionsLeft, -1);
    LoadList();
    WordPairs hardWords = std::exchange(Shared.HardWords, {});
    m_pool = std::make_unique<QuestionDrawer>(loadedPairs(), m_random);
    RemainingLabel->setText(QString::number(Shared.QuestionsLeft));
    if (!m_pool->canAsk()) {
        refuseList();
        return;
    }
    if (!hardWords.isEmpty())
        m_pool->askOnly(std::move(hardWords));
    ChooseDirection();
    ShowDirections();
    MakeQuestion();
    AnswerA->setFocus();
}

void Quiz::refuseList()
{
    // The options screen refuses such a list; this is for a store that
    // changed in between. Hand back once the caller's hand-over is done.
    for (QWidget *child : area()->findChildren<QWidget *>())
        child->setEnabled(false);
    heyMessage(tooFewWordsMessage(), this);
    QTimer::singleShot(0, this, [] {
        screens().show(ScreenId::QuizOptions);
        screens().close(ScreenId::Quiz);
    });
}

void Quiz::ChooseDirection()
{
    Shared.QuizDirection = std::int16_t(::chooseDirection(Shared.QuizType, m_random));
}

void Quiz::ShowDirections()
{
    Direct->setText(Shared.QuizDirection == WordToMeaning
                        ? tr("Directions:  Mark the definition that BEST matches the word.")
                        : tr("Directions:  Mark the word that BEST matches the definition."));
}

void Quiz::MakeQuestion()
{
    const std::optional<Question> question = m_pool->makeQuestion(Shared.QuizDirection);
    if (!question)
        return;
    m_asked = question->pair;
    Shared.CurrentWord = question->pair.word;
    Shared.CurrentMeaning = question->pair.meaning;
    Shared.RightAnswer = std::int16_t(question->rightAnswer);
    for (int i = 1; i <= 4; ++i)
        Shared.Choices[i] = question->choices[i];
    Shared.QuestionText = question->text;

    Questionlabel->setText(Shared.QuestionText);
    m_speech->shown(Shared.QuestionText, Shared.QuizDirection == WordToMeaning ? ScreenSpeech::Side::Word
                                                                              : ScreenSpeech::Side::Meaning);
    const std::array<QPushButton *, 4> buttons{AnswerA, Command1, Command2, Command3};
    for (int i = 1; i <= 4; ++i) {
        answerLabel(i)->setText(Shared.Choices[i]);
        buttons[i - 1]->setAccessibleDescription(Shared.Choices[i]);
    }
    m_answered = false;
}

void Quiz::AnswerA_Click()
{
    Shared.ChosenAnswer = 1;
    CheckAnswer();
}

void Quiz::Command1_Click()
{
    Shared.ChosenAnswer = 2;
    CheckAnswer();
}

void Quiz::Command2_Click()
{
    Shared.ChosenAnswer = 3;
    CheckAnswer();
}

void Quiz::Command3_Click()
{
    Shared.ChosenAnswer = 4;
    CheckAnswer();
}

void Quiz::CheckAnswer()
{
    if (m_answered)
        return; // one answer per question
    m_answered = true;
    for (QPushButton *button : {AnswerA, Command1, Command2, Command3})
        button->hide();

    const bool right = Shared.ChosenAnswer == Shared.RightAnswer;
    progress::recorder().graded(m_asked, right);
    Feedback->setText(right ? tr("Correct!") : tr("Wrong"));
    Feedback->show();
    for (QLabel *image : right ? std::array{Happy, Happy2, Image1} : std::array{Sad, Sad2, Image2})
        image->show();
    setLabelBackground(answerLabel(Shared.RightAnswer), RightChoiceRed);
    NextQuestion->show();
    NextQuestion->setFocus();
    if (right) {
        Shared.RightCount = addCapped(Shared.RightCount, 1);
        CorrectLabel->setText(withLeadingBlank(Shared.RightCount));
    } else {
        Shared.WrongCount = addCapped(Shared.WrongCount, 1);
        WrongLabel->setText(withLeadingBlank(Shared.WrongCount));
    }
    if (m_sound->isOn()) {
        repaint(); // the verdict and the red mark are seen while the sound plays
        PlaySound(right ? QStringLiteral("clap.wav") : QStringLiteral("glasbk.wav"));
    }
}

void Quiz::NextQuestion_Click()
{
    if (!m_answered)
        return;
    Shared.QuestionsLeft = addCapped(Shared.QuestionsLeft, -1);
    RemainingLabel->setText(withLeadingBlank(Shared.QuestionsLeft));
    if (Shared.QuestionsLeft < 0) {
        screens().show(ScreenId::summary);
        setEnabled(false);
        return;
    }

    for (int i = 1; i <= 4; ++i)
        setLabelBackground(answerLabel(i), AnswerBlue);
    for (QPushButton *button : {AnswerA, Command1, Command2, Command3})
        button->show();
    for (QWidget *w : std::initializer_list<QWidget *>{Image1, Image2, Sad, Happy, Sad2, Happy2, Feedback, NextQuestion})
        w->hide();
    ChooseDirection();
    ShowDirections();
    MakeQuestion();
    AnswerA->setFocus();
}

void Quiz::Back_Click()
{
    screens().show(ScreenId::QuizOptions);
    screens().close(ScreenId::Quiz);
}

void Quiz::Back2Main_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Quiz);
}

void Quiz::SoundOn_Click()
{
    m_sound->SoundOn_Click();
}

bool Quiz::soundIsOn() const
{
    return m_sound->isOn();
}
