#include "generators/RR.h"

#include <algorithm>

#include "generators/RunSteps.h"
#include "generators/TileMaze.h"

namespace brambex {

RR::RR(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::RR, common, w, h), settings(s) {}


void RR::generate() {
    // At least 3 x 3 cells, so the start cell can be off the border.
    const int size = cellSize(settings.pathSize);
    width = std::max(width, 3 * size);
    height = std::max(height, 3 * size);
    beginRun();
    buildTileMaze(image.get(), size, size, folders.file(typeFolder(MapType::RR)));
    if (!settings.noTopSoil) textureLand(*this, 1, false);
    applyThemeSoil(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
