#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "map/GdImage.h"
#include "map/UserError.h"

namespace brambex {

struct Map;

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
    explicit MapEditorModel(Map* map = nullptr) : map_(map) {}
    Map* map() const { return map_; }

    struct Button {
        int entry;
        Rgb colour;
    };

    // Builds the buttons (the rebuild of the editor); a message when the map cannot be edited.
    Failure open();
    Failure rebuild();
    // A full-colour map is edited as its 64 colours: the map reduced with `reduce` (it only reads
    // the picture it is given, so the window may run it on another thread and stay alive while a
    // large map takes seconds). Nothing for a map that has its palette already.
    Failure reduceToPalette(const std::function<ImagePtr(gdImagePtr)>& reduce);
    // A reduction that takes long enough to show it (a map of millions of pixels).
    bool reductionTakesAWhile() const;

    // The buttons of each class, in palette entry order.
    const std::array<std::vector<Button>, 3>& groups() const { return groups_; }
    int selectedEntry() const;
    // "Red", "Green", "Blue" as shown: the numbers of the selected entry, or a blank each.
    std::array<std::string, 3> info() const;
    bool maskEnabled() const;

    // A colour button pressed; a click on the map at map coordinates (black and the marker colours
    // are ignored; otherwise the closest palette entry). The view shows the selection in magenta.
    Failure selectEntry(int entry);
    Failure pickAt(int mapX, int mapY);
    // Up (softer) and Down (harder) on the selected entry, then a rebuild.
    Failure up();
    Failure down();
    // The selected entry's component (0 red, 1 green, 2 blue) moved by `steps` clicks.
    void nudge(int component, int steps);
    // "Enable IndiMask": recolours the marker pixel's entry, or creates the marker.
    void setMaskEnabled(bool enabled);

    // Every change above (Up, Down, a nudge, the IndiMask) can be undone and redone, in order.
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();
    // The editor dialog: open() keeps the map as it is; OK keeps every change, Cancel puts the
    // map back as it was when the dialog opened (the palette reduction of a full-colour map too).
    void accept();
    void cancel();
    // The map differs from what the dialog found when it opened (what Cancel would take back).
    bool changedSinceOpen() const { return openedPicture_ && state_ != opened_.state; }
    // Whether the map differs from its last saved (or first shown) state; markSaved after a save.
    bool unsaved() const { return state_ != savedState_; }
    // The map differs from how it was made or loaded (changes kept, undone back to none: false).
    bool edited() const { return state_ != 0; }
    void markSaved() { savedState_ = state_; }

private:
    // What a change can touch: the palette, the marker's place, its pixel and the IndiMask flag.
    struct Snapshot {
        int state = 0;
        std::array<int, 256> red{}, green{}, blue{}, alpha{}, open{};
        int colorsTotal = 0;
        int markerX = -1, markerY = -1;
        // The marker's pixel (or, without a marker, the pixel where one would be made).
        int pixelX = -1, pixelY = -1, pixel = -1;
        bool indiMask = false;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& s);
    void changing();  // before a change: its undo step
    // Undo (from the undo stack to the redo stack) or redo (the other way).
    void step(std::vector<Snapshot>& from, std::vector<Snapshot>& to);

    gdImagePtr picture() const;
    bool markerKnown(gdImagePtr im) const;
    Rgb markerColour() const;
    Map* map_;
    int selected_ = -1;
    std::array<std::vector<Button>, 3> groups_;
    std::vector<Snapshot> undo_, redo_;
    int state_ = 0, savedState_ = 0, nextState_ = 1;
    // The map as the dialog found it, for Cancel.
    ImagePtr openedPicture_;
    Snapshot opened_;
    std::vector<Snapshot> openedUndo_;
};

}  // namespace brambex
