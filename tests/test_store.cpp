// links: lingo_core
#include "app/core/Cp1252.h"
#include "app/core/DataUpdate.h"
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList load(const QString &list)
{
    Shared.CurrentList = list;
    LoadList();
    QStringList out;
    for (int i = 1; i <= Shared.WordCount; ++i)
        out << Shared.Words[i] + "=" + Shared.Meanings[i];
    return out;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        Shared = Module1{};
        Shared.AppPath = m_dir.path();
    }

    void everyByteRoundTripsThroughReadAndWrite()
    {
        // Each byte value except CR and LF, in a name, a word and a meaning;
        // the control bytes again on the file's last line, short enough for
        // the scan for line ends to go through it byte by byte.
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all += char(b);
        const QList<QByteArray> lines{"List " + all, all, all.right(100), NewListLine.toByteArray(), "B", "m",
                                      all.left(12)};
        QVERIFY(WriteStoreLines(lines));
        QCOMPARE(readRaw(storePath()), crlf(lines));
        auto read = *ReadStoreLines();
        QCOMPARE(read, lines);
        QVERIFY(WriteStoreLines(lines));

        // Decoding then encoding gives back the very bytes, the five bytes
        // Windows-1252 leaves undefined included.
        QCOMPARE(load(cp1252::decode("List " + all)).size(), 1);
        QCOMPARE(cp1252::encode(Shared.Words[1]).value(), all);
        QCOMPARE(ReadListNames(), (QStringList{cp1252::decode("List " + all), "B"}));
        QVERIFY(!cp1252::canEncode(QStringLiteral("\u0142")));
        QVERIFY(!cp1252::canEncode(QStringLiteral("smile \U0001F600")));
        QCOMPARE(cp1252::charFor(0xE9), QChar(0xE9));
        QCOMPARE(cp1252::charFor(0x9C), QChar(0x0153)); // oe ligature
    }

    // A save keeps the store's encoding while it can, and every line it did
    // not change keeps its bytes; a Windows-1252 store becomes UTF-8 with a
    // mark, whole, only when a list needs it.
    void encodingsOfTheStore_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QByteArray>("after");
        const QByteArray cp1252Store = crlf({"Caf\xe9", "\xe9t\xe9", "summer", "odd \x81", "x"});
        QTest::addRow("Windows-1252 keeps a list it can hold")
            << cp1252Store << "Espa\u00f1ol" << cp1252Store + crlf({"<New List>", "Espa\xf1ol", "ni\xf1o", "ni\xf1o"});
        QTest::addRow("Windows-1252 turns UTF-8 for Russian")
            << cp1252Store << "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"
            << "\xEF\xBB\xBF" + crlf({"Caf\xc3\xa9", "\xc3\xa9t\xc3\xa9", "summer", "odd \xc2\x81", "x", "<New List>",
                                     "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9", "ni\xc3\xb1o",
                                     "ni\xc3\xb1o"});
        const QByteArray editorStore = crlf({"Caf\xc3\xa9", "\xc3\xa9t\xc3\xa9", "summer"});
        QTest::addRow("UTF-8 an editor saved gains no mark")
            << editorStore << "Polski" << editorStore + crlf({"<New List>", "Polski", "ni\xc3\xb1o", "ni\xc3\xb1o"});
        const QByteArray mixed = "\xEF\xBB\xBF" + crlf({"\xce\x95\xce\xbb", "\xe9t\xe9", "summer"});
        QTest::addRow("a Windows-1252 line of a UTF-8 store keeps its bytes")
            << mixed << "Polski" << mixed + crlf({"<New List>", "Polski", "ni\xc3\xb1o", "ni\xc3\xb1o"});
    }

    void encodingsOfTheStore()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, added);
        QFETCH(QByteArray, after);
        const QByteArray settings = "p\xe4ss\r\nkept\r\nSound On\r\n";
        writeRaw(settingsPath(), settings);
        writeRaw(storePath(), before);
        const StoredList first = ReadStore()->listAt(0);
        QVERIFY(dataupdate::updateStore([&added](StoreContent &now) {
            now.appendList({added, {{"nin\u0303o", "ni\u00f1o"}}}); // typed decomposed, stored composed
            return dataupdate::Change::save();
        }));
        QCOMPARE(readRaw(storePath()), after);
        QVERIFY(sameList(ReadStore()->listAt(0), first));
        QCOMPARE(ReadListNames().last(), added);
        QCOMPARE(load(added), QStringList{"ni\u00f1o=ni\u00f1o"});
        QCOMPARE(load(first.name).value(0), first.pairs[0].word + "=" + first.pairs[0].meaning);
        QCOMPARE(readRaw(settingsPath()), settings);
        QVERIFY(QFile::remove(settingsPath()));
    }

    void loadList_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QList<QByteArray> &lines, const char *list, const QStringList &pairs) {
            QTest::addRow("%s", name) << crlf(lines) << QString(list) << pairs;
        };
        row("first of two lists", {"A", "a1", "m1", "a2", "m2", "<New List>", "B", "b1", "n1"}, "A", {"a1=m1", "a2=m2"});
        row("last list", {"A", "a1", "m1", "<New List>", "B", "b1", "n1"}, "B", {"b1=n1"});
        row("empty block in the middle", {"A", "a1", "m1", "<New List>", "E", "<New List>", "B", "b1", "n1"}, "E", {});
        row("empty last block", {"A", "a1", "m1", "<New List>", "E"}, "E", {});
        row("duplicate names load the first", {"D", "x", "first", "<New List>", "D", "y", "second"}, "D", {"x=first"});
        row("word equal to a later list's name", {"A", "B", "not a name", "<New List>", "B", "b1", "n1"}, "B", {"b1=n1"});
        row("name no longer in the store", {"A", "a1", "m1"}, "Gone", {});
        row("file ends after a word", {"A", "a1", "m1", "a2"}, "A", {"a1=m1", "a2="});
        // The chooser names B, so A ends before it wherever the separator stands.
        row("separator where a meaning stands", {"A", "a1", "<New List>", "B", "b1", "n1"}, "A", {"a1="});
        row("empty lines are words and meanings", {"A", "", "", "w", ""}, "A", {"=", "w="});
        QTest::addRow("LF only") << QByteArray("A\na1\nm1\n<New List>\nB\nb1\nn1\n") << "B" << QStringList{"b1=n1"};
        QTest::addRow("CR only") << QByteArray("A\ra1\rm1\r<New List>\rB\rb1\rn1") << "A" << QStringList{"a1=m1"};
        QTest::addRow("mixed endings, no final break")
            << QByteArray("A\r\na1\nm1\ra2\r\nm2") << "A" << QStringList{"a1=m1", "a2=m2"};
    }

    void loadList()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, list);
        QFETCH(QStringList, expected);
        writeRaw(storePath(), store);
        Shared.WordCount = 99;
        QCOMPARE(load(list), expected);
    }

    void sixHundredPairsAndMore()
    {
        for (const int pairs : {600, 601, 1000}) {
            for (const bool followed : {false, true}) {
                QList<QByteArray> lines{"Big"};
                for (int i = 1; i <= pairs; ++i)
                    lines << "w" + QByteArray::number(i) << "m" + QByteArray::number(i);
                if (followed)
                    lines << NewListLine.toByteArray() << "Next" << "n" << "nm";
                writeRaw(storePath(), crlf(lines));
                QCOMPARE(load("Big").size(), 600);
                QCOMPARE(Shared.Words[600] + Shared.Meanings[600], QString("w600m600"));
                QCOMPARE(load("Next").size(), followed ? 1 : 0);
            }
        }
        // A shorter list loaded after a longer one leaves the entries above
        // its count as they were.
        QCOMPARE(load("Big").size(), 600);
        writeRaw(storePath(), crlf({"Short", "s1", "m"}));
        QCOMPARE(load("Short"), QStringList{"s1=m"});
        QCOMPARE(Shared.Words[12], QString("w12"));
    }

    void namesAndEmptiness()
    {
        writeRaw(storePath(), crlf({"No Lists"}));
        QVERIFY(StoreIsEmpty());
        QCOMPARE(ReadListNames(), QStringList{"No Lists"});
        writeRaw(storePath(), crlf({"no lists"}));
        QVERIFY(!StoreIsEmpty());
        writeRaw(storePath(), crlf({"A", "<New List>", "w", "m", "<New List>", "<New List>", "C"}));
        // A separator right after a separator is a list's name line.
        QCOMPARE(ReadListNames(), (QStringList{"A", "w", "<New List>"}));
        QCOMPARE(listNamesOf(*ReadStoreLines()), (QList<QByteArray>{"A", "w", "<New List>"}));

        // A file that cannot be read is never taken for an empty one.
        writeRaw(settingsPath(), crlf({"pw", "", "Sound On"}));
        for (const QString &path : {storePath(), settingsPath()}) {
            textfile::failReadsForTests(path);
            const bool store = path == storePath();
            QCOMPARE(!ReadStoreLines(), store);
            QCOMPARE(!ReadSettingsLines(), !store);
            bool names = true, list = true, empty = true;
            ReadListNames(&names);
            Shared.CurrentList = "A";
            LoadList(&list);
            StoreIsEmpty(&empty);
            QCOMPARE(QList<bool>({names, list, empty}), QList<bool>(3, !store));
        }
        textfile::failReadsForTests({});
        QFile::remove(storePath());
        bool readable = true;
        QVERIFY(ReadListNames(&readable).isEmpty());
        QVERIFY(!readable);
        QVERIFY(QDir(m_dir.path()).mkdir("thelists.dat")); // a folder in the file's place
        QVERIFY(!ReadStoreLines());
        QVERIFY(QDir(m_dir.path()).rmdir("thelists.dat"));
        QFile::remove(settingsPath());
    }

    void failedSavesKeepTheOldFile()
    {
        const QByteArray old = crlf({"Old", "w", "m"});
        writeRaw(storePath(), old);

        // A full disk: the write comes back short without an error.
        textfile::simulateShortWritesForTests(true);
        const auto shortWrite = WriteStoreLines({"New"});
        textfile::simulateShortWritesForTests(false);
        QVERIFY(!shortWrite);
        QVERIFY(shortWrite.error.contains("thelists.dat"));
        QCOMPARE(readRaw(storePath()), old);

        // The folder vanished under the writer (root writes into read-only
        // folders, so taking the folder away is what makes it fail).
        Shared.AppPath = m_dir.filePath("missing");
        QVERIFY(!WriteStoreLines({"New"}));
        Shared.AppPath = m_dir.path();
        // No temporary file is left behind by a failed save.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QRegularExpression("^(?!.*\\.lck$)")),
                 QStringList{"thelists.dat"});

        // A disk really full.
        QTemporaryDir small;
        if (::mount("tmpfs", QFile::encodeName(small.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root)");
        Shared.AppPath = small.path();
        writeRaw(storePath(), old);
        const auto full = WriteStoreLines(QList<QByteArray>(20000, "a fairly long word line of a huge list"));
        const QByteArray after = readRaw(storePath());
        ::umount(QFile::encodeName(small.path()).constData());
        QVERIFY(!full);
        QCOMPARE(after, old);
    }

    // Every teacher account must be able to lock the file whatever this
    // account's umask, and the lock file stays for the next save.
    void anUpdateRewritesTheFileUnderALockTheGroupMayTake()
    {
        writeRaw(storePath(), crlf({"A", "w", "m"}));
        const mode_t mask = ::umask(077);
        QFile::Permissions lockMode;
        const auto result = dataupdate::updateFile(storePath(), [&lockMode](const QList<QByteArray> &now) {
            lockMode = QFileInfo(storePath() + ".lck").permissions();
            return dataupdate::Change::write(QList<QByteArray>(now) << "w2" << "m2");
        });
        ::umask(mask);
        QCOMPARE(result.outcome, dataupdate::Outcome::Saved);
        QCOMPARE(readRaw(storePath()), crlf({"A", "w", "m", "w2", "m2"}));
        QVERIFY(lockMode.testFlags(QFileDevice::ReadGroup | QFileDevice::WriteGroup));
        QVERIFY(QFileInfo::exists(storePath() + ".lck"));
    }

    void settingsFile()
    {
        writeRaw(settingsPath(), "Secret\r\n\xE9t\xE9 line two\r\nSound On\r\nextra\r\n");
        auto lines = *ReadSettingsLines();
        QCOMPARE(storedPassword(lines), QString("Secret"));
        QVERIFY(soundLineIsOn(lines));
        lines[2] = SoundOffLine.toByteArray();
        QVERIFY(WriteSettingsLines(lines));
        QCOMPARE(readRaw(settingsPath()), QByteArray("Secret\r\n\xE9t\xE9 line two\r\nSound Off\r\nextra\r\n"));
        for (const QByteArray &third : {QByteArray("sound on"), QByteArray("Sound On "), QByteArray()})
            QVERIFY(!soundLineIsOn({"pw", "x", third}));

        // A short file reads as empty lines and is written back with three.
        writeRaw(settingsPath(), "OnlyPassword");
        lines = *ReadSettingsLines();
        QVERIFY(!soundLineIsOn(lines));
        QVERIFY(WriteSettingsLines(lines));
        QCOMPARE(readRaw(settingsPath()), QByteArray("OnlyPassword\r\n\r\n\r\n"));
        writeRaw(settingsPath(), "");
        QCOMPARE(storedPassword(*ReadSettingsLines()), QString());

        // An editor's byte-order mark is never part of the password.
        writeRaw(settingsPath(), "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F\r\nx\r\nSound On\r\n");
        QCOMPARE(storedPassword(*ReadSettingsLines()), QString("Gr\u00fc\u00df"));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
