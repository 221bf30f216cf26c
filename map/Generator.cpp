#include "map/Generator.h"

#include <vector>

#include "map/Random.h"
#include "map/Themes.h"

namespace brambex {

Generator::Generator(MapType type, const CommonSettings& settings, int w, int h) : common(settings) {
    this->type = type;
    width = w;
    height = h;
}

Generator::~Generator() = default;

void Generator::generate() { beginRun(); }

void Generator::prepareObjects() {}

int Generator::pickTheme() {
    chosenTheme = (common.manualMode || themeCount <= 0) ? common.themeChoice : rand() % themeCount;
    themeChosen = true;
    return chosenTheme;
}

void Generator::allocateKeyColours() {
    colourBackground = gdImageColorAllocate(image.get(), 242, 24, 204);
    colourBlack = gdImageColorAllocate(image.get(), 0, 0, 0);
    colourWhite = gdImageColorAllocate(image.get(), 255, 255, 255);
}

void Generator::beginRun() {
    pickTheme();
    srand(seed);
    image = createTrueColour(width, height);
    allocateKeyColours();
}

void Generator::fillPointList(const PointList& list, int colour) {
    std::vector<gdPoint> corners;
    corners.reserve(static_cast<std::size_t>(list.count));
    for (const PointNode* n = list.first; n; n = n->next) corners.push_back({n->x, n->y});
    if (!corners.empty())
        fillPolygon(image.get(), corners.data(), static_cast<int>(corners.size()), colour);
}

void Generator::subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin,
                                   int yMax) const {
    brambex::subdividePointList(list, spacing, xMin, xMax, yMin, yMax, width, height);
}

void Generator::loadThemeSettings() {
    themeId = readThemeId(folders, themeNumber, themeId);
    levelKind = typeLevelKind(type);
}

void Generator::applySoil(const std::filesystem::path& soilPath) {
    textureWithSoil(image.get(), soilPath, colourWhite);
}

}  // namespace brambex
