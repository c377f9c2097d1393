// The teacher's screens driven by the keyboard alone: Tab, Enter and Escape (the quiz by keys: test_quiz_screens).
#include "AllScreens.h"
#include "app/ScreenManager.h"
#include "manage/editor/EditList.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTest>

namespace {

void type(const QString &text)
{
    QTest::keyClicks(focused(), text);
}

bool shown(ScreenId id)
{
    return screens().isShown(id);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // One visit: the password screens, then the editor's dialogs and a new
    // list, each left by Escape without saving anything.
    void teacherScreensByKeys()
    {
        TestEnv env;
        registerAllScreens(screens());
        screens().show(ScreenId::First);
        screens().show(ScreenId::PasswordForm);
        settle();
        type("OPEN");
        press(Qt::Key_Escape);
        QVERIFY(!shown(ScreenId::PasswordForm) && shown(ScreenId::First));

        screens().show(ScreenId::PasswordForm);
        settle();
        QVERIFY(qobject_cast<QLineEdit *>(focused()));
        static_cast<QLineEdit *>(focused())->clear(); // Cancel only hid the screen with what was typed
        type("opendoor");
        press(Qt::Key_Enter);
        QVERIFY(shown(ScreenId::Manager));

        // Manager: down the first column to Change Password's column.
        QCOMPARE(focusedCaption(), QString("Create New Word List"));
        press(Qt::Key_Tab, 3);
        QCOMPARE(focusedCaption(), QString("Change Password"));
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::ChangePassword));
        type("OPENDOOR");
        press(Qt::Key_Tab);
        type("lemon");
        press(Qt::Key_Escape);
        QVERIFY(!screens().exists(ScreenId::ChangePassword));
        QCOMPARE(env.read("lsdata.dat"), QByteArray("OPENDOOR\r\nx\r\nSound On\r\n"));
        QVERIFY(shown(ScreenId::Manager));

        // Back up to the editor's button; Enter on a list opens it.
        press(Qt::Key_Backtab, 2);
        QCOMPARE(focusedCaption(), QString("View / Edit Word List"));
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::EditChooseList));
        press(Qt::Key_Down);
        press(Qt::Key_Up); // Animals
        press(Qt::Key_Return);
        auto *editor = screens().find<EditList>(ScreenId::EditList);
        QVERIFY(editor && shown(ScreenId::EditList));
        QCOMPARE(focused(), editor->WordList);
        press(Qt::Key_Down); // cat
        // Enter on a word edits it; Escape leaves the word as it was.
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::EditWord));
        type("s");
        press(Qt::Key_Escape);
        QVERIFY(!screens().exists(ScreenId::EditWord));
        QCOMPARE(editor->WordList->item(1)->text(), QString("cat"));
        QVERIFY(!editor->hasUnsavedChanges());

        // Delete by keys, Escape answers No.
        editor->WordList->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), QString("Delete"));
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::DeletWordSure));
        press(Qt::Key_Escape);
        QVERIFY(!screens().exists(ScreenId::DeletWordSure));
        QCOMPARE(editor->WordList->count(), 3);

        // A word added: Enter in the word box does nothing, Tab goes on to
        // the meaning, where Enter adds.
        editor->WordList->setFocus();
        press(Qt::Key_Tab, 3);
        QCOMPARE(focusedCaption(), QString("Add"));
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::AddWord));
        type("cow");
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::AddWord));
        press(Qt::Key_Tab);
        type("vaca");
        press(Qt::Key_Return);
        QVERIFY(!screens().exists(ScreenId::AddWord));
        QCOMPARE(editor->WordList->count(), 4);
        QVERIFY(editor->hasUnsavedChanges());

        // Escape on the editor would drop the change: it asks first. Cancel
        // stays; No leaves without saving.
        env.answerNext(MsgAnswer::Cancel);
        press(Qt::Key_Escape);
        QCOMPARE(env.messages.last().title, QString("Save?"));
        QVERIFY(shown(ScreenId::EditList));
        env.answerNext(MsgAnswer::No);
        press(Qt::Key_Escape);
        QVERIFY(!screens().exists(ScreenId::EditList));
        QVERIFY(shown(ScreenId::Manager));

        // A new list by keys; Escape asks through its question.
        QCOMPARE(focusedCaption(), QString("Create New Word List"));
        press(Qt::Key_Return);
        type("Fruit");
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::MakeNewList));
        type("apple");
        press(Qt::Key_Escape);
        QVERIFY(shown(ScreenId::SureForm));
        press(Qt::Key_Escape); // No: the list stays
        QVERIFY(!screens().exists(ScreenId::SureForm));
        QVERIFY(shown(ScreenId::MakeNewList));
        press(Qt::Key_Escape);
        QVERIFY(shown(ScreenId::SureForm));
        QCOMPARE(focusedCaption(), QString("No"));
        press(Qt::Key_Tab); // round to Yes: leave without saving
        QCOMPARE(focusedCaption(), QString("Yes"));
        press(Qt::Key_Return);
        QVERIFY(!screens().exists(ScreenId::MakeNewList));
        QVERIFY(shown(ScreenId::Manager));
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
