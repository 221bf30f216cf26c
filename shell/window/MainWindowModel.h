#pragma once

#include <cstdint>
#include <filesystem>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "generators/MapRecipe.h"
#include "shell/window/ControlPanel.h"
#include "generators/TypeTable.h"
#include "map/ArtworkCache.h"
#include "shell/window/TypeLayouts.h"
#include "generators/Worker.h"
#include "map/UserError.h"
#include "shell/window/MapEditorModel.h"
#include "shell/window/MapHistory.h"
#include "shell/window/MapSession.h"
#include "shell/window/RunController.h"

namespace brambex {

// The menu's commands.
enum class MenuCommand {
    Exit = 40001,
    About = 40002,
    Settings = 40003,
    SaveMap = 40004,  // Save As: always asks where
    LoadMap = 40005,
    IndiMask = 40006,
    Save = 40007,     // to the map's own file once it has one
    MapFromCode = 40008,  // asks for a map code and makes its map
};

// The answer to "Save the changes to this map?".
enum class SaveChoice { Save, Discard, Cancel };

// What the window asks of the toolkit: dialogs and messages. Tests give their own, so no dialog
// ever blocks a test.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The Save As dialog, proposing `proposed`; none when cancelled.
    virtual std::optional<std::filesystem::path> askSavePath(const std::filesystem::path& proposed) = 0;
    // The Load Map dialog starting in `folder`; none when cancelled.
    virtual std::optional<std::filesystem::path> askLoadPath(const std::filesystem::path& folder) = 0;
    virtual void showMessage(const UserError& message) = 0;
    // A yes/no question (`question.caption` as its title); true for yes.
    virtual bool confirm(const UserError& question) = 0;
    // The map on screen has changes not in its file: save them, throw them away, or stay.
    virtual SaveChoice askSaveChanges(const std::string& mapName) = 0;
    // The map editor (its own dialog) on the window's editor of the map on screen; the About
    // and Settings dialogs.
    virtual void runEditor(MapEditorModel& editor) = 0;
    virtual void runAbout() = 0;
    // Shows the Settings dialog with the two flags; true when the user pressed OK.
    virtual bool runSettings(bool& removeBackground, bool& useModule) = 0;
    // Asks for a map code (pasted, typed); none when cancelled.
    virtual std::optional<std::string> askMapCode() = 0;
    // Ends the program's event loop.
    virtual void quit() = 0;
};

// The main window's behaviour without a toolkit: its controls, their states and every command.
// Lives on the window thread; the worker only runs the generator.
// Load Map asks before it decodes a picture larger than this (a 10000 x 10000 map).
constexpr long long LARGE_PICTURE_PIXELS = 100'000'000;

class MainWindowModel {
public:
    explicit MainWindowModel(WindowServices& services);
    ~MainWindowModel();
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // Builds the window's state: lists, ranges, the first type's layout, its settings file.
    void initialise();

    // Operations of the window.
    void fillTypeList() { panel_.fillTypeList(); }
    void fillLists() { panel_.fillLists(); }
    void fillThemeList() { panel_.fillThemeList(); }
    void showTypeLayout(int listPosition) { panel_.showTypeLayout(listPosition, session_.hasPicture()); }
    void hideTypeControls() { panel_.hideTypeControls(); }
    void disableAll() { panel_.disableAll(); }
    void setRandomMode() { panel_.setRandomMode(); }
    void setManualMode() { panel_.setManualMode(); }
    void applyMode() { panel_.applyMode(); }  // the choice lists follow the Manual box
    void refreshParameters() { panel_.refreshParameters(); }
    void setStatus(const std::string& text) { panel_.setStatus(text); }

    // Input from the user: the control's new state, then its command. Each command ends with
    // refreshParameters; an exception is shown ("Exception") and the window goes on.
    void moveSlider(Control slider, int position);
    // A value typed into a slider's box: taken as the slider takes it, and the status says so when
    // the map gets another value than the one typed (sizes go in steps of 8).
    void typeValue(Control slider, int value);
    void select(Control list, int entry);
    void setChecked(Control box, bool checked);
    void press(Control button);
    void menu(MenuCommand command);
    // A map file dropped onto the window: loaded as Load Map loads the chosen file.
    void dropFile(const std::filesystem::path& path);

    // The seed field: empty for a new seed each time; a number makes Generate use that seed.
    void setSeedText(const std::string& text);
    const std::string& seedText() const { return seedText_; }
    // The current map's seed, for the window to show (none without a map).
    std::optional<std::uint32_t> shownSeed() const;

    // Called on the worker's thread when a run has ended: the view posts a call of poll() to its
    // own thread with it (a queued signal). Tests call poll() or waitForWorker() themselves.
    void setRunEndedNotifier(std::function<void()> notify) {
        runEnded_ = std::move(notify);
        runs_.setRunEnded(runEnded_);
    }
    // Takes the result of a run that has ended (the view calls it when the worker says so):
    // the generation-finished step. Nothing happens while the run goes on.
    void poll();
    bool busy() const;
    // Waits for a running worker and takes its result (close and Exit).
    void waitForWorker();
    // Asks a running run to stop at its next step; the map shown before it stays.
    void cancelRun();
    // Waits until a live frame's playability, measured after it was shown, is taken (tests).
    void waitForMeasure();

    // The values the controls stand for, as a recipe is made from them.
    const GenerationParameters& parameters() const { return panel_.parameters(); }

    // The map on screen (none before the first Generate or Load Map). A run keeps the map shown
    // before it until the new one is there; a cancelled or failed run leaves it.
    const Map* map() const { return session_.map(); }
    // Changes whenever another map is put on screen.
    int shownFrame() const { return shownFrame_; }
    // The code of the map on screen, the whole recipe it was made from (empty when unknown).
    std::string mapCode() const { return map() ? map()->code : std::string(); }
    // Makes the map of a map code: the controls show its recipe, and the map is made as Generate
    // makes it. A code this version cannot make is refused with its reason; one of another
    // epoch of its type may be made in this version's recipe instead, once the user agrees (a
    // different map, said so).
    void makeFromCode(const std::string& text);
    // The recipe the controls stand for, with `seed` (the one Generate would make).
    MapRecipe controlsRecipe(MapType type, std::uint32_t seed) const { return panel_.recipe(type, seed, mapState.themeCount); }

    // The window's title: the map's file name (or "Untitled"), "*" while the map on screen has
    // changes not in its file.
    std::string title() const { return session_.title(); }
    // The map has changes (made in the map editor) that are not in its file.
    bool unsaved() const { return session_.unsaved(); }
    // The file the map on screen was loaded from or last saved to.
    const std::optional<std::filesystem::path>& mapFile() const { return session_.file(); }
    // Asks Save / Discard / Cancel when the map on screen has unsaved changes; true when the map
    // may be replaced (nothing to lose, saved, or discarded).
    bool mayReplaceMap();
    // Exit has asked and the window is closing: nothing is asked again.
    bool quitting() const { return quitting_; }
    // What the preview shows when it is not the selected type's map ("Cavern map, seed 7"), or
    // empty when it is.
    std::string mapCaption() const;

    // Live: while a slider, list or box changes, the map on screen (its seed kept) is made again
    // with the new parameters and shown as soon as it is ready; a newer change stops an older run
    // still going. Maps over MAX_LIVE_PIXELS are made again only by Generate.
    void setLive(bool on) { live_ = on; }
    bool live() const { return live_; }
    bool liveRunning() const { return runs_.running(RunKind::Live); }
    static constexpr long long MAX_LIVE_PIXELS = 8'000'000;

    // How many teams the playability figures (and Playable Candidates) are for: 2 to MAX_TEAMS.
    int teams() const { return std::clamp(control(Control::Teams).value + 2, 2, MAX_TEAMS); }
    void setTeams(int teams) { control(Control::Teams).value = std::clamp(teams, 2, MAX_TEAMS) - 2; }
    // The map on screen's playability in one line, and what misses its type's thresholds (empty
    // when nothing does, or there is no map).
    std::string playabilityText() const;
    std::vector<std::string> playabilityMisses() const;

    // The run under way: what it makes ("Generating Cavern 1920 x 696") and since when.
    const std::string& runText() const { return runText_; }
    double runSeconds() const { return runs_.seconds(); }

    // This session's maps, newest last: each can be made again from its request.
    using HistoryEntry = MapHistory::Entry;
    const std::vector<HistoryEntry>& history() const { return history_.entries(); }
    int historyPosition() const { return history_.position(); }
    // Makes the map of a history entry again (asks first when the map on screen has changes).
    void goToHistory(int index);
    void historyBack() { goToHistory(history_.position() - 1); }
    void historyForward() { goToHistory(history_.position() + 1); }
    static constexpr std::size_t HISTORY_SIZE = MapHistory::SIZE;

    // Recently loaded or saved map files, newest first (at most 8).
    const std::vector<std::filesystem::path>& recentFiles() const { return recent_; }
    void setRecentFiles(std::vector<std::filesystem::path> files) { recent_ = std::move(files); }
    void openRecent(int index);
    // The map editor of the map on screen.
    MapEditorModel& mapEditor() { return session_.editor(); }
    // Edit > Undo and Redo in the main window: the editor's changes of the map on screen, one at a
    // time (the "*" follows: back at the saved state, the map is saved).
    void undoEdit();
    void redoEdit();

    void showThemeInList(int theme) { panel_.showThemeInList(theme); }
    void showTypeInList(int listPosition) { panel_.showTypeInList(listPosition); }

    ControlState& control(Control c) { return panel_.control(c); }
    const ControlState& control(Control c) const { return panel_.control(c); }
    const std::map<Control, ControlState>& controls() const { return panel_.controls(); }

    // Pictures the view shows, by file; `pictureVersion` changes whenever one of them is
    // replaced, so the view knows to load them again.
    std::filesystem::path previewPicture() const { return previewPicture_; }
    std::filesystem::path themePreviewPicture() const { return themePreview_; }
    std::filesystem::path stylePreviewPicture() const { return stylePreview_; }
    std::filesystem::path backgroundPicture() const;
    int pictureVersion() const { return pictureVersion_; }
    bool stylePreviewShown() const;
    bool themePreviewShown() const;

    bool mapShown() const { return mapShown_; }
    bool removeBackground() const { return removeBackground_; }
    bool useModule() const { return useModule_; }
    // The folder Save Map and Load Map start in (the current directory until one was used).
    std::filesystem::path lastFolder() const { return lastFolder_; }
    void setLastFolder(const std::filesystem::path& folder) { lastFolder_ = folder; }

    // Candidates: several maps of the current type and parameters with consecutive seeds, made
    // one after the other on the worker; each finished one leaves its preview. Picking one makes
    // its map the current map (made again from its seed, as Generate with that seed).
    using Candidate = CandidateRound::Candidate;
    // With `playableOnly`, only maps that meet their type's thresholds are kept, further seeds
    // drawn until there are `count` (at most four tries a candidate). The seeds follow one
    // another from `firstSeed` (a new seed when none).
    void generateCandidates(int count, bool playableOnly = false, std::optional<std::uint32_t> firstSeed = std::nullopt);
    int candidateTries() const { return candidates_.tries(); }
    const std::vector<Candidate>& candidates() const { return candidates_.kept(); }
    int candidatesWanted() const { return candidates_.wanted(); }
    void pickCandidate(int index);
    // No more candidates: the one being made stops too. The map on screen is never one of them
    // until it is picked.
    void stopCandidates();

    // The first free "Brambex_<type>_<n>.png" in `folder` for the current map's type.
    std::filesystem::path proposedMapName(const std::filesystem::path& folder) const;

private:
    // Runs a command; an exception is shown ("Exception") and the window goes on.
    void guarded(const std::function<void()>& f);
    void command(Control c);
    void gameTypeChanged();
    void generate();
    // Generate with `seed` (none: the shown map's with Modify, else a new one), asking first when
    // the map on screen has unsaved changes.
    void makeMapOfSeed(std::optional<std::uint32_t> seed);
    void startRun(RunRequest request, RunKind kind);
    void liveUpdate();
    // What each kind of run does when it has ended.
    void runEnded(RunController::Ended ended);
    void madeEnded(RunController::Ended ended);
    void liveEnded(RunResult result, const RunRequest& request);
    void candidateEnded(RunResult result);
    // Says why a run made no map (a cancelled one says nothing).
    void reportFailure(const RunResult& result);
    // The window after a map was made (or brought back from the history with `fromHistory` its recipe).
    void showMadeMap(const MapRecipe* fromHistory);
    // "Cavern map, seed 7": the status of a map shown, and the caption of one of another type.
    static std::string mapSaid(const Map& map);
    // The map in a file, read to be shown (none, after saying why, when it cannot be or the user
    // does not want a very large one).
    std::unique_ptr<Map> readMapToShow(const std::filesystem::path& path);
    // A loaded map's values on the controls: all of them from its code, else what the file tells.
    void showLoadedMapOnControls();
    // The map on screen replaced: a new document (from `file` when it was read from one).
    void setMap(std::unique_ptr<Map> map, bool writePreviews = true, std::optional<std::filesystem::path> file = std::nullopt);
    // The controls show a recipe: its type, theme choice, size and the type's values (a slider's
    // range grows to hold a value outside it).
    void showRecipe(const MapRecipe& recipe);
    // The map's code again after a value the file records changed (water, full colour).
    void refreshMapCode();
    bool saveTo(const std::filesystem::path& file);
    void saveToOwnFile();
    void rememberFile(const std::filesystem::path& file);
    // Save As; true when the map was saved.
    bool saveMap();
    void loadMap(std::optional<std::filesystem::path> chosen);
    // The loaded map on screen: its type, theme and values on the controls.
    void showLoadedMap();
    // Makes the map of a recipe from a code, once it is known this installation can make it.
    bool canMakeFromCode(const MapRecipe& recipe);
    void resetAll();
    void resetControls();
    void styleChanged();
    void rebuildThemePreview();
    void showTransparencyChanged();
    void loadSettingsIntoControls() { panel_.showSettings(selectedRow()); }
    void readAllControls() { panel_.readAll(); }
    void reloadPreviews();
    // The map's previews, made when it has none (a live frame).
    void ensurePreviews(Map& map);
    // A live frame's playability, once measured.
    void takeMeasure();
    const TypeRow* selectedRow() const;
    void nextCandidate();
    // The window after a run that leaves the map on screen as it was (failed, cancelled, candidates).
    void restoreAfterRun();
    // The previews made again from the map on screen (after a change to its colours).
    void refreshPreviewFiles();
    // The map on screen's picture was changed in place (the editor): what shows it is made again.
    void pictureChanged();
    // One editor change taken back (`back`) or made again.
    void editStep(bool back);
    // Live again after it waited for unsaved edits: the map on screen follows the controls.
    void resumeLive();

    WindowServices& services_;
    // The controls and the values they stand for.
    ControlPanel panel_;
    // The map on screen, its edits and its file.
    MapSession session_;
    MapHistory history_;
    CandidateRound candidates_;
    bool mapShown_ = false;
    bool removeBackground_ = false;
    bool useModule_ = false;
    std::string seedText_;
    std::filesystem::path previewPicture_, themePreview_, stylePreview_;
    std::filesystem::path lastFolder_;
    int pictureVersion_ = 0;
    int shownFrame_ = 0;  // counts the maps put on screen (a measure names the one it is of)
    std::function<void()> runEnded_;
    std::string runText_;
    bool live_ = true;
    bool quitting_ = false;
    std::vector<std::filesystem::path> recent_;
    RunController runs_;  // last: its run ends before the rest goes
};

}  // namespace brambex
