#include "map/ThemeObjects.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "map/ArtworkCache.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/RowBands.h"
#include "map/RowScan.h"

namespace brambex {

namespace {

constexpr int KEY = 0;  // the key colour of object pictures: never drawn

using Kind = ObjectKind;

using ObjectSet = std::vector<ImagePtr>;  // an empty slot holds none

}  // namespace

void normaliseObjectPicture(ImagePtr& slot) {
    if (!slot) return;
    ImagePtr normal = tryCreateTrueColour(slot->sx, slot->sy);
    if (normal) {
        gdImageColorTransparent(normal.get(), KEY);
        copyPicture(normal.get(), slot.get(), 0, 0);
    }
    slot = std::move(normal);
}

ImagePtr mirrorObjectPicture(gdImagePtr picture) {
    ImagePtr mirror = mirroredCopy(picture);
    normaliseObjectPicture(mirror);
    return mirror;
}

namespace {

// The object sets of a theme, as placement draws from them. Floor and roof: each picture
// followed by its mirror. Left: the left pictures, then the right ones mirrored. Right: the mirror
// of each left one.
struct ObjectSets {
    ObjectSet floor, roof, left, right;
};

ObjectSets loadObjectSets(const DataFolders& folders, int theme) {
    enum Folder { FLOOR, ROOF, LEFT, RIGHT, FOLDERS };
    static const char* const names[FOLDERS] = {"floor", "roof", "left", "right"};
    // A folder's pictures are 0.png, 1.png, ... up to the first number missing.
    struct Item {
        Folder folder;
        std::filesystem::path file;
        ImagePtr picture, mirror, mirrorOfMirror;
    };
    std::vector<Item> items;
    for (int f = 0; f < FOLDERS; ++f) {
        const auto directory = folders.themeFile(theme, std::filesystem::path("objects") / names[f]);
        for (int i = 0; fileOpens(directory / (std::to_string(i) + ".png")); ++i)
            items.push_back({static_cast<Folder>(f), directory / (std::to_string(i) + ".png"), nullptr, nullptr, nullptr});
    }
    // Read, and mirrored as the sets need them, on both cores.
    loadOnBothCores(items.size(), [&](std::size_t i) {
        Item& item = items[i];
        item.picture = loadObjectArt(item.file);
        normaliseObjectPicture(item.picture);
        item.mirror = mirrorObjectPicture(item.picture.get());
        // A right picture's mirror is a left one, whose own mirror is in the right set.
        if (item.folder == RIGHT) item.mirrorOfMirror = mirrorObjectPicture(item.mirror.get());
    });
    ObjectSets sets;
    for (Item& item : items) {
        switch (item.folder) {
            case FLOOR:
            case ROOF: {
                ObjectSet& set = item.folder == FLOOR ? sets.floor : sets.roof;
                set.push_back(std::move(item.picture));
                set.push_back(std::move(item.mirror));
                break;
            }
            case LEFT:
                sets.left.push_back(std::move(item.picture));
                sets.right.push_back(std::move(item.mirror));
                break;
            default: break;
        }
    }
    for (Item& item : items)
        if (item.folder == RIGHT) {
            sets.left.push_back(std::move(item.mirror));
            sets.right.push_back(std::move(item.mirrorOfMirror));
        }
    return sets;
}

}  // namespace

ObjectProbe probeObjectPicture(gdImagePtr picture, ObjectKind kind) {
    const int w = picture->sx, h = picture->sy;
    ObjectProbe p;
    bool alongRow = true;
    switch (kind) {
        case Kind::Floor: p.line = h - std::min(h / 20, 5); break;
        case Kind::Roof: p.line = std::min(h / 20, 5); break;
        case Kind::Left: p.line = w - std::min(w / 20, 10); alongRow = false; break;
        case Kind::Right: p.line = std::min(w / 20, 10); alongRow = false; break;
    }
    const int length = alongRow ? w : h;
    // A line outside the picture (pictures under 20 pixels) reads as key colour.
    auto at = [&](int k) {
        if (alongRow) return p.line < h ? picture->tpixels[p.line][k] : KEY;
        return p.line < w ? picture->tpixels[k][p.line] : KEY;
    };
    int lead = 0;
    while (lead < length && at(lead) == KEY) ++lead;
    p.anchor = lead < length ? lead : length / 2;
    int run = 0;
    while (lead + run < length && at(lead + run) != KEY) ++run;
    if (lead + run < length) p.anchor += run / 2;
    p.span = std::abs(run - lead) / 2;
    return p;
}

namespace {

// Whether `holds(i)` is true for every i in [0, n), taken 0, 8, 16, ..., then 1, 9, ... (each
// once); false at the first that is not.
template <typename Holds>
bool everyEighthFirst(int n, Holds holds) {
    for (int start = 0; start < 8; ++start)
        for (int i = start; i < n; i += 8)
            if (!holds(i)) return false;
    return true;
}

struct Box {
    int left = 0, top = 0;
};

class ObjectPlacer {
public:
    ObjectPlacer(gdImagePtr picture, gdImagePtr edges, const int markers[4], int air, int mapWidth, int mapHeight)
        : pic_(picture), edges_(edges), air_(air), wg_(mapWidth), hg_(mapHeight) {
        std::copy(markers, markers + 4, markers_);
    }

    // One attempt with a set: up to n tries from a random slot on; the first that fits is drawn.
    void attempt(const ObjectSet& set, Kind kind, int x, int y) {
        const int n = static_cast<int>(set.size());
        int s = rand() % n;
        for (int tries = 0; tries < n; ++tries) {
            s = (s + 1) % n;
            gdImagePtr object = set[static_cast<std::size_t>(s)].get();
            if (!object) continue;
            Box box;
            if (fits(object, kind, x, y, box)) {
                draw(object, box);
                return;
            }
        }
    }

private:
    bool inside(const Box& b, int w, int h) const {
        return b.top >= 0 && b.left >= 0 && b.left + w <= pic_->sx && b.top + h <= pic_->sy;
    }

    bool fits(gdImagePtr object, Kind kind, int x, int y, Box& box) const {
        const int w = object->sx, h = object->sy;
        ObjectProbe p = probeObjectPicture(object, kind);
        const bool horizontal = kind == Kind::Floor || kind == Kind::Roof;
        auto place = [&] {
            if (horizontal) box = {x - p.anchor, y - p.line};
            else box = {x - p.line, y - p.anchor};
        };
        place();
        // Shift the probe line until the box lies inside the map, within the picture's extent.
        while (!inside(box, w, h)) {
            if (kind == Kind::Floor && p.line < h) ++p.line;
            else if (kind == Kind::Roof && p.line > 0) --p.line;
            else if (kind == Kind::Left && p.line > 0) --p.line;
            else if (kind == Kind::Right && p.line < w) ++p.line;
            else break;
            place();
        }
        if (!preChecks(kind, p, w, h, x, y)) return false;
        return roomCheck(kind, p, w, h, x, y, box);
    }

    bool preChecks(Kind kind, const ObjectProbe& p, int w, int h, int x, int y) const {
        const int row = p.line, column = p.line, ax = p.anchor, ay = p.anchor;
        switch (kind) {
            case Kind::Floor: return y > row && x > w - ax && x < wg_ - ax && y < hg_ - h + row;
            case Kind::Roof: return y > row && y < hg_ - row && x > ax && x < wg_ - ax;
            case Kind::Left: return y > ay && x > w - column && x < wg_ - w + column && y < hg_ - ay;
            case Kind::Right: return x > column && y > ay && x < wg_ - w + column && y < hg_ - h + ay;
        }
        return false;
    }

    // Whether n pixels of the edge map hold no object (each none or a marker colour), and of the
    // map are all air. Without an early way out, so the compiler checks several pixels at once.
    bool allMarkers(const int* e, int n) const {
        const int m0 = markers_[0], m1 = markers_[1], m2 = markers_[2], m3 = markers_[3];
        int object = 0;
        for (int i = 0; i < n; ++i) {
            const int c = e[i];
            object |= (c != 0) & (c != m0) & (c != m1) & (c != m2) & (c != m3);
        }
        return !object;
    }
    bool allAir(const int* m, int n) const {
        int land = 0;
        for (int i = 0; i < n; ++i) land |= m[i] != air_;
        return !land;
    }

    // Contact: the surface under the object's base must be land. Band: the lines from the
    // surface out to 20 beyond the object must be free of earlier objects, and air except the
    // few lines nearest the surface.
    bool roomCheck(Kind kind, const ObjectProbe& p, int w, int h, int x, int y, const Box& box) const {
        if (p.span <= 0 || !inside(box, w, h)) return false;
        const int W = pic_->sx, H = pic_->sy;
        int** pic = pic_->tpixels;
        int** edge = edges_->tpixels;
        const int span = p.span;
        const bool horizontal = kind == Kind::Floor || kind == Kind::Roof;

        // Contact line: a row across the base for floor and roof, a column for the walls.
        int contact = 0;
        bool testContact = true;
        switch (kind) {
            case Kind::Floor: contact = y + (h - p.line); testContact = contact >= 0 && contact < H; break;
            case Kind::Roof: contact = y - p.line; testContact = contact != 0; break;
            case Kind::Left: contact = x + (w - p.line); testContact = contact >= 0 && contact < W; break;
            case Kind::Right: contact = x - p.line; testContact = contact != 0; break;
        }
        if (testContact) {
            const int centre = horizontal ? x : y;
            const int limit = horizontal ? W : H;
            for (int k = std::max(0, centre - span); k <= centre + span - 1; ++k) {
                if (k >= limit) break;  // beyond the right or bottom edge ends the test
                const int c = horizontal ? pic[contact][k] : pic[k][contact];
                if (c == air_) return false;
            }
        }

        const int lim = horizontal ? std::min(h / 4, 40) : std::min(w / 4, 40);
        // The band is a rectangle: lines [first, last] across the box, each some k lines out
        // from the surface. Every line must lie inside the map and hold no earlier object, and
        // those past the first `lim` lines ([airFirst, airLast]) must be air. It is checked a
        // row of pixels at a time whichever way the lines run: the answer does not depend on the
        // order, and columns would cost a cache miss a pixel.
        auto band = [&](int first, int last, int airFirst, int airLast) {
            if (first > last) return true;
            if (first < 0 || last >= (horizontal ? H : W)) return false;
            airFirst = std::max(airFirst, first);
            airLast = std::min(airLast, last);
            // Rows are taken every eighth first, nearest the surface first: what is in the way
            // is mostly larger than that and near the surface, so most refusals come early.
            if (horizontal) {
                const bool down = kind == Kind::Floor;
                return everyEighthFirst(last - first + 1, [&](int i) {
                    const int line = down ? last - i : first + i;
                    return allMarkers(edge[line] + box.left, w) &&
                           (line < airFirst || line > airLast || allAir(pic[line] + box.left, w));
                });
            }
            return everyEighthFirst(h, [&](int i) {
                const int r = box.top + i;
                return allMarkers(edge[r] + first, last - first + 1) &&
                       (airFirst > airLast || allAir(pic[r] + airFirst, airLast - airFirst + 1));
            });
        };
        // Floor and left walls: the band runs out to lower coordinates, line = surface - k.
        // Roof and right walls: to higher ones, line = surface + k.
        switch (kind) {
            case Kind::Floor: return band(y - (p.line + 20), y - 1, y - (p.line + 20), y - lim - 1);
            case Kind::Roof: return band(y + p.line, y + h + 19, y + lim + 1, y + h + 19);
            case Kind::Left: return band(x - (p.line + 20), x - 1, x - (p.line + 20), x - lim - 1);
            case Kind::Right: return band(x + p.line, x + w + 19, x + lim + 1, x + w + 19);
        }
        return true;
    }

public:
    // Where objects were drawn on the edge map: left, top, width, height.
    struct Drawn {
        int left, top, width, height;
    };
    const std::vector<Drawn>& drawn() const { return drawn_; }

private:
    void draw(gdImagePtr object, const Box& box) {
        for (int r = 0; r < object->sy; ++r) {
            const int* in = object->tpixels[r];
            int* out = edges_->tpixels[box.top + r] + box.left;
            for (int c = 0; c < object->sx; ++c)
                if (in[c] != KEY) out[c] = in[c] & 0xFFFFFF;
        }
        drawn_.push_back({box.left, box.top, object->sx, object->sy});
    }

    gdImagePtr pic_;
    gdImagePtr edges_;
    int markers_[4];
    int air_;
    int wg_, hg_;
    std::vector<Drawn> drawn_;
};

// One row of the merge: where the map is air it takes the edge map's pixel: an object, or air
// again for a marker colour.
void mergeRow(int* out, const int* e, int w, int air, const int (&markers)[4]) {
    const int m0 = markers[0], m1 = markers[1], m2 = markers[2], m3 = markers[3];
    for (int x = 0; x < w; ++x) {
        const int c = e[x];
        const bool marker = (c == m0) | (c == m1) | (c == m2) | (c == m3);
        const int object = marker ? 0 : c;
        out[x] = out[x] == air ? object : out[x];
    }
}

}  // namespace

void placeThemeObjects(gdImagePtr picture, gdImagePtr edges, int floorColour, int ceilingColour, int leftColour,
                       int rightColour, int airColour, const ObjectPlacement& placement) {
    int threshold = 250 + rand() % 150;
    int counter = 0;

    const int theme = placement.theme;
    ObjectSets sets = loadObjectSets(placement.folders, theme);
    const ObjectSet &floorSet = sets.floor, &roofSet = sets.roof, &leftSet = sets.left, &rightSet = sets.right;

    const int markers[4] = {floorColour, ceilingColour, leftColour, rightColour};
    ObjectPlacer placer(picture, edges, markers, airColour, placement.mapWidth, placement.mapHeight);
    const int objects = placement.objects;
    const int w = picture->sx, h = picture->sy;

    // Every pixel counts, row by row from the bottom, right to left; once the count reaches the
    // threshold the next marker pixel with objects is considered. Runs that cannot hold such a
    // pixel (below the threshold, or empty edge map) are counted in one step.
    for (int y = h - 1; y >= 0; --y) {
        const int* row = edges->tpixels[y];
        int x = w - 1;
        while (x >= 0) {
            if (counter < threshold) {
                const int step = std::min(threshold - counter, x + 1);
                counter += step;
                x -= step;
                continue;
            }
            const int next = previousNonZero(row, x);
            counter += x - next;
            x = next;
            if (x < 0) break;
            const int c = row[x];
            const ObjectSet* set = nullptr;
            Kind kind = Kind::Floor;
            if (c == floorColour && !floorSet.empty()) set = &floorSet, kind = Kind::Floor;
            else if (c == ceilingColour && !roofSet.empty()) set = &roofSet, kind = Kind::Roof;
            else if (c == leftColour && !leftSet.empty()) set = &leftSet, kind = Kind::Left;
            else if (c == rightColour && !rightSet.empty()) set = &rightSet, kind = Kind::Right;
            if (set) {
                if (rand() % 1000 < objects) placer.attempt(*set, kind, x, y);
                counter = 0;
                // After a right-wall pixel the gap is often negative: the next marker is taken at once.
                threshold = kind == Kind::Right ? rand() % 100 - objects : rand() % 150;
            }
            ++counter;
            --x;
        }
    }

    // Merge: objects stay only where the map is air, behind the land; marker colours leave no
    // trace. Where no object was drawn, an air pixel's edge-map value is none or a marker
    // colour, both of which merge to air again: with (0,0,0) as air only the drawn boxes can
    // change. (The edge map is not needed afterwards, so only the map is written.)
    gdImageColorTransparent(picture, airColour);
    if (airColour == 0) {
        // Each row on its own (boxes may overlap, but a row is only ever merged by one band):
        // a large map's rows in two bands at once.
        inRowBands(h, static_cast<long long>(w) * h, [&](int y0, int y1) {
            for (const auto& box : placer.drawn())
                for (int y = std::max(box.top, y0); y < std::min(box.top + box.height, y1); ++y)
                    mergeRow(picture->tpixels[y] + box.left, edges->tpixels[y] + box.left, box.width, airColour, markers);
        });
    } else {
        for (int y = 0; y < h; ++y) mergeRow(picture->tpixels[y], edges->tpixels[y], w, airColour, markers);
    }
}

}  // namespace brambex
