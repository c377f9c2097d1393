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
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// Starts a game from the options screen with the given sound choice.
Zap *startGame(bool sound)
{
    Shared.CurrentList = "Animals";
    auto *options = qobject_cast<ZapOptions *>(screens().show(ScreenId::ZapOptions));
    QTest::mouseClick(sound ? options->Label1 : options->Label2, Qt::LeftButton);
    QTest::mouseClick(options->Command1, Qt::LeftButton);
    return screens().find<Zap>(ScreenId::Zap);
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
        TestEnv env(storeWithDegenerateLists());
        registerZapScreens(screens());
        Shared.SoundFlag = 1;
        Shared.CurrentList = "Echo";
        // Which lists cannot play is the rules' part (hasTwoDifferentWords); the game refuses them without hanging.
        screens().show(ScreenId::Zap);
        settle();
        QVERIFY(!screens().exists(ScreenId::Zap));
        auto *options = qobject_cast<ZapOptions *>(screens().show(ScreenId::ZapOptions));
        QVERIFY(options->SoundONOp->isChecked());
        QCOMPARE(options->SpeedBar->number(), 650);

        // Right is faster: the arrow moves 50 ms.
        options->SpeedBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(options->SpeedBar->number(), 600);
        options->SpeedBar->setNumber(10);
        QTest::mouseClick(options->Label2, Qt::LeftButton);
        QVERIFY(options->SoundOFFOp->isChecked());

        // So do the options.
        QTest::mouseClick(options->Command1, Qt::LeftButton);
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[0].title + env.messages[1].title, QString("Hey!Hey!"));
        QCOMPARE(env.messages[1].text, QString("You need a list with at least two different words to play Word Zap!"));
        QVERIFY(screens().exists(ScreenId::ZapOptions) && !screens().exists(ScreenId::Zap));

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

    // One turn of each ending, then the minute runs out while the game's
    // timers still fire: one box, the score handed on, the end sounds.
    void aTurnAndTheEndOfTheMinute_data()
    {
        QTest::addColumn<QString>("shot");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("nextTurn"); // else the time is up in the turn's pause
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("rating");
        const QString missed = "You missed! The correct answer was  --%1--";
        QTest::addRow("the right word") << "right" << true << true << "Score:  50" << "Great Shot!" << "Not too bad...";
        QTest::addRow("the right word, sound off")
            << "right" << false << false << "Score:  50" << "Great Shot!" << "Not too bad...";
        QTest::addRow("a wrong word") << "wrong" << true << true << "Score: -50"
                                      << "You shot the wrong word! The correct answer was  --%1--" << "Oops!";
        QTest::addRow("the empty window") << "window" << true << false << "Score: -50" << missed << "Oops!";
        QTest::addRow("no shot in time") << "none" << true << true << "Score: -50" << missed << "Oops!";
    }
    void aTurnAndTheEndOfTheMinute()
    {
        QFETCH(QString, shot);
        QFETCH(bool, sound);
        QFETCH(bool, nextTurn);
        QFETCH(QString, score);
        QFETCH(QString, verdict);
        QFETCH(QString, rating);
        TestEnv env(storeWithDegenerateLists());
        registerZapScreens(screens());
        Shared.SoundFlag = 1;
        Zap *zap = startGame(sound);
        QVERIFY(zap);
        const QStringList ricochet = sound ? QStringList{"ricochet.wav"} : QStringList{};
        QCOMPARE(zap->ScoreLabel->text(), QString("Score:  0000"));
        QCOMPARE(zap->TimerLabel->text(), QString("Time:   60"));
        QCOMPARE(zap->DefLabel->text(), Shared.CurrentMeaning);
        QVERIFY(!zap->TimeTimer->isActive());

        // A click on the window while Ready waits only ricochets (the score below counts no miss).
        clickAt(zap, EmptySpot);
        QCOMPARE(env.takeSounds(), ricochet);
        QTest::mouseClick(zap->ReadyLabel, Qt::LeftButton);
        QCOMPARE(env.takeSounds(), ricochet);
        QVERIFY(zap->ReadyLabel->isHidden() && zap->Timer1->isActive() && zap->TimeTimer->isActive());
        QCOMPARE(zap->Timer1->interval(), 650);
        QVERIFY(layerIsBlank(zap->ringLayer()));

        // A word is pressed where it stands; the fifteenth vanishing tick
        // ends a turn without a shot.
        const int right = Shared.RightAnswer - 1;
        QCOMPARE(zap->Target[right]->text(), Shared.CurrentWord);
        if (shot == "right" || shot == "wrong")
            clickAt(zap, zap->Target[shot == "right" ? right : (right == 0 ? 1 : 0)]->geometry().center(), true);
        if (shot == "window")
            clickAt(zap, EmptySpot);
        if (shot == "none") {
            for (int tick = 0; tick < 14; ++tick)
                zap->Timer1_Timer();
            QVERIFY(zap->Target[3]->isHidden() && !zap->Target[4]->isHidden() && zap->LoseLabel->isHidden());
            zap->Timer1_Timer();
            QVERIFY(zap->Target[4]->isHidden() && zap->BackShape1[4]->isHidden());
        }
        QCOMPARE(env.takeSounds(), shot == "none" ? QStringList{} : ricochet);
        QCOMPARE(zap->ScoreLabel->text(), score);
        QCOMPARE(zap->LoseLabel->text(), verdict.arg(Shared.CurrentWord));
        QVERIFY(!zap->LoseLabel->isHidden() && !zap->Timer1->isActive());
        QCOMPARE(layerIsBlank(zap->ringLayer()), shot == "window" || shot == "none"); // rings where a word was hit
        const QColor before = zap->LoseLabel->backgroundColor();
        zap->Timer2_Timer();
        QCOMPARE(zap->LoseLabel->backgroundColor() != before, shot == "right"); // a great shot flashes

        // The clock goes on through the pause; the next turn clears the rings.
        zap->TimeTimer_Timer();
        QCOMPARE(zap->TimerLabel->text(), QString("Time:   59"));
        if (nextTurn) {
            QTest::mouseClick(zap->LoseLabel, Qt::LeftButton);
            QVERIFY(zap->LoseLabel->isHidden() && !zap->ReadyLabel->isHidden() && zap->TimeTimer->isActive());
            QVERIFY(layerIsBlank(zap->ringLayer()));
        }
        QVERIFY(env.takeSounds().isEmpty());

        int timeUpBoxes = 0;
        setMessageBoxHandler([&](const QString &text, const QString &title, MsgButtons) {
            timeUpBoxes += text == "Time Is Up!" && title == "Time up!";
            zap->TimeTimer_Timer();
            zap->Timer1_Timer();
            return MsgAnswer::Ok;
        });
        for (int second = 0; second < 59; ++second)
            zap->TimeTimer_Timer();
        QCOMPARE(timeUpBoxes, 1);
        QCOMPARE(env.takeSounds(), sound ? QStringList({"glasbk.wav", "whew.wav"}) : QStringList{});
        QCOMPARE(Shared.ZapScore, score.mid(7).toInt());
        QVERIFY(!screens().exists(ScreenId::Zap));
        auto *done = screens().find<ZapDone>(ScreenId::ZapDone);
        QVERIFY(done);
        QCOMPARE(done->Label1->text(), rating);
        QCOMPARE(done->Label2->text(), "You scored " + score.mid(7) + " points!");

        // "Try Again" opens the options afresh with the default sound choice;
        // the other button goes back to the main menu.
        Shared.SoundFlag = 0;
        QTest::mouseClick(sound ? done->Command1 : done->Command2, Qt::LeftButton);
        QVERIFY(!screens().exists(ScreenId::ZapDone));
        QCOMPARE(screens().isShown(ScreenId::First), !sound);
        QVERIFY(!env.programEnded());
        auto *options = screens().find<ZapOptions>(ScreenId::ZapOptions);
        QCOMPARE(options != nullptr, sound);
        if (options)
            QVERIFY(options->SoundOFFOp->isChecked() && options->SpeedBar->number() == 650);
    }
};

QTEST_MAIN(ZapScreensTest)
#include "test_zap_screens.moc"
