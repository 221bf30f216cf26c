// The runs the window starts: Generate, Live, Candidates, the History and a pasted code, each with
// a recipe value; the worker, its cancelling, and what each kind of run does when it ends.

#include "shell/window/MainWindowModel.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <fstream>
#include <new>
#include <thread>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/Map.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "map/WinException.h"
#include "generators/Run.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"
#include "mapfile/Preview.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

namespace fs = std::filesystem;
using K = ControlState::Kind;
using C = Control;

void MainWindowModel::resumeLive() {
    // Live waited while the map had unsaved edits: once they are saved (or undone), the controls'
    // values reach the map on screen again.
    if (!live_ || !map_ || !map_->hasIdentity || unsaved() || busy() || map_->code.empty()) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map_->mapType()) return;
    readAllControls();
    if (brambex::mapCode(controlsRecipe(row->type, map_->seed)) != map_->code) liveUpdate();
}

bool MainWindowModel::busy() const { return worker_.busy(); }

void MainWindowModel::generate() {
    // Generate takes over from a live run still going.
    if (busy() && liveRun_) {
        worker_.requestStop();
        worker_.take();
        liveRun_ = false;
        pendingLive_.reset();
    }
    if (busy()) return;
    const TypeRow* row = selectedRow();
    if (!row) return;
    unsigned long long typedSeed = 0;
    const bool seedTyped = !seedText_.empty();
    if (seedTyped && !parseWholeNumber(seedText_.c_str(), 0xFFFFFFFFull, typedSeed)) {
        services_.showMessage({"Seed", "The seed must be a whole number from 0 to 4294967295."});
        return;
    }
    makeMapOfSeed(seedTyped ? std::optional(static_cast<std::uint32_t>(typedSeed)) : std::nullopt);
}

void MainWindowModel::makeMapOfSeed(std::optional<std::uint32_t> seed) {
    const TypeRow* row = selectedRow();
    if (busy() || !row || !mayReplaceMap()) return;
    recountThemes();
    readAllControls();
    // The seed is decided here, before the run: the one given (typed, a candidate's), the shown
    // map's (Modify), or a new one. The run is then the same as `brambex -t <type> --seed N`, so
    // the seed the map records always makes it again.
    const std::uint32_t chosen = seed ? *seed : panel_.parameters().keepSeed && map_ && map_->hasIdentity ? map_->seed : freshSeed();
    startRun(requestFor(controlsRecipe(row->type, chosen)), false);
}

RunRequest MainWindowModel::liveRequest(MapType type, std::uint32_t seed) { return requestFor(controlsRecipe(type, seed)); }

void MainWindowModel::liveUpdate() {
    if (!live_ || !map_ || !map_->hasIdentity || (busy() && !liveRun_)) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map_->mapType()) return;
    // A live frame would replace the map and its editor changes without a question: Live waits
    // until they are saved (or Generate asks and they are discarded).
    if (unsaved()) {
        setStatus("Live is paused: the map has editor changes that are not saved. Save them, or press Generate.");
        return;
    }
    readAllControls();
    const long long pixels = row->windowFixedSize ? 1920LL * 696 : static_cast<long long>(panel_.parameters().width) * panel_.parameters().height;
    if (pixels > MAX_LIVE_PIXELS) return;  // made again by Generate
    RunRequest request = liveRequest(row->type, map_->seed);
    if (busy()) {
        // The newest change waits; the run under way stops at its next step.
        pendingLive_ = std::move(request);
        worker_.requestStop();
        return;
    }
    startRun(std::move(request), true, true);
}

void MainWindowModel::startRun(RunRequest request, bool fromHistory, bool live) {
    mapState.mapSeed = request.recipe.seed;
    request.artwork = artwork_;
    liveRun_ = live;
    runStarted_ = std::chrono::steady_clock::now();
    runFromHistory_ = fromHistory;
    pendingRequest_ = request;
    pendingRequest_.stop.reset();
    if (live) {
        // A live run leaves the controls and the status as they are: the hand on the slider goes on.
        runText_.clear();
    } else {
        previewPicture_ = paths.busyPicturePath[mapShown_ ? 1 : 0];
        ++pictureVersion_;
        const MapRecipe& r = request.recipe;
        runText_ = formatText("Generating %s %d x %d", std::string(typeRow(r.type).info().listText).c_str(), r.width, r.height);
        setStatus(runText_ + "...");
        disableAll();
    }
    // The map on screen stays until the new one is there (a cancelled run leaves it).
    worker_.start(std::move(request), runEnded_, prepare_);
}

double MainWindowModel::runSeconds() const {
    if (!busy()) return 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - runStarted_).count();
}

void MainWindowModel::poll() {
    if (!busy() || !worker_.done()) return;
    RunResult result = worker_.take();
    guarded([&] { generationFinished(std::move(result)); });
}

void MainWindowModel::waitForWorker() {
    if (!busy()) return;
    RunResult result = worker_.take();
    guarded([&] { generationFinished(std::move(result)); });
}

void MainWindowModel::cancelRun() { worker_.requestStop(); }

void MainWindowModel::generateCandidates(int count, bool playableOnly, std::optional<std::uint32_t> firstSeed) {
    if (busy() || count <= 0) return;
    guarded([&] {
        candidates_.clear();
        candidatesWanted_ = count;
        candidatesPlayableOnly_ = playableOnly;
        candidateTries_ = 0;
        candidateBase_ = firstSeed ? *firstSeed : freshSeed();
        nextCandidate();
    });
}

void MainWindowModel::nextCandidate() {
    // A candidate is made beside the map on screen, which it does not replace: nothing to ask.
    const TypeRow* row = selectedRow();
    if (row) {
        recountThemes();
        readAllControls();
        startRun(requestFor(controlsRecipe(row->type, candidateBase_ + static_cast<std::uint32_t>(candidateTries_++))), false);
        candidateRun_ = busy();
    }
    if (!busy()) candidatesWanted_ = 0;  // nothing could be started
}

void MainWindowModel::stopCandidates() {
    candidatesWanted_ = 0;
    if (candidateRun_) worker_.requestStop();
}

void MainWindowModel::candidateFinished(RunResult result) {
    candidateRun_ = false;
    if (result.map && candidatesWanted_ > 0) {
        // Keep this candidate's preview under a name of its own, then make the next one.
        const Map& made = *result.map;
        const std::vector<std::string> misses =
            made.playability ? brambex::playabilityMisses(*made.playability, typeRow(made.mapType()).playability)
                             : std::vector<std::string>{};
        if (!candidatesPlayableOnly_ || misses.empty()) {
            const fs::path kept = paths.tempDirectory / formatText("candidate-%zu.png", candidates_.size());
            if (Failure failed = writePreviewFile(made.preview.get(), kept, mapState.showTransparency)) services_.showMessage(*failed);
            candidates_.push_back({made.seed, kept, made.playability ? playabilitySummary(*made.playability) : std::string(),
                                   misses.empty()});
        }
        if (static_cast<int>(candidates_.size()) < candidatesWanted_ && candidateTries_ < 4 * candidatesWanted_) {
            nextCandidate();
            if (busy()) return;
        }
    }
    candidatesWanted_ = 0;
    // The map on screen is as it was before the candidates.
    restoreAfterRun();
    if (!result.map && !result.cancelled) {
        if (result.missingArtwork) services_.showMessage({"Missing files", result.failure});
        else services_.showMessage({"Exception", result.failure.empty() ? "The map could not be made." : result.failure});
    }
    setStatus(candidates_.empty() ? std::string("No candidates") : formatText("%zu candidates: pick one", candidates_.size()));
}

void MainWindowModel::restoreAfterRun() {
    if (map_) previewPicture_ = paths.previewPath;
    else previewPicture_.clear();
    mapShown_ = map_ != nullptr;
    ++pictureVersion_;
    showTypeLayout(mapState.currentTypeIndex);
    applyMode();
    if (map_) {
        control(C::Modify).enabled = true;
        control(C::SaveMap).enabled = true;
        control(C::Grass).enabled = control(C::Modify).checked;
    }
}

void MainWindowModel::pickCandidate(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(candidates_.size())) return;
    guarded([&] { makeMapOfSeed(candidates_[static_cast<std::size_t>(index)].seed); });
}

void MainWindowModel::generationFinished(RunResult result) {
    if (liveRun_) {
        liveFinished(std::move(result));
        return;
    }
    runText_.clear();
    if (candidateRun_) {
        candidateFinished(std::move(result));
        return;
    }
    const bool failed = !result.map;
    if (!failed) {
        setMap(std::move(result.map));
        // This session's history: a new map goes after the one shown (what was ahead of it goes).
        if (!runFromHistory_) {
            if (historyAt_ + 1 < static_cast<int>(history_.size())) history_.resize(static_cast<std::size_t>(historyAt_ + 1));
            HistoryEntry entry{pendingRequest_, map_->mapType(), map_->seed, nullptr};
            if (map_->preview) entry.thumbnail = trueColourCopy(map_->preview.get());
            history_.push_back(std::move(entry));
            if (history_.size() > HISTORY_SIZE) history_.erase(history_.begin());
            historyAt_ = static_cast<int>(history_.size()) - 1;
        }
    }
    if (failed) {
        // The map shown before the run stays.
        restoreAfterRun();
        if (result.cancelled) setStatus("Generation cancelled");
        else if (result.missingArtwork) services_.showMessage({"Missing files", result.failure});
        else services_.showMessage({"Exception", result.failure.empty() ? "The map could not be made." : result.failure});
        return;
    }
    shownEntry_ = historyAt_;
    showMadeMap(runFromHistory_ ? &pendingRequest_.recipe : nullptr);
    // Artwork over its size limit was left out: said, not hidden.
    if (!result.refusedArtwork.empty())
        setStatus(control(C::Status).text + formatText(" (%zu picture%s left out, over the size limit: %s)", result.refusedArtwork.size(),
                                                       result.refusedArtwork.size() == 1 ? "" : "s",
                                                       result.refusedArtwork.front().c_str()));
}

void MainWindowModel::showMadeMap(const MapRecipe* fromHistory) {
    // A map brought back from the history puts its own values on the controls, so they describe
    // the map on screen (and Live goes on from it).
    if (fromHistory) showRecipe(*fromHistory);
    // The theme the run chose is shown in the list (Manual mode shows the one picked already).
    if (map_->themeChosen) showThemeInList(map_->chosenTheme);
    panel_.parameters().manualMode = control(C::Manual).checked;
    mapShown_ = true;
    reloadPreviews();
    showTypeLayout(mapState.currentTypeIndex);
    setStatus(formatText("%s map, seed %u", std::string(typeRow(map_->mapType()).info().listText).c_str(), map_->seed));
    control(C::ForceFullColour).enabled = map_->image->trueColor != 0;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Grass).enabled = control(C::Modify).checked;
    applyMode();
}

void MainWindowModel::liveFinished(RunResult result) {
    liveRun_ = false;
    // A newer change is waiting: it is made now, and what this run made is not shown.
    if (pendingLive_) {
        RunRequest next = std::move(*pendingLive_);
        pendingLive_.reset();
        startRun(std::move(next), true, true);
        return;
    }
    if (!result.map) return;  // stopped, or failed: the map on screen stays
    // A live frame writes no files: the preview files follow the next Generate or Load.
    setMap(std::move(result.map), false);
    // The history entry of the map on screen is this map now (Back and Forward come back to it).
    if (historyAt_ >= 0 && historyAt_ < static_cast<int>(history_.size())) {
        history_[static_cast<std::size_t>(historyAt_)].request = pendingRequest_;
        history_[static_cast<std::size_t>(historyAt_)].edited.reset();
        shownEntry_ = historyAt_;
    }
    mapShown_ = true;
    reloadPreviews();
    setStatus(formatText("%s map, seed %u", std::string(typeRow(map_->mapType()).info().listText).c_str(), map_->seed));
}

void MainWindowModel::goToHistory(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(history_.size()) || index == historyAt_) return;
    if (!mayReplaceMap()) return;
    historyAt_ = index;
    const HistoryEntry& entry = history_[static_cast<std::size_t>(index)];
    // A map whose editor changes were saved comes back as it was left, changes and file and all.
    if (entry.edited) {
        guarded([&] {
            const std::optional<fs::path> file = entry.file;
            const MapRecipe recipe = entry.request.recipe;
            std::unique_ptr<Map> shown = copyOfMap(*entry.edited);
            makePreviews(*shown);
            setMap(std::move(shown));
            mapFile_ = file;
            shownEntry_ = index;
            showMadeMap(&recipe);
        });
        return;
    }
    RunRequest request = entry.request;
    request.folders = currentFolders();
    guarded([&] { startRun(std::move(request), true); });
}

void MainWindowModel::makeFromCode(const std::string& text) {
    if (busy()) return;
    guarded([&] {
        const ParsedCode parsed = parseMapCode(text);
        std::optional<MapRecipe> recipe = parsed.recipe;
        if (!recipe && parsed.todaysRecipe &&
            services_.confirm({"Map Code", parsed.error + " Make this version's map of the same settings instead? It is "
                                                          "not the map of the code."}))
            recipe = parsed.todaysRecipe;
        if (!recipe) {
            if (!parsed.todaysRecipe) services_.showMessage({"Map Code", parsed.error});
            return;
        }
        const std::string typeName(typeRow(recipe->type).info().listText);
        if (!installedTypes.installed(recipe->type)) {
            services_.showMessage({"Map Code", "The code is for a " + typeName + " map, and " + typeName + " is not installed."});
            return;
        }
        recountThemes();
        if ((recipe->theme.manual && recipe->theme.theme >= std::max(mapState.themeCount, 1)) ||
            (!recipe->theme.manual && recipe->theme.count > mapState.themeCount)) {
            services_.showMessage({"Map Code", formatText("The code's theme is not installed here (%d themes are), so its "
                                                          "map cannot be made.", mapState.themeCount)});
            return;
        }
        // A code may ask for a map far larger than the sliders offer: asked first, as Load Map asks.
        const long long pixels = static_cast<long long>(recipe->width) * recipe->height;
        if (pixels > LARGE_PICTURE_PIXELS &&
            !services_.confirm({"Map Code", formatText("The code's map is %d x %d, %lld million pixels: making it needs about "
                                                       "%lld GB of memory and may take minutes. Make it?",
                                                       recipe->width, recipe->height, pixels / 1'000'000,
                                                       (pixels * 4 * 3 >> 30) + 1)}))
            return;
        if (!mayReplaceMap()) return;
        showRecipe(*recipe);
        startRun(requestFor(*recipe), false);
    });
}

}  // namespace brambex
