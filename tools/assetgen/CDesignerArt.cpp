#include "tools/assetgen/CDesignerArt.h"

#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CObjWriter.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
// The arrow's outline, counter-clockwise seen from above, pointing up:
// a head over the full width and a stem a third as wide.
const float kArrow[7][2] = {{0.0f, 0.5f},   {-0.45f, 0.0f}, {-0.16f, 0.0f}, {-0.16f, -0.5f},
                            {0.16f, -0.5f}, {0.16f, 0.0f},  {0.45f, 0.0f}};
const float kArrowHalfDepth = 0.09f;
// The slot plate is thin: it lies under the board's bricks.
const float kPlateDepth = 0.03f;
// The figures as the game deals them, rows from the top ('X' a cell); a
// kind k wears the brick colour k modulo 6, the default skin's look.
const char* const kFigures[9] = {"XXX/.X.", "XXXX",    ".XX/XX.",     "XX./.XX", "XX/XX",
                                 "XXX/X..", "XXX/..X", ".X./XXX/.X.", "XXX/X.X"};
const int kFigureSkin = 2;
const int kFigureColors = 6;

float Smooth(float edge0, float edge1, float x)
{
    const float t = std::min(1.0f, std::max(0.0f, (x - edge0) / (edge1 - edge0)));
    return t * t * (3.0f - 2.0f * t);
}

// Cells across the figure's first row (all its rows are as wide).
int Columns(const std::string& shape)
{
    const std::size_t slash = shape.find('/');
    return static_cast<int>(slash == std::string::npos ? shape.size() : slash);
}

CColor Mix(const CColor& a, const CColor& b, float t)
{
    return CColor(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, 1.0f);
}
}

std::string CDesignerArt::PlaceMesh()
{
    CObjWriter obj("place");
    auto vertex = [&](float x, float y, float z, float nx, float ny, float nz) {
        return obj.AddVertex({x, y, z, x + 0.5f, y + 0.5f, nx, ny, nz});
    };
    obj.AddQuad(vertex(-0.5f, -0.5f, kPlateDepth, 0, 0, 1), vertex(0.5f, -0.5f, kPlateDepth, 0, 0, 1),
                vertex(0.5f, 0.5f, kPlateDepth, 0, 0, 1), vertex(-0.5f, 0.5f, kPlateDepth, 0, 0, 1));
    const float corners[4][2] = {{0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}, {-0.5f, -0.5f}};
    for (int i = 0; i < 4; ++i)
    {
        const float* a = corners[i];
        const float* b = corners[(i + 1) % 4];
        const float nx = a[0] + b[0], ny = a[1] + b[1];
        obj.AddQuad(vertex(a[0], a[1], 0.0f, nx, ny, 0), vertex(b[0], b[1], 0.0f, nx, ny, 0),
                    vertex(b[0], b[1], kPlateDepth, nx, ny, 0), vertex(a[0], a[1], kPlateDepth, nx, ny, 0));
    }
    return obj.ToText();
}

CCanvas CDesignerArt::PlaceTexture(int size)
{
    // A dark sunken slot with a light rim: the picture's empty cells.
    const CColor deep = CColor::FromHex(0x1E2533);
    const CColor floor = CColor::FromHex(0x2F3A4F);
    const CColor rim = CColor::FromHex(0x8A9BBD);
    CCanvas canvas(size, size);
    canvas.Paint([&](float px, float py) {
        const float x = px / size - 0.5f, y = py / size - 0.5f;
        const float edge = 0.5f - std::max(std::fabs(x), std::fabs(y));
        // Lit from the upper left, as the bricks are.
        const float light = 0.5f - 0.6f * (x + y);
        CColor inside = Mix(deep, floor, std::min(1.0f, std::max(0.0f, light)));
        const float ring = Smooth(0.02f, 0.05f, edge) * (1.0f - Smooth(0.07f, 0.1f, edge));
        return Mix(inside, rim, 0.8f * ring);
    });
    return canvas;
}

std::string CDesignerArt::ArrowMesh()
{
    CObjWriter obj("arrow");
    auto vertex = [&](const float* p, float z, float nx, float ny, float nz) {
        return obj.AddVertex({p[0], p[1], z, p[0] + 0.5f, p[1] + 0.5f, nx, ny, nz});
    };
    const float top = kArrowHalfDepth, bottom = -kArrowHalfDepth;
    // Head and stem, on the top face and mirrored underneath.
    obj.AddTriangle(vertex(kArrow[0], top, 0, 0, 1), vertex(kArrow[1], top, 0, 0, 1), vertex(kArrow[6], top, 0, 0, 1));
    obj.AddQuad(vertex(kArrow[2], top, 0, 0, 1), vertex(kArrow[3], top, 0, 0, 1), vertex(kArrow[4], top, 0, 0, 1),
                vertex(kArrow[5], top, 0, 0, 1));
    obj.AddTriangle(vertex(kArrow[0], bottom, 0, 0, -1), vertex(kArrow[6], bottom, 0, 0, -1),
                    vertex(kArrow[1], bottom, 0, 0, -1));
    obj.AddQuad(vertex(kArrow[5], bottom, 0, 0, -1), vertex(kArrow[4], bottom, 0, 0, -1),
                vertex(kArrow[3], bottom, 0, 0, -1), vertex(kArrow[2], bottom, 0, 0, -1));
    for (int i = 0; i < 7; ++i)
    {
        const float* a = kArrow[i];
        const float* b = kArrow[(i + 1) % 7];
        float nx = b[1] - a[1], ny = a[0] - b[0];
        const float len = std::sqrt(nx * nx + ny * ny);
        nx /= len;
        ny /= len;
        obj.AddQuad(vertex(a, bottom, nx, ny, 0), vertex(b, bottom, nx, ny, 0), vertex(b, top, nx, ny, 0),
                    vertex(a, top, nx, ny, 0));
    }
    return obj.ToText();
}

CCanvas CDesignerArt::ArrowTexture(int size)
{
    // Warm gold, brighter toward the tip, with a soft highlight.
    const CColor dark = CColor::FromHex(0xB0741C);
    const CColor light = CColor::FromHex(0xFFD86B);
    CCanvas canvas(size, size);
    canvas.Paint([&](float px, float py) {
        const float x = px / size - 0.5f, y = 0.5f - py / size;
        const float glow = std::exp(-((x + 0.1f) * (x + 0.1f) + (y - 0.15f) * (y - 0.15f)) * 12.0f);
        return Mix(Mix(dark, light, 0.5f + 0.5f * y), CColor(1, 1, 0.9f), 0.45f * glow);
    });
    return canvas;
}

CCanvas CDesignerArt::FigureLegend()
{
    const float cell = 18.0f;
    const float gap = 12.0f;
    CCanvas c(330, 130, CColor::FromHex(0x101A3C));
    // Kinds 0..4 in the upper row, 5..8 in the lower one, each row centred.
    const int rows[2][2] = {{0, 5}, {5, 9}};
    const float tops[2] = {12.0f, 60.0f};
    for (int row = 0; row < 2; ++row)
    {
        float width = -gap;
        for (int kind = rows[row][0]; kind < rows[row][1]; ++kind)
            width += Columns(kFigures[kind]) * cell + gap;
        float left = (c.GetWidth() - width) / 2.0f;
        for (int kind = rows[row][0]; kind < rows[row][1]; ++kind)
        {
            const CCanvas brick = CBrickArt::Texture(kFigureSkin, kind % kFigureColors, 64);
            const std::string shape = kFigures[kind];
            int x = 0;
            int y = 0;
            for (char ch : shape)
            {
                if (ch == '/')
                {
                    ++y;
                    x = 0;
                    continue;
                }
                if (ch == 'X')
                    c.DrawScaled(brick, left + x * cell, tops[row] + y * cell, cell - 1.0f, cell - 1.0f);
                ++x;
            }
            left += Columns(shape) * cell + gap;
        }
    }
    return c;
}

void CDesignerArt::Write(CAssetSink& sink)
{
    sink.WriteJpeg("mui/designer/help_figures.jpg", FigureLegend(), 92);
    sink.WriteText("dat/designer/place.obj", PlaceMesh());
    sink.WriteTga("dat/designer/place.tga", PlaceTexture(kTextureSize), false);
    sink.WriteText("dat/designer/arrow.obj", ArrowMesh());
    sink.WriteTga("dat/designer/arrow.tga", ArrowTexture(kTextureSize), false);
}
