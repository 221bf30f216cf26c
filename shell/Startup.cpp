#include "shell/Startup.h"

#include <ctime>
#include <filesystem>

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
        const bool installed = fileOpens(marker) && typeRow(type).hasGenerator();
        installedTypes.typeInstalled[i] = installed;
        installedTypes.typeListIndex[i] = installed ? next++ : 0;
        if (installed) types += mapTypeInfo[i].registryEntry;
    }
    return types.empty() ? "none" : types;
}

void locateData() {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    setWorkingDirectory(ec ? std::filesystem::path(".") : here);
    detectInstalledTypes();
}

void startUp() {
    srand(static_cast<std::uint32_t>(std::time(nullptr)));
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    setWorkingDirectory(ec ? std::filesystem::path(".") : here);
    recountThemes();
    const std::string types = detectInstalledTypes();
    platform::writeRegistryValues(types, platform::executablePath());
}

}  // namespace brambex
