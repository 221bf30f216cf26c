#include "generators/RunSteps.h"

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
