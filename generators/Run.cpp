#include "generators/Run.h"
#include "map/Translate.h"

#include <ctime>
#include <new>

#include "generators/TypeTable.h"
#include "map/Random.h"
#include "map/WinException.h"
#include "mapfile/Preview.h"

namespace brambex {

void shapeRequest(RunRequest& request, RunPurpose purpose, bool previewsEmptyAsWhite) {
    request.measure = purpose == RunPurpose::Window;
    request.previews = purpose == RunPurpose::Window;
    request.pyramid = purpose != RunPurpose::CommandLine;
    request.encodePreviews = purpose == RunPurpose::Window;
    request.copyForMeasure = purpose == RunPurpose::LiveFrame;
    request.previewsEmptyAsWhite = previewsEmptyAsWhite;
}

namespace {

void encodePreviewFiles(RunResult& result, bool emptyAsWhite) {
    const Map& map = *result.map;
    result.previewFiles[0] = encodePreviewFile(map.preview.get(), emptyAsWhite);
    result.previewFiles[1] = encodePreviewFile(map.preview2.get(), emptyAsWhite);
}

}  // namespace

RunResult runMap(const RunRequest& request) {
    const MapRecipe recipe = canonical(request.recipe);
    const TypeRow& row = typeRow(recipe.type);
    RunResult result;
    const UseArtworkCache artwork(request.artwork.get());
    const CollectRefusedArtwork refused(&result.refusedArtwork);
    try {
        std::unique_ptr<Generator> map = row.make(recipe);
        map->seed = recipe.seed;
        map->themeCount = recipe.theme.manual ? 0 : recipe.theme.count;
        map->typeIndex = request.typeIndex;
        map->waterColour = recipe.waterColour;
        map->mirror = recipe.mirror;
        map->folders = request.folders;
        map->stop = request.stop;
        // With the view's pyramid the previews come after it (the large one may be its half level).
        map->previewsInRun = request.previews && !request.pyramid;

        srand(recipe.seed);
        for (int k = 0; k < row.discardedDraws; ++k) rand();
        if (row.themeDrawnBeforeRun) map->pickTheme();
        map->generate();
        if (!map->image) {
            result.failure = translate("Messages", "Out of memory");
            return result;
        }
        if (request.measure && measurable(map->image.get()))
            map->playability = measurePlayability(map->image.get(), courseKind(recipe.type), map->weaponPads);
        // The generator is done with: the map it made goes on alone, with its code.
        result.map = std::make_unique<Map>(std::move(static_cast<Map&>(*map)));
        result.map->code = mapCode(recipe);
        if (request.pyramid) result.map->pyramid = pyramidOf(result.map->image.get());
        if (request.pyramid && request.previews) makePreviews(*result.map);
        if (request.copyForMeasure) result.measureCopy.reset(gdImageClone(result.map->image.get()));
        if (request.encodePreviews) encodePreviewFiles(result, request.previewsEmptyAsWhite);
    } catch (const MissingArtwork& missing) {
        result.failure = missing.text;
        result.missingArtwork = true;
    } catch (const RunCancelled&) {
        result.cancelled = true;
    } catch (const std::bad_alloc&) {
        result.failure = translate("Messages", "Out of memory");
    } catch (const WinException& e) {
        result.failure = e.what();
    }
    return result;
}

std::uint32_t freshSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

}  // namespace brambex
