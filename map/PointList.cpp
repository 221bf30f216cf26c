#include "map/PointList.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace brambex {

PointList::~PointList() { clearPoints(*this); }

std::vector<Point> PointList::points() const {
    std::vector<Point> out;
    out.reserve(static_cast<std::size_t>(count));
    for (const PointNode* n = first; n; n = n->next) out.push_back({n->x, n->y, n->flag});
    return out;
}

PointNode* appendPoint(PointList& list, Point point) {
    auto* node = new PointNode{nullptr, list.last, point.x, point.y, point.flag};
    if (list.last) list.last->next = node;
    else list.first = node;
    list.last = node;
    ++list.count;
    return node;
}

PointNode* insertPointAfter(PointList& list, Point point, PointNode* node) {
    if (!node) return nullptr;
    if (node == list.last) return appendPoint(list, point);
    auto* inserted = new PointNode{node->next, node, point.x, point.y, point.flag};
    node->next->prev = inserted;
    node->next = inserted;
    ++list.count;
    return inserted;
}

void clearPoints(PointList& list) {
    while (list.last) {
        PointNode* node = list.last;
        list.last = node->prev;
        delete node;
    }
    list.first = nullptr;
    list.count = 0;
}

namespace {

int splineValue(float t, int prev, int p, int n, int nn) {
    const double td = t;
    const double t2 = td * td, t3 = t2 * td;
    const double value = (0.5 * (p - prev) + 0.5 * (n - p)) * (t3 - 2 * t2 + td) +
                         p * (2 * t3 - 3 * t2 + 1) +
                         (0.5 * (nn - n) + 0.5 * (n - p)) * (t3 - t2) + n * (3 * t2 - 2 * t3);
    return static_cast<int>(value);
}

}  // namespace

void smoothPointList(PointList& list, bool closed) {
    PointNode* p = list.first;
    if (!p) return;
    for (;;) {
        const bool isLast = p == list.last;
        if (isLast && !closed) break;
        PointNode* n = isLast ? list.first : p->next;
        // Neighbours are read from the list as it is now, inserted points included.
        const PointNode* prev = p->prev ? p->prev : (closed ? list.last : p);
        const PointNode* nn = n->next ? n->next : (closed ? list.first : n);

        const double dx = n->x - p->x, dy = n->y - p->y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d > 5.0) {
            const int e = static_cast<int>(16.0 / (150.0 / d));
            if (e > 0) {
                const float step = 1.0f / static_cast<float>(e);
                PointNode* after = p;
                for (float t = step; t < 1.0f; t += step) {
                    const Point q{splineValue(t, prev->x, p->x, n->x, nn->x),
                                  splineValue(t, prev->y, p->y, n->y, nn->y), 0};
                    after = insertPointAfter(list, q, after);
                }
            }
        }
        if (isLast) break;
        p = n;
    }
}

Point curvePoint(float t, Point p0, Point p1, Point p2, Point p3) {
    auto coordinate = [t](float a, float b, float c, float d) {
        const float t2 = t * t, t3 = t2 * t;
        const float v = 0.5f * (2.0f * b + (c - a) * t + (2.0f * a - 5.0f * b + 4.0f * c - d) * t2 +
                                (3.0f * b - a - 3.0f * c + d) * t3);
        return static_cast<int>(v);
    };
    return {coordinate(float(p0.x), float(p1.x), float(p2.x), float(p3.x)),
            coordinate(float(p0.y), float(p1.y), float(p2.y), float(p3.y)), 0};
}

bool segmentsCross(Point a1, Point a2, Point b1, Point b2, Point* at) {
    const float x1 = float(a1.x), y1 = float(a1.y), x2 = float(a2.x), y2 = float(a2.y);
    const float x3 = float(b1.x), y3 = float(b1.y), x4 = float(b2.x), y4 = float(b2.y);
    const float slopeA = (y2 - y1) / (x2 - x1);
    const float slopeB = (y4 - y3) / (x4 - x3);
    if (slopeA == slopeB) return false;
    const float den = (y4 - y3) * (x2 - x1) - (x4 - x3) * (y2 - y1);
    const float ua = ((x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3)) / den;
    const float ub = ((x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3)) / den;
    if (!(ua >= 0.0f && ua <= 1.0f && ub >= 0.0f && ub <= 1.0f)) return false;
    if (at) *at = {static_cast<int>(x1 + ua * (x2 - x1)), static_cast<int>(y1 + ua * (y2 - y1)), 0};
    return true;
}

namespace {

// Finds the first crossing pair of segments (i, j), i before j, in the order a full search
// would meet them: the smallest i that crosses anything, and for it the smallest j. A uniform
// grid over the segments' boxes keeps each pass near linear on long outlines.
class CrossingFinder {
public:
    CrossingFinder(const std::vector<PointNode*>& nodes, bool closed)
        : nodes_(nodes), closed_(closed),
          segments_(static_cast<int>(closed ? nodes.size() : nodes.size() - 1)) {}

    bool find(int& iOut, int& jOut) {
        build();
        for (int i = 0; i < segments_; ++i) {
            int best = segments_;
            const Box b = box(i);
            forCells(b, [&](int cell) {
                for (int k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                    const int j = cellItems_[k];
                    if (j <= i + 1 || j >= best) continue;
                    if (closed_ && i == 0 && j == segments_ - 1) continue;
                    if (!overlap(b, boxes_[j])) continue;
                    if (segmentsCross(start(i), end(i), start(j), end(j))) best = j;
                }
            });
            if (best < segments_) {
                iOut = i;
                jOut = best;
                return true;
            }
        }
        return false;
    }

private:
    struct Box {
        int x0, y0, x1, y1;
    };
    // Boxes grow by a margin so that float rounding at a segment's end cannot hide a crossing.
    static constexpr int MARGIN = 2;

    Point start(int s) const { return {nodes_[s]->x, nodes_[s]->y, 0}; }
    Point end(int s) const {
        const PointNode* n = nodes_[(static_cast<std::size_t>(s) + 1) % nodes_.size()];
        return {n->x, n->y, 0};
    }
    Box box(int s) const {
        const Point a = start(s), b = end(s);
        return {std::min(a.x, b.x) - MARGIN, std::min(a.y, b.y) - MARGIN, std::max(a.x, b.x) + MARGIN,
                std::max(a.y, b.y) + MARGIN};
    }
    static bool overlap(const Box& a, const Box& b) {
        return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
    }
    int cellX(long long x) const {
        return static_cast<int>(std::clamp((x - minX_) / cell_, 0LL, static_cast<long long>(gridW_ - 1)));
    }
    int cellY(long long y) const {
        return static_cast<int>(std::clamp((y - minY_) / cell_, 0LL, static_cast<long long>(gridH_ - 1)));
    }
    template <typename F>
    void forCells(const Box& b, F&& f) const {
        const int cx0 = cellX(b.x0), cx1 = cellX(b.x1), cy0 = cellY(b.y0), cy1 = cellY(b.y1);
        for (int cy = cy0; cy <= cy1; ++cy)
            for (int cx = cx0; cx <= cx1; ++cx) f(cy * gridW_ + cx);
    }

    void build() {
        boxes_.resize(static_cast<std::size_t>(segments_));
        long long x0 = boxes_.empty() ? 0 : LLONG_MAX, y0 = x0, x1 = boxes_.empty() ? 0 : LLONG_MIN, y1 = x1;
        double length = 0;
        for (int s = 0; s < segments_; ++s) {
            const Box b = box(s);
            boxes_[s] = b;
            x0 = std::min<long long>(x0, b.x0);
            y0 = std::min<long long>(y0, b.y0);
            x1 = std::max<long long>(x1, b.x1);
            y1 = std::max<long long>(y1, b.y1);
            length += std::max(b.x1 - b.x0, b.y1 - b.y0);
        }
        minX_ = x0;
        minY_ = y0;
        // Cells about twice the mean segment length, and no more cells than about 4 per segment.
        const double spanX = double(x1 - x0 + 1), spanY = double(y1 - y0 + 1);
        double cell = std::max(2.0 * length / std::max(segments_, 1), 4.0);
        const double maxCells = 4.0 * segments_ + 16.0;
        if (spanX / cell * (spanY / cell) > maxCells) cell = std::sqrt(spanX * spanY / maxCells);
        cell_ = static_cast<long long>(std::ceil(cell));
        gridW_ = static_cast<int>((x1 - x0) / cell_ + 1);
        gridH_ = static_cast<int>((y1 - y0) / cell_ + 1);

        cellStart_.assign(static_cast<std::size_t>(gridW_) * gridH_ + 1, 0);
        for (int s = 0; s < segments_; ++s) forCells(boxes_[s], [&](int c) { ++cellStart_[c + 1]; });
        for (std::size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
        cellItems_.resize(static_cast<std::size_t>(cellStart_.back()));
        std::vector<int> fill(cellStart_.begin(), cellStart_.end() - 1);
        for (int s = 0; s < segments_; ++s) forCells(boxes_[s], [&](int c) { cellItems_[fill[c]++] = s; });
    }

    const std::vector<PointNode*>& nodes_;
    bool closed_;
    int segments_;
    std::vector<Box> boxes_;
    long long minX_ = 0, minY_ = 0, cell_ = 1;
    int gridW_ = 1, gridH_ = 1;
    std::vector<int> cellStart_, cellItems_;
};

void reverseStretch(std::vector<PointNode*>& nodes, int from, int to) {
    while (from < to) {
        std::swap(nodes[from]->x, nodes[to]->x);
        std::swap(nodes[from]->y, nodes[to]->y);
        std::swap(nodes[from]->flag, nodes[to]->flag);
        ++from;
        --to;
    }
}

bool sameCoordinates(const std::vector<PointNode*>& nodes, const std::vector<Point>& saved) {
    for (std::size_t k = 0; k < nodes.size(); ++k)
        if (nodes[k]->x != saved[k].x || nodes[k]->y != saved[k].y || nodes[k]->flag != saved[k].flag)
            return false;
    return true;
}

std::vector<Point> snapshot(const std::vector<PointNode*>& nodes) {
    std::vector<Point> out;
    out.reserve(nodes.size());
    for (const PointNode* n : nodes) out.push_back({n->x, n->y, n->flag});
    return out;
}

}  // namespace

void untanglePointList(PointList& list, bool closed) {
    if (list.count < 4) return;  // every pair of segments is adjacent
    std::vector<PointNode*> nodes;
    nodes.reserve(static_cast<std::size_t>(list.count));
    for (PointNode* n = list.first; n; n = n->next) nodes.push_back(n);

    constexpr int MAX_PASSES = 10000;
    CrossingFinder finder(nodes, closed);
    // Orders at the start of the previous two passes. Once an order repeats, every later pass
    // repeats too, so the outcome of the remaining passes follows without running them.
    std::vector<Point> previous, beforePrevious;
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
        if (pass >= 1 && sameCoordinates(nodes, previous)) return;  // a reversal that changed nothing
        if (pass >= 2 && sameCoordinates(nodes, beforePrevious)) {
            // Alternating between two orders: the last pass ends on the other one when an odd
            // number of passes is left.
            if ((MAX_PASSES - pass) % 2 == 1)
                for (std::size_t k = 0; k < nodes.size(); ++k) {
                    nodes[k]->x = previous[k].x;
                    nodes[k]->y = previous[k].y;
                    nodes[k]->flag = previous[k].flag;
                }
            return;
        }
        int i = 0, j = 0;
        if (!finder.find(i, j)) return;
        beforePrevious = std::move(previous);
        previous = snapshot(nodes);
        // The list is walked node by node, so reversing values keeps every node in place.
        reverseStretch(nodes, i + 1, j);
    }
}

}  // namespace brambex
