#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace artwork {

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed ^ 0x811C9DC5u;
    h ^= static_cast<std::uint32_t>(x) * 0x27D4EB2Du;
    h = (h ^ (h >> 15)) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(y) * 0x165667B1u;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    return h ^ (h >> 16);
}

float unit(std::uint32_t h) { return static_cast<float>(h >> 8) / 16777216.0f; }

float Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return unit(state_ * 0x9E3779B1u);
}

namespace {

int wrap(int v, int period) {
    if (period <= 0) return v;
    v %= period;
    return v < 0 ? v + period : v;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float valueNoise(float x, float y, int period, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    auto at = [&](int dx, int dy) { return unit(hash(wrap(ix + dx, period), wrap(iy + dy, period), seed)); };
    const float a = at(0, 0), b = at(1, 0), c = at(0, 1), d = at(1, 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fbm(float x, float y, int octaves, int period, std::uint32_t seed) {
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, period, seed + static_cast<std::uint32_t>(i) * 7919u);
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        period = period > 0 ? period * 2 : period;
        weight *= 0.5f;
    }
    return sum / total;
}

void cellular(float x, float y, int period, std::uint32_t seed, float& nearest, float& second) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    nearest = second = 1e9f;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = ix + dx, cy = iy + dy;
            const std::uint32_t h = hash(wrap(cx, period), wrap(cy, period), seed);
            const float px = static_cast<float>(cx) + unit(h);
            const float py = static_cast<float>(cy) + unit(h * 0x9E3779B1u + 1u);
            const float d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < nearest) {
                second = nearest;
                nearest = d;
            } else if (d < second) {
                second = d;
            }
        }
}

}  // namespace artwork
