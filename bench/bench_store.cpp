// Store operations on a large generated store: 1,000 lists of 600 pairs,
// about 1.2 million lines. Every operation reads the file, as the program does.
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

QString lastListName()
{
    return QStringLiteral("List %1").arg(Lists);
}

void ensureStore()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QDir().mkpath(benchFolder());
    Shared.AppPath = benchFolder();
    if (QFile::exists(storePath()))
        return;
    QList<QByteArray> lines;
    lines.reserve(Lists * (2 * Pairs + 2));
    for (int l = 1; l <= Lists; ++l) {
        if (l > 1)
            lines << NewListLine.toByteArray();
        lines << "List " + QByteArray::number(l);
        for (int p = 1; p <= Pairs; ++p)
            lines << "caf\xe9-" + QByteArray::number(p) << "a meaning for word " + QByteArray::number(p);
    }
    if (!WriteStoreLines(lines))
        std::abort();
}

void BM_ReadListNames(benchmark::State &state)
{
    ensureStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadListNames());
}

void BM_LoadLastList(benchmark::State &state)
{
    ensureStore();
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
    ensureStore();
    for (auto _ : state) {
        const auto saved = dataupdate::updateStore([](StoreContent &) { return dataupdate::Change::save(); });
        if (!saved)
            state.SkipWithError("rewrite failed");
    }
}

} // namespace

BENCHMARK(BM_ReadListNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLastList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndRewriteStore)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
