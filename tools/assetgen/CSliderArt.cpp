#include "tools/assetgen/CSliderArt.h"

#include "tools/assetgen/CObjWriter.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CShape.h"

#include <algorithm>
#include <cmath>

namespace
{
// The outline in model units, corners counter-clockwise seen from above.
const float kTail = -0.5f, kNeck = 0.02f, kTip = 0.5f;
const float kShaftHalf = 0.13f, kHeadHalf = 0.32f, kHalfThick = 0.07f;

// Texture rows: the top face in the upper part, the underside in the lower
// part, the walls in a band between them.
const float kTopV0 = 0.56f, kTopV1 = 0.98f, kBottomV0 = 0.02f, kBottomV1 = 0.44f, kWallV = 0.5f;

CShape::Points Outline()
{
    return {{kTail, -kShaftHalf}, {kNeck, -kShaftHalf}, {kNeck, -kHeadHalf}, {kTip, 0.0f},
            {kNeck, kHeadHalf},   {kNeck, kShaftHalf},  {kTail, kShaftHalf}};
}

float FaceV(float y, bool top)
{
    const float t = (y + kHeadHalf) / (2.0f * kHeadHalf);
    return top ? kTopV0 + t * (kTopV1 - kTopV0) : kBottomV0 + t * (kBottomV1 - kBottomV0);
}

float FaceY(float v, bool top)
{
    const float t = top ? (v - kTopV0) / (kTopV1 - kTopV0) : (v - kBottomV0) / (kBottomV1 - kBottomV0);
    return t * 2.0f * kHeadHalf - kHeadHalf;
}
}

std::string CSliderArt::ArrowMesh()
{
    CObjWriter obj("arrow");
    const CShape::Points outline = Outline();
    auto face = [&](bool top) {
        const float z = top ? kHalfThick : -kHalfThick;
        const float nz = top ? 1.0f : -1.0f;
        auto v = [&](float x, float y) {
            return obj.AddVertex({x, y, z, x + 0.5f, FaceV(y, top), 0.0f, 0.0f, nz});
        };
        // The shaft and the head: two convex parts of the concave outline.
        int s0 = v(kTail, -kShaftHalf), s1 = v(kNeck, -kShaftHalf), s2 = v(kNeck, kShaftHalf), s3 = v(kTail, kShaftHalf);
        int h0 = v(kNeck, -kHeadHalf), h1 = v(kTip, 0.0f), h2 = v(kNeck, kHeadHalf);
        if (top)
        {
            obj.AddQuad(s0, s1, s2, s3);
            obj.AddTriangle(h0, h1, h2);
        }
        else
        {
            obj.AddQuad(s3, s2, s1, s0);
            obj.AddTriangle(h2, h1, h0);
        }
    };
    face(true);
    face(false);
    const size_t n = outline.size();
    for (size_t i = 0; i < n; ++i)
    {
        const auto& a = outline[i];
        const auto& b = outline[(i + 1) % n];
        float nx = b.second - a.second, ny = -(b.first - a.first);
        const float len = std::hypot(nx, ny);
        nx /= len;
        ny /= len;
        const int a0 = obj.AddVertex({a.first, a.second, -kHalfThick, a.first + 0.5f, kWallV, nx, ny, 0.0f});
        const int b0 = obj.AddVertex({b.first, b.second, -kHalfThick, b.first + 0.5f, kWallV, nx, ny, 0.0f});
        const int b1 = obj.AddVertex({b.first, b.second, kHalfThick, b.first + 0.5f, kWallV, nx, ny, 0.0f});
        const int a1 = obj.AddVertex({a.first, a.second, kHalfThick, a.first + 0.5f, kWallV, nx, ny, 0.0f});
        obj.AddQuad(a0, b0, b1, a1);
    }
    return obj.ToText();
}

CCanvas CSliderArt::ArrowTexture(int size)
{
    const CShape::Points outline = Outline();
    const CColor gold = CPalette::Gold();
    const CColor copper = CColor::FromHex(0xB5532A);
    CCanvas canvas(size, size);
    canvas.Paint([&](float px, float py) {
        const float u = px / size;
        const float v = 1.0f - py / size;
        const float x = u - 0.5f;
        if (v > kBottomV1 + 0.02f && v < kTopV0 - 0.02f)
        {
            // The walls: the top colour in shadow, a little lighter toward the tip.
            return gold.Darker(0.55f - 0.15f * (x + 0.5f));
        }
        const bool top = v >= kWallV;
        const float y = FaceY(v, top);
        // Depth inside the outline, in model units (positive inside).
        const float inside = -CShape::Polygon(x, y, outline);
        const CColor base = top ? gold : copper;
        // A bevel along the rim: lit on the upper-left edges, shaded on the
        // lower-right ones; a bright ridge along the middle line.
        const float rim = std::max(0.0f, 1.0f - inside / 0.05f);
        const float side = (y > 0.0f ? 1.0f : -1.0f) * (top ? 1.0f : -1.0f);
        CColor c = base.Scaled(0.85f + 0.25f * (0.5f - x) * 0.6f);
        if (rim > 0.0f)
            c = side > 0.0f ? c.Lighter(0.45f * rim) : c.Darker(0.45f * rim);
        const float ridge = std::exp(-y * y * 400.0f) * (top ? 0.55f : 0.3f);
        c = c.Lighter(ridge);
        return c.WithAlpha(1.0f);
    });
    return canvas;
}

void CSliderArt::Write(CAssetSink& sink)
{
    sink.WriteText("dat/slider/arrow.obj", ArrowMesh());
    sink.WriteTga("dat/slider/arrow.tga", ArrowTexture(kTextureSize), false);
}
