#include "map/ProcessState.h"

#include <string>

#include "map/Generator.h"

namespace brambex {

GenerationParameters params;
MapState mapState;
Paths paths;
InstalledTypes installedTypes;

void setWorkingDirectory(const std::filesystem::path& directory) {
    setDataFolders(directory, directory, directory / "data" / "temp");
}

void setDataFolders(const std::filesystem::path& directory, const std::filesystem::path& settingsParent,
                    const std::filesystem::path& temp) {
    paths.workingDirectory = directory;
    paths.userDataDirectory.clear();
    paths.settingsDirectory = settingsParent;
    paths.tempDirectory = temp;
    const auto interface = directory / "data" / "interface";
    paths.previewPath = temp / "preview.png";
    paths.previewPath2 = temp / "preview2.png";
    paths.busyPicturePath[0] = interface / "gen1.bmp";
    paths.busyPicturePath[1] = interface / "gen2.bmp";
}

void resetProcessState() {
    currentGenerator.reset();
    params = GenerationParameters{};
    mapState = MapState{};
    installedTypes = InstalledTypes{};
    paths = Paths{};
    setWorkingDirectory(std::filesystem::path("."));
}

std::filesystem::path themeFile(int theme, const std::filesystem::path& name) {
    // A theme folder the user added to their own data folder is found beside the installed ones.
    if (!paths.userDataDirectory.empty()) {
        const auto own = paths.userDataDirectory / "generic" / "themes" / std::to_string(theme);
        std::error_code ec;
        if (std::filesystem::is_directory(own, ec)) return own / name;
    }
    return paths.workingDirectory / "data" / "generic" / "themes" / std::to_string(theme) / name;
}

std::filesystem::path dataFile(const std::filesystem::path& relative) {
    return paths.workingDirectory / "data" / relative;
}

}  // namespace brambex
