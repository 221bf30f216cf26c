#include <chrono>

#include "bench/BenchSupport.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "generators/BnA.h"
#include "generators/Cavern.h"
#include "generators/Fort.h"
#include "generators/Island.h"
#include "generators/RR.h"
#include "generators/Roper.h"
#include "generators/Shopper.h"
#include "generators/SuperSheepRace.h"
#include "generators/WforW.h"
#include "generators/SuperSheeper.h"
#include "generators/TileMaze.h"
#include "map/ProcessState.h"
#include "map/Random.h"

using namespace brambex;

namespace {

template <typename T>
void wholeRun(benchmark::State& state, int count) {
    bench::useBuildData();
    test::params.width = static_cast<int>(state.range(0));
    test::params.height = static_cast<int>(state.range(1));
    test::params.numIslands = count;
    test::params.complexity = std::is_same_v<T, Island> ? 150 : 50;
    test::params.objects = 50;
    test::params.pathSize = state.range(0) > 1920 ? 174 : 232;
    test::params.padding = 1;
    test::params.noTopSoil = false;
    bench::previewsInTempFolder();
    for (auto _ : state) {
        auto made = test::generatorFor<T>();
        brambex::srand(1);
        made->generate();
        benchmark::DoNotOptimize(made->image->tpixels[0][0]);
    }
}

}  // namespace

// A whole run including its previews. Targets: at 1920 x 696 at most 3 x BM_WritePreviews;
// 8000 x 8000 (48 x the pixels) at most 60 x the 1920 x 696 time.
static void BM_CavernRun(benchmark::State& state) { wholeRun<Cavern>(state, 1); }
BENCHMARK(BM_CavernRun) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

static void BM_IslandRun(benchmark::State& state) { wholeRun<Island>(state, 1); }
BENCHMARK(BM_IslandRun) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// The maze types: path size 232 at 1920 x 696, 174 at 8000 x 8000; same targets.
static void BM_RopeRaceRun(benchmark::State& state) { wholeRun<RR>(state, 1); }
BENCHMARK(BM_RopeRaceRun) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

static void BM_SuperSheeperRun(benchmark::State& state) { wholeRun<SuperSheeper>(state, 1); }
BENCHMARK(BM_SuperSheeperRun) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// Fort is always 1920 x 696; Bow and Arrow at both sizes (Gradient, 25 objects).
static void BM_FortRun(benchmark::State& state) { wholeRun<Fort>(state, 1); }
BENCHMARK(BM_FortRun)->Args({1920, 696})->Unit(benchmark::kMillisecond);

static void BM_BowAndArrowRun(benchmark::State& state) { wholeRun<BnA>(state, 1); }
BENCHMARK(BM_BowAndArrowRun) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// Roper is always 1920 x 696.
static void BM_RoperRun(benchmark::State& state) { wholeRun<Roper>(state, 1); }
BENCHMARK(BM_RoperRun)->Args({1920, 696})->Unit(benchmark::kMillisecond);

// SuperSheep Race at its default size with complexity 20 and 50, and 8000 x 8000 at 50; path 70.
// Reports the course's points, the keep-apart passes and the rebuilds.
static void BM_SuperSheepRaceRun(benchmark::State& state) {
    bench::useBuildData();
    test::params.width = static_cast<int>(state.range(0));
    test::params.height = static_cast<int>(state.range(1));
    test::params.complexity = static_cast<int>(state.range(2));
    test::params.pathSize = 70;
    bench::previewsInTempFolder();
    for (auto _ : state) {
        auto made = test::generatorFor<SuperSheepRace>();
        SuperSheepRace& g = *made;
        brambex::srand(1);
        g.generate();
        state.counters["points"] = static_cast<double>(g.course.size());
        state.counters["passes"] = g.shapingPasses;
        state.counters["rebuilds"] = g.rebuilds;
    }
}
BENCHMARK(BM_SuperSheepRaceRun)->Args({1920, 2880, 20})->Args({1920, 2880, 50})->Args({8000, 8000, 50})->Unit(benchmark::kMillisecond);

// Walk for Weapons is always 1920 x 696 (pads 50).
static void BM_WalkForWeaponsRun(benchmark::State& state) {
    bench::useBuildData();
    test::params.pads = static_cast<int>(state.range(0));
    bench::previewsInTempFolder();
    for (auto _ : state) {
        auto made = test::generatorFor<WforW>();
        WforW& g = *made;
        brambex::srand(1);
        g.generate();
        state.counters["pieces"] = static_cast<double>(g.placed.size());
    }
}
BENCHMARK(BM_WalkForWeaponsRun)->Arg(50)->Arg(60)->Unit(benchmark::kMillisecond);

// Shopper is always 1920 x 696: City (0) or Maze (1), seeds 1 to 8 in turn. Target: at most
// 3 x BM_WritePreviews at 1920 x 696.
static void BM_ShopperRun(benchmark::State& state) {
    bench::useBuildData();
    test::params.shopperLayout = static_cast<int>(state.range(0));
    test::params.objects = 50;
    bench::previewsInTempFolder();
    std::uint32_t seed = 0;
    for (auto _ : state) {
        mapState.mapSeed = 1 + seed++ % 8;
        auto made = test::generatorFor<Shopper>();
        Shopper& g = *made;
        g.generate();
        benchmark::DoNotOptimize(g.image->tpixels[0][0]);
    }
}
BENCHMARK(BM_ShopperRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Carving alone on the largest grid the settings allow: 28664 x 30552 in 174 px cells.
static void BM_CarveLargestMaze(benchmark::State& state) {
    for (auto _ : state) {
        brambex::srand(5);
        const TileMaze maze = carveMaze(28664 / 174, 30552 / 174, MazeLoops::OneInSixteen);
        benchmark::DoNotOptimize(maze.cells.data());
    }
}
BENCHMARK(BM_CarveLargestMaze)->Unit(benchmark::kMillisecond);

// Outline shaping on the longest outline the program makes: one cave around an 8000 x 8000
// map at the highest complexity. Reports the point counts.
static void BM_ShapeLargestCave(benchmark::State& state) {
    bench::useNoData();
    test::params.width = 8000;
    test::params.height = 8000;
    auto made = test::generatorFor<Cavern>();
    Cavern& g = *made;
    double subdivideMs = 0, untangleMs = 0;
    int points = 0, corners = 0;
    for (auto _ : state) {
        PointList outline;
        brambex::srand(3);
        // Corners as the run makes them with the sides open, then the two steps timed apart.
        const int bottom = 10 + 8000 - 20;
        appendPoint(outline, {20 - 100, 30});
        appendPoint(outline, {8000 + 100 - 20, 30});
        appendPoint(outline, {8000 + 100 - 20, bottom - 30});
        appendPoint(outline, {20 - 100, bottom - 30});
        appendPoint(outline, {20 - 100, 30});
        corners = outline.count;
        const auto t0 = std::chrono::steady_clock::now();
        g.subdividePointList(outline, Cavern::spacingFor(100), 10, 8000 - 10, 10, bottom);
        const auto t1 = std::chrono::steady_clock::now();
        untanglePointList(outline, true);
        const auto t2 = std::chrono::steady_clock::now();
        subdivideMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        untangleMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
        points = outline.count;
    }
    state.counters["corners"] = corners;
    state.counters["points"] = points;
    state.counters["subdivide_ms"] = subdivideMs / static_cast<double>(state.iterations());
    state.counters["untangle_ms"] = untangleMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ShapeLargestCave)->Unit(benchmark::kMillisecond);

// The densest island outline the settings allow: 1000 points on an 8000 x 8000 map, gaps on.
static void BM_ShapeLargestIsland(benchmark::State& state) {
    bench::useNoData();
    test::params.width = 8000;
    test::params.height = 8000;
    test::params.complexity = 1000;
    auto made = test::generatorFor<Island>();
    Island& g = *made;
    double untangleMs = 0, subdivideMs = 0;
    int ordered = 0, points = 0;
    for (auto _ : state) {
        brambex::srand(5);
        auto cloud = g.pointCloud(0, 8000, 4000, true);
        g.placeFeet(cloud, 0, 8000, 8000);
        PointList outline;
        for (const Point& p : Island::orderOutline(cloud)) appendPoint(outline, p);
        ordered = outline.count;
        const auto t0 = std::chrono::steady_clock::now();
        untanglePointList(outline, false);
        const auto t1 = std::chrono::steady_clock::now();
        g.subdividePointList(outline, 250.0, -1, -1, -1, -1);
        const auto t2 = std::chrono::steady_clock::now();
        untanglePointList(outline, false);
        const auto t3 = std::chrono::steady_clock::now();
        untangleMs += std::chrono::duration<double, std::milli>((t1 - t0) + (t3 - t2)).count();
        subdivideMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
        points = outline.count;
    }
    state.counters["ordered"] = ordered;
    state.counters["points"] = points;
    state.counters["subdivide_ms"] = subdivideMs / static_cast<double>(state.iterations());
    state.counters["untangle_ms"] = untangleMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ShapeLargestIsland)->Unit(benchmark::kMillisecond);

// A live frame: the map of a seed made again in memory with new parameters (generation,
// texturing, the previews in memory; no quantising, no files, no measure). Target: < 50 ms for
// every type at its standard size. The second argument: 1 with the artwork kept decoded between
// frames, as the window runs it; 0 reading every picture from its file.
// A live frame as the window's worker makes it: the request shaped for a live frame (the map and
// the view's pyramid; the artwork cache warm, as it is after the first frame), on one core.
static RunRequest liveRequest(benchmark::State& state) {
    bench::useBuildData();
    test::params.width = 1920;
    test::params.height = 696;
    RunRequest request = test::requestFrom(static_cast<MapType>(state.range(0)), test::params, 7);
    shapeRequest(request, RunPurpose::LiveFrame);
    request.artwork = std::make_shared<ArtworkCache>();
    state.SetLabel(std::string(typeRow(request.recipe.type).info().commandName));
    return request;
}

static void BM_LiveFrame(benchmark::State& state) {
    const RunRequest request = liveRequest(state);
    for (auto _ : state) benchmark::DoNotOptimize(runMap(request));
}
BENCHMARK(BM_LiveFrame)->DenseRange(0, MAP_TYPE_COUNT - 1)->Unit(benchmark::kMillisecond);

// What follows a live frame on the other core: its playability, from a copy of its picture.
static void BM_LiveFrameMeasure(benchmark::State& state) {
    const RunRequest request = liveRequest(state);
    const RunResult frame = runMap(request);
    for (auto _ : state)
        benchmark::DoNotOptimize(measurePlayability(frame.measureCopy.get(), courseKind(frame.map->mapType()), frame.map->weaponPads));
}
BENCHMARK(BM_LiveFrameMeasure)->DenseRange(0, MAP_TYPE_COUNT - 1)->Unit(benchmark::kMillisecond);

// Generate's run as the window's worker makes it: the map, its figures, its previews encoded, the
// pyramid (the window thread then only writes the files).
static void BM_WindowRun(benchmark::State& state) {
    RunRequest request = liveRequest(state);
    shapeRequest(request, RunPurpose::Window);
    for (auto _ : state) benchmark::DoNotOptimize(runMap(request));
}
BENCHMARK(BM_WindowRun)->DenseRange(0, MAP_TYPE_COUNT - 1)->Unit(benchmark::kMillisecond);
