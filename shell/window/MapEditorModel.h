#pragma once

#include <array>
#include <string>
#include <vector>

#include "map/GdImage.h"
#include "map/UserError.h"

namespace brambex {

class Generator;

// How hard a land colour is for the game, carried in the lowest bits of its red and green:
// red even: destructable; red odd and green odd: tough; red odd and green even: indestructable.
enum class ColourClass { Destructable = 0, Tough = 1, Indestructable = 2 };

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

ColourClass classOf(Rgb c);
// One class harder (Down) or softer (Up); a colour already at the end stays. Whenever the class
// changes, an odd blue is lowered by one.
Rgb harder(Rgb c);
Rgb softer(Rgb c);
// A component moved by `steps` x 2, kept within 0-255 at its own parity (0..254 for even values,
// 1..255 for odd), so nudging never changes a colour's class.
int nudged(int value, int steps);

// The map editor's behaviour on one map's picture: its colour buttons by class, the selected
// entry, Up and Down, nudging, the IndiMask marker. The window makes one for each map it shows;
// its selection survives closing and reopening the editor, and a new map starts with none.
class MapEditorModel {
public:
    // Edits `map` (none: nothing to edit), which must outlive this editor.
    explicit MapEditorModel(Generator* map = nullptr) : map_(map) {}
    Generator* map() const { return map_; }

    struct Button {
        int entry;
        Rgb colour;
    };

    // Builds the buttons (the rebuild of the editor); a message when the map cannot be edited.
    Failure open();
    Failure rebuild();

    // The buttons of each class, in palette entry order.
    const std::array<std::vector<Button>, 3>& groups() const { return groups_; }
    int selectedEntry() const;
    // "Red", "Green", "Blue" as shown: the numbers of the selected entry, or a blank each.
    std::array<std::string, 3> info() const;
    bool maskEnabled() const;

    // A colour button pressed; a click on the map at map coordinates (black and the marker colours
    // are ignored; otherwise the closest palette entry). Both show the selection in magenta in the
    // editor picture (previewPath2).
    Failure selectEntry(int entry);
    Failure pickAt(int mapX, int mapY);
    // Up (softer) and Down (harder) on the selected entry, then a rebuild.
    Failure up();
    Failure down();
    // The selected entry's component (0 red, 1 green, 2 blue) moved by `steps` clicks.
    void nudge(int component, int steps);
    // "Enable IndiMask": recolours the marker pixel's entry, or creates the marker.
    void setMaskEnabled(bool enabled);

private:
    gdImagePtr picture() const;
    bool markerKnown(gdImagePtr im) const;
    Rgb markerColour() const;
    Failure showSelection();
    Generator* map_;
    int selected_ = -1;
    std::array<std::vector<Button>, 3> groups_;
};

}  // namespace brambex
