#include "shell/CommandLine.h"
#include "shell/CommandLineRuns.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <cctype>
#include <ctime>
#include <map>
#include <thread>
#include <vector>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include "generators/TypeTable.h"
#include "map/Translate.h"
#include "map/Files.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/WinException.h"
#include "generators/MapRecipe.h"
#include "generators/Run.h"
#include "mapfile/Preview.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapOutputs.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"
#include "shell/ContactSheet.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"

namespace brambex {

namespace fs = std::filesystem;

// The command line's own starting values, before a type's preset and settings file.
GenerationParameters presetParameters() {
    GenerationParameters p;
    p.width = 1920;
    p.height = 696;
    p.keepSeed = false;
    p.fortGrass = false;
    p.fortBrick = 0;
    p.manualMode = false;
    p.bnaObjects = 25;
    p.pads = 20;
    p.padding = 1;
    p.complexity = 20;
    p.bnaStyle = 0;
    p.themeChoice = 0;
    p.pathSize = 232;
    p.bnaAlgorithm = 0;
    p.shopperLayout = 0;
    p.objects = 75;
    return p;
}

namespace {

// SIGINT (Ctrl+C) and SIGTERM, from the moment the command line starts to its end: the handler
// only notes the signal (a lock-free atomic is safe to set there); the run stops at its next step,
// and a map file replaces the old one only when no signal came first.
std::atomic<bool> stopFlag{false};
std::atomic<int> stopSignalNumber{0};
// The run's view of the flag (a run takes its stop flag as a shared pointer; this one owns nothing).
const std::shared_ptr<std::atomic<bool>> stopRequested(std::shared_ptr<void>(), &stopFlag);

extern "C" void noteStopSignal(int signal) {
    stopSignalNumber.store(signal);
    stopFlag.store(true);
}

int stoppedStatus() {
    const int signal = stopSignalNumber.load();
    return 128 + (signal ? signal : SIGINT);
}

int stopped() {
    std::fprintf(stderr, translate("CommandLine", "brambex: stopped; no map was written.\n").c_str());
    return stoppedStatus();
}

// For the tests: BRAMBEX_TEST_SIGNAL_AT=<point>:INT (or :TERM) sends the program that signal when it
// reaches the named point ("startup", "run", "save" just before the rename, "renamed" just after),
// as if it had arrived at that moment.
void signalPoint(const char* point) {
    const char* at = std::getenv("BRAMBEX_TEST_SIGNAL_AT");
    if (!at) return;
    const std::string wanted = at, name = point;
    if (wanted == name + ":INT") std::raise(SIGINT);
    else if (wanted == name + ":TERM") std::raise(SIGTERM);
}

// Runs the request on a thread of its own while this one shows, on a terminal, how long the run
// has taken once it takes more than a moment. A signal before or during it ends it early.
RunResult runWithProgress(RunRequest request, bool showProgress) {
    request.stop = stopRequested;
    std::promise<RunResult> promise;
    std::future<RunResult> future = promise.get_future();
    std::thread run([&promise, &request] { promise.set_value(runMap(request)); });
    signalPoint("run");
    const bool onTerminal = showProgress && isatty(STDERR_FILENO) != 0;
    const auto started = std::chrono::steady_clock::now();
    bool shown = false;
    while (future.wait_for(std::chrono::milliseconds(250)) != std::future_status::ready) {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
        if (!onTerminal || seconds < 2) continue;
        std::fprintf(stderr, ("\r" + translate("CommandLine", "Making the %s map (%d x %d): %llds, Ctrl+C stops ")).c_str(),
                     std::string(typeRow(request.recipe.type).info().listText).c_str(), request.recipe.width,
                     request.recipe.height, static_cast<long long>(seconds));
        shown = true;
    }
    run.join();
    if (shown) std::fputs("\r\033[K", stderr);
    return future.get();
}



void applyOptions(const Options& options, GenerationParameters& p) {
    if (options.mirror) p.mirror = 1;
    if (options.theme) {
        p.manualMode = true;
        p.themeChoice = *options.theme;
    }
}

// Runs the request on this thread and writes the map and its previews; the exit code.
int runAndWrite(const RunRequest& request, const Options& options) {
    RunResult result = runWithProgress(request, options.showProgress);
    for (const std::string& note : result.refusedArtwork) std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), note.c_str());
    if (result.cancelled || stopFlag.load()) return stopped();
    if (!result.map) {
        // Nothing is written: an old map file stays as it was.
        if (result.missingArtwork) std::fprintf(stderr, translate("CommandLine", "brambex: %s No map was written.\n").c_str(), result.failure.c_str());
        else std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), result.failure.empty() ? "the map could not be made" : result.failure.c_str());
        return 1;
    }
    Map& g = *result.map;
    // A filter decides first whether the map is kept: its map is encoded after the figures.
    MapOutputs outputs = finishMap(g, options.fullColour, !options.filters());
    const PlayabilityThresholds& thresholds = typeRow(g.mapType()).playability;
    std::vector<std::string> misses = g.playability ? playabilityMisses(*g.playability, thresholds) : std::vector<std::string>{};
    if (g.playability && options.teams > 0)
        for (std::string& miss : teamMisses(*g.playability, thresholds, options.teams)) misses.push_back(std::move(miss));
    // --playable and --teams keep only maps that meet their rules; the others are not written.
    if (options.filters() && !misses.empty()) return NOT_PLAYABLE;
    if (stopFlag.load()) return stopped();
    if (Failure problem = writeEncodedPreviewFiles(outputs.previews[0], outputs.previews[1])) showWarning(*problem);
    std::optional<EncodedMap>& encoded = outputs.map;
    const fs::path out = options.out ? *options.out : paths.tempDirectory / "temp.png";
    if (!encoded) encoded = encodeMap(g.image.get(), mapIdentity(g), options.fullColour);
    // The last word before the new file takes the old one's place: a signal until then writes nothing.
    const auto noSignalYet = [] {
        signalPoint("save");
        return !stopFlag.load();
    };
    if (Failure error = saveEncodedMap(*encoded, out, noSignalYet)) {
        if (error->caption == STOPPED_CAPTION) return stopped();
        showWarning(*error);
        return 1;
    }
    signalPoint("renamed");
    std::printf("Wrote %s: %s, %d x %d, seed %u, theme %d\n", withPngExtension(out).c_str(),
                std::string(typeRow(g.mapType()).info().listText).c_str(), g.width, g.height, g.seed, g.themeNumber);
    std::printf("Code: %s\n", g.code.c_str());
    if (g.playability) {
        std::string line = "Playability: " + playabilitySummary(*g.playability, options.teams > 0 ? options.teams : 2);
        for (std::size_t k = 0; k < misses.size(); ++k) line += (k == 0 ? " (misses: " : "; ") + misses[k];
        if (!misses.empty()) line += ")";
        std::printf("%s\n", line.c_str());
    }
    // A signal after the rename: the map is in its file, whole.
    if (stopFlag.load()) std::fprintf(stderr, translate("CommandLine", "brambex: stopped after the map was written; %s is whole.\n").c_str(), withPngExtension(out).c_str());
    return 0;
}

// Makes the map of a recipe and writes it.
int makeRecipe(const MapRecipe& recipe, const Options& options) {
    // Said before the run: a map too large for 64 colours would otherwise be refused only after
    // minutes of work.
    if (!recipe.fullColour && !fitsPalette(recipe.width, recipe.height)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), tooLargeForPaletteText(recipe.width, recipe.height, "--full-colour").c_str());
        return 1;
    }
    RunRequest request = requestFor(recipe);
    shapeRequest(request, RunPurpose::CommandLine);  // measured and previewed beside the saving
    Options written = options;
    written.fullColour = recipe.fullColour;
    return runAndWrite(request, written);
}

// The recipe of one map of `row`'s type: its preset, its settings file over it, the options.
// A run without --seed gets one here, before anything is drawn, so the seed the file records
// always makes the same map again.
MapRecipe commandLineRecipe(const TypeRow& row, const Options& options) {
    const std::uint32_t seed = options.seed ? *options.seed : freshSeed();
    GenerationParameters p = presetParameters();
    row.commandLinePreset(p, seed);
    loadTypeSettings(row.type, p);
    applyOptions(options, p);
    row.commandLineOverride(p);
    MapRecipe recipe = recipeFrom(row.type, p, seed, mapState.themeCount);
    recipe.fullColour = options.fullColour;
    return recipe;
}

// The types the Mirror option is for, by their command-line names.
std::string mirrorableNames() {
    std::string names;
    for (const TypeRow& row : typeTable())
        if (row.mirrorable) names += (names.empty() ? "" : " ") + std::string(row.info().commandName);
    return names;
}

int generateType(const TypeRow& row, const Options& options) {
    if (options.mirror && !row.mirrorable) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s maps cannot be mirrored (--mirror is for %s)\n").c_str(),
                     std::string(row.info().listText).c_str(), mirrorableNames().c_str());
        return 2;
    }
    mapState.currentTypeIndex = installedTypes.listIndex(row.type);
    return makeRecipe(commandLineRecipe(row, options), options);
}

}  // namespace

// The installed type called `name` on the command line. A name that makes no map says so: a
// script must not take an old temp.png for the new map.
int generateNamed(const std::string& name, const Options& options) {
    for (const TypeRow& row : typeTable())
        if (name == row.info().commandName && installedTypes.installed(row.type)) return generateType(row, options);
    std::fprintf(stderr, translate("CommandLine", "brambex: no installed map type is called \"%s\" (installed: %s)\n").c_str(), name.c_str(),
                 installedNames().c_str());
    return 1;
}

// The command-line names of the installed types, in list order; "none" without any.
std::string installedNames() {
    std::string names;
    for (const TypeRow& row : typeTable()) {
        if (!installedTypes.installed(row.type)) continue;
        if (!names.empty()) names += ' ';
        names += row.info().commandName;
    }
    return names.empty() ? "none" : names;
}

std::string dataFoldersText() {
    return formatText("Data (read):        %s\nSettings files:     %s\nPreviews, temp.png: %s\n",
                      (paths.workingDirectory / "data").c_str(), (paths.settingsDirectory / "data").c_str(),
                      paths.tempDirectory.c_str());
}

void printUsage(std::FILE* out) {
    std::fprintf(out, translate("CommandLine", "Brambex %s - random maps for a turn-based artillery game\n"
        "\n"
        "usage: brambex                      open the window\n"
        "       brambex FILE.png             open the window with that map\n"
        "       brambex -t TYPE [OPTIONS]    make one map of TYPE into %s\n"
        "       brambex --code CODE [--out FILE]\n"
        "                                    make the map of a map code (whatever the settings say)\n"
        "       brambex --verify FILE        make a map file's map again from its code and compare\n"
        "                                    every pixel (exit 0 the same, 1 different, 2 no code)\n"
        "       brambex --info FILE          describe a saved map file (its code too)\n"
        "       brambex -h, --help           show this text\n"
        "       brambex -V, --version        show the version\n"
        "\n"
        "TYPE (as installed): %s\n"
        "\n"
        "OPTIONS (each also as --option=VALUE):\n"
        "  --seed N        make the map of seed N (the same seed makes the same map)\n"
        "  --theme N       use theme N instead of a random one\n"
        "  --out FILE      write the map to FILE (\".png\" is added when the name has none)\n"
        "  --full-colour   save in full colour instead of 64 colours\n"
        "  --count N       make N maps with consecutive seeds (from --seed, or a random one) into the\n"
        "                  folder --out names, as brambex_TYPE_SEED.png, on every core\n"
        "  --sheet FILE    with --count: one picture of all their previews, each seed under it\n"
        "  --teams T       show the team figures for T teams (2 to 6): room for teams of 8 and the\n"
        "                  balance (the emptiest of T equal strips' standing room over the fullest's);\n"
        "                  with --count: keep only maps that meet the type's playability thresholds,\n"
        "                  have room for T teams and a balance of at least the type's threshold,\n"
        "                  drawing further seeds (at most 8 N tries)\n"
        "  --mirror        make the left half and mirror it onto the right (Cavern, Island, Roper,\n"
        "                  Bow and Arrow, Shopper, Walk for Weapons): even for two teams\n"
        "  --playable      with --count: keep only maps that meet the type's playability\n"
        "                  thresholds, drawing further seeds (at most 4 N tries)\n"
        "\n"
        "Every map's code (printed after it, kept in its file) makes that map again with --code, in\n"
        "every version that makes the code's recipe epoch.\n"
        "\n"
        "Exit status: 0 done (also when a signal came after the map was written: it is whole),\n"
        "  1 the map could not be made or written, 2 the command line is wrong, 130 stopped by\n"
        "  SIGINT (Ctrl+C) and 143 by SIGTERM before the map was written (nothing was; a batch\n"
        "  keeps the maps it finished).\n"
        "\n"
        "Kept for old scripts: a single-letter switch other than -t, -h and -V (\"-x NAME\") and \"-t\"\n"
        "alone make nothing and exit 0. Every start records the installed types and the program's\n"
        "path (\"Types\" and \"Path\") in $XDG_CONFIG_HOME/Halvane/Brambex.conf (~/.config/...).\n").c_str(),
        BRAMBEX_VERSION, (paths.tempDirectory / "temp.png").c_str(), installedNames().c_str());
    std::fprintf(out, "\n%s", dataFoldersText().c_str());
}

int printMapInfo(const char* path) {
    if (!fileOpens(path)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: cannot read %s\n").c_str(), path);
        return 1;
    }
    // The chunk list is checked before the file is read whole: a damaged or hostile file
    // cannot ask for gigabytes, and a file too large to read whole is described from its header.
    constexpr std::uint64_t MAX_INFO_FILE = 64ull << 20;
    const std::optional<PngLayout> layout = scanPngFile(path);
    std::optional<std::string> text;
    if (layout && layout->fileBytes > MAX_INFO_FILE) {
        text = formatText("Size: %d x %d\nColours: %s (from the header)\nThe file is %llu MB: only its header was read.\n",
                          layout->width, layout->height, colourTypeText(layout->colourType).c_str(),
                          static_cast<unsigned long long>(layout->fileBytes >> 20));
    } else if (Bytes file; layout && readPngFile(path, file)) {
        // The map's type (its list position among the installed types) decides how its course
        // is measured.
        locateData();
        int position = -1;
        std::optional<CourseKind> course = CourseKind::None;
        if (readSmallChunk(file, "bXRK", nullptr, &position, nullptr))
            if (const std::optional<MapType> type = typeAtListPosition(position)) course = courseKind(*type);
        text = describeMapFile(file, course);
    }
    if (!text) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s is not a picture the program can read\n").c_str(), path);
        return 1;
    }
    std::printf("File: %s\n%s", path, text->c_str());
    locateData();
    std::printf("\n%s", dataFoldersText().c_str());
    return 0;
}


namespace {

// A parsed code this installation can make, or the exit code and message of why not.
std::optional<MapRecipe> installedRecipe(const std::string& code, int& exitCode) {
    const ParsedCode parsed = parseMapCode(code);
    exitCode = 1;
    if (!parsed.recipe) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), parsed.error.c_str());
        return std::nullopt;
    }
    const MapRecipe& recipe = *parsed.recipe;
    const std::string_view typeName = typeRow(recipe.type).info().listText;
    if (!installedTypes.installed(recipe.type)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: the code is for a %s map, and %s is not installed (installed: %s)\n").c_str(),
                     std::string(typeName).c_str(), std::string(typeName).c_str(), installedNames().c_str());
        return std::nullopt;
    }
    // A theme that is not here would make the map without its soil and objects: another map.
    if (recipe.theme.manual && recipe.theme.theme >= std::max(mapState.themeCount, 1)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: the code's theme %d is not installed (themes 0 to %d)\n").c_str(), recipe.theme.theme,
                     mapState.themeCount - 1);
        exitCode = 2;
        return std::nullopt;
    }
    if (!recipe.theme.manual && recipe.theme.count > mapState.themeCount) {
        std::fprintf(stderr, translate("CommandLine", "brambex: the code draws its theme out of %d themes, and %d are installed\n").c_str(),
                     recipe.theme.count, mapState.themeCount);
        exitCode = 2;
        return std::nullopt;
    }
    return recipe;
}

// The colours of a picture's pixel, whatever its kind.
bool emptyColour(int colour) { return (colour & 0xFFFFFF) == 0; }

}  // namespace

int verifyMapFile(const fs::path& path) {
    Bytes file;
    if (!readPngFile(path, file)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: cannot read %s as a PNG file\n").c_str(), path.c_str());
        return VERIFY_NO_CODE;
    }
    const std::string code = readMapCode(file);
    if (code.empty()) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s has no map code: there is no recipe to make it again from\n").c_str(), path.c_str());
        return VERIFY_NO_CODE;
    }
    int exitCode = 0;
    const std::optional<MapRecipe> recipe = installedRecipe(code, exitCode);
    if (!recipe) return VERIFY_NO_CODE;
    ImagePtr stored = decodePng(file);
    if (!stored) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s is not a picture the program can read\n").c_str(), path.c_str());
        return VERIFY_NO_CODE;
    }
    RunRequest request = requestFor(*recipe);
    shapeRequest(request, RunPurpose::CommandLine);
    RunResult made = runWithProgress(request, true);
    if (made.cancelled || stopFlag.load()) {
        std::fprintf(stderr, translate("CommandLine", "brambex: stopped before the map was compared.\n").c_str());
        return stoppedStatus();
    }
    if (!made.map) {
        std::fprintf(stderr, translate("CommandLine", "brambex: the map of the code could not be made: %s\n").c_str(),
                     made.cancelled ? "stopped" : made.failure.c_str());
        return VERIFY_NO_CODE;
    }
    // Compared as the file would have been written: the same reduction to 64 colours.
    const EncodedMap encoded = encodeMap(made.map->image.get(), mapIdentity(*made.map), recipe->fullColour);
    ImagePtr remade = encoded.error.empty() ? decodePng(encoded.bytes) : nullptr;
    if (!remade) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), encoded.error.empty() ? "the remade map could not be encoded" : encoded.error.c_str());
        return VERIFY_NO_CODE;
    }
    if (stored->sx != remade->sx || stored->sy != remade->sy) {
        std::printf("%s: different: it is %d x %d, its code makes %d x %d\n", path.c_str(), stored->sx, stored->sy,
                    remade->sx, remade->sy);
        return VERIFY_DIFFERENT;
    }
    long long differing = 0, landDiffering = 0;
    for (int y = 0; y < stored->sy; ++y)
        for (int x = 0; x < stored->sx; ++x) {
            const int a = trueColourAt(stored.get(), x, y), b = trueColourAt(remade.get(), x, y);
            if ((a & 0xFFFFFF) == (b & 0xFFFFFF)) continue;
            ++differing;
            landDiffering += emptyColour(a) != emptyColour(b);
        }
    const long long pixels = static_cast<long long>(stored->sx) * stored->sy;
    if (differing == 0) {
        std::printf("%s: the same: every one of its %lld pixels is the map of %s\n", path.c_str(), pixels, code.c_str());
        return VERIFY_SAME;
    }
    std::printf("%s: different: %lld of %lld pixels differ; %s\n", path.c_str(), differing, pixels,
                landDiffering > 0 ? formatText("the land differs (%lld pixels are land in one and empty in the other)", landDiffering).c_str()
                                  : "the land is the same, the palette differs (colours changed, as the map editor does)");
    return VERIFY_DIFFERENT;
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signalPoint("startup");
}

int runCommandLine(const Invocation& call) {
    const Options& options = call.options;
    // A signal during start-up: nothing has been made or written yet.
    if (stopFlag.load()) return stopped();
    if (call.mode == Invocation::Mode::Verify) return verifyMapFile(call.file);
    if (call.mode == Invocation::Mode::Code) {
        int exitCode = 1;
        const std::optional<MapRecipe> recipe = installedRecipe(call.code, exitCode);
        if (!recipe) return exitCode;
        mapState.currentTypeIndex = installedTypes.listIndex(recipe->type);
        try {
            return makeRecipe(*recipe, options);
        } catch (const std::bad_alloc&) {
            std::fprintf(stderr, translate("CommandLine", "brambex: Out of memory\n").c_str());
        }
        return 1;
    }
    if (options.theme && mapState.themeCount > 0 && *options.theme >= mapState.themeCount) {
        std::fprintf(stderr, translate("CommandLine", "brambex: theme %d is not installed (themes 0 to %d)\n").c_str(), *options.theme, mapState.themeCount - 1);
        return 2;
    }
    if (options.count > 0) return runBatch(call.type, options);
    try {
        return generateNamed(call.type, options);
    } catch (const WinException& e) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s\n").c_str(), e.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, translate("CommandLine", "brambex: Out of memory\n").c_str());
    }
    return 1;
}

}  // namespace brambex
