// Screens driven by the keyboard alone: Tab, arrows, Enter and Escape.
#include "AllScreens.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "manage/editor/EditList.h"
#include "manage/editor/EditorHandOver.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

// The control the keyboard reaches: the focus of the active screen.
QWidget *focused()
{
    Screen *screen = screens().activeScreen();
    if (!screen)
        qFatal("no active screen");
    return screen->focusWidget() ? screen->focusWidget() : screen;
}

void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(focused(), key);
        settle();
    }
}

void type(const QString &text)
{
    QTest::keyClicks(focused(), text);
}

QString focusedCaption()
{
    QWidget *w = focused();
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty())
        return button->text();
    return w->accessibleName();
}

bool shown(ScreenId id)
{
    return screens().isShown(id);
}

const QByteArray Store = TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "<New List>",
                                         "Colours", "red", "rojo", "blue", "azul", "green", "verde", "white",
                                         "blanco"});

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void mainMenuToQuizAndAnAnswerByKeys()
    {
        TestEnv env(Store, "pw\r\nx\r\nSound Off\r\n");
        registerAllScreens(screens());
        screens().show(ScreenId::First);
        settle();
        QCOMPARE(focusedCaption(), QString("Flash Cards"));
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), QString("Quiz Me!"));
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::QuizOptions));

        // The list has the focus; down and back up picks its first list.
        auto *lists = screens().find(ScreenId::QuizOptions)->findChild<QListWidget *>("TheLists");
        QCOMPARE(focused(), lists);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(lists->selectedItems().size(), 1);
        QCOMPARE(lists->selectedItems().first()->text(), QString("Animals"));
        // Tab to the number of questions; the up arrow raises it.
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), QString("How many questions?"));
        press(Qt::Key_Up, 2);
        auto *count = screens().find(ScreenId::QuizOptions)->findChild<QLabel *>("QuestionLabel");
        QCOMPARE(count->text(), QString(" 12"));
        press(Qt::Key_Down, 9);
        QCOMPARE(count->text(), QString(" 3"));
        // Tab to the kinds of question, Space picks one; Enter on it presses
        // Begin!, the screen's default button.
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), QString("Quiz me on Words"));
        press(Qt::Key_Space);
        QVERIFY(static_cast<QAbstractButton *>(focused())->isChecked());
        press(Qt::Key_Return);
        QVERIFY(shown(ScreenId::Quiz));
        QCOMPARE(Shared.QuizType, std::int16_t(1));

        // An answer by Enter, then Enter on Next Question: three questions.
        for (int question = 1; question <= 3; ++question) {
            QCOMPARE(focusedCaption(), QString("A"));
            press(Qt::Key_Tab, question - 1); // B, C
            press(Qt::Key_Return);
            QCOMPARE(Shared.ChosenAnswer, std::int16_t(question));
            QCOMPARE(focusedCaption(), QString("Next Question"));
            press(Qt::Key_Return);
        }
        QVERIFY(shown(ScreenId::summary));
        press(Qt::Key_Return); // its OK
        QVERIFY(shown(ScreenId::First));
    }

    void escapeCancelsThePasswordScreens()
    {
        TestEnv env(Store, "OPENDOOR\r\nx\r\nSound On\r\n");
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
        static_cast<QLineEdit *>(focused())->clear();
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
    }

    void editorDialogsByKeys()
    {
        TestEnv env(Store);
        registerAllScreens(screens());
        Shared.CurrentList = QStringLiteral("Animals");
        listEditorChoice() = {Shared.CurrentList, 0};
        auto *editor = qobject_cast<EditList *>(screens().show(ScreenId::EditList));
        QVERIFY(editor);
        settle();
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
        const QByteArray before = env.read("thelists.dat");
        env.answerNext(MsgAnswer::Cancel);
        press(Qt::Key_Escape);
        QCOMPARE(env.messages.last().title, QString("Save?"));
        QVERIFY(shown(ScreenId::EditList));
        env.answerNext(MsgAnswer::No);
        press(Qt::Key_Escape);
        QVERIFY(!screens().exists(ScreenId::EditList));
        QVERIFY(shown(ScreenId::Manager));
        QCOMPARE(env.read("thelists.dat"), before);
    }

    void newListEscapeAsksThroughItsQuestion()
    {
        TestEnv env(Store);
        registerAllScreens(screens());
        Shared.NewListName = QStringLiteral("Fruit");
        screens().show(ScreenId::MakeNewList);
        settle();
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
        QCOMPARE(env.read("thelists.dat"), Store);
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
