#include "generators/TypeTable.h"

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
using C = Control;

template <typename T>
std::unique_ptr<Generator> make(bool) {
    return std::make_unique<T>();
}

// Setting keys shared by several types.
constexpr SettingKey widthKey(int max) { return {"width", 640, max, &P::width}; }
constexpr SettingKey heightKey(int max) { return {"height", 32, max, &P::height}; }
constexpr SettingKey objectsKey{"objects", 0, 100, &P::objects};

void noPreset(P&) {}

// Cavern's and Island's command-line start: the standard size, a discarded draw, one cave or
// island of complexity 50, and the type's object density.
void presetLandscape(P& p, int objects) {
    p.width = 1920;
    p.height = 696;
    rand();
    p.numIslands = 1;
    p.complexity = 50;
    p.objects = objects;
}
void nothingAfter(Generator&) {}

const std::array<TypeRow, MAP_TYPE_COUNT> table{{
    {
        MapType::BnA, "BnA", make<BnA>, false,
        {widthKey(28664), heightKey(30552), {"objects", 0, 50, &P::bnaObjects}},
        {"width", "height", "objects"},
        [](P& p) {
            p.width = 3840;
            p.height = 1392;
        },
        [](Generator& g) {
            g.parameters.bnaStyle = 0;
            g.parameters.bnaObjects = 25;
        },
        false,
        {"Bow n Arrow", {C::Style, C::Algorithm, C::BnaObjectsLabel, C::BnaObjects}, {}, true, false, {}, {}, {}, 696},
    },
    {
        MapType::Cavern, "Cavern", make<Cavern>, false,
        {widthKey(32760), heightKey(32600), {"complexity", 100, 1000, &P::complexity}, objectsKey},
        {"width", "height", "complexity", "objects"},
        [](P& p) { presetLandscape(p, 50); },
        nothingAfter, false,
        {"Cavern",
         {C::Objects, C::ObjectsLabel, C::ComplexityLabel, C::Complexity, C::IslandsValue, C::CavesLabel, C::Islands},
         {}, true, true, {}, {{C::Complexity, 1, 100}}, {{C::Complexity, 50}}, 696},
    },
    {
        MapType::Fort, "Fort", make<Fort>, true, {}, {},
        noPreset, nothingAfter, true,
        {"Fort", {C::Grass}, {C::Brick}, false, false, {}, {}, {}, 0},
    },
    {
        MapType::Island, "Island", make<Island>, false,
        {widthKey(28664), heightKey(30552), {"complexity", 10, 1000, &P::complexity}, objectsKey,
         {"numislands", 1, 20, &P::numIslands}},
        {"width", "height", "complexity", "numislands", "objects"},
        [](P& p) { presetLandscape(p, 80); },
        nothingAfter, true,
        {"Island",
         {C::Objects, C::ObjectsLabel, C::IslandsValue, C::IslandsLabel, C::Islands, C::ComplexityLabel, C::Complexity},
         {}, true, true, {}, {{C::Complexity, 10, 150}}, {{C::Complexity, 150}}, 696},
    },
    {
        MapType::Roper, "Roper", make<Roper>, true, {}, {},
        noPreset, nothingAfter, false,
        {"Roper", {}, {}, false, true, {}, {}, {}, 0},
    },
    {
        MapType::RR, "RR", make<RR>, false,
        {widthKey(32760), heightKey(32600), {"path", 174, 522, &P::pathSize}, {"soil", INT32_MIN, INT32_MAX, nullptr}},
        {"width", "height", "path", "soil"},
        [](P& p) {
            p.pathSize = 232;
            p.noTopSoil = true;
        },
        nothingAfter, false,
        {"Rope Race", {C::PathSize, C::PathSizeValue, C::PathSizeLabel, C::NoTopSoil}, {}, true, true,
         {{C::PathSize, 174, 522}}, {}, {}, 696},
    },
    {
        MapType::Shopper, "Shopper", make<Shopper>, true,
        {objectsKey},
        {"objects"},
        [](P& p) {
            p.shopperLayout = rand() % 2;
            p.objects = 10;
        },
        nothingAfter, false,
        {"Shopper", {C::Objects, C::ObjectsLabel}, {C::Layout}, false, true, {}, {}, {}, 0},
    },
    {
        MapType::SuperSheepRace, "SuperSheepRace", make<SuperSheepRace>, false,
        {widthKey(28664), heightKey(32600), {"path", 50, 200, &P::pathSize}, {"complexity", 10, 1000, &P::complexity},
         {"smoothing", 0, 2, &P::smoothing}},
        {"width", "height", "path", "complexity", "smoothing"},
        [](P& p) {
            p.width = 1920;
            p.height = 2880;
            p.pathSize = 70;
        },
        // The theme is chosen once more, as a run does, before the run chooses it again.
        [](Generator& g) { pickTheme(g.parameters); },
        false,
        {"Super Sheep Race",
         {C::Smoothing, C::ComplexityLabel, C::Complexity, C::PathSize, C::PathSizeValue, C::PathSizeLabel},
         {}, true, true,
         {{C::Complexity, 15, 50}, {C::PathSize, 50, 200}}, {}, {{C::Complexity, 20}, {C::PathSize, 70}}, 2880},
    },
    {
        MapType::SuperSheeper, "SuperSheeper", make<SuperSheeper>, false,
        {widthKey(32760), heightKey(32600), {"path", 174, 522, &P::pathSize}, {"padding", 0, 5, &P::padding}, objectsKey},
        {"width", "height", "path", "padding", "objects"},
        [](P& p) {
            p.width = 1920;
            p.height = 2880;
            p.pathSize = 300;
        },
        nothingAfter, false,
        {"SuperSheeper",
         {C::PathSize, C::PathSizeValue, C::PathSizeLabel, C::PaddingLabel, C::Padding, C::Objects, C::ObjectsLabel},
         {}, true, true, {{C::PathSize, 174, 522}}, {}, {}, 2880},
    },
    {
        MapType::WforW, "WforW", make<WforW>, true,
        {{"pads", 40, 60, &P::pads}},
        {"pads"},
        noPreset, nothingAfter, false,
        {"Walk for Weapons", {C::PadsLabel, C::Pads}, {}, false, false, {}, {}, {}, 0},
    },
}};

}  // namespace

const std::array<MapType, MAP_TYPE_COUNT> factoryOrder{
    MapType::BnA,   MapType::Cavern, MapType::Fort, MapType::Roper,        MapType::Shopper,
    MapType::WforW, MapType::Island, MapType::RR,   MapType::SuperSheeper, MapType::SuperSheepRace,
};

const std::array<MapType, MAP_TYPE_COUNT> commandLineOrder{
    MapType::Fort,  MapType::Island, MapType::Cavern,         MapType::BnA,         MapType::Shopper,
    MapType::RR,    MapType::Roper,  MapType::WforW,          MapType::SuperSheepRace, MapType::SuperSheeper,
};

const std::array<TypeRow, MAP_TYPE_COUNT>& typeTable() { return table; }

const TypeRow& typeRow(MapType type) { return table[static_cast<int>(type)]; }

std::optional<MapType> typeAtListPosition(int listPosition) {
    for (MapType type : factoryOrder)
        if (installedTypes.installed(type) && installedTypes.listIndex(type) == listPosition) return type;
    return std::nullopt;
}

Generator* createGenerator(int listPosition) {
    const TypeRow& row = typeRow(typeAtListPosition(listPosition).value_or(MapType::BnA));
    currentGenerator = row.make(true);
    return currentGenerator.get();
}

}  // namespace brambex
