// links: lingo_quiz
#include "quiz/PictureSlide.h"
#include "quiz/QuizRules.h"

#include "app/core/Random.h"
#include "support/TestSupport.h"

#include <QSet>
#include <QTest>

namespace {

WordPairs pairs(const QStringList &wordsAndMeanings)
{
    WordPairs list;
    for (qsizetype i = 0; i + 1 < wordsAndMeanings.size(); i += 2)
        list.append({wordsAndMeanings[i], wordsAndMeanings[i + 1]});
    return list;
}

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void percentagesAndRatingBands()
    {
        // right, asked, percent: the exact integer part.
        const int percents[][3] = {{2, 3, 66}, {29, 50, 58}, {57, 100, 57}, {58, 100, 58}, {10, 10, 100}, {0, 0, 0}};
        for (const auto &row : percents)
            QVERIFY2(scorePercent(row[0], row[1]) == row[2], qPrintable(QString("%1 of %2").arg(row[0]).arg(row[1])));
        const std::pair<int, Rating> ratings[] = {{100, Rating::Perfect},  {99, Rating::GoodJob},
                                                  {71, Rating::GoodJob},   {70, Rating::MoreWork},
                                                  {41, Rating::MoreWork},  {40, Rating::KeepStudying}};
        for (const auto &[percent, rating] : ratings)
            QVERIFY2(ratingFor(percent) == rating, qPrintable(QString::number(percent)));
    }

    void poolAsksEveryPairOnceBeforeAnyRepeats()
    {
        const auto list = pairs({"dog", "perro", "cat", "gato", "horse", "caballo"});
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            rnd::seedRandom(seed);
            const rnd::Source random = pinnedRandom();
            QuestionDrawer drawer(list, random);
            QSet<QString> firstThree;
            for (int n = 1; n <= 5; ++n) {
                const auto q = drawer.makeQuestion(WordToMeaning);
                QVERIFY(q);
                if (n <= 3) {
                    firstThree.insert(q->pair.word);
                    QCOMPARE(drawer.poolSize(), 3 - n);
                }
            }
            QCOMPARE(firstThree.size(), 3);
            QCOMPARE(drawer.poolSize(), 0);
        }
    }

    void choicesHoldTheRightAnswerAndOnlyOtherWords()
    {
        // Two words share "ave" as meaning; "bird" appears twice.
        const auto list = pairs({"bird", "ave", "fowl", "ave", "dog", "perro", "bird", "pajaro", "cat", "gato"});
        QSet<int> positions;
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            rnd::seedRandom(seed);
            const rnd::Source random = pinnedRandom();
            QuestionDrawer drawer(list, random);
            for (int direction : {WordToMeaning, MeaningToWord}) {
                const auto q = drawer.makeQuestion(direction);
                QVERIFY(q);
                QVERIFY(q->rightAnswer >= 1 && q->rightAnswer <= 4);
                positions.insert(q->rightAnswer);
                QCOMPARE(q->text, direction == WordToMeaning ? q->pair.word : q->pair.meaning);
                QCOMPARE(q->choices[q->rightAnswer], direction == WordToMeaning ? q->pair.meaning : q->pair.word);
                for (int i = 1; i <= 4; ++i) {
                    if (i == q->rightAnswer)
                        continue;
                    // A wrong choice comes from a pair whose word is not the question's.
                    const bool fromAnotherWord = std::any_of(list.begin(), list.end(), [&](const WordPair &p) {
                        return p.word != q->pair.word && (direction == WordToMeaning ? p.meaning : p.word) == q->choices[i];
                    });
                    QVERIFY2(fromAnotherWord, qPrintable(q->choices[i]));
                    if (direction == MeaningToWord)
                        QVERIFY(q->choices[i] != q->pair.word);
                }
            }
        }
        QCOMPARE(positions.size(), 4);
    }

    void listsWithoutTwoDifferentWordsAreRefused_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<bool>("canAsk");
        QTest::addRow("0 pairs") << QStringList{} << false;
        QTest::addRow("1 pair") << QStringList{"dog", "perro"} << false;
        QTest::addRow("all words equal") << QStringList{"dog", "perro", "dog", "can", "dog", "chien"} << false;
        QTest::addRow("words equal but for case") << QStringList{"dog", "perro", "Dog", "can"} << true;
        QTest::addRow("one other word among many") << QStringList{"a", "1", "a", "2", "a", "3", "b", "4"} << true;
    }
    void listsWithoutTwoDifferentWordsAreRefused()
    {
        QFETCH(QStringList, list);
        QFETCH(bool, canAsk);
        QCOMPARE(hasTwoDifferentWords(pairs(list)), canAsk);

        // A list that cannot be asked gives no question instead of drawing
        // forever for a wrong answer (a hang fails on the test's timeout).
        const rnd::Source random = pinnedRandom();
        QuestionDrawer drawer(pairs(list), random);
        QCOMPARE(drawer.canAsk(), canAsk);
        for (int n = 0; n < 20; ++n)
            QCOMPARE(bool(drawer.makeQuestion(n % 2 ? WordToMeaning : MeaningToWord)), canAsk);
    }

    void directionFollowsTheKindAndKindThreeMixes()
    {
        rnd::seedRandom(3);
        const rnd::Source random = pinnedRandom();
        QSet<int> mixed;
        for (int n = 0; n < 40; ++n) {
            QCOMPARE(chooseDirection(1, random), 1);
            QCOMPARE(chooseDirection(2, random), 2);
            const int d = chooseDirection(3, random);
            QVERIFY(d == 1 || d == 2);
            mixed.insert(d);
        }
        QCOMPARE(mixed.size(), 2);
    }

    void slidingPicturesReenterAtTheLeftEdge()
    {
        PictureSlide slide;
        const int bound = 7200;

        // Image1 (width 1455) fits up to Left 5745; the tick that passes it
        // puts it back at 0.
        slide.pictures[1].left = 5705;
        slide.tick(bound);
        QCOMPARE(slide.pictures[1].left, 5745);
        slide.tick(bound);
        QCOMPARE(slide.pictures[1].left, 0);
        slide.tick(bound);
        QCOMPARE(slide.pictures[1].left, 40);
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "test_quiz_rules.moc"
