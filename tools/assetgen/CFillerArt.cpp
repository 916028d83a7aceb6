#include "tools/assetgen/CFillerArt.h"

#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CObjWriter.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CUiPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
const float kBevel = 0.16f;     // width of the sloped rim, in brick units
const float kCut = 0.82f;       // the octagon skin cuts corners where |x| + |y| > kCut
const float kSqrt2 = 1.41421356f;

// Distance inward from the outline's nearest edge and the outward direction
// of that edge, for a point inside a square or an octagon.
float EdgeDistance(int skin, float x, float y, float& ox, float& oy)
{
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float sx = x < 0 ? -1.0f : 1.0f, sy = y < 0 ? -1.0f : 1.0f;
    float edge = 0.5f - std::max(ax, ay);
    ox = ax > ay ? sx : 0.0f;
    oy = ax > ay ? 0.0f : sy;
    if (skin == 1)
    {
        const float diag = (kCut - (ax + ay)) / kSqrt2;
        if (diag < edge)
        {
            edge = diag;
            ox = sx / kSqrt2;
            oy = sy / kSqrt2;
        }
    }
    return edge;
}
}

std::string CFillerArt::Mesh(int)
{
    // Two triangles: seen from straight above, the bevel and the top are all
    // in the picture, which is projected from above onto the tile.
    CObjWriter obj("filler_brick");
    const int a = obj.AddVertex({0.5f, -0.5f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f});
    const int b = obj.AddVertex({0.5f, 0.5f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 1.0f});
    const int c = obj.AddVertex({-0.5f, 0.5f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f});
    const int d = obj.AddVertex({-0.5f, -0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f});
    obj.AddQuad(a, b, c, d);
    return obj.ToText();
}

CCanvas CFillerArt::Texture(int skin, int color, int size)
{
    const CColor base = CBrickArt::BaseColor(color);
    CCanvas canvas(size, size);
    canvas.Paint([&](float px, float py) {
        const float x = px / size - 0.5f;
        const float y = 0.5f - py / size;
        float ox = 0.0f, oy = 0.0f;
        const float edge = EdgeDistance(skin, x, y, ox, oy);
        if (edge < 0.0f)
            return base.Scaled(0.3f);
        if (edge < kBevel)
        {
            // Light from the upper left: those slopes bright, the others dark.
            const float facing = -0.7f * ox + 0.7f * oy;
            const float k = 0.78f + 0.42f * facing;
            CColor c = base.Scaled(k);
            return facing > 0.3f ? c.Lighter(0.18f * facing) : c;
        }
        // The top: a soft gloss towards the upper left.
        const float gloss = std::max(0.0f, 0.35f - std::hypot(x + 0.12f, y - 0.12f)) * 1.3f;
        return base.Scaled(0.96f).Lighter(gloss);
    });
    return canvas;
}

CCanvas CFillerArt::ColorButton(int color, int size)
{
    const CColor base = CBrickArt::BaseColor(color);
    CCanvas frames[3];
    for (int state = 0; state < 3; ++state)
    {
        CCanvas frame(size, size, CColor(1, 1, 1, 0));
        const float push = state == 2 ? 1.0f : 0.0f;
        const float c = size / 2.0f - 0.5f;
        const float r = size / 2.0f - 3.0f;
        if (state == 1)
        {
            // Hover: a pale halo around the gem.
            frame.FillShape([&](float x, float y) { return CShape::Circle(x, y, c, c, r + 2.5f); },
                            CColor(1.0f, 0.97f, 0.8f, 0.85f), 0, 0, size, size);
        }
        frame.FillShape([&](float x, float y) { return CShape::Circle(x, y, c, c + push, r); },
                        base.Scaled(0.45f), 0, 0, size, size);
        const float lift = state == 2 ? 0.85f : (state == 1 ? 1.12f : 1.0f);
        frame.FillShape([&](float x, float y) { return CShape::Circle(x, y, c, c + push, r - 2.0f); },
                        [&](float x, float y) {
                            const float dx = (x - c) / r, dy = (y - c - push) / r;
                            const float light = std::max(0.0f, 0.55f - std::hypot(dx + 0.3f, dy + 0.35f));
                            return base.Scaled(lift * (0.85f + 0.25f * (-dy))).Lighter(light);
                        },
                        0, 0, size, size);
        frames[state] = frame;
    }
    return CUiPainter::StackFrames(frames, 3);
}

CCanvas CFillerArt::HelpLegend()
{
    // The size and ground of the other kinds' brick rows, so the help page
    // frames it the same way.
    CCanvas c(400, 100, CColor::FromHex(0x101A3C));
    const float left = (400.0f - (kColorCount * 55.0f - 5.0f)) / 2.0f;
    for (int color = 0; color < kColorCount; ++color)
        c.DrawScaled(Texture(0, color, kTextureSize), left + color * 55.0f, 24, 50, 50);
    return c;
}

void CFillerArt::Write(CAssetSink& sink)
{
    char name[64];
    for (int skin = 0; skin < kSkinCount; ++skin)
    {
        std::snprintf(name, sizeof name, "dat/filler/skin%d.obj", skin);
        sink.WriteText(name, Mesh(skin));
        for (int color = 0; color < kColorCount; ++color)
        {
            std::snprintf(name, sizeof name, "dat/filler/brick%d%d.tga", skin, color + 1);
            sink.WriteTga(name, Texture(skin, color, kTextureSize), false);
        }
    }
    for (int color = 0; color < kColorCount; ++color)
    {
        std::snprintf(name, sizeof name, "mui/filler/color0%d.tga", color + 1);
        sink.WriteTga(name, ColorButton(color, kButtonSize), true);
    }
    sink.WriteJpeg("mui/filler/help_bricks.jpg", HelpLegend(), 92);
}
