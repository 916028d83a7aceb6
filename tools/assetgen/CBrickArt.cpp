#include "tools/assetgen/CBrickArt.h"

#include "tools/assetgen/CNoise.h"
#include "tools/assetgen/CObjWriter.h"
#include "tools/assetgen/CShape.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
const float kWallBand = 0.014f;   // the texture's edge pixels, mapped onto the side walls

// Skin 0, glass tile: walls to 0.18, a bevel 0.14 wide up to a flat top at 0.34.
const float kTileWall = 0.18f, kTileTop = 0.34f, kTileBevel = 0.14f;
// Skin 1, marble cushion: walls to 0.12, the dome rises 0.26 more.
const float kDomeWall = 0.12f, kDomeRise = 0.26f;
// Where the dome's grid lines cross each axis: dense where the dome falls
// steeply near the walls, sparse over its nearly flat middle: within 0.015
// of the true height everywhere with a quarter of the triangles of an even
// 12 x 12 grid. The software renderer pays for every triangle of every
// brick on the board, and the picture carries the shading.
const float kDomeGrid[] = {-0.5f, -0.42f, -0.28f, 0.0f, 0.28f, 0.42f, 0.5f};
// Skin 2, cut stone: an octagon (corners cut where |x| + |y| > 0.85), walls
// to 0.15, facets 0.16 wide up to the top at 0.38.
const float kGemCut = 0.85f, kGemWall = 0.15f, kGemTop = 0.38f, kGemBevel = 0.16f;

const float kSqrt2 = 1.41421356f;

void Normalize(float& x, float& y, float& z)
{
    const float len = std::sqrt(x * x + y * y + z * z);
    if (len > 0.0f)
    {
        x /= len;
        y /= len;
        z /= len;
    }
}

float DomeHeight(float x, float y)
{
    const float a = 2.0f * x, b = 2.0f * y;
    return kDomeWall + kDomeRise * (1.0f - a * a * a * a) * (1.0f - b * b * b * b);
}

void DomeNormal(float x, float y, float& nx, float& ny, float& nz)
{
    const float a = 2.0f * x, b = 2.0f * y;
    const float dzdx = -kDomeRise * 8.0f * a * a * a * (1.0f - b * b * b * b);
    const float dzdy = -kDomeRise * 8.0f * b * b * b * (1.0f - a * a * a * a);
    nx = -dzdx;
    ny = -dzdy;
    nz = 1.0f;
    Normalize(nx, ny, nz);
}
}

CColor CBrickArt::BaseColor(int color)
{
    // Lightness runs from the dark blue to the light yellow, so that even
    // without hue the colours fall into different steps.
    static const std::uint32_t colors[kColorCount] = {0xE23B3B, 0xF8D339, 0x35B44C, 0x2D5CD8, 0xA347D6, 0x52D9E3, 0x5C606E};
    return CColor::FromHex(colors[std::min(kColorCount - 1, std::max(0, color))]);
}

CBrickArt::CSurface CBrickArt::Surface(int skin, float x, float y)
{
    CSurface s{0, 0, 1, 0};
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float sx = x < 0 ? -1.0f : 1.0f, sy = y < 0 ? -1.0f : 1.0f;
    const float edge = 0.5f - std::max(ax, ay);
    if (skin == 0)
    {
        if (edge < kWallBand)
            s.region = 2;
        else if (edge < kTileBevel)
        {
            s.region = 1;
            const float rise = kTileTop - kTileWall;
            if (ax > ay)
                s = {sx * rise, 0, kTileBevel, 1};
            else
                s = {0, sy * rise, kTileBevel, 1};
        }
    }
    else if (skin == 1)
    {
        if (edge < kWallBand)
            s.region = 2;
        else
        {
            DomeNormal(x, y, s.nx, s.ny, s.nz);
            s.region = 0;
        }
    }
    else
    {
        const float diag = (kGemCut - (ax + ay)) / kSqrt2;
        if (diag < 0.0f)
            return {0, 0, 1, 3};
        const float e = std::min(edge, diag);
        const float rise = kGemTop - kGemWall;
        if (e < kWallBand)
            s.region = 2;
        else if (e < kGemBevel)
        {
            if (diag < edge)
                s = {sx * rise / kSqrt2, sy * rise / kSqrt2, kGemBevel, 1};
            else if (ax > ay)
                s = {sx * rise, 0, kGemBevel, 1};
            else
                s = {0, sy * rise, kGemBevel, 1};
        }
    }
    Normalize(s.nx, s.ny, s.nz);
    return s;
}

float CBrickArt::Symbol(int color, float x, float y)
{
    // Signed distance in model units; y up.
    switch (color)
    {
    case 0:
        return CShape::Ring(x, y, 0, 0, 0.155f, 0.05f);
    case 1:
        return CShape::Polygon(x, -y, CShape::Star(0, 0, 5, 0.23f, 0.095f, 0.0f));
    case 2:
        return CShape::Polygon(x, -y + 0.03f, CShape::Star(0, 0, 3, 0.22f, 0.22f, 0.0f)) - 0.012f;
    case 3:
        return CShape::Polygon(x, y, {{0, 0.21f}, {0.21f, 0}, {0, -0.21f}, {-0.21f, 0}}) - 0.01f;
    case 4:
        return std::min(CShape::Segment(x, y, -0.18f, 0, 0.18f, 0, 0.055f), CShape::Segment(x, y, 0, -0.18f, 0, 0.18f, 0.055f));
    case 5:
        return CShape::Polygon(x, y, CShape::Star(0, 0, 6, 0.19f, 0.19f, 0.5236f)) - 0.01f;
    default:
    {
        // The blocker: a riveted iron cross.
        const float cross = std::min(CShape::Segment(x, y, -0.17f, -0.17f, 0.17f, 0.17f, 0.05f),
                                     CShape::Segment(x, y, -0.17f, 0.17f, 0.17f, -0.17f, 0.05f));
        float rivets = 1.0f;
        for (int i = 0; i < 4; ++i)
        {
            const float rx = (i % 2 ? 1.0f : -1.0f) * 0.27f, ry = (i / 2 ? 1.0f : -1.0f) * 0.27f;
            rivets = std::min(rivets, CShape::Circle(x, y, rx, ry, 0.035f));
        }
        return std::min(cross, rivets);
    }
    }
}

CCanvas CBrickArt::Texture(int skin, int color, int size)
{
    return Texture(skin, BaseColor(color), [color](float x, float y) { return Symbol(color, x, y); }, color, size);
}

CCanvas CBrickArt::Texture(int skin, const CColor& base, const SymbolFn& symbol, int seed, int size)
{
    const int super = 2;
    const int big = size * super;
    const bool light = base.Luma() > 0.55f;
    const bool blocker = seed == kColorCount - 1;
    CNoise noise(1000 + static_cast<std::uint64_t>(skin) * 10 + seed);
    // Light from the upper left, in front.
    float lx = -0.45f, ly = 0.5f, lz = 0.74f;
    Normalize(lx, ly, lz);
    float hx = lx, hy = ly, hz = lz + 1.0f;
    Normalize(hx, hy, hz);

    CCanvas canvas(big, big);
    canvas.Paint([&](float px, float py) {
        const float x = px / big - 0.5f;
        const float y = 0.5f - py / big;
        const CSurface s = Surface(skin, x, y);
        CColor c = base;
        if (blocker)
        {
            // Slate with a rough grain.
            const float grain = noise.Fractal(x * 9.0f, y * 9.0f, 4);
            c = c.Scaled(0.9f + 0.25f * grain);
        }
        else if (skin == 1)
        {
            const float vein = noise.Veins(x * 2.6f + 3.0f, y * 2.6f, 2.2f);
            c = CColor::Mix(c, c.Lighter(0.55f), vein * 0.7f);
            c = CColor::Mix(c, c.Darker(0.3f), std::max(0.0f, noise.Fractal(x * 4, y * 4, 3)) * 0.5f);
        }
        else if (skin == 0 && s.region == 0)
        {
            // Glass: a little lighter towards the middle of the tile.
            const float d = std::hypot(x, y) / 0.5f;
            c = c.Lighter(0.12f * (1.0f - d));
        }
        if (s.region == 3)
            return base.Scaled(0.25f);
        if (s.region == 2)
            return c.Scaled(0.38f);

        // The symbol, sunk into the top.
        if (s.region == 0 || skin == 1)
        {
            const float d = symbol(x, y) * big;   // in supersampled pixels
            const float inside = std::min(1.0f, std::max(0.0f, 0.5f - d / super));
            if (inside > 0.0f)
            {
                const CColor mark = blocker ? CColor::FromHex(0xA8ADBA) : (light ? c.Darker(0.5f) : c.Lighter(0.62f));
                c = CColor::Mix(c, mark, inside * 0.85f);
            }
            // A thin lit rim on the lower right of the engraving, shadow on the upper left.
            const float ds = symbol(x + 0.012f, y - 0.012f) * big / super;
            const float rim = std::min(1.0f, std::max(0.0f, 0.5f - std::fabs(ds + 1.0f)));
            if (rim > 0.0f && d > 0.0f)
                c = CColor::Mix(c, c.Darker(0.5f), rim * 0.6f);
        }

        const float diffuse = std::max(0.0f, s.nx * lx + s.ny * ly + s.nz * lz);
        const float shininess = skin == 2 ? 60.0f : (skin == 1 ? 28.0f : 45.0f);
        const float spec = std::pow(std::max(0.0f, s.nx * hx + s.ny * hy + s.nz * hz), shininess);
        CColor lit = c.Scaled(0.40f + 0.72f * diffuse);
        float shine = spec * (blocker ? 0.25f : 0.7f);
        if (skin == 0 && s.region == 0)
        {
            // A glassy streak across the upper left of the top.
            const float band = (x - y) + 0.25f;
            shine += 0.22f * std::exp(-band * band * 60.0f) * (x < 0.2f && y > -0.2f ? 1.0f : 0.3f);
        }
        if (skin == 2 && s.region == 0)
        {
            // Cut stone: the table face catches a soft gradient.
            shine += 0.1f * (0.5f + y - x);
        }
        return lit.Lighter(std::min(0.9f, std::max(0.0f, shine)));
    });
    return canvas.Downsampled(super);
}

std::string CBrickArt::Mesh(int skin)
{
    CObjWriter obj("brick");
    auto vertex = [&](float x, float y, float z, float nx, float ny, float nz) {
        Normalize(nx, ny, nz);
        return obj.AddVertex({x, y, z, x + 0.5f, y + 0.5f, nx, ny, nz});
    };
    // Side walls along a closed outline (counter-clockwise seen from above),
    // from z 0 to the wall height.
    auto walls = [&](const std::vector<std::pair<float, float>>& outline, float height) {
        const size_t n = outline.size();
        for (size_t i = 0; i < n; ++i)
        {
            const auto& a = outline[i];
            const auto& b = outline[(i + 1) % n];
            // Outward normal of the edge a -> b.
            const float nx = b.second - a.second, ny = -(b.first - a.first);
            const int a0 = vertex(a.first, a.second, 0, nx, ny, 0);
            const int b0 = vertex(b.first, b.second, 0, nx, ny, 0);
            const int b1 = vertex(b.first, b.second, height, nx, ny, 0);
            const int a1 = vertex(a.first, a.second, height, nx, ny, 0);
            obj.AddQuad(a0, b0, b1, a1);
        }
    };
    // Sloped ring between an outer and an inner outline of the same corner count.
    auto slopes = [&](const std::vector<std::pair<float, float>>& outer, float zOut,
                      const std::vector<std::pair<float, float>>& inner, float zIn) {
        const size_t n = outer.size();
        for (size_t i = 0; i < n; ++i)
        {
            const auto& a = outer[i];
            const auto& b = outer[(i + 1) % n];
            const auto& c = inner[(i + 1) % n];
            const auto& d = inner[i];
            const float ex = b.first - a.first, ey = b.second - a.second;
            float ox = ey, oy = -ex;   // outward in the plane
            const float len = std::hypot(ox, oy);
            ox /= len;
            oy /= len;
            const float run = std::fabs((a.first - d.first) * ox + (a.second - d.second) * oy);
            const float rise = zIn - zOut;
            const float nx = ox * rise, ny = oy * rise, nz = run;
            obj.AddQuad(vertex(a.first, a.second, zOut, nx, ny, nz), vertex(b.first, b.second, zOut, nx, ny, nz),
                        vertex(c.first, c.second, zIn, nx, ny, nz), vertex(d.first, d.second, zIn, nx, ny, nz));
        }
    };
    auto cap = [&](const std::vector<std::pair<float, float>>& outline, float z) {
        std::vector<int> ids;
        for (const auto& p : outline)
            ids.push_back(vertex(p.first, p.second, z, 0, 0, 1));
        for (size_t i = 1; i + 1 < ids.size(); ++i)
            obj.AddTriangle(ids[0], ids[i], ids[i + 1]);
    };
    auto square = [](float h) {
        return std::vector<std::pair<float, float>>{{h, -h}, {h, h}, {-h, h}, {-h, -h}};
    };
    if (skin == 0)
    {
        walls(square(0.5f), kTileWall);
        slopes(square(0.5f), kTileWall, square(0.5f - kTileBevel), kTileTop);
        cap(square(0.5f - kTileBevel), kTileTop);
    }
    else if (skin == 1)
    {
        walls(square(0.5f), kDomeWall);
        const int n = static_cast<int>(sizeof kDomeGrid / sizeof kDomeGrid[0]) - 1;
        std::vector<int> ids((n + 1) * (n + 1));
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i)
            {
                const float x = kDomeGrid[i];
                const float y = kDomeGrid[j];
                float nx, ny, nz;
                DomeNormal(x, y, nx, ny, nz);
                ids[j * (n + 1) + i] = vertex(x, y, DomeHeight(x, y), nx, ny, nz);
            }
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i)
                obj.AddQuad(ids[j * (n + 1) + i], ids[j * (n + 1) + i + 1], ids[(j + 1) * (n + 1) + i + 1],
                            ids[(j + 1) * (n + 1) + i]);
    }
    else
    {
        auto octagon = [](float half, float cut) {
            // Corners cut where |x| + |y| > cut.
            const float k = cut - half;
            return std::vector<std::pair<float, float>>{{half, -k}, {half, k},  {k, half},  {-k, half},
                                                        {-half, k}, {-half, -k}, {-k, -half}, {k, -half}};
        };
        const auto outer = octagon(0.5f, kGemCut);
        const auto inner = octagon(0.5f - kGemBevel, kGemCut - kGemBevel * kSqrt2);
        walls(outer, kGemWall);
        slopes(outer, kGemWall, inner, kGemTop);
        cap(inner, kGemTop);
    }
    return obj.ToText();
}

std::string CBrickArt::FieldMesh()
{
    // A flat frame around the board: a bevelled square ring, 0.04 wide.
    CObjWriter obj("field");
    const float outer = 0.5f, inner = 0.46f, low = 0.0f, high = 0.03f;
    auto vertex = [&](float x, float y, float z, float nx, float ny, float nz) {
        Normalize(nx, ny, nz);
        return obj.AddVertex({x, y, z, x + 0.5f, y + 0.5f, nx, ny, nz});
    };
    const float corners[4][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    for (int i = 0; i < 4; ++i)
    {
        const float* a = corners[i];
        const float* b = corners[(i + 1) % 4];
        const float nx = (a[0] + b[0]) / 2, ny = (a[1] + b[1]) / 2;
        // Outer wall, top, inner wall.
        obj.AddQuad(vertex(a[0] * outer, a[1] * outer, low, nx, ny, 0), vertex(b[0] * outer, b[1] * outer, low, nx, ny, 0),
                    vertex(b[0] * outer, b[1] * outer, high, nx, ny, 0), vertex(a[0] * outer, a[1] * outer, high, nx, ny, 0));
        obj.AddQuad(vertex(a[0] * outer, a[1] * outer, high, 0, 0, 1), vertex(b[0] * outer, b[1] * outer, high, 0, 0, 1),
                    vertex(b[0] * inner, b[1] * inner, high, 0, 0, 1), vertex(a[0] * inner, a[1] * inner, high, 0, 0, 1));
        obj.AddQuad(vertex(a[0] * inner, a[1] * inner, high, -nx, -ny, 0), vertex(b[0] * inner, b[1] * inner, high, -nx, -ny, 0),
                    vertex(b[0] * inner, b[1] * inner, low, -nx, -ny, 0), vertex(a[0] * inner, a[1] * inner, low, -nx, -ny, 0));
    }
    return obj.ToText();
}

void CBrickArt::Write(CAssetSink& sink)
{
    sink.WriteText("dat/field.obj", FieldMesh());
    for (int skin = 0; skin < kSkinCount; ++skin)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/bricks/skin%d.obj", skin);
        sink.WriteText(name, Mesh(skin));
        for (int color = 0; color < kColorCount; ++color)
        {
            std::snprintf(name, sizeof name, "dat/bricks/brick%d%d.tga", skin, color + 1);
            sink.WriteTga(name, Texture(skin, color, kTextureSize), false);
        }
    }
}
