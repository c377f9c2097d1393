#include "Zap.h"

#include "progress/Recorder.h"
#include "speech/ScreenSpeech.h"

#include "ZapRings.h"

#include "app/ClickLabel.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/Random.h"
#include "app/core/SharedState.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace zapdetail {

// The window's own surface beneath every control: it keeps the rings drawn
// by shots (until the next turn clears them) and takes the clicks that hit
// no control, which are misses.
class PlayField : public QWidget {
public:
    using QWidget::QWidget;

    QImage rings;
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, rings);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressed = true;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (m_pressed && rect().contains(event->position().toPoint()) && clicked) {
            m_pressed = false;
            clicked();
        }
        m_pressed = false;
    }

private:
    bool m_pressed = false;
};

} // namespace zapdetail

namespace {

constexpr int ClientWidth = 7800;
constexpr int ClientHeight = 6000;
constexpr int TargetHeight = 285;

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

} // namespace

Zap::Zap()
    : Screen(ScreenId::Zap)
{
    setWindowTitle(tr("Word Zap"));
    setClientSizeTwips(ClientWidth, ClientHeight);

    m_field = new zapdetail::PlayField(area());
    m_field->setGeometry(twRect(0, 0, ClientWidth, ClientHeight));
    m_field->clicked = [this] { Form_Click(); };

    TimeTimer = new QTimer(this);
    connect(TimeTimer, &QTimer::timeout, this, &Zap::TimeTimer_Timer);
    Timer2 = new QTimer(this);
    connect(Timer2, &QTimer::timeout, this, &Zap::Timer2_Timer);
    Timer1 = new QTimer(this);
    // The vanishing interval is the game's difficulty, down to 10 ms.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Zap::Timer1_Timer);

    TimerLabel = new QLabel(tr("Time: 000"), area());
    placeTw(TimerLabel, 240, 60, 1920, 315);
    ScoreLabel = new QLabel(tr("Score:"), area());
    placeTw(ScoreLabel, 5640, 60, 1920, 315);
    ScoreLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *label : {TimerLabel, ScoreLabel}) {
        setPointSize(label, 12);
        label->setStyleSheet(QStringLiteral("color: #ffffff;"));
    }

    for (int i = 0; i < TargetCount; ++i) {
        auto *shape = new ClickLabel(area());
        shape->setAccessibleName(tr("Target %1").arg(i + 1));
        shape->setFocusPolicy(Qt::NoFocus);
        shape->installEventFilter(this);
        connect(shape, &ClickLabel::pressed, this, [this, i] { BackShape1_MouseDown(i); });
        shape->hide();
        BackShape1.append(shape);
    }
    for (int i = 0; i < TargetCount; ++i) {
        auto *target = new ClickLabel(area(), tr("Target"));
        target->setAlignment(Qt::AlignCenter);
        target->setBackgroundColor(Qt::white);
        target->setTextColor(Qt::black);
        setPointSize(target, 10);
        target->installEventFilter(this);
        // Space on a focused target shoots it; the mouse shoots on press
        // through the event filter.
        connect(target, &ClickLabel::pressed, this, [this, i] { Target_MouseDown(i); });
        target->hide();
        Target.append(target);
    }

    BackShape2 = new QLabel(area());
    BackShape2->setScaledContents(true);
    placeTw(BackShape2, 1680, 1560, 4440, 2520);
    ReadyLabel = new ClickLabel(area(), tr(" Ready? Shoot Here to Start"));
    ReadyLabel->setAlignment(Qt::AlignCenter);
    ReadyLabel->setBackgroundColor(QColor(0xff, 0xd7, 0x5e));
    ReadyLabel->setTextColor(Qt::black);
    setPointSize(ReadyLabel, 13);
    placeTw(ReadyLabel, 1920, 2520, 3960, 600);
    ReadyLabel->hide();
    connect(ReadyLabel, &ClickLabel::clicked, this, &Zap::ReadyLabel_Click);

    LoseLabel = new ClickLabel(area(), tr("Lose"));
    LoseLabel->setAlignment(Qt::AlignCenter);
    LoseLabel->setBackgroundColor(fromBgr(LoseBackgroundRest));
    LoseLabel->setTextColor(Qt::black);
    setPointSize(LoseLabel, 11);
    placeTw(LoseLabel, 720, 330, 6360, 480);
    LoseLabel->hide();
    connect(LoseLabel, &ClickLabel::clicked, this, &Zap::LoseLabel_Click);

    Shape1 = new QFrame(area());
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #ffd75e; background: rgba(0, 0, 0, 110); }"));
    // A drawn frame, not a control: clicks on it reach the window.
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTw(Shape1, 120, 4920, 7560, 960);
    Label1 = new QLabel(tr("Definition:"), area());
    placeTw(Label1, 240, 4980, 1440, 315);
    DefLabel = makeLabel(area(), tr("Definition"));
    placeTw(DefLabel, 240, 5280, 7320, 555);
    setPointSize(Label1, 10);
    setPointSize(DefLabel, 12);
    // Labels are controls, not the window: a click on the definition is no
    // miss. Its press goes up to the screen, never to the play field beneath.
    for (QLabel *label : {Label1, DefLabel})
        label->setStyleSheet(QStringLiteral("color: #ffffff;"));

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { Back_Click(); });
    CommonMenus::quit(go);
    m_speech = new ScreenSpeech(this, CommonMenus::speech(menuBar()));
    progress::flushWhenClosed(this);
}

const QImage &Zap::ringLayer() const
{
    return m_field->rings;
}

void Zap::Form_Load()
{
    setBackgroundPicture(QStringLiteral("zap.jpg"));
    BackShape2->setPixmap(appPicture(QStringLiteral("ready.jpg")));
    for (ClickLabel *shape : BackShape1)
        shape->setPictureFile(QStringLiteral("target.png"));
    m_field->rings = makeRingLayer(m_field->size(), devicePixelRatioF());

    ScoreLabel->setText(tr("Score:  0000"));
    LoadList();
    TimerLabel->setText(tr("Time:  %1").arg(withLeadingBlank(TurnSeconds)));
    m_game = std::make_unique<ZapGame>(loadedPairs());
    if (!m_game->playable()) {
        // The options screen refuses such lists; the list may have changed
        // since. No turn can be made, so leave at once.
        heyMessage(tr("You need a list with at least two different words to play Word Zap!"), this);
        QTimer::singleShot(0, &screens(), [] {
            screens().show(ScreenId::GameOption);
            screens().close(ScreenId::Zap);
        });
        return;
    }
    // The "10 ms" flash ticks at frame rate: faster is never seen.
    Timer2->start(16);
    m_game->newTurn();
    showNewTurn();
}

bool Zap::soundOn() const
{
    return Shared.ZapSound != 0;
}

void Zap::syncTimers()
{
    if (!m_game->vanishRunning())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start(std::clamp(Shared.ZapSpeed, 10, 1250));
    // Restarting a running timer would reset its phase and steal time.
    if (m_game->clockRunning() && !TimeTimer->isActive())
        TimeTimer->start(1000);
}

void Zap::showScore()
{
    ScoreLabel->setText(tr("Score: %1").arg(withLeadingBlank(m_game->score())));
}

void Zap::showNewTurn()
{
    syncTimers();
    LoseLabel->hide();
    for (int i = 0; i < TargetCount; ++i) {
        Target[i]->hide();
        BackShape1[i]->hide();
    }
    BackShape2->show();

    Shared.CurrentWord = m_game->currentWord();
    Shared.CurrentMeaning = m_game->currentMeaning();
    Shared.RightAnswer = std::int16_t(m_game->rightAnswer());
    DefLabel->setText(m_game->currentMeaning());
    m_speech->shown(m_game->currentMeaning(), ScreenSpeech::Side::Meaning);
    const auto &layout = TargetLayouts[m_game->layout() - 1];
    for (int i = 0; i < TargetCount; ++i) {
        Shared.Choices[i + 1] = m_game->choice(i);
        Target[i]->setText(m_game->choice(i));
        // The label fits its word; the target picture is twice as wide.
        const int textTw = QFontMetrics(Target[i]->font()).horizontalAdvance(m_game->choice(i)) * 15;
        const int width = std::max(600, textTw + 180);
        m_targetTw[i] = QRect(layout[i].left, layout[i].top, width, TargetHeight);
        placeTw(Target[i], layout[i].left, layout[i].top, width, TargetHeight);
        placeTw(BackShape1[i], layout[i].left - 350, layout[i].top - 150, 2 * width, TargetHeight + 300);
    }

    m_field->rings.fill(Qt::transparent);
    m_field->update();
    ReadyLabel->show();
    ReadyLabel->setFocus();
}

void Zap::ReadyLabel_Click()
{
    if (!m_game || m_game->phase() != ZapGame::Phase::WaitingForReady)
        return;
    if (soundOn())
        PlaySound(QStringLiteral("ricochet.wav"));
    BackShape2->hide();
    ReadyLabel->hide();
    m_game->startTurn();
    syncTimers();
    for (int i = 0; i < TargetCount; ++i) {
        BackShape1[i]->show();
        Target[i]->show();
    }
    Target[0]->setFocus();
}

bool Zap::eventFilter(QObject *watched, QEvent *event)
{
    // Any mouse button shoots, at the moment it is pressed; the press never
    // reaches the window behind, where it would count as a miss.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < TargetCount; ++i) {
            if (watched == Target[i]) {
                Target_MouseDown(i);
                return true;
            }
            if (watched == BackShape1[i]) {
                BackShape1_MouseDown(i);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease)
        return true;
    return Screen::eventFilter(watched, event);
}

void Zap::Target_MouseDown(int index)
{
    if (m_game)
        handle(m_game->shoot(index), index);
}

void Zap::BackShape1_MouseDown(int index)
{
    Target_MouseDown(index);
}

void Zap::Form_Click()
{
    if (!m_game)
        return;
    if (soundOn())
        PlaySound(QStringLiteral("ricochet.wav"));
    handle(m_game->windowClick(), -1);
}

void Zap::LoseLabel_Click()
{
    if (m_game)
        handle(m_game->messageClick(), -1);
}

void Zap::handle(ZapGame::Outcome outcome, int shotIndex)
{
    switch (outcome) {
    case ZapGame::Outcome::Ignored:
        return;
    case ZapGame::Outcome::NewTurn:
        showNewTurn();
        return;
    case ZapGame::Outcome::GoodShot:
    case ZapGame::Outcome::WrongShot:
        gradeTurn(outcome == ZapGame::Outcome::GoodShot);
        Blast(shotIndex);
        showTurnOver();
        return;
    case ZapGame::Outcome::Missed:
        gradeTurn(false);
        showTurnOver();
        return;
    }
}

// The turn's definition is the pair asked, whichever target was hit.
void Zap::gradeTurn(bool hit)
{
    progress::recorder().graded({m_game->currentWord(), m_game->currentMeaning()}, hit);
}

void Zap::Blast(int index)
{
    if (soundOn())
        PlaySound(QStringLiteral("ricochet.wav"));
    const QRect &t = m_targetTw[index];
    const BlastCentre centre = blastCentre(t.left(), t.top(), t.width(), t.height());
    drawBlastRings(m_field->rings, centre.x, centre.y, rnd::Rnd);
    m_field->update();
}

QString Zap::turnEndText() const
{
    switch (m_game->turnEnd()) {
    case ZapGame::Outcome::GoodShot:
        return tr("Great Shot!");
    case ZapGame::Outcome::WrongShot:
        return tr("You shot the wrong word! The correct answer was  --%1--").arg(m_game->currentWord());
    case ZapGame::Outcome::Missed:
        return tr("You missed! The correct answer was  --%1--").arg(m_game->currentWord());
    case ZapGame::Outcome::Ignored:
    case ZapGame::Outcome::NewTurn:
        break;
    }
    return {};
}

void Zap::showTurnOver()
{
    syncTimers();
    showScore();
    LoseLabel->setText(turnEndText());
    LoseLabel->setBackgroundColor(fromBgr(m_game->messageBackground()));
    LoseLabel->show();
    LoseLabel->setFocus();
    for (int i = 0; i < TargetCount; ++i) {
        Target[i]->setVisible(m_game->targetVisible(i));
        BackShape1[i]->setVisible(m_game->targetVisible(i));
    }
}

void Zap::Timer1_Timer()
{
    bool turnLost = false;
    const int vanished = m_game->vanishTick(&turnLost);
    if (vanished >= 0) {
        Target[vanished]->hide();
        BackShape1[vanished]->hide();
    }
    if (turnLost) {
        gradeTurn(false);
        showTurnOver();
    }
}

void Zap::Timer2_Timer()
{
    m_game->flashTick();
    if (LoseLabel->isVisibleTo(area()))
        LoseLabel->setBackgroundColor(fromBgr(m_game->messageBackground()));
}

void Zap::TimeTimer_Timer()
{
    const bool timeUp = m_game->clockTick();
    TimerLabel->setText(tr("Time:  %1").arg(withLeadingBlank(m_game->timeLeft())));
    if (timeUp)
        TimeUp();
}

void Zap::TimeUp()
{
    // The message box runs its own event loop while the other timers keep
    // firing: the game ends once.
    if (m_timeUpRunning)
        return;
    m_timeUpRunning = true;
    if (soundOn()) {
        repaint();
        PlaySound(QStringLiteral("glasbk.wav"));
    }
    QPointer<Zap> self(this);
    MsgBox(tr("Time Is Up!"), tr("Time up!"), MsgButtons::Ok, this);
    if (!self)
        return;
    Shared.ZapScore = m_game->score();
    screens().show(ScreenId::ZapDone);
    screens().close(ScreenId::Zap);
}

void Zap::Back_Click()
{
    screens().close(ScreenId::Zap);
    screens().show(ScreenId::First);
}
