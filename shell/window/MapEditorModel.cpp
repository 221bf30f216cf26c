#include "shell/window/MapEditorModel.h"
#include "map/Translate.h"

#include <algorithm>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/Map.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"

namespace brambex {

namespace {

constexpr Rgb MASK_ON{240, 24, 204}, MASK_OFF{242, 24, 204};

bool isSpecial(Rgb c) { return c == Rgb{0, 0, 0} || c == MASK_ON || c == MASK_OFF; }

Rgb entryColour(gdImagePtr im, int entry) { return {im->red[entry], im->green[entry], im->blue[entry]}; }

void setEntry(gdImagePtr im, int entry, Rgb c) {
    im->red[entry] = c.r;
    im->green[entry] = c.g;
    im->blue[entry] = c.b;
}

}  // namespace

gdImagePtr MapEditorModel::picture() const { return map_ ? map_->image.get() : nullptr; }

bool MapEditorModel::markerKnown(gdImagePtr im) const {
    return map_->markerX >= 0 && map_->markerY >= 0 && map_->markerX < im->sx && map_->markerY < im->sy;
}

Rgb MapEditorModel::markerColour() const { return map_ && map_->indiMask ? MASK_ON : MASK_OFF; }

ColourClass classOf(Rgb c) {
    if (c.r % 2 == 0) return ColourClass::Destructable;
    return c.g % 2 ? ColourClass::Tough : ColourClass::Indestructable;
}

Rgb harder(Rgb c) {
    const ColourClass before = classOf(c);
    if (before == ColourClass::Destructable) {
        c.r += 1;
        if (c.g % 2 == 0) c.g += 1;
    } else if (before == ColourClass::Tough) {
        c.g -= 1;
    }
    if (classOf(c) != before && c.b % 2) c.b -= 1;
    return c;
}

Rgb softer(Rgb c) {
    const ColourClass before = classOf(c);
    if (before == ColourClass::Indestructable) {
        c.g += 1;
    } else if (before == ColourClass::Tough) {
        c.r -= 1;
        c.g -= 1;
    }
    if (classOf(c) != before && c.b % 2) c.b -= 1;
    return c;
}

int nudged(int value, int steps) {
    const int low = value % 2, high = 254 + value % 2;
    return std::clamp(value + 2 * steps, low, high);
}

int MapEditorModel::selectedEntry() const { return picture() ? selected_ : -1; }

bool MapEditorModel::maskEnabled() const { return map_ && map_->indiMask; }

std::array<std::string, 3> MapEditorModel::info() const {
    gdImagePtr im = picture();
    if (!im || im->trueColor || selected_ < 0 || selected_ >= im->colorsTotal) return {" ", " ", " "};
    const Rgb c = entryColour(im, selected_);
    return {std::to_string(c.r), std::to_string(c.g), std::to_string(c.b)};
}

Failure MapEditorModel::open() {
    if (gdImagePtr im = picture()) {
        openedPicture_.reset(gdImageClone(im));
        opened_ = snapshot();
        openedUndo_ = undo_;
    }
    return rebuild();
}

void MapEditorModel::accept() { openedPicture_.reset(); }

void MapEditorModel::cancel() {
    if (!map_ || !openedPicture_) return;
    map_->image = std::move(openedPicture_);
    restore(opened_);
    state_ = opened_.state;
    undo_ = openedUndo_;
    redo_.clear();
    // The buttons are made again when the editor next opens (a rebuild now would reduce a
    // full-colour map to its palette again).
    for (auto& g : groups_) g.clear();
}

MapEditorModel::Snapshot MapEditorModel::snapshot() const {
    Snapshot s;
    s.state = state_;
    if (!map_) return s;
    s.indiMask = map_->indiMask;
    s.markerX = map_->markerX;
    s.markerY = map_->markerY;
    gdImagePtr im = picture();
    if (!im) return s;
    s.colorsTotal = im->colorsTotal;
    for (int i = 0; i < 256; ++i) {
        s.red[i] = im->red[i];
        s.green[i] = im->green[i];
        s.blue[i] = im->blue[i];
        s.alpha[i] = im->alpha[i];
        s.open[i] = im->open[i];
    }
    s.pixelX = markerKnown(im) ? s.markerX : im->sx / 2 - 1;
    s.pixelY = markerKnown(im) ? s.markerY : im->sy - 1;
    if (s.pixelX >= 0 && s.pixelY >= 0)
        s.pixel = im->trueColor ? im->tpixels[s.pixelY][s.pixelX] : im->pixels[s.pixelY][s.pixelX];
    return s;
}

void MapEditorModel::restore(const Snapshot& s) {
    if (!map_) return;
    // The marker pixel of the state being left goes back to what it was in the restored one.
    gdImagePtr im = picture();
    if (im && s.pixel >= 0 && s.pixelX >= 0 && s.pixelY >= 0 && s.pixelX < im->sx && s.pixelY < im->sy) {
        if (im->trueColor) im->tpixels[s.pixelY][s.pixelX] = s.pixel;
        else im->pixels[s.pixelY][s.pixelX] = static_cast<unsigned char>(s.pixel);
    }
    map_->indiMask = s.indiMask;
    map_->markerX = s.markerX;
    map_->markerY = s.markerY;
    if (!im) return;
    im->colorsTotal = s.colorsTotal;
    for (int i = 0; i < 256; ++i) {
        im->red[i] = s.red[i];
        im->green[i] = s.green[i];
        im->blue[i] = s.blue[i];
        im->alpha[i] = s.alpha[i];
        im->open[i] = s.open[i];
    }
}

void MapEditorModel::changing() {
    undo_.push_back(snapshot());
    redo_.clear();
    state_ = nextState_++;
}

void MapEditorModel::undo() { step(undo_, redo_); }

void MapEditorModel::redo() { step(redo_, undo_); }

void MapEditorModel::step(std::vector<Snapshot>& from, std::vector<Snapshot>& to) {
    if (from.empty()) return;
    to.push_back(snapshot());
    const Snapshot target = from.back();
    from.pop_back();
    restore(target);
    state_ = target.state;
    rebuild();
}

bool MapEditorModel::reductionTakesAWhile() const {
    gdImagePtr im = picture();
    return im && im->trueColor && static_cast<long long>(im->sx) * im->sy > 2'000'000;
}

Failure MapEditorModel::reduceToPalette(const std::function<ImagePtr(gdImagePtr)>& reduce) {
    gdImagePtr im = picture();
    if (!im || !im->trueColor) return {};
    // A picture libgd cannot reduce stays true colour and unedited.
    if (!fitsPalette(im->sx, im->sy))
        return UserError{translate("Editor", "Edit Map"), tooLargeForPaletteText(im->sx, im->sy, "Force Full Colour") + " " +
                                                              translate("Editor", "It cannot be edited in the map editor.")};
    if (markerKnown(im)) im->tpixels[map_->markerY][map_->markerX] = packColour(MASK_ON.r, MASK_ON.g, MASK_ON.b);
    ImagePtr reduced = reduce(im);
    if (!reduced) return UserError{translate("Editor", "Edit Map"), translate("Editor", "The map could not be reduced to 64 colours.")};
    map_->image = std::move(reduced);
    im = picture();
    if (markerKnown(im)) {
        const Rgb c = markerColour();
        int entry = gdImageColorExact(im, c.r, c.g, c.b);
        if (entry < 0) entry = gdImageColorAllocate(im, c.r, c.g, c.b);
        if (entry < 0) entry = gdImageColorClosest(im, c.r, c.g, c.b);
        im->pixels[map_->markerY][map_->markerX] = static_cast<unsigned char>(entry);
    }
    return {};
}

Failure MapEditorModel::rebuild() {
    for (auto& g : groups_) g.clear();
    gdImagePtr im = picture();
    if (!im) return {};
    if (im->trueColor) {
        if (Failure failed = reduceToPalette(quantizeForSave)) return failed;
        im = picture();
    }
    const int first = im->pixels[0][0];
    if (first != 0) moveToIndexZero(im, first);
    setEntry(im, 0, {0, 0, 0});
    const int markerEntry = markerKnown(im) ? im->pixels[map_->markerY][map_->markerX] : -1;
    if (markerEntry >= 0) setEntry(im, markerEntry, markerColour());
    for (int entry = 1; entry < im->colorsTotal; ++entry) {
        const Rgb c = entryColour(im, entry);
        if (entry == markerEntry || isSpecial(c)) continue;
        groups_[static_cast<int>(classOf(c))].push_back({entry, c});
    }
    if (selected_ >= im->colorsTotal) selected_ = -1;
    return {};
}

Failure MapEditorModel::selectEntry(int entry) {
    gdImagePtr im = picture();
    if (!im || im->trueColor) return {};
    for (const auto& group : groups_)
        for (const Button& b : group)
            if (b.entry == entry) {
                selected_ = entry;
                return {};
            }
    return {};  // no such button: the selection stays
}

Failure MapEditorModel::pickAt(int x, int y) {
    gdImagePtr im = picture();
    if (!im || im->trueColor || x < 0 || y < 0 || x >= im->sx || y >= im->sy) return {};
    const Rgb c = entryColour(im, im->pixels[y][x]);
    if (isSpecial(c)) return {};
    return selectEntry(gdImageColorClosest(im, c.r, c.g, c.b));
}

Failure MapEditorModel::up() {
    gdImagePtr im = picture();
    if (!im || im->trueColor || selected_ < 0) return {};
    changing();
    setEntry(im, selected_, softer(entryColour(im, selected_)));
    return rebuild();
}

Failure MapEditorModel::down() {
    gdImagePtr im = picture();
    if (!im || im->trueColor || selected_ < 0) return {};
    changing();
    setEntry(im, selected_, harder(entryColour(im, selected_)));
    return rebuild();
}

void MapEditorModel::nudge(int component, int steps) {
    gdImagePtr im = picture();
    if (!im || im->trueColor || selected_ < 0 || component < 0 || component > 2) return;
    changing();
    Rgb c = entryColour(im, selected_);
    int* value = component == 0 ? &c.r : component == 1 ? &c.g : &c.b;
    *value = nudged(*value, steps);
    setEntry(im, selected_, c);
    for (auto& group : groups_)
        for (Button& b : group)
            if (b.entry == selected_) b.colour = c;
}

void MapEditorModel::setMaskEnabled(bool enabled) {
    gdImagePtr im = picture();
    if (!im) return;
    changing();
    map_->indiMask = enabled;
    const Rgb c = markerColour();
    if (markerKnown(im)) {
        if (im->trueColor) im->tpixels[map_->markerY][map_->markerX] = packColour(c.r, c.g, c.b);
        else setEntry(im, im->pixels[map_->markerY][map_->markerX], c);
        return;
    }
    // No marker yet: one at the bottom row, left of centre, in the colour the box now says.
    map_->markerX = im->sx / 2 - 1;
    map_->markerY = im->sy - 1;
    const int colour = gdImageColorAllocate(im, c.r, c.g, c.b);
    if (colour >= 0) gdImageSetPixel(im, map_->markerX, map_->markerY, colour);
}

}  // namespace brambex
