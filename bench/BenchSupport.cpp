#include "bench/BenchSupport.h"

#include <cstring>
#include <map>
#include <utility>

#include "generators/Cavern.h"
#include "map/ProcessState.h"
#include "map/Themes.h"

namespace brambex::bench {

void useBuildData(int theme) {
    resetProcessState();
    setWorkingDirectory(BRAMBEX_BUILD_DIR);
    countThemes();
    params.manualMode = true;
    params.themeChoice = theme;
    params.keepSeed = true;
    mapState.mapSeed = 12345;
}

void previewsInTempFolder() {
    paths.previewPath = std::filesystem::temp_directory_path() / "brambex-bench-preview.png";
    paths.previewPath2 = std::filesystem::temp_directory_path() / "brambex-bench-preview2.png";
}

void useNoData() {
    resetProcessState();
    setWorkingDirectory("/nonexistent-brambex-bench");
    params.keepSeed = true;
    mapState.mapSeed = 12345;
}

gdImagePtr caveSilhouette(int width, int height) {
    static std::map<std::pair<int, int>, std::unique_ptr<Cavern>> made;
    auto& slot = made[{width, height}];
    if (!slot) {
        useNoData();
        params.width = width;
        params.height = height;
        params.numIslands = 1;
        params.complexity = 50;
        slot = std::make_unique<Cavern>();
        slot->generate();
    }
    return slot->image.get();
}

ImagePtr copyOf(gdImagePtr im) {
    ImagePtr copy = createTrueColour(im->sx, im->sy);
    for (int y = 0; y < im->sy; ++y) std::memcpy(copy->tpixels[y], im->tpixels[y], sizeof(int) * static_cast<std::size_t>(im->sx));
    return copy;
}

}  // namespace brambex::bench
