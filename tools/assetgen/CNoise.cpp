#include "tools/assetgen/CNoise.h"

#include "tools/assetgen/CRandom.h"

#include <cmath>

namespace
{
const int kPeriod = 256;

float Smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}
}

CNoise::CNoise(std::uint64_t seed) : m_values(kPeriod), m_perm(kPeriod * 2)
{
    CRandom random(seed);
    for (int i = 0; i < kPeriod; ++i)
    {
        m_values[i] = random.Range(-1.0f, 1.0f);
        m_perm[i] = i;
    }
    for (int i = kPeriod - 1; i > 0; --i)
    {
        const int j = random.Int(i + 1);
        const int t = m_perm[i];
        m_perm[i] = m_perm[j];
        m_perm[j] = t;
    }
    for (int i = 0; i < kPeriod; ++i)
        m_perm[kPeriod + i] = m_perm[i];
}

float CNoise::Lattice(int x, int y) const
{
    const int xi = x & (kPeriod - 1);
    const int yi = y & (kPeriod - 1);
    return m_values[m_perm[m_perm[xi] + yi]];
}

float CNoise::Value(float x, float y) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float a = Lattice(ix, iy);
    const float b = Lattice(ix + 1, iy);
    const float c = Lattice(ix, iy + 1);
    const float d = Lattice(ix + 1, iy + 1);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float CNoise::Fractal(float x, float y, int octaves) const
{
    float sum = 0.0f;
    float amplitude = 0.5f;
    float frequency = 1.0f;
    float norm = 0.0f;
    for (int i = 0; i < octaves; ++i)
    {
        sum += Value(x * frequency + i * 17.3f, y * frequency - i * 11.1f) * amplitude;
        norm += amplitude;
        amplitude *= 0.5f;
        frequency *= 2.0f;
    }
    return norm > 0.0f ? sum / norm : 0.0f;
}

float CNoise::Veins(float x, float y, float turbulence) const
{
    const float t = Fractal(x, y, 5) * turbulence;
    const float s = std::sin((x * 0.7f + y * 0.35f + t) * 3.14159265f);
    return std::pow(1.0f - std::fabs(s), 4.0f);
}
