#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "map/GdImage.h"
#include "map/Generator.h"
#include "shell/CommandLine.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
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

int runWindow(int argc, char** argv) {
    using namespace brambex;
    // Without a display Qt would abort; say what can be done instead.
    if (!haveDisplay()) {
        std::fprintf(stderr, "brambex: there is no display to open the window on; make a map without one with "
                             "brambex -t cavern (see brambex --help)\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brambex");
    QApplication::setOrganizationName("Halvane");
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
    const int code = QApplication::exec();
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brambex;
    prepareLibraries();
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        locateData();
        printUsage();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--info") == 0) {
        if (argc != 3) {
            std::fprintf(stderr, "usage: brambex --info FILE\n");
            return 2;
        }
        return printMapInfo(argv[2]);
    }
    int code = 0;
    if (argc < 2) {
        code = runWindow(argc, argv);
    } else {
        setWarningSink([](const UserError& e) { platform::showMessage(e.caption, e.text); });
        if (Failure refused = startUp()) {
            std::fprintf(stderr, "brambex: %s\n", refused->text.c_str());
            return 1;
        }
        code = runCommandLine(argc, argv);
    }
    return code;
}
