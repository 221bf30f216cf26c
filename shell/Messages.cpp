#include "shell/Messages.h"
#include "map/Files.h"
#include "map/Translate.h"

#include <filesystem>
#include <set>

#include <cstdio>

#include "map/ProcessState.h"
#include "map/Themes.h"

namespace brambex {

namespace {
std::function<void(const UserError&)> warningSink;
}  // namespace

void showWarning(const UserError& error) {
    if (warningSink) {
        warningSink(error);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", error.caption.c_str(), error.text.c_str());
}

void setWarningSink(std::function<void(const UserError&)> sink) { warningSink = std::move(sink); }

int recountThemes() {
    const int n = countThemes();
    // A broken theme folder of the user's is skipped, and said once.
    static std::set<std::filesystem::path> told;
    for (const auto& folder : currentFolders().unusableUserThemes(n))
        if (told.insert(folder).second)
            showWarning({translate("Messages", "Missing files"),
                         formatText(translate("Messages", "The theme folder %s has no soil.png that can be read; the installed theme "
                                                          "of its number is used.").c_str(),
                                    folder.c_str())});
    if (n == 0 && !mapState.themesWarned) {
        showWarning(missingThemesWarning());
        mapState.themesWarned = true;
    }
    return n;
}

}  // namespace brambex
