#pragma once

#include <cstdint>
#include <vector>

namespace brambex {

struct Point {
    int x = 0;
    int y = 0;
    std::uint8_t flag = 0;
};

struct PointNode {
    PointNode* next = nullptr;
    PointNode* prev = nullptr;
    int x = 0;
    int y = 0;
    std::uint8_t flag = 0;  // 0 for ordinary points; Island marks its gap points with 1
};

// A doubly linked list of outline points. It owns its nodes; whether it is closed is told to
// each operation, not stored.
class PointList {
public:
    PointList() = default;
    ~PointList();
    PointList(const PointList&) = delete;
    PointList& operator=(const PointList&) = delete;

    PointNode* first = nullptr;
    PointNode* last = nullptr;
    int count = 0;

    std::vector<Point> points() const;  // a copy in list order
};

PointNode* appendPoint(PointList& list, Point point);
// Adds a node directly after `node` (after the last node it is appendPoint); no node: nothing.
PointNode* insertPointAfter(PointList& list, Point point, PointNode* node);
void clearPoints(PointList& list);

// Inserts cardinal-spline points (tension 0.5) into every segment longer than 5 pixels,
// about one per 9.4 pixels of segment.
void smoothPointList(PointList& list, bool closed);

// The Catmull-Rom point between p1 and p2 at t in [0, 1], in single precision.
Point curvePoint(float t, Point p0, Point p1, Point p2, Point p3);

// Removes self-crossings with 2-opt reversals: each pass reverses the stretch between the first
// crossing pair of segments, until a pass finds none (at most 10000 passes).
void untanglePointList(PointList& list, bool closed);

// Whether segment a1-a2 crosses segment b1-b2 (ends included; parallel segments never do),
// and where.
bool segmentsCross(Point a1, Point a2, Point b1, Point b2, Point* at = nullptr);

// Roughens a closed outline by adding points at about `spacing` apart, kept inside the box.
// A negative maximum means the picture's width or height (`pictureWidth`, `pictureHeight`).
void subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin, int yMax,
                        int pictureWidth, int pictureHeight);

}  // namespace brambex
