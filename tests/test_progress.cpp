// links: lingo_progress
// Each account's progress: the box rules day by day, the pair as the key
// across lists, the account's file set aside when damaged and written again
// after a failure, and the class folder shared by two accounts.
#include "progress/ClassView.h"
#include "progress/ProgressFiles.h"
#include "progress/ProgressVerb.h"
#include "progress/Recorder.h"

#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

using namespace progress;

namespace {

QDateTime at(const QString &when)
{
    return QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm"));
}

// "word|meaning" lists, one a QStringList, as a UTF-8 store.
QByteArray storeOf(const QList<std::pair<QString, QStringList>> &lists)
{
    QStringList lines;
    for (const auto &[name, pairs] : lists) {
        if (!lines.isEmpty())
            lines << QStringLiteral("<New List>");
        lines << name;
        for (const QString &pair : pairs)
            lines << pair.section(u'|', 0, 0) << pair.section(u'|', 1);
    }
    return "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

WordPair wp(const QString &pair)
{
    return {pair.section(u'|', 0, 0), pair.section(u'|', 1)};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Two numeric accounts of a teachers' group, when this test runs as root.
constexpr uid_t Pupil1 = 64201, Pupil2 = 64202;
constexpr gid_t Teachers = 64200, PupilGroup = 64203;

// This program again, as `uid`, recording "word|meaning|R" answers into
// `dataFolder` with its own state folder; returns its exit status.
int runChild(uid_t uid, gid_t gid, const QStringList &args)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral("setpriv"),
                QStringList{"--reuid=" + QString::number(uid), "--regid=" + QString::number(gid),
                            "--groups=" + QString::number(gid), QCoreApplication::applicationFilePath(), "--child"} +
                    args);
    if (!child.waitForFinished(30000))
        return -1;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

int childMain(const QStringList &args)
{
    Shared.AppPath = args.value(1);
    if (args.value(0) == QLatin1String("--verb")) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        return progressVerb(std::nullopt, outStream, errStream);
    }
    Recorder recorder({args.value(2), {}});
    for (const QString &answer : args.mid(3))
        recorder.graded(wp(answer.section(u'|', 0, 1)), answer.endsWith(QLatin1String("|R")));
    return recorder.flushAndWait(10000) ? 0 : 1;
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Shared = Module1{};
        QVERIFY(m_dir.isValid());
        Shared.AppPath = m_dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(Shared.AppPath));
    }

    void boxRules_data()
    {
        QTest::addColumn<QStringList>("answers"); // "yyyy-MM-dd HH:mm R|W"
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QDate>("due");
        QTest::addRow("first right: box 2, due tomorrow") << QStringList{"2026-03-02 10:00 R"} << 2 << 1 << 0 << QDate(2026, 3, 3);
        QTest::addRow("first wrong: box 1, due today") << QStringList{"2026-03-02 10:00 W"} << 1 << 0 << 1 << QDate(2026, 3, 2);
        QTest::addRow("twice right on one day: up once")
            << QStringList{"2026-03-02 10:00 R", "2026-03-02 18:00 R"} << 2 << 2 << 0 << QDate(2026, 3, 3);
        QTest::addRow("wrong then right the same day: box 2")
            << QStringList{"2026-03-02 10:00 W", "2026-03-02 10:01 R"} << 2 << 1 << 1 << QDate(2026, 3, 3);
        QTest::addRow("right across midnight: up again")
            << QStringList{"2026-03-02 23:59 R", "2026-03-03 00:01 R"} << 3 << 2 << 0 << QDate(2026, 3, 6);
        QTest::addRow("box 3 across a month's end")
            << QStringList{"2026-01-30 09:00 R", "2026-01-31 09:00 R"} << 3 << 2 << 0 << QDate(2026, 2, 3);
        QTest::addRow("box 5 stays, 21 days across the year's end")
            << QStringList{"2026-12-01 08:00 R", "2026-12-02 08:00 R", "2026-12-03 08:00 R", "2026-12-04 08:00 R",
                           "2026-12-20 08:00 R"} << 5 << 5 << 0 << QDate(2027, 1, 10);
        QTest::addRow("wrong sends box 4 back to box 1")
            << QStringList{"2026-02-27 08:00 R", "2026-02-28 08:00 R", "2026-03-01 08:00 R", "2026-03-01 09:00 W"}
            << 1 << 3 << 1 << QDate(2026, 3, 1);
        QTest::addRow("seen only: never practised") << QStringList{"2026-03-02 10:00 S"} << 0 << 0 << 0 << QDate();
    }

    void boxRules()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, box);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QDate, due);
        const WordPair pair{"chat", "cat"};
        Book book;
        for (const QString &answer : answers) {
            const QDateTime when = at(answer.left(16));
            answer.endsWith(u'S') ? book.seen(pair, when) : book.graded(pair, answer.endsWith(u'R'), when);
        }
        const PairProgress *found = book.find(pair);
        QVERIFY(found);
        QCOMPARE(found->box, box);
        QCOMPARE(found->right, right);
        QCOMPARE(found->wrong, wrong);
        QCOMPARE(dueDate(*found), due);
        QCOMPARE(found->lastSeen, at(answers.last().left(16)).toSecsSinceEpoch());
        const BoxCounts dayBefore = book.boxCounts({pair}, due.isValid() ? due.addDays(-1) : QDate(2030, 1, 1));
        const BoxCounts onTheDay = book.boxCounts({pair}, due.isValid() ? due : QDate(2030, 1, 1));
        QCOMPARE(dayBefore.dueToday, 0);
        QCOMPARE(onTheDay.dueToday, due.isValid() ? 1 : 0);
        QCOMPARE(onTheDay.neverPractised, box == 0 ? 1 : 0);
        // Every field survives the file.
        const auto again = Book::fromBytes(book.toBytes());
        QVERIFY(again);
        const PairProgress *read = again->find(pair);
        QVERIFY(read);
        QCOMPARE(std::tuple(read->box, read->right, read->wrong, read->lastGraded, read->lastRaised, read->lastSeen,
                            read->lastHeld),
                 std::tuple(found->box, found->right, found->wrong, found->lastGraded, found->lastRaised,
                            found->lastSeen, found->lastHeld));
    }

    void dropUnheld_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("inStore");
        QTest::addColumn<bool>("kept");
        QTest::addRow("held by a list after a year") << QDate(2027, 3, 1) << true << true;
        QTest::addRow("unheld for 89 days") << QDate(2026, 5, 29) << false << true;
        QTest::addRow("unheld for 90 days") << QDate(2026, 5, 30) << false << false;
    }

    void dropUnheld()
    {
        QFETCH(QDate, today);
        QFETCH(bool, inStore);
        QFETCH(bool, kept);
        Book book;
        for (const WordPair &pair : {WordPair{"eau", "water"}, WordPair{"pain", "bread"}}) // the second outlives the first
            book.graded(pair, pair.word == "pain", at("2026-03-01 12:00"));
        const QByteArray store = storeOf({{"Other", {"pain|bread"}}, {"Drinks", {inStore ? "eau|water" : "lait|milk"}}});
        book.refreshHeld(StoreContent::fromFileLines(textfile::Lines(QByteArray(store).replace("\r\n", "\n").chopped(1).split('\n'))), today);
        QCOMPARE(std::tuple(book.find({"eau", "water"}) != nullptr, book.find({"pain", "bread"})->right), std::tuple(kept, 1));
        QVERIFY(!(kept && inStore) || book.find({"eau", "water"})->lastHeld == today);
    }

    // One pair in two lists, in two spellings of one letter; the list
    // renamed; then the pair edited. Through the recorder and its file.
    void thePairIsTheKey()
    {
        const QString composed = QStringLiteral("caf\u00e9|coffee"), decomposed = QStringLiteral("cafe\u0301|coffee");
        writeFile(storePath(), storeOf({{"French", {composed, "lait|milk"}}, {"Drinks", {decomposed, "eau|water"}}}));
        QDateTime now = at("2026-03-02 10:00");
        Recorder recorder({m_dir.filePath("state"), [&now] { return now; }});
        const WordPairs french{wp(composed), wp("lait|milk")};
        recorder.graded(french[0], false);
        recorder.graded(french[0], false);
        recorder.graded(french[1], true);
        QVERIFY(recorder.flushAndWait(5000));

        writeFile(storePath(), storeOf({{"Boissons", {decomposed, "eau|water"}}}));
        recorder.reset({m_dir.filePath("state"), [&now] { return now; }});
        const WordPairs renamed{wp(decomposed), wp("eau|water")};
        BoxCounts counts = recorder.boxCounts(renamed);
        QCOMPARE(counts.inBox[1], 1);
        QCOMPARE(counts.neverPractised, 1);
        QCOMPARE(counts.dueToday, 1);
        QCOMPARE(recorder.duePairs(renamed), WordPairs{renamed[0]});

        // An edited pair is another pair: it starts afresh.
        counts = recorder.boxCounts({wp("caf\u00e9|a coffee")});
        QCOMPARE(counts.neverPractised, 1);
        QCOMPARE(recorder.duePairs(french), WordPairs{french[0]});
        recorder.startAgain(renamed);
        QCOMPARE(recorder.boxCounts(renamed).neverPractised, 2);
    }

    void damagedFileSetAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("another program's file") << QByteArray("[Settings]\nvolume=3\n");
        QTest::addRow("a newer format") << QByteArray("\xEF\xBB\xBFLingo-Spark progress 2\r\nx\r\n");
        QTest::addRow("a torn line") << QByteArray("\xEF\xBB\xBFLingo-Spark progress 1\r\neau\twater\t1\t0");
        QTest::addRow("a box past the last") << QByteArray("Lingo-Spark progress 1\r\neau\twater\t9\t0\t1\t2026-03-01\t\t\t\r\n");
    }

    void damagedFileSetAside()
    {
        QFETCH(QByteArray, bytes);
        const QString state = m_dir.filePath("state-" + QString::fromLatin1(QTest::currentDataTag()).left(8));
        const QString path = accountFilePath(state, Shared.AppPath);
        QVERIFY(QDir().mkpath(state));
        writeFile(path, bytes);
        Recorder recorder({state, [] { return at("2026-03-02 10:00"); }});
        recorder.graded({"eau", "water"}, true);
        QVERIFY(recorder.flushAndWait(5000));
        QCOMPARE(textfile::readBytes(path + ".damaged-20260302-100000").value_or(""), bytes);
        const auto saved = Book::fromBytes(textfile::readBytes(path).value_or(""));
        QVERIFY(saved && saved->size() == 1);
        QFileInfo info(path);
        QCOMPARE(info.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    }

    void failedWriteRetried()
    {
        const QString blocker = m_dir.filePath("blocked");
        writeFile(blocker, "a file where the state folder would go");
        Recorder recorder({blocker + "/state", {}});
        recorder.graded({"eau", "water"}, false);
        QVERIFY(!recorder.flushAndWait(5000));
        QVERIFY(QFile::remove(blocker));
        // Nothing new recorded: the failed write alone is tried again.
        QVERIFY(recorder.flushAndWait(5000));
        const auto saved = Book::fromBytes(textfile::readBytes(recorder.accountFile()).value_or(""));
        QVERIFY(saved && saved->find({"eau", "water"}) && saved->find({"eau", "water"})->wrong == 1);
    }

    // Two numeric accounts share the class folder a school made
    // (chmod 3773, the teachers' group): each writes only its own file, the
    // teacher's view counts both and skips a file named after another
    // account; an account without the folder writes only its own state.
    void classFolder()
    {
        if (::geteuid() != 0)
            QSKIP("starting programs under other accounts needs root");
        QTemporaryDir base(QDir::tempPath() + "/lingo-progress-XXXXXX");
        ::chmod(QFile::encodeName(base.path()).constData(), 0755);
        const QString data = base.filePath("data"), classDir = data + "/progress", plain = base.filePath("plain");
        for (const QString &folder : {data, classDir, plain})
            QVERIFY(QDir().mkpath(folder));
        const QByteArray store = storeOf({{"Drinks", {"eau|water", "lait|milk", "the|tea"}}, {"Bread", {"pain|bread"}}});
        writeFile(data + "/thelists.dat", store);
        writeFile(plain + "/thelists.dat", store);
        QVERIFY(::chown(QFile::encodeName(classDir).constData(), 0, Teachers) == 0);
        QVERIFY(::chmod(QFile::encodeName(classDir).constData(), 03773) == 0);
        writeFile(classDir + "/root.dat", Book().toBytes());
        QVERIFY(::chown(QFile::encodeName(classDir + "/root.dat").constData(), Pupil1, PupilGroup) == 0);
        for (uid_t uid : {Pupil1, Pupil2}) {
            const QString state = base.filePath("state-" + QString::number(uid));
            QVERIFY(QDir().mkpath(state) && ::chown(QFile::encodeName(state).constData(), uid, PupilGroup) == 0);
        }

        QCOMPARE(runChild(Pupil1, PupilGroup, {"--record", data, base.filePath("state-64201"), "eau|water|W", "lait|milk|R"}), 0);
        QCOMPARE(runChild(Pupil2, PupilGroup, {"--record", data, base.filePath("state-64202"), "eau|water|W", "the|tea|W"}), 0);
        // A second save replaces the file in place.
        QCOMPARE(runChild(Pupil2, PupilGroup, {"--record", data, base.filePath("state-64202"), "eau|water|R"}), 0);
        QCOMPARE(runChild(Pupil1, PupilGroup, {"--record", plain, base.filePath("state-64201"), "pain|bread|W"}), 0);
        // A pupil cannot list the class folder.
        QCOMPARE(runChild(Pupil1, PupilGroup, {"--verb", data}), 1);

        QCOMPARE(QDir(classDir).entryList(QDir::Files), (QStringList{"64201.dat", "64202.dat", "root.dat"}));
        QCOMPARE(QDir(plain).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"thelists.dat"});
        QVERIFY(QFile::exists(accountFilePath(base.filePath("state-64201"), plain)));
        for (uid_t uid : {Pupil1, Pupil2}) {
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(classDir + QStringLiteral("/%1.dat").arg(uid)).constData(), &info) == 0);
            QCOMPARE(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777), std::tuple(uid, Teachers, 0640u));
        }

        Shared.AppPath = data;
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(progressVerb(std::nullopt, outStream, errStream), 0);
        QCOMPARE(out, QStringLiteral("pupil\tDrinks\t64201\t1\t1\n"
                                     "pupil\tDrinks\t64202\t1\t2\n"
                                     "missed\tDrinks\teau\twater\t2\n"
                                     "missed\tDrinks\tthe\ttea\t1\n"));
        QCOMPARE(err, QStringLiteral("lingo-spark: skipped root.dat: owned by 64201, not by root\n"));
        const QByteArray csv = csvBytes(classRows(*ReadStore(), readClassFolder(data, *ReadStore())));
        QVERIFY(csv.startsWith("\xEF\xBB\xBFpupil,Drinks,64201,1,1\r\n") && csv.endsWith("missed,Drinks,the,tea,1\r\n"));
    }

    void verbRefusals_data()
    {
        QTest::addColumn<bool>("makeFolder");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("message");
        QTest::addRow("no class folder") << false << QString() << "there is no class progress folder";
        QTest::addRow("an unknown list") << true << "Cheese" << "there is no list named \"Cheese\"";
    }

    void verbRefusals()
    {
        QFETCH(bool, makeFolder);
        QFETCH(QString, list);
        QFETCH(QString, message);
        writeFile(storePath(), storeOf({{"Drinks", {"eau|water"}}}));
        if (makeFolder)
            QVERIFY(QDir().mkpath(Shared.AppPath + "/progress"));
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(progressVerb(list.isEmpty() ? std::nullopt : std::optional(list), outStream, errStream), 1);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY(out.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0)
        return childMain(QCoreApplication::arguments().mid(2));
    ProgressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_progress.moc"
