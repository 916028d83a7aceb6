#pragma once

#include "tools/assetgen/CCanvas.h"

#include <string>

// The game's one font picture: the 94 printable characters 33..126 in
// bands. The game finds the glyphs by scanning the alpha channel, so the
// picture follows its rules exactly:
// - bands are separated by fully transparent rows;
// - each band starts with a marker one row taller (at the top) than the
//   glyph cells, since the reader drops a band's top row from every box;
// - glyphs are separated by fully transparent columns, and every column
//   inside a glyph holds at least one pixel of alpha 1 or more, so that
//   glyphs with inner gaps (" % ") stay whole;
// - the last column and the bottom row are transparent.
class CFontSheet
{
public:
    static constexpr int kFirstChar = 33;
    static constexpr int kLastChar = 126;
    static constexpr int kGlyphCount = kLastChar - kFirstChar + 1;
    // The face the sheet is set in, in the fonts directory.
    static constexpr const char* kFontFile = "DejaVuSans-Bold.ttf";

    // Where the capitals' ink falls when the game draws a line of the sheet
    // built from fontPath at y with the given size (screen rows, y down): the
    // top of the capitals and the baseline. The game's y is the foot of the
    // glyph cells, which reach below the baseline for the descenders.
    struct SInkSpan
    {
        float top;
        float baseline;
    };
    static SInkSpan CapitalInk(const std::string& fontPath, float size, float y);

    // The picture, white with the coverage in alpha, top row first.
    static CCanvas Build(const std::string& fontPath);

    // The reader's scan, bottom-first rows as the game sees them: the number
    // of glyphs found (markers not counted). The build checks itself with it.
    static int CountGlyphs(const CCanvas& sheet);
};
