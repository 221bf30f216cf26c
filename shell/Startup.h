#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "generators/Run.h"
#include "map/UserError.h"

namespace brambex {

// Start-up up to the choice between window and command line, in order: the random source,
// workingDirectory and the paths from it, the theme count (with its one-time warning), the
// installed map types and the registry values. Refused (nothing written anywhere) when an
// installed program has no folder of the user's to write into.
Failure startUp();

// Where data is read and written: the start folder's data/ when it holds themes (portable), else
// the installed data beside the program (<prefix>/share/brambex, read only) with settings files in
// the user's config folder and previews in the user's cache folder.
// The refusal when the user's folders cannot be known or are not the user's own.
Failure chooseDataFolders();
std::optional<std::filesystem::path> installedDataParent();

// The working directory (and the paths from it) and the installed types, without writing anything:
// enough for --help.
void locateData();

// A run of `recipe` in this process: the type's list position and the data folders (the shell's
// one place for them).
RunRequest requestFor(const MapRecipe& recipe);

// Marks the installed types (marker file present and a generator in this build) and gives them
// consecutive Game Type list positions; returns the "Types" string ("none" when empty).
std::string detectInstalledTypes();

}  // namespace brambex
