#pragma once

#include <cstdint>

// Our own generator, so that the assets come out byte-identical on every
// machine: the standard distributions may differ between library versions.
class CRandom
{
public:
    explicit CRandom(uint64_t seed);

    uint32_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [-1, 1).
    double Signed();
    // Uniform integer in [0, count); 0 when count is not positive.
    int Below(int count);
    bool Chance(double probability);

private:
    uint64_t m_state;
};
