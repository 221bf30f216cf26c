#include "generators/Island.h"

#include <algorithm>

#include "generators/Caption.h"
#include "generators/RunSteps.h"
#include "map/FloodFill.h"
#include "map/Random.h"

namespace brambex {

namespace {

// rand() % n that survives n == 0 (tiny slots): the draw is still made, the result is 0.
int drawBelow(int n) {
    const int r = rand();
    return n == 0 ? 0 : r % n;
}

}  // namespace

Island::Island(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::Island, common, w, h), settings(s) {}


std::vector<Point> Island::pointCloud(int left, int slotWidth, int centre, bool gaps) const {
    const int wanted = std::max(settings.complexity, 0);
    const long long gapRange = static_cast<long long>(height) * height + static_cast<long long>(centre) * centre;
    std::vector<Point> cloud;
    cloud.reserve(static_cast<std::size_t>(wanted));
    int rejects = 0;
    double start = 10000.0;
    while (static_cast<int>(cloud.size()) < wanted) {
        const int x = left + 30 + drawBelow(slotWidth - 60);
        const int y = 150 + drawBelow(height - 200);
        double nearest = start;
        for (const Point& p : cloud) {
            const long long dx = p.x - x, dy = p.y - y;
            const double d = static_cast<double>(dx * dx + dy * dy);
            if (d < nearest) nearest = d;
        }
        // After ten rejections in a row any point is taken, even on top of another.
        if (nearest < 100 - 10 * rejects) {
            ++rejects;
            start = 10000.0;
            continue;
        }
        Point p{x, y, 0};
        if (gaps) {
            const long long r1 = rand();
            const long long r2 = rand();
            const long long dx = x - centre, dy = y - height;
            p.flag = dx * dx + dy * dy < (r1 * r2) % gapRange ? 1 : 0;
        }
        cloud.push_back(p);
        rejects = 0;
        start = 1000000000.0;
    }
    return cloud;
}

void Island::placeFeet(std::vector<Point>& cloud, int left, int right, int slotWidth) const {
    if (cloud.empty()) return;
    cloud.front().x = left + drawBelow(slotWidth / 3);
    cloud.front().y = height;
    cloud.back().x = right - drawBelow(slotWidth / 3);
    cloud.back().y = height;
}

std::vector<Point> Island::orderOutline(const std::vector<Point>& points) {
    const std::size_t n = points.size();
    if (n <= 2) return points;
    std::vector<Point> cloud(points.begin() + 1, points.end() - 1);
    int k = 0;
    auto distance = [&k](const Point& p, const Point& c) {
        const float w = k < 10 ? 1.5f : 1.0f;
        const float dy = static_cast<float>(c.y - p.y), dx = w * static_cast<float>(c.x - p.x);
        return static_cast<int>(dy * dy + dx * dx);
    };

    // From the left foot, the nearest point each time, until half the points are in.
    std::vector<Point> outline{points.front()};
    while (outline.size() < n / 2 && !cloud.empty()) {
        std::size_t best = 0;
        int bestDistance = distance(outline.back(), cloud[0]);
        for (std::size_t i = 1; i < cloud.size(); ++i) {
            const int d = distance(outline.back(), cloud[i]);
            if (d < bestDistance) best = i, bestDistance = d;
        }
        outline.push_back(cloud[best]);
        cloud.erase(cloud.begin() + static_cast<std::ptrdiff_t>(best));
        ++k;
    }
    // From the right foot, searching the cloud from its end, until it is empty.
    std::vector<Point> chain{points.back()};
    while (!cloud.empty()) {
        std::size_t best = cloud.size() - 1;
        int bestDistance = distance(chain.back(), cloud[best]);
        for (std::size_t i = cloud.size() - 1; i-- > 0;) {
            const int d = distance(chain.back(), cloud[i]);
            if (d < bestDistance) best = i, bestDistance = d;
        }
        chain.push_back(cloud[best]);
        cloud.erase(cloud.begin() + static_cast<std::ptrdiff_t>(best));
        ++k;
    }
    outline.insert(outline.end(), chain.rbegin(), chain.rend());
    return outline;
}

void Island::islandOutline(PointList& outline, int i, int slotWidth, bool gaps) const {
    const int left = i * slotWidth, right = (i + 1) * slotWidth;
    const int centre = left + slotWidth / 2;
    std::vector<Point> cloud = pointCloud(left, slotWidth, centre, gaps);
    placeFeet(cloud, left, right, slotWidth);
    clearPoints(outline);
    for (const Point& p : orderOutline(cloud)) appendPoint(outline, p);
    untanglePointList(outline, false);
    subdividePointList(outline, 250.0, -1, -1, -1, -1);
    untanglePointList(outline, false);
}

void Island::generate() {
    // Drawn before the map's seed takes over, so one seed can give maps that differ in their gaps.
    const bool gaps = rand() % 2 == 0;
    beginRun();
    floodFill(image.get(), 0, 0, colourBlack);

    const int islands = std::max(settings.numIslands, 1);
    const int slotWidth = width / islands;
    Point captionPoint{};
    PointList outline;
    for (int i = 0; i < islands; ++i) {
        islandOutline(outline, i, slotWidth, gaps);
        smoothPointList(outline, false);
        fillPointList(outline, colourWhite);
        if (i == 0 && outline.first) captionPoint = {outline.first->x, outline.first->y, 0};
    }

    textureLand(*this, 2, true, settings.objects);
    drawMapCaption(*this, captionPoint.x + 32, captionPoint.y - 32, sizeCaption(width, height), colourBlack);
    applyThemeSoil(*this);
    mirrorIfChosen(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
