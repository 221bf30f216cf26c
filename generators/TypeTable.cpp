#include "generators/TypeTable.h"

#include "generators/MapRecipe.h"
#include "generators/BnA.h"
#include "generators/Cavern.h"
#include "generators/Fort.h"
#include "generators/Island.h"
#include "generators/RR.h"
#include "generators/Roper.h"
#include "generators/Shopper.h"
#include "generators/SuperSheepRace.h"
#include "generators/SuperSheeper.h"
#include "generators/WforW.h"
#include "map/Random.h"

namespace brambex {

namespace {

using P = GenerationParameters;

template <typename T>
std::unique_ptr<Generator> make(const MapRecipe& recipe) {
    const CommonSettings common{recipe.theme.manual ? recipe.theme.theme : 0, recipe.theme.manual, false};
    return std::make_unique<T>(std::get<typename T::Settings>(recipe.settings), common, recipe.width, recipe.height);
}

// Setting keys shared by several types.
constexpr SettingKey widthKey(int max) { return {"width", 640, max, &P::width}; }
constexpr SettingKey heightKey(int max) { return {"height", 32, max, &P::height}; }
constexpr SettingKey objectsKey{"objects", 0, 100, &P::objects};
constexpr SettingKey mirrorKey{"mirror", 0, 1, &P::mirror};

void noPreset(P&, std::uint32_t) {}
void noOverride(P&) {}

// Cavern's and Island's command-line start: the standard size, one cave or island of
// complexity 50, and the type's object density.
void presetLandscape(P& p, int objects) {
    p.width = 1920;
    p.height = 696;
    p.numIslands = 1;
    p.complexity = 50;
    p.objects = objects;
}

const std::array<TypeRow, MAP_TYPE_COUNT> table{{
    {
        MapType::BnA, "BnA", 1, make<BnA>, false, true,
        {widthKey(28664), heightKey(30552), {"objects", 0, 50, &P::bnaObjects}, mirrorKey},
        {"width", "height", "objects", "mirror"},
        [](P& p, std::uint32_t) {
            p.width = 3840;
            p.height = 1392;
        },
        [](P& p) {
            p.bnaStyle = 0;
            p.bnaObjects = 25;
        },
        0, false, {16, 0.0, 0, 0.0, 0.6}, true,
    },
    {
        MapType::Cavern, "Cavern", 1, make<Cavern>, false, true,
        {widthKey(32760), heightKey(32600), {"complexity", 100, 1000, &P::complexity}, objectsKey, mirrorKey},
        {"width", "height", "complexity", "objects", "mirror"},
        [](P& p, std::uint32_t) { presetLandscape(p, 50); },
        noOverride, 1, false, {16, 0.0, 0, 0.0, 0.25}, true,
    },
    {
        MapType::Fort, "Fort", 2, make<Fort>, true, false, {}, {},
        noPreset, noOverride, 0, false, {16, 0.9, 0, 0.0, 0.4},
    },
    {
        MapType::Island, "Island", 1, make<Island>, false, true,
        {widthKey(28664), heightKey(30552), {"complexity", 10, 1000, &P::complexity}, objectsKey,
         {"numislands", 1, 20, &P::numIslands}, mirrorKey},
        {"width", "height", "complexity", "numislands", "objects", "mirror"},
        [](P& p, std::uint32_t) { presetLandscape(p, 80); },
        noOverride, 1, false, {16, 0.0, 0, 0.0, 0.25}, true,
    },
    {
        MapType::Roper, "Roper", 1, make<Roper>, true, true, {mirrorKey}, {"mirror"},
        noPreset, noOverride, 0, false, {16, 0.0, 0, 0.0, 0.25}, true,
    },
    {
        MapType::RR, "RR", 1, make<RR>, false, true,
        {widthKey(32760), heightKey(32600), {"path", 174, 522, &P::pathSize}, {"soil", INT32_MIN, INT32_MAX, &P::noTopSoil}},
        {"width", "height", "path", "soil"},
        [](P& p, std::uint32_t) {
            p.pathSize = 232;
            p.noTopSoil = true;
        },
        noOverride, 0, false, {16, 0.0, 20, 0.0, 0.4},
    },
    {
        MapType::Shopper, "Shopper", 1, make<Shopper>, true, true,
        {objectsKey, mirrorKey},
        {"objects", "mirror"},
        // The layout a manual-theme run uses is the first draw of the map's seed.
        [](P& p, std::uint32_t seed) {
            srand(seed);
            p.shopperLayout = rand() % 2;
            p.objects = 10;
        },
        noOverride, 1, false, {16, 0.9, 0, 0.0, 0.4}, true,
    },
    {
        MapType::SuperSheepRace, "SuperSheepRace", 1, make<SuperSheepRace>, false, true,
        {widthKey(28664), heightKey(32600), {"path", 50, 200, &P::pathSize}, {"complexity", 10, MAX_RACE_COMPLEXITY, &P::complexity},
         {"smoothing", 0, 2, &P::smoothing}},
        {"width", "height", "path", "complexity", "smoothing"},
        [](P& p, std::uint32_t) {
            p.width = 1920;
            p.height = 2880;
            p.pathSize = 70;
        },
        noOverride, 0, true, {16, 0.0, 30, 0.0, 0.25},
    },
    {
        MapType::SuperSheeper, "SuperSheeper", 1, make<SuperSheeper>, false, true,
        {widthKey(32760), heightKey(32600), {"path", 174, 522, &P::pathSize}, {"padding", 0, 5, &P::padding}, objectsKey},
        {"width", "height", "path", "padding", "objects"},
        [](P& p, std::uint32_t) {
            p.width = 1920;
            p.height = 2880;
            p.pathSize = 300;
        },
        noOverride, 0, false, {16, 0.0, 20, 0.0, 0.5},
    },
    {
        MapType::WforW, "WforW", 1, make<WforW>, true, false,
        {{"pads", 40, 60, &P::pads}, mirrorKey},
        {"pads", "mirror"},
        noPreset, noOverride, 0, false, {16, 0.9, 0, 0.9, 0.3}, true,
    },
}};

}  // namespace

const std::array<TypeRow, MAP_TYPE_COUNT>& typeTable() { return table; }

const TypeRow& typeRow(MapType type) { return table[static_cast<int>(type)]; }

std::optional<MapType> typeAtListPosition(int listPosition) { return installedTypes.atListPosition(listPosition); }

}  // namespace brambex
