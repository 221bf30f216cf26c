#include "generators/Worker.h"

namespace brambex {

Worker::~Worker() {
    requestStop();
    if (thread_.joinable()) thread_.join();
}

bool Worker::start(RunRequest request, std::function<void()> finished, std::function<void(const Map&)> afterRun) {
    if (thread_.joinable()) return false;
    done_ = false;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    request.stop = stop_;
    result_ = RunResult{};
    thread_ = std::thread([this, request = std::move(request), finished = std::move(finished),
                           afterRun = std::move(afterRun)]() mutable {
        RunResult result = runMap(request);
        if (afterRun && result.map) afterRun(*result.map);
        result_ = std::move(result);
        done_.store(true, std::memory_order_release);
        if (finished) finished();
    });
    return true;
}

void Worker::requestStop() {
    if (stop_) stop_->store(true, std::memory_order_relaxed);
}

RunResult Worker::take() {
    if (!thread_.joinable()) return {};
    thread_.join();
    stop_.reset();
    return std::move(result_);
}

}  // namespace brambex
