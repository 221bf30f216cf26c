#pragma once

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes through everything that reads a map file a user chose: the chunk
// walk, the chunk readers, the map loader and the --info description.
int fuzzMapFile(const std::uint8_t* data, std::size_t size);
