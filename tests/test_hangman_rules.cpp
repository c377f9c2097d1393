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
        // Letters, not characters: Hindi's 6 characters are 2 letters.
        QCOMPARE(drawPlayableWord({"abc", "हिन्दी"}, 2, drawN), 1);
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

    // What the boxes show, left to right, after the guesses.
    void boxesInEveryScript_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("guesses");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("misses");
        QTest::addRow("phrase") << "ice cream" << QStringList{} << QStringList{"", "", "", " ", "", "", "", "", ""} << 0;
        QTest::addRow("hyphen and apostrophe") << "o'well-k" << QStringList{} << QStringList{"", "'", "", "", "", "", "-", ""} << 0;
        QTest::addRow("Russian, either case") << "Кошка" << QStringList{"к", "О"} << QStringList{"К", "о", "", "к", ""} << 0;
        QTest::addRow("Greek: Σ finds σ and final ς, ο is not ό")
            << "σοφός" << QStringList{"Σ", "ο"} << QStringList{"σ", "ο", "", "", "ς"} << 0;
        QTest::addRow("Polish: l is not ł") << "jabłko" << QStringList{"l", "Ł"} << QStringList{"", "", "", "ł", "", ""} << 1;
        QTest::addRow("German: ẞ finds ß") << "Straße" << QStringList{"ẞ"} << QStringList{"", "", "", "", "ß", ""} << 0;
        QTest::addRow("Turkish: i is not İ") << "İzmir" << QStringList{"i"} << QStringList{"", "", "", "i", ""} << 0;
        QTest::addRow("Turkish: İ finds İ") << "İzmir" << QStringList{"İ"} << QStringList{"İ", "", "", "", ""} << 0;
        QTest::addRow("Hindi: a letter with its vowel sign")
            << "हिन्दी" << QStringList{"ह", "हि"} << QStringList{"हि", ""} << 1;
        QTest::addRow("Hindi conjunct") << "क्षमा" << QStringList{"क्ष"} << QStringList{"क्ष", ""} << 0;
        QTest::addRow("Hebrew from the right") << "שלום" << QStringList{"ש"} << QStringList{"", "", "", "ש"} << 0;
        QTest::addRow("Japanese") << "ねこ" << QStringList{"こ", "ネ"} << QStringList{"", "こ"} << 1;
        QTest::addRow("é typed decomposed, e is not é")
            << "café" << QStringList{"e\u0301", "e"} << QStringList{"", "", "", "é"} << 1;
    }
    void boxesInEveryScript()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, guesses);
        QFETCH(QStringList, boxes);
        QFETCH(int, misses);
        HangmanRound round(word);
        for (const QString &guess : guesses)
            QVERIFY(round.guess(guess).kind != Kind::Repeated);
        QStringList shown(round.length());
        for (int i = 0; i < round.length(); ++i)
            shown[round.box(i)] = round.boxText(i);
        QCOMPARE(shown, boxes);
        QCOMPARE(round.lettersLeft(), int(boxes.count(QString())));
        QCOMPARE(round.missStep(), misses + 1);
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
        // Composed after decomposed is another text too, and finds the same letter.
        HangmanRound cafe("café");
        QCOMPARE(cafe.guess("e\u0301").kind, Kind::Found);
        QCOMPARE(cafe.guess("é").kind, Kind::Found);
        QCOMPARE(cafe.guess("e\u0301").kind, Kind::Repeated);
        QCOMPARE(cafe.lettersLeft(), 3);
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
