// Store operations on a large generated store: 1,000 lists of 600 pairs,
// about 1.2 million lines, once in Windows-1252 (argument 0) and once in
// UTF-8 with a mark and Russian words (argument 1). Every operation reads
// the file, as the program does.
#include "app/core/DataUpdate.h"
#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"
#include "app/core/SharedState.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int Lists = 1000;
constexpr int Pairs = 600;

QString benchFolder()
{
    const char *env = std::getenv("LINGO_BENCH_DIR");
    return env ? QString::fromLocal8Bit(env) : QDir::temp().filePath("lingo-spark-bench");
}

// The folder of the store of the benchmark's encoding, written once.
QString storeFolder(bool utf8)
{
    return QDir(benchFolder()).filePath(utf8 ? "utf8" : "cp1252");
}

QString lastListName()
{
    return QStringLiteral("List %1").arg(Lists);
}

void ensureStore(const benchmark::State &state)
{
    const bool utf8 = state.range(0) == 1;
    Shared.AppPath = storeFolder(utf8);
    if (QFile::exists(storePath()))
        return;
    QDir().mkpath(Shared.AppPath);
    const QByteArray word = utf8 ? QByteArray("\xd1\x81\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xbe-") : QByteArray("caf\xe9-");
    QList<QByteArray> lines;
    lines.reserve(Lists * (2 * Pairs + 2));
    for (int l = 1; l <= Lists; ++l) {
        if (l > 1)
            lines << NewListLine.toByteArray();
        lines << "List " + QByteArray::number(l);
        for (int p = 1; p <= Pairs; ++p)
            lines << word + QByteArray::number(p) << "a meaning for word " + QByteArray::number(p);
    }
    if (utf8)
        lines.first().prepend("\xEF\xBB\xBF");
    if (!WriteStoreLines(lines))
        std::abort();
}

void BM_ReadListNames(benchmark::State &state)
{
    ensureStore(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadListNames());
}

void BM_LoadLastList(benchmark::State &state)
{
    ensureStore(state);
    Shared.CurrentList = lastListName();
    for (auto _ : state) {
        LoadList();
        if (Shared.WordCount != Pairs)
            state.SkipWithError("last list not loaded");
    }
}

// A teacher's save as it is made: the lock taken, the store re-read and
// replaced, the lock released.
void BM_ReadAndRewriteStore(benchmark::State &state)
{
    ensureStore(state);
    for (auto _ : state) {
        const auto saved = dataupdate::updateStore([](StoreContent &) { return dataupdate::Change::save(); });
        if (!saved)
            state.SkipWithError("rewrite failed");
    }
}

} // namespace

BENCHMARK(BM_ReadListNames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLastList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndRewriteStore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
