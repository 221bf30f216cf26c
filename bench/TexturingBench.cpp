#include "bench/BenchSupport.h"
#include "generators/Cavern.h"
#include "generators/RunSteps.h"
#include "map/EdgeMap.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/ThemeObjects.h"
#include "map/Themes.h"

using namespace brambex;

// Grass and roots, then theme objects, on a cave silhouette with the default theme.
// Target: together at most 4 x BM_PlainCopy of the same size.
static void BM_GrassRootsAndObjects(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    gdImagePtr cave = bench::caveSilhouette(w, h);
    bench::useBuildData();
    test::params.objects = 50;
    test::params.width = w;
    test::params.height = h;
    auto made = test::generatorFor<Cavern>();
    Cavern& g = *made;
    for (auto _ : state) {
        state.PauseTiming();
        g.image = bench::copyOf(cave);
        g.colourBlack = 0;
        g.colourWhite = 0xFFFFFF;
        int top, bottom, left, right;
        ImagePtr edges = buildEdgeMap(g.image.get(), 0, 0xFFFFFF, top, bottom, left, right);
        brambex::srand(7);
        state.ResumeTiming();
        applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, 2, currentFolders(), 0);
        placeThemeObjects(g.image.get(), edges.get(), top, bottom, left, right, 0, {currentFolders(), 0, 50, w, h});
    }
}
BENCHMARK(BM_GrassRootsAndObjects) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

static void BM_ApplySoil(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    gdImagePtr cave = bench::caveSilhouette(w, h);
    bench::useBuildData();
    test::params.width = w;
    test::params.height = h;
    auto made = test::generatorFor<Cavern>();
    Cavern& g = *made;
    for (auto _ : state) {
        state.PauseTiming();
        g.image = bench::copyOf(cave);
        g.colourWhite = 0xFFFFFF;
        state.ResumeTiming();
        applyThemeSoil(g);
    }
}
BENCHMARK(BM_ApplySoil) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);
