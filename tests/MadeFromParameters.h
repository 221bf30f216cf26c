#pragma once

#include <cstdint>
#include <ctime>
#include <memory>

#include "generators/MapRecipe.h"
#include "generators/Run.h"
#include "map/ProcessState.h"

namespace brambex::test {

// The parameters a test or benchmark sets before it makes a generator, as the window's controls
// would give them; the workspace set-ups put them back to their defaults.
inline GenerationParameters params;

// A generator of type T made from `p`, unchecked (a test may ask for sizes and values no recipe
// allows), set to run in this process's workspace: the seed (mapState's with Modify, else the
// time), the installed theme count, the data folders and the type's list position.
template <class T>
std::unique_ptr<T> generatorFor(const GenerationParameters& p = params) {
    auto g = std::make_unique<T>(settingsFrom<typename T::Settings>(p), commonSettingsOf(p), p.width, p.height);
    g->seed = p.keepSeed ? mapState.mapSeed : static_cast<std::uint32_t>(std::time(nullptr));
    g->themeCount = mapState.themeCount;
    g->folders = currentFolders();
    g->typeIndex = installedTypes.listIndex(g->type);
    return g;
}

// The run of `type` the program makes from `p` and `seed` in this process (the recipe the
// controls would give, the installed theme count, the type's list position, the data folders).
inline RunRequest requestFrom(MapType type, const GenerationParameters& p, std::uint32_t seed = 12345) {
    RunRequest request;
    request.recipe = recipeFrom(type, p, seed, mapState.themeCount);
    request.typeIndex = installedTypes.listIndex(type);
    request.folders = currentFolders();
    return request;
}

}  // namespace brambex::test
