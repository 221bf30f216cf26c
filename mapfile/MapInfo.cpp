#include "mapfile/MapInfo.h"

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/PngReader.h"
#include "mapfile/MapLoader.h"

namespace brambex {

namespace {

const char* const WATER_NAMES[] = {"Blue", "Red", "Purple", "Yellow", "Green"};

std::string waterName(std::int32_t water) {
    return water >= 0 && water < 5 ? WATER_NAMES[water] : "not one of the five";
}

}  // namespace

std::string colourTypeText(int colourType) {
    switch (colourType) {
    case 0: return "grey";
    case 2: return "true colour";
    case 3: return "palette";
    case 4: return "grey with alpha";
    case 6: return "true colour with alpha";
    default: return "unknown";
    }
}

std::optional<std::string> describeMapFile(const Bytes& file, std::optional<CourseKind> course) {
    const std::optional<PngLayout> layout = scanPng(file.data(), file.size());
    if (!layout || !plausiblePng(*layout, MAX_PICTURE_WIDTH, MAX_PICTURE_HEIGHT)) return std::nullopt;
    std::string out;
    const long long pixels = static_cast<long long>(layout->width) * layout->height;
    if (pixels > MAX_INFO_PIXELS) {
        // Decoding would cost gigabytes: the header says enough.
        out = formatText("Size: %d x %d\nColours: %s (from the header)\n", layout->width, layout->height,
                         colourTypeText(layout->colourType).c_str());
        out += formatText("Marker: not looked for (the pixels of pictures over %lld million pixels are not read)\n",
                          MAX_INFO_PIXELS / 1'000'000);
    } else {
        ImagePtr im = decodePng(file);
        if (!im) return std::nullopt;
        out = formatText("Size: %d x %d\n", im->sx, im->sy);
        if (im->trueColor) out += "Colours: true colour\n";
        else out += formatText("Colours: palette of %d entries\n", im->colorsTotal);
        int column = 0, row = 0, red = 0;
        if (findMarkerPixel(im.get(), column, row, red))
            out += formatText("Marker: column %d, row %d, colour (%d, 24, 204)%s\n", column, row, red,
                              red == 240 ? ", IndiMask" : "");
        else
            out += "Marker: absent\n";
        if (course && measurable(im.get())) {
            const Playability measured = measurePlayability(im.get(), *course);
            out += "Playability: " + playabilitySummary(measured) + "\n";
            // The balance for every number of teams the game plays with.
            std::string teams = formatText("Teams: room for %d", roomForTeams(measured));
            for (int t = 2; t <= MAX_TEAMS; ++t) teams += formatText("%s %.2f for %d", t == 2 ? " \u00b7 balance" : ",", teamBalance(measured, t), t);
            out += teams + "\n";
        }
        else if (course)
            out += formatText("Playability: not measured (maps over %lld million pixels are not)\n", MAX_MEASURED_PIXELS / 1'000'000);
    }

    const ChunkMatch level = findChunk(file, "waLV", false, 48);
    if (level.found) {
        auto at = [&](int offset) { return static_cast<std::int32_t>(readLittleEndian32(file, level.offset + offset)); };
        out += formatText("waLV: seed %u, roof %d, not Roper %d, level kind %d, theme id %d, water colour %d (%s)\n",
                          static_cast<std::uint32_t>(at(8)), at(16), at(24), at(36), at(40), at(44),
                          waterName(at(44)).c_str());
    } else {
        out += "waLV: absent\n";
    }
    std::uint32_t seed = 0;
    int type = 0, theme = 0;
    if (readSmallChunk(file, "bXRK", &seed, &type, &theme))
        out += formatText("bxRk: seed %u, list position %d, theme %d\n", seed, type, theme);
    else
        out += "bxRk: absent\n";
    out += readSmallChunk(file, "inDI", nullptr, nullptr, nullptr) ? "inDI: present (IndiMask)\n" : "inDI: absent\n";
    const std::string code = readMapCode(file);
    out += code.empty() ? "Code: absent (the map's parameters are not recorded)\n" : "Code: " + code + "\n";
    return out;
}

}  // namespace brambex
