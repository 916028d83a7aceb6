#include "shell/game/CRandom.h"

#include <chrono>
#include <cstdlib>

std::uint32_t CRandom::ClockSeed()
{
    // MARBLEWEND_SEED, for a developer's runs that must deal the same boards
    // (the benchmarks compare builds on them).
    if (const char* fixed = std::getenv("MARBLEWEND_SEED"))
    {
        char* end = nullptr;
        const unsigned long seed = std::strtoul(fixed, &end, 10);
        if (end != fixed && *end == '\0')
            return static_cast<std::uint32_t>(seed);
    }
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

CRandom::CRandom(std::uint32_t seed)
{
    Seed(seed);
}

void CRandom::Seed(std::uint32_t seed)
{
    // Spread the seed so that neighbouring seeds start far apart.
    m_state = (static_cast<std::uint64_t>(seed) + 0x9E3779B97F4A7C15ULL) * 0xBF58476D1CE4E5B9ULL;
    Next();
}

int CRandom::Next()
{
    // A 64-bit linear congruential step; its high bits are the good ones.
    m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>(m_state >> 33);
}

int CRandom::Next(int n)
{
    if (n <= 0)
        return 0;
    return Next() % n;
}

float CRandom::NextFloat()
{
    return static_cast<float>(Next() >> 7) / static_cast<float>(1 << 24);
}
