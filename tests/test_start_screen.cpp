// links: lingo_app
#include "app/First.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class StartScreenTest : public QObject {
    Q_OBJECT

private:
    static QPushButton *button(Screen *screen, const QString &caption)
    {
        for (auto *b : screen->findChildren<QPushButton *>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    static void runAnimation(First *first)
    {
        for (int i = 0; i < 100 && !first->animation().finished; ++i)
            first->Timer1_Timer();
    }

private slots:
    void animationEndsWithThunderOnlyWhenSoundIsOn()
    {
        for (const bool soundOn : {true, false}) {
            TestEnv env(TestEnv::defaultStore(), soundOn ? "pw\r\nx\r\nSound On\r\n" : "pw\r\nx\r\nsound on\r\n");
            auto *first = qobject_cast<First *>(screens().show(ScreenId::First));
            QVERIFY(first);
            QCOMPARE(Shared.SoundFlag, soundOn ? 1 : 0);
            int ticks = 0;
            while (!first->animation().finished && ticks < 100) {
                first->Timer1_Timer();
                ++ticks;
            }
            QCOMPARE(ticks, 46);
            QCOMPARE(first->animation().lightTop, 60);
            QCOMPARE(first->animation().label1Left, 710);
            QCOMPARE(first->animation().label2Left, 3960);
            QCOMPARE(env.takeSounds(), soundOn ? QStringList{"thunder2.wav"} : QStringList{});
        }
    }

    void emptyStoreOffersOnlyManagementAboutAndQuit()
    {
        TestEnv env("No Lists\r\n");
        Screen *first = screens().show(ScreenId::First);
        QVERIFY(button(first, "Flash Cards")->isHidden());
        QVERIFY(button(first, "Quiz Me!")->isHidden());
        QVERIFY(button(first, "Games")->isHidden());
        QVERIFY(!button(first, "Quit")->isHidden());
        bool noListsShown = false;
        for (auto *label : first->findChildren<QLabel *>())
            noListsShown |= label->text() == "No Lists Available!" && !label->isHidden();
        QVERIFY(noListsShown);
    }

    void quitButtonEndsTheProgram()
    {
        TestEnv env;
        Screen *first = screens().show(ScreenId::First);
        QTest::mouseClick(button(first, "Quit"), Qt::LeftButton);
        QVERIFY(env.programEnded());
    }

    void aboutClosesWhenAnotherScreenIsActivated()
    {
        TestEnv env;
        screens().show(ScreenId::First);
        screens().show(ScreenId::AboutForm);
        settle();
        QVERIFY(screens().isShown(ScreenId::AboutForm));
        screens().activate(ScreenId::First);
        settle();
        QVERIFY(!screens().exists(ScreenId::AboutForm));
        QVERIFY(screens().exists(ScreenId::First));
        QVERIFY(!env.programEnded());
    }

    void closingTheLastScreenEndsTheProgram()
    {
        TestEnv env;
        screens().show(ScreenId::AboutForm);
        screens().close(ScreenId::AboutForm);
        QVERIFY(!env.programEnded()); // not while a hand-over may still show the next screen
        settle();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
