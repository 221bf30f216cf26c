#include "shell/TypeSettings.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "map/Files.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"

namespace brambex {

namespace {

std::function<void(int, int)> controlHook;

using Keys = std::vector<SettingKey>;

// Keys in the order the reader tries them.
const Keys& readerKeys(MapType type) {
    static const Keys none;
    static const Keys bna{{"width", 640, 28664, &GenerationParameters::width, control::WIDTH},
                          {"height", 32, 30552, &GenerationParameters::height, control::HEIGHT},
                          {"objects", 0, 50, &GenerationParameters::bnaObjects, control::BNA_OBJECTS}};
    static const Keys cavern{{"width", 640, 32760, &GenerationParameters::width, control::WIDTH},
                             {"height", 32, 32600, &GenerationParameters::height, control::HEIGHT},
                             {"complexity", 100, 1000, &GenerationParameters::complexity, control::COMPLEXITY},
                             {"objects", 0, 100, &GenerationParameters::objects, control::OBJECTS}};
    static const Keys island{{"width", 640, 28664, &GenerationParameters::width, control::WIDTH},
                             {"height", 32, 30552, &GenerationParameters::height, control::HEIGHT},
                             {"complexity", 10, 1000, &GenerationParameters::complexity, control::COMPLEXITY},
                             {"objects", 0, 100, &GenerationParameters::objects, control::OBJECTS},
                             {"numislands", 1, 20, &GenerationParameters::numIslands, control::NUM_ISLANDS}};
    static const Keys rr{{"width", 640, 32760, &GenerationParameters::width, control::WIDTH},
                         {"height", 32, 32600, &GenerationParameters::height, control::HEIGHT},
                         {"path", 174, 522, &GenerationParameters::pathSize, control::PATH_SIZE},
                         {"soil", INT32_MIN, INT32_MAX, nullptr, control::NO_TOP_SOIL}};
    static const Keys shopper{{"objects", 0, 100, &GenerationParameters::objects, control::OBJECTS}};
    static const Keys ssrace{{"width", 640, 28664, &GenerationParameters::width, control::WIDTH},
                             {"height", 32, 32600, &GenerationParameters::height, control::HEIGHT},
                             {"path", 50, 200, &GenerationParameters::pathSize, control::PATH_SIZE},
                             {"complexity", 10, 1000, &GenerationParameters::complexity, control::COMPLEXITY},
                             {"smoothing", 0, 2, &GenerationParameters::smoothing, control::SMOOTHING}};
    static const Keys supersheeper{{"width", 640, 32760, &GenerationParameters::width, control::WIDTH},
                                   {"height", 32, 32600, &GenerationParameters::height, control::HEIGHT},
                                   {"path", 174, 522, &GenerationParameters::pathSize, control::PATH_SIZE},
                                   {"padding", 0, 5, &GenerationParameters::padding, control::PADDING},
                                   {"objects", 0, 100, &GenerationParameters::objects, control::OBJECTS}};
    static const Keys wfw{{"pads", 40, 60, &GenerationParameters::pads, control::PADS}};
    switch (type) {
        case MapType::BnA: return bna;
        case MapType::Cavern: return cavern;
        case MapType::Island: return island;
        case MapType::RR: return rr;
        case MapType::Shopper: return shopper;
        case MapType::SuperSheepRace: return ssrace;
        case MapType::SuperSheeper: return supersheeper;
        case MapType::WforW: return wfw;
        case MapType::Fort:
        case MapType::Roper: return none;
    }
    return none;
}

// Keys in the order the writer puts them in the file (Island writes numislands before objects).
Keys writerKeys(MapType type) {
    Keys keys = readerKeys(type);
    if (type == MapType::Island) std::swap(keys[3], keys[4]);
    return keys;
}

std::filesystem::path settingsPath(MapType type) {
    return dataFile(std::filesystem::path(std::string(typeFolder(type))) / "settings.dat");
}

int valueOf(const SettingKey& key) { return key.field ? params.*key.field : (params.noTopSoil ? 1 : 0); }

void store(const SettingKey& key, int value) {
    if (key.field) params.*key.field = value;
    else params.noTopSoil = value != 0;
    if (controlHook) controlHook(key.control, value);
}

}  // namespace

void setSettingsControlHook(std::function<void(int, int)> hook) { controlHook = std::move(hook); }

void loadTypeSettings(MapType type) {
    std::FILE* f = openForReading(settingsPath(type));
    if (!f) return;
    const Keys& keys = readerKeys(type);
    if (!keys.empty()) {
        char line[256];
        for (int lines = 0; lines < 51 && std::fgets(line, sizeof line, f); ++lines) {
            char word[256];
            int value = 0;
            if (std::sscanf(line, "%255s %d", word, &value) != 2) continue;
            for (const SettingKey& key : keys) {
                if (!std::strstr(word, key.key)) continue;
                if (value >= key.min && value <= key.max) store(key, value);
                break;  // the first key the word contains decides
            }
        }
    }
    std::fclose(f);
}

bool saveTypeSettings(MapType type) {
    std::string text;
    for (const SettingKey& key : writerKeys(type)) text += formatText("%s %d\n", key.key, valueOf(key));
    const auto path = settingsPath(type);
    if (!replaceFileContents(path, std::vector<unsigned char>(text.begin(), text.end()))) {
        reportWriteError(path);
        return false;
    }
    return true;
}

}  // namespace brambex
