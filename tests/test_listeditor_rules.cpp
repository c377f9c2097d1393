// links: lingo_listeditor
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"
#include "manage/editor/EditorResults.h"
#include "manage/editor/ListEntries.h"
#include "manage/editor/ListEntryWords.h"
#include "manage/editor/NewListDraft.h"

#include <QTest>

using Lines = QList<QByteArray>;
Q_DECLARE_METATYPE(Lines)

namespace {

Lines L(const QString &spaced)
{
    // "A a1 m1 | B" -> lines: "|" stands for the separator, "_" for an empty
    // line, "~" for a space within a line.
    Lines lines;
    for (const QString &token : spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        lines.append(token == "|" ? QByteArray("<New List>") : token == "_" ? QByteArray() : token.toLatin1().replace('~', ' '));
    return lines;
}

} // namespace

class ListEditorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void newListIsAppended_data()
    {
        QTest::addColumn<Lines>("store");
        QTest::addColumn<Lines>("expected");
        QTest::addRow("empty store loses its marker") << L("No~Lists") << L("New w1 m1 w2 m2");
        QTest::addRow("after one list") << L("A a m") << L("A a m | New w1 m1 w2 m2");
        QTest::addRow("after two lists") << L("A a m | B") << L("A a m | B | New w1 m1 w2 m2");
        QTest::addRow("zero-byte file") << Lines{} << L("New w1 m1 w2 m2");
        QTest::addRow("blank and separator lines at the head") << L("_ | A a m") << L("A a m | New w1 m1 w2 m2");
        QTest::addRow("marker with a blank line") << L("No~Lists _") << L("New w1 m1 w2 m2");
        QTest::addRow("stray blank line at the end") << L("A a m _") << L("A a m | New w1 m1 w2 m2");
        QTest::addRow("word without meaning at the end") << L("A a m b") << L("A a m b _ | New w1 m1 w2 m2");
        QTest::addRow("separator at the end") << L("A a m |") << L("A a m | New w1 m1 w2 m2");
    }

    void newListIsAppended()
    {
        QFETCH(Lines, store);
        QFETCH(Lines, expected);
        NewListDraft draft("New");
        QCOMPARE(draft.addPair("w1", "m1").result, NewListDraft::Added::Yes);
        QCOMPARE(draft.addPair("w2", "m2").result, NewListDraft::Added::Yes);
        StoreContent content = StoreContent::fromFileLines(store);
        content.appendList({draft.name(), draft.pairs()});
        QCOMPARE(content.fileLines(), expected);
    }

    void editedListIsWrittenBackAtTheEnd_data()
    {
        QTest::addColumn<Lines>("store");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<Lines>("expected");
        const Lines abc = L("A a1 m1 | B b1 m1 b2 m2 | C c1 m1");
        QTest::addRow("middle list") << abc << "B" << 0 << L("A a1 m1 | C c1 m1 | X x y");
        QTest::addRow("first list") << abc << "A" << 0 << L("B b1 m1 b2 m2 | C c1 m1 | X x y");
        QTest::addRow("last list") << abc << "C" << 0 << L("A a1 m1 | B b1 m1 b2 m2 | X x y");
        QTest::addRow("only list") << L("A a1 m1") << "A" << 0 << L("X x y");
        QTest::addRow("list without pairs") << L("A | B b m") << "A" << 0 << L("B b m | X x y");
        QTest::addRow("a word equal to the name is no name line") << L("A B m | B b m") << "B" << 0 << L("A B m | X x y");
        QTest::addRow("second of two same-named lists") << L("D d1 m | E e m | D d2 m") << "D" << 1
                                                        << L("D d1 m | E e m | X x y");
        QTest::addRow("first of two same-named lists") << L("D d1 m | D d2 m") << "D" << 0 << L("D d2 m | X x y");
        QTest::addRow("list no longer there is appended") << L("A a m") << "Z" << 0 << L("A a m | X x y");
    }

    void editedListIsWrittenBackAtTheEnd()
    {
        QFETCH(Lines, store);
        QFETCH(QString, name);
        QFETCH(int, occurrence);
        QFETCH(Lines, expected);
        StoreContent content = StoreContent::fromFileLines(store);
        content.writeBack(content.positionOf(name, occurrence), {"X", {{"x", "y"}}});
        QCOMPARE(content.fileLines(), expected);
    }

    void chosenListIsFoundAndReadToItsLastWord()
    {
        // A word left without meaning at the end of the file loads with an empty one.
        const StoreContent cut = StoreContent::fromFileLines(L("A a m b"));
        QCOMPARE(cut.listAt(cut.positionOf("A")).pairs, (WordPairs{{"a", "m"}, {"b", ""}}));
        QCOMPARE(StoreContent::fromFileLines(L("A a m | A b n")).positionOf("A", 2), -1);
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("refused");
        const int name = int(EntryKind::ListName), word = int(EntryKind::Word), meaning = int(EntryKind::Meaning);
        QTest::addRow("plain name") << "Animals" << name << false;
        QTest::addRow("accented name") << "\u00c9t\u00e9" << name << false;
        QTest::addRow("empty name") << "" << name << true;
        QTest::addRow("name No Lists") << "No Lists" << name << true;
        QTest::addRow("word No Lists is fine") << "No Lists" << word << false;
        QTest::addRow("name <New List>") << "<New List>" << name << true;
        QTest::addRow("word <New List>") << "<New List>" << word << true;
        QTest::addRow("meaning <New List>") << "<New List>" << meaning << true;
        QTest::addRow("near miss") << "<New List> " << word << false;
        QTest::addRow("line feed") << "two\nlines" << meaning << true;
        QTest::addRow("carriage return") << "two\rlines" << name << true;
        QTest::addRow("Polish") << "\u0142\u00f3d\u017a" << word << false;
        QTest::addRow("Arabic name") << "\u0627\u0644\u0641\u0648\u0627\u0643\u0647" << name << false;
        QTest::addRow("emoji") << "cat \U0001F408" << meaning << false;
        QTest::addRow("tab") << "cat\tdog" << meaning << true;
        QTest::addRow("an old store's undefined byte") << "\u0081" << word << false;
    }

    void refusedEntries()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(bool, refused);
        const auto refusal = entryRefusal(text, EntryKind(kind));
        QCOMPARE(refusal.has_value(), refused);
        if (refusal)
            QVERIFY(!entryRefusalText(*refusal, EntryKind(kind)).isEmpty());
    }

    void namesOfOtherListsAreTaken()
    {
        const StoreContent store = StoreContent::fromFileLines(L("Animals a m | Colours c m | Caf\xc3\xa9 c m"));
        QVERIFY(nameTaken(store, "Colours"));
        QVERIFY(nameTaken(store, "Cafe\u0301")); // the same letters, composed otherwise
        QVERIFY(!nameTaken(store, "colours")); // names compare exactly
        QVERIFY(!nameTaken(store, "a"));       // a word is not a name
        QVERIFY(nameTaken(store, "Colours", "Animals"));
        QVERIFY(!nameTaken(store, "Animals", "Animals")); // keeping its own name
    }

    void draftHoldsAtMost600Pairs()
    {
        NewListDraft draft("Full");
        for (int i = 0; i < MaxPairs; ++i)
            QCOMPARE(draft.addPair(QString::number(i), "m").result, NewListDraft::Added::Yes);
        const auto outcome = draft.addPair("one", "too many");
        QCOMPARE(outcome.result, NewListDraft::Added::Full);
        QVERIFY(listFullMessage().contains("600"));
        QCOMPARE(draft.pairCount(), MaxPairs);
        QCOMPARE(draft.addPair("", "m").result, NewListDraft::Added::EmptyBox);
        NewListDraft other("x");
        QCOMPARE(other.addPair("<New List>", "m").result, NewListDraft::Added::Refused);
        QCOMPARE(other.pairCount(), 0);
    }

    void dialogResultsAreAppliedInOrder_data()
    {
        QTest::addColumn<int>("deleteAt");
        QTest::addColumn<int>("editAt");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("count"); // of the words a, b, c the list starts with
        QTest::addRow("delete first") << 0 << -1 << false << QStringList{"b", "c"} << 0 << 3;
        QTest::addRow("delete middle") << 1 << -1 << false << QStringList{"a", "c"} << 1 << 3;
        QTest::addRow("delete last") << 2 << -1 << false << QStringList{"a", "b"} << 1 << 3;
        QTest::addRow("delete out of range") << 7 << -1 << false << QStringList{"a", "b", "c"} << -1 << 3;
        QTest::addRow("edit") << -1 << 1 << false << QStringList{"a", "new", "c"} << 1 << 3;
        QTest::addRow("add") << -1 << -1 << true << QStringList{"a", "b", "c", "new"} << 3 << 3;
        QTest::addRow("delete then add") << 0 << -1 << true << QStringList{"b", "c", "new"} << 2 << 3;
        QTest::addRow("delete the only word") << 0 << -1 << false << QStringList{} << -1 << 1;
    }

    void dialogResultsAreAppliedInOrder()
    {
        QFETCH(int, deleteAt);
        QFETCH(int, editAt);
        QFETCH(bool, add);
        QFETCH(QStringList, words);
        QFETCH(int, selected);
        QFETCH(int, count);
        Module1 state;
        WordPairs pairs = WordPairs{{"a", "1"}, {"b", "2"}, {"c", "3"}}.first(count);
        state.DeleteConfirmed = deleteAt >= 0;
        state.WordEdited = editAt >= 0;
        state.WordIndex = std::int16_t(deleteAt >= 0 ? deleteAt : editAt);
        state.CardSide = add;
        state.CurrentWord = "new";
        state.CurrentMeaning = "meaning";
        const AppliedResults applied = applyDialogResults(state, pairs);
        QStringList got;
        for (const WordPair &pair : pairs)
            got << pair.word;
        QCOMPARE(got, words);
        QCOMPARE(applied.selectRow, selected);
        // The editor refills its box on any().
        QCOMPARE(applied.any(), words != QStringList({"a", "b", "c"}).first(count));
        if (applied.removedRow)
            QCOMPARE(*applied.removedRow, deleteAt);
        QCOMPARE(state.DeleteConfirmed + state.WordEdited + state.CardSide, 0);
        // Applied once only: a second activation changes nothing.
        QVERIFY(!applyDialogResults(state, pairs).any());
        QCOMPARE(pairs.size(), words.size());
    }
};

QTEST_MAIN(ListEditorRulesTest)
#include "test_listeditor_rules.moc"
