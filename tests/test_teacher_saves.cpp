// links: lingo_manage lingo_listeditor
#include "app/BusyCursor.h"
#include "app/First.h"
#include "app/ScreenManager.h"
#include "app/core/DataUpdate.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"
#include "manage/ManageScreens.h"
#include "manage/editor/ChangeListName.h"
#include "manage/editor/CreateList.h"
#include "manage/editor/EditList.h"
#include "manage/editor/ListEditorScreens.h"
#include "manage/editor/MakeNewList.h"
#include "support/LockHolder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <functional>

#include <unistd.h>

// The teacher's saves when the data folder is shared: each is made on the
// file as it is when saved, and another computer's change made between a
// screen's load and its save is kept, asked about or refused, never lost.

namespace {

const QString changedMeanwhile = "This list was changed on another computer since you opened it.";

// Another computer's save, made through the same locked update: it fails
// while a screen of ours still holds the file's lock, as one process never
// runs two updates of a file at once.
void otherComputerWrites(const QString &path, const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1); // the CR
    QVERIFY(dataupdate::updateFile(path, [&lines](const QList<QByteArray> &) {
        return dataupdate::Change::write(lines);
    }));
}

EditList *openEditor(const QString &list)
{
    Shared.CurrentList = list;
    return qobject_cast<EditList *>(screens().show(ScreenId::EditList));
}

// Deletes the editor's word in `row` through DeletWordSure.
void deleteWord(EditList *editor, int row)
{
    editor->WordList->setCurrentRow(row);
    click(editor, "Delete");
    click(screens().find(ScreenId::DeletWordSure), "Yes");
    settle();
}

void renameInEditor(EditList *editor, const QString &name)
{
    click(editor, "Change List Name");
    auto *rename = screens().find<ChangeListName>(ScreenId::ChangeListName);
    rename->TheName->setText(name);
    click(rename, "OK");
    settle();
}

QRadioButton *soundChoice(Screen *dialog, const QString &start)
{
    for (auto *radio : dialog->findChildren<QRadioButton *>())
        if (radio->accessibleName().startsWith(start))
            return radio;
    return nullptr;
}

// The test's data folder made read-only for this process: a read-only bind
// mount when the test runs as root (root writes through any file mode),
// else the write permissions of the folder and its files taken away.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &dir) : m_dir(dir)
    {
        if (geteuid() == 0) {
            m_mounted = QProcess::execute("mount", {"--bind", dir, dir}) == 0;
            ok = m_mounted && QProcess::execute("mount", {"-o", "remount,bind,ro", dir}) == 0;
            return;
        }
        ok = QFile::setPermissions(QDir(dir).filePath("thelists.dat"), readOnly)
            && QFile::setPermissions(QDir(dir).filePath("lsdata.dat"), readOnly) && QFile::setPermissions(dir, readOnly);
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted) {
            QProcess::execute("umount", {m_dir});
            return;
        }
        for (const QString &path : {m_dir, QDir(m_dir).filePath("thelists.dat"), QDir(m_dir).filePath("lsdata.dat")})
            QFile::setPermissions(path, readOnly | QFile::WriteOwner);
    }
    bool ok = false;

private:
    static constexpr QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QString m_dir;
    bool m_mounted = false;
};

using Open = std::function<Screen *(const QString &unreadFile)>;

} // namespace

Q_DECLARE_METATYPE(Open)

class TeacherSavesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { textfile::failReadsForTests({}); }

    void unreadFileIsToldAndNeverWrittenBack_data()
    {
        // Each row opens its screen while its file cannot be read, then
        // clicks its save, if it has one, once the file reads again.
        QTest::addColumn<QString>("file");
        QTest::addColumn<Open>("open");
        QTest::addColumn<QString>("save");
        QTest::addColumn<bool>("saveTells"); // the save itself says why nothing was saved
        const auto show = [](ScreenId id) { return Open([id](const QString &) { return screens().show(id); }); };
        // The gate's OK: an empty box against no password.
        QTest::addRow("password gate") << "lsdata.dat" << show(ScreenId::PasswordForm) << "OK" << false;
        QTest::addRow("password change") << "lsdata.dat" << show(ScreenId::ChangePassword) << "OK" << true;
        QTest::addRow("sound options") << "lsdata.dat" << show(ScreenId::SoundOptions) << "Save" << true;
        QTest::addRow("list deletion") << "thelists.dat" << show(ScreenId::DeleteList) << "" << false;
        QTest::addRow("list editor") << "thelists.dat" << Open([](const QString &) -> Screen * {
            return openEditor("Animals");
        }) << "Done" << true;
        QTest::addRow("new list name") << "thelists.dat" << Open([](const QString &) -> Screen * {
            auto *create = qobject_cast<CreateList *>(screens().show(ScreenId::CreateList));
            create->NewName->setText("Birds");
            click(create, "OK");
            return create;
        }) << "" << false;
        // The file reads when the editor opens and fails for the rename only.
        QTest::addRow("list rename") << "thelists.dat" << Open([](const QString &fail) {
            textfile::failReadsForTests({});
            auto *editor = openEditor("Animals");
            textfile::failReadsForTests(fail);
            renameInEditor(editor, "Pets");
            return screens().find(ScreenId::ChangeListName);
        }) << "" << false;
    }

    void unreadFileIsToldAndNeverWrittenBack()
    {
        QFETCH(QString, file);
        QFETCH(Open, open);
        QFETCH(QString, save);
        QFETCH(bool, saveTells);
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        const QByteArray before = env.read(file);
        screens().show(ScreenId::Manager);

        textfile::failReadsForTests(env.path(file));
        const QPointer<Screen> screen = open(env.path(file));
        QVERIFY(screen);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY2(env.messages[0].text.contains(env.path(file)), qPrintable(env.messages[0].text));
        for (const QListWidget *list : screen->findChildren<QListWidget *>())
            QVERIFY(rows(list).isEmpty()); // nothing of the file is shown as if it were empty
        textfile::failReadsForTests({});
        if (!save.isEmpty())
            click(screen, save);
        settle();
        QCOMPARE(env.read(file), before);
        QCOMPARE(env.messages.size(), saveTells ? 2 : 1);
        QVERIFY(env.messages.last().text.contains(env.path(file)));
        if (screen)
            QVERIFY(screen->isVisible()); // with the teacher's work
    }

    void editedListChangedMeanwhileIsAskedAbout_data()
    {
        // The teacher deletes a word, another computer saves first; while the
        // teacher is asked (Save Over, then Cancel), with the lock free, a
        // third computer appends `third`: the check is made again.
        QTest::addColumn<QString>("list");
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QByteArray>("third");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("kept"); // the editor's words when it stays
        const QByteArray colours = TestEnv::lines({"Colours", "red", "rojo", "blue", "azul"});
        const QByteArray fruit = TestEnv::lines({"<New List>", "Fruit", "apple", "manzana"});
        const QByteArray tools = TestEnv::lines({"<New List>", "Tools", "hammer", "martillo"});
        const QByteArray edited = TestEnv::lines({"<New List>", "Animals", "dog", "perro", "horse", "caballo"});
        QTest::addRow("changed, other lists changed while asking")
            << "Animals"
            << TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "cow", "vaca",
                               "<New List>"})
                   + colours + fruit
            << tools << 1 << colours + fruit + tools + edited << QStringList{};
        QTest::addRow("deleted, other lists changed while asking")
            << "Animals" << colours + fruit << tools << 1 << colours + fruit + tools + edited << QStringList{};
        const QByteArray green = TestEnv::defaultStore() + TestEnv::lines({"green", "verde"});
        const QByteArray pink = TestEnv::lines({"pink", "rosa"});
        QTest::addRow("changed, changed again while asking")
            << "Colours" << green << pink << 2 << green + pink << QStringList{"blue"};
    }

    void editedListChangedMeanwhileIsAskedAbout()
    {
        QFETCH(QString, list);
        QFETCH(QByteArray, other);
        QFETCH(QByteArray, third);
        QFETCH(int, asked);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, kept);
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        EditList *editor = openEditor(list);
        deleteWord(editor, list == "Animals" ? 1 : 0);
        otherComputerWrites(env.path("thelists.dat"), other);
        int questions = 0;
        setMessageBoxHandler([&](const QString &text, const QString &, MsgButtons buttons) {
            if (buttons == MsgButtons::SaveOverCancel && text == changedMeanwhile && ++questions == 1)
                otherComputerWrites(env.path("thelists.dat"), env.read("thelists.dat") + third);
            return questions == 1 ? MsgAnswer::Yes : MsgAnswer::Cancel;
        });
        click(editor, "Done");
        settle();
        QCOMPARE(questions, asked);
        QCOMPARE(env.read("thelists.dat"), after);
        if (kept.isEmpty()) {
            QVERIFY(!screens().exists(ScreenId::EditList));
        } else {
            QVERIFY(screens().isShown(ScreenId::EditList));
            QCOMPARE(rows(editor->WordList), kept);
        }
    }

    // Another computer's Russian list turns the whole store into UTF-8
    // while the teacher edits "Café": the same text in other bytes is no
    // change, so the list is saved over without a question, not duplicated.
    void aStoreTurnedUtf8MeanwhileIsNoChangeOfTheList()
    {
        TestEnv env(TestEnv::lines({"Caf\u00e9", "th\u00e9", "tea", "lait", "milk"}));
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Caf\u00e9");
        deleteWord(editor, 0);
        otherComputerWrites(env.path("thelists.dat"), "\xEF\xBB\xBF" + QString("Caf\u00e9\r\nth\u00e9\r\ntea\r\nlait\r\n"
                                                                       "milk\r\n<New List>\r\n\u0420\u0443\u0441\r\n"
                                                                       "\u0434\u0430\r\nyes\r\n").toUtf8());
        int questions = 0;
        setMessageBoxHandler([&](const QString &, const QString &, MsgButtons) { return ++questions, MsgAnswer::Yes; });
        click(editor, "Done");
        settle();
        QCOMPARE(questions, 0);
        QCOMPARE(env.read("thelists.dat"), "\xEF\xBB\xBF" + QString("\u0420\u0443\u0441\r\n\u0434\u0430\r\nyes\r\n"
                                                                   "<New List>\r\nCaf\u00e9\r\nlait\r\nmilk\r\n").toUtf8());
    }

    void nameTakenMeanwhileIsRefusedAndTheWorkKept()
    {
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());

        EditList *editor = openEditor("Animals");
        renameInEditor(editor, "Pets");
        const QByteArray withPets = TestEnv::defaultStore() + TestEnv::lines({"<New List>", "Pets", "fish", "pez"});
        otherComputerWrites(env.path("thelists.dat"), withPets);
        click(editor, "Done");
        settle();
        QCOMPARE(env.read("thelists.dat"), withPets);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("There is already a list named \"Pets\""));
        QVERIFY(screens().isShown(ScreenId::EditList));
        QCOMPARE(editor->Label1->text(), "Pets");
        screens().close(ScreenId::EditList);

        // A new list: its name taken after CreateList let it through.
        Shared.NewListName = "Birds";
        auto *maker = qobject_cast<MakeNewList *>(screens().show(ScreenId::MakeNewList));
        maker->TheWord->setText("owl");
        maker->TheMeaning->setText("buho");
        const QByteArray withBirds = withPets + TestEnv::lines({"<New List>", "Birds", "duck", "pato"});
        otherComputerWrites(env.path("thelists.dat"), withBirds);
        // "Are you sure...?" Yes; a free name offered: No keeps the work, unsaved.
        env.answerNext(MsgAnswer::Yes);
        env.answerNext(MsgAnswer::No);
        click(maker, "Finished");
        settle();
        QCOMPARE(env.read("thelists.dat"), withBirds);
        QCOMPARE(env.messages.size(), 3);
        QVERIFY(env.messages[2].text.contains("Save your list as \"Birds (2)\" instead?"));
        QVERIFY(screens().isShown(ScreenId::MakeNewList));

        click(maker, "Finished");
        settle();
        QCOMPARE(env.read("thelists.dat"), withBirds + TestEnv::lines({"<New List>", "Birds (2)", "owl", "buho"}));
        QVERIFY(!screens().exists(ScreenId::MakeNewList));
    }

    void deletionFindsTheChosenListAsItIsNow_data()
    {
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("shown");
        const QByteArray a = TestEnv::lines({"A", "a1", "m1"});
        const QByteArray c = TestEnv::lines({"<New List>", "C", "c1", "o1"});
        const QByteArray c2 = TestEnv::lines({"<New List>", "C", "c2", "o2"});
        const QByteArray d = TestEnv::lines({"<New List>", "D", "d1", "p1"});
        QTest::addRow("already deleted") << a + c << 1 << int(MsgAnswer::Yes)
                                         << "This list was already deleted on another computer." << a + c
                                         << QStringList{"A", "C"};
        QTest::addRow("changed, No") << a + c2 + d << 2 << int(MsgAnswer::No)
                                     << "This list was changed on another computer. Delete it anyway?" << a + c2 + d
                                     << QStringList{"A", "C", "D"};
        QTest::addRow("changed, Yes") << a + c2 + d << 2 << int(MsgAnswer::Yes)
                                      << "This list was changed on another computer. Delete it anyway?" << a + d
                                      << QStringList{"A", "D"};
        QTest::addRow("other lists changed") << a + TestEnv::lines({"<New List>", "B", "b9", "n9"}) + d << 0
                                             << int(MsgAnswer::Yes) << QString()
                                             << TestEnv::lines({"B", "b9", "n9"}) + d << QStringList{"B", "D"};
    }

    void deletionFindsTheChosenListAsItIsNow()
    {
        QFETCH(QByteArray, other);
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QString, told);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, shown);
        TestEnv env(TestEnv::lines({"A", "a1", "m1", "<New List>", "B", "b1", "n1", "<New List>", "C", "c1", "o1"}));
        registerManageScreens(screens());
        Screen *screen = screens().show(ScreenId::DeleteList);
        auto *box = screen->findChild<QListWidget *>();
        otherComputerWrites(env.path("thelists.dat"), other);
        env.answerNext(MsgAnswer(answer));
        box->setCurrentRow(row); // of A, B, C as the box was filled
        click(screen, "Delete");
        click(screen, "Yes");
        settle();
        QCOMPARE(env.messages.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QCOMPARE(env.messages[0].text, told);
        QCOMPARE(env.read("thelists.dat"), after);
        QCOMPARE(rows(box), shown);
        QVERIFY(shownButton(screen, "Delete"));
    }

    void settingsSavedOnTheFileAsItIsNow()
    {
        TestEnv env(TestEnv::defaultStore(), "Secret\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        screens().show(ScreenId::Manager);
        const QString settings = env.path("lsdata.dat");

        Screen *change = screens().show(ScreenId::ChangePassword);
        const QByteArray other = "Other\r\ny\r\nSound Off\r\nfour\r\n";
        otherComputerWrites(settings, other);
        const auto boxes = change->findChildren<QLineEdit *>();
        const auto fill = [&](const QString &old) {
            boxes[0]->setText(old);
            boxes[1]->setText("Lemon");
            boxes[2]->setText("Lemon");
            click(change, "OK");
        };
        fill("Secret");
        QCOMPARE(env.read("lsdata.dat"), other);
        QCOMPARE(boxes[0]->text(), QString());
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        fill("Other");
        QCOMPARE(env.read("lsdata.dat"), QByteArray("Lemon\r\ny\r\nSound Off\r\nfour\r\n"));
        click(change, "OK");
        settle();

        Screen *sound = screens().show(ScreenId::SoundOptions);
        QVERIFY(soundChoice(sound, "Sound is  OFF")->isChecked());
        otherComputerWrites(settings, "Pear\r\nz\r\nSound Off\r\nfive\r\nsix\r\n");
        QTest::mouseClick(soundChoice(sound, "Sound is  ON"), Qt::LeftButton);
        click(sound, "Save");
        QCOMPARE(env.read("lsdata.dat"), QByteArray("Pear\r\nz\r\nSound On\r\nfive\r\nsix\r\n"));
        QVERIFY(env.messages.isEmpty());
    }

    void readOnlyFolderIsToldAtLoginAndASaveRefused()
    {
        TestEnv env;
        registerManageScreens(screens());
        const QByteArray settings = env.read("lsdata.dat");
        const QString folder = QFileInfo(env.path("thelists.dat")).absolutePath();
        ReadOnlyFolder readOnly(folder);
        if (!readOnly.ok)
            QSKIP("cannot make a folder read-only here");

        // The pupils' side only reads.
        Shared.CurrentList = "Animals";
        QVERIFY(LoadList());
        QCOMPARE(Shared.WordCount, 3);

        qobject_cast<First *>(screens().show(ScreenId::First))->Manage_Click();
        Screen *gate = screens().find(ScreenId::PasswordForm);
        gate->findChild<QLineEdit *>()->setText("OPENDOOR");
        click(gate, "OK");
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
        QCOMPARE(env.messages.size(), 2); // the shipped password's alert, then this
        QVERIFY(env.messages[1].text.contains(folder));
        QVERIFY(env.messages[1].text.contains("cannot be changed from this account"));

        // A save is refused with its own message (the list editor takes the
        // same way for any failed save: busyFolderKeepsTheWork).
        Screen *sound = screens().show(ScreenId::SoundOptions);
        QTest::mouseClick(soundChoice(sound, "Sound is  OFF"), Qt::LeftButton);
        click(sound, "Save");
        QVERIFY(screens().isShown(ScreenId::SoundOptions));
        QCOMPARE(env.messages.size(), 3);
        QVERIFY(env.messages[2].text.contains("cannot be changed from this account"));
        QCOMPARE(env.read("lsdata.dat"), settings);
    }

    void busyFolderKeepsTheWork()
    {
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Animals");
        deleteWord(editor, 0);
        LockHeldElsewhere otherComputer(env.path("thelists.dat"));
        QVERIFY(otherComputer.holding());
        showBusyCursorWhileSavesWait();
        click(editor, "Done");
        QVERIFY(!QGuiApplication::overrideCursor());
        settle();
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("Another computer is saving"));
        QVERIFY(screens().isShown(ScreenId::EditList));
        otherComputer.release();
        // Closing from the title bar asks first: Cancel stays, Yes saves, then the program ends.
        env.answerNext(MsgAnswer::Cancel);
        editor->close();
        QVERIFY(!env.programEnded());
        editor->close();
        QVERIFY(env.programEnded());
        QCOMPARE(env.read("thelists.dat"),
                 TestEnv::lines({"Colours", "red", "rojo", "blue", "azul", "<New List>", "Animals", "cat", "gato",
                                 "horse", "caballo"}));
    }
};

QTEST_MAIN(TeacherSavesTest)
#include "test_teacher_saves.moc"
