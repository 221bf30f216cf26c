#include "shell/TypeSettings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/ProcessState.h"

namespace brambex {

namespace {

std::filesystem::path settingsPath(MapType type) {
    return paths.settingsDirectory / "data" / std::string(typeFolder(type)) / "settings.dat";
}

// "soil" is on or off, whatever number the file has.
int valueOf(const SettingKey& key, const GenerationParameters& p) {
    return key.key == "soil" ? (p.*key.field != 0 ? 1 : 0) : p.*key.field;
}

void store(const SettingKey& key, int value, GenerationParameters& p) { p.*key.field = key.key == "soil" ? value != 0 : value; }

const SettingKey* findKey(const TypeRow& row, std::string_view key) {
    for (const SettingKey& k : row.readerKeys)
        if (k.key == key) return &k;
    return nullptr;
}

// "%s %d" on one line: the word and the number after it. A number that does not fit an int is
// no number (the C library would wrap it), so the line is ignored like any other bad value.
bool parseLine(const char* line, std::string& word, int& value) {
    char w[256];
    int consumed = 0;
    if (std::sscanf(line, "%255s %n", w, &consumed) != 1) return false;
    const char* number = line + consumed;
    if (!*number) return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(number, &end, 10);
    if (end == number || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
    word = w;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

void loadTypeSettings(MapType type, GenerationParameters& parameters) {
    std::FILE* f = openForReading(settingsPath(type));
    if (!f) return;
    const TypeRow& row = typeRow(type);
    // A file without the mirror line is of a map that is not mirrored.
    if (findKey(row, "mirror")) parameters.mirror = 0;
    if (!row.readerKeys.empty()) {
        char line[256];
        for (int lines = 0; lines < 51 && std::fgets(line, sizeof line, f); ++lines) {
            std::string word;
            int value = 0;
            if (!parseLine(line, word, value)) continue;
            for (const SettingKey& key : row.readerKeys) {
                if (word.find(key.key) == std::string::npos) continue;
                if (value >= key.min && value <= key.max) store(key, value, parameters);
                break;  // the first key the word contains decides
            }
        }
    }
    std::fclose(f);
}

Failure saveTypeSettings(MapType type, const GenerationParameters& parameters) {
    const TypeRow& row = typeRow(type);
    std::string text;
    for (std::string_view name : row.writerOrder)
        if (const SettingKey* key = findKey(row, name)) {
            // Mirror is written only when it is on: every file written before it stays as it was.
            if (key->field == &GenerationParameters::mirror && valueOf(*key, parameters) == 0) continue;
            text += formatText("%.*s %d\n", static_cast<int>(name.size()), name.data(), valueOf(*key, parameters));
        }
    const auto path = settingsPath(type);
    // The user's own settings folder is made when first needed (installed layout only: in the
    // portable layout a missing type folder is reported, as it always was).
    if (paths.settingsDirectory != paths.workingDirectory) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    if (Failure failed = replaceFileContents(path, std::vector<unsigned char>(text.begin(), text.end()))) return failed;
    return {};
}

}  // namespace brambex
