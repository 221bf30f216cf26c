#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "map/MapTypes.h"

namespace brambex {

// The values of the window's controls (or the command line's settings and options) that a map's
// recipe is made from: the shell gathers them here and turns them into a recipe; a run never
// reads them.
struct GenerationParameters {
    int width = 1920;
    int height = 696;
    int objects = 50;
    int bnaObjects = 25;
    int complexity = 20;
    int pathSize = 232;
    int padding = 1;
    int pads = 50;
    int numIslands = 1;
    int smoothing = 0;
    int noTopSoil = 0;  // 1: soil only (Rope Race)
    int bnaStyle = 0;
    int bnaAlgorithm = 0;
    int shopperLayout = 0;
    int fortBrick = 0;
    bool fortGrass = false;
    int themeChoice = 0;
    bool manualMode = false;
    bool keepSeed = false;
    int mirror = 0;  // 1: the left half made and mirrored onto the right (the types that allow it)
};

// The shell's own state between runs (the window's or the command line's): the seed a Generate
// without one starts from, the installed theme count, the type shown. A run never reads it: the
// shell copies what a run needs into its request, and a map's identity lives in its generator.
struct MapState {
    std::uint32_t mapSeed = 12345;
    int themeCount = 0;
    bool themesWarned = false;
    bool showTransparency = false;
    int currentTypeIndex = 0;
};

// Where a run reads its artwork: the data folder and, in an installed layout, the user's own
// data folder whose theme folders stand beside (or replace) the installed ones.
struct DataFolders {
    std::filesystem::path data;      // <parent>/data
    std::filesystem::path userData;  // the user's data folder, or empty

    // <data>/generic/themes/<theme>/<name>, from the user's folder when it has that theme (a
    // folder whose soil.png opens).
    std::filesystem::path themeFile(int theme, const std::filesystem::path& name) const;
    // The user's theme folders that are no usable theme (their soil.png does not open), among
    // numbers 0 to `upTo`.
    std::vector<std::filesystem::path> unusableUserThemes(int upTo) const;
    // <data>/<relative>
    std::filesystem::path file(const std::filesystem::path& relative) const { return data / relative; }
};

// Paths fixed at start-up from the start directory.
struct Paths {
    std::filesystem::path workingDirectory;   // the data folder's parent: every picture is read there
    std::filesystem::path settingsDirectory;  // <this>/data/<type>/settings.dat (the start folder, or the user's config)
    std::filesystem::path tempDirectory;      // previews, temp.png, themeprev.png (data/temp, or the user's cache)
    std::filesystem::path userDataDirectory;  // installed layout: the user's own data/ (themes they add); else empty
    std::filesystem::path previewPath;
    std::filesystem::path previewPath2;
    std::filesystem::path busyPicturePath[2];
    std::filesystem::path currentMapPath;
};

extern MapState mapState;
extern Paths paths;
extern InstalledTypes installedTypes;

// Sets workingDirectory and derives every path from it: the portable layout, where the program
// reads and writes its data folder in the start folder.
void setWorkingDirectory(const std::filesystem::path& directory);

// An installed layout: pictures read under `dataParent`/data, settings files written under
// `settingsParent`/data/<type>, previews and temp.png in `tempFolder`.
void setDataFolders(const std::filesystem::path& dataParent, const std::filesystem::path& settingsParent,
                    const std::filesystem::path& tempFolder);

// Puts every process-wide value back to its start-up state, the live generator included (tests
// use this between cases).
void resetProcessState();

// The folders a run of this process reads, from `paths`.
DataFolders currentFolders();

// workingDirectory/data/generic/themes/<theme>/<name>
std::filesystem::path themeFile(int theme, const std::filesystem::path& name);

// workingDirectory/data/<relative>
std::filesystem::path dataFile(const std::filesystem::path& relative);

}  // namespace brambex
