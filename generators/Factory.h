#pragma once

#include "map/Generator.h"

namespace brambex {

// Whether this build has a generator for the map type (types without one count as not installed).
bool generatorExists(MapType type);

// A new generator of the given type, sized from the current parameters (window-made Fort,
// Roper, Shopper and Walk for Weapons maps are always 1920 x 696). None for a type without a
// generator.
std::unique_ptr<Generator> makeGenerator(MapType type);

// The factory of Generate and Load Map: the installed type whose Game Type list position is
// `listPosition`, compared in the order Bow and Arrow, Cavern, Fort, Roper, Shopper, Walk for
// Weapons, Island, Rope Race, SuperSheeper, SuperSheep Race; Bow and Arrow when none matches.
// The new object becomes currentGenerator (none while that type has no generator).
Generator* createGenerator(int listPosition);

}  // namespace brambex
