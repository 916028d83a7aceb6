#pragma once

#include <cstdint>

// A small deterministic generator (xorshift64*), so that every run of the
// generator draws the same numbers whatever the C library does.
class CRandom
{
public:
    explicit CRandom(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull)
    {
        if (m_state == 0)
            m_state = 0x2545F4914F6CDD1Dull;
        for (int i = 0; i < 4; ++i)
            Next();
    }

    std::uint64_t Next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }

    // Uniform in [0, 1).
    float Unit() { return static_cast<float>((Next() >> 40) & 0xFFFFFF) / 16777216.0f; }
    float Range(float low, float high) { return low + (high - low) * Unit(); }
    int Int(int count) { return count <= 0 ? 0 : static_cast<int>((Next() >> 33) % static_cast<std::uint64_t>(count)); }

private:
    std::uint64_t m_state;
};
