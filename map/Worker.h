#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

#include "map/WinException.h"

namespace brambex {

class Generator;

// The one worker thread. workerBusy is set before the thread starts and cleared by the worker
// as its very last action; the window thread joins only after it sees it clear.
struct WorkerState {
    std::atomic<bool> workerBusy{false};
    std::thread workerThread;
    // What ended the last run early, for the window to report after the join.
    std::optional<WinException> failure;
};

extern WorkerState worker;

// Starts a run of `generator` on the worker thread; false (nothing started) while a worker is
// still joinable. The worker seeds its random source with the time, or runs `seedRandom` on its
// own thread instead (the source is per thread), so the draws before the map's own seeding (the
// random theme) can be repeated.
bool startWorker(Generator* generator, std::function<void()> seedRandom = {});

// Joins the worker. Joining when there is none, or from the worker itself, throws std::system_error.
void joinWorker();

// The body of the worker thread (public for tests that run it directly).
void workerBody(Generator* generator, std::function<void()> seedRandom = {});

// Runs a generator's generate and turns an allocation failure into WinException "Out of memory".
void runGenerator(Generator& generator);

}  // namespace brambex
