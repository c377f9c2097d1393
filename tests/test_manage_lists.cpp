// links: lingo_manage
#include "app/ClickLabel.h"
#include "app/First.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"
#include "manage/ManageScreens.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QByteArray threeLists = TestEnv::lines(
    {"A", "a1", "m1", "a2", "m2", "<New List>", "B", "b1", "n1", "<New List>", "C", "c1", "o1"});

QPushButton *shownButton(Screen *screen, const QString &caption)
{
    if (!screen)
        return nullptr;
    for (auto *b : screen->findChildren<QPushButton *>())
        if (b->text() == caption && !b->isHidden())
            return b;
    return nullptr;
}

void click(Screen *screen, const QString &caption)
{
    QPushButton *button = shownButton(screen, caption);
    QVERIFY2(button, qPrintable(caption));
    QTest::mouseClick(button, Qt::LeftButton);
}

bool labelShown(Screen *screen, const QString &text)
{
    for (auto *label : screen->findChildren<QLabel *>())
        if (label->text() == text && !label->isHidden())
            return true;
    return false;
}

QStringList rows(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

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

// Makes the next saves fail the way they do for real: the program folder
// gone from under the writer, or a disk that takes only part of the data.
class BrokenDisk {
public:
    BrokenDisk(const TestEnv &env, bool folderGone)
        : m_folder(QFileInfo(env.path("lsdata.dat")).absolutePath()), m_folderGone(folderGone)
    {
        if (m_folderGone)
            QDir().rename(m_folder, m_folder + "-away");
        else
            textfile::simulateShortWritesForTests(true);
    }
    ~BrokenDisk()
    {
        if (m_folderGone)
            QDir().rename(m_folder + "-away", m_folder);
        else
            textfile::simulateShortWritesForTests(false);
    }

private:
    QString m_folder;
    bool m_folderGone;
};

} // namespace

class ManageListsTest : public QObject {
    Q_OBJECT

private slots:
    void deletingThroughTheScreen()
    {
        TestEnv env(threeLists);
        registerManageScreens(screens());
        Screen *screen = screens().show(ScreenId::DeleteList);
        QCOMPARE(rows(theLists(screen)), (QStringList{"A", "B", "C"}));

        click(screen, "Delete");
        QVERIFY(screens().isShown(ScreenId::ChooseAList));
        QVERIFY(env.takeSounds().isEmpty());
        QVERIFY(!confirming(screen));
        screens().close(ScreenId::ChooseAList);

        theLists(screen)->setCurrentRow(1);
        click(screen, "Delete");
        QVERIFY(confirming(screen));
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        click(screen, "No");
        QVERIFY(!confirming(screen));
        QCOMPARE(env.read("thelists.dat"), threeLists);

        click(screen, "Delete");
        click(screen, "Yes");
        QVERIFY(!confirming(screen));
        QCOMPARE(env.read("thelists.dat"),
                 TestEnv::lines({"A", "a1", "m1", "a2", "m2", "<New List>", "C", "c1", "o1"}));
        QCOMPARE(rows(theLists(screen)), (QStringList{"A", "C"}));
        QVERIFY(theLists(screen)->selectedItems().isEmpty());

        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"C", "c1", "o1"}));
        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
        QCOMPARE(theLists(screen)->count(), 0);

        click(screen, "Finished");
        settle();
        QVERIFY(!screens().exists(ScreenId::DeleteList));
        QVERIFY(screens().isShown(ScreenId::Manager));
        QVERIFY(env.messages.isEmpty());
    }

    void sameNamedListsAreDeletedByPosition()
    {
        const QByteArray twins = TestEnv::lines({"Twins", "one", "1", "<New List>", "Twins", "two", "2"});
        TestEnv env(twins);
        registerManageScreens(screens());
        Screen *screen = screens().show(ScreenId::DeleteList);
        deleteRow(screen, 1);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"Twins", "one", "1"}));
        QCOMPARE(rows(theLists(screen)), QStringList{"Twins"});

        TestEnv again(twins);
        registerManageScreens(screens());
        screen = screens().show(ScreenId::DeleteList);
        deleteRow(screen, 0);
        QCOMPARE(again.read("thelists.dat"), TestEnv::lines({"Twins", "two", "2"}));
    }

    void emptyStoreShowsNoListsAndStaysEmpty()
    {
        TestEnv env("No Lists\r\n");
        registerManageScreens(screens());
        Screen *screen = screens().show(ScreenId::DeleteList);
        QCOMPARE(rows(theLists(screen)), QStringList{"No Lists"});
        deleteRow(screen, 0);
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
    }

    void soundDefaultIsWrittenAndReadAtTheNextMainMenu()
    {
        TestEnv env(TestEnv::defaultStore(), "pw\r\nkept \xe9\r\nSound On\r\nmore\r\n");
        registerManageScreens(screens());
        Shared.SoundFlag = 1;
        screens().show(ScreenId::Manager);
        click(screens().find(ScreenId::Manager), "Sound Options");
        Screen *dialog = screens().find(ScreenId::SoundOptions);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(choice(dialog, "Sound is  ON")->isChecked());

        QTest::mouseClick(choiceLabel(dialog, "Sound is  OFF"), Qt::LeftButton);
        QVERIFY(choice(dialog, "Sound is  OFF")->isChecked());
        QVERIFY(!choice(dialog, "Sound is  ON")->isChecked());
        click(dialog, "Save");
        settle();
        QCOMPARE(env.read("lsdata.dat"), QByteArray("pw\r\nkept \xe9\r\nSound Off\r\nmore\r\n"));
        QVERIFY(!screens().exists(ScreenId::SoundOptions));
        QVERIFY(screens().isActive(ScreenId::Manager));
        QCOMPARE(Shared.SoundFlag, 1);

        click(screens().find(ScreenId::Manager), "Quit List Management");
        settle();
        QVERIFY(!screens().exists(ScreenId::Manager));
        QVERIFY(screens().isShown(ScreenId::First));
        QCOMPARE(Shared.SoundFlag, 0);
        QVERIFY(!env.programEnded());
    }

    void soundOptionsWithOddOrShortFiles()
    {
        TestEnv env(TestEnv::defaultStore(), "pw\r\nx\r\nsound off\r\n");
        registerManageScreens(screens());
        Screen *dialog = screens().show(ScreenId::SoundOptions);
        QVERIFY(choice(dialog, "Sound is  ON")->isChecked());
        click(dialog, "Save");
        QCOMPARE(env.read("lsdata.dat"), QByteArray("pw\r\nx\r\nSound On\r\n"));

        env.write("lsdata.dat", "pw\r\n");
        dialog = screens().show(ScreenId::SoundOptions);
        QTest::mouseClick(choice(dialog, "Sound is  OFF"), Qt::LeftButton);
        click(dialog, "Save");
        QCOMPARE(env.read("lsdata.dat"), QByteArray("pw\r\n\r\nSound Off\r\n"));

        // Cancel, and a click on the menu behind, leave the file alone.
        screens().show(ScreenId::Manager);
        dialog = screens().show(ScreenId::SoundOptions);
        QVERIFY(choice(dialog, "Sound is  OFF")->isChecked());
        QTest::mouseClick(choiceLabel(dialog, "Sound is  ON"), Qt::LeftButton);
        click(dialog, "Cancel");
        settle();
        QVERIFY(!screens().exists(ScreenId::SoundOptions));
        dialog = screens().show(ScreenId::SoundOptions);
        settle();
        QTest::mouseClick(choiceLabel(dialog, "Sound is  ON"), Qt::LeftButton);
        screens().activate(ScreenId::Manager);
        settle();
        QVERIFY(!screens().exists(ScreenId::SoundOptions));
        QCOMPARE(env.read("lsdata.dat"), QByteArray("pw\r\n\r\nSound Off\r\n"));
    }

    void failedSavesKeepTheFilesAndTheScreens_data()
    {
        QTest::addColumn<bool>("folderGone");
        QTest::addRow("program folder gone") << true;
        QTest::addRow("disk full") << false;
    }

    void failedSavesKeepTheFilesAndTheScreens()
    {
        QFETCH(bool, folderGone);
        const QByteArray settings = "pw\r\nx\r\nSound On\r\n";
        TestEnv env(TestEnv::defaultStore(), settings);
        registerManageScreens(screens());

        Screen *deletion = screens().show(ScreenId::DeleteList);
        theLists(deletion)->setCurrentRow(0);
        click(deletion, "Delete");
        env.takeSounds();
        {
            BrokenDisk broken(env, folderGone);
            click(deletion, "Yes");
        }
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        QCOMPARE(rows(theLists(deletion)), (QStringList{"Animals", "Colours"}));
        QVERIFY(confirming(deletion));
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("thelists.dat"));
        click(deletion, "Yes"); // the disk is back: the same choice goes through
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"Colours", "red", "rojo", "blue", "azul"}));
        screens().close(ScreenId::DeleteList);

        Screen *sound = screens().show(ScreenId::SoundOptions);
        QTest::mouseClick(choice(sound, "Sound is  OFF"), Qt::LeftButton);
        {
            BrokenDisk broken(env, folderGone);
            click(sound, "Save");
        }
        QCOMPARE(env.read("lsdata.dat"), settings);
        QVERIFY(screens().isShown(ScreenId::SoundOptions));
        QVERIFY(choice(sound, "Sound is  OFF")->isChecked());
        QCOMPARE(env.messages.size(), 2);
        QVERIFY(env.messages[1].text.contains("lsdata.dat"));
        screens().close(ScreenId::SoundOptions);

        Screen *change = screens().show(ScreenId::ChangePassword);
        auto boxes = change->findChildren<QLineEdit *>();
        QCOMPARE(boxes.size(), 3);
        QTest::keyClicks(boxes[0], "pw");
        QTest::keyClicks(boxes[1], "lemon");
        QTest::keyClicks(boxes[2], "lemon");
        {
            BrokenDisk broken(env, folderGone);
            click(change, "OK");
        }
        QCOMPARE(env.read("lsdata.dat"), settings);
        QCOMPARE(env.messages.size(), 3);
        QVERIFY(!labelShown(change, "Password Change Successful!"));
        QCOMPARE(boxes[1]->text(), "lemon");
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

        // Not built yet: the menu stays rather than leaving no window.
        menu = screens().show(ScreenId::Manager);
        click(menu, "View / Edit Word List");
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));

        click(menu, "Delete Word List");
        settle();
        QVERIFY(screens().isShown(ScreenId::DeleteList));
        QVERIFY(!screens().exists(ScreenId::Manager));
        screens().find(ScreenId::DeleteList)->close(); // the title bar's close acts as Finished
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
        QVERIFY(!env.programEnded());

        screens().find(ScreenId::Manager)->close();
        QVERIFY(env.programEnded());
    }

    void aTeacherVisitThroughTheScreens()
    {
        TestEnv env(TestEnv::defaultStore(), "Lemon\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        auto *first = qobject_cast<First *>(screens().show(ScreenId::First));
        first->Manage_Click();
        QLineEdit *password = screens().find(ScreenId::PasswordForm)->findChild<QLineEdit *>();
        QTest::keyClicks(password, "LEMON");
        QTest::keyClick(password, Qt::Key_Return);
        settle();

        click(screens().find(ScreenId::Manager), "Delete Word List");
        settle();
        Screen *deletion = screens().find(ScreenId::DeleteList);
        deleteRow(deletion, 1);
        deleteRow(deletion, 0);
        click(deletion, "Finished");
        settle();

        click(screens().find(ScreenId::Manager), "Sound Options");
        Screen *sound = screens().find(ScreenId::SoundOptions);
        QTest::mouseClick(choiceLabel(sound, "Sound is  OFF"), Qt::LeftButton);
        click(sound, "Save");
        settle();

        click(screens().find(ScreenId::Manager), "Quit List Management");
        settle();
        first = qobject_cast<First *>(screens().find(ScreenId::First));
        QVERIFY(first && first->isVisible());
        QVERIFY(labelShown(first, "No Lists Available!"));
        QVERIFY(!shownButton(first, "Flash Cards"));
        QCOMPARE(Shared.SoundFlag, 0);
        QCOMPARE(env.read("thelists.dat"), QByteArray("No Lists\r\n"));
        QCOMPARE(env.read("lsdata.dat"), QByteArray("Lemon\r\nx\r\nSound Off\r\n"));
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!env.programEnded());
    }
};

QTEST_MAIN(ManageListsTest)
#include "test_manage_lists.moc"
