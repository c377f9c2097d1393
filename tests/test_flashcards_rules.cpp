// links: lingo_flashcards
#include "flashcards/CardDeck.h"
#include "flashcards/CardViewer.h"
#include "flashcards/RevealAnimation.h"
#include "support/TestSupport.h"

#include <QTest>

using Pairs = WordPairs;

namespace {

rnd::Source noDraws()
{
    return pinnedRandom([](int) -> int { qFatal("no random draw expected"); });
}

const Pairs Fruit{{"pear", "peer"}, {"Apple", "manzana"}, {"melon", "melon"}, {"banana", "platano"}, {"Mango", "mango"}};
const QString End = QStringLiteral("That's the end of the list!");

} // namespace

class FlashcardRulesTest : public QObject {
    Q_OBJECT

private slots:
    void revealAnimationReachesItsRestingHeights_data()
    {
        QTest::addColumn<bool>("wordHalf");
        QTest::addColumn<QList<int>>("covers");
        QTest::addColumn<QList<int>>("labels");
        QTest::addRow("word half") << true
                                   << QList<int>{1131, 754, 503, 336, 224, 150, 100, 67, 45, 30, 20, 14, 10, 10, 10, 10, 10}
                                   << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 400, 800, 1200, 1600, 1600};
        QTest::addRow("meaning half")
            << false << QList<int>{1291, 861, 574, 383, 256, 171, 114, 76, 51, 34, 23, 16, 11, 8, 8, 8, 8, 8, 8}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 400, 800, 1200, 1600, 2000, 2000};
    }
    void revealAnimationReachesItsRestingHeights()
    {
        QFETCH(bool, wordHalf);
        QFETCH(QList<int>, covers);
        QFETCH(QList<int>, labels);
        const RevealAnimation covered;
        RevealAnimation a;
        (wordHalf ? a.wordReveal : a.meaningReveal) = true;
        QList<int> seenCovers, seenLabels;
        for (int i = 0; i < covers.size(); ++i) {
            a.tick();
            seenCovers << (wordHalf ? a.wordCover : a.meaningCover);
            seenLabels << (wordHalf ? a.wordLabel : a.meaningLabel);
        }
        QCOMPARE(seenCovers, covers);
        QCOMPARE(seenLabels, labels);
        QVERIFY(!a.wordReveal && !a.meaningReveal);
        QCOMPARE(wordHalf ? a.meaningCover : a.wordCover, wordHalf ? covered.meaningCover : covered.wordCover);

        a.cover();
        QCOMPARE(QList<int>({a.wordCover, a.meaningCover, a.wordLabel, a.meaningLabel}),
                 QList<int>({covered.wordCover, covered.meaningCover, 0, 0}));
    }

    void deckOrders_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<Pairs>("pairs");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("shown"); // word=meaning of each forward move

        QTest::addRow("alphabetical, case ignored, stops one past the end")
            << 1 << Fruit << QString()
            << QStringList{"Apple=manzana", "banana=platano", "Mango=mango", "melon=melon", "pear=peer", "=", "="};
        QTest::addRow("same word twice keeps each meaning in file order")
            << 1 << Pairs{{"bank", "river side"}, {"apple", "manzana"}, {"bank", "money"}} << QString()
            << QStringList{"apple=manzana", "bank=river side", "bank=money", "="};
        QTest::addRow("words equal but for case keep file order")
            << 3 << Pairs{{"Bank", "one"}, {"bank", "two"}, {"apple", "x"}} << "b"
            << QStringList{"Bank=one", "bank=two", "="};
        QTest::addRow("start letter m matches M first") << 3 << Fruit << "m"
                                                        << QStringList{"Mango=mango", "melon=melon", "pear=peer", "="};
        QTest::addRow("start letter in capitals") << 3 << Fruit << "P" << QStringList{"pear=peer", "="};
        QTest::addRow("start letter of the first word") << 3 << Fruit << "a"
                                                        << QStringList{"Apple=manzana", "banana=platano"};
        QTest::addRow("no pairs") << 1 << Pairs{} << QString() << QStringList{"=", "="};
    }
    void deckOrders()
    {
        QFETCH(int, order);
        QFETCH(Pairs, pairs);
        QFETCH(QString, letter);
        QFETCH(QStringList, shown);
        CardDeck deck(order, pairs, noDraws());
        if (order == CardDeck::FromStartLetter)
            QVERIFY(deck.seekStartLetter(letter));
        QStringList seen;
        for (int i = 0; i < shown.size(); ++i) {
            const WordPair card = deck.moveForward();
            seen << card.word + "=" + card.meaning;
        }
        QCOMPARE(seen, shown);
    }

    void stepsBackFromTheEndsOfTheDeck()
    {
        CardDeck deck(CardDeck::Alphabetical, {{"b", "2"}, {"a", "1"}}, noDraws());
        deck.allowStepBack();
        QVERIFY(deck.previousEnabled());
        for (int i = 0; i < 4; ++i)
            deck.moveForward();
        QCOMPARE(deck.position(), 3); // past the end it stays one past the last card
        QCOMPARE(deck.stepBack().card, (WordPair{"b", "2"}));

        // From the first card: a blank card without a beep, then the beep.
        deck.stepBack();
        CardDeck::StepBack back = deck.stepBack();
        QCOMPARE(back.card, WordPair{});
        QVERIFY(!back.beep);
        back = deck.stepBack();
        QCOMPARE(deck.position(), 0);
        QVERIFY(back.beep);

        CardDeck lettered(CardDeck::FromStartLetter, Fruit, noDraws());
        QVERIFY(!lettered.seekStartLetter("q"));
        QVERIFY(!lettered.seekStartLetter("ma")); // the whole text against one character
        QCOMPARE(lettered.position(), 0);
    }

    void randomOrderDrawsFromFileOrderWithoutStepsBack()
    {
        QList<int> asked;
        CardDeck deck(CardDeck::Random, {{"b", "2"}, {"a", "1"}, {"c", "3"}},
                      pinnedRandom([&asked, draws = QList<int>{3, 3, 1, 2}, i = 0](int n) mutable {
                          asked << n;
                          return draws.at(i++);
                      }));
        deck.allowStepBack();
        QVERIFY(!deck.previousEnabled());
        QStringList seen;
        for (int i = 0; i < 4; ++i)
            seen << deck.moveForward().word;
        QCOMPARE(seen, (QStringList{"c", "c", "b", "a"}));
        QCOMPARE(asked, (QList<int>{3, 3, 3, 3}));
    }

    void viewerShowsTheEndOnBothHalvesWithoutCoveringThem()
    {
        for (int side : {1, 2}) {
            CardViewer v(CardDeck::Alphabetical, side, {{"a", "1"}}, noDraws());
            v.start({}, {}, End);
            for (int i = 0; i < 20; ++i)
                v.tick();
            const RevealAnimation before = v.animation();
            v.forward();
            QCOMPARE(QStringList({v.wordCaption(), v.meaningCaption()}), QStringList({End, End}));
            QCOMPARE(v.animation().wordCover, before.wordCover);
            QCOMPARE(v.animation().meaningCover, before.meaningCover);
            QVERIFY(!v.back());
            QCOMPARE(side == 1 ? v.wordCaption() : v.meaningCaption(), QString(side == 1 ? "a" : "1"));
            QCOMPARE(v.animation().wordCover, RevealAnimation{}.wordCover); // a real card is covered again
        }
    }

    void revealButtonAndTheWordCover()
    {
        CardViewer v(CardDeck::Alphabetical, CardViewer::ShowWord, {{"a", "1"}}, noDraws());
        v.start({}, {}, End);
        v.revealBoth();
        QCOMPARE(v.meaningCaption(), QString("1"));
        v.forward();
        v.revealBoth();
        QCOMPARE(QStringList({v.wordCaption(), v.meaningCaption()}), QStringList({End, End}));

        // Stepping back from the word cover past the start hides the reveal button.
        QVERIFY(!v.backFromCover());
        QCOMPARE(QStringList({v.wordCaption(), v.meaningCaption()}), QStringList({"a", ""}));
        QVERIFY(v.revealButtonShown());
        QVERIFY(!v.backFromCover());
        QCOMPARE(v.meaningCaption(), End);
        QVERIFY(!v.revealButtonShown());
    }

    void viewerOfAnEmptyList()
    {
        for (int order : {1, 2, 3}) {
            CardViewer v(order, CardViewer::ShowWord, {}, pinnedRandom([](int) { return 1; }));
            QCOMPARE(v.deck().count(), 0);
            // A blank first card (no end text yet); no word can start with any letter.
            QCOMPARE(v.start("x", "no x", End), order == 3);
            QCOMPARE(v.wordCaption(), order == 3 ? QString("no x") : QString());
            QCOMPARE(v.meaningCaption(), QString());
            v.forward();
            QCOMPARE(QStringList({v.wordCaption(), v.meaningCaption()}), QStringList({End, End}));
        }
    }
};

QTEST_MAIN(FlashcardRulesTest)
#include "test_flashcards_rules.moc"
