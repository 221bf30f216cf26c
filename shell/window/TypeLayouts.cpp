#include "shell/window/TypeLayouts.h"

namespace brambex {

namespace {

using C = Control;

const std::array<WindowLayout, MAP_TYPE_COUNT> layouts{{
    // Bow and Arrow
    {"Bow n Arrow", {C::Style, C::Algorithm, C::BnaObjectsLabel, C::BnaObjects}, {}, true, false, {}, {}, {}, 696},
    // Cavern
    {"Cavern",
     {C::Objects, C::ObjectsLabel, C::ComplexityLabel, C::Complexity, C::IslandsValue, C::CavesLabel, C::Islands},
     {}, true, true, {}, {{C::Complexity, 1, 100}}, {{C::Complexity, 50}}, 696},
    // Fort
    {"Fort", {C::Grass}, {C::Brick}, false, false, {}, {}, {}, 0},
    // Island
    {"Island",
     {C::Objects, C::ObjectsLabel, C::IslandsValue, C::IslandsLabel, C::Islands, C::ComplexityLabel, C::Complexity},
     {}, true, true, {}, {{C::Complexity, 10, 150}}, {{C::Complexity, 150}}, 696},
    // Roper
    {"Roper", {}, {}, false, true, {}, {}, {}, 0},
    // Rope Race
    {"Rope Race", {C::PathSize, C::PathSizeValue, C::PathSizeLabel, C::NoTopSoil}, {}, true, true,
     {{C::PathSize, 174, 522}}, {}, {}, 696},
    // Shopper
    {"Shopper", {C::Objects, C::ObjectsLabel}, {C::Layout}, false, true, {}, {}, {}, 0},
    // SuperSheep Race
    {"Super Sheep Race",
     {C::Smoothing, C::ComplexityLabel, C::Complexity, C::PathSize, C::PathSizeValue, C::PathSizeLabel},
     {}, true, true,
     {{C::Complexity, 15, 50}, {C::PathSize, 50, 200}}, {}, {{C::Complexity, 20}, {C::PathSize, 70}}, 2880},
    // SuperSheeper
    {"SuperSheeper",
     {C::PathSize, C::PathSizeValue, C::PathSizeLabel, C::PaddingLabel, C::Padding, C::Objects, C::ObjectsLabel},
     {}, true, true, {{C::PathSize, 174, 522}}, {}, {}, 2880},
    // Walk for Weapons
    {"Walk for Weapons", {C::PadsLabel, C::Pads}, {}, false, false, {}, {}, {}, 0},
}};

}  // namespace

const WindowLayout& windowLayout(MapType type) { return layouts[static_cast<int>(type)]; }

}  // namespace brambex
