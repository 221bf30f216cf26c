#include "map/Random.h"

namespace brambex {

namespace {
thread_local std::uint32_t randomState = 1;
}

void srand(std::uint32_t seed) { randomState = seed; }

int rand() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

}  // namespace brambex
