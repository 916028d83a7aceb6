#include "tools/assetgen/CFontSheet.h"

#include "tools/assetgen/CTextRasterizer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace
{
const int kPixelSize = 64;      // em size; bands come out about 70 rows tall
const int kSheetWidth = 1024;
const int kGlyphSpacing = 6;    // transparent columns between glyphs; keeps mipmaps from bleeding
const int kBandSpacing = 6;     // transparent rows between bands
const int kMarkerWidth = 3;
const float kFaintAlpha = 1.5f / 255.0f;   // written as 1 or 2, never 0, invisible when drawn

// Every glyph, and the rows above and below the baseline that the highest
// and lowest ink of them all reach: every cell is that tall.
struct SGlyphSet
{
    std::vector<CTextRasterizer::CGlyph> glyphs;
    int inkTop = -1000;
    int inkBottom = 1000;
};

SGlyphSet RenderGlyphs(const std::string& fontPath)
{
    CTextRasterizer text(fontPath, kPixelSize);
    SGlyphSet set;
    for (int c = CFontSheet::kFirstChar; c <= CFontSheet::kLastChar; ++c)
    {
        set.glyphs.push_back(text.RenderGlyph(static_cast<unsigned char>(c)));
        const CTextRasterizer::CGlyph& g = set.glyphs.back();
        set.inkTop = std::max(set.inkTop, g.m_top);
        set.inkBottom = std::min(set.inkBottom, g.m_top - g.m_image.GetHeight());
    }
    return set;
}
}

CFontSheet::SInkSpan CFontSheet::CapitalInk(const std::string& fontPath, float size, float y)
{
    const SGlyphSet set = RenderGlyphs(fontPath);
    // The reader draws a cell's rows, from its top down to the lowest ink,
    // over the size; the baseline lies inkTop rows down.
    const float row = size / static_cast<float>(set.inkTop - set.inkBottom);
    const float cellTop = y - size;
    const CTextRasterizer::CGlyph& capital = set.glyphs['H' - kFirstChar];
    return {cellTop + static_cast<float>(set.inkTop - capital.m_top) * row,
            cellTop + static_cast<float>(set.inkTop) * row};
}

CCanvas CFontSheet::Build(const std::string& fontPath)
{
    const SGlyphSet set = RenderGlyphs(fontPath);
    const std::vector<CTextRasterizer::CGlyph>& glyphs = set.glyphs;
    const int inkTop = set.inkTop;
    const int cellRows = inkTop - set.inkBottom;

    // The engine spaces letters by a tenth of the capital A's box and makes
    // a blank as wide as that box; boxes are sized so that the pen advance
    // matches the font's own advances.
    const CTextRasterizer::CGlyph& capitalA = glyphs['A' - kFirstChar];
    const float boxA = std::round(capitalA.m_advance / 1.1f);
    const float gap = boxA / 10.0f;

    struct Cell
    {
        int box;    // columns of the reader's box: the leading transparent column + the extent
        int inkX;   // ink offset from the box's first column
    };
    std::vector<Cell> cells;
    for (int i = 0; i < kGlyphCount; ++i)
    {
        const CTextRasterizer::CGlyph& g = glyphs[i];
        Cell cell;
        cell.box = std::max(2, static_cast<int>(std::lround(g.m_advance - gap)));
        if (i == 'A' - kFirstChar)
            cell.box = static_cast<int>(boxA);
        const float pen = -gap / 2.0f;
        cell.inkX = std::max(1, static_cast<int>(std::lround(pen + g.m_left)));
        cell.box = std::max(cell.box, cell.inkX + g.m_image.GetWidth() + 1);
        cells.push_back(cell);
    }

    // Lay the bands out.
    struct Placed
    {
        int band;
        int column;
    };
    std::vector<Placed> placed;
    const int firstColumn = 2 + kMarkerWidth + kGlyphSpacing - 1;
    int band = 0;
    int column = firstColumn;
    for (const Cell& cell : cells)
    {
        if (column + cell.box + kGlyphSpacing > kSheetWidth - 2)
        {
            ++band;
            column = firstColumn;
        }
        placed.push_back({band, column});
        column += cell.box + kGlyphSpacing - 1;
    }
    const int bandCount = band + 1;
    const int bandPitch = cellRows + 1 + kBandSpacing;
    const int needed = 2 + bandCount * bandPitch + 2;
    int height = 64;
    while (height < needed)
        height *= 2;

    CCanvas sheet(kSheetWidth, height, CColor(1, 1, 1, 0));
    for (int b = 0; b < bandCount; ++b)
    {
        const int markerTop = 2 + b * bandPitch;
        for (int y = markerTop; y <= markerTop + cellRows; ++y)
            for (int x = 2; x < 2 + kMarkerWidth; ++x)
                sheet.At(x, y).a = 1.0f;
    }
    for (int i = 0; i < kGlyphCount; ++i)
    {
        const CTextRasterizer::CGlyph& g = glyphs[i];
        const Cell& cell = cells[i];
        const int cellTop = 2 + placed[i].band * bandPitch + 1;
        const int boxLeft = placed[i].column;
        const int baseline = cellTop + inkTop;
        const int gx = boxLeft + cell.inkX;
        const int gy = baseline - g.m_top;
        for (int y = 0; y < g.m_image.GetHeight(); ++y)
            for (int x = 0; x < g.m_image.GetWidth(); ++x)
                sheet.At(gx + x, gy + y).a = g.m_image.At(x, y).a;
        // Keep every column of the extent non-transparent in the cell's lowest row.
        const int lowRow = cellTop + cellRows - 1;
        for (int x = boxLeft + 1; x < boxLeft + cell.box; ++x)
            if (sheet.At(x, lowRow).a < kFaintAlpha)
                sheet.At(x, lowRow).a = kFaintAlpha;
    }
    const int found = CountGlyphs(sheet);
    if (found != kGlyphCount)
        throw std::runtime_error("font sheet scan found " + std::to_string(found) + " glyphs");
    return sheet;
}

int CFontSheet::CountGlyphs(const CCanvas& sheet)
{
    const int width = sheet.GetWidth();
    const int height = sheet.GetHeight();
    // Row r of the game (bottom first) is canvas row height - 1 - r. Alpha
    // as the file stores it: a byte that is not 0.
    auto opaque = [&](int x, int r) { return CColor::ToByte(sheet.At(x, height - 1 - r).a) != 0; };
    auto rowHasInk = [&](int r) {
        for (int x = 0; x < width; ++x)
            if (opaque(x, r))
                return true;
        return false;
    };
    auto columnHasInk = [&](int x, int top, int bottom) {
        for (int r = top; r >= bottom; --r)
            if (opaque(x, r))
                return true;
        return false;
    };
    int count = 0;
    int row = height;
    for (;;)
    {
        int top = 0;
        for (int r = row - 1; r >= 0; --r)
            if (rowHasInk(r))
            {
                top = r;
                break;
            }
        int bottom = 0;
        for (int r = top - 1; r >= 0; --r)
            if (!rowHasInk(r))
            {
                bottom = r + 1;
                break;
            }
        if (top == 0)
            break;
        auto findStart = [&](int from) {
            for (int x = from; x < width; ++x)
                if (columnHasInk(x, top, bottom))
                    return x;
            return width - 1;
        };
        auto findEnd = [&](int from) {
            for (int x = from; x < width; ++x)
                if (!columnHasInk(x, top, bottom))
                    return x - 1;
            return width - 1;
        };
        int start = findStart(0);
        int end = findEnd(start);
        for (;;)
        {
            start = findStart(end + 1);
            if (start == width - 1)
                break;
            end = findEnd(start);
            ++count;
        }
        row = bottom;
        if (row <= 0)
            break;
    }
    return count;
}
