#include <QApplication>
#include <QMessageBox>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "map/GdImage.h"
#include "map/Generator.h"
#include "shell/CommandLine.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/Translations.h"
#include "shell/platform/Platform.h"
#include "shell/qt/MainWindow.h"

namespace {

bool haveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

int runWindow(int argc, char** argv, const std::filesystem::path& file) {
    using namespace brambex;
    // Without a display Qt would abort; say what can be done instead.
    if (!haveDisplay()) {
        std::fprintf(stderr, "brambex: there is no display to open the window on; make a map without one with "
                             "brambex -t cavern (see brambex --help)\n");
        return 1;
    }
    QApplication app(argc, argv);
    installTranslationsIntoApplication();
    QApplication::setApplicationName("Brambex");
    QApplication::setOrganizationName("Halvane");
    QApplication::setDesktopFileName("org.halvane.Brambex");
    // Start-up's one warning (no themes) is a message box in window mode.
    setWarningSink([](const UserError& e) {
        QMessageBox::warning(nullptr, QString::fromStdString(e.caption), QString::fromStdString(e.text));
    });
    if (Failure refused = startUp()) {
        QMessageBox::warning(nullptr, QString::fromStdString(refused->caption), QString::fromStdString(refused->text));
        return 1;
    }
    MainWindow window;
    window.show();
    if (!file.empty()) window.model().dropFile(file);
    window.syncFromModel();
    const int code = QApplication::exec();
    return code;
}

// Output a script could not read is an error too (a full disk, a closed pipe).
int checkedOutput(int code) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "brambex: cannot write to standard output: %s\n", std::strerror(errno));
        return 1;
    }
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brambex;
    prepareLibraries();
    // The user's language, for everything said from here on, the window or not.
    installTranslations();
    const Invocation call = parseInvocation(argc, argv);
    switch (call.mode) {
    case Invocation::Mode::Window: return runWindow(argc, argv, {});
    case Invocation::Mode::WindowWithFile: {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(call.file, ec)) {
            std::fprintf(stderr, "brambex: %s is no file that can be opened\n", call.file.c_str());
            return 1;
        }
        return runWindow(1, argv, std::filesystem::absolute(call.file, ec));
    }
    case Invocation::Mode::Help:
        locateData();
        printUsage(stdout);
        return checkedOutput(0);
    case Invocation::Mode::Version:
        std::printf("brambex %s\n", BRAMBEX_VERSION);
        return checkedOutput(0);
    case Invocation::Mode::Info: return checkedOutput(printMapInfo(call.file.c_str()));
    case Invocation::Mode::Nothing:
        // The classic switches still start the program (its registry values) and make nothing.
        return startUp() ? 1 : 0;
    case Invocation::Mode::Usage:
        locateData();
        std::fprintf(stderr, "brambex: %s\n\n", call.error.c_str());
        printUsage(stderr);
        return 2;
    case Invocation::Mode::Generate:
    case Invocation::Mode::Code:
    case Invocation::Mode::Verify: break;
    }
#if defined(__GLIBC__)
    // A command-line run makes one map: its threads share the main heap, which grows in large
    // steps. A heap of a thread's own grows a few pages at a time, a system call each (thousands
    // for a large map's rows). Set before any thread starts.
    mallopt(M_ARENA_MAX, 1);
#endif
    catchStopSignals();
    setWarningSink([](const UserError& e) { platform::showMessage(e.caption, e.text); });
    if (Failure refused = startUp()) {
        std::fprintf(stderr, "brambex: %s\n", refused->text.c_str());
        return 1;
    }
    return checkedOutput(runCommandLine(call));
}
