#include "generators/RR.h"

#include <algorithm>

#include "generators/RunSteps.h"
#include "generators/TileMaze.h"

namespace brambex {

RR::RR(const GenerationParameters& p) : Generator(MapType::RR, p, p.width, p.height), settings(settingsFrom(p)) {}

RR::Settings RR::settingsFrom(const GenerationParameters& p) {
    Settings s;
    s.pathSize = p.pathSize;
    s.noTopSoil = p.noTopSoil;
    return s;
}

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
