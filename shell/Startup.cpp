#include "shell/Startup.h"

#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "shell/Messages.h"
#include "shell/platform/Platform.h"

namespace brambex {

std::string detectInstalledTypes() {
    std::string types;
    int next = 0;
    for (int i = 0; i < MAP_TYPE_COUNT; ++i) {
        const auto type = static_cast<MapType>(i);
        const auto marker = dataFile(std::filesystem::path(std::string(typeFolder(type))) / "filecheck.dat");
        const bool installed = fileOpens(marker);
        installedTypes.typeInstalled[i] = installed;
        installedTypes.typeListIndex[i] = installed ? next++ : 0;
        if (installed) types += mapTypeInfo[i].registryEntry;
    }
    return types.empty() ? "none" : types;
}

namespace {

bool hasThemes(const std::filesystem::path& parent) { return fileOpens(parent / "data" / "generic" / "themes" / "0" / "soil.png"); }

std::filesystem::path userFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') return std::filesystem::path(value) / "brambex";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / fallback / "brambex";
}

}  // namespace

std::optional<std::filesystem::path> installedDataParent() {
    const auto exe = platform::executablePath();
    if (!exe) return std::nullopt;
    const std::filesystem::path share = exe->parent_path().parent_path() / "share" / "brambex";
    return hasThemes(share) ? std::optional(share) : std::nullopt;
}

void chooseDataFolders() {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    if (ec) here = ".";
    // The start folder's data/ first (the portable layout, and the build folder); an installed
    // program reads its own read-only data and writes into the user's folders.
    const auto installed = hasThemes(here) ? std::nullopt : installedDataParent();
    if (!installed) {
        setWorkingDirectory(here);
        return;
    }
    const std::filesystem::path settings = userFolder("XDG_CONFIG_HOME", ".config");
    const std::filesystem::path temp = userFolder("XDG_CACHE_HOME", ".cache");
    std::filesystem::create_directories(temp, ec);
    setDataFolders(*installed, settings, temp);
    paths.userDataDirectory = userFolder("XDG_DATA_HOME", ".local/share") / "data";
}

void locateData() {
    chooseDataFolders();
    detectInstalledTypes();
}

void startUp() {
    srand(static_cast<std::uint32_t>(std::time(nullptr)));
    chooseDataFolders();
    recountThemes();
    const std::string types = detectInstalledTypes();
    platform::writeRegistryValues(types, platform::executablePath());
}

}  // namespace brambex
