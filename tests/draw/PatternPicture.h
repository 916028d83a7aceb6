#pragma once
// A picture for the tests that copy or draw one into a window.

#include <cstddef>

#include "engine/gfx/CPicture.h"

// RGB, rows bottom first as the decoders give them. Each pixel differs from
// its neighbours in every channel, so that a flipped, shifted or reordered
// copy cannot pass for it; `flat` makes every pixel (200, 100, 50).
inline CPicture MakePatternPicture(int width, int height, bool flat = false)
{
    CPicture picture;
    picture.m_width = width;
    picture.m_height = height;
    picture.m_components = 3;
    picture.m_pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            unsigned char* p = &picture.m_pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<unsigned char>(flat ? 200 : x * 3 + y);
            p[1] = static_cast<unsigned char>(flat ? 100 : y * 5 + x / 2 + 40);
            p[2] = static_cast<unsigned char>(flat ? 50 : x + y * 7 + 90);
        }
    return picture;
}
