// links: lingo_zap
#include "games/zap/ZapRules.h"

#include "app/core/Random.h"
#include "support/TestSupport.h"

#include <QSet>
#include <QTest>

namespace {

rnd::Source seeded(int seed)
{
    rnd::seedRandom(seed);
    return pinnedRandom();
}

ZapGame startedGame(const QStringList &words = {"one", "two", "three", "four"}, int seed = 1)
{
    QStringList meanings;
    for (const QString &word : words)
        meanings.append("meaning of " + word);
    ZapGame game(pairsOf(words, meanings), seeded(seed));
    game.newTurn();
    game.startTurn();
    return game;
}

int aWrongTarget(const ZapGame &game)
{
    for (int i = TargetCount - 1; i >= 0; --i)
        if (i != game.rightAnswer() - 1 && game.targetVisible(i))
            return i;
    return -1;
}

} // namespace

class ZapRulesTest : public QObject {
    Q_OBJECT

private slots:
    void aTurnOffersTheRightWordOnceAmongDifferentOnes()
    {
        // The turn's word is there twice, as entries 1 and 2: neither may be
        // offered as a wrong word.
        const QStringList words{"same", "same", "other", "else"};
        for (int seed = 1; seed <= 20; ++seed) {
            ZapGame game(pairsOf(words, {"m1", "m2", "m3", "m4"}), seeded(seed));
            game.newTurn();
            QCOMPARE(game.phase(), ZapGame::Phase::WaitingForReady);
            QVERIFY(game.rightAnswer() >= 1 && game.rightAnswer() <= 5);
            QVERIFY(game.layout() >= 1 && game.layout() <= 5);
            QCOMPARE(game.choice(game.rightAnswer() - 1), game.currentWord());
            for (int i = 0; i < TargetCount; ++i) {
                QVERIFY(!game.targetVisible(i));
                if (i != game.rightAnswer() - 1)
                    QVERIFY(game.choice(i) != game.currentWord());
            }
            bool meaningOfThatWord = false;
            for (int k = 0; k < words.size(); ++k)
                meaningOfThatWord |= words[k] == game.currentWord() && game.currentMeaning() == QString("m%1").arg(k + 1);
            QVERIFY(meaningOfThatWord);
        }
    }

    void thePoolAsksEveryPairOnceThenRepeatsAtRandom()
    {
        const QStringList words{"a", "b", "c"};
        ZapGame game(pairsOf(words, {"ma", "mb", "mc"}), seeded(7));
        QSet<QString> asked;
        for (int turn = 0; turn < 3; ++turn) {
            game.newTurn();
            asked.insert(game.currentWord());
            QCOMPARE(game.currentMeaning(), "m" + game.currentWord());
        }
        QCOMPARE(asked.size(), 3);
        QCOMPARE(game.poolSize(), 0);
        game.newTurn();
        QVERIFY(words.contains(game.currentWord()));
        QCOMPARE(game.currentMeaning(), "m" + game.currentWord());
    }

    void theFifteenthVanishingTickLosesTheTurn()
    {
        ZapGame game = startedGame();
        QCOMPARE(game.windowClick(), ZapGame::Outcome::Missed);
        game.messageClick();
        QCOMPARE(game.phase(), ZapGame::Phase::WaitingForReady);
        // While the Ready prompt waits, a window click is no miss.
        QCOMPARE(game.windowClick(), ZapGame::Outcome::Ignored);
        game.startTurn();
        for (int i = 0; i < TargetCount; ++i)
            QVERIFY(game.targetVisible(i));

        bool lost = false;
        for (int tick = 1; tick <= 14; ++tick) {
            const int vanished = game.vanishTick(&lost);
            QCOMPARE(vanished, tick % 3 == 0 ? tick / 3 - 1 : -1);
            QVERIFY(!lost);
        }
        QVERIFY(game.targetVisible(4));
        QCOMPARE(game.vanishTick(&lost), 4);
        QVERIFY(lost);
        QVERIFY(!game.vanishRunning());
        QVERIFY(game.clockRunning());
        QCOMPARE(game.score(), -100);
        QCOMPARE(game.turnEnd(), ZapGame::Outcome::Missed);
        QVERIFY(game.missedLast());
        QCOMPARE(game.vanishTick(&lost), -1);
    }

    void shotsScoreAndNameTheRightWord()
    {
        ZapGame game = startedGame();
        const int right = game.rightAnswer() - 1;
        QCOMPARE(game.shoot(right), ZapGame::Outcome::GoodShot);
        QCOMPARE(game.score(), 50);
        QCOMPARE(game.turnEnd(), ZapGame::Outcome::GoodShot);
        QVERIFY(!game.missedLast());
        QVERIFY(!game.vanishRunning());
        for (int i = 0; i < TargetCount; ++i)
            QVERIFY(game.targetVisible(i)); // the targets still standing stay

        // "Great Shot!" flashes; a lost turn's message keeps its colour.
        const std::uint32_t before = game.messageBackground();
        game.flashTick();
        QVERIFY(game.messageBackground() != before);
        game.flashTick();
        QCOMPARE(game.messageBackground(), before);
        game.flashTick();

        // Any shot while the message shows starts the next turn.
        QCOMPARE(game.shoot(0), ZapGame::Outcome::NewTurn);
        QCOMPARE(game.phase(), ZapGame::Phase::WaitingForReady);
        QCOMPARE(game.score(), 50);

        // The right word vanishes before it is hit: only a wrong shot is left.
        do {
            game.newTurn();
        } while (game.rightAnswer() == 5);
        game.startTurn();
        bool lost = false;
        for (int tick = 0; tick < 3 * game.rightAnswer(); ++tick)
            game.vanishTick(&lost);
        QCOMPARE(game.shoot(game.rightAnswer() - 1), ZapGame::Outcome::Ignored);
        QCOMPARE(game.shoot(aWrongTarget(game)), ZapGame::Outcome::WrongShot);
        QCOMPARE(game.score(), 0);
        QCOMPARE(game.turnEnd(), ZapGame::Outcome::WrongShot);
        const std::uint32_t kept = game.messageBackground();
        game.flashTick();
        QCOMPARE(game.messageBackground(), kept);
    }

    void timeIsUpOnceEvenDuringTheGreatShotPause()
    {
        ZapGame game = startedGame();
        game.shoot(game.rightAnswer() - 1);
        for (int second = 1; second < TurnSeconds; ++second)
            QVERIFY(!game.clockTick());
        QCOMPARE(game.timeLeft(), 1);
        QVERIFY(game.clockTick());
        QCOMPARE(game.timeLeft(), 0);
        QVERIFY(!game.clockTick());
        QCOMPARE(game.timeLeft(), 0);
        QCOMPARE(game.score(), 50);
    }

    void listsWithoutTwoDifferentWordsCannotPlay_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addRow("no pairs") << QStringList{};
        QTest::addRow("one pair") << QStringList{"only"};
        QTest::addRow("all words equal") << QStringList{"same", "same", "same"};
    }

    void listsWithoutTwoDifferentWordsCannotPlay()
    {
        QFETCH(QStringList, words);
        ZapGame game(pairsOf(words, words), seeded(1));
        QVERIFY(!game.playable());
        game.newTurn(); // returns at once: no wrong word to draw
        game.startTurn();
        QCOMPARE(game.phase(), ZapGame::Phase::WaitingForReady);
        QCOMPARE(game.windowClick(), ZapGame::Outcome::Ignored);
    }

    void resultsAreRatedByBand()
    {
        const std::pair<int, ZapRating> rows[] = {
            {-50, ZapRating::Oops},         {0, ZapRating::Oops},         {1, ZapRating::NotTooBad},
            {99, ZapRating::NotTooBad},     {100, ZapRating::GoodJob},    {199, ZapRating::GoodJob},
            {200, ZapRating::GreatWork},    {399, ZapRating::GreatWork},  {400, ZapRating::Fantastic},
            {32767, ZapRating::Fantastic}};
        for (const auto &[score, rating] : rows)
            QVERIFY2(RateScore(score) == rating, qPrintable(QString::number(score)));
    }

    void blastCentreRoundsHalvesToEven()
    {
        const BlastCentre a = blastCentre(3240, 960, 1001, 285);
        QCOMPARE(a.x, 3740.5f);
        QCOMPARE(a.y, std::int16_t(1102)); // 1102.5
        QCOMPARE(blastCentre(3240, 961, 1000, 285).y, std::int16_t(1104)); // 1103.5
    }
};

QTEST_MAIN(ZapRulesTest)
#include "test_zap_rules.moc"
