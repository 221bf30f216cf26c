#include "generators/RunSteps.h"

#include "map/EdgeMap.h"
#include "map/ProcessState.h"
#include "map/ThemeObjects.h"
#include "map/Themes.h"
#include "mapfile/Preview.h"

namespace brambex {

void textureLand(Generator& g, int grassMode, bool withObjects) {
    int top = 0, bottom = 0, left = 0, right = 0;
    ImagePtr edges = buildEdgeMap(g.image.get(), g.colourBlack, g.colourWhite, top, bottom, left, right);
    if (!edges) return;
    g.themeNumber = mapState.chosenTheme;
    applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, grassMode);
    if (withObjects) {
        const ObjectPlacement placement{mapState.chosenTheme, g.parameters.objects, g.width, g.height};
        placeThemeObjects(g.image.get(), edges.get(), top, bottom, left, right, g.colourBlack, placement);
    }
}

void applyThemeSoil(Generator& g) { g.applySoil(themeFile(mapState.chosenTheme, "soil.png")); }

void setReservedPixels(Generator& g) {
    gdImageSetPixel(g.image.get(), 0, 0, g.colourBlack);
    mapState.markerX = g.width / 2 - 1;
    mapState.markerY = g.height - 1;
    gdImageSetPixel(g.image.get(), mapState.markerX, mapState.markerY, g.colourBackground);
}

void finishRun(Generator& g) {
    g.loadThemeSettings();
    if (Failure problem = writePreviews(g.image.get(), g.width, g.height)) g.runProblems.push_back(*problem);
}

}  // namespace brambex
