#include "shell/CommandLine.h"

#include <cctype>
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
#include "map/Worker.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "shell/Messages.h"
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
};

bool parseNumber(const char* text, unsigned long long max, unsigned long long& value) {
    if (!*text || !std::isdigit(static_cast<unsigned char>(*text))) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

bool parseOptions(int argc, char** argv, int from, Options& options, std::string& error) {
    for (int i = from; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long long value = 0;
        if (arg == "--seed") {
            if (!hasValue || !parseNumber(argv[i + 1], 0xFFFFFFFFull, value)) {
                error = "--seed needs a number from 0 to 4294967295";
                return false;
            }
            options.seed = static_cast<std::uint32_t>(value);
            ++i;
        } else if (arg == "--theme") {
            if (!hasValue || !parseNumber(argv[i + 1], 99999, value)) {
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
        } else {
            error = "unknown option \"" + arg + "\" (see brambex --help)";
            return false;
        }
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
    if (options.seed) {
        mapState.mapSeed = *options.seed;
        params.keepSeed = true;
    }
    if (options.theme) {
        params.manualMode = true;
        params.themeChoice = *options.theme;
    }
}

// Runs the current generator on this thread and writes the map; the exit code.
int runAndWrite(const Options& options) {
    runGenerator(*currentGenerator);
    showRunProblems(*currentGenerator);
    const fs::path out = options.out ? *options.out : paths.workingDirectory / "data" / "temp" / "temp.png";
    if (Failure error = saveMap(out, options.fullColour)) {
        showWarning(*error);
        return 1;
    }
    const Generator& g = *currentGenerator;
    std::printf("Wrote %s: %s, %d x %d, seed %u, theme %d\n", withPngExtension(out).c_str(),
                std::string(typeRow(g.mapType()).info().listText).c_str(), g.width, g.height, mapState.mapSeed, g.themeNumber);
    return 0;
}

// Makes one map of `row`'s type: its preset, its settings file over it, the options, the run.
int generateType(const TypeRow& row, const Options& options) {
    row.commandLinePreset(params);
    mapState.currentTypeIndex = installedTypes.listIndex(row.type);
    loadTypeSettings(row.type);
    applyOptions(options);
    currentGenerator = row.make(false);
    row.commandLineAfterCreate(*currentGenerator);
    // Said before the run: a map too large for 64 colours would otherwise be refused only after
    // minutes of work.
    if (!options.fullColour && !fitsPalette(currentGenerator->width, currentGenerator->height)) {
        std::fprintf(stderr, "brambex: %s\n",
                     tooLargeForPaletteText(currentGenerator->width, currentGenerator->height, "--full-colour").c_str());
        return 1;
    }
    return runAndWrite(options);
}

std::string installedNames();

// The names are compared in the command line's order. Fort and Island go on to the later names
// after a match; any other match, installed or not, ends the comparisons. A name that makes no
// map says so: a script must not take an old temp.png for the new map.
int generateNamed(const std::string& name, const Options& options) {
    int result = 0;
    bool made = false;
    for (MapType type : commandLineOrder) {
        const TypeRow& row = typeRow(type);
        if (name != row.info().commandName) continue;
        if (installedTypes.installed(type) && row.hasGenerator()) {
            result = std::max(result, generateType(row, options));
            made = true;
        }
        if (!row.commandLineContinues) break;
    }
    if (!made) {
        std::fprintf(stderr, "brambex: no installed map type is called \"%s\" (installed: %s)\n", name.c_str(),
                     installedNames().c_str());
        return 1;
    }
    return result;
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
        "  --full-colour   save in full colour instead of 64 colours\n",
        BRAMBEX_VERSION, installedNames().c_str());
}

int printMapInfo(const char* path) {
    if (!fileOpens(path)) {
        std::fprintf(stderr, "brambex: cannot read %s\n", path);
        return 1;
    }
    // The chunk list is checked before the file is read whole: a damaged or hostile file
    // cannot ask for gigabytes.
    Bytes file;
    const std::optional<std::string> text =
        readPngFile(path, file) ? describeMapFile(file) : std::nullopt;
    if (!text) {
        std::fprintf(stderr, "brambex: %s is not a picture the program can read\n", path);
        return 1;
    }
    std::printf("File: %s\n%s", path, text->c_str());
    return 0;
}

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
    // A given seed also fixes the draws made before the map's own seeding (the random theme,
    // Island's gaps), so the same command makes the same map.
    if (options.seed) srand(*options.seed);
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
