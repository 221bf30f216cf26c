#pragma once

#include <atomic>
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
// still joinable.
bool startWorker(Generator* generator);

// Joins the worker. Joining when there is none, or from the worker itself, throws std::system_error.
void joinWorker();

// The body of the worker thread (public for tests that run it directly).
void workerBody(Generator* generator);

// Runs a generator's generate and turns an allocation failure into WinException "Out of memory".
void runGenerator(Generator& generator);

}  // namespace brambex
