#include <cstdio>

#include "bench/BenchSupport.h"
#include "generators/Cavern.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"
#include "mapfile/PalettePng.h"
#include "map/Playability.h"
#include "mapfile/Preview.h"

using namespace brambex;

namespace {

// A finished, textured 1920 x 696 cavern map.
Cavern& texturedCavern() {
    static std::unique_ptr<Cavern> map;
    if (!map) {
        bench::useBuildData();
        test::params.width = 1920;
        test::params.height = 696;
        test::params.objects = 50;
        test::params.complexity = 50;
        map = test::generatorFor<Cavern>();
        map->generate();
    }
    return *map;
}

}  // namespace

// The two parts of saveMap that do the work: the reduction to 64 colours (our NeuQuant, which gives
// libgd's palette) and one palette PNG encode.
static void BM_Quantize(benchmark::State& state) {
    Cavern& map = texturedCavern();
    for (auto _ : state) {
        ImagePtr palette = quantizeForSave(map.image.get());
        benchmark::DoNotOptimize(palette.get());
    }
}
BENCHMARK(BM_Quantize)->Unit(benchmark::kMillisecond);

// The same reduction by libgd (on a copy, as it changes the picture it reduces), for comparison.
static void BM_QuantizeLibgd(benchmark::State& state) {
    Cavern& map = texturedCavern();
    for (auto _ : state) {
        ImagePtr copy(gdImageClone(map.image.get()));
        gdImageTrueColorToPaletteSetMethod(copy.get(), GD_QUANT_NEUQUANT, 10);
        gdImageTrueColorToPalette(copy.get(), 0, 64);
        benchmark::DoNotOptimize(copy.get());
    }
}
BENCHMARK(BM_QuantizeLibgd)->Unit(benchmark::kMillisecond);

// The palette PNG as a save writes it (the same bytes as libgd's, below).
static void BM_EncodePalettePng(benchmark::State& state) {
    Cavern& map = texturedCavern();
    ImagePtr palette = quantizeForSave(map.image.get());
    for (auto _ : state) benchmark::DoNotOptimize(encodePalettePng(palette.get()));
}
BENCHMARK(BM_EncodePalettePng)->Unit(benchmark::kMillisecond);

static void BM_EncodePalettePngLibgd(benchmark::State& state) {
    Cavern& map = texturedCavern();
    ImagePtr palette = quantizeForSave(map.image.get());
    for (auto _ : state) benchmark::DoNotOptimize(encodePng(palette.get()));
}
BENCHMARK(BM_EncodePalettePngLibgd)->Unit(benchmark::kMillisecond);

// Target: at most 10% more than BM_Quantize + BM_EncodePalettePng.
static void BM_SaveMap(benchmark::State& state) {
    Cavern& map = texturedCavern();
    map.markerX = 959;
    map.markerY = 695;
    const auto path = std::filesystem::temp_directory_path() / "brambex-bench-map.png";
    for (auto _ : state) benchmark::DoNotOptimize(saveMap(map, path, false));
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveMap)->Unit(benchmark::kMillisecond);

// The two previews of a textured 1920 x 696 map made in memory (the downscale alone).
static void BM_MakePreviews(benchmark::State& state) {
    Cavern& map = texturedCavern();
    for (auto _ : state) {
        makePreviews(map);
        benchmark::DoNotOptimize(map.preview.get());
    }
}
BENCHMARK(BM_MakePreviews)->Unit(benchmark::kMillisecond);

// The two previews of a run (resample and fast PNG encode), the yardstick for a whole run.
static void BM_WritePreviews(benchmark::State& state) {
    bench::useBuildData();
    test::params.width = static_cast<int>(state.range(0));
    test::params.height = static_cast<int>(state.range(1));
    auto made = test::generatorFor<Cavern>();
    Cavern& map = *made;
    map.image = bench::copyOf(bench::caveSilhouette(test::params.width, test::params.height));
    bench::useBuildData();
    bench::previewsInTempFolder();
    for (auto _ : state) {
        makePreviews(map);
        benchmark::DoNotOptimize(writePreviewFiles(map, false));
    }
    std::remove(paths.previewPath.c_str());
    std::remove(paths.previewPath2.c_str());
}
BENCHMARK(BM_WritePreviews) BRAMBEX_SIZES->Unit(benchmark::kMillisecond);

// The playability measure of a textured 1920 x 696 map, as every run makes it (target: < 50 ms);
// and of a maze's course, which adds the widest-way search.
static void BM_Playability(benchmark::State& state) {
    Cavern& map = texturedCavern();
    const auto course = static_cast<CourseKind>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(measurePlayability(map.image.get(), course));
}
BENCHMARK(BM_Playability)->Arg(static_cast<int>(CourseKind::None))->Arg(static_cast<int>(CourseKind::Maze))->Unit(benchmark::kMillisecond);
