#pragma once

#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "map/UserError.h"

namespace brambex {

// One picture of many maps: each map scaled to a tile, four to a row, its seed written under it.
// Maps that cannot be read leave an empty tile with their seed.
Failure writeContactSheet(const std::vector<std::pair<std::uint32_t, std::filesystem::path>>& maps,
                          const std::filesystem::path& file);

}  // namespace brambex
