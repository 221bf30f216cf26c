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

int* widthField() { return &params.width; }
int* heightField() { return &params.height; }
int* objectsField() { return &params.objects; }
int* bnaObjectsField() { return &params.bnaObjects; }
int* complexityField() { return &params.complexity; }
int* numIslandsField() { return &params.numIslands; }
int* pathSizeField() { return &params.pathSize; }
int* paddingField() { return &params.padding; }
int* padsField() { return &params.pads; }
int* smoothingField() { return &params.smoothing; }
int* noTopSoilValue() {
    static int value;
    value = params.noTopSoil ? 1 : 0;
    return &value;
}

using Keys = std::vector<SettingKey>;

// Keys in the order the reader tries them.
const Keys& readerKeys(MapType type) {
    static const Keys none;
    static const Keys bna{{"width", 640, 28664, widthField, control::WIDTH},
                          {"height", 32, 30552, heightField, control::HEIGHT},
                          {"objects", 0, 50, bnaObjectsField, control::BNA_OBJECTS}};
    static const Keys cavern{{"width", 640, 32760, widthField, control::WIDTH},
                             {"height", 32, 32600, heightField, control::HEIGHT},
                             {"complexity", 100, 1000, complexityField, control::COMPLEXITY},
                             {"objects", 0, 100, objectsField, control::OBJECTS}};
    static const Keys island{{"width", 640, 28664, widthField, control::WIDTH},
                             {"height", 32, 30552, heightField, control::HEIGHT},
                             {"complexity", 10, 1000, complexityField, control::COMPLEXITY},
                             {"objects", 0, 100, objectsField, control::OBJECTS},
                             {"numislands", 1, 20, numIslandsField, control::NUM_ISLANDS}};
    static const Keys rr{{"width", 640, 32760, widthField, control::WIDTH},
                         {"height", 32, 32600, heightField, control::HEIGHT},
                         {"path", 174, 522, pathSizeField, control::PATH_SIZE},
                         {"soil", INT32_MIN, INT32_MAX, noTopSoilValue, control::NO_TOP_SOIL}};
    static const Keys shopper{{"objects", 0, 100, objectsField, control::OBJECTS}};
    static const Keys ssrace{{"width", 640, 28664, widthField, control::WIDTH},
                             {"height", 32, 32600, heightField, control::HEIGHT},
                             {"path", 50, 200, pathSizeField, control::PATH_SIZE},
                             {"complexity", 10, 1000, complexityField, control::COMPLEXITY},
                             {"smoothing", 0, 2, smoothingField, control::SMOOTHING}};
    static const Keys supersheeper{{"width", 640, 32760, widthField, control::WIDTH},
                                   {"height", 32, 32600, heightField, control::HEIGHT},
                                   {"path", 174, 522, pathSizeField, control::PATH_SIZE},
                                   {"padding", 0, 5, paddingField, control::PADDING},
                                   {"objects", 0, 100, objectsField, control::OBJECTS}};
    static const Keys wfw{{"pads", 40, 60, padsField, control::PADS}};
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

void store(const SettingKey& key, int value) {
    if (key.control == control::NO_TOP_SOIL) params.noTopSoil = value != 0;
    else *key.parameter() = value;
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
    for (const SettingKey& key : writerKeys(type)) text += formatText("%s %d\n", key.key, *key.parameter());
    const auto path = settingsPath(type);
    if (!replaceFileContents(path, std::vector<unsigned char>(text.begin(), text.end()))) {
        reportWriteError(path);
        return false;
    }
    return true;
}

}  // namespace brambex
