#include <cstdio>
#include <cstring>

#include "map/Generator.h"
#include "map/GdImage.h"
#include "shell/CommandLine.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/platform/Platform.h"

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
    setWarningSink([](const UserError& e) { platform::showMessage(e.caption, e.text); });
    startUp();
    int code = 0;
    if (argc < 2) {
        std::printf("The window is not part of this build yet; make a map with: brambex -t cavern (see brambex --help)\n");
    } else {
        code = runCommandLine(argc, argv);
    }
    currentGenerator.reset();
    return code;
}
