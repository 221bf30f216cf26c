#include "map/ProcessState.h"

#include <string>

#include "map/Files.h"


namespace brambex {

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
    mapState = MapState{};
    installedTypes = InstalledTypes{};
    paths = Paths{};
    setWorkingDirectory(std::filesystem::path("."));
}

std::filesystem::path DataFolders::themeFile(int theme, const std::filesystem::path& name) const {
    // A theme folder the user added to their own data folder is found beside the installed ones.
    // A user theme whose soil does not open (missing, a pipe, a link to a device or in a loop) is
    // no theme: the installed one of its number stays in use.
    if (!userData.empty()) {
        const auto own = userData / "generic" / "themes" / std::to_string(theme);
        std::error_code ec;
        if (std::filesystem::is_directory(own, ec) && fileOpens(own / "soil.png")) return own / name;
    }
    return data / "generic" / "themes" / std::to_string(theme) / name;
}

std::vector<std::filesystem::path> DataFolders::unusableUserThemes(int upTo) const {
    std::vector<std::filesystem::path> broken;
    if (userData.empty()) return broken;
    for (int theme = 0; theme <= upTo; ++theme) {
        const auto own = userData / "generic" / "themes" / std::to_string(theme);
        std::error_code ec;
        if (std::filesystem::is_directory(own, ec) && !fileOpens(own / "soil.png")) broken.push_back(own);
    }
    return broken;
}

DataFolders currentFolders() { return {paths.workingDirectory / "data", paths.userDataDirectory}; }

std::filesystem::path themeFile(int theme, const std::filesystem::path& name) {
    return currentFolders().themeFile(theme, name);
}

std::filesystem::path dataFile(const std::filesystem::path& relative) {
    return paths.workingDirectory / "data" / relative;
}

}  // namespace brambex
