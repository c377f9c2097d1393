// links: lingo_hangman
#include "app/core/SharedState.h"
#include "games/PlayableWord.h"
#include "games/hangman/HangmanRound.h"
#include "support/TestSupport.h"

#include <QTest>

using Kind = HangmanRound::GuessKind;

class HangmanRulesTest : public QObject {
    Q_OBJECT

private slots:
    void drawTakesOnlyWordsThatFit()
    {
        const QString fourteen = QStringLiteral("abcdefghijklmn");
        const QString fifteen = fourteen + 'o';
        QList<int> asked;
        const rnd::Source drawN = pinnedRandom([&](int n) { asked.append(n); return n; });

        // Every fitting word has its own draw value, so each is as likely.
        const QStringList words{fifteen, "cat", fifteen, fourteen, "dog"};
        QList<int> picked;
        for (int k = 1; k <= 3; ++k)
            picked.append(*drawPlayableWord(words, 14, pinnedRandom([k](int) { return k; })));
        QCOMPARE(picked, (QList<int>{1, 3, 4}));

        QCOMPARE(drawPlayableWord({fifteen, fourteen}, 14, drawN), 1);
        QCOMPARE(asked, QList<int>{1});
        asked.clear();
        QCOMPARE(drawPlayableWord({fifteen, fifteen}, 14, drawN), std::nullopt);
        QCOMPARE(drawPlayableWord({}, 14, drawN), std::nullopt);
        QVERIFY(asked.isEmpty());
    }

    void gameWordNeverComesFromAnEarlierList()
    {
        Shared = Module1{};
        Shared.Words[1] = "short";
        Shared.Meanings[1] = "left over";
        Shared.WordCount = 0;
        QVERIFY(!drawGameWord(14));

        Shared.Words[1] = "a word far too long for it";
        Shared.Words[2] = "fits";
        Shared.Meanings[2] = "its meaning";
        Shared.WordCount = 2;
        QVERIFY(drawGameWord(14));
        QCOMPARE(Shared.CurrentWord, QStringLiteral("fits"));
        QCOMPARE(Shared.CurrentMeaning, QStringLiteral("its meaning"));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("lettersLeft");
        QTest::addRow("phrase") << "ice cream" << QStringList{"", "", "", " ", "", "", "", "", ""} << 8;
        QTest::addRow("hyphen and apostrophe") << "o'well-k" << QStringList{"", "'", "", "", "", "", "-", ""} << 6;
    }
    void layout()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, boxes);
        QFETCH(int, lettersLeft);
        HangmanRound round(word);
        QStringList shown;
        for (int i = 0; i < round.length(); ++i)
            shown.append(round.boxText(i));
        QCOMPARE(shown, boxes);
        QCOMPARE(round.lettersLeft(), lettersLeft);
        QCOMPARE(round.isGap(3), word[3] == ' ');
        QCOMPARE(round.missStep(), 1);
    }

    void guesses()
    {
        HangmanRound phrase("ice cream");
        QCOMPARE(phrase.guess("c").kind, Kind::Found);
        QCOMPARE(phrase.lettersLeft(), 6); // both c at once
        QCOMPARE(phrase.boxText(4), QStringLiteral("c"));

        HangmanRound hyphen("well-known");
        QCOMPARE(hyphen.guess("-").kind, Kind::Found);
        QCOMPARE(hyphen.lettersLeft(), 9);
        QCOMPARE(hyphen.alreadyUsed(), QStringLiteral(" -"));

        // The repeat test is exact: E after e is processed again, counts nothing.
        HangmanRound tree("Tree");
        QCOMPARE(tree.guess("e").kind, Kind::Found);
        QCOMPARE(tree.lettersLeft(), 2);
        QCOMPARE(tree.guess("E").kind, Kind::Found);
        QCOMPARE(tree.lettersLeft(), 2);
        QCOMPARE(tree.guess("e").kind, Kind::Repeated);
        QCOMPARE(tree.alreadyUsed(), QStringLiteral(" e E"));
        QCOMPARE(tree.guess("t").kind, Kind::Found);
        QCOMPARE(tree.boxText(0), QStringLiteral("T")); // the word's own case
        QCOMPARE(tree.guess("").kind, Kind::Ignored);
        QCOMPARE(tree.missStep(), 1);
        const auto last = tree.guess("R");
        QVERIFY(last.won);
        QVERIFY(tree.isWon());
        QCOMPARE(tree.guess("z").kind, Kind::Ignored);
    }

    void tenthMissLoses()
    {
        HangmanRound round("cat");
        round.guess("c");
        round.guess("a");
        const QString misses = "bdefghijkl";
        for (int i = 0; i < 9; ++i) {
            const auto outcome = round.guess(QString(misses[i]));
            QCOMPARE(outcome.kind, Kind::Missed);
            QCOMPARE(outcome.partDrawn, i + 1);
            QVERIFY(!outcome.lost);
        }
        const auto tenth = round.guess("l");
        QCOMPARE(tenth.partDrawn, 10);
        QVERIFY(tenth.lost && !tenth.won);
        QCOMPARE(round.missStep(), 11);
        QCOMPARE(round.lettersLeft(), 1);
        QCOMPARE(round.guess("t").kind, Kind::Ignored);
    }

    void nothingToFindIsWonByTheFirstGuess()
    {
        HangmanRound round("-' -");
        QCOMPARE(round.lettersLeft(), 0);
        QVERIFY(!round.isWon());
        const auto outcome = round.guess("q");
        QCOMPARE(outcome.kind, Kind::Missed);
        QCOMPARE(outcome.partDrawn, 1);
        QVERIFY(outcome.won);
    }
};

QTEST_MAIN(HangmanRulesTest)
#include "test_hangman_rules.moc"
