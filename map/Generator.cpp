#include "map/Generator.h"

#include <ctime>
#include <vector>

#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "map/WindowHooks.h"

namespace brambex {

std::unique_ptr<Generator> currentGenerator;

Generator::Generator(MapType type) : Generator(type, params.width, params.height) {}

Generator::Generator(MapType type, int fixedWidth, int fixedHeight)
    : width(fixedWidth), height(fixedHeight), parameters(params), type_(type) {
    typeIndex = installedTypes.listIndex(type);
}

Generator::~Generator() = default;

void Generator::generate() { beginRun(); }

void Generator::prepareObjects() {}

void Generator::refreshTypeIndex() { typeIndex = installedTypes.listIndex(type_); }

bool Generator::hasRoof() const { return false; }

int pickTheme(const GenerationParameters& parameters) {
    const int theme = (parameters.manualMode || mapState.themeCount <= 0) ? parameters.themeChoice
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
    pickTheme(parameters);
    if (!parameters.keepSeed) mapState.mapSeed = static_cast<std::uint32_t>(std::time(nullptr));
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

void Generator::loadThemeSettings() {
    themeId = readThemeId(themeNumber, themeId);
    if (typeIndex == 4) levelKind = 2;
}

void Generator::applySoil(const std::filesystem::path& soilPath) {
    if (ImagePtr textured = soilTextured(image.get(), soilPath, width, height, colourWhite)) image = std::move(textured);
}

}  // namespace brambex
