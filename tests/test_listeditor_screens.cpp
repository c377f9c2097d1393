// links: lingo_listeditor
#include "app/ScreenManager.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"
#include "manage/editor/AddWord.h"
#include "manage/editor/ChangeListName.h"
#include "manage/editor/CreateList.h"
#include "manage/editor/DeletWordSure.h"
#include "manage/editor/EditChooseList.h"
#include "manage/editor/EditList.h"
#include "manage/editor/EditWord.h"
#include "manage/editor/ListEditorScreens.h"
#include "manage/editor/MakeNewList.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

QPushButton *button(Screen *screen, const QString &caption)
{
    for (auto *b : screen->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    qFatal("no button %s", qPrintable(caption));
}

void click(Screen *screen, const QString &caption)
{
    QTest::mouseClick(button(screen, caption), Qt::LeftButton);
}

void typeAndEnter(QLineEdit *box, const QString &text)
{
    box->clear();
    // QTest types ASCII only; other characters go in as an input method would.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80 && ch != QLatin1Char('\n'))
            QTest::keyClicks(box, QString(ch));
        else
            box->insert(QString(ch));
    }
    QTest::keyClick(box, Qt::Key_Return);
}

template <class T> T *shown(ScreenId id)
{
    return qobject_cast<T *>(screens().show(id));
}

QStringList words(const EditList *editor)
{
    QStringList out;
    for (int i = 0; i < editor->WordList->count(); ++i)
        out << editor->WordList->item(i)->text();
    return out;
}

QStringList loaded(const QString &list)
{
    Shared.CurrentList = list;
    LoadList();
    QStringList out;
    for (int i = 1; i <= Shared.WordCount; ++i)
        out << Shared.Words[i] + "=" + Shared.Meanings[i];
    return out;
}

EditList *openEditor(const QString &list, int row = -1)
{
    auto *chooser = shown<EditChooseList>(ScreenId::EditChooseList);
    for (int i = 0; row < 0 && i < chooser->TheLists->count(); ++i)
        if (chooser->TheLists->item(i)->text() == list)
            row = i;
    chooser->TheLists->setCurrentRow(row);
    click(chooser, "OK");
    settle();
    return screens().find<EditList>(ScreenId::EditList);
}

} // namespace

class ListEditorScreensTest : public QObject {
    Q_OBJECT

private slots:
    void init() { textfile::simulateShortWritesForTests(false); }
    void cleanup() { textfile::simulateShortWritesForTests(false); }

    void createListThenPractiseIt()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        auto *create = shown<CreateList>(ScreenId::CreateList);
        typeAndEnter(create->NewName, QStringLiteral("Fran\u00e7ais"));
        settle();
        QVERIFY(!screens().exists(ScreenId::CreateList));
        auto *make = screens().find<MakeNewList>(ScreenId::MakeNewList);
        QVERIFY(make);
        QCOMPARE(make->ListNameLabel->text(), QStringLiteral("Fran\u00e7ais"));
        QCOMPARE(make->TotalWordsLabel->text(), "Total words in this list:  0");
        QCOMPARE(make->WordLabel->text(), "Word Number:  1");

        // Word, Enter, meaning, Enter (focus on "Add This Word"), Enter adds.
        const auto addByKeyboard = [make](const QString &word, const QString &meaning) {
            typeAndEnter(make->TheWord, word);
            QCOMPARE(make->focusWidget(), make->TheMeaning);
            typeAndEnter(make->TheMeaning, meaning);
            QCOMPARE(make->focusWidget(), make->Command2);
            QTest::keyClick(make->Command2, Qt::Key_Return);
            QCOMPARE(make->focusWidget(), make->TheWord);
        };
        addByKeyboard("chat", "cat");
        addByKeyboard("chien", "dog");
        // The accented panel: 233 is e acute, appended wherever the caret is.
        click(make, "Foreign Characters...");
        QVERIFY(!make->panel.Frame1->isHidden());
        QVERIFY(make->Command3->isHidden());
        QCOMPARE(make->panel.CharLabel->text(), QStringLiteral("\u00bf"));
        make->TheWord->setText("caf");
        make->TheWord->setCursorPosition(0);
        make->panel.LScroll->setValue(233);
        QCOMPARE(make->panel.CharLabel->text(), QStringLiteral("\u00e9"));
        click(make, "Add to word");
        make->TheMeaning->setText("coffee");
        QCOMPARE(make->TheWord->text(), QStringLiteral("caf\u00e9"));
        QCOMPARE(make->TotalWordsLabel->text(), "Total words in this list:  2");
        QCOMPARE(make->WordLabel->text(), "Word Number:  3");

        // "Finished" adds the typed pair; No keeps it, the second Yes saves it once.
        env.answerNext(MsgAnswer::No);
        click(make, "Finished");
        QCOMPARE(env.messages.last().title, "Save?");
        QCOMPARE(env.messages.last().text, "Are you sure you want to save this list?");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        click(make, "Finished");
        settle();
        QVERIFY(!screens().exists(ScreenId::MakeNewList));
        QCOMPARE(env.read("thelists.dat"),
                 TestEnv::defaultStore() + "<New List>\r\nFran\xe7" "ais\r\nchat\r\ncat\r\nchien\r\ndog\r\ncaf\xe9\r\ncoffee\r\n");
        QCOMPARE(ReadListNames(), (QStringList{"Animals", "Colours", QStringLiteral("Fran\u00e7ais")}));
        QCOMPARE(loaded(QStringLiteral("Fran\u00e7ais")),
                 (QStringList{"chat=cat", "chien=dog", QStringLiteral("caf\u00e9=coffee")}));
    }

    void firstListReplacesTheEmptyMarker()
    {
        TestEnv env("No Lists\r\n");
        registerListEditorScreens(screens());
        Shared.NewListName = "Only";
        auto *make = shown<MakeNewList>(ScreenId::MakeNewList);
        make->TheWord->setText("a");
        make->TheMeaning->setText("b");
        click(make, "Finished");
        QCOMPARE(env.read("thelists.dat"), QByteArray("Only\r\na\r\nb\r\n"));
    }

    void refusedEntriesLeaveTheStoreAlone()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        auto *create = shown<CreateList>(ScreenId::CreateList);
        for (const QString name : {"", "Colours", "No Lists", "<New List>", "\u0141\u00f3d\u017a", "two\nlines"}) {
            create->NewName->setText(name);
            click(create, "OK");
            QVERIFY2(screens().exists(ScreenId::CreateList), qPrintable(name));
        }
        QCOMPARE(env.messages.size(), 5); // the empty name only beeps
        QCOMPARE(env.takeSounds(), QStringList{"beep"});

        Shared.NewListName = "New";
        auto *make = shown<MakeNewList>(ScreenId::MakeNewList);
        env.messages.clear();
        for (const auto &[word, meaning] : {std::pair{"<New List>", "x"}, {"x", "<New List>"}, {"\u20ac", "\u0101"}}) {
            make->TheWord->setText(word);
            make->TheMeaning->setText(meaning);
            click(make, "Add This Word");
            QCOMPARE(make->TheWord->text(), QString(word)); // kept for correcting
        }
        QCOMPARE(env.messages.size(), 3);
        QCOMPARE(make->draft().pairCount(), 0);

        // "Finished" with one box filled keeps it and asks for the other half.
        make->TheWord->setText("half");
        make->TheMeaning->clear();
        env.takeSounds();
        click(make, "Finished");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(make->focusWidget(), make->TheMeaning);
        QCOMPARE(make->TheWord->text(), "half");
        QCOMPARE(env.messages.size(), 3); // no save question

        // The 601st pair is refused with a message.
        for (int i = 0; i < 600; ++i) {
            make->TheWord->setText(QString::number(i));
            make->TheMeaning->setText("m");
            make->Command2_Click();
        }
        make->TheWord->setText("one more");
        make->TheMeaning->setText("m");
        click(make, "Add This Word");
        QVERIFY(env.messages.last().text.contains("600"));
        QCOMPARE(make->draft().pairCount(), 600);
        QCOMPARE(make->TotalWordsLabel->text(), "Total words in this list:  600");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
    }

    void failedSaveKeepsTheTypedList()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        Shared.NewListName = "Kept";
        auto *make = shown<MakeNewList>(ScreenId::MakeNewList);
        make->TheWord->setText("w");
        make->TheMeaning->setText("m");
        textfile::simulateShortWritesForTests(true);
        click(make, "Finished");
        textfile::simulateShortWritesForTests(false);
        QCOMPARE(env.messages.last().title, "Save Failed");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        QVERIFY(screens().exists(ScreenId::MakeNewList));
        QCOMPARE(make->draft().pairCount(), 1);
        click(make, "Finished"); // retry
        QCOMPARE(loaded("Kept"), QStringList{"w=m"});
    }

    void leavingTheCreatorWithoutSaving()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        Shared.NewListName = "Gone";
        auto *make = shown<MakeNewList>(ScreenId::MakeNewList);
        make->TheWord->setText("w");
        make->Return_Click();
        settle();
        click(screens().find(ScreenId::SureForm), "No");
        settle();
        QVERIFY(!screens().exists(ScreenId::SureForm));
        QCOMPARE(make->TheWord->text(), "w");

        // Closing from the title bar with work typed asks: Cancel stays, No discards.
        env.answerNext(MsgAnswer::Cancel);
        make->close();
        QVERIFY(!env.programEnded());
        env.answerNext(MsgAnswer::No);
        make->close();
        QVERIFY(env.programEnded());
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());

        screens().resetForTests();
        make = shown<MakeNewList>(ScreenId::MakeNewList);
        make->Return_Click();
        click(screens().find(ScreenId::SureForm), "Yes");
        settle();
        QVERIFY(!screens().exists(ScreenId::MakeNewList));
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
    }

    void editRenameDeleteEditAddThenDone()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Animals");
        QVERIFY(editor);
        QVERIFY(!screens().exists(ScreenId::EditChooseList));
        QCOMPARE(words(editor), (QStringList{"dog", "cat", "horse"}));
        QCOMPARE(editor->TotalLabel->text(), "Total Words In This List:  3");
        QCOMPARE(editor->DefLabel->text(), "perro");

        // Rename: refused names keep the dialog open, then Enter renames.
        click(editor, "Change List Name");
        auto *rename = screens().find<ChangeListName>(ScreenId::ChangeListName);
        QCOMPARE(rename->TheName->text(), "Animals");
        for (const QString name : {"Colours", "", "No Lists"}) {
            typeAndEnter(rename->TheName, name);
            QVERIFY2(screens().exists(ScreenId::ChangeListName), qPrintable(name));
        }
        typeAndEnter(rename->TheName, "Pets");
        settle();
        QVERIFY(!screens().exists(ScreenId::ChangeListName));
        QCOMPARE(editor->Label1->text(), "Pets");
        QCOMPARE(Shared.CurrentList, "Animals");

        // Delete the selected middle word.
        editor->WordList->setCurrentRow(1);
        QCOMPARE(editor->DefLabel->text(), "gato");
        click(editor, "Delete");
        auto *sure = screens().find<DeletWordSure>(ScreenId::DeletWordSure);
        QCOMPARE(sure->Label1->text(), "Are you sure you want to delete the word 'cat' from this list?");
        click(sure, "Yes");
        settle();
        QCOMPARE(words(editor), (QStringList{"dog", "horse"}));
        QCOMPARE(editor->WordList->currentRow(), 1);
        QCOMPARE(editor->DefLabel->text(), "caballo");

        // Edit it; an empty meaning is refused with a beep.
        click(editor, "Edit");
        auto *edit = screens().find<EditWord>(ScreenId::EditWord);
        QCOMPARE(edit->TheWord->text(), "horse");
        edit->TheMeaning->clear();
        env.takeSounds();
        click(edit, "Done");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(screens().exists(ScreenId::EditWord));
        edit->TheWord->setText("pony");
        typeAndEnter(edit->TheMeaning, "poni");
        settle();
        QCOMPARE(words(editor), (QStringList{"dog", "pony"}));
        QCOMPARE(editor->DefLabel->text(), "poni");

        // Add a word with an accented character from the panel.
        click(editor, "Add");
        auto *add = screens().find<AddWord>(ScreenId::AddWord);
        add->Text1->setText("p");
        click(add, "Foreign Characters...");
        add->panel.LScroll->setValue(225);
        click(add, "Add to word");
        add->Text1->setText(add->Text1->text() + "jaro");
        typeAndEnter(add->Text2, "bird");
        settle();
        QCOMPARE(words(editor), (QStringList{"dog", "pony", QStringLiteral("p\u00e1jaro")}));
        QCOMPARE(editor->WordList->currentRow(), 2);
        QCOMPARE(editor->DefLabel->text(), "bird");
        QCOMPARE(editor->TotalLabel->text(), "Total Words In This List:  3");

        click(editor, "Done");
        settle();
        QVERIFY(!screens().exists(ScreenId::EditList));
        QCOMPARE(env.read("thelists.dat"),
                 QByteArray("Colours\r\nred\r\nrojo\r\nblue\r\nazul\r\n<New List>\r\nPets\r\ndog\r\nperro\r\npony\r\nponi\r\n"
                            "p\xe1jaro\r\nbird\r\n"));
        QCOMPARE(ReadListNames(), (QStringList{"Colours", "Pets"}));
    }

    void cancelledDialogsAndEditorChangeNothing()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Colours");
        // A dialog closes when the editor is clicked, and that cancels it.
        for (const QString caption : {"Delete", "Edit", "Add", "Change List Name"}) {
            click(editor, caption);
            settle();
            QVERIFY(screens().activeScreen() != editor);
            if (auto *edit = screens().find<EditWord>(ScreenId::EditWord))
                edit->TheWord->setText("changed");
            if (auto *add = screens().find<AddWord>(ScreenId::AddWord)) {
                add->Text1->setText("x");
                add->Text2->setText("y");
            }
            screens().activate(ScreenId::EditList);
            settle();
            QCOMPARE(screens().activeScreen(), editor);
        }
        for (ScreenId dialog : {ScreenId::DeletWordSure, ScreenId::EditWord, ScreenId::AddWord, ScreenId::ChangeListName})
            QVERIFY(!screens().exists(dialog));
        QCOMPARE(words(editor), (QStringList{"red", "blue"}));
        QVERIFY(!editor->hasUnsavedChanges());

        // Delete and Edit with nothing selected beep and do nothing.
        editor->WordList->clearSelection();
        env.takeSounds();
        click(editor, "Delete");
        click(editor, "Edit");
        QCOMPARE(env.takeSounds(), (QStringList{"beep", "beep"}));
        QVERIFY(!screens().exists(ScreenId::DeletWordSure) && !screens().exists(ScreenId::EditWord));

        // Changes then Cancel: the store is untouched.
        editor->WordList->setCurrentRow(0);
        click(editor, "Delete");
        click(screens().find(ScreenId::DeletWordSure), "Yes");
        settle();
        QCOMPARE(words(editor), QStringList{"blue"});
        click(editor, "Cancel");
        settle();
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());

        // Done without a change still moves the list to the end.
        editor = openEditor("Animals");
        click(editor, "Done");
        QCOMPARE(ReadListNames(), (QStringList{"Colours", "Animals"}));
        QCOMPARE(loaded("Animals"), (QStringList{"dog=perro", "cat=gato", "horse=caballo"}));
    }

    void oldListOfSevenHundredPairsStaysWhole()
    {
        QStringList lines{"Big"};
        for (int i = 1; i <= 700; ++i)
            lines << QString("w%1").arg(i) << QString("m%1").arg(i);
        lines << "<New List>" << "Small" << "a" << "b";
        TestEnv env(TestEnv::lines(lines));
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Big");
        QCOMPARE(editor->WordList->count(), 700);
        QCOMPARE(editor->TotalLabel->text(), "Total Words In This List:  700");
        click(editor, "Add");
        QVERIFY(!screens().exists(ScreenId::AddWord));
        QVERIFY(env.messages.last().text.contains("600"));

        editor->WordList->setCurrentRow(0);
        click(editor, "Delete");
        click(screens().find(ScreenId::DeletWordSure), "Yes");
        settle();
        click(editor, "Done");
        const QStringList expected = QStringList{"Small", "a", "b", "<New List>", "Big"} + lines.mid(3, 1398);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines(expected));
    }

    void sameNamedListsEditTheChosenOne()
    {
        TestEnv env(TestEnv::lines({"Dup", "first", "1", "<New List>", "Dup", "second", "2"}));
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Dup", 1);
        QCOMPARE(words(editor), QStringList{"second"});
        click(editor, "Change List Name");
        typeAndEnter(screens().find<ChangeListName>(ScreenId::ChangeListName)->TheName, "Dup 2");
        settle();
        click(editor, "Done");
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"Dup", "first", "1", "<New List>", "Dup 2", "second", "2"}));
    }

    void failedEditorSaveIsReportedAndKeepsTheChanges()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Colours");
        click(editor, "Add");
        auto *add = screens().find<AddWord>(ScreenId::AddWord);
        add->Text1->setText("green");
        add->Text2->setText("verde");
        click(add, "Add Word");
        settle();
        textfile::simulateShortWritesForTests(true);
        click(editor, "Done");
        textfile::simulateShortWritesForTests(false);
        QCOMPARE(env.messages.last().title, "Save Failed");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        QVERIFY(screens().exists(ScreenId::EditList));
        QCOMPARE(words(editor), (QStringList{"red", "blue", "green"}));

        // Closing from the title bar asks first; Yes saves, then the program ends.
        env.answerNext(MsgAnswer::Cancel);
        editor->close();
        QVERIFY(!env.programEnded());
        env.answerNext(MsgAnswer::Yes);
        editor->close();
        QVERIFY(env.programEnded());
        QCOMPARE(loaded("Colours"), (QStringList{"red=rojo", "blue=azul", "green=verde"}));
    }

    void emptyStoreShowsAnEmptyChooser()
    {
        TestEnv env("No Lists\r\n");
        registerListEditorScreens(screens());
        auto *chooser = shown<EditChooseList>(ScreenId::EditChooseList);
        QCOMPARE(chooser->TheLists->count(), 0);
        click(chooser, "OK");
        QVERIFY(screens().exists(ScreenId::ChooseAList));
        QVERIFY(screens().exists(ScreenId::EditChooseList));
        settle(); // the reminder beeps once it is painted
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
    }
};

QTEST_MAIN(ListEditorScreensTest)
#include "test_listeditor_screens.moc"
