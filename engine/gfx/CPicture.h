#pragma once

#include <cstddef>
#include <vector>

// Decoded pixels, rows bottom first (texture coordinate 0 at the bottom),
// R, G, B (and A or grey) per pixel, no row padding.
class CPicture
{
public:
    int m_width = 0;
    int m_height = 0;
    int m_components = 0;   // 1 grey, 3 RGB, 4 RGBA
    std::vector<unsigned char> m_pixels;

    bool IsEmpty() const { return m_pixels.empty(); }
    std::size_t GetRowSize() const { return static_cast<std::size_t>(m_width) * m_components; }

    // The pixel's bytes; no bounds check beyond an assertion.
    const unsigned char* GetPixel(int x, int y) const;

    // Grey becomes RGB with the grey value in each channel; others are left alone.
    void ExpandGreyToRgb();
};
