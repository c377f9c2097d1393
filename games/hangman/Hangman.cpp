#include "Hangman.h"

#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/SoundSwitch.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "games/PlayableWord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor LightBlue(0xc0, 0xc0, 0xff);
const QColor LightYellow(0xff, 0xff, 0x80);

// Where the head hangs, under the rope.
constexpr int HeadLeft = 2460;
constexpr int HeadTop = 1740;

void setBoxColor(QLabel *box, const QColor &color)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, color);
    box->setPalette(pal);
}

} // namespace

Hangman::Hangman()
    : Screen(ScreenId::Hangman)
{
    setWindowTitle(tr("Hangman!"));
    setClientSizeTwips(8400, 6300);

    for (int i = 0; i < HangmanRound::MaxWordLength; ++i) {
        QLabel *box = makeLabel(area());
        placeTw(box, 480 + 540 * i, 240, 480, 600);
        box->setAlignment(Qt::AlignCenter);
        box->setAutoFillBackground(true);
        box->setFrameShape(QFrame::Box);
        setBoxColor(box, LightBlue);
        setPointSize(box, 18);
        box->hide();
        Letter[i] = box;
    }

    // The gallows: base, upright, beam and rope.
    const QColor wood(0x6b, 0x44, 0x23);
    const int gallows[4][4] = {{360, 5520, 3000, 180}, {720, 1200, 180, 4320}, {720, 1200, 2280, 150},
                               {2790, 1350, 60, 390}};
    for (const auto &g : gallows)
        placeTw(new FigureShape(FigureShape::Kind::Box, wood, area()), g[0], g[1], g[2], g[3]);

    figure = buildFigure(area(), HeadLeft, HeadTop);
    for (int step = 1; step <= HangmanRound::FigureParts; ++step)
        figure.part(step)->hide();

    // The dead face over the head: a pale patch, a flat mouth, crossed eyes.
    using K = FigureShape::Kind;
    const QColor pale(0xc8, 0xe6, 0xc0);
    const QColor dark(0x23, 0x2b, 0x3a);
    auto facePart = [&](K kind, const QColor &color, int left, int top, int width, int height) {
        auto *shape = new FigureShape(kind, color, area());
        placeTw(shape, HeadLeft + left, HeadTop + top, width, height);
        shape->hide();
        return shape;
    };
    deadFace = {facePart(K::Disc, pale, 60, 60, 600, 600),        // Shape5
                facePart(K::Box, dark, 240, 480, 240, 45),        // Shape6
                facePart(K::LineDown, dark, 165, 195, 135, 135),  // Line1
                facePart(K::LineDown, dark, 420, 195, 135, 135),  // Line2
                facePart(K::LineUp, dark, 165, 195, 135, 135),    // Line3
                facePart(K::LineUp, dark, 420, 195, 135, 135)};   // Line4

    Label1 = new QLabel(tr("Letter Guess:"), area());
    placeTw(Label1, 4320, 1320, 1800, 375);
    setPointSize(Label1, 12);
    GuessLetter = new QLineEdit(area());
    placeTw(GuessLetter, 6180, 1230, 600, 480);
    GuessLetter->setAccessibleName(Label1->text());
    // One letter of any length: a decomposed "é" or a Devanagari conjunct
    // takes several characters.
    GuessLetter->setValidator(new OneLetterValidator(GuessLetter));
    GuessLetter->setAlignment(Qt::AlignCenter);
    setPointSize(GuessLetter, 14);
    connect(GuessLetter, &QLineEdit::returnPressed, this, &Hangman::GuessLetter_KeyPress);
    Go = new QPushButton(tr("Go >"), area());
    placeTw(Go, 6960, 1230, 1080, 480);
    Hint = new QPushButton(tr("Hint"), area());
    placeTw(Hint, 6960, 1830, 1080, 480);
    connect(Go, &QPushButton::clicked, this, &Hangman::Go_Click);
    connect(Hint, &QPushButton::clicked, this, &Hangman::Hint_Click);

    auto *Label2 = new QLabel(tr("Letters Already Used:"), area());
    placeTw(Label2, 4320, 2580, 3720, 375);
    setPointSize(Label2, 12);
    AlreadyUsed = makeLabel(area());
    placeTw(AlreadyUsed, 4320, 2980, 3720, 840);
    AlreadyUsed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPointSize(AlreadyUsed, 14);

    makePicture(area(), QStringLiteral("game_hangman.png"), twRect(4320, 4080, 960, 960));
    auto *Image2 = new QLabel(area());
    Image2->setPixmap(appPicture(QStringLiteral("deco2.png")));
    Image2->setScaledContents(true);
    placeTw(Image2, 7200, 5280, 840, 840);

    LoseLabel = new QLabel(tr("You Lose!"), area());
    placeTw(LoseLabel, 5400, 4020, 2640, 600);
    LoseLabel->setAlignment(Qt::AlignCenter);
    setPointSize(LoseLabel, 20);
    LoseLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    LoseLabel->hide();
    Done = new QPushButton(tr("Done"), area());
    placeTw(Done, 6120, 4740, 1215, 495);
    Done->hide();
    connect(Done, &QPushButton::clicked, this, &Hangman::Done_Click);
    for (QPushButton *button : {Go, Hint, Done})
        button->setAutoDefault(true);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToGamesOptions(go, [this] { Back1_Click(); });
    CommonMenus::backToMainScreen(go, [this] { Back2_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    SoundOn = new SoundSwitch(options);
    CommonMenus::about(options);
    new ScreenSpeech(this, CommonMenus::speech(menuBar()), ScreenSpeech::SayIt::Withheld);
    progress::flushWhenClosed(this);
}

void Hangman::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    if (Shared.SoundFlag == 1)
        SoundOn->SoundOn_Click();
    LoadList();
    if (!drawGameWord(HangmanRound::MaxWordLength)) {
        // Nothing to play: hand over to the notice before this game is ever
        // seen, so no half-made game stays open.
        screens().show(ScreenId::Error);
        screens().close(ScreenId::Hangman);
        return;
    }
    m_round.emplace(Shared.CurrentWord);
    layOutLetterBoxes();
}

void Hangman::layOutLetterBoxes()
{
    for (QLabel *box : Letter)
        box->hide();
    for (int i = 0; i < m_round->length(); ++i) {
        QLabel *box = Letter[m_round->box(i)];
        box->setText(m_round->boxText(i));
        box->setVisible(!m_round->isGap(i));
    }
}

void Hangman::showFoundLetters()
{
    for (int i = 0; i < m_round->length(); ++i)
        Letter[m_round->box(i)]->setText(m_round->boxText(i));
}

void Hangman::Form_Activate()
{
    if (!GuessLetter->isHidden())
        GuessLetter->setFocus();
}

void Hangman::GuessLetter_KeyPress()
{
    if (!GuessLetter->text().isEmpty())
        Go_Click();
}

void Hangman::playSound(const QString &name)
{
    repaint(); // what the guess changed is on screen while the sound plays
    PlaySound(name);
}

void Hangman::Go_Click()
{
    if (!m_round)
        return;
    const HangmanRound::Outcome outcome = m_round->guess(GuessLetter->text());
    using Kind = HangmanRound::GuessKind;
    if (outcome.kind == Kind::Ignored)
        return;
    if (outcome.kind == Kind::Repeated) {
        Beep();
        GuessLetter->clear();
        GuessLetter->setFocus();
        return;
    }

    if (outcome.won || outcome.lost)
        progress::recorder().graded({Shared.CurrentWord, Shared.CurrentMeaning}, outcome.won);
    showFoundLetters();
    AlreadyUsed->setText(m_round->alreadyUsed());
    GuessLetter->clear();
    if (outcome.kind == Kind::Found) {
        if (SoundOn->isOn() && m_round->lettersLeft() != 0)
            playSound(QStringLiteral("whew.wav"));
    } else {
        figure.part(outcome.partDrawn)->show();
        // The last part comes with the losing sound instead.
        if (SoundOn->isOn() && outcome.partDrawn != HangmanRound::FigureParts)
            playSound(QStringLiteral("oh-no.wav"));
        if (outcome.lost)
            Lose();
    }
    if (!GuessLetter->isHidden())
        GuessLetter->setFocus();
    if (outcome.won)
        Win();
}

void Hangman::Lose()
{
    if (SoundOn->isOn())
        playSound(QStringLiteral("choke.wav"));
    for (int i = 0; i < m_round->length(); ++i) {
        QLabel *box = Letter[m_round->box(i)];
        box->setText(m_round->letter(i));
        setBoxColor(box, LightYellow);
    }
    for (QWidget *part : deadFace)
        part->show();
    for (QWidget *control : {static_cast<QWidget *>(Go), static_cast<QWidget *>(GuessLetter),
                             static_cast<QWidget *>(Label1), static_cast<QWidget *>(Hint)})
        control->hide();
    LoseLabel->show();
    Done->show();
    Done->setFocus();
}

void Hangman::Win()
{
    screens().show(ScreenId::youwin);
    // Stays on display behind the win screen but takes no input.
    setEnabled(false);
}

void Hangman::Hint_Click()
{
    screens().show(ScreenId::GiveHint);
}

void Hangman::Done_Click()
{
    screens().show(ScreenId::LoseForm);
}

void Hangman::Back1_Click()
{
    screens().close(ScreenId::Hangman);
    screens().show(ScreenId::GameOption);
}

void Hangman::Back2_Click()
{
    screens().close(ScreenId::Hangman);
    screens().show(ScreenId::First);
}

void Hangman::Form_Terminate()
{
    screens().endProgram();
}
