// links: lingo_listeditor
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"
#include "manage/editor/AddWord.h"
#include "manage/editor/ChangeListName.h"
#include "manage/editor/CreateList.h"
#include "manage/editor/EditChooseList.h"
#include "manage/editor/EditList.h"
#include "manage/editor/EditWord.h"
#include "manage/editor/ListEditorScreens.h"
#include "manage/editor/MakeNewList.h"
#include "support/TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

void typeAndEnter(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

template <class T> T *shown(ScreenId id)
{
    return qobject_cast<T *>(screens().show(id));
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

void confirmWordDeletion(EditList *editor, int row)
{
    editor->WordList->setCurrentRow(row);
    click(editor, "Delete");
    click(screens().find(ScreenId::DeletWordSure), "Yes");
    settle();
}

} // namespace

class ListEditorScreensTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { textfile::simulateShortWritesForTests(false); }

    void newListByKeyboardAndPanelIsSavedOnce()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        auto *create = shown<CreateList>(ScreenId::CreateList);
        create->NewName->setText("Colours"); // taken: refused, the dialog stays
        click(create, "OK");
        QCOMPARE(env.messages.size(), 1);
        create->NewName->setText(QStringLiteral("Fran\u00e7ais"));
        QTest::keyClick(create->NewName, Qt::Key_Return);
        settle();
        QVERIFY(!screens().exists(ScreenId::CreateList));
        auto *make = screens().find<MakeNewList>(ScreenId::MakeNewList);
        QVERIFY(make);
        QCOMPARE(make->ListNameLabel->text(), QStringLiteral("Fran\u00e7ais"));

        // Word, Enter, meaning, Enter (focus on "Add This Word"), Enter adds.
        for (const auto &[word, meaning] : {std::pair{"chat", "cat"}, {"chien", "dog"}}) {
            typeAndEnter(make->TheWord, word);
            QCOMPARE(make->focusWidget(), make->TheMeaning);
            typeAndEnter(make->TheMeaning, meaning);
            QCOMPARE(make->focusWidget(), make->Command2);
            QTest::keyClick(make->Command2, Qt::Key_Return);
            QCOMPARE(make->focusWidget(), make->TheWord);
        }
        make->TheWord->setText("<New List>"); // refused, kept for correcting
        make->TheMeaning->setText("x");
        click(make, "Add This Word");
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(make->TheWord->text(), "<New List>");
        make->TheMeaning->clear();

        // The accented panel: 233 is e acute, appended wherever the caret is.
        click(make, "Foreign Characters...");
        QVERIFY(!make->panel.Frame1->isHidden());
        make->TheWord->setText("caf");
        make->TheWord->setCursorPosition(0);
        make->panel.LScroll->setValue(233);
        QCOMPARE(make->panel.CharLabel->text(), QStringLiteral("\u00e9"));
        click(make, "Add to word");
        QCOMPARE(make->TheWord->text(), QStringLiteral("caf\u00e9"));
        QCOMPARE(make->TotalWordsLabel->text(), "Total words in this list:  2");
        QCOMPARE(make->WordLabel->text(), "Word Number:  3");

        // "Finished" with one box filled asks for the other half.
        env.takeSounds();
        click(make, "Finished");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(make->focusWidget(), make->TheMeaning);
        QCOMPARE(env.messages.size(), 2);

        // Then it adds the typed pair; No keeps it.
        make->TheMeaning->setText("coffee");
        env.answerNext(MsgAnswer::No);
        click(make, "Finished");
        QCOMPARE(env.messages.last().text, "Are you sure you want to save this list?");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());

        // A failed save keeps the list. Closing from the title bar asks
        // first: Cancel stays, Yes saves it once, then the program ends.
        textfile::simulateShortWritesForTests(true);
        click(make, "Finished");
        textfile::simulateShortWritesForTests(false);
        QCOMPARE(env.messages.last().title, "Save Failed");
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        env.answerNext(MsgAnswer::Cancel);
        make->close();
        QVERIFY(make->isVisible() && !env.programEnded());
        make->close();
        QVERIFY(env.programEnded());
        QCOMPARE(env.read("thelists.dat"),
                 TestEnv::defaultStore() + "<New List>\r\nFran\xe7" "ais\r\nchat\r\ncat\r\nchien\r\ndog\r\ncaf\xe9\r\ncoffee\r\n");
    }

    void emptyStoreChooserIsEmptyAndClosingTheCreatorWithNoDiscards()
    {
        TestEnv env("No Lists\r\n");
        registerListEditorScreens(screens());
        QCOMPARE(shown<EditChooseList>(ScreenId::EditChooseList)->TheLists->count(), 0);
        screens().close(ScreenId::EditChooseList);
        Shared.NewListName = "Gone";
        auto *make = shown<MakeNewList>(ScreenId::MakeNewList);
        make->TheWord->setText("w");
        env.answerNext(MsgAnswer::No);
        make->close();
        QVERIFY(env.programEnded());
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
    }

    void editorShowsEachChangeAtOnceAndDoneSaves()
    {
        TestEnv env(TestEnv::lines({"Dup", "x", "y", "<New List>", "Dup", "dog", "perro", "cat", "gato", "horse", "caballo"}));
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Dup", 1); // the second of two lists named alike
        QVERIFY(editor && !screens().exists(ScreenId::EditChooseList));
        QCOMPARE(rows(editor->WordList), (QStringList{"dog", "cat", "horse"}));
        QCOMPARE(editor->TotalLabel->text(), "Total Words In This List:  3");
        QCOMPARE(editor->DefLabel->text(), "perro");

        click(editor, "Change List Name");
        typeAndEnter(screens().find<ChangeListName>(ScreenId::ChangeListName)->TheName, "Pets");
        settle();
        QVERIFY(!screens().exists(ScreenId::ChangeListName));
        QCOMPARE(editor->Label1->text(), "Pets");

        confirmWordDeletion(editor, 1);
        QCOMPARE(rows(editor->WordList), (QStringList{"dog", "horse"}));
        QCOMPARE(editor->DefLabel->text(), "caballo");

        click(editor, "Edit");
        auto *edit = screens().find<EditWord>(ScreenId::EditWord);
        QCOMPARE(edit->TheWord->text(), "horse");
        edit->TheWord->setText("pony");
        typeAndEnter(edit->TheMeaning, "poni");
        settle();
        QCOMPARE(rows(editor->WordList), (QStringList{"dog", "pony"}));
        QCOMPARE(editor->DefLabel->text(), "poni");

        click(editor, "Add");
        auto *add = screens().find<AddWord>(ScreenId::AddWord);
        add->Text1->setText("p");
        click(add, "Foreign Characters...");
        add->panel.LScroll->setValue(225);
        click(add, "Add to word");
        add->Text1->setText(add->Text1->text() + "jaro");
        typeAndEnter(add->Text2, "bird");
        settle();
        QCOMPARE(rows(editor->WordList), (QStringList{"dog", "pony", QStringLiteral("p\u00e1jaro")}));
        QCOMPARE(editor->WordList->currentRow(), 2);
        QCOMPARE(editor->TotalLabel->text(), "Total Words In This List:  3");

        click(editor, "Done");
        settle();
        QVERIFY(!screens().exists(ScreenId::EditList));
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"Dup", "x", "y", "<New List>", "Pets", "dog", "perro", "pony",
                                                           "poni"}) + "p\xe1jaro\r\nbird\r\n");
    }

    void cancelledDialogsChangeNothing()
    {
        TestEnv env;
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Colours");
        // A dialog closes when the editor is clicked, and that cancels it.
        for (const QString caption : {"Delete", "Edit", "Add", "Change List Name"}) {
            click(editor, caption);
            settle();
            QVERIFY(screens().activeScreen() != editor);
            screens().activate(ScreenId::EditList);
            settle();
            QCOMPARE(screens().activeScreen(), editor);
        }
        QCOMPARE(rows(editor->WordList), (QStringList{"red", "blue"}));
        QVERIFY(!editor->hasUnsavedChanges());

        editor->WordList->clearSelection(); // Delete and Edit with nothing chosen only beep
        env.takeSounds();
        click(editor, "Delete");
        click(editor, "Edit");
        QCOMPARE(env.takeSounds(), (QStringList{"beep", "beep"}));
        QVERIFY(!screens().exists(ScreenId::DeletWordSure) && !screens().exists(ScreenId::EditWord));
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
        click(editor, "Add");
        QVERIFY(!screens().exists(ScreenId::AddWord));
        QVERIFY(env.messages.last().text.contains("600"));

        confirmWordDeletion(editor, 0);
        click(editor, "Done");
        const QStringList expected = QStringList{"Small", "a", "b", "<New List>", "Big"} + lines.mid(3, 1398);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines(expected));
    }
};

QTEST_MAIN(ListEditorScreensTest)
#include "test_listeditor_screens.moc"
