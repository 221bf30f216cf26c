#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace artwork {

Colour rgb(std::uint32_t hex) {
    return {static_cast<float>((hex >> 16) & 0xFF), static_cast<float>((hex >> 8) & 0xFF),
            static_cast<float>(hex & 0xFF)};
}

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour shade(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }

Colour lift(Colour c, float k) { return mix(c, {255, 255, 255}, k); }

float lambert(float nx, float ny, float nz) {
    const float lx = -0.48f, ly = -0.62f, lz = 0.62f;  // unit length
    const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (len <= 0) return 0.55f;
    const float d = (nx * lx + ny * ly + nz * lz) / len;
    return 0.42f + 0.68f * std::max(d, 0.0f);
}

float StrokePoint::light() const {
    const float nz = std::sqrt(std::max(0.0f, 1.0f - u * u));
    return lambert(nx * u, ny * u, nz);
}

Canvas::Canvas(int width, int height, int supersample)
    : width_(width), height_(height), ss_(supersample),
      colours_(static_cast<std::size_t>(width) * height * supersample * supersample),
      covered_(colours_.size(), 0) {}

template <typename Inside>
void Canvas::fill(float x0, float y0, float x1, float y1, Inside&& inside, const Shader& shader) {
    const int sw = width_ * ss_, sh = height_ * ss_;
    const float s = static_cast<float>(ss_);
    const int i0 = std::max(0, static_cast<int>(std::floor(x0 * s))), i1 = std::min(sw - 1, static_cast<int>(std::ceil(x1 * s)));
    const int j0 = std::max(0, static_cast<int>(std::floor(y0 * s))), j1 = std::min(sh - 1, static_cast<int>(std::ceil(y1 * s)));
    for (int j = j0; j <= j1; ++j) {
        const float y = (static_cast<float>(j) + 0.5f) / s;
        for (int i = i0; i <= i1; ++i) {
            const float x = (static_cast<float>(i) + 0.5f) / s;
            if (!inside(x, y)) continue;
            const std::size_t k = static_cast<std::size_t>(j) * sw + i;
            colours_[k] = shader(x, y);
            covered_[k] = 1;
        }
    }
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, const Shader& shader) {
    if (rx <= 0 || ry <= 0) return;
    fill(cx - rx, cy - ry, cx + rx, cy + ry,
         [&](float x, float y) {
             const float dx = (x - cx) / rx, dy = (y - cy) / ry;
             return dx * dx + dy * dy <= 1.0f;
         },
         shader);
}

void Canvas::cutEllipse(float cx, float cy, float rx, float ry) {
    const int sw = width_ * ss_, sh = height_ * ss_;
    const float s = static_cast<float>(ss_);
    for (int j = std::max(0, static_cast<int>((cy - ry) * s)); j < std::min(sh, static_cast<int>((cy + ry) * s) + 1); ++j)
        for (int i = std::max(0, static_cast<int>((cx - rx) * s)); i < std::min(sw, static_cast<int>((cx + rx) * s) + 1); ++i) {
            const float x = (static_cast<float>(i) + 0.5f) / s, y = (static_cast<float>(j) + 0.5f) / s;
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) covered_[static_cast<std::size_t>(j) * sw + i] = 0;
        }
}

void Canvas::polygon(const std::vector<Vec>& points, const Shader& shader) {
    if (points.size() < 3) return;
    float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Vec& p : points) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    fill(x0, y0, x1, y1,
         [&](float x, float y) {
             bool in = false;
             for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                 const Vec a = points[i], b = points[j];
                 if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
             }
             return in;
         },
         shader);
}

void Canvas::rect(float x0, float y0, float x1, float y1, const Shader& shader) {
    fill(x0, y0, x1, y1, [&](float x, float y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }, shader);
}

void Canvas::stroke(float x0, float y0, float x1, float y1, float r0, float r1, const StrokeShader& shader) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len2 = dx * dx + dy * dy;
    const float len = std::sqrt(len2);
    const float nx = len > 0 ? -dy / len : 1.0f, ny = len > 0 ? dx / len : 0.0f;
    const float rmax = std::max(r0, r1);
    float lastT = 0, lastU = 0;
    auto inside = [&](float x, float y) {
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0f;
        t = std::clamp(t, 0.0f, 1.0f);
        const float px = x0 + dx * t, py = y0 + dy * t;
        const float r = r0 + (r1 - r0) * t;
        const float d2 = (x - px) * (x - px) + (y - py) * (y - py);
        if (d2 > r * r || r <= 0) return false;
        lastT = t;
        lastU = std::clamp(((x - px) * nx + (y - py) * ny) / r, -1.0f, 1.0f);
        return true;
    };
    fill(std::min(x0, x1) - rmax, std::min(y0, y1) - rmax, std::max(x0, x1) + rmax, std::max(y0, y1) + rmax, inside,
         [&](float x, float y) { return shader(StrokePoint{lastU, lastT, x, y, nx, ny}); });
}

void Canvas::path(const std::vector<Vec>& points, float r0, float r1, const StrokeShader& shader) {
    if (points.size() < 2) return;
    float total = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        total += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
    float done = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const float seg = std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        const float t0 = total > 0 ? done / total : 0, t1 = total > 0 ? (done + seg) / total : 1;
        stroke(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, r0 + (r1 - r0) * t0, r0 + (r1 - r0) * t1,
               [&](const StrokePoint& p) {
                   StrokePoint q = p;
                   q.t = t0 + (t1 - t0) * p.t;
                   return shader(q);
               });
        done += seg;
    }
}

float Canvas::coverage(int x, int y) const {
    const int sw = width_ * ss_;
    int n = 0;
    for (int j = 0; j < ss_; ++j)
        for (int i = 0; i < ss_; ++i) n += covered_[static_cast<std::size_t>(y * ss_ + j) * sw + x * ss_ + i];
    return static_cast<float>(n) / static_cast<float>(ss_ * ss_);
}

Colour Canvas::colour(int x, int y) const {
    const int sw = width_ * ss_;
    Colour sum;
    int n = 0;
    for (int j = 0; j < ss_; ++j)
        for (int i = 0; i < ss_; ++i) {
            const std::size_t k = static_cast<std::size_t>(y * ss_ + j) * sw + x * ss_ + i;
            if (!covered_[k]) continue;
            sum.r += colours_[k].r;
            sum.g += colours_[k].g;
            sum.b += colours_[k].b;
            ++n;
        }
    return n ? shade(sum, 1.0f / static_cast<float>(n)) : Colour{};
}

int safeColour(Colour c) {
    auto channel = [](float v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    int r = channel(c.r), g = channel(c.g), b = channel(c.b);
    auto is = [&](int R, int G, int B) { return r == R && g == G && b == B; };
    if (is(0, 0, 0)) r = g = b = 1;
    if (is(255, 255, 255)) b = 254;
    if (is(255, 0, 0) || is(0, 255, 0) || is(0, 0, 255) || is(255, 0, 255)) g = g == 0 ? 1 : 254;
    if (is(242, 24, 204) || is(240, 24, 204)) b = 205;
    return brambex::packColour(r, g, b);
}

brambex::ImagePtr Canvas::toObject(float outline) const {
    brambex::ImagePtr im = brambex::createTrueColour(width_, height_);
    std::vector<std::uint8_t> solid(static_cast<std::size_t>(width_) * height_, 0);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) solid[static_cast<std::size_t>(y) * width_ + x] = coverage(x, y) >= 0.5f;
    auto isSolid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && solid[static_cast<std::size_t>(y) * width_ + x];
    };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (!isSolid(x, y)) continue;
            Colour c = colour(x, y);
            const bool rim = !isSolid(x - 1, y) || !isSolid(x + 1, y) || !isSolid(x, y - 1) || !isSolid(x, y + 1);
            if (rim) c = shade(c, outline);
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

brambex::ImagePtr Canvas::toTexture(const Shader& background) const {
    brambex::ImagePtr im = brambex::createTrueColour(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float a = coverage(x, y);
            const Colour bg = background(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            im->tpixels[y][x] = safeColour(a > 0 ? mix(bg, colour(x, y), a) : bg);
        }
    return im;
}

}  // namespace artwork
