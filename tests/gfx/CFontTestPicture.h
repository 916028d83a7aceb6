#pragma once

#include <vector>

// A font picture built in memory: bands of equal glyphs, 4 pixels wide and 6 rows tall,
// each band led by a 2-pixel marker. A glyph box spans 5 pixels and a band 5 rows, so at
// size 10 every glyph draws 10 units wide, the space (the width of 'A') is 10 and the gap
// between glyphs 1.
struct CFontTestPicture
{
    static std::vector<unsigned char> Make(const std::vector<int>& glyphs_per_band, int bits = 32);
    static constexpr int kWidth = 128;
    static constexpr int kBandPitch = 7;
};
