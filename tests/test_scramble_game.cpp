// links: lingo_scramble lingo_gamesmenu
#include "app/ScreenManager.h"
#include "app/core/Letters.h"
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
    return TestEnv::utf8Lines({"Solo", "γάτα", "a pet", "<New List>", "Long", "abcdefghijklmnopqrstu", "too long",
                           "<New List>", "Twenty", "abcdefghijklmnopqrstu", "too long", "abcdefghijklmnopqrst",
                           "just right"});
}

Scramble *startGame(const QString &list)
{
    registerGamesMenuScreens(screens());
    registerScrambleScreens(screens());
    return openGame<Scramble>(ScreenId::Scramble, list);
}

// The letters of a text in a fixed order: a scramble's letters are the word's.
QStringList sorted(const QString &text)
{
    QStringList letters = letters::split(text);
    letters.sort();
    return letters;
}

} // namespace

class ScrambleGameTest : public QObject {
    Q_OBJECT

private slots:
    void scramblingUsesEveryLetterOnce()
    {
        QList<int> draws{2, 2, 1, 2, 3, 2, 1};
        auto next = [&](int) { return draws.takeFirst(); };
        QCOMPARE(scramble::scrambleWord("abc", pinnedRandom(next)), QStringLiteral("bac"));
        // A letter moves with its vowel sign: two letters, never a lone sign.
        QCOMPARE(scramble::scrambleWord("हिन्दी", pinnedRandom(next)), QStringLiteral("न्दीहि"));
        QCOMPARE(scramble::scrambleWord("x", pinnedRandom([](int) { return 1; })), QStringLiteral("x"));

        rnd::seedRandom(7);
        const rnd::Source draw = pinnedRandom();
        for (const QString word : {"**a*", "ice cream", "well-known", "abcdefghijklmnopqrst", "caf\u0065\u0301",
                                   "שָׁלוֹם", "ภาษาไทย", "日本語"}) {
            const QString scrambled = scramble::scrambleWord(word, draw);
            QCOMPARE(sorted(scrambled), sorted(word));
        }
    }

    void judging_data()
    {
        using scramble::Verdict;
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Verdict>("verdict");
        QTest::addRow("same") << "Ice cream" << "Ice cream" << Verdict::Right;
        QTest::addRow("other case") << "ICE CREAM" << "Ice cream" << Verdict::Right;
        QTest::addRow("untrimmed") << "Ice cream " << "Ice cream" << Verdict::Wrong;
        QTest::addRow("blank missing") << "Icecream" << "Ice cream" << Verdict::Wrong;
        QTest::addRow("nothing") << "" << "Ice cream" << Verdict::Empty;
        QTest::addRow("Russian capitals") << "КОШКА" << "кошка" << Verdict::Right;
        QTest::addRow("Greek capitals, final sigma") << "ΣΟΦΌΣ" << "σοφός" << Verdict::Right;
        QTest::addRow("Greek accent left out") << "ΣΟΦΟΣ" << "σοφός" << Verdict::Wrong;
        QTest::addRow("Polish ł is not l") << "jablko" << "jabłko" << Verdict::Wrong;
        QTest::addRow("é typed decomposed") << "cafe\u0301" << "café" << Verdict::Right;
        QTest::addRow("e is not é") << "cafe" << "café" << Verdict::Wrong;
        QTest::addRow("dotted İ is not i") << "istanbul" << "İstanbul" << Verdict::Wrong;
    }
    void judging()
    {
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(scramble::Verdict, verdict);
        QCOMPARE(scramble::judgeAnswer(answer, word), verdict);
    }

    void greekWonInCapitalsThenLostAndGivenUp()
    {
        TestEnv env(store());
        Scramble *game = startGame("Solo");
        QVERIFY(game);
        QCOMPARE(sorted(game->Label1->text()), sorted("γάτα"));
        for (int i = 1; i <= 2; ++i) {
            game->Timer1_Timer();
            QCOMPARE(game->Label4->text(), QString::number(i));
        }
        Shared.ScrambleTime = 12;

        QTest::keyClick(game->Guess, Qt::Key_Enter); // nothing typed: a beep
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(!screens().exists(ScreenId::ScrambleLose) && !screens().exists(ScreenId::ScrambleWin));

        typeText(game->Guess, "ΓΆΤΑ");
        click(game->Command1);
        auto *win = screens().find<ScrambleWin>(ScreenId::ScrambleWin);
        QVERIFY(win && win->isVisible());
        QCOMPARE(win->windowTitle(), QStringLiteral("Yes!"));
        QCOMPARE(win->TTime->text(), QStringLiteral("You guessed correctly in  12 seconds."));
        QCOMPARE(win->texts.Label3->text() + "/" + win->texts.Label5->text(), QStringLiteral("γάτα/a pet"));
        QVERIFY(game->Timer1->isActive()); // playable behind, clock running

        click(win->Command3); // Yes
        settle();
        auto *again = screens().find<Scramble>(ScreenId::Scramble);
        QVERIFY(again && again != game);
        QCOMPARE(Shared.ScrambleTime, 0);
        QVERIFY(!screens().exists(ScreenId::ScrambleWin));

        // A wrong answer loses and shows the word; No goes back to the menu.
        typeText(again->Guess, "γατά");
        QTest::keyClick(again->Guess, Qt::Key_Return);
        auto *lose = screens().find<ScrambleLose>(ScreenId::ScrambleLose);
        QVERIFY(lose);
        QCOMPARE(lose->windowTitle(), QStringLiteral("Sorry..."));
        QCOMPARE(lose->texts.Label3->text(), QStringLiteral("γάτα"));
        QCOMPARE(lose->texts.Label6->text(), QStringLiteral("Would you like to try another?"));
        click(lose->Command1); // No
        settle();
        QVERIFY(!screens().exists(ScreenId::Scramble) && !screens().exists(ScreenId::ScrambleLose));
        QVERIFY(screens().isShown(ScreenId::GameOption));

        click(startGame("Solo")->Command2); // Give Up
        lose = screens().find<ScrambleLose>(ScreenId::ScrambleLose);
        QVERIFY(lose && lose->isVisible());
        QCOMPARE(lose->texts.Label5->text(), QStringLiteral("a pet"));
        QVERIFY(env.takeSounds().isEmpty()); // Scramble plays no sounds
    }

    void listsWithoutAPlayableWord_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("word"); // empty: the Error notice
        QTest::addRow("all too long") << "Long" << "";
        QTest::addRow("20 characters") << "Twenty" << "abcdefghijklmnopqrst";
    }
    void listsWithoutAPlayableWord()
    {
        QFETCH(QString, list);
        QFETCH(QString, word);
        TestEnv env(store());
        Scramble *game = startGame(list);
        QCOMPARE(game != nullptr, !word.isEmpty());
        if (game)
            QCOMPARE(Shared.CurrentWord, word);
        else
            QVERIFY(screens().isShown(ScreenId::Error) && !env.programEnded());
    }
};

QTEST_MAIN(ScrambleGameTest)
#include "test_scramble_game.moc"
