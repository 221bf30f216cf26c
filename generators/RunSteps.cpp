#include "generators/RunSteps.h"

#include <algorithm>

#include "generators/Caption.h"
#include "map/EdgeMap.h"
#include "map/ThemeObjects.h"
#include "map/Themes.h"
#include "mapfile/Preview.h"

namespace brambex {

void textureLand(Generator& g, int grassMode, bool withObjects, int objects) {
    g.stopPoint();
    int top = 0, bottom = 0, left = 0, right = 0;
    ImagePtr edges = buildEdgeMap(g.image.get(), g.colourBlack, g.colourWhite, top, bottom, left, right);
    if (!edges) return;
    g.themeNumber = g.chosenTheme;
    applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, grassMode, g.folders, g.chosenTheme);
    g.stopPoint();
    if (withObjects) {
        const ObjectPlacement placement{g.folders, g.chosenTheme, objects, g.width, g.height};
        placeThemeObjects(g.image.get(), edges.get(), top, bottom, left, right, g.colourBlack, placement);
    }
}

void applyThemeSoil(Generator& g) {
    g.stopPoint();
    // The map records the theme whose soil it wears, textured or not (Rope Race without top soil).
    g.themeNumber = g.chosenTheme;
    g.applySoil(g.folders.themeFile(g.chosenTheme, "soil.png"));
}

namespace {

// Every pixel of the rectangle and of a one-pixel border round it lies inside the picture and is
// land (not black).
bool surroundedByLand(gdImagePtr im, int x, int y, int w, int h) {
    if (x - 1 < 0 || y - 1 < 0 || x + w + 1 > im->sx || y + h + 1 > im->sy) return false;
    for (int yy = y - 1; yy < y + h + 1; ++yy)
        for (int xx = x - 1; xx < x + w + 1; ++xx)
            if ((im->tpixels[yy][xx] & 0xFFFFFF) == 0) return false;
    return true;
}

}  // namespace

void mirrorIfChosen(Generator& g) {
    if (!g.mirror || !g.image || !g.image->trueColor) return;
    g.stopPoint();
    gdImagePtr im = g.image.get();
    const int half = g.width / 2;
    for (int y = 0; y < g.height; ++y) {
        int* row = im->tpixels[y];
        std::reverse_copy(row, row + half, row + g.width - half);
    }
    // The pads drawn on the right half are gone under the mirror; the left half's come twice.
    std::vector<PadSpot> pads;
    for (const PadSpot& pad : g.weaponPads)
        if (pad.x + PAD_SIZE <= half) pads.push_back(pad);
    const std::size_t left = pads.size();
    for (std::size_t k = 0; k < left; ++k) pads.push_back({g.width - pads[k].x - PAD_SIZE, pads[k].y});
    g.weaponPads = std::move(pads);
    // The caption is cut only where land surrounds it on every side: cut into a surface it would
    // change where characters stand on one half only, and the halves would not be even.
    if (g.caption && surroundedByLand(im, g.caption->x, g.caption->y, static_cast<int>(g.caption->text.size()) * 7, 13))
        drawCaption(im, g.caption->x, g.caption->y, g.caption->text, g.caption->colour);
    g.caption.reset();
}

void setReservedPixels(Generator& g) {
    gdImageSetPixel(g.image.get(), 0, 0, g.colourBlack);
    g.markerX = g.width / 2 - 1;
    g.markerY = g.height - 1;
    gdImageSetPixel(g.image.get(), g.markerX, g.markerY, g.colourBackground);
}

void finishRun(Generator& g) {
    g.stopPoint();
    g.loadThemeSettings();
    if (g.previewsInRun) makePreviews(g);
}

}  // namespace brambex
