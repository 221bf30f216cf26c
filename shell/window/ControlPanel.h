#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "generators/MapRecipe.h"
#include "map/ProcessState.h"
#include "shell/window/TypeLayouts.h"

namespace brambex {

struct TypeRow;

// The state of one control of the main window, as the window's behaviour sees it. The Qt view
// draws exactly this; tests read and drive it directly.
struct ControlState {
    enum class Kind { Label, Value, Slider, List, Check, Radio, Button, Picture, Status, Group };
    Kind kind = Kind::Label;
    std::string text;                 // caption, label text, or the status line
    bool shown = true;
    bool enabled = true;
    int value = 0;                    // slider position or list selection (-1: none)
    int min = 0, max = 0;             // slider range
    bool checked = false;             // check boxes and radio buttons
    std::vector<std::string> items;   // list entries
};

// The main window's controls and the values they stand for, both ways, without the map on screen
// or the runs: the lists and the slider ranges, each map type's layout, the parameters the controls
// give (and a settings file or a recipe puts back on them), and the recipe they make.
class ControlPanel {
public:
    // Every control of the window, each in its start state.
    ControlPanel();
    void addControl(Control c, ControlState::Kind kind, std::string text = {});
    ControlState& control(Control c);
    const ControlState& control(Control c) const;
    const std::map<Control, ControlState>& controls() const { return controls_; }
    // The values the controls stand for (read back by refreshParameters and readAll).
    GenerationParameters& parameters() { return parameters_; }
    const GenerationParameters& parameters() const { return parameters_; }

    void fillTypeList();
    void fillLists();
    void fillThemeList();
    void hideTypeControls();
    // The type at a Game Type list position shown: its controls, ranges and status; Save Map and
    // the editor are offered when there is a map.
    void showTypeLayout(int listPosition, bool haveMap);
    void disableAll();
    void setRandomMode();
    void setManualMode();
    void applyMode();  // the choice lists follow the Manual box
    // The sliders' values (and the size, made in steps of 8) into the parameters.
    void refreshParameters();
    // Every control into the parameters.
    void readAll();
    // The parameters onto the controls (a slider's range grows to hold a value outside it).
    void showParameters();
    // What a settings file set, shown on the selected type's controls (within their ranges).
    void showSettings(const TypeRow* row);
    void setStatus(const std::string& text);
    void showThemeInList(int theme);
    void showTypeInList(int listPosition);
    // The recipe the controls stand for, with `seed`, drawing a random theme out of `themeCount`.
    MapRecipe recipe(MapType type, std::uint32_t seed, int themeCount) const;

private:
    std::map<Control, ControlState> controls_;
    GenerationParameters parameters_;
    int lastShownType_ = -1;
};

}  // namespace brambex
