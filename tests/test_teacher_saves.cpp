// links: lingo_manage lingo_listeditor
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
#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <functional>

#include <unistd.h>

// The teacher's saves when the data folder is shared: each is made on the
// file as it is when saved, and another computer's change made between a
// screen's load and its save is kept, asked about or refused, never lost.
// The "other computer" is a second process saving through the same locked
// update.

namespace {

const QString changedMeanwhile = "This list was changed on another computer since you opened it.";

// Another computer: this test run again as a separate process that replaces
// a data file, under its lock, by the bytes of another file.
int runOtherComputer(const QString &path, const QString &bytesFile)
{
    QFile source(bytesFile);
    if (!source.open(QIODevice::ReadOnly))
        return 2;
    QList<QByteArray> lines = source.readAll().split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1); // the CR
    return dataupdate::updateFile(path, [&lines](const QList<QByteArray> &) { return dataupdate::Change::write(lines); })
        ? 0
        : 1;
}

void otherComputerWrites(const QString &path, const QByteArray &bytes)
{
    const QString bytesFile = path + ".other";
    {
        QFile file(bytesFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(), {"--other-computer", path, bytesFile}), 0);
    QFile::remove(bytesFile);
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
        const auto failThenShow = [](ScreenId id) {
            return Open([id](const QString &fail) {
                textfile::failReadsForTests(fail);
                return screens().show(id);
            });
        };
        // The gate's OK: an empty box against no password.
        QTest::addRow("password gate") << "lsdata.dat" << failThenShow(ScreenId::PasswordForm) << "OK" << false;
        QTest::addRow("password change") << "lsdata.dat" << failThenShow(ScreenId::ChangePassword) << "OK" << true;
        QTest::addRow("sound options") << "lsdata.dat" << failThenShow(ScreenId::SoundOptions) << "Save" << true;
        QTest::addRow("list deletion") << "thelists.dat" << failThenShow(ScreenId::DeleteList) << "" << false;
        QTest::addRow("list editor") << "thelists.dat" << Open([](const QString &fail) -> Screen * {
            textfile::failReadsForTests(fail);
            return openEditor("Animals");
        }) << "Done" << true;
        QTest::addRow("new list name") << "thelists.dat" << Open([](const QString &fail) -> Screen * {
            textfile::failReadsForTests(fail);
            auto *create = qobject_cast<CreateList *>(screens().show(ScreenId::CreateList));
            create->NewName->setText("Birds");
            click(create, "OK");
            return create;
        }) << "" << false;
        QTest::addRow("list rename") << "thelists.dat" << Open([](const QString &fail) {
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

    void editedListChangedOrDeletedMeanwhile_data()
    {
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QByteArray>("savedOver");
        const QByteArray fruit = TestEnv::lines({"<New List>", "Fruit", "apple", "manzana"});
        const QByteArray edited = TestEnv::lines({"<New List>", "Animals", "dog", "perro", "horse", "caballo"});
        QTest::addRow("changed")
            << TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "cow", "vaca", "<New List>",
                               "Colours", "red", "rojo", "blue", "azul"})
                   + fruit
            << TestEnv::lines({"Colours", "red", "rojo", "blue", "azul"}) + fruit + edited;
        QTest::addRow("deleted") << TestEnv::lines({"Colours", "red", "rojo", "blue", "azul"}) + fruit
                                 << TestEnv::lines({"Colours", "red", "rojo", "blue", "azul"}) + fruit + edited;
    }

    void editedListChangedOrDeletedMeanwhile()
    {
        QFETCH(QByteArray, other);
        QFETCH(QByteArray, savedOver);
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Animals");
        deleteWord(editor, 1);

        otherComputerWrites(env.path("thelists.dat"), other);

        // While the teacher is asked, the lock is free and a third computer
        // adds a list: the check is made again.
        const QByteArray third = TestEnv::lines({"<New List>", "Tools", "hammer", "martillo"});
        int asked = 0;
        setMessageBoxHandler([&](const QString &text, const QString &, MsgButtons buttons) {
            if (buttons == MsgButtons::SaveOverCancel && text == changedMeanwhile && ++asked == 1)
                otherComputerWrites(env.path("thelists.dat"), env.read("thelists.dat") + third);
            return MsgAnswer::Yes;
        });
        click(editor, "Done");
        settle();
        QCOMPARE(asked, 1);
        // The third computer changed other lists only: no second question.
        QVERIFY(!screens().exists(ScreenId::EditList));
        QByteArray expected = savedOver;
        expected.insert(expected.indexOf("<New List>\r\nAnimals"), third);
        QCOMPARE(env.read("thelists.dat"), expected);
    }

    void theListChangedAgainWhileAskingIsAskedAgain()
    {
        TestEnv env;
        registerManageScreens(screens());
        registerListEditorScreens(screens());
        EditList *editor = openEditor("Colours");
        deleteWord(editor, 0);
        otherComputerWrites(env.path("thelists.dat"), env.read("thelists.dat") + TestEnv::lines({"green", "verde"}));
        int asked = 0;
        setMessageBoxHandler([&](const QString &text, const QString &, MsgButtons) {
            if (text == changedMeanwhile && ++asked == 1)
                otherComputerWrites(env.path("thelists.dat"), TestEnv::lines({"Animals", "dog", "perro"}));
            return asked == 1 ? MsgAnswer::Yes : MsgAnswer::Cancel;
        });
        click(editor, "Done");
        settle();
        QCOMPARE(asked, 2);
        QCOMPARE(env.read("thelists.dat"), TestEnv::lines({"Animals", "dog", "perro"}));
        QVERIFY(screens().isShown(ScreenId::EditList));
        QCOMPARE(rows(editor->WordList), QStringList{"blue"});
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
        QLockFile otherComputer(env.path("thelists.dat.lock"));
        QVERIFY(otherComputer.tryLock(0));
        click(editor, "Done");
        settle();
        QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("Another computer is saving"));
        QVERIFY(screens().isShown(ScreenId::EditList));
        otherComputer.unlock();
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

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--other-computer") == 0) {
        QCoreApplication app(argc, argv);
        return runOtherComputer(QFile::decodeName(argv[2]), QFile::decodeName(argv[3]));
    }
    QApplication app(argc, argv);
    TeacherSavesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_teacher_saves.moc"
