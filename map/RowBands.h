#pragma once

#include <system_error>
#include <thread>

namespace brambex {

// Pictures of at least this many pixels are worth a second thread for work done row by row
// (measured: at 1920 x 696 the thread costs about what it saves).
constexpr long long ROW_BANDS_FROM_PIXELS = 2'000'000;

// Runs `work(y0, y1)` over rows [0, rows) of a picture of `pixels` pixels (or over its columns,
// for work that keeps to its own columns): in two bands at once, the lower on a second thread,
// when the picture is large enough and the machine has a second core; else in one call, as also
// when no thread can be started. `work` may only write its own rows and must not throw.
template <typename Work>
void inRowBands(int rows, long long pixels, Work work) {
    if (rows < 2 || pixels < ROW_BANDS_FROM_PIXELS || std::thread::hardware_concurrency() < 2) {
        work(0, rows);
        return;
    }
    const int middle = rows / 2;
    std::thread lower;
    try {
        lower = std::thread([&] { work(middle, rows); });
    } catch (const std::system_error&) {
        work(0, rows);
        return;
    }
    work(0, middle);
    lower.join();
}

}  // namespace brambex
