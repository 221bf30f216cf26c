#include <cstring>

#include "bench/BenchSupport.h"
#include "map/EdgeMap.h"

using namespace brambex;

// A plain copy of the picture's rows into another picture of the same size: the yardstick for
// one pass over a map.
static void BM_PlainCopy(benchmark::State& state) {
    gdImagePtr cave = bench::caveSilhouette(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    ImagePtr copy = bench::copyOf(cave);
    for (auto _ : state) {
        for (int y = 0; y < cave->sy; ++y)
            std::memcpy(copy->tpixels[y], cave->tpixels[y], sizeof(int) * static_cast<std::size_t>(cave->sx));
        benchmark::DoNotOptimize(copy->tpixels[0][0]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopy) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// Target: at most 3 x the plain copy.
static void BM_BuildEdgeMap(benchmark::State& state) {
    gdImagePtr cave = bench::caveSilhouette(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int top, bottom, left, right;
    for (auto _ : state) {
        ImagePtr edges = buildEdgeMap(cave, 0, 0xFFFFFF, top, bottom, left, right);
        benchmark::DoNotOptimize(edges->tpixels[0][0]);
    }
}
BENCHMARK(BM_BuildEdgeMap) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// The same copy into a newly made picture: what any operation that returns a new picture pays
// before it writes a pixel.
static void BM_CopyToNewPicture(benchmark::State& state) {
    gdImagePtr cave = bench::caveSilhouette(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        ImagePtr copy = bench::copyOf(cave);
        benchmark::DoNotOptimize(copy->tpixels[0][0]);
    }
}
BENCHMARK(BM_CopyToNewPicture) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);
