#include "tools/assetgen/CJewelArt.h"

#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CShape.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
const int kTextureSize = 128;

std::string ModelText(const char* comment, const std::string& mesh, const std::string& texture)
{
    return std::string("// ") + comment + "\nfaces_file_name " + mesh + "\ntex_file_name " + texture +
           "\ntex_wrap 0\ntex_dynamic 1\nshow_normales 1\n";
}
}

CColor CJewelArt::BaseColor(int color)
{
    // Beyond the shared six: orange (middle), pink (light), pearl (lightest)
    // and umber (darkest), so the ten spread over the lightness scale.
    static const std::uint32_t extra[kColorCount - kSharedColors] = {0xF07F1E, 0xFF9AD5, 0xEDEAE0, 0x6E4322};
    if (color < kSharedColors)
        return CBrickArt::BaseColor(std::max(0, color));
    return CColor::FromHex(extra[std::min(kColorCount - 1, color) - kSharedColors]);
}

float CJewelArt::ExtraSymbol(int color, float x, float y)
{
    // Signed distance in model units, y up.
    switch (color)
    {
    case 6:
        // A hollow square.
        return std::fabs(std::max(std::fabs(x), std::fabs(y)) - 0.15f) - 0.045f;
    case 7:
        // A crescent.
        return std::max(CShape::Circle(x, y, 0, 0, 0.2f), -CShape::Circle(x, y, 0.09f, 0.06f, 0.17f));
    case 8:
        // Three dots.
        return std::min(CShape::Circle(x, y, 0, 0.12f, 0.07f),
                        std::min(CShape::Circle(x, y, -0.12f, -0.09f, 0.07f), CShape::Circle(x, y, 0.12f, -0.09f, 0.07f)));
    default:
        // Two bars.
        return std::min(CShape::Segment(x, y, -0.17f, 0.08f, 0.17f, 0.08f, 0.045f),
                        CShape::Segment(x, y, -0.17f, -0.08f, 0.17f, -0.08f, 0.045f));
    }
}

CCanvas CJewelArt::BrickTexture(int skin, int color, int size)
{
    if (color < kSharedColors)
        return CBrickArt::Texture(skin, color, size);
    // Seeds past the shared colours: none of them takes the blocker's grain.
    return CBrickArt::Texture(skin, BaseColor(color), [color](float x, float y) { return ExtraSymbol(color, x, y); },
                              20 + color, size);
}

CCanvas CJewelArt::BonusTexture(int index, int size)
{
    const float s = static_cast<float>(size);
    const float c = s / 2.0f;
    const CColor gold = CPalette::Gold();
    const CColor light = CPalette::GoldLight();
    if (index >= 4)
    {
        // Recolour: the colour's own brick face inside a gold ring with a
        // white arrow running round it.
        CCanvas canvas = BrickTexture(0, index - 4, size);
        canvas.FillShape([&](float x, float y) { return CShape::Ring(x, y, c, c, s * 0.43f, s * 0.05f); }, gold, 0, 0,
                         size, size);
        canvas.FillShape(
            [&](float x, float y) {
                float ring = CShape::Ring(x, y, c, c, s * 0.43f, s * 0.018f);
                // Only the upper right quarter, ending in a head.
                float cut = std::max(-(x - c), -(c - y));
                float head = CShape::Polygon(x, y, {{c + s * 0.43f - s * 0.08f, c - s * 0.02f},
                                                    {c + s * 0.43f + s * 0.08f, c - s * 0.02f},
                                                    {c + s * 0.43f, c + s * 0.1f}});
                return std::min(std::max(ring, cut), head);
            },
            CColor(1, 1, 1), 0, 0, size, size);
        return canvas;
    }
    CCanvas canvas(size, size, CPalette::NightBottom());
    canvas.Paint([&](float, float y) {
        float t = y / s;
        return CColor::Mix(CPalette::NightGlow(), CPalette::NightTop(), t);
    });
    canvas.FillShape([&](float x, float y) { return std::fabs(CShape::RoundedBox(x, y, c, c, s * 0.44f, s * 0.44f, s * 0.08f)) - s * 0.035f; },
                     gold, 0, 0, size, size);
    const float cell = s * 0.17f;
    auto brick = [&](float bx, float by) {
        canvas.FillShape([&](float x, float y) { return CShape::RoundedBox(x, y, bx, by, cell / 2, cell / 2, cell * 0.15f); },
                         light, 0, 0, size, size);
    };
    auto arrow = [&](float ax, float ay, float dx, float dy) {
        canvas.FillShape(
            [&](float x, float y) {
                return CShape::Polygon(x, y, {{ax + dx * s * 0.09f, ay + dy * s * 0.09f},
                                              {ax - dy * s * 0.06f, ay + dx * s * 0.06f},
                                              {ax + dy * s * 0.06f, ay - dx * s * 0.06f}});
            },
            gold, 0, 0, size, size);
    };
    switch (index)
    {
    case 0:
        brick(c, c);
        canvas.FillShape([&](float x, float y) { return CShape::Ring(x, y, c, c, cell * 0.95f, s * 0.02f); }, gold, 0, 0,
                         size, size);
        break;
    case 1:
        for (int i = -1; i <= 1; ++i)
            brick(c + i * cell * 1.25f, c);
        arrow(c - s * 0.33f, c, -1, 0);
        arrow(c + s * 0.33f, c, 1, 0);
        break;
    case 2:
        for (int i = -1; i <= 1; ++i)
            brick(c, c + i * cell * 1.25f);
        arrow(c, c - s * 0.33f, 0, -1);
        arrow(c, c + s * 0.33f, 0, 1);
        break;
    default:
        // The bomb: a round body, a fuse and a spark.
        canvas.FillShape([&](float x, float y) { return CShape::Circle(x, y, c - s * 0.04f, c + s * 0.06f, s * 0.22f); },
                         CColor(0.08f, 0.08f, 0.1f), 0, 0, size, size);
        canvas.FillShape([&](float x, float y) { return CShape::Circle(x, y, c - s * 0.11f, c - s * 0.01f, s * 0.05f); },
                         CColor(0.5f, 0.5f, 0.55f), 0, 0, size, size);
        canvas.FillShape([&](float x, float y) { return CShape::Segment(x, y, c + s * 0.1f, c - s * 0.12f, c + s * 0.2f, c - s * 0.24f, s * 0.02f); },
                         light, 0, 0, size, size);
        canvas.FillShape([&](float x, float y) { return CShape::Polygon(x, y, CShape::Star(c + s * 0.22f, c - s * 0.27f, 6, s * 0.09f, s * 0.035f, 0.0f)); },
                         CColor::FromHex(0xFFB030), 0, 0, size, size);
        break;
    }
    return canvas;
}

CCanvas CJewelArt::Legend()
{
    // The ten colours in two rows of five, for the help pages.
    CCanvas c(300, 130, CColor::FromHex(0x101A3C));
    for (int i = 0; i < kColorCount; ++i)
        c.DrawScaled(BrickTexture(0, i, 64), 12.0f + (i % 5) * 56.0f, 10.0f + (i / 5) * 60.0f, 50, 50);
    return c;
}

CCanvas CJewelArt::FiguresLegend()
{
    // The four plain figures above four recolour ones, for the help pages.
    CCanvas c(300, 150, CColor::FromHex(0x101A3C));
    for (int i = 0; i < 8; ++i)
        c.DrawScaled(BonusTexture(i, 128), 16.0f + (i % 4) * 70.0f, 12.0f + (i / 4) * 70.0f, 58, 58);
    return c;
}

void CJewelArt::Write(CAssetSink& sink)
{
    sink.WriteJpeg("mui/jewel/help_bricks.jpg", Legend(), 92);
    sink.WriteJpeg("mui/jewel/help_figures.jpg", FiguresLegend(), 92);
    char name[64];
    char texture[64];
    char mesh[64];
    char comment[64];
    for (int skin = 0; skin < CBrickArt::kSkinCount; ++skin)
    {
        std::snprintf(mesh, sizeof mesh, "dat/bricks/skin%d.obj", skin);
        for (int color = 0; color < kColorCount; ++color)
        {
            // The shared six use the shared pictures; the four more are painted here.
            if (color < kSharedColors)
                std::snprintf(texture, sizeof texture, "dat/bricks/brick%d%d.tga", skin, color + 1);
            else
            {
                std::snprintf(texture, sizeof texture, "dat/bj/brick%d%d.tga", skin, color + 1);
                sink.WriteTga(texture, BrickTexture(skin, color, kTextureSize), false);
            }
            std::snprintf(name, sizeof name, "dat/bj/brick%d%d.unt", skin, color + 1);
            std::snprintf(comment, sizeof comment, "Jewel brick: skin %d, colour %d.", skin, color);
            sink.WriteText(name, ModelText(comment, mesh, texture));
        }
    }
    for (int i = 0; i < kBonusCount; ++i)
    {
        std::snprintf(texture, sizeof texture, "dat/bj/bonus%d.tga", i + 1);
        sink.WriteTga(texture, BonusTexture(i, kTextureSize), false);
        std::snprintf(name, sizeof name, "dat/bj/bonus%d.unt", i + 1);
        std::snprintf(comment, sizeof comment, "Jewel bonus figure %d.", i + 1);
        sink.WriteText(name, ModelText(comment, "dat/bricks/skin0.obj", texture));
    }
}
