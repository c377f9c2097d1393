// links: lingo_scramble lingo_gamesmenu
#include "app/ScreenManager.h"
#include "app/core/Random.h"
#include "app/core/SharedState.h"
#include "games/GamesMenuScreens.h"
#include "games/scramble/Scramble.h"
#include "games/scramble/ScrambleOutcome.h"
#include "games/scramble/ScrambleRules.h"
#include "games/scramble/ScrambleScreens.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

QByteArray store()
{
    return TestEnv::lines({"Solo", "cat", "a pet", "<New List>", "Long", "abcdefghijklmnopqrstu", "too long",
                           "<New List>", "Twenty", "abcdefghijklmnopqrstu", "too long", "abcdefghijklmnopqrst",
                           "just right", "<New List>", "Empty"});
}

Scramble *startGame(const QString &list)
{
    Shared.CurrentList = list;
    screens().show(ScreenId::GameOption);
    auto *game = qobject_cast<Scramble *>(screens().show(ScreenId::Scramble));
    screens().close(ScreenId::GameOption);
    settle();
    return game;
}

QString sorted(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

} // namespace

class ScrambleGameTest : public QObject {
    Q_OBJECT

private slots:
    void scramblingUsesEveryCharacterOnce()
    {
        QList<int> draws{2, 2, 1, 2, 3};
        auto next = [&](int) { return draws.takeFirst(); };
        QCOMPARE(scramble::scrambleWord("abc", next), QStringLiteral("bac"));
        QCOMPARE(scramble::scrambleWord("x", [](int) { return 1; }), QStringLiteral("x"));

        rnd::seedRandom(7);
        auto draw = [](int n) { return rnd::drawFrom1To(n); };
        for (const QString word : {"**a*", "ice cream", "well-known", "abcdefghijklmnopqrst"}) {
            const QString scrambled = scramble::scrambleWord(word, draw);
            QCOMPARE(sorted(scrambled), sorted(word));
        }
    }

    void judging_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("verdict");
        QTest::addRow("exact") << "Ice cream" << int(scramble::Verdict::Right);
        QTest::addRow("other case") << "ICE CREAM" << int(scramble::Verdict::Right);
        QTest::addRow("extra blank") << "Ice cream " << int(scramble::Verdict::Wrong);
        QTest::addRow("blank missing") << "Icecream" << int(scramble::Verdict::Wrong);
        QTest::addRow("empty") << "" << int(scramble::Verdict::Empty);
    }
    void judging()
    {
        QFETCH(QString, answer);
        QFETCH(int, verdict);
        QCOMPARE(int(scramble::judgeAnswer(answer, "Ice cream")), verdict);
    }

    void wonInAnotherCaseByButtonAndByEnter()
    {
        for (const bool byEnter : {false, true}) {
            TestEnv env(store());
            registerGamesMenuScreens(screens());
            registerScrambleScreens(screens());
            Scramble *game = startGame("Solo");
            QVERIFY(game);
            QCOMPARE(sorted(game->Label1->text()), QStringLiteral("act"));
            for (int i = 1; i <= 2; ++i) {
                game->Timer1_Timer();
                QCOMPARE(game->Label4->text(), QString::number(i));
            }
            Shared.ScrambleTime = 12;

            if (byEnter)
                QTest::keyClick(game->Guess, Qt::Key_Enter);
            else
                QTest::mouseClick(game->Command1, Qt::LeftButton);
            QCOMPARE(env.takeSounds(), QStringList{"beep"});
            QVERIFY(!screens().exists(ScreenId::ScrambleLose) && !screens().exists(ScreenId::ScrambleWin));

            QTest::keyClicks(game->Guess, "Cat");
            if (byEnter)
                QTest::keyClick(game->Guess, Qt::Key_Return);
            else
                QTest::mouseClick(game->Command1, Qt::LeftButton);
            auto *win = screens().find<ScrambleWin>(ScreenId::ScrambleWin);
            QVERIFY(win && win->isVisible());
            QCOMPARE(win->windowTitle(), QStringLiteral("Yes!"));
            QCOMPARE(win->TTime->text(), QStringLiteral("You guessed correctly in  12 seconds."));
            QCOMPARE(win->texts.Label3->text(), QStringLiteral("cat"));
            QCOMPARE(win->texts.Label5->text(), QStringLiteral("a pet"));
            QVERIFY(screens().exists(ScreenId::Scramble)); // playable behind, clock running
            QVERIFY(game->Timer1->isActive());

            QTest::mouseClick(win->Command3, Qt::LeftButton); // Yes
            settle();
            auto *again = screens().find<Scramble>(ScreenId::Scramble);
            QVERIFY(again && again != game);
            QCOMPARE(Shared.ScrambleTime, 0);
            QVERIFY(!screens().exists(ScreenId::ScrambleWin));
            QVERIFY(env.takeSounds().isEmpty()); // Scramble plays no sounds
        }
    }

    void lostOrGivenUpShowsTheWord()
    {
        TestEnv env(store());
        registerGamesMenuScreens(screens());
        registerScrambleScreens(screens());
        Scramble *game = startGame("Solo");
        QTest::keyClicks(game->Guess, "cta");
        QTest::mouseClick(game->Command1, Qt::LeftButton);
        auto *lose = screens().find<ScrambleLose>(ScreenId::ScrambleLose);
        QVERIFY(lose);
        QCOMPARE(lose->windowTitle(), QStringLiteral("Sorry..."));
        QCOMPARE(lose->texts.Label3->text(), QStringLiteral("cat"));
        QCOMPARE(lose->texts.Label6->text(), QStringLiteral("Would you like to try another?"));
        QTest::mouseClick(lose->Command1, Qt::LeftButton); // No
        settle();
        QVERIFY(!screens().exists(ScreenId::Scramble) && !screens().exists(ScreenId::ScrambleLose));
        QVERIFY(screens().isShown(ScreenId::GameOption));

        game = startGame("Solo");
        QTest::mouseClick(game->Command2, Qt::LeftButton); // Give Up
        lose = screens().find<ScrambleLose>(ScreenId::ScrambleLose);
        QVERIFY(lose && lose->isVisible());
        QCOMPARE(lose->texts.Label5->text(), QStringLiteral("a pet"));
    }

    void clockStopsAtTheTopOfItsRange()
    {
        TestEnv env(store());
        registerGamesMenuScreens(screens());
        registerScrambleScreens(screens());
        Scramble *game = startGame("Solo");
        Shared.ScrambleTime = 32766;
        game->Timer1_Timer();
        game->Timer1_Timer();
        QCOMPARE(Shared.ScrambleTime, 32767);
        QCOMPARE(game->Label4->text(), QStringLiteral("32767"));
    }

    void listsWithoutAPlayableWord_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("word"); // empty: the Error notice
        QTest::addRow("all too long") << "Long" << "";
        QTest::addRow("no words") << "Empty" << "";
        QTest::addRow("20 characters") << "Twenty" << "abcdefghijklmnopqrst";
    }
    void listsWithoutAPlayableWord()
    {
        QFETCH(QString, list);
        QFETCH(QString, word);
        TestEnv env(store());
        registerGamesMenuScreens(screens());
        registerScrambleScreens(screens());
        startGame("Solo"); // leaves "cat" in the shared arrays
        screens().close(ScreenId::Scramble);

        Scramble *game = startGame(list);
        if (word.isEmpty()) {
            QVERIFY(!game && !screens().exists(ScreenId::Scramble));
            QVERIFY(screens().isShown(ScreenId::Error));
            QVERIFY(!env.programEnded());
        } else {
            QVERIFY(game);
            QCOMPARE(Shared.CurrentWord, word);
        }
    }
};

QTEST_MAIN(ScrambleGameTest)
#include "test_scramble_game.moc"
