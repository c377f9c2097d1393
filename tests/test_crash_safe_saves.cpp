// links: lingo_core
// A save killed at any moment leaves the store and the settings file either
// as they were or as they were being written, never in between.
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

QList<QByteArray> storeVersion(char tag)
{
    QList<QByteArray> lines;
    for (int list = 0; list < 40; ++list) {
        if (list > 0)
            lines << "<New List>";
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

// The child: rewrites both files with alternating content until killed.
[[noreturn]] void rewriteForever(const QString &folder)
{
    Shared.AppPath = folder;
    const QList<QByteArray> stores[] = {storeVersion('A'), storeVersion('B')};
    const QList<QByteArray> settings[] = {settingsVersion('A'), settingsVersion('B')};
    for (unsigned i = 0;; ++i) {
        WriteStoreLines(stores[i % 2]);
        WriteSettingsLines(settings[i % 2]);
    }
}

const char *const teacherFiles[] = {"thelists.dat.backup", "lsdata.dat.before", "thelists.dat.old123"};

} // namespace

class CrashSafeSavesTest : public QObject {
    Q_OBJECT

private slots:
    void killedSavesLeaveOldOrNewContent()
    {
        QTemporaryDir dir;
        Shared.AppPath = dir.path();
        QVERIFY(WriteStoreLines(storeVersion('A')));
        QVERIFY(WriteSettingsLines(settingsVersion('A')));
        for (const char *name : teacherFiles)
            QVERIFY(textfile::writeLines(dir.filePath(name), {name}));
        const QByteArray storeFiles[] = {asFile(storeVersion('A')), asFile(storeVersion('B'))};
        const QByteArray settingsFiles[] = {asFile(settingsVersion('A')), asFile(settingsVersion('B'))};

        std::mt19937 rng(1207);
        for (int round = 0; round < 200; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--rewrite-forever", dir.path()});
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
    if (argc == 3 && qstrcmp(argv[1], "--rewrite-forever") == 0)
        rewriteForever(QFile::decodeName(argv[2]));
    QCoreApplication app(argc, argv);
    CrashSafeSavesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_crash_safe_saves.moc"
