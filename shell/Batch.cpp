// `brambex -t TYPE --count N`: many maps at once, one process a map, up to one a core.

#include "shell/CommandLine.h"
#include "shell/CommandLineRuns.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Files.h"
#include "mapfile/MapFile.h"
#include "map/ProcessState.h"
#include "map/Translate.h"
#include "shell/ContactSheet.h"
#include "shell/Messages.h"
#include "shell/Startup.h"

namespace brambex {

namespace fs = std::filesystem;

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
        std::fprintf(stderr, translate("CommandLine", "brambex: Out of memory\n").c_str());
        return 1;
    }
}

// SIGINT or SIGTERM to the batch: no new maps are started, the running ones are stopped, and the
// batch says what it wrote.
volatile std::sig_atomic_t batchSignal = 0;
extern "C" void stopBatch(int signal) { batchSignal = signal; }

}  // namespace

// Up to one map per core at a time; a progress line per map on stderr.
int runBatch(const std::string& name, const Options& options) {
    // Refused before any folder is made or any map started.
    const bool known = std::any_of(typeTable().begin(), typeTable().end(), [&](const TypeRow& row) {
        return name == row.info().commandName && installedTypes.installed(row.type);
    });
    if (!known) {
        std::fprintf(stderr, translate("CommandLine", "brambex: no installed map type is called \"%s\" (installed: %s)\n").c_str(), name.c_str(),
                     installedNames().c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(*options.out, ec);
    if (!fs::is_directory(*options.out)) {
        std::fprintf(stderr, translate("CommandLine", "brambex: %s is not a folder the maps can be written to\n").c_str(), options.out->c_str());
        return 1;
    }
    const std::uint32_t first = options.seed ? *options.seed : freshSeed();
    const int cores = std::max(1u, std::thread::hardware_concurrency());
    std::map<pid_t, std::pair<int, fs::path>> running;  // child: its map's place and file
    std::optional<ContactSheet> sheet;
    if (options.sheet) sheet.emplace(options.count);
    int failed = 0, done = 0, written = 0, rejected = 0;
    // --playable draws further seeds until enough maps can be played, at most four tries a map
    // (eight with --teams).
    // Fair maps for more teams are rarer than playable ones: twice the tries.
    const int tries = options.teams > 0 ? 8 * options.count : options.playable ? 4 * options.count : options.count;
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
        const bool unplayable = WIFEXITED(status) && WEXITSTATUS(status) == NOT_PLAYABLE;
        if (ok) {
            if (sheet) sheet->add(options.filters() ? written : k, seed, file);
            ++written;
        } else if (unplayable) {
            ++rejected;
        } else if (!stopping) {
            ++failed;
        }
        if (stopping) return;
        const int shown = options.filters() ? written : done;
        if (!ok || !onTerminal) {
            if (onTerminal) std::fputc('\n', stderr);
            std::fprintf(stderr, translate("CommandLine", "[%d/%d] seed %u: %s\n").c_str(), shown, options.count, seed,
                         ok ? file.c_str() : unplayable ? (options.teams > 0 ? "not fair or not playable, not kept" : "not playable, not kept")
                                                        : "FAILED");
        }
        if (onTerminal) {
            // A bar that fills as maps finish, redrawn in place.
            constexpr int BAR = 30;
            const int filled = BAR * std::min(shown, options.count) / options.count;
            std::fprintf(stderr, ("\r" + translate("CommandLine", "[%s%s] %d/%d maps")).c_str(), std::string(static_cast<std::size_t>(filled), '#').c_str(),
                         std::string(static_cast<std::size_t>(BAR - filled), ' ').c_str(), shown, options.count);
            if (shown == options.count) std::fputc('\n', stderr);
        }
    };
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t parent = getpid();
    for (int k = 0; k < tries && !batchSignal; ++k) {
        while (!batchSignal && (static_cast<int>(running.size()) >= cores ||
                                (options.filters() && !running.empty() &&
                                 written + static_cast<int>(running.size()) >= options.count)))
            reap();
        if (batchSignal || written >= options.count) break;
        const std::uint32_t seed = first + static_cast<std::uint32_t>(k);
        const fs::path file = *options.out / formatText("brambex_%s_%u.png", name.c_str(), seed);
        const pid_t pid = fork();
        if (pid == 0) {
            // A child never outlives the batch: killed with it, however the batch ends (its map
            // is written in one step at its end, so nothing half-written is left).
            // A signal ends a map of the batch at once (its file is replaced in one step at its
            // end, so nothing half-written is left); the batch says what it wrote.
            std::signal(SIGINT, SIG_DFL);
            std::signal(SIGTERM, SIG_DFL);
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent) _exit(1);
            _exit(batchChild(name, options, seed, file));
        }
        if (pid < 0) {
            ++failed;
            std::fprintf(stderr, translate("CommandLine", "brambex: could not start the run of seed %u\n").c_str(), seed);
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
        std::printf(translate("CommandLine", "Wrote %s: %d maps\n").c_str(), withPngExtension(*options.sheet).c_str(), written);
    }
    if (options.filters()) {
        // The rule the kept maps met, in words.
        for (const TypeRow& row : typeTable())
            if (name == row.info().commandName) {
                std::printf(translate("CommandLine", "Playable: %s maps with %s\n").c_str(), std::string(row.info().listText).c_str(),
                            playabilityRule(row.playability).c_str());
                if (options.teams > 0) std::printf(translate("CommandLine", "Teams: %s\n").c_str(), teamRule(row.playability, options.teams).c_str());
            }
        const char* kept = options.teams > 0 ? "fair" : "playable";
        std::printf(translate("CommandLine", "%d of %d %s maps written to %s (%d seeds tried, %d not %s)%s\n").c_str(), written, options.count, kept,
                    options.out->c_str(), written + rejected + failed, rejected, kept, stopping ? " (stopped)" : "");
    }
    else
        std::printf(translate("CommandLine", "%d of %d maps written to %s%s\n").c_str(), written, options.count, options.out->c_str(),
                    stopping ? " (stopped)" : "");
    std::fflush(stdout);
    if (stopping) return 128 + static_cast<int>(batchSignal);
    if (options.filters() && written < options.count) {
        std::fprintf(stderr, translate("CommandLine", "brambex: only %d %s maps in %d tries\n").c_str(), written, options.teams > 0 ? "fair" : "playable", tries);
        return 1;
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace brambex
