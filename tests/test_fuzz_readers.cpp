// links: lingo_core
// Feeds the store and settings readers generated files of every shape a
// damaged or hand-edited file could take: no crash, no out-of-bounds access,
// no hang, and the readers agree with one another.
#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"
#include "fuzz/ReaderChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

class FileMaker {
public:
    explicit FileMaker(std::uint64_t seed) : m_rng(seed) {}

    QByteArray next()
    {
        const int maxSize = 64 * 1024;
        // Mostly small files, some up to the limit.
        const int size = int(std::exp(uniform(0.0, std::log(double(maxSize)))));
        switch (m_rng() % 6) {
        case 0: return randomBytes(size);
        case 1: return store(size, false).left(size); // truncated anywhere
        case 2: return longLines(size);
        case 3: return separators(size);
        case 4: return bigList();
        default: return store(size, true);
        }
    }

private:
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_rng); }
    int below(int n) { return int(m_rng() % unsigned(n)); }

    QByteArray randomBytes(int size)
    {
        QByteArray out(size, Qt::Uninitialized);
        for (char &c : out)
            c = char(m_rng());
        return out;
    }

    QByteArray ending(bool mixed)
    {
        if (!mixed)
            return "\r\n";
        static const char *endings[] = {"\r\n", "\r", "\n", "\n\r"};
        return endings[below(4)];
    }

    QByteArray line()
    {
        static const QByteArray specials[] = {"<New List>", "No Lists", "", "<New List> ", "no lists"};
        if (below(8) == 0)
            return specials[below(5)];
        QByteArray text = randomBytes(below(24));
        text.replace('\r', 'r').replace('\n', 'n');
        return text;
    }

    QByteArray store(int size, bool mixedEndings)
    {
        QByteArray out;
        while (out.size() < size) {
            out += (below(10) == 0 ? QByteArray("<New List>") : line()) + ending(mixedEndings);
        }
        return out;
    }

    QByteArray longLines(int size)
    {
        QByteArray out = "Name\r\n" + randomBytes(size).replace('\r', 'x').replace('\n', 'y');
        return out + "\r\nmeaning";
    }

    QByteArray separators(int size)
    {
        QByteArray out;
        while (out.size() < size)
            out += below(3) ? QByteArray("<New List>\r\n") : line() + ending(true);
        return out;
    }

    QByteArray bigList()
    {
        QByteArray out = "Big\r\n";
        const int pairs = 590 + below(40);
        for (int i = 0; i < pairs; ++i)
            out += "w" + QByteArray::number(i) + "\r\nm\r\n";
        if (below(2))
            out += "<New List>\r\nNext\r\nx\r\ny";
        return out;
    }

    std::mt19937_64 m_rng;
};

// On a RAM disk when there is one: the rewrites sync to disk, which would
// make the run wait on the drive rather than test the readers.
QString scratchTemplate()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/lingo-fuzz-XXXXXX")
                                                             : QDir::temp().filePath("lingo-fuzz-XXXXXX");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class FuzzReadersTest : public QObject {
    Q_OBJECT

private slots:
    void generatedFiles()
    {
        QTemporaryDir dir(scratchTemplate());
        Shared.AppPath = dir.path();
        // Fewer files under the sanitizers, which run everything many times slower.
        const int files = qEnvironmentVariableIntValue("LINGO_FUZZ_FILES") > 0
                              ? qEnvironmentVariableIntValue("LINGO_FUZZ_FILES")
                              : 100000;
        FileMaker maker(20261207);
        for (int i = 0; i < files; ++i) {
            const QByteArray bytes = maker.next();
            writeFile(storePath(), bytes);
            writeFile(settingsPath(), bytes.left(200));
            const QString failure = fuzz::checkReaders(bytes, i % 100 == 0);
            QVERIFY2(failure.isEmpty(), qPrintable(QString("file %1: %2").arg(i).arg(failure)));
        }
    }

    void severalMegabytes()
    {
        QTemporaryDir dir(scratchTemplate());
        Shared.AppPath = dir.path();
        FileMaker maker(42);
        for (int i = 0; i < 3; ++i) {
            QByteArray bytes;
            while (bytes.size() < (i + 2) * 1024 * 1024)
                bytes += maker.next();
            writeFile(storePath(), bytes);
            writeFile(settingsPath(), bytes);
            const QString failure = fuzz::checkReaders(bytes, true);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }
};

QTEST_GUILESS_MAIN(FuzzReadersTest)
#include "test_fuzz_readers.moc"
