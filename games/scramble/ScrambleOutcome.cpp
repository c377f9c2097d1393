#include "ScrambleOutcome.h"

#include "app/ScreenManager.h"
#include "app/core/Numbers.h"
#include "speech/ScreenSpeech.h"

ScrambleOutcome::ScrambleOutcome(ScreenId id, const QString &caption, const QString &headline)
    : Screen(id)
{
    setWindowTitle(caption);
    setClientSizeTwips(6000, 4800);
    texts = makeOutcomeTexts(area(), 240, headline, tr("Would you like to try another?"));
    Command3 = texts.yes;
    Command1 = texts.no;
    connect(Command3, &QPushButton::clicked, this, &ScrambleOutcome::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &ScrambleOutcome::Command1_Click);
    speech = new ScreenSpeech(this);
}

void ScrambleOutcome::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    texts.showWordAndMeaning();
    // These screens have no sound of their own.
    speech->shown(Shared.CurrentWord, ScreenSpeech::Side::Word);
}

// A pupil who gave up after a right answer has both screens open; neither
// may outlive the game it speaks of.
void ScrambleOutcome::closeOutcomes()
{
    screens().close(ScreenId::ScrambleWin);
    screens().close(ScreenId::ScrambleLose);
}

void ScrambleOutcome::Command3_Click()
{
    screens().close(ScreenId::Scramble);
    screens().show(ScreenId::Scramble);
    closeOutcomes();
}

void ScrambleOutcome::Command1_Click()
{
    screens().close(ScreenId::Scramble);
    screens().show(ScreenId::GameOption);
    closeOutcomes();
}

void ScrambleOutcome::Form_Terminate()
{
    screens().endProgram();
}

ScrambleWin::ScrambleWin()
    : ScrambleOutcome(ScreenId::ScrambleWin, tr("Yes!"), tr("Correct!"))
{
    TTime = makeLabel(area());
    placeTw(TTime, 240, OutcomeExtraLineTop, 5520, 375);
    TTime->setAlignment(Qt::AlignCenter);
    setPointSize(TTime, 11);
}

void ScrambleWin::Form_Load()
{
    ScrambleOutcome::Form_Load();
    TTime->setText(tr("You guessed correctly in %1 seconds.").arg(withLeadingBlank(Shared.ScrambleTime)));
}

ScrambleLose::ScrambleLose()
    : ScrambleOutcome(ScreenId::ScrambleLose, tr("Sorry..."), tr("Sorry..."))
{
}
