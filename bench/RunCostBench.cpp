// What a whole `brambex -t TYPE` run costs at the type's command-line defaults, in memory (no
// files written), against the libgd floor: finishing the same map with libgd's own calls alone
// (NeuQuant to 64 colours, the map encoded at zlib level 6, and the two previews resampled with
// gdImageCopyResampled and written with gdImagePng). Target: the run at most 0.3 x the floor.
// Both take the map type as argument; the run includes making the map, the floor does not.

#include <future>

#include "bench/BenchSupport.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Playability.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapOutputs.h"
#include "mapfile/Preview.h"

using namespace brambex;

namespace {

constexpr std::uint32_t SEED = 7;

RunRequest commandLineRequest(MapType type) {
    bench::useBuildData();
    const TypeRow& row = typeRow(type);
    GenerationParameters parameters;
    row.commandLinePreset(parameters, SEED);
    row.commandLineOverride(parameters);
    RunRequest request = test::requestFrom(type, parameters, SEED);
    shapeRequest(request, RunPurpose::CommandLine);
    return request;
}

void libgdPreview(gdImagePtr map, int w, int h) {
    ImagePtr canvas(gdImageCreateTrueColor(w, h));
    gdImageCopyResampled(canvas.get(), map, 0, 0, 0, 0, w, h, map->sx, map->sy);
    int size = 0;
    void* png = gdImagePngPtr(canvas.get(), &size);
    gdFree(png);
}

}  // namespace

// The run as the command line makes it: the map, then the measure beside the quantising and
// encoding, then the two previews encoded.
static void BM_CommandLineRun(benchmark::State& state) {
    const RunRequest request = commandLineRequest(static_cast<MapType>(state.range(0)));
    state.SetLabel(std::string(typeRow(request.recipe.type).info().commandName));
    for (auto _ : state) {
        RunResult result = runMap(request);
        // The command line's own finish: the same function, the same compression levels.
        benchmark::DoNotOptimize(finishMap(*result.map, false, true));
    }
}
BENCHMARK(BM_CommandLineRun)->DenseRange(0, MAP_TYPE_COUNT - 1)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_LibgdFloor(benchmark::State& state) {
    const RunRequest request = commandLineRequest(static_cast<MapType>(state.range(0)));
    state.SetLabel(std::string(typeRow(request.recipe.type).info().commandName));
    const RunResult result = runMap(request);
    gdImagePtr map = result.map->image.get();
    for (auto _ : state) {
        ImagePtr copy(gdImageClone(map));
        gdImageTrueColorToPaletteSetMethod(copy.get(), GD_QUANT_NEUQUANT, 10);
        gdImageTrueColorToPalette(copy.get(), 0, 64);
        int size = 0;
        void* png = gdImagePngPtrEx(copy.get(), &size, 6);
        gdFree(png);
        libgdPreview(map, PREVIEW_WIDTH, PREVIEW_HEIGHT);
        libgdPreview(map, PREVIEW2_WIDTH, PREVIEW2_HEIGHT);
    }
}
BENCHMARK(BM_LibgdFloor)->DenseRange(0, MAP_TYPE_COUNT - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
