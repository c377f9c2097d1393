#include "Main.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/SoundSwitch.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"
#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

constexpr int HalfLeft = 600;
constexpr int HalfWidth = 7575;
constexpr int WordTop = 240;
constexpr int MeaningTop = 2040;

QLabel *halfLabel(QWidget *parent)
{
    QLabel *label = makeLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    setPointSize(label, 24);
    // A card-coloured face, so the text reads well over the background; the
    // label's height clips the text while it grows.
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xee));
    pal.setColor(QPalette::WindowText, QColor(0x1d, 0x3c, 0x78));
    label->setPalette(pal);
    return label;
}

// The reveal ticks at frame rate: only a change of text is news for a reader.
void setIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

ClickLabel *linkLabel(QWidget *parent, const QString &caption)
{
    auto *label = new ClickLabel(parent, caption);
    setPointSize(label, 10);
    label->setTextColor(QColor(0xff, 0xff, 0xff));
    label->setBackgroundColor(QColor(0x1d, 0x3c, 0x78));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

Main::Main()
    : Screen(ScreenId::Main)
{
    setWindowTitle(tr("Vocabulary Flash Cards"));
    setClientSizeTwips(8775, 5880);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);

    TheWord = halfLabel(area());
    TheDefinition = halfLabel(area());

    Image2 = new ClickLabel(area());
    Image2->setAccessibleName(tr("Word card"));
    Image3 = new ClickLabel(area());
    Image3->setAccessibleName(tr("Meaning card"));
    Image3->setFocusPolicy(Qt::NoFocus); // nothing happens when it is clicked
    connect(Image2, &ClickLabel::clicked, this, &Main::Image2_Click);

    Gimme = new QPushButton(area());
    placeTw(Gimme, 3000, 4200, 2655, 735);
    setPointSize(Gimme, 12);
    Gimme->setAutoDefault(true);
    connect(Gimme, &QPushButton::clicked, this, &Main::Gimme_Click);

    Backhand = new ClickLabel(area());
    Backhand->setAccessibleName(tr("Previous Card arrow"));
    placeTw(Backhand, 480, 4200, 735, 735);
    BackLabel = linkLabel(area(), tr("Previous Card"));
    placeTw(BackLabel, 1275, 4320, 1665, 495);
    Label2 = linkLabel(area(), tr("Next Card"));
    placeTw(Label2, 5715, 4320, 1665, 495);
    Image1 = new ClickLabel(area());
    Image1->setAccessibleName(tr("Next Card arrow"));
    placeTw(Image1, 7440, 4200, 735, 735);
    Backhand->hide();
    BackLabel->hide();
    connect(Backhand, &ClickLabel::clicked, this, &Main::Backhand_Click);
    connect(BackLabel, &ClickLabel::clicked, this, &Main::BackLabel_Click);
    connect(Label2, &ClickLabel::clicked, this, &Main::Label2_Click);
    connect(Image1, &ClickLabel::clicked, this, &Main::Image1_Click);

    Label1 = makeLabel(area());
    placeTw(Label1, 600, 5160, 5400, 375);
    setPointSize(Label1, 10, false);
    Label1->setStyleSheet(QStringLiteral("color: #1d3c78;"));

    Command1 = new QPushButton(tr("Quit"), area());
    placeTw(Command1, 7080, 5160, 1095, 495);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Main::Command1_Click);

    setTabOrder(Image2, Label2);
    setTabOrder(Label2, Image1);
    setTabOrder(Image1, Gimme);
    setTabOrder(Gimme, BackLabel);
    setTabOrder(BackLabel, Backhand);
    setTabOrder(Backhand, Command1);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { MainBack_Click(); });
    addMenuItem(go, tr("Back to the Flash Card Options"), [this] { Back_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    m_sound = new SoundSwitch(options);
    CommonMenus::about(options);
    m_speech = new ScreenSpeech(this, CommonMenus::speech(menuBar()));
    progress::flushWhenClosed(this);
}

void Main::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Image2->setPictureFile(QStringLiteral("card.jpg"));
    Image3->setPictureFile(QStringLiteral("card.jpg"));
    Image1->setPictureFile(QStringLiteral("arrow_next.png"));
    Backhand->setPictureFile(QStringLiteral("arrow_back.png"));
    StartDeck();
    Label2->setFocus();
}

void Main::StartDeck()
{
    LoadList();
    // The pupil's hard words alone, when the options asked for them.
    WordPairs hardWords = std::exchange(Shared.HardWords, {});
    m_viewer = std::make_unique<CardViewer>(Shared.CardOrder, Shared.CardSide,
                                            hardWords.isEmpty() ? loadedPairs() : std::move(hardWords));

    // A "1 ms" timer: it ticks as often as the display refreshes, so the
    // halves are seen to open rather than being open before the first paint.
    Timer1->start(16);
    Gimme->setText(Shared.CardSide == CardViewer::ShowWord ? tr("Show the Meaning") : tr("Show the Word"));
    Label1->setText(tr("Total cards available in this set: %1").arg(withLeadingBlank(m_viewer->deck().count())));
    if (m_viewer->start(Shared.StartLetter, tr("(No words in this list start with %1!)").arg(Shared.StartLetter),
                        tr("That's the end of the list!")))
        Beep();
    showState();
}

void Main::showState()
{
    Shared.CardPosition = std::int16_t(m_viewer->deck().position());
    Shared.CurrentWord = m_viewer->current().word;
    Shared.CurrentMeaning = m_viewer->current().meaning;
    Backhand->setVisible(m_viewer->previousShown());
    BackLabel->setVisible(m_viewer->previousShown());
    Gimme->setVisible(m_viewer->revealButtonShown());
    placeHalves();
    speakUncovered();
    noteTurnedOver();
}

// A card counts as seen once both its halves are uncovered, once each time
// it is put up.
void Main::noteTurnedOver()
{
    const CardViewer::Uncovered now = m_viewer->uncovered();
    if (now.word && now.meaning && now.card != m_seenCard) {
        m_seenCard = now.card;
        progress::recorder().seen(m_viewer->current());
    }
}

// The side chosen first, then the other once it is uncovered; each once per
// card, and a half still covered never.
void Main::speakUncovered()
{
    const CardViewer::Uncovered now = m_viewer->uncovered();
    if (now.card != m_spoken.card)
        m_spoken = {now.card, false, false};
    const auto sayIfNew = [&](bool shown, bool &said, const QString &text, ScreenSpeech::Side side) {
        if (shown && !said) {
            said = true;
            m_speech->shown(text, side);
        }
    };
    const WordPair &pair = m_viewer->current();
    if (Shared.CardSide == CardViewer::ShowMeaning)
        sayIfNew(now.meaning, m_spoken.meaning, pair.meaning, ScreenSpeech::Side::Meaning);
    sayIfNew(now.word, m_spoken.word, pair.word, ScreenSpeech::Side::Word);
    sayIfNew(now.meaning, m_spoken.meaning, pair.meaning, ScreenSpeech::Side::Meaning);
}

void Main::placeHalves()
{
    const RevealAnimation &a = m_viewer->animation();
    placeTw(Image2, HalfLeft, WordTop, HalfWidth, a.wordCover);
    placeTw(Image3, HalfLeft, MeaningTop, HalfWidth, a.meaningCover);
    placeTw(TheWord, HalfLeft, WordTop, HalfWidth, a.wordLabel);
    placeTw(TheDefinition, HalfLeft, MeaningTop, HalfWidth, a.meaningLabel);
    // A half under its card shows nothing, so a screen reader, which reads a
    // label's text, cannot give the meaning away before it is uncovered.
    setIfChanged(TheWord, a.wordLabel > 0 ? m_viewer->wordCaption() : QString());
    setIfChanged(TheDefinition, a.meaningLabel > 0 ? m_viewer->meaningCaption() : QString());
}

void Main::Timer1_Timer()
{
    m_viewer->tick();
    placeHalves();
}

void Main::pageTurn()
{
    if (!m_sound->isOn())
        return;
    repaint(); // the new card is on screen while the page turns
    PlaySound(QStringLiteral("pageturn.wav"));
}

void Main::forwardAndShow(bool withPageTurn)
{
    m_viewer->forward();
    showState();
    if (withPageTurn)
        pageTurn();
}

void Main::backAndShow()
{
    if (m_viewer->back())
        Beep();
    showState();
}

void Main::Image1_Click()
{
    forwardAndShow(false);
}

void Main::Label2_Click()
{
    forwardAndShow(true);
}

void Main::Backhand_Click()
{
    backAndShow();
}

void Main::BackLabel_Click()
{
    backAndShow();
}

void Main::Gimme_Click()
{
    m_viewer->revealBoth();
    showState();
    pageTurn();
}

void Main::Image2_Click()
{
    if (m_viewer->backFromCover())
        Beep();
    showState();
}

void Main::Command1_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Main);
}

void Main::MainBack_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Main);
}

void Main::Back_Click()
{
    screens().show(ScreenId::frmTitle);
    screens().close(ScreenId::Main);
}

void Main::Form_Terminate()
{
    screens().endProgram();
}
