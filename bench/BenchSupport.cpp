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
    test::params.manualMode = true;
    test::params.themeChoice = theme;
    test::params.keepSeed = true;
    mapState.mapSeed = 12345;
}

void previewsInTempFolder() {
    paths.previewPath = std::filesystem::temp_directory_path() / "brambex-bench-preview.png";
    paths.previewPath2 = std::filesystem::temp_directory_path() / "brambex-bench-preview2.png";
}

void useNoData() {
    resetProcessState();
    setWorkingDirectory("/nonexistent-brambex-bench");
    test::params.keepSeed = true;
    mapState.mapSeed = 12345;
}

gdImagePtr caveSilhouette(int width, int height) {
    static std::map<std::pair<int, int>, std::unique_ptr<Cavern>> made;
    auto& slot = made[{width, height}];
    if (!slot) {
        useNoData();
        test::params.width = width;
        test::params.height = height;
        test::params.numIslands = 1;
        test::params.complexity = 50;
        slot = test::generatorFor<Cavern>();
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
