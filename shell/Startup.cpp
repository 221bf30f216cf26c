#include "shell/Startup.h"
#include "map/Translate.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

// A data folder the program can run from: themes and at least one map type's marker. A stray
// data/ folder in the start folder (a theme copied there) never hides the installed data.
bool completeDataFolder(const std::filesystem::path& parent) {
    if (!hasThemes(parent)) return false;
    for (const MapTypeInfo& info : mapTypeInfo)
        if (fileOpens(parent / "data" / std::string(info.folder) / "filecheck.dat")) return true;
    return false;
}

// $VARIABLE/brambex, or $HOME/<fallback>/brambex; none when neither names an absolute folder
// (no shared folder such as /tmp is ever taken instead: another user could plant links there).
std::optional<std::filesystem::path> userFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') return std::filesystem::path(value) / "brambex";
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::filesystem::path(home) / fallback / "brambex";
    return std::nullopt;
}

// A folder the program writes its own files into: made when missing, and then it must be a real
// folder (not a link) owned by this user, and is kept writable by no one else, so no one else can
// put a link where a preview or temp.png is written.
Failure ownPrivateFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0)
        return UserError{translate("Messages", "Missing files"), formatText(translate("Messages", "The folder %s cannot be made: %s").c_str(), folder.c_str(), std::strerror(errno))};
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return UserError{translate("Messages", "Missing files"),
                         formatText(translate("Messages", "The folder %s is not a folder of your own (a link, or another user's); "
                                                          "nothing is written there.").c_str(),
                                    folder.c_str())};
    // Our own folder: others may not write into it (a umask of 002 would let the group).
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && chmod(folder.c_str(), st.st_mode & 07755) != 0)
        return UserError{translate("Messages", "Missing files"), formatText(translate("Messages", "The folder %s cannot be made private: %s").c_str(), folder.c_str(), std::strerror(errno))};
    return {};
}

}  // namespace

std::optional<std::filesystem::path> installedDataParent() {
    const auto exe = platform::executablePath();
    if (!exe) return std::nullopt;
    const std::filesystem::path share = exe->parent_path().parent_path() / "share" / "brambex";
    return hasThemes(share) ? std::optional(share) : std::nullopt;
}

Failure chooseDataFolders() {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    if (ec) here = ".";
    // The start folder's data/ first (the portable layout, and the build folder); an installed
    // program reads its own read-only data and writes into the user's folders.
    const auto installed = completeDataFolder(here) ? std::nullopt : installedDataParent();
    if (!installed) {
        setWorkingDirectory(here);
        return {};
    }
    const std::optional<std::filesystem::path> settings = userFolder("XDG_CONFIG_HOME", ".config");
    const std::optional<std::filesystem::path> temp = userFolder("XDG_CACHE_HOME", ".cache");
    const std::optional<std::filesystem::path> own = userFolder("XDG_DATA_HOME", ".local/share");
    // Read from the installed data either way; where nothing may be written, say so.
    setDataFolders(*installed, settings.value_or(std::filesystem::path()), temp.value_or(std::filesystem::path()));
    paths.userDataDirectory = own ? *own / "data" : std::filesystem::path();
    if (!settings || !temp)
        return UserError{translate("Messages", "Missing files"),
                         translate("Messages", "Neither HOME nor XDG_CONFIG_HOME and XDG_CACHE_HOME are set, so there is no folder of "
                                               "yours for the map, its previews and the settings.")};
    return ownPrivateFolder(*temp);
}

RunRequest requestFor(const MapRecipe& recipe) {
    RunRequest request;
    request.recipe = recipe;
    request.typeIndex = installedTypes.listIndex(recipe.type);
    request.folders = currentFolders();
    return request;
}

void locateData() {
    chooseDataFolders();
    detectInstalledTypes();
}

Failure startUp() {
    srand(static_cast<std::uint32_t>(std::time(nullptr)));
    if (Failure refused = chooseDataFolders()) return refused;
    recountThemes();
    const std::string types = detectInstalledTypes();
    platform::writeRegistryValues(types, platform::executablePath());
    return {};
}

}  // namespace brambex
