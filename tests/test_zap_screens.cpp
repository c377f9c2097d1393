// links: lingo_zap
#include "games/zap/Zap.h"
#include "games/zap/ZapDone.h"
#include "games/zap/ZapOptions.h"
#include "games/zap/ZapScreens.h"

#include "app/ClickLabel.h"
#include "app/MessageBox.h"
#include "app/NumberScrollBar.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

QByteArray zapStore()
{
    return TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "<New List>", //
                           "Same", "x", "one", "x", "two", "<New List>",                                //
                           "One", "solo", "only", "<New List>",                                          //
                           "Empty"});
}

QByteArray settings(bool soundOn)
{
    return soundOn ? "pw\r\nx\r\nSound On\r\n" : "pw\r\nx\r\nSound Off\r\n";
}

// Starts a game from the options screen with the given sound choice.
Zap *startGame(bool sound)
{
    Shared.CurrentList = "Animals";
    auto *options = qobject_cast<ZapOptions *>(screens().show(ScreenId::ZapOptions));
    QTest::mouseClick(sound ? options->Label1 : options->Label2, Qt::LeftButton);
    QTest::mouseClick(options->Command1, Qt::LeftButton);
    return screens().find<Zap>(ScreenId::Zap);
}

// A real click at a point of the window, delivered to whatever is there.
void clickAt(Zap *zap, QPoint point, bool pressOnly = false)
{
    QWidget *target = zap->area()->childAt(point);
    QVERIFY(target);
    const QPoint local = target->mapFrom(zap->area(), point);
    if (pressOnly)
        QTest::mousePress(target, Qt::LeftButton, {}, local);
    else
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
}

QPoint centreOf(QWidget *w)
{
    return w->geometry().center();
}

// A point of the play area that no target or label covers.
const QPoint EmptySpot(512, 290);

bool layerIsBlank(const QImage &layer)
{
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class ZapScreensTest : public QObject {
    Q_OBJECT

private slots:
    void optionsTakeSpeedAndSoundAndRefuseListsThatCannotPlay()
    {
        TestEnv env(zapStore(), settings(true));
        registerZapScreens(screens());
        Shared.SoundFlag = 1;
        Shared.CurrentList = "Same";
        auto *options = qobject_cast<ZapOptions *>(screens().show(ScreenId::ZapOptions));
        QCOMPARE(options->windowTitle(), QString("Word Zap! Options"));
        QVERIFY(options->SoundONOp->isChecked());
        QCOMPARE(options->SpeedBar->number(), 650);

        // Right is faster: the arrow moves 50 ms.
        options->SpeedBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(options->SpeedBar->number(), 600);
        options->SpeedBar->setNumber(10);
        QTest::mouseClick(options->Label2, Qt::LeftButton);
        QVERIFY(options->SoundOFFOp->isChecked());

        for (const char *list : {"Same", "One", "Empty"}) {
            env.messages.clear();
            Shared.CurrentList = list;
            QTest::mouseClick(options->Command1, Qt::LeftButton);
            QCOMPARE(env.messages.size(), 1);
            QCOMPARE(env.messages[0].title, QString("Hey!"));
            QCOMPARE(env.messages[0].text, QString("You need a list with at least two different words to play Word Zap!"));
            QVERIFY(screens().exists(ScreenId::ZapOptions));
            QVERIFY(!screens().exists(ScreenId::Zap));
        }

        Shared.CurrentList = "Animals";
        QTest::mouseClick(options->Command1, Qt::LeftButton);
        QCOMPARE(Shared.ZapSpeed, 10);
        QCOMPARE(Shared.ZapSound, 0);
        auto *zap = screens().find<Zap>(ScreenId::Zap);
        QVERIFY(zap);
        QVERIFY(!screens().exists(ScreenId::ZapOptions));

        // At the fastest speed the vanishing timer runs at 10 ms itself.
        zap->ReadyLabel_Click();
        QCOMPARE(zap->Timer1->interval(), 10);
        QTRY_VERIFY_WITH_TIMEOUT(!zap->LoseLabel->isHidden(), 2000);
        QVERIFY(zap->LoseLabel->text().startsWith("You missed! The correct answer was  --"));
    }

    void aGameIsPlayedThroughTheScreensWithItsSounds()
    {
        TestEnv env(zapStore(), settings(true));
        registerZapScreens(screens());
        Shared.SoundFlag = 1;
        Zap *zap = startGame(true);
        QVERIFY(zap);
        QCOMPARE(zap->ScoreLabel->text(), QString("Score:  0000"));
        QCOMPARE(zap->TimerLabel->text(), QString("Time:   60"));
        QVERIFY(!zap->ReadyLabel->isHidden());
        QVERIFY(!zap->TimeTimer->isActive());
        QCOMPARE(zap->DefLabel->text(), Shared.CurrentMeaning);

        // A click on the window while Ready waits only ricochets.
        clickAt(zap, EmptySpot);
        QCOMPARE(env.takeSounds(), QStringList{"ricochet.wav"});
        QCOMPARE(zap->game()->score(), 0);

        QTest::mouseClick(zap->ReadyLabel, Qt::LeftButton);
        QCOMPARE(env.takeSounds(), QStringList{"ricochet.wav"});
        QVERIFY(zap->ReadyLabel->isHidden());
        QVERIFY(zap->Timer1->isActive());
        QCOMPARE(zap->Timer1->interval(), 650);
        QVERIFY(zap->TimeTimer->isActive());
        QVERIFY(layerIsBlank(zap->ringLayer()));

        // The right word, pressed where it stands: a shot, never a miss.
        const int right = Shared.RightAnswer - 1;
        QCOMPARE(zap->Target[right]->text(), Shared.CurrentWord);
        clickAt(zap, centreOf(zap->Target[right]), true);
        QCOMPARE(env.takeSounds(), QStringList{"ricochet.wav"});
        QCOMPARE(zap->ScoreLabel->text(), QString("Score:  50"));
        QCOMPARE(zap->LoseLabel->text(), QString("Great Shot!"));
        QVERIFY(!zap->LoseLabel->isHidden());
        QVERIFY(!zap->Timer1->isActive());
        QVERIFY(!layerIsBlank(zap->ringLayer()));
        const QColor before = zap->LoseLabel->backgroundColor();
        zap->Timer2_Timer();
        QVERIFY(zap->LoseLabel->backgroundColor() != before);

        // The clock goes on through the pause; the next turn clears the rings.
        zap->TimeTimer_Timer();
        QCOMPARE(zap->TimerLabel->text(), QString("Time:   59"));
        QTest::mouseClick(zap->LoseLabel, Qt::LeftButton);
        QVERIFY(env.takeSounds().isEmpty());
        QVERIFY(zap->LoseLabel->isHidden());
        QVERIFY(!zap->ReadyLabel->isHidden());
        QVERIFY(layerIsBlank(zap->ringLayer()));
        QVERIFY(zap->TimeTimer->isActive());

        // A click on the empty window during a turn is a miss.
        zap->ReadyLabel_Click();
        env.takeSounds();
        clickAt(zap, EmptySpot);
        QCOMPARE(env.takeSounds(), QStringList{"ricochet.wav"});
        QCOMPARE(zap->ScoreLabel->text(), QString("Score:  0"));
        QCOMPARE(zap->LoseLabel->text(), "You missed! The correct answer was  --" + Shared.CurrentWord + "--");

        // A wrong word: -50, below zero.
        clickAt(zap, EmptySpot);
        zap->ReadyLabel_Click();
        env.takeSounds();
        const int wrong = Shared.RightAnswer == 1 ? 1 : 0;
        zap->Target_MouseDown(wrong);
        QCOMPARE(env.takeSounds(), QStringList{"ricochet.wav"});
        QCOMPARE(zap->ScoreLabel->text(), QString("Score: -50"));
        QCOMPARE(zap->LoseLabel->text(),
                 "You shot the wrong word! The correct answer was  --" + Shared.CurrentWord + "--");

        // Never shooting: the fifteenth vanishing tick loses the turn.
        zap->LoseLabel_Click();
        zap->ReadyLabel_Click();
        env.takeSounds();
        for (int tick = 0; tick < 14; ++tick)
            zap->Timer1_Timer();
        QVERIFY(zap->Target[3]->isHidden() && !zap->Target[4]->isHidden());
        QVERIFY(zap->LoseLabel->isHidden());
        zap->Timer1_Timer();
        QVERIFY(zap->Target[4]->isHidden() && zap->BackShape1[4]->isHidden());
        QCOMPARE(zap->ScoreLabel->text(), QString("Score: -100"));
        QVERIFY(!zap->LoseLabel->isHidden());
        QVERIFY(env.takeSounds().isEmpty());

        // Time is up once, though the timers fire while its message is open.
        int timeUpBoxes = 0;
        setMessageBoxHandler([&](const QString &text, const QString &title, MsgButtons) {
            if (text == "Time Is Up!" && title == "Time up!")
                ++timeUpBoxes;
            zap->TimeTimer_Timer();
            zap->Timer1_Timer();
            return MsgAnswer::Ok;
        });
        for (int second = 0; second < 59; ++second)
            zap->TimeTimer_Timer();
        QCOMPARE(timeUpBoxes, 1);
        QCOMPARE(env.takeSounds(), (QStringList{"glasbk.wav", "whew.wav"}));
        QCOMPARE(Shared.ZapScore, -100);
        QVERIFY(!screens().exists(ScreenId::Zap));
        auto *done = screens().find<ZapDone>(ScreenId::ZapDone);
        QVERIFY(done);
        QCOMPARE(done->windowTitle(), QString("Score"));
        QCOMPARE(done->Label1->text(), QString("Oops!"));
        QCOMPARE(done->Label2->text(), QString("You scored -100 points!"));

        // "Try Again" opens the options afresh with the default sound choice.
        Shared.SoundFlag = 0;
        QTest::mouseClick(done->Command1, Qt::LeftButton);
        auto *options = screens().find<ZapOptions>(ScreenId::ZapOptions);
        QVERIFY(options);
        QVERIFY(options->SoundOFFOp->isChecked());
        QCOMPARE(options->SpeedBar->number(), 650);
        QVERIFY(!screens().exists(ScreenId::ZapDone));
    }

    void timeUpDuringTheGreatShotPauseHandsTheScoreOn()
    {
        TestEnv env(zapStore(), settings(false));
        registerZapScreens(screens());
        Zap *zap = startGame(false);
        clickAt(zap, EmptySpot);
        zap->ReadyLabel_Click();
        zap->Target_MouseDown(Shared.RightAnswer - 1);
        QCOMPARE(zap->LoseLabel->text(), QString("Great Shot!"));
        for (int second = 0; second < 60; ++second)
            zap->TimeTimer_Timer();
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].text, QString("Time Is Up!"));
        auto *done = screens().find<ZapDone>(ScreenId::ZapDone);
        QVERIFY(done);
        QCOMPARE(done->Label1->text(), QString("Not too bad..."));
        QCOMPARE(done->Label2->text(), QString("You scored  50 points!"));
        // "Sound Off" was chosen: nothing played anywhere.
        QVERIFY(env.takeSounds().isEmpty());

        QTest::mouseClick(done->Command2, Qt::LeftButton);
        QVERIFY(screens().isShown(ScreenId::First));
        QVERIFY(!env.programEnded());
    }

    void theGameRefusesAListThatCannotPlayWithoutHanging()
    {
        TestEnv env(zapStore(), settings(true));
        registerZapScreens(screens());
        Shared.CurrentList = "Same";
        screens().show(ScreenId::Zap);
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QString("Hey!"));
        settle();
        QVERIFY(!screens().exists(ScreenId::Zap));
    }
};

QTEST_MAIN(ZapScreensTest)
#include "test_zap_screens.moc"
