#include "map/Generator.h"

#include <ctime>
#include <vector>

#include "map/EdgeMap.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "map/UserMessages.h"

namespace brambex {

std::unique_ptr<Generator> currentGenerator;

Generator::Generator(MapType type) : Generator(type, params.width, params.height) {}

Generator::Generator(MapType type, int fixedWidth, int fixedHeight)
    : width(fixedWidth), height(fixedHeight), type_(type) {
    typeIndex = installedTypes.listIndex(type);
}

Generator::~Generator() = default;

void Generator::generate() { beginRun(); }

void Generator::prepareObjects() {}

bool Generator::hasRoof() const { return false; }

int pickTheme() {
    const int theme = (params.manualMode || mapState.themeCount <= 0)
                          ? params.themeChoice
                          : rand() % mapState.themeCount;
    mapState.chosenTheme = theme;
    selectThemeInList(theme);
    return theme;
}

void Generator::allocateKeyColours() {
    colourBackground = gdImageColorAllocate(image.get(), 242, 24, 204);
    colourBlack = gdImageColorAllocate(image.get(), 0, 0, 0);
    colourWhite = gdImageColorAllocate(image.get(), 255, 255, 255);
}

void Generator::beginRun() {
    pickTheme();
    if (!params.keepSeed) mapState.mapSeed = static_cast<std::uint32_t>(std::time(nullptr));
    srand(mapState.mapSeed);
    image = createTrueColour(width, height);
    allocateKeyColours();
}

void Generator::fillPointList(const PointList& list, int colour) {
    std::vector<gdPoint> corners;
    corners.reserve(static_cast<std::size_t>(list.count));
    for (const PointNode* n = list.first; n; n = n->next) corners.push_back({n->x, n->y});
    if (!corners.empty())
        gdImageFilledPolygon(image.get(), corners.data(), static_cast<int>(corners.size()), colour);
}

void Generator::subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin,
                                   int yMax) const {
    brambex::subdividePointList(list, spacing, xMin, xMax, yMin, yMax, width, height);
}

void Generator::textureLand(int grassMode, bool withObjects) {
    int top = 0, bottom = 0, left = 0, right = 0;
    ImagePtr edges = buildEdgeMap(image.get(), colourBlack, colourWhite, top, bottom, left, right);
    if (!edges) return;
    themeNumber = mapState.chosenTheme;
    applyGrassAndRoots(image.get(), edges.get(), top, bottom, grassMode);
    if (withObjects) placeThemeObjects(image.get(), edges.get(), top, bottom, left, right, colourBlack);
}

void Generator::applyThemeSoil() { applySoil(themeFile(mapState.chosenTheme, "soil.png")); }

void Generator::setReservedPixels() {
    gdImageSetPixel(image.get(), 0, 0, colourBlack);
    mapState.markerX = width / 2 - 1;
    mapState.markerY = height - 1;
    gdImageSetPixel(image.get(), mapState.markerX, mapState.markerY, colourBackground);
}

void Generator::finishRun() {
    loadThemeSettings();
    writePreviews(image.get());
}

}  // namespace brambex
