// Outline roughening: midpoint displacement.
//
// Every edge of the closed outline longer than the spacing is split at its midpoint, and the new
// point is pushed sideways by a random amount proportional to the edge's length (up to a fifth
// of it each way). The two halves are split again, depth first, until every edge is at most
// `spacing` long, so the outline gets detail at every scale from the whole edge down to the
// spacing: a fractal edge. A new point must lie inside the box and its two new edges must not
// cross any other edge of the outline (tested with segmentsCross against the edges near it);
// otherwise the push is halved, twice, and finally the plain midpoint is used. An edge whose
// midpoint lies outside the box is left straight: a cave whose corners lie beyond the picture
// keeps its open sides. Edges that run along a side of the box (both ends on it, like an
// island's base on the bottom row) are left straight too.
//
// Gap points (flag 1, Island's points near the middle of its base) roughen harder: an edge
// with a gap point at either end is pushed up to twice as far and split down to a quarter of
// the spacing, and its new points are gap points as well. Around the base that carves deep
// bays, overhangs and arches into the island.
//
// Randomness: one rand() per split, taken as rand() / 32767.0, in list order.

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "map/PointList.h"
#include "map/Random.h"

namespace brambex {

namespace {

constexpr double ROUGHNESS = 0.2;
constexpr double GAP_ROUGHNESS = 0.4;
constexpr double GAP_SPACING_FACTOR = 0.25;
constexpr int MAX_POINTS = 4000000;  // a safety net against absurd spacings on huge maps

struct Bounds {
    int x0, x1, y0, y1;
    bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    bool alongSide(const PointNode* a, const PointNode* b) const {
        return (a->x == x0 && b->x == x0) || (a->x == x1 && b->x == x1) || (a->y == y0 && b->y == y0) ||
               (a->y == y1 && b->y == y1);
    }
};

// Edges of the outline bucketed by the cells their boxes cover. An edge is named by its start
// node; entries are never removed, so a query re-reads each candidate's current end points and
// tests each node once.
class EdgeGrid {
public:
    EdgeGrid(PointList& list, int cellSize) : list_(list), cell_(std::max(cellSize, 16)) {}

    PointNode* successor(const PointNode* n) const { return n->next ? n->next : list_.first; }

    void add(PointNode* start) {
        const PointNode* end = successor(start);
        forCells(std::min(start->x, end->x), std::min(start->y, end->y), std::max(start->x, end->x),
                 std::max(start->y, end->y), [&](long long key) { cells_[key].push_back(start); });
    }

    // True when segment p-q crosses an edge of the outline other than those in `skip`.
    bool crosses(Point p, Point q, const PointNode* const* skip, int skipCount) {
        ++stamp_;
        bool hit = false;
        forCells(std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y),
                 [&](long long key) {
                     if (hit) return;
                     auto it = cells_.find(key);
                     if (it == cells_.end()) return;
                     for (PointNode* start : it->second) {
                         if (seen_[start] == stamp_) continue;
                         seen_[start] = stamp_;
                         if (std::find(skip, skip + skipCount, start) != skip + skipCount) continue;
                         const PointNode* end = successor(start);
                         if (segmentsCross(p, q, {start->x, start->y, 0}, {end->x, end->y, 0})) {
                             hit = true;
                             return;
                         }
                     }
                 });
        return hit;
    }

private:
    template <typename F>
    void forCells(int x0, int y0, int x1, int y1, F&& f) {
        const long long cx0 = floorDiv(x0 - 2), cx1 = floorDiv(x1 + 2);
        const long long cy0 = floorDiv(y0 - 2), cy1 = floorDiv(y1 + 2);
        for (long long cy = cy0; cy <= cy1; ++cy)
            for (long long cx = cx0; cx <= cx1; ++cx) f((cy << 32) ^ (cx & 0xFFFFFFFFLL));
    }
    long long floorDiv(long long v) const { return v >= 0 ? v / cell_ : -((-v + cell_ - 1) / cell_); }

    PointList& list_;
    long long cell_;
    std::unordered_map<long long, std::vector<PointNode*>> cells_;
    std::unordered_map<const PointNode*, unsigned> seen_;
    unsigned stamp_ = 0;
};

void dropRepeatedPoints(PointList& list) {
    PointNode* n = list.first;
    while (n && n->next) {
        PointNode* next = n->next;
        if (next->x == n->x && next->y == n->y) {
            n->next = next->next;
            if (next->next) next->next->prev = n;
            else list.last = n;
            n->flag = n->flag | next->flag;
            delete next;
            --list.count;
        } else {
            n = next;
        }
    }
    // A closing point that repeats the first adds a zero-length edge whose neighbours would
    // touch at a shared end.
    if (list.count > 1 && list.last->x == list.first->x && list.last->y == list.first->y) {
        PointNode* last = list.last;
        list.last = last->prev;
        list.last->next = nullptr;
        delete last;
        --list.count;
    }
}

}  // namespace

void subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin, int yMax,
                        int pictureWidth, int pictureHeight) {
    dropRepeatedPoints(list);
    if (list.count < 3) return;
    spacing = std::max(spacing, 4.0);
    const Bounds box{std::max(xMin, 0), xMax < 0 ? pictureWidth : xMax, std::max(yMin, 0),
                     yMax < 0 ? pictureHeight : yMax};

    EdgeGrid grid(list, static_cast<int>(spacing));
    for (PointNode* n = list.first; n; n = n->next) grid.add(n);

    PointNode* a = list.first;
    for (;;) {
        PointNode* b = grid.successor(a);
        const bool gap = (a->flag | b->flag) != 0;
        const double limit = gap ? spacing * GAP_SPACING_FACTOR : spacing;
        const double dx = b->x - a->x, dy = b->y - a->y;
        const double length = std::sqrt(dx * dx + dy * dy);
        bool split = false;
        if (length > limit && list.count < MAX_POINTS && !box.alongSide(a, b)) {
            const double midX = a->x + dx / 2, midY = a->y + dy / 2;
            if (box.contains(static_cast<int>(midX), static_cast<int>(midY))) {
                const double push = (rand() / 32767.0 * 2.0 - 1.0) * (gap ? GAP_ROUGHNESS : ROUGHNESS);
                // The unit normal times the length is (-dy, dx).
                const PointNode* before = a->prev ? a->prev : list.last;
                Point m{};
                bool placed = false;
                for (double scale : {1.0, 0.5, 0.25}) {
                    m = {static_cast<int>(std::lround(midX - dy * push * scale)),
                         static_cast<int>(std::lround(midY + dx * push * scale)), static_cast<std::uint8_t>(gap)};
                    if (!box.contains(m.x, m.y)) continue;
                    if ((m.x == a->x && m.y == a->y) || (m.x == b->x && m.y == b->y)) continue;
                    // Edge A-B is being replaced; A-M shares A with the edge before it, M-B shares B
                    // with the edge after it.
                    const PointNode* skipFirst[2] = {before, a};
                    const PointNode* skipSecond[2] = {a, b};
                    if (grid.crosses({a->x, a->y, 0}, m, skipFirst, 2) ||
                        grid.crosses(m, {b->x, b->y, 0}, skipSecond, 2))
                        continue;
                    placed = true;
                    break;
                }
                if (!placed) {
                    m = {static_cast<int>(midX), static_cast<int>(midY), static_cast<std::uint8_t>(gap)};
                    placed = !(m.x == a->x && m.y == a->y) && !(m.x == b->x && m.y == b->y);
                }
                if (placed) {
                    PointNode* inserted = insertPointAfter(list, m, a);
                    grid.add(a);
                    grid.add(inserted);
                    split = true;
                }
            }
        }
        if (split) continue;  // the first half next
        if (a == list.last) break;
        a = a->next;
    }
}

}  // namespace brambex
