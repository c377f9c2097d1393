// Progress files at the size of a busy school year: one account's progress
// of 50 lists x 600 pairs loaded and saved (under 20 ms), and a class of 30
// pupils' files of that size read and tabled for every list (within 1 s).
// The files are generated once into LINGO_BENCH_DIR (or the temp folder).
#include "progress/ClassView.h"
#include "progress/ProgressFiles.h"

#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int Lists = 50;
constexpr int Pairs = 600;
constexpr int Pupils = 30;

QString benchFolder()
{
    const char *env = std::getenv("LINGO_BENCH_DIR");
    return QDir(env ? QString::fromLocal8Bit(env) : QDir::temp().filePath("lingo-spark-bench")).filePath("progress");
}

WordPair pairAt(int list, int pair)
{
    return {QStringLiteral("mot %1 de la liste %2").arg(pair).arg(list), QStringLiteral("word %1").arg(pair)};
}

// Every pair answered, one pupil's pattern of right and wrong by `seed`.
progress::Book generatedBook(int seed)
{
    progress::Book book;
    const QDateTime start = QDateTime(QDate(2026, 9, 1), QTime(9, 0));
    for (int l = 0; l < Lists; ++l) {
        for (int p = 0; p < Pairs; ++p) {
            const QDateTime when = start.addDays((l + p) % 60);
            book.graded(pairAt(l, p), (p + seed) % 3 != 0, when);
            if ((p + seed) % 5 == 0)
                book.graded(pairAt(l, p), false, when.addDays(1));
        }
    }
    return book;
}

StoreContent generatedStore()
{
    QList<QByteArray> lines;
    for (int l = 0; l < Lists; ++l) {
        if (l > 0)
            lines << "<New List>";
        lines << QStringLiteral("List %1").arg(l).toUtf8();
        for (int p = 0; p < Pairs; ++p) {
            const WordPair pair = pairAt(l, p);
            lines << pair.word.toUtf8() << pair.meaning.toUtf8();
        }
    }
    lines.first().prepend("\xEF\xBB\xBF");
    return StoreContent::fromFileLines(textfile::Lines(lines));
}

QString accountFile()
{
    const QString path = QDir(benchFolder()).filePath("account.dat");
    if (!QFile::exists(path) && !progress::replaceFile(path, generatedBook(0).toBytes(), progress::OwnFilePermissions, true).isEmpty())
        std::abort();
    return path;
}

// A class folder of 30 files named by the uids 64300 and up. Run as root,
// each is given the owner its name says, as the view demands; under another
// account every file is skipped after the same look at it, which is no
// figure for the view.
QString classDataFolder()
{
    const QString data = QDir(benchFolder()).filePath("class");
    const QString folder = progress::classFolderPath(data);
    if (QFile::exists(folder))
        return data;
    QDir().mkpath(folder);
    for (int pupil = 0; pupil < Pupils; ++pupil) {
        const uint uid = 64300 + pupil;
        const QString path = QDir(folder).filePath(QStringLiteral("%1.dat").arg(uid));
        if (!progress::replaceFile(path, generatedBook(pupil).toBytes(), progress::ClassFilePermissions, false).isEmpty())
            std::abort();
        if (::geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), uid, 0) != 0)
            std::abort();
    }
    return data;
}

void BM_LoadAndSaveAccount(benchmark::State &state)
{
    const QString path = accountFile();
    const StoreContent store = generatedStore();
    const QDateTime now(QDate(2026, 11, 2), QTime(10, 0));
    for (auto _ : state) {
        progress::BookRead read = progress::readAccountFile(path, now);
        if (!read.problem.isEmpty() || read.book.size() != Lists * Pairs)
            state.SkipWithError("the account's file did not read back");
        read.book.refreshHeld(store, now.date());
        read.book.graded(pairAt(0, 0), true, now);
        if (!progress::replaceFile(path, read.book.toBytes(), progress::OwnFilePermissions, true).isEmpty())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_LoadAndSaveAccount)->Unit(benchmark::kMillisecond);

// The same without the store: the file alone.
void BM_LoadAndSaveAccountFileOnly(benchmark::State &state)
{
    const QString path = accountFile();
    const QDateTime now(QDate(2026, 11, 2), QTime(10, 0));
    for (auto _ : state) {
        progress::BookRead read = progress::readAccountFile(path, now);
        read.book.graded(pairAt(0, 0), true, now);
        if (!progress::replaceFile(path, read.book.toBytes(), progress::OwnFilePermissions, true).isEmpty())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_LoadAndSaveAccountFileOnly)->Unit(benchmark::kMillisecond);

// The parts: reading bytes into pairs, and pairs into bytes.
void BM_ParseAccount(benchmark::State &state)
{
    const QByteArray bytes = textfile::readBytes(accountFile()).value_or(QByteArray());
    for (auto _ : state)
        benchmark::DoNotOptimize(progress::Book::fromBytes(bytes));
}
BENCHMARK(BM_ParseAccount)->Unit(benchmark::kMillisecond);

void BM_SerializeAccount(benchmark::State &state)
{
    const auto book = progress::Book::fromBytes(textfile::readBytes(accountFile()).value_or(QByteArray()));
    for (auto _ : state)
        benchmark::DoNotOptimize(book->toBytes());
}
BENCHMARK(BM_SerializeAccount)->Unit(benchmark::kMillisecond);

void BM_ClassView(benchmark::State &state)
{
    const QString data = classDataFolder();
    const StoreContent store = generatedStore();
    for (auto _ : state) {
        const progress::ClassFolder folder = progress::readClassFolder(data, store);
        const QList<progress::ListRows> rows = progress::classRows(store, folder);
        if (::geteuid() == 0 && (folder.pupils.size() != Pupils || rows.size() != Lists))
            state.SkipWithError("the class did not read back");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ClassView)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
