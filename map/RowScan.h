#pragma once

#include <cstdint>
#include <cstring>

namespace brambex {

// The nearest column at or left of `x` whose value is not 0, or -1. Edge maps are almost all 0,
// so whole blocks of 0 are passed over at once.
inline int previousNonZero(const int* row, int x) {
    while (x >= 15) {
        std::uint64_t words[8];
        std::memcpy(words, row + x - 15, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3] | words[4] | words[5] | words[6] | words[7]) != 0) break;
        x -= 16;
    }
    while (x >= 0 && row[x] == 0) --x;
    return x;
}

}  // namespace brambex
