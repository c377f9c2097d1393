#include "Concentration.h"

#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int GridLeft = 240;
constexpr int GridTop = 840;
constexpr int CellWidth = 1560;
constexpr int CellHeight = 1080;
constexpr int BackWidth = 1455;
constexpr int BackHeight = 975;
// The face is a little larger than the back so that it hides it completely.
constexpr int FaceMargin = 30;

} // namespace

Concentration::Concentration()
    : Screen(ScreenId::Concentration)
{
    setWindowTitle(tr("Concentration"));
    setClientSizeTwips(9000, 5280);

    Label1 = makeLabel(
        area(), tr("Directions: Click on a card to flip it. Match each word with its correct definition."));
    placeTw(Label1, 240, 120, 6240, 615);
    setPointSize(Label1, 10);

    for (int p = 0; p < CardCount; ++p) {
        const int left = GridLeft + (p % 4) * CellWidth;
        const int top = GridTop + (p / 4) * CellHeight;
        auto *back = new ClickLabel(area());
        back->setAccessibleName(tr("Card %1").arg(p + 1));
        placeTw(back, left, top, BackWidth, BackHeight);
        connect(back, &ClickLabel::clicked, this, [this, p] { Image1_Click(p); });
        Image1.append(back);

        QLabel *face = makeLabel(area());
        face->setAlignment(Qt::AlignCenter);
        face->setAutoFillBackground(true);
        QPalette pal = face->palette();
        pal.setColor(QPalette::Window, QColor(0xff, 0xc0, 0xff));
        pal.setColor(QPalette::WindowText, Qt::black);
        face->setPalette(pal);
        setPointSize(face, 10);
        placeTw(face, left - FaceMargin, top - FaceMargin, BackWidth + 2 * FaceMargin, BackHeight + 2 * FaceMargin);
        face->hide();
        CardLabel.append(face);
    }

    Tries = new QLabel(tr("Tries: 0"), area());
    placeTw(Tries, 6720, 960, 2040, 375);
    TimeLabel = new QLabel(tr("Time:"), area());
    placeTw(TimeLabel, 6720, 1440, 2040, 375);
    for (QLabel *label : {Tries, TimeLabel}) {
        setPointSize(label, 12);
        label->setStyleSheet(QStringLiteral("color: #1d3c78;"));
    }

    FeedbackButton = new QPushButton(area());
    placeTw(FeedbackButton, 6720, 2160, 2040, 615);
    setPointSize(FeedbackButton, 12);
    FeedbackButton->setAutoDefault(true);
    FeedbackButton->hide();
    connect(FeedbackButton, &QPushButton::clicked, this, &Concentration::FeedbackButton_Click);

    WinImage = new QLabel(area());
    WinImage->setScaledContents(true);
    WinImage->setAccessibleName(tr("Sphinx"));
    placeTw(WinImage, 1680, 1680, 3360, 3240);
    WinImage->hide();
    WinLabel = new QLabel(tr("Congratulations!"), area());
    WinLabel->setAlignment(Qt::AlignCenter);
    setPointSize(WinLabel, 22);
    WinLabel->setStyleSheet(QStringLiteral("color: #ffd75e;"));
    placeTw(WinLabel, 960, 840, 4800, 735);
    WinLabel->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Concentration::Timer1_Timer);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToGamesOptions(go, [this] { Back1_Click(); });
    CommonMenus::backToMainScreen(go, [this] { Back2_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);
    m_speech = new ScreenSpeech(this, CommonMenus::speech(menuBar()));
    progress::flushWhenClosed(this);
}

void Concentration::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    WinImage->setPixmap(appPicture(QStringLiteral("sphinx.jpg")));
    for (ClickLabel *back : Image1)
        back->setPictureFile(QStringLiteral("cardback.png"));

    LoadList();
    if (Shared.WordCount < PairCount) {
        // The games menu lets only lists of 8 words through, but the list may
        // have changed or gone since it was chosen.
        giveUp();
        return;
    }
    m_pairs = loadedPairs();
    m_game = std::make_unique<ConcentrationGame>(dealCards(m_pairs));
    for (int p = 0; p < CardCount; ++p)
        CardLabel[p]->setText(m_game->card(p).text);
    showBoard();
    Timer1->start();
}

void Concentration::giveUp()
{
    heyMessage(tr("You must have at least 8 words on a list to play Concentration!"), this);
    QTimer::singleShot(0, &screens(), [] {
        screens().show(ScreenId::GameOption);
        screens().close(ScreenId::Concentration);
    });
}

void Concentration::showBoard()
{
    for (int p = 0; p < CardCount; ++p) {
        const auto state = m_game->cardState(p);
        Image1[p]->setVisible(state != ConcentrationGame::CardState::Gone);
        CardLabel[p]->setVisible(state == ConcentrationGame::CardState::FaceUp);
    }
}

void Concentration::Image1_Click(int p)
{
    if (!m_game)
        return;
    const auto result = m_game->flip(p);
    if (result == ConcentrationGame::FlipResult::Ignored)
        return;
    showBoard();
    const Card &turned = m_game->card(p);
    m_speech->shown(turned.text, turned.isWord ? ScreenSpeech::Side::Word : ScreenSpeech::Side::Meaning);
    if (result == ConcentrationGame::FlipResult::FirstUp)
        return;

    Tries->setText(tr("Tries: %1").arg(withLeadingBlank(m_game->tryCount())));
    if (result != ConcentrationGame::FlipResult::NoMatch) {
        progress::recorder().seen(m_pairs.at(turned.pairOf - 1));
    }
    switch (result) {
    case ConcentrationGame::FlipResult::NoMatch:
        FeedbackButton->setText(tr("Try Again..."));
        break;
    case ConcentrationGame::FlipResult::Match:
        FeedbackButton->setText(tr("Match!"));
        break;
    default:
        FeedbackButton->setText(tr("You Win!"));
        WinImage->show();
        WinLabel->show();
        break;
    }
    FeedbackButton->show();
    FeedbackButton->setFocus();
}

void Concentration::FeedbackButton_Click()
{
    if (!m_game || !m_game->waitingForFeedback())
        return;
    const bool won = m_game->endTurn();
    FeedbackButton->hide();
    showBoard();
    if (won) {
        screens().show(ScreenId::GameOption);
        screens().close(ScreenId::Concentration);
        return;
    }
    for (ClickLabel *back : Image1) {
        if (back->isVisibleTo(area())) {
            back->setFocus();
            break;
        }
    }
}

void Concentration::Timer1_Timer()
{
    if (!m_game || m_game->gameOver())
        return;
    m_game->tick();
    TimeLabel->setText(tr("Time: %1").arg(withLeadingBlank(m_game->elapsedSeconds())));
}

void Concentration::Back1_Click()
{
    screens().show(ScreenId::GameOption);
    screens().close(ScreenId::Concentration);
}

void Concentration::Back2_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Concentration);
}

void Concentration::Form_Terminate()
{
    screens().endProgram();
}
