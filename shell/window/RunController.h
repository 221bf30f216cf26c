#pragma once

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "generators/Run.h"
#include "generators/Worker.h"
#include "map/ArtworkCache.h"

namespace brambex {

// What a run is for, which decides what its end does.
enum class RunKind {
    Make,       // Generate, a candidate picked, a pasted code: a new map, a new history entry
    History,    // Back and Forward: the entry's map made again
    Live,       // a change of the controls: the map on screen made again with its seed
    Candidate,  // one of the Candidates, made beside the map on screen
};

// The window's runs: one at a time on the worker, each started with a recipe value and its kind.
// A live change that comes while a run goes on waits as the newest one, and stops the run.
class RunController {
public:
    RunController() = default;
    ~RunController();
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    // `ended` is called on the worker's thread when a run has ended (and on the measuring thread
    // when a measure has).
    void setRunEnded(std::function<void()> ended) { ended_ = std::move(ended); }

    bool busy() const { return worker_.busy(); }
    bool done() const { return worker_.done(); }
    bool running(RunKind kind) const { return busy() && kind_ == kind; }
    // Seconds since the run under way started (0 when none).
    double seconds() const;

    // Starts a run (with the artwork decoded by earlier runs: a live frame reads no file twice).
    void start(RunRequest request, RunKind kind);
    // A live change while a run goes on: it waits as the newest, and the run stops at its next step.
    void queueLive(RunRequest request);
    // Asks the run under way to stop; what it made is not shown.
    void stop() { worker_.requestStop(); }
    // Stops a live run at once and forgets a waiting change (Generate takes over).
    void dropLive();

    // A run that has ended: its result, its kind and what it was asked to make.
    struct Ended {
        RunResult result;
        RunKind kind;
        RunRequest request;
    };
    // Waits for the run to end (at once when done()) and hands it over.
    Ended take();
    // The live change that waited for the last run to end, if any (taken once).
    std::optional<RunRequest> takeWaitingLive();

    // A live frame is shown before its playability is known: it is measured afterwards on the
    // other core, from the copy of its picture its run made. `frame` names the map on screen; a
    // newer frame's measure replaces one still waiting, and the result of an older one is thrown
    // away.
    void measureLater(ImagePtr picture, CourseKind course, std::vector<PadSpot> pads, int frame);
    // The figures of a finished measure and the frame they are of (taken once; none while it runs).
    std::optional<std::pair<int, Playability>> takeMeasure();
    bool measuring() const { return measureThread_.joinable(); }

private:
    std::function<void()> ended_;
    std::shared_ptr<ArtworkCache> artwork_ = std::make_shared<ArtworkCache>();
    RunKind kind_ = RunKind::Make;
    RunRequest request_;
    std::optional<RunRequest> waitingLive_;
    std::chrono::steady_clock::time_point started_;
    // The measure of a live frame: its thread, the picture it reads, its figures when done, and
    // the newest frame waiting for it to end.
    struct Measure {
        ImagePtr picture;
        CourseKind course = CourseKind::None;
        std::vector<PadSpot> pads;
        int frame = -1;
    };
    void startMeasure(Measure measure);
    std::thread measureThread_;
    std::atomic<bool> measureDone_{false};
    int measuredFrame_ = -1;
    Playability measured_;
    std::optional<Measure> waitingMeasure_;
    Worker worker_;  // last: its run ends before the rest goes
};

// A round of Candidates: maps of consecutive seeds from a first one, kept (all of them, or only
// those that meet their type's thresholds) until there are as many as wanted.
class CandidateRound {
public:
    struct Candidate {
        std::uint32_t seed;
        std::filesystem::path preview;  // the 400 x 145 preview of its map
        std::string playability;        // its figures in one line
        bool playable = true;           // it meets its type's thresholds
    };
    void begin(int count, bool playableOnly, std::uint32_t firstSeed);
    // The seed to make next, none when the round is over (enough kept, or four tries a
    // candidate spent).
    std::optional<std::uint32_t> nextSeed();
    // Whether a made map with these misses is kept.
    bool keeps(bool meetsThresholds) const { return !playableOnly_ || meetsThresholds; }
    void add(Candidate candidate) { kept_.push_back(std::move(candidate)); }
    void end() { wanted_ = 0; }
    bool going() const { return wanted_ > 0; }

    const std::vector<Candidate>& kept() const { return kept_; }
    int wanted() const { return wanted_; }
    int tries() const { return tries_; }

private:
    std::vector<Candidate> kept_;
    int wanted_ = 0;
    int tries_ = 0;
    std::uint32_t first_ = 0;
    bool playableOnly_ = false;
};

}  // namespace brambex
