#include "HangmanOutcome.h"

#include "HangmanFigure.h"
#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "speech/ScreenSpeech.h"

#include <QTimer>

HangmanOutcome::HangmanOutcome(ScreenId id, const QString &caption, int textLeft)
    : Screen(id)
{
    setWindowTitle(caption);
    texts = makeOutcomeTexts(area(), textLeft, caption, tr("Do you want to play again?"));
    speech = new ScreenSpeech(this);
}

void HangmanOutcome::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    texts.showWordAndMeaning();
}

void HangmanOutcome::playAgain()
{
    screens().close(ScreenId::Hangman);
    screens().show(ScreenId::Hangman);
    screens().close(id());
}

void HangmanOutcome::backToGames()
{
    screens().close(ScreenId::Hangman);
    screens().close(id());
    screens().show(ScreenId::GameOption);
}

void HangmanOutcome::Form_Deactivate()
{
    backToGames();
}

void HangmanOutcome::Form_Terminate()
{
    screens().endProgram();
}

youwin::youwin()
    : HangmanOutcome(ScreenId::youwin, tr("You Win!"), 2040)
{
    Command3 = texts.yes;
    Command1 = texts.no;
    connect(Command3, &QPushButton::clicked, this, &youwin::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &youwin::Command1_Click);
    setClientSizeTwips(7800, 4800);

    buildFigure(area(), 630, 360); // the whole figure, cheering
    makePicture(area(), QStringLiteral("trophy.png"), twRect(480, 3540, 1080, 1080));
}

void youwin::Form_Load()
{
    HangmanOutcome::Form_Load();
    // Follows the program's default, not the game's sound switch. Played
    // once the screen is up, so the pupil sees why it cheers.
    if (Shared.SoundFlag == 1) {
        QTimer::singleShot(0, this, [this] {
            if (screens().find(ScreenId::youwin) != this)
                return;
            repaint();
            PlaySound(QStringLiteral("goodjob.wav"));
            speech->shown(Shared.CurrentWord, ScreenSpeech::Side::Word);
        });
    } else {
        speech->shown(Shared.CurrentWord, ScreenSpeech::Side::Word);
    }
}

void youwin::Command3_Click()
{
    playAgain();
}

void youwin::Command1_Click()
{
    backToGames();
}

LoseForm::LoseForm()
    : HangmanOutcome(ScreenId::LoseForm, tr("You Lose!"), 240)
{
    Command2 = texts.yes;
    Command1 = texts.no;
    connect(Command2, &QPushButton::clicked, this, &LoseForm::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &LoseForm::Command1_Click);
    setClientSizeTwips(6000, 4800);
}

void LoseForm::Form_Load()
{
    HangmanOutcome::Form_Load();
    // The losing sound has played on the game's screen already.
    speech->shown(Shared.CurrentWord, ScreenSpeech::Side::Word);
}

void LoseForm::Command2_Click()
{
    playAgain();
}

void LoseForm::Command1_Click()
{
    backToGames();
}
