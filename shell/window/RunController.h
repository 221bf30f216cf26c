#pragma once

#include <chrono>
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
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    // `ended` is called on the worker's thread when a run has ended; `prepare` there with each
    // finished map before that.
    void setCallbacks(std::function<void()> ended, std::function<void(const Map&)> prepare);

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

private:
    std::function<void()> ended_;
    std::function<void(const Map&)> prepare_;
    std::shared_ptr<ArtworkCache> artwork_ = std::make_shared<ArtworkCache>();
    RunKind kind_ = RunKind::Make;
    RunRequest request_;
    std::optional<RunRequest> waitingLive_;
    std::chrono::steady_clock::time_point started_;
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
