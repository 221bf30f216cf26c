#include "generators/Cavern.h"

#include <algorithm>

#include "generators/Caption.h"
#include "generators/RunSteps.h"
#include "map/FloodFill.h"
#include "map/Random.h"

namespace brambex {

Cavern::Cavern(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::Cavern, common, w, h), settings(s) {}


int Cavern::spacingFor(int complexity) {
    complexity = std::max(complexity, 1);  // 0 would divide by zero
    return static_cast<int>(1.0f / static_cast<float>(complexity) * 175.0f + 75.0f);
}

int Cavern::marginFor(int bandHeight) { return std::max(10, static_cast<int>(static_cast<float>(bandHeight) * 0.05f)); }

void Cavern::caveOutline(PointList& outline, int bandTop, int bandHeight, int margin, int shift, int spacing) {
    clearPoints(outline);
    auto cornerMargin = [margin] { return margin == 10 ? 10 : rand() % (margin - 10) + 10; };
    const int dy1 = cornerMargin(), dx1 = cornerMargin(), dy2 = cornerMargin(), dx2 = cornerMargin();
    const int dy3 = cornerMargin(), dx3 = cornerMargin(), dy4 = cornerMargin(), dx4 = cornerMargin();
    const int bottom = bandTop + bandHeight - 20;
    appendPoint(outline, {dx1 - shift, bandTop + dy1});
    appendPoint(outline, {width + shift - dx2, bandTop + dy2});
    appendPoint(outline, {width + shift - dx3, bottom - dy3});
    appendPoint(outline, {dx4 - shift, bottom - dy4});
    appendPoint(outline, {dx1 - shift, bandTop + dy1});

    subdividePointList(outline, static_cast<double>(spacing), 10, width - 10, bandTop, bottom);
    untanglePointList(outline, true);
}

void Cavern::generate() {
    beginRun();
    floodFill(image.get(), 0, 0, colourWhite);

    const int caves = std::max(settings.numIslands, 1);
    const int spacing = spacingFor(settings.complexity);
    const int bandHeight = height / caves;
    const int margin = marginFor(bandHeight);
    const int shift = rand() % 2 == 0 ? 100 : 0;  // 100 opens the caves at both sides

    PointList outline;
    int bandTop = 10;
    for (int cave = 0; cave < caves; ++cave) {
        caveOutline(outline, bandTop, bandHeight, margin, shift, spacing);
        smoothPointList(outline, true);
        fillPointList(outline, colourBlack);
        bandTop += bandHeight;
    }

    textureLand(*this, 2, true, settings.objects);
    // Cut into the rock in the empty colour, beside the last cave's first corner.
    if (outline.first)
        drawMapCaption(*this, outline.first->x + 32, outline.first->y - 32, sizeCaption(width, height),
                    colourBlack);
    applyThemeSoil(*this);
    mirrorIfChosen(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
