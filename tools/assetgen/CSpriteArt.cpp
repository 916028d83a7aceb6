#include "tools/assetgen/CSpriteArt.h"

#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CTextRasterizer.h"

#include <algorithm>
#include <cmath>

namespace
{
// The canvas cell of sprite row `row` (from the bottom) and frame `frame`.
void CellOrigin(int rows, int row, int frame, int cell, int& x, int& y)
{
    x = frame * cell;
    y = (rows - 1 - row) * cell;
}

CColor SparkleTint(int row)
{
    if (row < CBrickArt::kColorCount)
        return CBrickArt::BaseColor(row).Lighter(row == CBrickArt::kColorCount - 1 ? 0.45f : 0.25f);
    return CPalette::GoldLight();
}

CCanvas Sparkles(bool back)
{
    const int cell = 32, rows = 8, frames = 4;
    CCanvas sheet(cell * frames, cell * rows, CColor(1, 1, 1, 0));
    for (int row = 0; row < rows; ++row)
        for (int frame = 0; frame < frames; ++frame)
        {
            int ox, oy;
            CellOrigin(rows, row, frame, cell, ox, oy);
            const float cx = ox + cell / 2.0f, cy = oy + cell / 2.0f;
            const CColor tint = SparkleTint(row);
            if (back)
            {
                // Soft motes of light with a bright core; the frames differ in size.
                const float r = 6.0f + frame * 2.0f;
                sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, r + 4); },
                                [=](float x, float y) {
                                    const float d = std::hypot(x - cx, y - cy) / (r + 4);
                                    const float core = std::exp(-d * d * 9.0f);
                                    return CColor::Mix(tint, CColor(1, 1, 1), core).WithAlpha(std::min(1.0f, 1.15f * (1.0f - d) + core * 0.5f));
                                },
                                ox, oy, ox + cell - 1, oy + cell - 1);
            }
            else
            {
                // A four-pointed star with a glow; the frames turn and grow it.
                const float outer = 11.0f + (frame % 2) * 3.0f;
                const float angle = frame * 0.3927f;
                const CShape::Points star = CShape::Star(cx, cy, 4, outer, outer * 0.22f, angle);
                sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, 9.0f); },
                                [=](float x, float y) {
                                    const float d = std::hypot(x - cx, y - cy) / 9.0f;
                                    return tint.WithAlpha(0.55f * (1.0f - d) * (1.0f - d));
                                },
                                ox, oy, ox + cell - 1, oy + cell - 1);
                sheet.FillShape([=](float x, float y) { return CShape::Polygon(x, y, star); },
                                [=](float x, float y) {
                                    const float d = std::hypot(x - cx, y - cy) / outer;
                                    return CColor::Mix(CColor(1, 1, 1), tint, std::min(1.0f, d * 1.6f));
                                },
                                ox, oy, ox + cell - 1, oy + cell - 1);
            }
        }
    return sheet;
}

void Badge(CCanvas& sheet, float cx, float cy, float r, const CColor& fill)
{
    const int x0 = static_cast<int>(cx - r) - 3, y0 = static_cast<int>(cy - r) - 3;
    const int x1 = static_cast<int>(cx + r) + 3, y1 = static_cast<int>(cy + r) + 3;
    sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, r); },
                    [=](float, float y) { return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), (y - cy + r) / (2 * r)); },
                    x0, y0, x1, y1);
    sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, r - 2.5f); },
                    [=](float x, float y) {
                        const float d = std::hypot(x - (cx - r * 0.3f), y - (cy - r * 0.3f)) / (1.6f * r);
                        return CColor::Mix(fill.Lighter(0.35f), fill.Darker(0.35f), std::min(1.0f, d));
                    },
                    x0, y0, x1, y1);
}

CCanvas Numbers(const std::string& fontDir)
{
    const int cell = 64, rows = 10;
    CCanvas sheet(cell, cell * rows, CColor(1, 1, 1, 0));
    CTextRasterizer face(fontDir + "DejaVuSans-Bold.ttf", 40);
    for (int digit = 0; digit < rows; ++digit)
    {
        int ox, oy;
        CellOrigin(rows, digit, 0, cell, ox, oy);
        const float cx = ox + cell / 2.0f, cy = oy + cell / 2.0f;
        Badge(sheet, cx, cy, 27.0f, CColor::FromHex(0x1B2D66));
        int baseline = 0;
        const std::string text(1, static_cast<char>('0' + digit));
        const CCanvas glyph = face.RenderText(text, 2, &baseline);
        const int gx = static_cast<int>(std::lround(cx - face.MeasureText(text) / 2.0f)) - 2;
        const int gy = static_cast<int>(std::lround(cy + 14.5f)) - baseline;
        CCanvas shadow = glyph;
        shadow.Blur(2);
        sheet.DrawTinted(shadow, gx + 1, gy + 2, CColor(0, 0, 0, 0.9f));
        sheet.DrawTinted(glyph, gx, gy, CColor(1, 1, 1));
    }
    return sheet;
}

CCanvas RemoverBonuses()
{
    // Row 0 takes one blocker away, row 1 every blocker, rows 2 and 3 are
    // points (a coin, a heap of coins). Four frames pulse a ring of light.
    const int cell = 64, rows = 4, frames = 4;
    CCanvas sheet(cell * frames, cell * rows, CColor(1, 1, 1, 0));
    const CColor fills[rows] = {CColor::FromHex(0xB0303A), CColor::FromHex(0x7A2BA8), CColor::FromHex(0x1F7A3A), CColor::FromHex(0x1E4FA8)};
    for (int row = 0; row < rows; ++row)
        for (int frame = 0; frame < frames; ++frame)
        {
            int ox, oy;
            CellOrigin(rows, row, frame, cell, ox, oy);
            const float cx = ox + cell / 2.0f, cy = oy + cell / 2.0f;
            const float pulse = 0.5f + 0.5f * std::sin(frame * 1.5708f);
            sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, 31.0f); },
                            [=](float x, float y) {
                                const float d = std::hypot(x - cx, y - cy) / 31.0f;
                                return CPalette::GoldLight().WithAlpha((0.25f + 0.45f * pulse) * std::max(0.0f, 1.0f - d) * 1.5f);
                            },
                            ox, oy, ox + cell - 1, oy + cell - 1);
            Badge(sheet, cx, cy, 23.0f, fills[row]);
            const CColor ink = CColor(1, 1, 1);
            const CColor gold = CPalette::Gold();
            auto bolt = [](float x, float y, float bx, float by, float k) {
                const CShape::Points p = {{bx + 3 * k, by - 13 * k}, {bx - 6 * k, by + 2 * k}, {bx - 0.5f * k, by + 2 * k},
                                          {bx - 3 * k, by + 13 * k}, {bx + 6 * k, by - 2 * k}, {bx + 0.5f * k, by - 2 * k}};
                return CShape::Polygon(x, y, p);
            };
            switch (row)
            {
            case 0:
                sheet.FillShape([=](float x, float y) { return bolt(x, y, cx, cy, 1.1f); }, ink, ox, oy, ox + cell - 1, oy + cell - 1);
                break;
            case 1:
                sheet.FillShape([=](float x, float y) { return std::min(bolt(x, y, cx - 7, cy, 0.85f), bolt(x, y, cx + 7, cy, 0.85f)); },
                                ink, ox, oy, ox + cell - 1, oy + cell - 1);
                break;
            case 2:
                sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, 11.0f); }, gold, ox, oy, ox + cell - 1, oy + cell - 1);
                sheet.FillShape([=](float x, float y) { return CShape::Ring(x, y, cx, cy, 7.5f, 1.2f); }, gold.Darker(0.35f),
                                ox, oy, ox + cell - 1, oy + cell - 1);
                break;
            default:
                for (int k = 0; k < 3; ++k)
                {
                    const float px = cx + (k - 1) * 8.0f, py = cy + (k == 1 ? -6.0f : 4.0f);
                    sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, px, py, 8.0f); },
                                    [=](float, float y) { return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), (y - py + 8) / 16); },
                                    ox, oy, ox + cell - 1, oy + cell - 1);
                    sheet.FillShape([=](float x, float y) { return CShape::Ring(x, y, px, py, 5.0f, 0.9f); }, gold.Darker(0.4f),
                                    ox, oy, ox + cell - 1, oy + cell - 1);
                }
                break;
            }
        }
    return sheet;
}
}

void CSpriteArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    sink.WriteTga("dat/sparkle.tga", Sparkles(false), true);
    sink.WriteTga("dat/sparkle_back.tga", Sparkles(true), true);
    sink.WriteTga("dat/numbers.tga", Numbers(fontDir), true);
    sink.WriteTga("dat/remover/bonuses.tga", RemoverBonuses(), true);
}
