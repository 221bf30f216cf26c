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
#include "map/Translate.h"
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
    const Map* map = session_.map();
    if (!live_ || !map || !map->hasIdentity || unsaved() || busy() || map->code.empty()) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map->mapType()) return;
    readAllControls();
    if (brambex::mapCode(controlsRecipe(row->type, map->seed)) != map->code) liveUpdate();
}

bool MainWindowModel::busy() const { return runs_.busy(); }

void MainWindowModel::generate() {
    // Generate takes over from a live run still going.
    runs_.dropLive();
    if (busy()) return;
    const TypeRow* row = selectedRow();
    if (!row) return;
    unsigned long long typedSeed = 0;
    const bool seedTyped = !seedText_.empty();
    if (seedTyped && !parseWholeNumber(seedText_.c_str(), 0xFFFFFFFFull, typedSeed)) {
        services_.showMessage({translate("Window", "Seed"), translate("Window", "The seed must be a whole number from 0 to 4294967295.")});
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
    const Map* map = session_.map();
    const bool keep = panel_.parameters().keepSeed && map && map->hasIdentity;
    const std::uint32_t chosen = seed ? *seed : keep ? map->seed : freshSeed();
    startRun(requestFor(controlsRecipe(row->type, chosen)), RunKind::Make);
}

void MainWindowModel::liveUpdate() {
    const Map* map = session_.map();
    if (!live_ || !map || !map->hasIdentity || (busy() && !liveRunning())) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map->mapType()) return;
    // A live frame would replace the map and its editor changes without a question: Live waits
    // until they are saved (or Generate asks and they are discarded).
    if (unsaved()) {
        setStatus(translate("Window", "Live is paused: the map has editor changes that are not saved. Save them, or press Generate."));
        return;
    }
    readAllControls();
    const GenerationParameters& p = panel_.parameters();
    const long long pixels = row->windowFixedSize ? 1920LL * 696 : static_cast<long long>(p.width) * p.height;
    if (pixels > MAX_LIVE_PIXELS) return;  // made again by Generate
    RunRequest request = requestFor(controlsRecipe(row->type, map->seed));
    // The newest change waits while a run goes on; that run stops at its next step.
    if (busy()) runs_.queueLive(std::move(request));
    else startRun(std::move(request), RunKind::Live);
}

void MainWindowModel::startRun(RunRequest request, RunKind kind) {
    mapState.mapSeed = request.recipe.seed;
    shapeRequest(request, kind == RunKind::Live ? RunPurpose::LiveFrame : RunPurpose::Window, mapState.showTransparency);
    if (kind == RunKind::Live) {
        // A live run leaves the controls and the status as they are: the hand on the slider goes on.
        runText_.clear();
    } else {
        previewPicture_ = paths.busyPicturePath[mapShown_ ? 1 : 0];
        ++pictureVersion_;
        const MapRecipe& r = request.recipe;
        runText_ = formatText(translate("Window", "Generating %s %d x %d").c_str(), std::string(typeRow(r.type).info().listText).c_str(), r.width, r.height);
        setStatus(runText_ + "...");
        disableAll();
    }
    // The map on screen stays until the new one is there (a cancelled run leaves it).
    runs_.start(std::move(request), kind);
}

void MainWindowModel::poll() {
    takeMeasure();
    if (!busy() || !runs_.done()) return;
    RunController::Ended ended = runs_.take();
    guarded([&] { runEnded(std::move(ended)); });
}

void MainWindowModel::waitForWorker() {
    if (!busy()) return;
    RunController::Ended ended = runs_.take();
    guarded([&] { runEnded(std::move(ended)); });
}

void MainWindowModel::cancelRun() { runs_.stop(); }

void MainWindowModel::takeMeasure() {
    std::optional<std::pair<int, Playability>> measured = runs_.takeMeasure();
    // Figures of a frame no longer on screen are of no use.
    if (!measured || measured->first != shownFrame_ || !session_.map()) return;
    session_.map()->playability = std::move(measured->second);
}

void MainWindowModel::waitForMeasure() {
    while (runs_.measuring()) {
        takeMeasure();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void MainWindowModel::generateCandidates(int count, bool playableOnly, std::optional<std::uint32_t> firstSeed) {
    if (busy() || count <= 0) return;
    guarded([&] {
        candidates_.begin(count, playableOnly, firstSeed ? *firstSeed : freshSeed());
        nextCandidate();
    });
}

void MainWindowModel::nextCandidate() {
    // A candidate is made beside the map on screen, which it does not replace: nothing to ask.
    const TypeRow* row = selectedRow();
    const std::optional<std::uint32_t> seed = row ? candidates_.nextSeed() : std::nullopt;
    if (seed) {
        recountThemes();
        readAllControls();
        startRun(requestFor(controlsRecipe(row->type, *seed)), RunKind::Candidate);
    }
    if (!busy()) candidates_.end();  // nothing could be started
}

void MainWindowModel::stopCandidates() {
    candidates_.end();
    if (runs_.running(RunKind::Candidate)) runs_.stop();
}

void MainWindowModel::candidateEnded(RunResult result) {
    if (result.map && candidates_.going()) {
        // Keep this candidate's preview under a name of its own, then make the next one.
        const Map& made = *result.map;
        const PlayabilityThresholds& thresholds = typeRow(made.mapType()).playability;
        std::vector<std::string> misses =
            made.playability ? brambex::playabilityMisses(*made.playability, thresholds) : std::vector<std::string>{};
        // Playable Candidates are fair for the chosen number of teams too.
        if (made.playability)
            for (std::string& miss : teamMisses(*made.playability, thresholds, teams())) misses.push_back(std::move(miss));
        if (candidates_.keeps(misses.empty())) {
            // Its preview file was encoded on the worker.
            const fs::path kept = paths.tempDirectory / formatText("candidate-%zu.png", candidates_.kept().size());
            if (Failure failed = replaceFileContents(kept, result.previewFiles[0], false)) services_.showMessage(*failed);
            candidates_.add({made.seed, kept, made.playability ? playabilitySummary(*made.playability, teams()) : std::string(),
                             misses.empty()});
        }
        nextCandidate();
        if (busy()) return;
    }
    candidates_.end();
    // The map on screen is as it was before the candidates.
    restoreAfterRun();
    reportFailure(result);
    const int kept = static_cast<int>(candidates_.kept().size());
    setStatus(kept == 0 ? translate("Window", "No candidates") : translate("Window", "%n candidates: pick one", nullptr, kept));
}

void MainWindowModel::reportFailure(const RunResult& result) {
    if (result.map || result.cancelled) return;
    if (result.missingArtwork) services_.showMessage({translate("Window", "Missing files"), result.failure});
    else
        services_.showMessage({translate("Window", "Exception"), result.failure.empty() ? translate("Window", "The map could not be made.") : result.failure});
}

void MainWindowModel::restoreAfterRun() {
    if (session_.map()) previewPicture_ = paths.previewPath;
    else previewPicture_.clear();
    mapShown_ = session_.map() != nullptr;
    ++pictureVersion_;
    showTypeLayout(mapState.currentTypeIndex);
    applyMode();
    if (session_.map()) {
        control(C::Modify).enabled = true;
        control(C::SaveMap).enabled = true;
        control(C::Grass).enabled = control(C::Modify).checked;
    }
}

void MainWindowModel::pickCandidate(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(candidates_.kept().size())) return;
    guarded([&] { makeMapOfSeed(candidates_.kept()[static_cast<std::size_t>(index)].seed); });
}

void MainWindowModel::runEnded(RunController::Ended ended) {
    if (ended.kind == RunKind::Live) {
        liveEnded(std::move(ended.result), ended.request);
        return;
    }
    runText_.clear();
    if (ended.kind == RunKind::Candidate) candidateEnded(std::move(ended.result));
    else madeEnded(std::move(ended));
}

void MainWindowModel::madeEnded(RunController::Ended ended) {
    RunResult& result = ended.result;
    if (!result.map) {
        // The map shown before the run stays, and so does the history's place.
        history_.moveTo(history_.shown() >= 0 ? history_.shown() : history_.position());
        restoreAfterRun();
        if (result.cancelled) setStatus(translate("Window", "Generation cancelled"));
        reportFailure(result);
        return;
    }
    const bool fromHistory = ended.kind == RunKind::History;
    // The preview files were encoded on the worker: only written here.
    setMap(std::move(result.map), false);
    if (Failure failed = writeEncodedPreviewFiles(result.previewFiles[0], result.previewFiles[1])) services_.showMessage(*failed);
    // This session's history: a new map goes after the one shown (what was ahead of it goes).
    if (!fromHistory) {
        const Map& made = *session_.map();
        history_.add({ended.request, made.mapType(), made.seed, made.preview ? trueColourCopy(made.preview.get()) : nullptr, {}, {}});
    }
    history_.show(history_.position());
    showMadeMap(fromHistory ? &ended.request.recipe : nullptr);
    // Artwork over its size limit was left out: said, not hidden.
    if (!result.refusedArtwork.empty()) {
        const int refused = static_cast<int>(result.refusedArtwork.size());
        setStatus(control(C::Status).text +
                  formatText(translate("Window", " (%n pictures left out, over the size limit: %s)", nullptr, refused).c_str(),
                             result.refusedArtwork.front().c_str()));
    }
}

std::string MainWindowModel::mapSaid(const Map& map) {
    return formatText(translate("Window", "%s map, seed %u").c_str(), std::string(typeRow(map.mapType()).info().listText).c_str(),
                      map.seed);
}

void MainWindowModel::showMadeMap(const MapRecipe* fromHistory) {
    // A map brought back from the history puts its own values on the controls, so they describe
    // the map on screen (and Live goes on from it).
    if (fromHistory) showRecipe(*fromHistory);
    const Map& map = *session_.map();
    // The theme the run chose is shown in the list (Manual mode shows the one picked already).
    if (map.themeChosen) showThemeInList(map.chosenTheme);
    panel_.parameters().manualMode = control(C::Manual).checked;
    mapShown_ = true;
    reloadPreviews();
    showTypeLayout(mapState.currentTypeIndex);
    setStatus(mapSaid(map));
    control(C::ForceFullColour).enabled = map.image->trueColor != 0;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Grass).enabled = control(C::Modify).checked;
    applyMode();
}

void MainWindowModel::liveEnded(RunResult result, const RunRequest& request) {
    // A newer change is waiting: it is made now, and what this run made is not shown.
    if (std::optional<RunRequest> next = runs_.takeWaitingLive()) {
        startRun(std::move(*next), RunKind::Live);
        return;
    }
    if (!result.map) return;  // stopped, or failed: the map on screen stays
    // A live frame writes no files: the preview files follow the next Generate or Load.
    setMap(std::move(result.map), false);
    // Its playability follows, measured on the other core from the copy its run made.
    const Map& shown = *session_.map();
    runs_.measureLater(std::move(result.measureCopy), courseKind(shown.mapType()), shown.weaponPads, shownFrame_);
    // The history entry of the map on screen is this map now (Back and Forward come back to it).
    history_.followLive(request);
    mapShown_ = true;
    reloadPreviews();
    const Map& map = *session_.map();
    setStatus(mapSaid(map));
}

void MainWindowModel::goToHistory(int index) {
    if (busy() || !history_.contains(index) || index == history_.position()) return;
    if (!mayReplaceMap()) return;
    history_.moveTo(index);
    const HistoryEntry& entry = history_[index];
    // A map whose editor changes were saved comes back as it was left, changes and file and all.
    if (entry.edited) {
        guarded([&] {
            const std::optional<fs::path> file = entry.file;
            const MapRecipe recipe = entry.request.recipe;
            std::unique_ptr<Map> shown = copyOfMap(*entry.edited);
            makePreviews(*shown);
            setMap(std::move(shown), true, file);
            history_.show(index);
            showMadeMap(&recipe);
        });
        return;
    }
    RunRequest request = entry.request;
    request.folders = currentFolders();
    guarded([&] { startRun(std::move(request), RunKind::History); });
}

void MainWindowModel::makeFromCode(const std::string& text) {
    if (busy()) return;
    guarded([&] {
        const ParsedCode parsed = parseMapCode(text);
        std::optional<MapRecipe> recipe = parsed.recipe;
        if (!recipe && parsed.todaysRecipe &&
            services_.confirm({translate("Window", "Map Code"),
                               parsed.error + " " +
                                   translate("Window", "Make this version's map of the same settings instead? It is not the map of the code.")}))
            recipe = parsed.todaysRecipe;
        if (!recipe) {
            if (!parsed.todaysRecipe) services_.showMessage({translate("Window", "Map Code"), parsed.error});
            return;
        }
        if (!canMakeFromCode(*recipe) || !mayReplaceMap()) return;
        showRecipe(*recipe);
        startRun(requestFor(*recipe), RunKind::Make);
    });
}

bool MainWindowModel::canMakeFromCode(const MapRecipe& recipe) {
    const std::string typeName(typeRow(recipe.type).info().listText);
    if (!installedTypes.installed(recipe.type)) {
        services_.showMessage({translate("Window", "Map Code"), formatText(translate("Window", "The code is for a %s map, and %s is not installed.").c_str(),
                                                                typeName.c_str(), typeName.c_str())});
        return false;
    }
    recountThemes();
    if ((recipe.theme.manual && recipe.theme.theme >= std::max(mapState.themeCount, 1)) ||
        (!recipe.theme.manual && recipe.theme.count > mapState.themeCount)) {
        services_.showMessage({translate("Window", "Map Code"),
                               formatText(translate("Window", "The code's theme is not installed here (%d themes are), so its map cannot be made.").c_str(),
                                          mapState.themeCount)});
        return false;
    }
    // A code may ask for a map far larger than the sliders offer: asked first, as Load Map asks.
    const long long pixels = static_cast<long long>(recipe.width) * recipe.height;
    return pixels <= LARGE_PICTURE_PIXELS ||
           services_.confirm({translate("Window", "Map Code"),
                              formatText(translate("Window", "The code's map is %d x %d, %lld million pixels: making it needs about %lld GB of "
                                                     "memory and may take minutes. Make it?").c_str(),
                                                     recipe.width, recipe.height, pixels / 1'000'000, (pixels * 4 * 3 >> 30) + 1)});
}

}  // namespace brambex
