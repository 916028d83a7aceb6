#pragma once

#include <cstdint>
#include <vector>

// Smooth 2-D value noise on a fixed lattice, and fractal sums of it; used
// for marble veins, soft clouds and grain. Seeded, so always the same.
class CNoise
{
public:
    explicit CNoise(std::uint64_t seed);

    // About -1..1, smooth, period 256 lattice cells.
    float Value(float x, float y) const;
    // Sum of octaves, each twice the frequency and half the amplitude; about -1..1.
    float Fractal(float x, float y, int octaves) const;
    // Marble-like veins: 0 in the body, near 1 on the veins.
    float Veins(float x, float y, float turbulence) const;

private:
    float Lattice(int x, int y) const;

    std::vector<float> m_values;
    std::vector<int> m_perm;
};
