#include "generators/Roper.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "generators/Caption.h"
#include "generators/RunSteps.h"
#include "map/Random.h"

// The design. A rope map needs something to hook onto everywhere and air to swing through
// everywhere, so the land is many separate rocks spread evenly over the whole map:
// - Rocks are placed by dart throwing over the map minus a clear band of EDGE pixels along every
//   side; a rock is kept only when its reach circle stays GAP pixels clear of every other rock's,
//   so rocks never merge and there is always a gap to swing through. Throwing stops after 400
//   misses in a row, which leaves the map evenly but not regularly filled.
// - Two to four long ledges (reach 120-190, flat: about 20-40 pixels thick) to land on are placed
//   first; then boulders of reach 34-70 (none too small to hit) and, one in three, crags of reach
//   70-110 (none large enough to block the sky) fill the gaps.
// - Each outline is a ring of 9-15 points at varying radii around the centre (an ellipse turned by a
//   random angle for the ledges and crags, with a lumpy radius), untangled, then rounded with
//   Catmull-Rom curve points (curvePoint at 0.25, 0.5, 0.75 of every side) into a curved, varied
//   shape and filled.
// - The caption is cut into the longest ledge.

namespace brambex {

namespace {

constexpr float PI = 3.14159265f;
constexpr int MAP_W = 1920, MAP_H = 696;
constexpr int MISSES = 400;  // darts in a row that find no room end the throwing

struct Shape {
    double x0, x1, y, radius;
};

Shape shapeOf(const Roper::Rock& r) {
    if (!r.ledge) return {double(r.cx), double(r.cx), double(r.cy), double(r.reach)};
    return {double(r.cx - r.reach), double(r.cx + r.reach), double(r.cy), 24.0 + r.reach * 0.18};
}

}  // namespace

double Roper::clearance(const Rock& a, const Rock& b) {
    const Shape s = shapeOf(a), t = shapeOf(b);
    // Horizontal segments: the gap along x (0 when they overlap) and the difference in y.
    const double dx = std::max({0.0, t.x0 - s.x1, s.x0 - t.x1});
    return std::hypot(dx, s.y - t.y) - s.radius - t.radius;
}

Roper::Roper(const Settings&, const CommonSettings& common, int, int)
    : Generator(MapType::Roper, common, MAP_W, MAP_H) {}

void Roper::placeRocks() {
    rocks.clear();
    // A rock is kept when it stays GAP clear of every rock placed before it.
    auto tryPlace = [&](bool ledge, int reach) {
        const int halfHeight = ledge ? 40 : reach;
        const int cx = EDGE + reach + rand() % std::max(1, width - 2 * (EDGE + reach));
        const int cy = EDGE + halfHeight + rand() % std::max(1, height - 2 * (EDGE + halfHeight));
        const Rock candidate{cx, cy, reach, ledge};
        for (const Rock& other : rocks)
            if (clearance(candidate, other) < GAP) return false;
        rocks.push_back(candidate);
        return true;
    };
    // First the few long ledges to land on, then crags and boulders thrown into the gaps.
    const int ledges = 2 + rand() % 3;
    for (int placed = 0, tries = 0; placed < ledges && tries < 200; ++tries) placed += tryPlace(true, 120 + rand() % 71);
    for (int misses = 0; misses < MISSES;) {
        const bool crag = rand() % 3 == 0;
        const int reach = crag ? 70 + rand() % 41 : 34 + rand() % 37;
        misses = tryPlace(false, reach) ? 0 : misses + 1;
    }
}

std::vector<Point> Roper::rockOutline(const Rock& rock) const {
    const int corners = 9 + rand() % 7;
    const float turn = static_cast<float>(rand() % 360) * PI / 180.0f;
    // Ledges lie nearly flat; crags and boulders lean any way.
    const float tilt = rock.ledge ? static_cast<float>(rand() % 21 - 10) * PI / 180.0f : turn;
    const float rx = static_cast<float>(rock.reach);
    const float ry = rock.ledge ? static_cast<float>(14 + rand() % 7) : rx * (0.55f + static_cast<float>(rand() % 40) / 100.0f);
    PointList ring;
    for (int k = 0; k < corners; ++k) {
        const float a = 2.0f * PI * static_cast<float>(k) / static_cast<float>(corners);
        const float lump = 0.72f + static_cast<float>(rand() % 28) / 100.0f;
        const float ex = std::cos(a) * rx * lump, ey = std::sin(a) * ry * lump;
        const int x = rock.cx + static_cast<int>(ex * std::cos(tilt) - ey * std::sin(tilt));
        const int y = rock.cy + static_cast<int>(ex * std::sin(tilt) + ey * std::cos(tilt));
        appendPoint(ring, {std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1), 0});
    }
    untanglePointList(ring, true);
    const std::vector<Point> corner = ring.points();
    const int n = static_cast<int>(corner.size());
    std::vector<Point> outline;
    for (int i = 0; i < n; ++i) {
        const Point p0 = corner[(i + n - 1) % n], p1 = corner[i], p2 = corner[(i + 1) % n], p3 = corner[(i + 2) % n];
        outline.push_back(p1);
        for (float t : {0.25f, 0.5f, 0.75f}) outline.push_back(curvePoint(t, p0, p1, p2, p3));
    }
    return outline;
}

void Roper::generate() {
    // Two draws before the run begins, from the worker's own source; they do not shape the map,
    // so a stored seed alone makes the same map again.
    rand();
    rand();
    beginRun();
    // The whole picture black, row by row (an opaque colour replaces what is there, as libgd's
    // rectangle fill would do pixel by pixel).
    for (int y = 0; y < height; ++y) std::fill(image->tpixels[y], image->tpixels[y] + width, colourBlack);
    placeRocks();
    outlines.clear();
    for (const Rock& rock : rocks) {
        std::vector<Point> outline = rockOutline(rock);
        PointList list;
        for (const Point& p : outline) appendPoint(list, p);
        fillPointList(list, colourWhite);
        outlines.push_back(std::move(outline));
    }
    // The caption, cut as air into the longest ledge (when there is one long enough).
    const Rock* longest = nullptr;
    for (const Rock& rock : rocks)
        if (rock.ledge && (!longest || rock.reach > longest->reach)) longest = &rock;
    const std::string caption = std::string(PROGRAM_CAPTION) + " " + std::to_string(width) + "x" +
                                std::to_string(height) + "x" + std::to_string(rocks.size());
    if (longest && longest->reach * 2 > static_cast<int>(caption.size()) * 7 + 40)
        drawMapCaption(*this, longest->cx - static_cast<int>(caption.size()) * 7 / 2, longest->cy - 6, caption, colourBlack);
    textureLand(*this, 2, false);
    applyThemeSoil(*this);
    mirrorIfChosen(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
