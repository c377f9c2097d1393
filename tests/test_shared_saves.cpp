// links: lingo_core
// Several programs saving into one data folder at once, as the computers and
// teacher accounts of a school do on a shared folder: real processes, each
// taking the file's lock, re-reading, changing and replacing it, while
// others only read; saves killed at any moment, or stopped holding the lock.
#include "app/core/DataUpdate.h"
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <csignal>
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
// last value written under the lock can be told afterwards. Saves `from` to
// `to`: a writer killed and started again takes its lists from the store.
// Each store save says "try" from inside its locked section, then what came
// of it; a Busy save is not tried again, and must have changed nothing.
int runWriter(int id, int from, int to)
{
    const QByteArray prefix = "W" + QByteArray::number(id) + "-";
    QList<QByteArray> mine;
    for (const QByteArray &name : listNamesOf(ReadStoreLines().value_or(QList<QByteArray>{})))
        if (name.startsWith(prefix))
            mine << name;
    for (int i = from; i < to; ++i) {
        const bool remove = i % 3 == 2 && !mine.isEmpty();
        const QByteArray name = remove ? mine.first() : prefix + QByteArray::number(i);
        const QByteArray change = (remove ? "deleted " : "added ") + name;
        const auto result = dataupdate::updateFile(storePath(), [&](const QList<QByteArray> &now) {
            say("try " + QByteArray::number(i) + " " + change);
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
            say("busy " + change);
            continue;
        }
        if (!result)
            return say("failed " + result.message.toUtf8()), 1;
        say(change);
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
        if (set.outcome == dataupdate::Outcome::Busy)
            continue;
        if (!set)
            return say("failed " + set.message.toUtf8()), 1;
        say("sound " + written + " " + sound);
    }
    return 0;
}

// One list added, for saves that run while another holds the lock.
int runAdd(const QByteArray &name)
{
    const auto result = dataupdate::updateFile(storePath(), [&name](const QList<QByteArray> &now) {
        return dataupdate::Change::write(QList<QByteArray>(now) << NewListLine.toByteArray() << name
                                                                << pairLinesFor(name));
    });
    say(result ? "saved" : result.outcome == dataupdate::Outcome::Busy ? "busy" : "failed");
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

// Takes the store's lock and keeps it until `release` exists (or until
// killed), then adds the list "Held".
int runHolder(const QString &release)
{
    const auto result = dataupdate::updateFile(storePath(), [&release](const QList<QByteArray> &now) {
        say("holding");
        while (!QFileInfo::exists(release))
            QThread::msleep(10);
        return dataupdate::Change::write(QList<QByteArray>(now) << NewListLine.toByteArray() << "Held"
                                                                << pairLinesFor("Held"));
    });
    return result ? 0 : 1;
}

// A teacher account of the teachers' group, or this account (-1) when the
// test cannot start programs under others.
struct Account {
    int uid = -1;
    int gid = -1;
};

// Starts this program as a child, optionally under another account.
void startChild(QProcess &process, const QString &folder, const QStringList &mode, Account account = {},
                const QStringList &environment = {})
{
    QStringList args = QStringList{QCoreApplication::applicationFilePath(), "--child", folder} + mode;
    if (account.uid >= 0)
        args = QStringList{"--reuid=" + QString::number(account.uid), "--regid=" + QString::number(account.gid),
                           "--groups=" + QString::number(account.gid)} + args;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(env);
    process.start(account.uid >= 0 ? "setpriv" : args.takeFirst(), args);
}

QList<QByteArray> finishedLines(QProcess &process, int timeoutMs = 120000)
{
    if (!process.waitForFinished(timeoutMs))
        process.kill();
    return process.readAllStandardOutput().split('\n');
}

// A holder started under `account`, once it holds the store's lock.
void startHolder(QProcess &holder, const QString &folder, Account account)
{
    startChild(holder, folder, {"--hold", folder + "/release"}, account);
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
}

// A save of one list under `account`, and what it said of itself.
QByteArray addAs(const QString &folder, Account account, const QByteArray &name)
{
    QProcess adder;
    startChild(adder, folder, {"--add", QString::fromLatin1(name)}, account);
    return finishedLines(adder, 30000).value(0);
}

// Two teacher accounts of one group sharing a 2775 folder, as a school sets
// it up; under root alone, this account twice.
QList<Account> teacherAccounts(const QString &folder)
{
    if (::geteuid() != 0)
        return {{}, {}};
    constexpr int Teacher1 = 64101, Teacher2 = 64102, Teachers = 64100;
    for (const QString &path : {folder, storePath(), settingsPath()}) {
        if (::chown(QFile::encodeName(path).constData(), Teacher1, Teachers) != 0 ||
            ::chmod(QFile::encodeName(path).constData(), path == folder ? 02775 : 0664) != 0)
            qFatal("cannot share %s with the teachers' group", qPrintable(path));
    }
    return {{Teacher1, Teachers}, {Teacher2, Teachers}};
}

// A data folder other accounts can reach: QTemporaryDir's is private.
struct SharedFolder {
    SharedFolder()
        : base(QDir::tempPath() + "/lingo-shared-XXXXXX")
        , path(base.filePath("data"))
    {
        ::chmod(QFile::encodeName(base.path()).constData(), 0755);
        QDir().mkdir(path);
        Shared.AppPath = path;
    }
    QTemporaryDir base;
    QString path;
};

} // namespace

class SharedSavesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Shared = Module1{};
    }

    // Eight writers, half under each of two teacher accounts and half of
    // them with POSIX locks, against two readers; one writer is killed inside
    // the locked section of every tenth save and started again.
    void eightWritersOfTwoAccountsAndTwoReaders()
    {
        SharedFolder folder;
        writeBase();
        const QList<Account> accounts = teacherAccounts(folder.path);
        const QString stop = folder.base.filePath("stop");
        QProcess readers[2];
        for (int r = 0; r < 2; ++r)
            startChild(readers[r], folder.path, {"--reader", stop}, accounts[r]);
        constexpr int Writers = 8, Saves = 50, KillEvery = 10;
        const QStringList pausing{"LINGO_SPARK_TEST_SAVE_PAUSE_MS=50"};
        QProcess writers[Writers];
        for (int id = 1; id < Writers; ++id)
            startChild(writers[id], folder.path, {"--writer", QString::number(id), "0", QString::number(Saves)},
                       accounts[id % 2], id % 2 ? pausing + QStringList{"LINGO_SPARK_POSIX_LOCKS=1"} : pausing);

        // What the saves said: reported changes must be there, Busy ones not;
        // a killed save's change may be either, but whole.
        QSet<QByteArray> expected, absent, either;
        int soundSaves = 0, lastCount = 0, kills = 0, busyOfTheKilled = 0;
        QByteArray lastSoundLine;
        const auto take = [&](const QByteArray &line) {
            const QList<QByteArray> words = line.split(' ');
            if (words[0] == "added")
                expected.insert(words[1]);
            else if (words[0] == "deleted")
                QVERIFY2(expected.remove(words[1]) || either.remove(words[1]), line.constData());
            else if (words[0] == "busy" && words[1] == "added")
                absent.insert(words[2]);
            else if (words[0] == "sound" && ++soundSaves && words[1].toInt() > lastCount)
                lastCount = words[1].toInt(), lastSoundLine = words.mid(2).join(' ');
            else if (words[0] == "failed")
                QFAIL(line.constData());
        };

        for (int from = 0; from < Saves;) {
            QProcess writer;
            startChild(writer, folder.path, {"--writer", "0", QString::number(from), QString::number(Saves)},
                       accounts[0], pausing);
            QList<QByteArray> inFlight; // the last "try" without its outcome
            while (writer.canReadLine() || writer.waitForReadyRead(60000)) {
                while (writer.canReadLine()) {
                    const QByteArray line = writer.readLine().trimmed();
                    const QList<QByteArray> words = line.split(' ');
                    if (words[0] == "try") {
                        inFlight = words;
                        if ((words[1].toInt() + 1) % KillEvery == 0 && words[1].toInt() >= from) {
                            writer.kill();
                            from = words[1].toInt() + 1;
                        }
                        continue;
                    }
                    if (!inFlight.isEmpty() && words.mid(words[0] == "busy" ? 1 : 0) == inFlight.mid(2))
                        inFlight.clear();
                    busyOfTheKilled += words[0] == "busy";
                    take(line);
                }
            }
            writer.waitForFinished();
            if (writer.exitStatus() == QProcess::NormalExit) {
                QCOMPARE(writer.exitCode(), 0);
                break;
            }
            ++kills;
            if (!inFlight.isEmpty()) {
                if (inFlight[2] == "deleted")
                    expected.remove(inFlight[3]);
                either.insert(inFlight[3]);
                from = inFlight[1].toInt() + 1;
            }
        }
        for (int id = 1; id < Writers; ++id) {
            for (const QByteArray &line : finishedLines(writers[id]))
                take(line);
            QCOMPARE(writers[id].exitCode(), 0);
        }
        QVERIFY(textfile::writeLines(stop, QList<QByteArray>{}));
        for (QProcess &reader : readers) {
            const QList<QByteArray> problem = finishedLines(reader, 10000);
            QVERIFY2(reader.exitCode() == 0, problem.value(0).constData());
        }
        // A Busy save never took the lock, so it had no locked section to kill.
        QVERIFY(kills >= Saves / KillEvery - busyOfTheKilled);

        const auto store = ReadStoreLines();
        QVERIFY(store);
        QCOMPARE(storeProblem(*store), QString());
        QList<QByteArray> names = listNamesOf(*store);
        names.removeFirst();
        QSet<QByteArray> found(names.cbegin(), names.cend());
        for (const QByteArray &name : expected)
            QVERIFY2(found.remove(name), "lost: " + name);
        for (const QByteArray &name : found)
            QVERIFY2(either.contains(name) && !absent.contains(name), "not saved, yet there: " + name);

        // Every settings save counted once: none was lost to another's. A
        // kill may have landed in a settings save that had just been made.
        const auto settings = ReadSettingsLines();
        QVERIFY(settings);
        QCOMPARE(settingsProblem(*settings), QString());
        const int count = settings->at(3).toInt();
        QVERIFY2(count >= soundSaves && count <= soundSaves + kills, settings->at(3).constData());
        if (count == lastCount)
            QCOMPARE(settings->at(2), lastSoundLine);
        qInfo("%d lists saved, %d Busy, %d kills, %d killed in flight, %d sound saves", int(expected.size()),
              int(absent.size()), kills, int(either.size()), soundSaves);
    }

    // A save stopped while it holds the lock, for longer than any save takes:
    // the others wait, say Busy and write nothing; it then completes.
    void aLiveHolderIsNeverBroken()
    {
        SharedFolder folder;
        writeBase();
        const QList<Account> accounts = teacherAccounts(folder.path);
        const QByteArray before = textfile::readBytes(storePath()).value_or("");
        QProcess holder;
        startHolder(holder, folder.path, accounts[0]);
        ::kill(pid_t(holder.processId()), SIGSTOP);
        QElapsedTimer stopped;
        stopped.start();
        for (int round = 0; stopped.elapsed() < 15000; ++round) {
            QProcess saves[2];
            for (int a = 0; a < 2; ++a)
                startChild(saves[a], folder.path, {"--add", QString("Meanwhile %1-%2").arg(round).arg(a)}, accounts[a]);
            for (QProcess &save : saves)
                QCOMPARE(finishedLines(save, 30000).value(0), QByteArray("busy"));
            QCOMPARE(textfile::readBytes(storePath()).value_or(""), before);
        }
        QVERIFY(textfile::writeLines(folder.path + "/release", QList<QByteArray>{}));
        ::kill(pid_t(holder.processId()), SIGCONT);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitCode(), 0);
        QCOMPARE(listNamesOf(*ReadStoreLines()), (QList<QByteArray>{BaseList, "Held"}));
    }

    // A lock file says nothing about its holder: its age, its content, and
    // an older version's lock file beside it change nothing; a save killed
    // holding it leaves it for the other account to lock at once.
    void neitherClocksNorNamesMatter()
    {
        SharedFolder folder;
        writeBase();
        const QList<Account> accounts = teacherAccounts(folder.path);
        const QString lockPath = dataupdate::lockPathFor(storePath());
        const QByteArray foreign = "4242\nlingo-spark\nanother-computer\n0123456789abcdef0123456789abcdef\n";
        QVERIFY(textfile::writeLines(storePath() + ".lock", {foreign}));
        const auto quickly = [](const QByteArray &said, const QElapsedTimer &clock) {
            return said == "saved" && clock.elapsed() < dataupdate::LockWaitMs / 2;
        };
        QElapsedTimer clock;
        for (int hours : {-1, 1}) {
            QFile lock(lockPath);
            QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
            lock.write(foreign);
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(hours * 3600),
                                     QFileDevice::FileModificationTime));
            lock.close();
            if (accounts[0].uid >= 0)
                QVERIFY(::chown(QFile::encodeName(lockPath).constData(), accounts[0].uid, accounts[0].gid) == 0 &&
                        ::chmod(QFile::encodeName(lockPath).constData(), 0660) == 0);
            clock.start();
            QVERIFY(quickly(addAs(folder.path, accounts[hours > 0], "At " + QByteArray::number(hours)), clock));
        }

        QVERIFY(QFile::remove(lockPath));
        QProcess holder;
        startHolder(holder, folder.path, accounts[0]);
        QVERIFY(QFileInfo(lockPath).permissions().testFlags(QFileDevice::ReadGroup | QFileDevice::WriteGroup));
        holder.kill();
        QVERIFY(holder.waitForFinished(5000));
        clock.start();
        QVERIFY(quickly(addAs(folder.path, accounts[1], "After kill"), clock));

        QCOMPARE(listNamesOf(*ReadStoreLines()), (QList<QByteArray>{BaseList, "At -1", "At 1", "After kill"}));
        QVERIFY(QFileInfo::exists(lockPath));
        QVERIFY(QFileInfo::exists(storePath() + ".lock"));
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

};

int main(int argc, char *argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        Shared.AppPath = QFile::decodeName(argv[2]);
        const QByteArray mode = argv[3];
        return mode == "--writer" && argc == 7 ? runWriter(std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]))
               : mode == "--reader" && argc == 5 ? runReader(QFile::decodeName(argv[4]))
               : mode == "--add" && argc == 5    ? runAdd(argv[4])
               : mode == "--hold" && argc == 5   ? runHolder(QFile::decodeName(argv[4]))
               : mode == "--rewrite"             ? runRewriter()
                                                 : 2;
    }
    QCoreApplication app(argc, argv);
    SharedSavesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shared_saves.moc"
