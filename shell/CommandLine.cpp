#include "shell/CommandLine.h"

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
#include "map/Files.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/WinException.h"
#include "generators/Run.h"
#include "mapfile/Preview.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "shell/ContactSheet.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"

namespace brambex {

namespace fs = std::filesystem;

namespace {

// Options after the type name, beyond the classic "-t <type>".
struct Options {
    std::optional<std::uint32_t> seed;
    std::optional<int> theme;
    std::optional<fs::path> out;
    bool fullColour = false;
    int count = 0;                    // --count N: N maps into the folder --out names
    std::optional<fs::path> sheet;    // --sheet FILE: their previews on one picture
    bool showProgress = true;         // a line with the time taken while a long run goes on
};

// Set by Ctrl+C (SIGINT) or SIGTERM during a run: the run stops at its next step and nothing is
// written. A lock-free atomic is safe to set from a signal handler.
std::shared_ptr<std::atomic<bool>> stopRequested = std::make_shared<std::atomic<bool>>(false);

extern "C" void requestStop(int) { stopRequested->store(true); }

// Runs the request on a thread of its own while this one shows, on a terminal, how long the run
// has taken once it takes more than a moment.
RunResult runWithProgress(RunRequest request, bool showProgress) {
    stopRequested->store(false);
    request.stop = stopRequested;
    struct sigaction action {}, oldInt{}, oldTerm{};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    std::promise<RunResult> promise;
    std::future<RunResult> future = promise.get_future();
    std::thread run([&promise, &request] { promise.set_value(runMap(request)); });
    const bool onTerminal = showProgress && isatty(STDERR_FILENO) != 0;
    const auto started = std::chrono::steady_clock::now();
    bool shown = false;
    while (future.wait_for(std::chrono::milliseconds(250)) != std::future_status::ready) {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
        if (!onTerminal || seconds < 2) continue;
        std::fprintf(stderr, "\rMaking the %s map (%d x %d): %llds, Ctrl+C stops ",
                     std::string(typeRow(request.type).info().listText).c_str(), request.parameters.width,
                     request.parameters.height, static_cast<long long>(seconds));
        shown = true;
    }
    run.join();
    if (shown) std::fprintf(stderr, "\r\033[K");
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    return future.get();
}

bool parseOptions(int argc, char** argv, int from, Options& options, std::string& error) {
    for (int i = from; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long long value = 0;
        if (arg == "--seed") {
            if (!hasValue || !parseWholeNumber(argv[i + 1], 0xFFFFFFFFull, value)) {
                error = "--seed needs a number from 0 to 4294967295";
                return false;
            }
            options.seed = static_cast<std::uint32_t>(value);
            ++i;
        } else if (arg == "--theme") {
            if (!hasValue || !parseWholeNumber(argv[i + 1], 99999, value)) {
                error = "--theme needs a theme number";
                return false;
            }
            if (mapState.themeCount > 0 && static_cast<int>(value) >= mapState.themeCount) {
                error = formatText("theme %llu is not installed (themes 0 to %d)", value, mapState.themeCount - 1);
                return false;
            }
            options.theme = static_cast<int>(value);
            ++i;
        } else if (arg == "--out") {
            if (!hasValue || !*argv[i + 1]) {
                error = "--out needs a file name";
                return false;
            }
            options.out = fs::path(argv[i + 1]);
            ++i;
        } else if (arg == "--full-colour") {
            options.fullColour = true;
        } else if (arg == "--count") {
            if (!hasValue || !parseWholeNumber(argv[i + 1], 10000, value) || value == 0) {
                error = "--count needs a number of maps from 1 to 10000";
                return false;
            }
            options.count = static_cast<int>(value);
            ++i;
        } else if (arg == "--sheet") {
            if (!hasValue || !*argv[i + 1]) {
                error = "--sheet needs a file name";
                return false;
            }
            options.sheet = fs::path(argv[i + 1]);
            ++i;
        } else {
            error = "unknown option \"" + arg + "\" (see brambex --help)";
            return false;
        }
    }
    if (options.count > 0 && !options.out) {
        error = "--count needs --out FOLDER for the maps";
        return false;
    }
    if (options.sheet && options.count == 0) {
        error = "--sheet goes with --count";
        return false;
    }
    return true;
}

void presetParameters() {
    params.width = 1920;
    params.height = 696;
    params.keepSeed = false;
    params.fortGrass = false;
    params.fortBrick = 0;
    params.manualMode = false;
    params.bnaObjects = 25;
    params.pads = 20;
    params.padding = 1;
    params.complexity = 20;
    params.bnaStyle = 0;
    params.themeChoice = 0;
    params.pathSize = 232;
    params.bnaAlgorithm = 0;
    params.shopperLayout = 0;
    params.objects = 75;
}

void applyOptions(const Options& options) {
    if (options.theme) {
        params.manualMode = true;
        params.themeChoice = *options.theme;
    }
}

// Runs the request on this thread and writes the map and its previews; the exit code.
int runAndWrite(const RunRequest& request, const Options& options) {
    RunResult result = runWithProgress(request, options.showProgress);
    if (result.cancelled) {
        std::fprintf(stderr, "brambex: stopped; no map was written.\n");
        return 130;
    }
    if (!result.map) {
        // Nothing is written: an old map file stays as it was.
        if (result.missingArtwork) std::fprintf(stderr, "brambex: %s No map was written.\n", result.failure.c_str());
        else std::fprintf(stderr, "Exception: %s\n", result.failure.empty() ? "the map could not be made" : result.failure.c_str());
        return 1;
    }
    Generator& g = *result.map;
    showRunProblems(g);
    if (Failure problem = writePreviewFiles(g, false)) showWarning(*problem);
    const fs::path out = options.out ? *options.out : paths.tempDirectory / "temp.png";
    if (Failure error = saveMap(g, out, options.fullColour)) {
        showWarning(*error);
        return 1;
    }
    std::printf("Wrote %s: %s, %d x %d, seed %u, theme %d\n", withPngExtension(out).c_str(),
                std::string(typeRow(g.mapType()).info().listText).c_str(), g.width, g.height, g.seed, g.themeNumber);
    return 0;
}

// Makes one map of `row`'s type: its preset, its settings file over it, the options, the run.
// A run without --seed gets one here, before anything is drawn, so the seed the file records
// always makes the same map again.
int generateType(const TypeRow& row, const Options& options) {
    const std::uint32_t seed = options.seed ? *options.seed : freshSeed();
    row.commandLinePreset(params, seed);
    mapState.currentTypeIndex = installedTypes.listIndex(row.type);
    loadTypeSettings(row.type);
    applyOptions(options);
    row.commandLineOverride(params);
    RunRequest request;
    request.type = row.type;
    request.parameters = params;
    request.parameters.keepSeed = true;
    request.seed = seed;
    request.themeCount = mapState.themeCount;
    request.typeIndex = installedTypes.listIndex(row.type);
    request.folders = currentFolders();
    const std::unique_ptr<Generator> sized = row.make(request.parameters);
    // Said before the run: a map too large for 64 colours would otherwise be refused only after
    // minutes of work.
    if (!options.fullColour && !fitsPalette(sized->width, sized->height)) {
        std::fprintf(stderr, "brambex: %s\n", tooLargeForPaletteText(sized->width, sized->height, "--full-colour").c_str());
        return 1;
    }
    return runAndWrite(request, options);
}

std::string installedNames();

// The installed type called `name` on the command line. A name that makes no map says so: a
// script must not take an old temp.png for the new map.
int generateNamed(const std::string& name, const Options& options) {
    for (const TypeRow& row : typeTable())
        if (name == row.info().commandName && installedTypes.installed(row.type)) return generateType(row, options);
    std::fprintf(stderr, "brambex: no installed map type is called \"%s\" (installed: %s)\n", name.c_str(),
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

}  // namespace

std::string dataFoldersText() {
    return formatText("Data (read):        %s\nSettings files:     %s\nPreviews, temp.png: %s\n",
                      (paths.workingDirectory / "data").c_str(), (paths.settingsDirectory / "data").c_str(),
                      paths.tempDirectory.c_str());
}

void printUsage() {
    std::printf(
        "Brambex %s - random maps for a turn-based artillery game\n"
        "\n"
        "usage: brambex                      open the window\n"
        "       brambex -t TYPE [OPTIONS]    make one map of TYPE into data/temp/temp.png\n"
        "       brambex --info FILE          describe a saved map file\n"
        "       brambex --help               show this text\n"
        "\n"
        "TYPE (as installed): %s\n"
        "\n"
        "OPTIONS:\n"
        "  --seed N        make the map of seed N (the same seed makes the same map)\n"
        "  --theme N       use theme N instead of a random one\n"
        "  --out FILE      write the map to FILE (\".png\" is added when the name has none)\n"
        "  --full-colour   save in full colour instead of 64 colours\n"
        "  --count N       make N maps with consecutive seeds (from --seed, or a random one) into the\n"
        "                  folder --out names, as brambex_TYPE_SEED.png, on every core\n"
        "  --sheet FILE    with --count: one picture of all their previews, each seed under it\n",
        BRAMBEX_VERSION, installedNames().c_str());
    std::printf("\n%s", dataFoldersText().c_str());
}

int printMapInfo(const char* path) {
    if (!fileOpens(path)) {
        std::fprintf(stderr, "brambex: cannot read %s\n", path);
        return 1;
    }
    // The chunk list is checked before the file is read whole: a damaged or hostile file
    // cannot ask for gigabytes, and a file too large to read whole is described from its header.
    constexpr std::uint64_t MAX_INFO_FILE = 128ull << 20;
    const std::optional<PngLayout> layout = scanPngFile(path);
    std::optional<std::string> text;
    if (layout && layout->fileBytes > MAX_INFO_FILE) {
        text = formatText("Size: %d x %d\nColours: %s (from the header)\nThe file is %llu MB: only its header was read.\n",
                          layout->width, layout->height, colourTypeText(layout->colourType).c_str(),
                          static_cast<unsigned long long>(layout->fileBytes >> 20));
    } else if (Bytes file; layout && readPngFile(path, file)) {
        text = describeMapFile(file);
    }
    if (!text) {
        std::fprintf(stderr, "brambex: %s is not a picture the program can read\n", path);
        return 1;
    }
    std::printf("File: %s\n%s", path, text->c_str());
    locateData();
    std::printf("\n%s", dataFoldersText().c_str());
    return 0;
}

namespace {

// One map of a batch, in a process of its own (the library keeps some state per process).
int batchChild(const std::string& name, Options options, std::uint32_t seed, const fs::path& file) {
    options.seed = seed;
    options.out = file;
    options.count = 0;
    options.showProgress = false;  // the batch shows its own
    if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
    try {
        return generateNamed(name, options);
    } catch (...) {
        std::fprintf(stderr, "Exception: Out of memory\n");
        return 1;
    }
}

// SIGINT or SIGTERM to the batch: no new maps are started, the running ones are stopped, and the
// batch says what it wrote.
volatile std::sig_atomic_t batchSignal = 0;
extern "C" void stopBatch(int signal) { batchSignal = signal; }

// Up to one map per core at a time; a progress line per map on stderr.
int runBatch(const std::string& name, const Options& options) {
    // Refused before any folder is made or any map started.
    const bool known = std::any_of(typeTable().begin(), typeTable().end(), [&](const TypeRow& row) {
        return name == row.info().commandName && installedTypes.installed(row.type);
    });
    if (!known) {
        std::fprintf(stderr, "brambex: no installed map type is called \"%s\" (installed: %s)\n", name.c_str(),
                     installedNames().c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(*options.out, ec);
    if (!fs::is_directory(*options.out)) {
        std::fprintf(stderr, "brambex: %s is not a folder the maps can be written to\n", options.out->c_str());
        return 1;
    }
    const std::uint32_t first = options.seed ? *options.seed : freshSeed();
    const int cores = std::max(1u, std::thread::hardware_concurrency());
    std::map<pid_t, std::pair<int, fs::path>> running;  // child: its map's place and file
    std::optional<ContactSheet> sheet;
    if (options.sheet) sheet.emplace(options.count);
    int failed = 0, done = 0, written = 0;
    const bool onTerminal = isatty(STDERR_FILENO) != 0;

    struct sigaction action {}, oldInt{}, oldTerm{};
    action.sa_handler = stopBatch;
    sigemptyset(&action.sa_mask);  // no SA_RESTART: a waiting waitpid returns at once
    batchSignal = 0;
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    bool stopping = false;
    auto stopChildren = [&] {
        if (stopping) return;
        stopping = true;
        for (const auto& [pid, map] : running) kill(pid, SIGTERM);
    };

    auto reap = [&] {
        int status = 0;
        const pid_t pid = waitpid(-1, &status, 0);
        if (pid <= 0) {
            if (batchSignal) stopChildren();
            return;
        }
        const auto [k, file] = running[pid];
        running.erase(pid);
        const std::uint32_t seed = first + static_cast<std::uint32_t>(k);
        ++done;
        const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (ok) {
            ++written;
            if (sheet) sheet->add(k, seed, file);
        } else if (!stopping) {
            ++failed;
        }
        if (stopping) return;
        if (!ok || !onTerminal) {
            if (onTerminal) std::fputc('\n', stderr);
            std::fprintf(stderr, "[%d/%d] seed %u: %s\n", done, options.count, seed, ok ? file.c_str() : "FAILED");
        }
        if (onTerminal) {
            // A bar that fills as maps finish, redrawn in place.
            constexpr int BAR = 30;
            const int filled = BAR * done / options.count;
            std::fprintf(stderr, "\r[%s%s] %d/%d maps", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                         std::string(static_cast<std::size_t>(BAR - filled), ' ').c_str(), done, options.count);
            if (done == options.count) std::fputc('\n', stderr);
        }
    };
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t parent = getpid();
    for (int k = 0; k < options.count && !batchSignal; ++k) {
        while (static_cast<int>(running.size()) >= cores && !batchSignal) reap();
        if (batchSignal) break;
        const std::uint32_t seed = first + static_cast<std::uint32_t>(k);
        const fs::path file = *options.out / formatText("brambex_%s_%u.png", name.c_str(), seed);
        const pid_t pid = fork();
        if (pid == 0) {
            // A child never outlives the batch: killed with it, however the batch ends (its map
            // is written in one step at its end, so nothing half-written is left).
            sigaction(SIGINT, &oldInt, nullptr);
            sigaction(SIGTERM, &oldTerm, nullptr);
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent) _exit(1);
            _exit(batchChild(name, options, seed, file));
        }
        if (pid < 0) {
            ++failed;
            std::fprintf(stderr, "brambex: could not start the run of seed %u\n", seed);
            continue;
        }
        running[pid] = {k, file};
    }
    if (batchSignal) stopChildren();
    while (!running.empty()) reap();
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    if (stopping && onTerminal) std::fputc('\n', stderr);
    if (sheet && written > 0) {
        if (Failure f = sheet->write(*options.sheet)) {
            showWarning(*f);
            return 1;
        }
        std::printf("Wrote %s: %d maps\n", withPngExtension(*options.sheet).c_str(), written);
    }
    std::printf("%d of %d maps written to %s%s\n", written, options.count, options.out->c_str(),
                stopping ? " (stopped)" : "");
    std::fflush(stdout);
    if (stopping) return 128 + static_cast<int>(batchSignal);
    return failed == 0 ? 0 : 1;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    char letter = 0;
    if (std::sscanf(argv[1], "-%c", &letter) != 1) return 0;
    presetParameters();
    if (std::tolower(static_cast<unsigned char>(letter)) != 't' || argc < 3) return 0;
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, 3, options, error)) {
        std::fprintf(stderr, "brambex: %s\n", error.c_str());
        return 2;
    }
    if (options.count > 0) return runBatch(argv[2], options);
    try {
        return generateNamed(argv[2], options);
    } catch (const WinException& e) {
        std::fprintf(stderr, "Exception: %s\n", e.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "Exception: Out of memory\n");
    }
    return 1;
}

}  // namespace brambex
