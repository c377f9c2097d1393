// links: lingo_concentration
#include "games/concentration/ConcentrationRules.h"

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

rnd::Source alwaysLast()
{
    return pinnedRandom([](int n) { return n; });
}

rnd::Source alwaysFirst()
{
    return pinnedRandom([](int) { return 1; });
}

int positionOf(const ConcentrationGame &game, int pair, bool word)
{
    for (int p = 0; p < CardCount; ++p)
        if (game.card(p).pairOf == pair && game.card(p).isWord == word)
            return p;
    return -1;
}

} // namespace

class ConcentrationRulesTest : public QObject {
    Q_OBJECT

private slots:
    void dealPlacesEachChosenWordWithItsOwnMeaning_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::addColumn<int>("seed"); // -1: every draw the last, -2: every draw the first
        QTest::addRow("8 words, seed 1") << 8 << 1;
        QTest::addRow("8 words, seed 2") << 8 << 2;
        QTest::addRow("8 words, last draws") << 8 << -1;
        QTest::addRow("8 words, first draws") << 8 << -2;
        QTest::addRow("30 words, seed 3") << 30 << 3;
        QTest::addRow("600 words, last draws") << 600 << -1;
    }

    void dealPlacesEachChosenWordWithItsOwnMeaning()
    {
        QFETCH(int, wordCount);
        QFETCH(int, seed);
        const QStringList words = numbered("word", wordCount);
        const QStringList meanings = numbered("meaning", wordCount);
        const rnd::Source random = seed == -1 ? alwaysLast() : seed == -2 ? alwaysFirst() : seeded(seed);
        const Deal deal = dealCards(pairsOf(words, meanings), random);

        QSet<int> pairs;
        QSet<QString> texts;
        for (const Card &card : deal) {
            QVERIFY(card.pairOf >= 1 && card.pairOf <= wordCount);
            QCOMPARE(card.text, (card.isWord ? words : meanings)[card.pairOf - 1]);
            pairs.insert(card.pairOf);
            texts.insert(card.text);
        }
        // 8 different entries and 16 different texts, each its pair's word or
        // meaning: every pair lies once as word and once as meaning.
        QCOMPARE(pairs.size(), PairCount);
        QCOMPARE(texts.size(), CardCount);
        if (seed == -1)
            QVERIFY(pairs.contains(wordCount)); // the last entry of the list can be dealt
    }

    void turnsAreJudgedByPairNotByText()
    {
        // Two entries with the same word are separate pairs.
        QStringList words = numbered("w", 8);
        words[1] = words[0];
        ConcentrationGame game(dealCards(pairsOf(words, numbered("m", 8)), alwaysFirst()));

        using R = ConcentrationGame::FlipResult;
        // Two words with the same text are still no match.
        QCOMPARE(game.flip(positionOf(game, 1, true)), R::FirstUp);
        QCOMPARE(game.flip(positionOf(game, 1, true)), R::Ignored); // already face up
        QCOMPARE(game.flip(positionOf(game, 2, true)), R::NoMatch);
        QCOMPARE(game.tryCount(), 1);
        // While the verdict waits, cards cannot be turned.
        QCOMPARE(game.flip(positionOf(game, 3, true)), R::Ignored);
        QCOMPARE(game.cardState(positionOf(game, 3, true)), ConcentrationGame::CardState::FaceDown);
        QVERIFY(!game.endTurn());
        QCOMPARE(game.cardState(positionOf(game, 1, true)), ConcentrationGame::CardState::FaceDown);

        // Two meanings never match either.
        game.flip(positionOf(game, 4, false));
        QCOMPARE(game.flip(positionOf(game, 5, false)), R::NoMatch);
        game.endTurn();

        // A meaning first, then its word: a match, and the pair leaves.
        for (int pair = 1; pair <= 7; ++pair) {
            game.flip(positionOf(game, pair, false));
            QCOMPARE(game.flip(positionOf(game, pair, true)), R::Match);
            QVERIFY(!game.endTurn());
            QCOMPARE(game.cardState(positionOf(game, pair, true)), ConcentrationGame::CardState::Gone);
            QCOMPARE(game.pairsFound(), pair);
        }
        game.tick();
        QCOMPARE(game.elapsedSeconds(), 1);

        // The eighth match empties the board at once and stops the clock.
        game.flip(positionOf(game, 8, true));
        QCOMPARE(game.flip(positionOf(game, 8, false)), R::Win);
        QVERIFY(game.gameOver());
        for (int p = 0; p < CardCount; ++p)
            QCOMPARE(game.cardState(p), ConcentrationGame::CardState::Gone);
        game.tick();
        QCOMPARE(game.elapsedSeconds(), 1);
        QCOMPARE(game.tryCount(), 10);
        QVERIFY(game.endTurn());
        QCOMPARE(game.pairsFound(), 8);
    }

    void countersStopAtTheSixteenBitLimit()
    {
        ConcentrationGame game(dealCards(pairsOf(numbered("w", 8), numbered("m", 8)), alwaysFirst()));
        game.setCountersForTest(32767, 32766);
        game.tick();
        game.tick();
        QCOMPARE(game.elapsedSeconds(), 32767);
        game.flip(positionOf(game, 1, true));
        game.flip(positionOf(game, 2, true));
        QCOMPARE(game.tryCount(), 32767);
    }
};

QTEST_MAIN(ConcentrationRulesTest)
#include "test_concentration_rules.moc"
