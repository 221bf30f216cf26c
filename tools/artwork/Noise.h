#pragma once

#include <cstdint>

namespace artwork {

// Deterministic integer hash of a lattice point.
std::uint32_t hash(int x, int y, std::uint32_t seed);

// A value in [0, 1) from a hash, and a small random source for shape parameters.
float unit(std::uint32_t h);

class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    float next();                           // [0, 1)
    float range(float lo, float hi) { return lo + (hi - lo) * next(); }
    int below(int n) { return static_cast<int>(next() * static_cast<float>(n)) % (n > 0 ? n : 1); }

private:
    std::uint32_t state_;
};

// Smooth value noise in [0, 1]; `period` > 0 makes it repeat every `period` units in x and y,
// which is what keeps tiled textures seamless.
float valueNoise(float x, float y, int period, std::uint32_t seed);

// Fractal sum of `octaves` value noises, each twice the frequency and half the weight; [0, 1].
float fbm(float x, float y, int octaves, int period, std::uint32_t seed);

// Distance to the nearest and second nearest jittered point of a periodic cell grid
// (cells of size 1, `period` cells per repeat).
void cellular(float x, float y, int period, std::uint32_t seed, float& nearest, float& second);

}  // namespace artwork
