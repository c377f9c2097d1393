// The 701 rings of one Word Zap! shot, drawn into the window-sized layer
// they persist on. A shot must stay well under one frame (16 ms).
#include "app/core/Random.h"
#include "games/zap/ZapRings.h"
#include "games/zap/ZapRules.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BlastRings(benchmark::State &state)
{
    const qreal ratio = qreal(state.range(0));
    QImage layer = makeRingLayer(QSize(520, 400), ratio);
    // A word of layout 1 in the middle of the play area.
    const BlastCentre centre = blastCentre(3240, 960, 1200, 285);
    for (auto _ : state) {
        drawBlastRings(layer, centre.x, centre.y, rnd::Rnd);
        benchmark::DoNotOptimize(layer.constBits());
    }
}
BENCHMARK(BM_BlastRings)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ClearLayer(benchmark::State &state)
{
    QImage layer = makeRingLayer(QSize(520, 400), 1.0);
    for (auto _ : state) {
        layer.fill(Qt::transparent);
        benchmark::DoNotOptimize(layer.constBits());
    }
}
BENCHMARK(BM_ClearLayer)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
