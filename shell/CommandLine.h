#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "map/ProcessState.h"

namespace brambex {

// Exit code of a map that was made but is not kept: it misses its type's playability thresholds.
constexpr int NOT_PLAYABLE = 3;

// The options after "-t <type>".
struct Options {
    std::optional<std::uint32_t> seed;
    std::optional<int> theme;
    std::optional<std::filesystem::path> out;
    bool fullColour = false;
    int count = 0;                                // --count N: N maps into the folder --out names
    std::optional<std::filesystem::path> sheet;   // --sheet FILE: their previews on one picture
    bool showProgress = true;                     // a line with the time taken while a long run goes on
    bool playable = false;                        // --playable: only maps that meet the type's thresholds
    int teams = 0;                                // --teams T: figures for T teams; with --count, only fair maps
    bool mirror = false;                          // --mirror: the left half made and mirrored
    // Maps that fail a rule are not kept (--playable, --teams with --count).
    bool filters() const { return playable || teams > 0; }
};

// The command line's own starting values, before a type's preset and settings file.
GenerationParameters presetParameters();

// What the program was asked to do. Every option may be written "--opt VALUE" or "--opt=VALUE".
struct Invocation {
    enum class Mode {
        Window,          // no arguments
        WindowWithFile,  // "brambex FILE": the window with that map
        Help,            // -h, --help
        Version,         // -V, --version
        Info,            // --info FILE
        Code,            // --code CODE [--out FILE]: the map of a map code
        Verify,          // --verify FILE: remakes a file's map from its code and compares
        Generate,        // -t TYPE [options]
        Nothing,         // the classic "-x NAME" and "-t" alone: nothing made, exit 0
        Usage,           // anything else: the usage on stderr, exit 2
    };
    Mode mode = Mode::Window;
    std::string type;
    Options options;
    std::filesystem::path file;
    std::string code;   // with Code
    std::string error;  // with Usage: what is wrong
};
Invocation parseInvocation(int argc, char** argv);

// From here to the end of the command line, SIGINT and SIGTERM only ask the program to stop: a run
// stops at its next step and writes nothing, unless its map has already replaced the old file
// (then the map stays, whole). Exit status 130 (SIGINT) or 143 (SIGTERM) when nothing was written.
void catchStopSignals();

// Command-line mode: generates the map (or the batch) an invocation asks for. Returns the
// process exit code: 0 after a map was written, 1 when the map could not be written or the run
// failed, 2 for a theme that is not installed.
int runCommandLine(const Invocation& call);

// "--help": what the program takes, to `out` (stdout, or stderr with a usage error).
void printUsage(std::FILE* out = stdout);

// "--info FILE": a map file's picture and chunks in plain words; 1 when it is not a map.
int printMapInfo(const char* path);

// Exit codes of --verify.
constexpr int VERIFY_SAME = 0, VERIFY_DIFFERENT = 1, VERIFY_NO_CODE = 2;

// "--verify FILE": makes the map of the file's code again and compares every pixel.
int verifyMapFile(const std::filesystem::path& path);

}  // namespace brambex
