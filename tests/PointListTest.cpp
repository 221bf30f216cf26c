#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "map/PointList.h"
#include "map/Random.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

void fill(PointList& list, const std::vector<Point>& points) {
    clearPoints(list);
    for (const Point& p : points) appendPoint(list, p);
}

bool samePoints(const std::vector<Point>& a, const std::vector<Point>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].flag != b[i].flag) return false;
    return true;
}

// The untangling as plainly described: every pass compares every pair of segments in order and
// reverses the stretch between the first crossing pair; at most 10000 passes.
void referenceUntangle(std::vector<Point>& p, bool closed) {
    const int n = static_cast<int>(p.size());
    if (n < 4) return;
    const int segments = closed ? n : n - 1;
    for (int pass = 0; pass < 10000; ++pass) {
        bool found = false;
        for (int i = 0; i < segments && !found; ++i)
            for (int j = i + 2; j < segments && !found; ++j) {
                if (closed && i == 0 && j == segments - 1) continue;
                if (segmentsCross(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n])) {
                    std::reverse(p.begin() + i + 1, p.begin() + j + 1);
                    found = true;
                }
            }
        if (!found) return;
    }
}


std::vector<Point> randomPoints(int n, unsigned seed, int size) {
    brambex::srand(seed);
    std::vector<Point> p;
    for (int i = 0; i < n; ++i) p.push_back({brambex::rand() % size, brambex::rand() % size, static_cast<std::uint8_t>(i % 3 == 0)});
    return p;
}

}  // namespace

TEST(PointList, AppendInsertAndClearKeepLinksAndCount) {
    PointList list;
    PointNode* a = appendPoint(list, {1, 1});
    PointNode* c = appendPoint(list, {3, 3});
    PointNode* b = insertPointAfter(list, {2, 2}, a);
    PointNode* d = insertPointAfter(list, {4, 4}, c);  // after the last: same as append
    EXPECT_EQ(insertPointAfter(list, {9, 9}, nullptr), nullptr);
    ASSERT_EQ(list.count, 4);
    EXPECT_EQ(list.first, a);
    EXPECT_EQ(list.last, d);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(b->next, c);
    EXPECT_EQ(c->prev, b);
    EXPECT_EQ(d->prev, c);
    const auto pts = list.points();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pts[i].x, i + 1);
    clearPoints(list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.first, nullptr);
    EXPECT_EQ(list.last, nullptr);
}

TEST(PointList, SmoothingInsertsSplinePointsByLength) {
    PointList list;
    fill(list, {{0, 0}, {20, 0}});
    smoothPointList(list, false);
    // e = trunc(16 / 7.5) = 2: one point at t = 0.5, half way along.
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.first->next->x, 10);
    EXPECT_EQ(list.first->next->y, 0);

    fill(list, {{0, 0}, {3, 4}});  // exactly 5 pixels: left straight
    smoothPointList(list, false);
    EXPECT_EQ(list.count, 2);

    // A closed 100-pixel square: e = 10, nine points per side, all close to the square.
    fill(list, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    smoothPointList(list, true);
    EXPECT_EQ(list.count, 4 + 4 * 9);
    for (const Point& p : list.points()) {
        EXPECT_GE(p.x, -15);
        EXPECT_LE(p.x, 115);
        EXPECT_GE(p.y, -15);
        EXPECT_LE(p.y, 115);
    }
    // The original corners keep their order among the new points.
    const auto pts = list.points();
    EXPECT_EQ(pts[10].x, 100);
    EXPECT_EQ(pts[10].y, 0);
    EXPECT_EQ(pts[20].x, 100);
    EXPECT_EQ(pts[20].y, 100);
}

TEST(PointList, CurvePointRunsFromSecondToThirdPoint) {
    const Point p0{0, 0}, p1{10, 10}, p2{30, 10}, p3{40, 0};
    Point a = curvePoint(0.0f, p0, p1, p2, p3);
    Point b = curvePoint(1.0f, p0, p1, p2, p3);
    EXPECT_EQ(a.x, 10);
    EXPECT_EQ(a.y, 10);
    EXPECT_EQ(b.x, 30);
    EXPECT_EQ(b.y, 10);
    Point m = curvePoint(0.5f, p0, p1, p2, p3);
    EXPECT_EQ(m.x, 20);
    EXPECT_EQ(m.y, 11);  // the curve bulges a little above the straight line (y grows downwards)
}

TEST(PointList, SegmentsCrossCases) {
    Point at{};
    EXPECT_TRUE(segmentsCross({0, 0}, {10, 10}, {0, 10}, {10, 0}, &at));
    EXPECT_EQ(at.x, 5);
    EXPECT_EQ(at.y, 5);
    // Parallel, overlapping or not, never cross.
    EXPECT_FALSE(segmentsCross({0, 0}, {10, 0}, {0, 5}, {10, 5}));
    EXPECT_FALSE(segmentsCross({0, 0}, {10, 0}, {5, 0}, {15, 0}));
    EXPECT_FALSE(segmentsCross({0, 0}, {0, 10}, {0, 5}, {0, 20}));
    // Ends included: touching at an end point or in a T counts.
    EXPECT_TRUE(segmentsCross({0, 0}, {10, 0}, {10, 0}, {10, 10}));
    EXPECT_TRUE(segmentsCross({0, 0}, {10, 0}, {5, 0}, {5, 10}, &at));
    EXPECT_EQ(at.x, 5);
    EXPECT_EQ(at.y, 0);
    // Apart.
    EXPECT_FALSE(segmentsCross({0, 0}, {10, 0}, {11, -5}, {11, 5}));
    EXPECT_FALSE(segmentsCross({0, 0}, {4, 4}, {6, 0}, {10, -4}));
    // A zero-length segment crosses nothing.
    EXPECT_FALSE(segmentsCross({5, 5}, {5, 5}, {0, 0}, {10, 10}));
}

TEST(PointList, UntangleTurnsABowTieIntoASquare) {
    PointList list;
    // Corners 1, 3, 2, 4 of a square.
    fill(list, {{0, 0}, {10, 10}, {10, 0}, {0, 10}});
    untanglePointList(list, true);
    EXPECT_TRUE(samePoints(list.points(), {{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
}

TEST(PointList, UntangleMatchesThePlainSearch) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        for (bool closed : {true, false}) {
            std::vector<Point> expected = randomPoints(30 + static_cast<int>(seed % 20), seed, 500);
            PointList list;
            fill(list, expected);
            referenceUntangle(expected, closed);
            untanglePointList(list, closed);
            ASSERT_TRUE(samePoints(list.points(), expected)) << "seed " << seed << " closed " << closed;
        }
    }
}

TEST(PointList, UntangleOfRandomOutlinesGivesSimplePolygons) {
    int simple = 0;
    for (unsigned seed = 100; seed < 140; ++seed) {
        PointList list;
        fill(list, randomPoints(60, seed, 2000));
        untanglePointList(list, true);
        simple += test::crossingPairs(list.points(), true) == 0;
    }
    EXPECT_EQ(simple, 40);
}

TEST(PointList, UntangleFinishesRepeatingOrdersWithoutRunningEveryPass) {
    // The first point repeated at the end: the first segment and the one before the closing
    // segment touch at that point, and every pass flips the same stretch back and forth.
    std::vector<Point> p{{0, 0}, {100, 0}, {100, 100}, {50, 150}, {0, 100}, {0, 0}};
    std::vector<Point> expected = p;
    referenceUntangle(expected, true);
    PointList list;
    fill(list, p);
    untanglePointList(list, true);
    EXPECT_TRUE(samePoints(list.points(), expected));
    // A point repeated right after itself: its neighbours touch, reversing the pair changes nothing.
    std::vector<Point> q{{0, 0}, {50, 0}, {50, 0}, {100, 50}, {0, 80}};
    expected = q;
    referenceUntangle(expected, false);
    fill(list, q);
    untanglePointList(list, false);
    EXPECT_TRUE(samePoints(list.points(), expected));
}

TEST(PointList, SubdivideRoughensInsideTheBoxWithoutCrossing) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        brambex::srand(seed);
        PointList list;
        fill(list, {{50, 50}, {1950, 60}, {1940, 640}, {60, 650}});
        subdividePointList(list, 78.0, 10, 1990, 20, 680, 2000, 700);
        const auto pts = list.points();
        EXPECT_GT(list.count, 4 * 2000 / 78 / 2) << "seed " << seed;
        for (const Point& p : pts) {
            ASSERT_GE(p.x, 10);
            ASSERT_LE(p.x, 1990);
            ASSERT_GE(p.y, 20);
            ASSERT_LE(p.y, 680);
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const Point a = pts[i], b = pts[(i + 1) % pts.size()];
            EXPECT_LE(std::hypot(b.x - a.x, b.y - a.y), 78.0 + 1e-9) << "seed " << seed;
        }
        EXPECT_EQ(test::crossingPairs(pts, true), 0) << "seed " << seed;
        // The corners keep their order.
        EXPECT_EQ(pts[0].x, 50);
    }
}

TEST(PointList, SubdivideIsRepeatableAndLeavesOutsideAndBorderEdgesStraight) {
    auto run = [](unsigned seed) {
        brambex::srand(seed);
        PointList list;
        // Left corners beyond the picture (an open cave side) and a base on the bottom side.
        fill(list, {{-90, 30}, {1000, 40}, {1000, 700}, {-90, 700}, {-90, 30}});
        subdividePointList(list, 80.0, 10, 990, 10, -1, 1000, 700);
        return list.points();
    };
    const auto a = run(7), b = run(7), c = run(8);
    EXPECT_TRUE(samePoints(a, b));
    EXPECT_FALSE(samePoints(a, c));
    // The repeated closing point is gone; no point was added left of the box or along the base.
    EXPECT_FALSE(a.back().x == a.front().x && a.back().y == a.front().y);
    int onBase = 0;
    for (const Point& p : a) {
        if (p.x < 10) {
            EXPECT_EQ(p.x, -90);
        }
        onBase += p.y == 700;
    }
    EXPECT_EQ(onBase, 2);
}

TEST(PointList, SubdivideRoughensGapPointsHarder) {
    auto count = [](std::uint8_t flag) {
        brambex::srand(3);
        PointList list;
        fill(list, {{100, 600}, {500, 200}, {900, 600}});
        list.first->next->flag = flag;
        subdividePointList(list, 250.0, -1, -1, -1, -1, 1000, 700);
        return list.count;
    };
    EXPECT_GT(count(1), 2 * count(0));
}
