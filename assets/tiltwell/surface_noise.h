#pragma once
#include <cstdint>

// Noise for material surfaces. The repeating kinds wrap every `repeat` pixels on both axes, so
// a 32-pixel floor cell joins its neighbours without a seam.
namespace assets::tiltwell {

// A fixed random value in 0..1 for the pair (a, b).
float Hash01(int a, int b, uint32_t seed);
// Smooth value noise in 0..1 from a lattice of cells x cells random values spread over
// `repeat` pixels.
float RepeatingNoise(float x, float y, int cells, float repeat, uint32_t seed);
// `octaves` layers of it, each with twice the cells and half the weight of the one before;
// still 0..1.
float RepeatingFbm(float x, float y, int cells, int octaves, float repeat, uint32_t seed);

}  // namespace assets::tiltwell
