// links: lingo_core
// Several programs saving into one data folder at once, as the computers of
// a school do on a shared folder: real processes, each taking the file's
// lock, re-reading, changing and replacing it, while others only read; and
// saves killed at any moment.
#include "app/core/DataUpdate.h"
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int PairsPerList = 3;
const QByteArray BaseList = "Base";

// Every list's content follows from its name, so a reader can tell a list
// that was written whole from one that was not.
QList<QByteArray> pairLinesFor(const QByteArray &name)
{
    QList<QByteArray> lines;
    const int pairs = name == BaseList ? 40 : PairsPerList;
    for (int i = 0; i < pairs; ++i)
        lines << "word " + QByteArray::number(i) + " of " + name << "meaning " + QByteArray::number(i);
    return lines;
}

// A store of the base list and settings whose fourth line counts the saves.
void writeBase()
{
    QVERIFY(textfile::writeLines(storePath(), QList<QByteArray>{BaseList} + pairLinesFor(BaseList)));
    QVERIFY(textfile::writeLines(settingsPath(), {"Secret", "line two", "Sound Off", "0"}));
}

// Why the lines are not a store of whole lists, or nothing when they are.
QString storeProblem(const QList<QByteArray> &lines)
{
    const QList<qsizetype> names = liststore::nameLineIndexes(lines);
    if (names.isEmpty() || lines.first() != BaseList)
        return "the first list is not the base list";
    QSet<QByteArray> seen;
    for (qsizetype index : names) {
        const QByteArray &name = lines[index];
        if (seen.contains(name))
            return "list " + name + " twice";
        seen.insert(name);
        if (lines.mid(index + 1, liststore::blockEnd(lines, index) - index - 1) != pairLinesFor(name))
            return "list " + name + " not as written";
    }
    return {};
}

QString settingsProblem(const QList<QByteArray> &lines)
{
    if (lines.size() != 4 || lines[0] != "Secret" || lines[1] != "line two")
        return "settings lines lost";
    if (lines[2] != SoundOnLine && lines[2] != SoundOffLine)
        return "sound line " + lines[2];
    return {};
}

void say(const QByteArray &line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// A writer: adds lists of its own, deletes the oldest of them every third
// save, and sets the sound default with a counter kept in the file, so the
// last value written under the lock can be told afterwards.
int runWriter(int id, int saves)
{
    QList<QByteArray> mine;
    for (int i = 0; i < saves; ++i) {
        const bool remove = i % 3 == 2 && !mine.isEmpty();
        const QByteArray name = remove ? mine.first() : "W" + QByteArray::number(id) + "-" + QByteArray::number(i);
        const auto result = dataupdate::updateStore([&](const QList<QByteArray> &now) {
            QList<QByteArray> lines = now;
            if (!remove)
                return dataupdate::Change::write(lines << NewListLine.toByteArray() << name << pairLinesFor(name));
            const QList<QByteArray> names = listNamesOf(now);
            const qsizetype at = liststore::nameLineOf(now, names.indexOf(name));
            if (at <= 0)
                return dataupdate::Change::refuse("gone");
            lines.remove(at - 1, liststore::blockEnd(now, at) - at + 1);
            return dataupdate::Change::write(lines);
        });
        if (result.outcome == dataupdate::Outcome::Busy) {
            --i;
            continue;
        }
        if (!result)
            return say("failed " + result.message.toUtf8()), 1;
        say((remove ? "deleted " : "added ") + name);
        remove ? mine.removeFirst() : mine.append(name);
        if (i % 2 == 1)
            continue;
        const QByteArray sound = (id + i) % 4 < 2 ? SoundOnLine.toByteArray() : SoundOffLine.toByteArray();
        QByteArray written;
        const auto set = dataupdate::updateSettings([&](const QList<QByteArray> &now) {
            QList<QByteArray> lines = now;
            lines[2] = sound;
            written = QByteArray::number(lines.value(3).toInt() + 1);
            lines[3] = written;
            return dataupdate::Change::write(lines);
        });
        if (!set)
            return say("failed " + set.message.toUtf8()), 1;
        say("sound " + written + " " + sound);
    }
    return 0;
}

// A reader, as a pupil's program reads: names, a list, the settings, and
// the whole store checked, until told to stop.
int runReader(const QString &stopFile)
{
    std::mt19937 rng(std::random_device{}());
    while (!QFileInfo::exists(stopFile)) {
        bool readable = false;
        const QStringList names = ReadListNames(&readable);
        if (!readable || names.value(0) != BaseList)
            return say("problem: list names"), 1;
        Shared.CurrentList = names[int(rng() % names.size())];
        // The list may be deleted between the two reads; then it loads nothing.
        if (LoadList(&readable) && Shared.WordCount != (Shared.CurrentList == QLatin1String(BaseList) ? 40 : PairsPerList))
            return say("problem: " + Shared.CurrentList.toUtf8() + " loaded " + QByteArray::number(Shared.WordCount)), 1;
        const auto bytes = textfile::readBytes(storePath());
        const auto lines = ReadStoreLines();
        const auto settings = ReadSettingsLines();
        QString problem = !bytes || !bytes->endsWith("\r\n") ? "a torn store" : !lines ? "store unreadable"
                                                                                        : storeProblem(*lines);
        if (problem.isEmpty())
            problem = settings ? settingsProblem(*settings) : "settings unreadable";
        if (!problem.isEmpty())
            return say("problem: " + problem.toUtf8()), 1;
    }
    return 0;
}

QList<QByteArray> storeVersion(char tag)
{
    QList<QByteArray> lines;
    for (int list = 0; list < 40; ++list) {
        if (list > 0)
            lines << NewListLine.toByteArray();
        lines << QByteArray("List ") + tag + QByteArray::number(list);
        for (int pair = 0; pair < 600; ++pair)
            lines << QByteArray("word ") + tag + QByteArray::number(pair) << "meaning " + QByteArray::number(pair);
    }
    return lines;
}

QList<QByteArray> settingsVersion(char tag)
{
    return {QByteArray("password") + tag, "kept line", tag == 'A' ? "Sound On" : "Sound Off"};
}

QByteArray asFile(const QList<QByteArray> &lines)
{
    return lines.join("\r\n") + "\r\n";
}

// Rewrites both files with alternating content until killed.
int runRewriter()
{
    const QList<QByteArray> stores[] = {storeVersion('A'), storeVersion('B')};
    const QList<QByteArray> settings[] = {settingsVersion('A'), settingsVersion('B')};
    for (unsigned i = 0;; ++i) {
        WriteStoreLines(stores[i % 2]);
        WriteSettingsLines(settings[i % 2]);
    }
}

// Takes the store's lock and keeps it until killed.
int runHolder()
{
    dataupdate::updateStore([](const QList<QByteArray> &now) {
        say("holding");
        ::pause();
        return dataupdate::Change::write(now);
    });
    return 1;
}

// Starts this program as a child, optionally under another account.
void startChild(QProcess &process, const QString &folder, const QStringList &mode, int uid = -1, int gid = -1)
{
    QStringList args = QStringList{QCoreApplication::applicationFilePath(), "--child", folder} + mode;
    if (uid >= 0)
        args = QStringList{"--reuid=" + QString::number(uid), "--regid=" + QString::number(gid),
                           "--groups=" + QString::number(gid)} + args;
    process.start(uid >= 0 ? "setpriv" : args.takeFirst(), args);
}

QList<QByteArray> finishedLines(QProcess &process, int timeoutMs = 120000)
{
    if (!process.waitForFinished(timeoutMs))
        process.kill();
    return process.readAllStandardOutput().split('\n');
}

// A holder started and killed while it holds the store's lock.
void killWhileHolding(const QString &folder, int uid = -1, int gid = -1)
{
    QProcess holder;
    startChild(holder, folder, {"--hold"}, uid, gid);
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
    const QFileInfo lock(folder + "/thelists.dat.lock");
    QVERIFY(lock.exists());
    QVERIFY(lock.permissions().testFlag(QFileDevice::WriteGroup));
    holder.kill();
    QVERIFY(holder.waitForFinished(5000));
    QVERIFY(lock.exists());
}

} // namespace

class SharedSavesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Shared = Module1{};
    }

    void eightWritersAndTwoReaders()
    {
        QTemporaryDir dir;
        Shared.AppPath = dir.path();
        writeBase();
        const QString stop = dir.filePath("stop");
        QProcess readers[2];
        for (QProcess &reader : readers)
            startChild(reader, dir.path(), {"--reader", stop});
        constexpr int Writers = 8, Saves = 50;
        QProcess writers[Writers];
        for (int id = 0; id < Writers; ++id)
            startChild(writers[id], dir.path(), {"--writer", QString::number(id), QString::number(Saves)});
        QList<QByteArray> out;
        for (QProcess &writer : writers) {
            out += finishedLines(writer);
            QCOMPARE(writer.exitCode(), 0);
        }
        QVERIFY(textfile::writeLines(stop, {}));
        for (QProcess &reader : readers) {
            const QList<QByteArray> problem = finishedLines(reader, 10000);
            QVERIFY2(reader.exitCode() == 0, problem.value(0).constData());
        }

        // Each writer's lines are in its own order, so its delete follows its add.
        QSet<QByteArray> expected;
        int lastCount = 0;
        QByteArray lastSoundLine;
        for (const QByteArray &line : out) {
            const QList<QByteArray> words = line.split(' ');
            if (words[0] == "added")
                expected.insert(words[1]);
            else if (words[0] == "deleted")
                QVERIFY(expected.remove(words[1]));
            else if (words[0] == "sound" && words[1].toInt() > lastCount)
                lastCount = words[1].toInt(), lastSoundLine = words.mid(2).join(' ');
        }

        const auto store = ReadStoreLines();
        QVERIFY(store);
        QCOMPARE(storeProblem(*store), QString());
        QList<QByteArray> names = listNamesOf(*store);
        names.removeFirst();
        QCOMPARE(QSet<QByteArray>(names.cbegin(), names.cend()), expected);

        // Every settings save (each writer's even ones) counted once: none was
        // lost to another's, and the sound line is that of the last to count.
        const auto settings = ReadSettingsLines();
        QVERIFY(settings);
        QCOMPARE(settingsProblem(*settings), QString());
        QCOMPARE(settings->at(3).toInt(), Writers * ((Saves + 1) / 2));
        QCOMPARE(lastCount, Writers * ((Saves + 1) / 2));
        QCOMPARE(settings->at(2), lastSoundLine);
    }

    void lockOfAKilledSaveOrAnotherComputer()
    {
        QTemporaryDir dir;
        Shared.AppPath = dir.path();
        writeBase();
        const auto addList = [](const QByteArray &name) {
            return dataupdate::updateStore([&name](const QList<QByteArray> &now) {
                return dataupdate::Change::write(QList<QByteArray>(now) << NewListLine.toByteArray() << name
                                                                        << pairLinesFor(name));
            });
        };
        QVERIFY(addList("Before"));

        // A save of this computer killed holding the lock: its process is
        // gone, so the lock is broken at once and the save's change is lost.
        killWhileHolding(dir.path());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(addList("After kill"));
        QVERIFY(clock.elapsed() < dataupdate::LockWaitMs);

        // A lock left by another computer, whose process cannot be asked:
        // Busy while it is young, broken once older than the stale time.
        const QString lockPath = storePath() + ".lock";
        QFile foreign(lockPath);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("4242\nlingo-spark\nanother-computer\n0123456789abcdef0123456789abcdef\n");
        foreign.close();
        const auto busy = addList("Too soon");
        QCOMPARE(busy.outcome, dataupdate::Outcome::Busy);
        QVERIFY(busy.message.contains("Another computer is saving"));
        QVERIFY(foreign.open(QIODevice::ReadWrite));
        QVERIFY(foreign.setFileTime(QDateTime::currentDateTime().addMSecs(-dataupdate::StaleLockMs - 2000),
                                    QFileDevice::FileModificationTime));
        foreign.close();
        QVERIFY(addList("After stale"));

        const auto lines = ReadStoreLines();
        QCOMPARE(storeProblem(*lines), QString());
        QCOMPARE(listNamesOf(*lines), (QList<QByteArray>{BaseList, "Before", "After kill", "After stale"}));
        QVERIFY(!QFileInfo::exists(lockPath));
    }

    void killedSavesLeaveOldOrNewContent()
    {
        QTemporaryDir dir;
        Shared.AppPath = dir.path();
        QVERIFY(WriteStoreLines(storeVersion('A')));
        QVERIFY(WriteSettingsLines(settingsVersion('A')));
        const char *const teacherFiles[] = {"thelists.dat.backup", "lsdata.dat.before", "thelists.dat.old123"};
        for (const char *name : teacherFiles)
            QVERIFY(textfile::writeLines(dir.filePath(name), {name}));
        const QByteArray storeFiles[] = {asFile(storeVersion('A')), asFile(storeVersion('B'))};
        const QByteArray settingsFiles[] = {asFile(settingsVersion('A')), asFile(settingsVersion('B'))};

        std::mt19937 rng(1207);
        for (int round = 0; round < 200; ++round) {
            QProcess child;
            startChild(child, dir.path(), {"--rewrite"});
            QVERIFY(child.waitForStarted());
            QTest::qSleep(int(5 + rng() % 60));
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const QByteArray store = textfile::readBytes(storePath()).value_or("<missing>");
            const QByteArray settings = textfile::readBytes(settingsPath()).value_or("<missing>");
            QVERIFY2(store == storeFiles[0] || store == storeFiles[1],
                     qPrintable(QString("store of %1 bytes after kill %2").arg(store.size()).arg(round)));
            QVERIFY2(settings == settingsFiles[0] || settings == settingsFiles[1], settings.constData());
            // Whatever a kill left behind is not what the readers read.
            QVERIFY(asFile(*ReadStoreLines()) == store);
        }

        // A save touches nothing but its own file: a teacher's copies beside
        // the data files, named like the temporaries a save could leave, stay.
        QVERIFY(WriteStoreLines(storeVersion('A')));
        QVERIFY(WriteSettingsLines(settingsVersion('A')));
        for (const char *name : teacherFiles)
            QCOMPARE(textfile::readBytes(dir.filePath(name)).value_or(""), asFile({name}));
    }

    void twoAccountsOfOneGroup()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to start writers under other accounts");
        constexpr int Teacher1 = 64101, Teacher2 = 64102, Teachers = 64100;
        QTemporaryDir base(QDir::tempPath() + "/lingo-shared-XXXXXX");
        ::chmod(QFile::encodeName(base.path()).constData(), 0755);
        const QString folder = base.filePath("data");
        QVERIFY(QDir().mkdir(folder));
        Shared.AppPath = folder;
        writeBase();
        for (const QString &path : {folder, storePath(), settingsPath()}) {
            QVERIFY(::chown(QFile::encodeName(path).constData(), Teacher1, Teachers) == 0);
            QVERIFY(::chmod(QFile::encodeName(path).constData(), path == folder ? 02775 : 0664) == 0);
        }

        const auto saveAs = [&folder](int uid, int id) {
            QProcess writer;
            startChild(writer, folder, {"--writer", QString::number(id), "2"}, uid, Teachers);
            const QList<QByteArray> out = finishedLines(writer, 30000);
            QVERIFY2(writer.exitCode() == 0, out.value(0).constData());
        };
        // Each replaces the files the other wrote and breaks a stale lock the
        // other left.
        killWhileHolding(folder, Teacher1, Teachers);
        saveAs(Teacher2, 1);
        QCOMPARE(QFileInfo(storePath()).ownerId(), uint(Teacher2));
        killWhileHolding(folder, Teacher2, Teachers);
        saveAs(Teacher1, 2);

        const auto lines = ReadStoreLines();
        QCOMPARE(storeProblem(*lines), QString());
        QCOMPARE(listNamesOf(*lines).size(), 1 + 2 * 2);
        QCOMPARE(ReadSettingsLines()->at(3), QByteArray("2"));
    }
};

int main(int argc, char *argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        Shared.AppPath = QFile::decodeName(argv[2]);
        const QByteArray mode = argv[3];
        return mode == "--writer" && argc == 6 ? runWriter(std::atoi(argv[4]), std::atoi(argv[5]))
               : mode == "--reader" && argc == 5 ? runReader(QFile::decodeName(argv[4]))
               : mode == "--hold"                ? runHolder()
               : mode == "--rewrite"             ? runRewriter()
                                                 : 2;
    }
    QCoreApplication app(argc, argv);
    SharedSavesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shared_saves.moc"
