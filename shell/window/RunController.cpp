#include "shell/window/RunController.h"

namespace brambex {

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
    worker_.start(std::move(request), ended_);
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

RunController::~RunController() {
    if (measureThread_.joinable()) measureThread_.join();
}

void RunController::measureLater(ImagePtr picture, CourseKind course, std::vector<PadSpot> pads, int frame) {
    if (!picture) return;
    Measure measure{std::move(picture), course, std::move(pads), frame};
    if (measureThread_.joinable() && !measureDone_.load(std::memory_order_acquire)) {
        waitingMeasure_ = std::move(measure);  // started when the one under way ends
        return;
    }
    if (measureThread_.joinable()) measureThread_.join();
    startMeasure(std::move(measure));
}

void RunController::startMeasure(Measure measure) {
    measureDone_ = false;
    measureThread_ = std::thread([this, m = std::move(measure)] {
        Playability figures = measurePlayability(m.picture.get(), m.course, m.pads);
        measured_ = std::move(figures);
        measuredFrame_ = m.frame;
        measureDone_.store(true, std::memory_order_release);
        if (ended_) ended_();
    });
}

std::optional<std::pair<int, Playability>> RunController::takeMeasure() {
    if (!measureThread_.joinable() || !measureDone_.load(std::memory_order_acquire)) return std::nullopt;
    measureThread_.join();
    std::pair<int, Playability> taken{measuredFrame_, measured_};
    // The newest frame that waited is measured now; what was just measured is of an older one.
    if (waitingMeasure_) {
        Measure next = std::move(*waitingMeasure_);
        waitingMeasure_.reset();
        startMeasure(std::move(next));
        return std::nullopt;
    }
    return taken;
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
