#include "engine/gfx/CPicture.h"

#include <cassert>

const unsigned char* CPicture::GetPixel(int x, int y) const
{
    assert(x >= 0 && x < m_width && y >= 0 && y < m_height);
    return m_pixels.data() + (static_cast<std::size_t>(y) * m_width + x) * m_components;
}

void CPicture::ExpandGreyToRgb()
{
    if (m_components != 1)
        return;
    std::vector<unsigned char> rgb(m_pixels.size() * 3);
    for (std::size_t i = 0; i < m_pixels.size(); ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = m_pixels[i];
    m_pixels.swap(rgb);
    m_components = 3;
}
