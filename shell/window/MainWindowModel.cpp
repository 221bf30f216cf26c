#include "shell/window/MainWindowModel.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <fstream>
#include <new>
#include <thread>

#include "map/Files.h"
#include "map/Translate.h"
#include "map/GdImage.h"
#include "map/Map.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "map/WinException.h"
#include "generators/Run.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"
#include "mapfile/Preview.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

namespace fs = std::filesystem;
using K = ControlState::Kind;
using C = Control;

namespace {

const char* const STYLE_FOLDERS[] = {"ball", "matrix", "pool", "rugby", "smilies", "space"};
const char* const STYLE_STATUS[] = {
    QT_TRANSLATE_NOOP("Window", "Balls Selected"), QT_TRANSLATE_NOOP("Window", "Matrix Selected"),
    QT_TRANSLATE_NOOP("Window", "Pool Selected"),  QT_TRANSLATE_NOOP("Window", "Rugby Selected"),
    QT_TRANSLATE_NOOP("Window", "Smilies Selected"), QT_TRANSLATE_NOOP("Window", "Space Selected")};

}  // namespace

MainWindowModel::MainWindowModel(WindowServices& services) : services_(services) {
    std::error_code ec;
    lastFolder_ = fs::current_path(ec);
    control(C::StylePreview).shown = false;
}

MainWindowModel::~MainWindowModel() = default;


void MainWindowModel::guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (const WinException& e) {
        services_.showMessage({translate("Window", "Exception"), e.what()});
    } catch (const std::bad_alloc&) {
        services_.showMessage({translate("Window", "Exception"), translate("Window", "Out of memory")});
    } catch (...) {
        services_.showMessage({translate("Window", "Exception"), translate("Window", "Unknown")});
    }
    // Every command ends with the controls read back, also after a failure.
    try {
        refreshParameters();
    } catch (...) {
    }
}

// ---------------------------------------------------------------- initialisation and layout

// ---------------------------------------------------------------- input

void MainWindowModel::moveSlider(Control slider, int position) {
    guarded([&] {
        ControlState& s = control(slider);
        if (!s.enabled || !s.shown) return;
        // Sizes are made in steps of 8: the slider stays on the size the map will have.
        if (slider == C::Width || slider == C::Height) position = std::clamp(position, s.min, s.max) / 8 * 8;
        const int before = s.value;
        s.value = std::clamp(position, s.min, s.max);
        if (s.value != before) liveUpdate();
    });
}

void MainWindowModel::select(Control list, int entry) {
    ControlState& s = control(list);
    if (!s.enabled) return;
    if (entry >= -1 && entry < static_cast<int>(s.items.size())) s.value = entry;
    guarded([&] {
        command(list);
        // The number of teams changes only what the figures are for, not the map.
        if (list != C::GameType && list != C::Water && list != C::Teams) liveUpdate();
    });
}

void MainWindowModel::setChecked(Control box, bool checked) {
    ControlState& s = control(box);
    if (!s.enabled) return;
    if (box == C::Random || box == C::Manual) {
        // Radio buttons: clicking one checks it and clears the other.
        if (!checked) return;
        control(C::Random).checked = box == C::Random;
        control(C::Manual).checked = box == C::Manual;
    } else {
        s.checked = checked;
    }
    guarded([&] {
        command(box);
        if (box != C::Modify && box != C::ShowTransparency && box != C::ForceFullColour) liveUpdate();
    });
}

void MainWindowModel::press(Control button) {
    if (!control(button).enabled) return;
    guarded([&] { command(button); });
}

void MainWindowModel::menu(MenuCommand m) {
    guarded([&] {
        switch (m) {
        case MenuCommand::Exit:
            if (!mayReplaceMap()) break;
            quitting_ = true;
            waitForWorker();
            services_.quit();
            break;
        case MenuCommand::Save:
            if (busy()) break;
            saveToOwnFile();
            resumeLive();
            break;
        case MenuCommand::About:
            services_.runAbout();
            break;
        case MenuCommand::Settings: {
            bool removeBackground = removeBackground_, module = useModule_;
            if (services_.runSettings(removeBackground, module)) removeBackground_ = removeBackground;
            break;
        }
        case MenuCommand::SaveMap:
            if (busy()) break;
            saveMap();
            resumeLive();
            break;
        case MenuCommand::LoadMap:
            if (!busy()) loadMap(std::nullopt);
            break;
        case MenuCommand::IndiMask:
            if (!busy() && session_.hasPicture()) command(C::EditMap);
            break;
        case MenuCommand::MapFromCode:
            if (busy()) break;
            if (const std::optional<std::string> code = services_.askMapCode()) makeFromCode(*code);
            break;
        }
    });
}

void MainWindowModel::dropFile(const fs::path& path) {
    if (busy()) return;
    guarded([&] { loadMap(path); });
}

void MainWindowModel::setSeedText(const std::string& text) { seedText_ = text; }

std::optional<std::uint32_t> MainWindowModel::shownSeed() const {
    // A picture loaded without our chunks has no seed, and none is made up for it.
    if (busy() || !session_.hasPicture() || !session_.map()->hasIdentity) return std::nullopt;
    return session_.map()->seed;
}

void MainWindowModel::command(Control c) {
    switch (c) {
    case C::ResetAll: resetAll(); break;
    case C::GameType: gameTypeChanged(); break;
    case C::Water:
        if (session_.map()) {
            session_.map()->waterColour = std::max(0, control(C::Water).value);
            refreshMapCode();
        }
        break;
    case C::SaveMap:
        saveMap();
        resumeLive();
        break;
    case C::LoadMap: loadMap(std::nullopt); break;
    case C::Random: setRandomMode(); break;
    case C::Manual: setManualMode(); break;
    case C::Generate: generate(); break;
    case C::ShowTransparency: showTransparencyChanged(); break;
    case C::Style: styleChanged(); break;
    case C::Theme:
        refreshParameters();
        rebuildThemePreview();
        break;
    case C::Brick:
        panel_.parameters().fortBrick = std::max(0, control(C::Brick).value);
        setStatus(translate("Window", "Brick Changed"));
        break;
    case C::Modify: control(C::Grass).enabled = control(C::Modify).checked; break;
    case C::EditMap:
        control(C::ForceFullColour).enabled = false;
        services_.runEditor(session_.editor());
        // Whatever the dialog changed (or took back), the view and the previews show it now.
        if (session_.hasPicture()) pictureChanged();
        break;
    case C::SaveSettings:
        refreshParameters();
        if (const TypeRow* row = selectedRow()) {
            if (Failure failed = saveTypeSettings(row->type, panel_.parameters())) services_.showMessage(*failed);
            else setStatus(formatText(translate("Window", "Settings saved for %s").c_str(), std::string(row->info().listText).c_str()));
        }
        break;
    default: break;
    }
}

// ---------------------------------------------------------------- commands

void MainWindowModel::styleChanged() {
    const int style = control(C::Style).value;
    if (style < 0 || style > 5) {
        stylePreview_.clear();
    } else {
        stylePreview_ = paths.workingDirectory / "data" / "bna" / STYLE_FOLDERS[style] / "pre.bmp";
        panel_.parameters().bnaStyle = style;
        setStatus(translated("Window", STYLE_STATUS[style]));
    }
    ++pictureVersion_;
}

void MainWindowModel::rebuildThemePreview() {
    themePreview_.clear();
    ++pictureVersion_;
    ImagePtr soil = loadArt(themeFile(panel_.parameters().themeChoice, "soil.png"));
    if (!soil) return;
    ImagePtr swatch = tryCreateTrueColour(32, 32);
    if (!swatch) return;
    gdImageCopyResampled(swatch.get(), soil.get(), 0, 0, 0, 0, 32, 32, soil->sx, soil->sy);
    const fs::path out = paths.tempDirectory / "themeprev.png";
    if (Failure failed = replaceFileContents(out, encodePng(swatch.get()), false)) {
        services_.showMessage(*failed);
        return;
    }
    themePreview_ = out;
}

fs::path MainWindowModel::backgroundPicture() const { return paths.workingDirectory / "data" / "interface" / "main.bmp"; }

bool MainWindowModel::stylePreviewShown() const {
    return typeAtListPosition(mapState.currentTypeIndex) == MapType::BnA && !stylePreview_.empty();
}

bool MainWindowModel::themePreviewShown() const { return control(C::ThemePreview).shown && !themePreview_.empty(); }

}  // namespace brambex
