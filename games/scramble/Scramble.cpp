#include "Scramble.h"

#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include "ScrambleRules.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

Scramble::Scramble()
    : Screen(ScreenId::Scramble)
{
    setWindowTitle(tr("Scramble!"));
    setClientSizeTwips(7200, 4320);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Scramble::Timer1_Timer);

    auto *Label2 = new QLabel(tr("Unscramble this word:"), area());
    placeTw(Label2, 480, 360, 6240, 375);
    setPointSize(Label2, 12);
    Label1 = makeLabel(area());
    placeTw(Label1, 480, 840, 6240, 780);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 24);
    Label1->setStyleSheet(QStringLiteral("color: #1d3c78; background: rgba(255, 255, 255, 150);"));

    auto *Label3 = new QLabel(tr("Your Guess:"), area());
    placeTw(Label3, 480, 1860, 1620, 375);
    setPointSize(Label3, 12);
    Guess = new QLineEdit(area());
    Guess->setAccessibleName(Label3->text());
    placeTw(Guess, 2160, 1800, 3060, 450);
    setPointSize(Guess, 13, false);
    connect(Guess, &QLineEdit::returnPressed, this, &Scramble::Guess_KeyPress);

    Command1 = new QPushButton(tr("Submit Guess"), area());
    placeTw(Command1, 5400, 1777, 1500, 495);
    Command2 = new QPushButton(tr("Give Up"), area());
    placeTw(Command2, 1980, 2580, 1500, 495);
    Command3 = new QPushButton(tr("Hint"), area());
    placeTw(Command3, 3720, 2580, 1500, 495);
    for (QPushButton *button : {Command1, Command2, Command3})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Scramble::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Scramble::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Scramble::Command3_Click);

    auto *Label5 = new QLabel(tr("Time:"), area());
    // As wide as the room before the seconds, for the languages whose word for time is longer.
    placeTw(Label5, 480, 3480, 900, 375);
    setPointSize(Label5, 12);
    Label4 = new QLabel(area());
    placeTw(Label4, 1380, 3480, 1440, 375);
    setPointSize(Label4, 12);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { Return_Click(); });
    CommonMenus::backToGamesOptions(go, [this] { Back_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);
    new ScreenSpeech(this, CommonMenus::speech(menuBar()), ScreenSpeech::SayIt::Withheld);
    progress::flushWhenClosed(this);
}

void Scramble::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Shared.ScrambleTime = 0;
    Timer1->start(1000);
    LoadList();
    if (!drawGameWord(scramble::MaxWordLength)) {
        // Nothing to play: hand over to the notice before this game is ever
        // seen, so no half-made game stays open.
        screens().show(ScreenId::Error);
        screens().close(ScreenId::Scramble);
        return;
    }
    ScrambledText = scramble::scrambleWord(Shared.CurrentWord);
    Label1->setText(ScrambledText);
}

void Scramble::Form_Activate()
{
    Guess->setFocus();
}

void Scramble::Timer1_Timer()
{
    Shared.ScrambleTime = addCapped(Shared.ScrambleTime, 1);
    Label4->setText(QString::number(Shared.ScrambleTime));
}

void Scramble::judgeGuess()
{
    switch (scramble::judgeAnswer(Guess->text(), Shared.CurrentWord)) {
    case scramble::Verdict::Empty:
        Beep();
        Guess->setFocus();
        break;
    case scramble::Verdict::Right:
        showOutcome(true);
        break;
    case scramble::Verdict::Wrong:
        showOutcome(false);
        break;
    }
}

// The game stays open under its outcome, so a pupil can still give up
// after a right answer: that second screen changes nothing recorded.
void Scramble::showOutcome(bool right)
{
    if (!m_graded) {
        m_graded = true;
        progress::recorder().graded({Shared.CurrentWord, Shared.CurrentMeaning}, right);
    }
    screens().show(right ? ScreenId::ScrambleWin : ScreenId::ScrambleLose);
}

void Scramble::Command1_Click()
{
    judgeGuess();
}

void Scramble::Guess_KeyPress()
{
    judgeGuess();
}

void Scramble::Command2_Click()
{
    showOutcome(false);
}

void Scramble::Command3_Click()
{
    screens().show(ScreenId::GiveHint);
}

void Scramble::Back_Click()
{
    screens().show(ScreenId::GameOption);
    screens().close(ScreenId::Scramble);
}

void Scramble::Return_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Scramble);
}

void Scramble::Form_Terminate()
{
    screens().endProgram();
}
