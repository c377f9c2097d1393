// links: lingo_manage
#include "app/ClickLabel.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"
#include "manage/ManageScreens.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace {

QListWidget *theLists(Screen *screen)
{
    return screen->findChild<QListWidget *>();
}

bool confirming(Screen *screen)
{
    return labelShown(screen, "Are you sure you want to permenantly delete this list?") && shownButton(screen, "Yes")
        && shownButton(screen, "No") && !shownButton(screen, "Delete") && !shownButton(screen, "Finished");
}

// Deletes the list in `row` through the screen: select, Delete, Yes.
void deleteRow(Screen *screen, int row)
{
    theLists(screen)->setCurrentRow(row);
    click(screen, "Delete");
    click(screen, "Yes");
}

ClickLabel *choiceLabel(Screen *screen, const QString &start)
{
    for (auto *label : screen->findChildren<ClickLabel *>())
        if (label->text().startsWith(start))
            return label;
    return nullptr;
}

QRadioButton *choice(Screen *screen, const QString &start)
{
    for (auto *button : screen->findChildren<QRadioButton *>())
        if (button->accessibleName().startsWith(start))
            return button;
    return nullptr;
}

void fillPasswordChange(Screen *change, const QString &old, const QString &next)
{
    const auto boxes = change->findChildren<QLineEdit *>();
    QCOMPARE(boxes.size(), 3);
    QTest::keyClicks(boxes[0], old);
    QTest::keyClicks(boxes[1], next);
    QTest::keyClicks(boxes[2], next);
}

} // namespace

class ManageListsTest : public QObject {
    Q_OBJECT

private slots:
    void deletingThroughTheScreenThenBackToTheStart()
    {
        // Two lists named alike: the one in the chosen row goes.
        const QByteArray store = TestEnv::lines(
            {"A", "a1", "m1", "a2", "m2", "<New List>", "A", "b1", "n1", "<New List>", "C", "c1", "o1"});
        TestEnv env(store);
        registerManageScreens(screens());
        screens().show(ScreenId::Manager);
        click(screens().find(ScreenId::Manager), "Delete Word List");
        settle();
        Screen *screen = screens().find(ScreenId::DeleteList);
        QCOMPARE(rows(theLists(screen)), (QStringList{"A", "A", "C"}));

        click(screen, "Delete"); // nothing chosen: only a reminder
        QVERIFY(screens().isShown(ScreenId::ChooseAList));
        QVERIFY(env.takeSounds().isEmpty() && !confirming(screen));
        screens().close(ScreenId::ChooseAList);

        theLists(screen)->setCurrentRow(1);
        click(screen, "Delete");
        QVERIFY(confirming(screen));
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        click(screen, "No");
        QVERIFY(!confirming(screen));
        QCOMPARE(env.read("thelists.dat"), store);

        // A disk that takes only part of the data: the file, the box and the
        // question stay, and the same choice goes through once it is back.
        click(screen, "Delete");
        textfile::simulateShortWritesForTests(true);
        click(screen, "Yes");
        textfile::simulateShortWritesForTests(false);
        QCOMPARE(env.read("thelists.dat"), store);
        QCOMPARE(rows(theLists(screen)), (QStringList{"A", "A", "C"}));
        QVERIFY(confirming(screen));
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("thelists.dat"));
        click(screen, "Yes");
        QVERIFY(!confirming(screen));
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"A", "a1", "m1", "a2", "m2", "<New List>", "C", "c1", "o1"}));
        QCOMPARE(rows(theLists(screen)), (QStringList{"A", "C"}));
        QVERIFY(theLists(screen)->selectedItems().isEmpty());

        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"C", "c1", "o1"}));
        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
        QCOMPARE(theLists(screen)->count(), 0);
        click(screen, "Finished");
        settle();

        // Opened again on the empty store: its marker shown, never deleted.
        click(screens().find(ScreenId::Manager), "Delete Word List");
        screen = screens().find(ScreenId::DeleteList);
        QCOMPARE(rows(theLists(screen)), QStringList{"No Lists"});
        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
        screen->close(); // the title bar's close acts as Finished
        settle();
        QVERIFY(!screens().exists(ScreenId::DeleteList));
        click(screens().find(ScreenId::Manager), "Quit List Management");
        settle();
        Screen *first = screens().find(ScreenId::First);
        QVERIFY(first && first->isVisible());
        QVERIFY(labelShown(first, "No Lists Available!"));
        QVERIFY(env.messages.size() == 1 && !env.programEnded());
    }

    void soundDefaultTakesEffectFromTheMainMenu()
    {
        TestEnv env(TestEnv::defaultStore(), "pw\r\nx\r\nsound off\r\n");
        registerManageScreens(screens());
        Shared.SoundFlag = 1;
        screens().show(ScreenId::Manager);
        click(screens().find(ScreenId::Manager), "Sound Options");
        Screen *dialog = screens().find(ScreenId::SoundOptions);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(choice(dialog, "Sound is  ON")->isChecked()); // a line other than "Sound Off" reads as on
        QTest::mouseClick(choiceLabel(dialog, "Sound is  OFF"), Qt::LeftButton);
        click(dialog, "Save");
        settle();
        QCOMPARE(env.read("lsdata.dat"), "pw\r\nx\r\nSound Off\r\n");
        QVERIFY(!screens().exists(ScreenId::SoundOptions));
        QVERIFY(screens().isActive(ScreenId::Manager));
        QCOMPARE(Shared.SoundFlag, 1); // the games take it from the next main menu on

        click(screens().find(ScreenId::Manager), "Quit List Management");
        settle();
        QVERIFY(screens().isShown(ScreenId::First));
        QCOMPARE(Shared.SoundFlag, 0);
    }

    void leftDialogsWriteNothing_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<bool>("byCancel");
        QTest::addRow("sound options, Cancel") << int(ScreenId::SoundOptions) << true;
        QTest::addRow("sound options, menu clicked") << int(ScreenId::SoundOptions) << false;
        QTest::addRow("password change, menu clicked") << int(ScreenId::ChangePassword) << false;
    }

    void leftDialogsWriteNothing()
    {
        QFETCH(int, dialog);
        QFETCH(bool, byCancel);
        const ScreenId id = ScreenId(dialog);
        TestEnv env;
        registerManageScreens(screens());
        screens().show(ScreenId::Manager);
        Screen *screen = screens().show(id);
        settle();
        if (id == ScreenId::SoundOptions)
            QTest::mouseClick(choiceLabel(screen, "Sound is  OFF"), Qt::LeftButton);
        else
            fillPasswordChange(screen, "OPENDOOR", "lemon");
        if (byCancel)
            click(screen, "Cancel");
        else
            screens().activate(ScreenId::Manager);
        settle();
        QVERIFY(!screens().exists(id));
        QCOMPARE(env.read("lsdata.dat"), "OPENDOOR\r\nx\r\nSound On\r\n");
        screen = screens().show(id); // afresh
        if (id == ScreenId::SoundOptions)
            QVERIFY(choice(screen, "Sound is  ON")->isChecked());
        else
            QCOMPARE(screen->findChildren<QLineEdit *>().first()->text(), QString());
        QVERIFY(!env.programEnded());
    }

    // A disk that takes only part of the data (the store tests fail saves in
    // the other ways; the teacher's saves test a read-only folder).
    void failedPasswordSaveKeepsTheFileAndTheScreen()
    {
        const QByteArray settings = "pw\r\nx\r\nSound On\r\n";
        TestEnv env(TestEnv::defaultStore(), settings);
        registerManageScreens(screens());
        Screen *change = screens().show(ScreenId::ChangePassword);
        fillPasswordChange(change, "pw", "lemon");
        env.takeSounds();
        textfile::simulateShortWritesForTests(true);
        click(change, "OK");
        textfile::simulateShortWritesForTests(false);
        QCOMPARE(env.read("lsdata.dat"), settings);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("lsdata.dat"));
        QVERIFY(!labelShown(change, "Password Change Successful!"));
        QCOMPARE(change->findChildren<QLineEdit *>()[1]->text(), "lemon");
        QCOMPARE(Shared.NewPassword, "pw");
        QVERIFY(env.takeSounds().isEmpty()); // a refused save is never taken for a done change
    }

    void managerHandsOverAndEnds()
    {
        TestEnv env;
        registerManageScreens(screens());
        // The list editor's screens are someone else's; a bare screen stands in for them.
        screens().registerScreen(ScreenId::CreateList, [] { return new Screen(ScreenId::CreateList); });
        Screen *menu = screens().show(ScreenId::Manager);
        click(menu, "Create New Word List");
        settle();
        QVERIFY(screens().isShown(ScreenId::CreateList));
        QVERIFY(!screens().exists(ScreenId::Manager));
        screens().close(ScreenId::CreateList);

        // Not registered: the menu stays rather than leaving no window.
        menu = screens().show(ScreenId::Manager);
        click(menu, "View / Edit Word List");
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
        QVERIFY(!env.programEnded());
        menu->close();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(ManageListsTest)
#include "test_manage_lists.moc"
