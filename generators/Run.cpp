#include "generators/Run.h"

#include <ctime>
#include <new>

#include "generators/TypeTable.h"
#include "map/Random.h"
#include "map/WinException.h"

namespace brambex {

RunResult runMap(const RunRequest& request) {
    const TypeRow& row = typeRow(request.type);
    RunResult result;
    const UseArtworkCache artwork(request.artwork.get());
    try {
        std::unique_ptr<Generator> map = row.make(request.parameters);
        map->seed = request.seed;
        map->themeCount = request.themeCount;
        map->typeIndex = request.typeIndex;
        map->folders = request.folders;
        map->stop = request.stop;
        map->previewsInRun = request.previews;
        if (auto* fort = dynamic_cast<Fort*>(map.get()); fort && request.fortMemory) fort->memory = *request.fortMemory;

        srand(request.seed);
        for (int k = 0; k < row.discardedDraws; ++k) rand();
        if (row.themeDrawnBeforeRun) map->pickTheme();
        map->generate();
        if (!map->image) {
            result.failure = "Out of memory";
            return result;
        }
        if (request.measure && measurable(map->image.get())) map->playability = measurePlayability(map->image.get(), courseKind(request.type), map->weaponPads);
        result.map = std::move(map);
    } catch (const MissingArtwork& missing) {
        result.failure = missing.text;
        result.missingArtwork = true;
    } catch (const RunCancelled&) {
        result.cancelled = true;
    } catch (const std::bad_alloc&) {
        result.failure = "Out of memory";
    } catch (const WinException& e) {
        result.failure = e.what();
    }
    return result;
}

std::uint32_t freshSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

}  // namespace brambex
