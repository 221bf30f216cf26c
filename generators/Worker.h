#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "generators/Run.h"

namespace brambex {

// The one worker thread of the window: runs one request at a time. When the run ends the worker
// calls `finished` as its last action, on its own thread; the shell uses it to post a message to
// its own thread (a queued signal), which then takes the result. Nothing is polled.
class Worker {
public:
    Worker() = default;
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Starts a run; false (nothing started) while an earlier run's result has not been taken.
    // `afterRun` runs on the worker with the finished map, before `finished` (the shell prepares
    // what it shows of the map there, off its own thread).
    bool start(RunRequest request, std::function<void()> finished = {}, std::function<void(const Map&)> afterRun = {});
    // A run has been started and its result not taken yet.
    bool busy() const { return thread_.joinable(); }
    // The run has ended: take() will not wait.
    bool done() const { return done_.load(std::memory_order_acquire); }
    // Asks the run to end at its next step boundary (its result then says cancelled).
    void requestStop();
    // Waits for the run to end and hands over its result; an empty result when none was started.
    RunResult take();

private:
    std::thread thread_;
    std::atomic<bool> done_{false};
    std::shared_ptr<std::atomic<bool>> stop_;
    RunResult result_;
};

}  // namespace brambex
