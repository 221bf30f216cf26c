#include "generators/SuperSheeper.h"

#include <algorithm>

#include "generators/RR.h"
#include "generators/RunSteps.h"
#include "generators/TileMaze.h"
#include "map/FloodFill.h"

namespace brambex {

SuperSheeper::SuperSheeper(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::SuperSheeper, common, w, h), settings(s) {}


int SuperSheeper::paddedRows(int rows, int padding) {
    for (int i = 0; i < padding && rows > 3; ++i) --rows;
    return rows;
}

void SuperSheeper::generate() {
    // A path size of 0 (no settings file can give one) would divide by zero.
    const int p = RR::cellSize(settings.pathSize);
    width = std::max(width, 3 * p);
    height = std::max(height, 3 * p);
    beginRun();

    // The tile size comes from the whole height; the padding rows stay empty below the maze.
    const int cols = width / p, allRows = height / p;
    const int tileWidth = width / cols, tileHeight = height / allRows;
    const TileMaze maze = carveMaze(cols, paddedRows(allRows, settings.padding), MazeLoops::OneInSixteen);
    drawTileMaze(image.get(), maze, tileWidth, tileHeight, folders.file(typeFolder(MapType::SuperSheeper)), false);

    // The empty strip at the right and the padding rows (the air joined to the bottom-right
    // corner) become land.
    floodFill(image.get(), width - 1, height - 1, colourWhite);
    textureLand(*this, 2, true, settings.objects);
    applyThemeSoil(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
