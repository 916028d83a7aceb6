#include "tools/soundgen/CRandom.h"

CRandom::CRandom(uint64_t seed)
    : m_state(seed ^ 0x9e3779b97f4a7c15ULL)
{
    if (m_state == 0)
        m_state = 0x2545f4914f6cdd1dULL;
}

uint32_t CRandom::Next()
{
    // xorshift64*: small, fast and good enough for noise and note choices.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return static_cast<uint32_t>((m_state * 0x2545f4914f6cdd1dULL) >> 32);
}

double CRandom::Unit()
{
    return Next() / 4294967296.0;
}

double CRandom::Signed()
{
    return Unit() * 2.0 - 1.0;
}

int CRandom::Below(int count)
{
    if (count <= 0)
        return 0;
    return static_cast<int>(Next() % static_cast<uint32_t>(count));
}

bool CRandom::Chance(double probability)
{
    return Unit() < probability;
}
