#include "engine/gfx/CBackBufferMark.h"

#include "engine/gfx/CDraw2D.h"

bool CBackBufferMark::HoldsLastFrame() const
{
    return m_stamped && CDraw2D::ReadPixel(0, 0) == StampColor(m_base, m_count);
}

void CBackBufferMark::Stamp()
{
    ++m_count;
    const unsigned int color = StampColor(m_base, m_count);
    CDraw2D::ClearColorInRect(0, 0, 1, 1, static_cast<float>((color >> 16) & 0xff) / 255.0f,
                              static_cast<float>((color >> 8) & 0xff) / 255.0f,
                              static_cast<float>(color & 0xff) / 255.0f);
    m_stamped = true;
}

unsigned int CBackBufferMark::StampColor(unsigned int base, unsigned int count)
{
    const unsigned int low = (count & 3) | ((count >> 2 & 3) << 8) | ((count >> 4 & 3) << 16);
    return (base & 0xfcfcfc) | low;
}
