#include "shell/window/RunController.h"

namespace brambex {

void RunController::setCallbacks(std::function<void()> ended, std::function<void(const Map&)> prepare) {
    ended_ = std::move(ended);
    prepare_ = std::move(prepare);
}

double RunController::seconds() const {
    if (!busy()) return 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

void RunController::start(RunRequest request, RunKind kind) {
    request.artwork = artwork_;
    kind_ = kind;
    started_ = std::chrono::steady_clock::now();
    // What the run makes, kept for its end (the history keeps it); not its stop flag.
    request_ = request;
    request_.stop.reset();
    worker_.start(std::move(request), ended_, prepare_);
}

void RunController::queueLive(RunRequest request) {
    waitingLive_ = std::move(request);
    worker_.requestStop();
}

void RunController::dropLive() {
    waitingLive_.reset();
    if (!running(RunKind::Live)) return;
    worker_.requestStop();
    worker_.take();
}

RunController::Ended RunController::take() {
    RunResult result = worker_.take();
    return {std::move(result), kind_, request_};
}

std::optional<RunRequest> RunController::takeWaitingLive() {
    std::optional<RunRequest> waiting = std::move(waitingLive_);
    waitingLive_.reset();
    return waiting;
}

void CandidateRound::begin(int count, bool playableOnly, std::uint32_t firstSeed) {
    kept_.clear();
    wanted_ = count;
    playableOnly_ = playableOnly;
    tries_ = 0;
    first_ = firstSeed;
}

std::optional<std::uint32_t> CandidateRound::nextSeed() {
    if (wanted_ <= 0 || static_cast<int>(kept_.size()) >= wanted_ || tries_ >= 4 * wanted_) return std::nullopt;
    return first_ + static_cast<std::uint32_t>(tries_++);
}

}  // namespace brambex
