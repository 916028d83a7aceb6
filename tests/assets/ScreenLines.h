#pragma once
// Brightness along a line of an 800 x 600 screen picture, for the asset
// tests that find the frames painted into the game grounds.

#include "engine/gfx/CPicture.h"

// The mean brightness of a line of pixels of the screen (y down): row `at`
// from `from` to `to`, or column `at` when not `row`.
inline float MeanLine(const CPicture& picture, bool row, int at, int from, int to)
{
    float sum = 0.0f;
    for (int k = from; k < to; ++k)
    {
        const int x = row ? k : at, y = row ? at : k;
        const unsigned char* p = picture.GetPixel(x, picture.m_height - 1 - y);
        sum += static_cast<float>(p[0] + p[1] + p[2]) / 3.0f;
    }
    return sum / static_cast<float>(to - from);
}
