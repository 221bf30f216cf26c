// Draws Brambex's default data folder: themes, interface pictures and type markers.
//
//   brambex-artwork OUTPUT_ROOT                 writes OUTPUT_ROOT/data/...
//   brambex-artwork --contact-sheet FILE [SCALE] writes one picture of every theme

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "DataFolder.h"
#include "map/GdImage.h"

int main(int argc, char** argv) {
    try {
        brambex::prepareLibraries();
        if (argc >= 3 && std::string(argv[1]) == "--contact-sheet") {
            const double scale = argc >= 4 ? std::atof(argv[3]) : 1.0;
            const auto sheet = artwork::contactSheet(artwork::buildThemes(), scale > 0 ? scale : 1.0);
            const auto bytes = brambex::encodePng(sheet.get(), 9);
            std::FILE* f = std::fopen(argv[2], "wb");
            if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
                std::fprintf(stderr, "brambex-artwork: cannot write %s\n", argv[2]);
                return 1;
            }
            std::fclose(f);
            return 0;
        }
        if (argc != 2 || argv[1][0] == '-') {
            std::fprintf(stderr, "usage: brambex-artwork OUTPUT_ROOT\n       brambex-artwork --contact-sheet FILE [SCALE]\n");
            return 2;
        }
        artwork::writeDataFolder(argv[1], artwork::buildThemes());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brambex-artwork: %s\n", e.what());
        return 1;
    }
}
