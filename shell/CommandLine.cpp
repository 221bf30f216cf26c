#include "shell/CommandLine.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include "generators/Factory.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Worker.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
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

// Makes `type` current, reads its settings over the presets, applies the options.
Generator* prepare(MapType type, const Options& options) {
    mapState.currentTypeIndex = installedTypes.listIndex(type);
    loadTypeSettings(type);
    applyOptions(options);
    currentGenerator = makeGenerator(type);
    return currentGenerator.get();
}

// Runs the current generator on this thread and writes the map; the exit code.
int runAndWrite(const Options& options) {
    runGenerator(*currentGenerator);
    const fs::path out = options.out ? *options.out : paths.workingDirectory / "data" / "temp" / "temp.png";
    if (!saveMap(out, options.fullColour)) return 1;
    const Generator& g = *currentGenerator;
    std::printf("Wrote %s: %s, %d x %d, seed %u, theme %d\n", withPngExtension(out).c_str(),
                std::string(mapTypeInfo[static_cast<int>(g.mapType())].listText).c_str(), g.width, g.height,
                mapState.mapSeed, g.themeNumber);
    return 0;
}

int generateNamed(const std::string& name, const Options& options) {
    auto installed = [](MapType type) { return installedTypes.installed(type); };
    int result = 0;
    if (name == "fort" && installed(MapType::Fort)) {
        prepare(MapType::Fort, options);
        result = runAndWrite(options);
    }
    if (name == "island" && installed(MapType::Island)) {
        params.width = 1920;
        params.height = 696;
        rand();
        params.numIslands = 1;
        params.complexity = 50;
        params.objects = 80;
        prepare(MapType::Island, options);
        result = std::max(result, runAndWrite(options));
    }
    if (name == "cavern") {
        if (!installed(MapType::Cavern)) return result;
        params.width = 1920;
        params.height = 696;
        rand();
        params.numIslands = 1;
        params.complexity = 50;
        params.objects = 50;
        prepare(MapType::Cavern, options);
    } else if (name == "bna") {
        if (!installed(MapType::BnA)) return result;
        params.width = 3840;
        params.height = 1392;
        prepare(MapType::BnA, options);
    } else if (name == "shopper") {
        if (!installed(MapType::Shopper)) return result;
        params.shopperLayout = rand() % 2;
        params.objects = 10;
        prepare(MapType::Shopper, options);
    } else if (name == "rr") {
        if (!installed(MapType::RR)) return result;
        params.pathSize = 232;
        params.noTopSoil = true;
        prepare(MapType::RR, options);
    } else if (name == "roper") {
        if (!installed(MapType::Roper)) return result;
        prepare(MapType::Roper, options);
    } else if (name == "wfw") {
        if (!installed(MapType::WforW)) return result;
        prepare(MapType::WforW, options);
    } else if (name == "ssrace") {
        if (!installed(MapType::SuperSheepRace)) return result;
        params.width = 1920;
        params.height = 2880;
        params.pathSize = 70;
        prepare(MapType::SuperSheepRace, options);
    } else if (name == "ss") {
        if (!installed(MapType::SuperSheeper)) return result;
        params.width = 1920;
        params.height = 2880;
        params.pathSize = 300;
        prepare(MapType::SuperSheeper, options);
    } else {
        return result;
    }
    if (!currentGenerator) return result;
    return std::max(result, runAndWrite(options));
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
        "TYPE (as installed): bna cavern fort island roper rr shopper ssrace ss wfw\n"
        "\n"
        "OPTIONS:\n"
        "  --seed N        make the map of seed N (the same seed makes the same map)\n"
        "  --theme N       use theme N instead of a random one\n"
        "  --out FILE      write the map to FILE (\".png\" is added when the name has none)\n"
        "  --full-colour   save in full colour instead of 64 colours\n",
        "0.6.2");
}

int printMapInfo(const char* path) {
    Bytes file;
    if (!readWholeFile(path, file)) {
        std::fprintf(stderr, "brambex: cannot read %s\n", path);
        return 1;
    }
    const auto text = describeMapFile(file);
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
