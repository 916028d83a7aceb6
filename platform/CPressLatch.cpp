#include "platform/CPressLatch.h"

CPressLatch::CPressLatch(std::size_t count) : m_down(count, 0), m_latched(count, 0)
{
}

void CPressLatch::Press(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_down.size())
        return;
    m_down[index] = 1;
    m_latched[index] = 1;
}

void CPressLatch::Release(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_down.size())
        return;
    m_down[index] = 0;
}

void CPressLatch::Clear()
{
    for (std::size_t i = 0; i < m_down.size(); ++i)
    {
        m_down[i] = 0;
        m_latched[i] = 0;
    }
}

bool CPressLatch::IsDown(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_down.size() && m_down[index] != 0;
}

bool CPressLatch::TakeHeld(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_down.size())
        return false;
    const bool held = m_down[index] != 0 || m_latched[index] != 0;
    m_latched[index] = 0;
    return held;
}

void CPressLatch::Snapshot(unsigned char* out, std::size_t count)
{
    for (std::size_t i = 0; i < m_down.size(); ++i)
    {
        const bool held = m_down[i] != 0 || m_latched[i] != 0;
        if (i < count)
            out[i] = held ? 0x80 : 0;
        m_latched[i] = 0;
    }
    for (std::size_t i = m_down.size(); i < count; ++i)
        out[i] = 0;
}

void CPressLatch::ExpireLatches()
{
    for (std::size_t i = 0; i < m_latched.size(); ++i)
        m_latched[i] = 0;
}
