#include "summary.h"

#include "QuizRules.h"

#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Kept in twips: reading the width back in pixels would round it.
constexpr int ClientWidth = 7200;
constexpr int ClientHeight = 4920;

QLabel *resultLine(QWidget *parent, const QString &text, const char *name, int top, int height, int points)
{
    QLabel *label = makeLabel(parent, text);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    placeTw(label, 480, top, ClientWidth - 960, height);
    setPointSize(label, points);
    return label;
}

} // namespace

summary::summary()
    : Screen(ScreenId::summary)
{
    setWindowTitle(tr("Quiz Results"));
    setClientSizeTwips(ClientWidth, ClientHeight);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &summary::Timer1_Timer);

    for (int i = 1; i <= 4; ++i) {
        m_images[i] = new QLabel(area());
        m_images[i]->setObjectName(QStringLiteral("Image%1").arg(i));
        m_images[i]->setScaledContents(true);
    }
    placePictures();

    Label1 = resultLine(area(), tr("You got (blank) out of (blank) correct."), "Label1", 2760, 375, 12);
    Label2 = resultLine(area(), tr("This gives you a score of (blank)%"), "Label2", 3180, 375, 12);
    Feedback = resultLine(area(), tr("Feedback"), "Feedback", 3600, 495, 14);

    OK = new QPushButton(tr("OK"), area());
    placeTw(OK, (ClientWidth - 1455) / 2, 4260, 1455, 495);
    OK->setAutoDefault(true);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &summary::OK_Click);
    OK->setFocus();
}

void summary::Form_Load()
{
    setBackgroundPicture(QStringLiteral("summary.jpg"));
    for (int i = 1; i <= 4; ++i)
        m_images[i]->setPixmap(appPicture(QStringLiteral("slide%1.png").arg(i)));

    // A "1 ms" timer: it ticks as often as the display refreshes.
    Timer1->start(16);
    const int asked = Shared.RightCount + Shared.WrongCount;
    const int percent = scorePercent(Shared.RightCount, asked);
    Label1->setText(
        tr("You got %1 correct out of %2!").arg(withLeadingBlank(Shared.RightCount), withLeadingBlank(asked)));
    Label2->setText(tr("This gives you a score of %1%.").arg(withLeadingBlank(percent)));
    Feedback->setText(ratingText(ratingFor(percent)));
}

QString summary::ratingText(Rating rating)
{
    switch (rating) {
    case Rating::Perfect:
        return tr("Perfect Score!!!");
    case Rating::GoodJob:
        return tr("Good job!");
    case Rating::MoreWork:
        return tr("Looks like you could use a little more work.");
    case Rating::KeepStudying:
        return tr("Oops! Keep studying!!");
    }
    return {};
}

void summary::placePictures()
{
    for (int i = 1; i <= 4; ++i) {
        const SlidingPicture &p = m_slide.pictures[i];
        placeTw(m_images[i], p.left, p.top, p.width, p.height);
    }
}

void summary::Timer1_Timer()
{
    m_slide.tick(ClientWidth);
    placePictures();
}

void summary::OK_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::Quiz);
    screens().close(ScreenId::summary);
}

void summary::Form_Terminate()
{
    // Closing the results from the title bar must not leave the quiz
    // disabled behind them.
    OK_Click();
}
