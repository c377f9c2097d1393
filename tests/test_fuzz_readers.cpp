// links: lingo_core
// Feeds the store and settings readers generated files of every shape a
// damaged or hand-edited file could take: no crash, no out-of-bounds access,
// no hang, and the readers agree with one another.
#include "app/core/SharedState.h"
#include "fuzz/ReaderChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

// Files of every shape: random bytes, stores cut anywhere, lines of up to
// 64 KiB, runs of separators, lists around the 600-pair limit, mixed endings.
class FileMaker {
public:
    explicit FileMaker(std::uint64_t seed) : m_rng(seed) {}

    QByteArray next()
    {
        // Mostly small files, some up to 64 KiB.
        const int size = int(std::exp(std::uniform_real_distribution<double>(0.0, std::log(65536.0))(m_rng)));
        switch (m_rng() % 6) {
        case 0: return randomBytes(size);
        case 1: return lines(size, 10, false).left(size);
        case 2: return "Name\r\n" + randomBytes(size).replace('\r', 'x').replace('\n', 'y') + "\r\nmeaning";
        case 3: return lines(size, 67, true);
        case 4: return bigList();
        default: return lines(size, 10, true);
        }
    }

private:
    int below(int n) { return int(m_rng() % unsigned(n)); }

    QByteArray randomBytes(int size)
    {
        QByteArray out(size, Qt::Uninitialized);
        for (char &c : out)
            c = char(m_rng());
        return out;
    }

    QByteArray lines(int size, int separatorPercent, bool mixedEndings)
    {
        static const QByteArray specials[] = {"<New List>", "No Lists", "", "<New List> ", "no lists"};
        static const char *endings[] = {"\r\n", "\r", "\n", "\n\r"};
        QByteArray out;
        while (out.size() < size) {
            QByteArray text = randomBytes(below(24)).replace('\r', 'r').replace('\n', 'n');
            if (below(8) == 0)
                text = specials[below(5)];
            if (below(100) < separatorPercent)
                text = "<New List>";
            out += text + (mixedEndings ? endings[below(4)] : "\r\n");
        }
        return out;
    }

    QByteArray bigList()
    {
        QByteArray out = "Big\r\n";
        for (int i = 0, pairs = 590 + below(40); i < pairs; ++i)
            out += "w" + QByteArray::number(i) + "\r\nm\r\n";
        return below(2) ? out + "<New List>\r\nNext\r\nx\r\ny" : out;
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

} // namespace

class FuzzReadersTest : public QObject {
    Q_OBJECT

private slots:
    void generatedFiles()
    {
        QTemporaryDir dir(scratchTemplate());
        Shared.AppPath = dir.path();
        // Fewer files under the sanitizers, which run everything many times slower.
        const int env = qEnvironmentVariableIntValue("LINGO_FUZZ_FILES");
        const int files = env > 0 ? env : 100000;
        FileMaker maker(20261207);
        for (int i = 0; i < files + 3; ++i) {
            // The last three files are of several megabytes.
            const bool large = i >= files;
            QByteArray bytes = maker.next();
            while (large && bytes.size() < (i - files + 2) * 1024 * 1024)
                bytes += maker.next();
            const QString failure = fuzz::checkReaders(bytes, large ? bytes : bytes.left(200), large || i % 100 == 0);
            QVERIFY2(failure.isEmpty(), qPrintable(QString("file %1: %2").arg(i).arg(failure)));
        }
    }
};

QTEST_GUILESS_MAIN(FuzzReadersTest)
#include "test_fuzz_readers.moc"
