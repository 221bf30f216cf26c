#pragma once

#include <cstdint>

namespace brambex {

// The 15-bit linear congruential generator every map is drawn from. Its sequence is part of a
// saved map's identity (the seed in the file stands for it), so it never changes.
// State is per thread: the worker seeds its own without touching the window thread's.
void srand(std::uint32_t seed);
int rand();

}  // namespace brambex
