// The command line's words: what the program was asked to do, or why that cannot be.

#include "shell/CommandLine.h"

#include <cctype>
#include <string>

#include "map/Files.h"
#include "map/Playability.h"
#include "map/Translate.h"

namespace brambex {

namespace fs = std::filesystem;

namespace {

// One option's value: "--opt VALUE" or "--opt=VALUE". False (with the error) when it has none.
bool optionValue(int argc, char** argv, int& i, const std::string& name, std::string& value, std::string& error) {
    const std::string arg = argv[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= argc) {
        error = name + " needs a value";
        return false;
    }
    value = argv[++i];
    return true;
}

// The option `arg` names ("--seed=3" names "--seed").
std::string optionName(const std::string& arg) { return arg.substr(0, arg.find('=')); }

}  // namespace

Invocation parseInvocation(int argc, char** argv) {
    Invocation call;
    if (argc < 2) return call;  // the window
    const std::string first = argv[1];
    // The classic switches: "-x NAME" (any letter but t) makes nothing, "-t" alone makes nothing.
    if (first.size() == 2 && first[0] == '-' && std::isalpha(static_cast<unsigned char>(first[1])) &&
        first != "-t" && first != "-T" && first != "-h" && first != "-V") {
        call.mode = Invocation::Mode::Nothing;
        return call;
    }
    if ((first == "-t" || first == "-T") && argc == 2) {
        call.mode = Invocation::Mode::Nothing;
        return call;
    }
    // "brambex FILE": the window, showing that map (any other lone word is a stray argument).
    std::error_code ec;
    if (argc == 2 && !first.empty() && first[0] != '-' && fs::is_regular_file(first, ec)) {
        call.mode = Invocation::Mode::WindowWithFile;
        call.file = first;
        return call;
    }
    auto usage = [&call](std::string error) {
        call.mode = Invocation::Mode::Usage;
        call.error = std::move(error);
        return call;
    };
    bool haveType = false, haveOptions = false;
    Options& options = call.options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::string name = optionName(arg);
        std::string value, error;
        unsigned long long number = 0;
        if (arg == "-h" || arg == "--help") {
            call.mode = Invocation::Mode::Help;
            return call;
        }
        if (arg == "-V" || arg == "--version") {
            call.mode = Invocation::Mode::Version;
            return call;
        }
        if (name == "--code" || name == "--verify") {
            if (call.mode == Invocation::Mode::Code || call.mode == Invocation::Mode::Verify)
                return usage(translate("CommandLine", "--code and --verify go alone"));
            if (!optionValue(argc, argv, i, name, value, error) || value.empty())
                return usage(name == "--code" ? "--code needs a map code" : "--verify needs a file name");
            if (name == "--code") {
                call.mode = Invocation::Mode::Code;
                call.code = value;
            } else {
                call.mode = Invocation::Mode::Verify;
                call.file = value;
            }
            continue;
        }
        if (name == "--info") {
            if (!optionValue(argc, argv, i, name, value, error)) return usage(translate("CommandLine", "--info needs a file name"));
            call.mode = Invocation::Mode::Info;
            call.file = value;
            continue;
        }
        if (arg == "-t" || arg == "-T") {
            if (haveType) return usage(translate("CommandLine", "-t is given twice"));
            if (i + 1 >= argc) return usage(translate("CommandLine", "-t needs a map type"));
            call.type = argv[++i];
            haveType = true;
            continue;
        }
        if (name == "--seed") {
            if (!optionValue(argc, argv, i, name, value, error) || !parseWholeNumber(value.c_str(), 0xFFFFFFFFull, number))
                return usage(translate("CommandLine", "--seed needs a number from 0 to 4294967295"));
            options.seed = static_cast<std::uint32_t>(number);
        } else if (name == "--theme") {
            if (!optionValue(argc, argv, i, name, value, error) || !parseWholeNumber(value.c_str(), 99999, number))
                return usage(translate("CommandLine", "--theme needs a theme number"));
            options.theme = static_cast<int>(number);
        } else if (name == "--out") {
            if (!optionValue(argc, argv, i, name, value, error) || value.empty()) return usage(translate("CommandLine", "--out needs a file name"));
            options.out = fs::path(value);
        } else if (arg == "--full-colour") {
            options.fullColour = true;
        } else if (arg == "--playable") {
            options.playable = true;
        } else if (arg == "--mirror") {
            options.mirror = true;
        } else if (name == "--teams") {
            if (!optionValue(argc, argv, i, name, value, error) || !parseWholeNumber(value.c_str(), MAX_TEAMS, number) || number < 2)
                return usage(formatText(translate("CommandLine", "--teams needs a number of teams from 2 to %d").c_str(), MAX_TEAMS));
            options.teams = static_cast<int>(number);
        } else if (name == "--count") {
            if (!optionValue(argc, argv, i, name, value, error) || !parseWholeNumber(value.c_str(), 10000, number) || number == 0)
                return usage(translate("CommandLine", "--count needs a number of maps from 1 to 10000"));
            options.count = static_cast<int>(number);
        } else if (name == "--sheet") {
            if (!optionValue(argc, argv, i, name, value, error) || value.empty()) return usage(translate("CommandLine", "--sheet needs a file name"));
            options.sheet = fs::path(value);
        } else if (!arg.empty() && arg[0] == '-') {
            return usage(formatText(translate("CommandLine", "unknown option \"%s\"").c_str(), arg.c_str()));
        } else {
            return usage(formatText(translate("CommandLine", "\"%s\" is not an option").c_str(), arg.c_str()));
        }
        haveOptions = true;
    }
    if (call.mode == Invocation::Mode::Info) {
        if (haveType || haveOptions) return usage(translate("CommandLine", "--info goes alone"));
        return call;
    }
    if (call.mode == Invocation::Mode::Verify) {
        if (haveType || haveOptions) return usage(translate("CommandLine", "--verify goes alone"));
        return call;
    }
    if (call.mode == Invocation::Mode::Code) {
        // The code is the whole recipe: only where the map goes may be said beside it.
        const bool onlyOut = !options.seed && !options.theme && !options.fullColour && options.count == 0 &&
                             !options.sheet && !options.playable && options.teams == 0 && !options.mirror;
        if (haveType || !onlyOut) return usage(translate("CommandLine", "--code takes only --out beside it (the code says everything else)"));
        return call;
    }
    if (!haveType) return usage(translate("CommandLine", "the options go with -t TYPE"));
    if (options.count > 0 && !options.out) return usage(translate("CommandLine", "--count needs --out FOLDER for the maps"));
    if (options.sheet && options.count == 0) return usage(translate("CommandLine", "--sheet goes with --count"));
    if (options.playable && options.count == 0) return usage(translate("CommandLine", "--playable goes with --count"));
    call.mode = Invocation::Mode::Generate;
    return call;
}

}  // namespace brambex
