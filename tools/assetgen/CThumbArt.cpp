#include "tools/assetgen/CThumbArt.h"

#include "games/GameKinds.h"

#include "tools/assetgen/CBackdropArt.h"
#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CRandom.h"
#include "tools/assetgen/CScenePainter.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CWidgetArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
class CBoardSketch
{
public:
    CBoardSketch(CCanvas& canvas, float x, float y, int cols, int rows, float cell, int skin)
        : m_canvas(canvas), m_x(x), m_y(y), m_cols(cols), m_rows(rows), m_cell(cell), m_skin(skin)
    {
        for (int i = 0; i < CBrickArt::kColorCount; ++i)
            m_bricks.push_back(CBrickArt::Texture(skin, i, 64));
    }

    void Ground(bool checker)
    {
        CScenePainter::Panel(m_canvas, m_x - 8, m_y - 8, m_cols * m_cell + 16, m_rows * m_cell + 16, 10, 0.95f);
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < m_cols; ++c)
            {
                const bool even = (r + c) % 2 == 0;
                const float a = checker ? (even ? 0.16f : 0.06f) : 0.08f;
                const float cx = CellX(c) + m_cell / 2, cy = CellY(r) + m_cell / 2, h = m_cell / 2 - 1.5f;
                m_canvas.FillShape([=](float x, float y) { return CShape::RoundedBox(x, y, cx, cy, h, h, 3); },
                                   CColor(0.8f, 0.88f, 1.0f, a), static_cast<int>(cx - h) - 1, static_cast<int>(cy - h) - 1,
                                   static_cast<int>(cx + h) + 1, static_cast<int>(cy + h) + 1);
            }
    }

    void Brick(int color, float x, float y, float size, float opacity = 1.0f)
    {
        CCanvas layer(static_cast<int>(size) + 8, static_cast<int>(size) + 8, CColor(1, 1, 1, 0));
        layer.DrawScaled(m_bricks[color], 4, 4, size, size);
        CCanvas shadow = layer;
        shadow.Blur(3);
        m_canvas.DrawTinted(shadow, static_cast<int>(x) - 3, static_cast<int>(y) - 2, CColor(0, 0, 0, 0.5f * opacity));
        m_canvas.Draw(layer, static_cast<int>(x) - 4, static_cast<int>(y) - 4, opacity);
    }

    void Cell(int c, int r, int color, float opacity = 1.0f) { Brick(color, CellX(c) + 1, CellY(r) + 1, m_cell - 2, opacity); }

    void Outline(int c, int r, const CColor& color)
    {
        const float cx = CellX(c) + m_cell / 2, cy = CellY(r) + m_cell / 2, h = m_cell / 2 - 1;
        m_canvas.FillShape([=](float x, float y) { return std::fabs(CShape::RoundedBox(x, y, cx, cy, h, h, 3)) - 1.2f; },
                           color, static_cast<int>(cx - h) - 3, static_cast<int>(cy - h) - 3, static_cast<int>(cx + h) + 3,
                           static_cast<int>(cy + h) + 3);
    }

    void Arrow(float ax, float ay, float bx, float by, const CColor& color)
    {
        const float dx = bx - ax, dy = by - ay, len = std::hypot(dx, dy);
        const float ux = dx / len, uy = dy / len;
        const float hx = bx - ux * 10, hy = by - uy * 10;
        const CShape::Points head = {{bx, by}, {hx - uy * 7, hy + ux * 7}, {hx + uy * 7, hy - ux * 7}};
        auto shape = [=](float x, float y) {
            return std::min(CShape::Segment(x, y, ax, ay, hx, hy, 2.6f), CShape::Polygon(x, y, head));
        };
        CCanvas layer(m_canvas.GetWidth(), m_canvas.GetHeight(), CColor(1, 1, 1, 0));
        layer.FillShape(shape, CColor(1, 1, 1, 1), 0, 0, m_canvas.GetWidth() - 1, m_canvas.GetHeight() - 1);
        CCanvas shadow = layer;
        shadow.Blur(3);
        m_canvas.DrawTinted(shadow, 1, 2, CColor(0, 0, 0, 0.8f));
        m_canvas.DrawTinted(layer, 0, 0, color);
    }

    float CellX(int c) const { return m_x + c * m_cell; }
    float CellY(int r) const { return m_y + r * m_cell; }
    float Cell() const { return m_cell; }

private:
    CCanvas& m_canvas;
    float m_x, m_y;
    int m_cols, m_rows;
    float m_cell;
    int m_skin;
    std::vector<CCanvas> m_bricks;
};
}

CCanvas CThumbArt::Thumbnail(int kind, const std::string& fontDir)
{
    const CScenePainter scene(fontDir);
    CCanvas c = scene.Sky(kWidth, kHeight, CBackdropArt::KindTint(kind), 60 + kind);
    CRandom random(700 + kind);
    const CColor gold = CPalette::GoldLight();
    switch (kind)
    {
    case 0:
    {
        CBoardSketch b(c, 130, 40, 9, 9, 25, 0);
        b.Ground(true);
        for (int r = 0; r < 9; ++r)
            for (int col = 0; col < 9; ++col)
            {
                if ((r + col) % 2 == 0 && random.Unit() < 0.7f)
                    b.Cell(col, r, random.Int(4));
                else if ((r + col) % 2 == 1 && random.Unit() < 0.08f)
                    b.Cell(col, r, 6);
            }
        for (int i = 0; i < 4; ++i)
            b.Brick(random.Int(4), 62, 80.0f + i * 38.0f, 26);
        b.Brick(1, 250, 150, 30, 0.85f);
        break;
    }
    case 1:
    {
        CBoardSketch b(c, 112, 40, 7, 7, 31, 1);
        b.Ground(false);
        for (int r = 0; r < 7; ++r)
            for (int col = 0; col < 7; ++col)
                if (!(r == 3 && col == 5))
                    b.Cell(col, r, r == 3 ? 2 : random.Int(5));
        b.Arrow(b.CellX(6) + 40, b.CellY(3) + 15, b.CellX(6) + 4, b.CellY(3) + 15, gold);
        break;
    }
    case 2:
    {
        CBoardSketch b(c, 120, 46, 7, 7, 29, 0);
        b.Ground(false);
        for (int r = 0; r < 7; ++r)
            for (int col = 0; col < 7; ++col)
                b.Cell(col, r, random.Int(5));
        for (int i = 0; i < 7; ++i)
        {
            const float m = b.CellX(i) + 14.5f;
            b.Arrow(m, 28, m, 40, gold);
            b.Arrow(m, 268, m, 256, gold);
            const float n = b.CellY(i) + 14.5f;
            b.Arrow(102, n, 114, n, gold);
            b.Arrow(338, n, 326, n, gold);
        }
        break;
    }
    case 3:
    {
        CBoardSketch b(c, 60, 44, 7, 7, 30, 2);
        b.Ground(false);
        const int shape[7][7] = {{0, 0, 1, 1, 1, 0, 0}, {0, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
                                 {0, 1, 1, 1, 1, 1, 0}, {0, 0, 1, 1, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 0}};
        for (int r = 0; r < 7; ++r)
            for (int col = 0; col < 7; ++col)
                if (shape[r][col])
                {
                    if (r < 4)
                        b.Cell(col, r, (col + r / 2) % 3 == 0 ? 3 : ((col + r) % 2 ? 0 : 4));
                    else
                        b.Outline(col, r, gold.WithAlpha(0.8f));
                }
        // The tray with two figures still to lay.
        CScenePainter::Panel(c, 290, 60, 96, 190, 10, 0.9f);
        for (int i = 0; i < 4; ++i)
            b.Brick(1, 306.0f + (i == 3 ? 22 : 0), 76.0f + (i < 3 ? i * 22 : 44), 21);
        for (int i = 0; i < 4; ++i)
            b.Brick(5, 306.0f + (i % 2) * 22, 170.0f + (i / 2) * 22, 21);
        break;
    }
    case 4:
    case 5:
    {
        const bool feeders = kind == 5;
        const int cols = 8;
        CBoardSketch b(c, feeders ? 112 : 100, 40, cols, 8, 26, 1);
        b.Ground(false);
        const int colors = feeders ? 4 : 5;
        for (int col = 0; col < cols; ++col)
        {
            const int height = 3 + random.Int(6);
            for (int r = 8 - height; r < 8; ++r)
                b.Cell(col, r, random.Int(colors));
        }
        if (feeders)
        {
            for (int side = 0; side < 2; ++side)
            {
                const float x = side == 0 ? 74.0f : 340.0f;
                CScenePainter::Panel(c, x - 4, 36, 32, 216, 8, 0.8f);
                for (int i = 0; i < 8; ++i)
                    b.Brick(random.Int(colors), x, 42.0f + i * 26, 24);
            }
        }
        else
        {
            for (int i = 0; i < 3; ++i)
                b.Outline(2 + i / 2, 6 + i % 2, gold);
        }
        break;
    }
    case 6:
    {
        CBoardSketch b(c, 100, 30, 10, 10, 20, 0);
        b.Ground(false);
        for (int r = 0; r < 10; ++r)
            for (int col = 0; col < 10; ++col)
            {
                int color = random.Int(6);
                if (r + col < 5)
                    color = 0;
                if (r + col > 13)
                    color = 3;
                b.Cell(col, r, color);
            }
        for (int r = 0; r < 10; ++r)
            for (int col = 0; col < 10; ++col)
            {
                if (r + col < 5)
                    b.Outline(col, r, gold);
                if (r + col > 13)
                    b.Outline(col, r, CColor(0.85f, 0.9f, 1.0f));
            }
        for (int i = 0; i < 6; ++i)
            b.Brick(i, 128.0f + i * 26, 240, 22);
        break;
    }
    default:
    {
        CBoardSketch b(c, 100, 40, 8, 8, 26, 2);
        b.Ground(true);
        for (int r = 0; r < 8; ++r)
            for (int col = 0; col < 8; ++col)
                b.Cell(col, r, (r == 4 && col >= 2 && col <= 4 && col != 3) ? 4 : random.Int(6));
        b.Cell(3, 5, 4);
        b.Arrow(b.CellX(3) + 13, b.CellY(5) + 6, b.CellX(3) + 13, b.CellY(4) + 20, gold);
        break;
    }
    }
    scene.Caption(c, GetGameKinds()[kind].m_caption, 20, 12, 24, CPalette::Gold(), CScenePainter::EAlign::Left);
    return c;
}

CCanvas CThumbArt::BrickLegend(int skin, int count)
{
    if (count <= 0 || count > CBrickArt::kColorCount)
        count = CBrickArt::kColorCount;
    CCanvas c(std::min(kWidth, 15 + count * 55), 100, CColor::FromHex(0x101A3C));
    for (int i = 0; i < count; ++i)
    {
        CCanvas brick = CBrickArt::Texture(skin, i, 64);
        c.DrawScaled(brick, 10.0f + i * 55.0f, 24, 50, 50);
    }
    return c;
}

void CThumbArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    for (int kind = 0; kind < static_cast<int>(GetGameKinds().size()); ++kind)
    {
        char name[64];
        std::snprintf(name, sizeof name, "mui/thumbs/%02d.jpg", kind + 1);
        sink.WriteJpeg(name, Thumbnail(kind, fontDir), 90);
    }
    sink.WriteJpeg("mui/help/bricks.jpg", BrickLegend(0, CBrickArt::kColorCount), 92);
    // The slider plays six colours and has no blocker.
    sink.WriteJpeg("mui/slider/help_bricks.jpg", BrickLegend(0, CBrickArt::kColorCount - 1), 92);
}
