#include "tools/assetgen/CScenePainter.h"

#include "tools/assetgen/CNoise.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CRandom.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CTextRasterizer.h"

#include <algorithm>
#include <cmath>

CScenePainter::CScenePainter(const std::string& fontDir) : m_font_dir(fontDir)
{
}

CCanvas CScenePainter::Sky(int width, int height, const CColor& tint, std::uint64_t seed) const
{
    CNoise noise(seed);
    CRandom random(seed * 31 + 7);
    struct Glow
    {
        float x, y, r, k;
    };
    Glow glows[3];
    for (Glow& g : glows)
        g = {random.Range(0.1f, 0.9f) * width, random.Range(0.1f, 0.8f) * height, random.Range(0.35f, 0.6f) * width,
             random.Range(0.25f, 0.45f)};
    CCanvas sky(width, height);
    const CColor top = CPalette::NightTop();
    const CColor bottom = CColor::Mix(CPalette::NightBottom(), tint, 0.25f);
    sky.Paint([&](float x, float y) {
        CColor c = CColor::Mix(top, bottom, y / height);
        for (const Glow& g : glows)
        {
            const float d = std::hypot(x - g.x, y - g.y) / g.r;
            const float k = g.k * std::exp(-d * d * 2.2f);
            c = CColor::Mix(c, tint, k);
        }
        // Marble: faint light veins over a cloudy body.
        const float u = x / 260.0f;
        const float v = y / 260.0f;
        const float cloud = noise.Fractal(u * 1.3f, v * 1.3f, 5) * 0.06f;
        const float vein = noise.Veins(u, v, 2.4f) * 0.05f;
        c = c.Lighter(std::max(0.0f, cloud + vein));
        return c;
    });
    // Out-of-focus lights.
    for (int i = 0; i < 26; ++i)
    {
        const float bx = random.Range(0.0f, 1.0f) * width;
        const float by = random.Range(0.0f, 1.0f) * height;
        const float br = random.Range(6.0f, 34.0f) * width / 800.0f;
        const float alpha = random.Range(0.025f, 0.08f);
        const CColor c = CColor::Mix(tint.Lighter(0.5f), CPalette::GoldLight(), random.Unit() * 0.6f);
        sky.FillShape([=](float x, float y) { return CShape::Circle(x, y, bx, by, br); },
                      [=](float x, float y) {
                          const float d = std::hypot(x - bx, y - by) / br;
                          return c.WithAlpha(alpha * (0.6f + 0.4f * d));
                      },
                      static_cast<int>(bx - br - 2), static_cast<int>(by - br - 2), static_cast<int>(bx + br + 2),
                      static_cast<int>(by + br + 2));
    }
    // Fine dust of stars.
    CCanvas dust(width, height, CColor(1, 1, 1, 0));
    for (int i = 0; i < width * height / 2600; ++i)
    {
        const int x = random.Int(width);
        const int y = random.Int(height);
        dust.At(x, y).a = random.Range(0.25f, 0.9f);
    }
    CCanvas halo = dust;
    halo.Blur(3);
    halo.ScaleAlpha(3.0f);
    sky.DrawTinted(halo, 0, 0, tint.Lighter(0.6f).WithAlpha(0.5f));
    sky.DrawTinted(dust, 0, 0, CColor(1, 1, 1, 0.8f));
    Vignette(sky, 0.55f);
    return sky;
}

void CScenePainter::Vignette(CCanvas& canvas, float strength)
{
    const float cx = canvas.GetWidth() / 2.0f;
    const float cy = canvas.GetHeight() / 2.0f;
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x)
        {
            const float dx = (x + 0.5f - cx) / cx;
            const float dy = (y + 0.5f - cy) / cy;
            const float d = std::min(1.0f, std::sqrt(dx * dx * 0.7f + dy * dy * 0.8f));
            const float k = 1.0f - strength * std::pow(d, 2.4f);
            CColor& c = canvas.At(x, y);
            c = CColor(c.r * k, c.g * k, c.b * k, c.a);
        }
}

void CScenePainter::GoldTitle(CCanvas& canvas, const std::string& text, int pixelSize, float cx, float baselineY,
                              bool serif) const
{
    CTextRasterizer face(m_font_dir + (serif ? "DejaVuSerif-Bold.ttf" : "DejaVuSans-Bold.ttf"), pixelSize);
    const int margin = pixelSize / 3 + 8;
    int baseline = 0;
    const CCanvas mask = face.RenderText(text, margin, &baseline);
    const int ox = static_cast<int>(std::lround(cx - face.MeasureText(text) / 2.0f)) - margin;
    const int oy = static_cast<int>(std::lround(baselineY)) - baseline;

    const int soft = std::max(2, pixelSize / 14);
    CCanvas shadow = mask.Dilated(soft / 2 + 1);
    shadow.Blur(soft * 3);
    canvas.DrawTinted(shadow, ox + soft, oy + soft * 2, CColor(0, 0, 0.04f, 0.85f));
    CCanvas glow = mask.Dilated(soft);
    glow.Blur(soft * 5);
    canvas.DrawTinted(glow, ox, oy, CPalette::Gold().WithAlpha(0.35f));
    const CCanvas rim = mask.Dilated(std::max(1, soft / 2 + 1));
    canvas.DrawTinted(rim, ox, oy, CColor::FromHex(0x3A2205));

    CCanvas height = mask;
    height.Blur(std::max(2, pixelSize / 10));
    const float capTop = baseline - pixelSize * 0.75f;
    CCanvas metal = mask;
    for (int y = 0; y < metal.GetHeight(); ++y)
        for (int x = 0; x < metal.GetWidth(); ++x)
        {
            // Polished gold: bright top, a dark band under the middle, warm bottom.
            const float t = (y - capTop) / (baseline - capTop);
            CColor c;
            if (t < 0.45f)
                c = CColor::Mix(CPalette::GoldLight(), CPalette::Gold(), std::max(0.0f, t) / 0.45f);
            else if (t < 0.6f)
                c = CColor::Mix(CPalette::Gold(), CPalette::GoldDark(), (t - 0.45f) / 0.15f);
            else
                c = CColor::Mix(CPalette::GoldDark(), CPalette::Gold().Lighter(0.15f), std::min(1.0f, (t - 0.6f) / 0.4f));
            c.a = metal.At(x, y).a;
            metal.At(x, y) = c;
        }
    metal.Emboss(2.4f, height);
    canvas.Draw(metal, ox, oy);
}

void CScenePainter::Caption(CCanvas& canvas, const std::string& text, int pixelSize, float x, float baselineY,
                            const CColor& color, EAlign align, bool bold) const
{
    CTextRasterizer face(m_font_dir + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf"), pixelSize);
    const int margin = 6;
    int baseline = 0;
    const CCanvas mask = face.RenderText(text, margin, &baseline);
    float left = x;
    if (align == EAlign::Centre)
        left = x - face.MeasureText(text) / 2.0f;
    const int ox = static_cast<int>(std::lround(left)) - margin;
    const int oy = static_cast<int>(std::lround(baselineY)) - baseline;
    CCanvas shadow = mask;
    shadow.Blur(std::max(2, pixelSize / 10));
    const int drop = std::max(1, pixelSize / 14);
    canvas.DrawTinted(shadow, ox + drop, oy + drop, CColor(0, 0, 0.05f, 0.85f));
    canvas.DrawTinted(mask, ox, oy, color);
}

float CScenePainter::MeasureCaption(const std::string& text, int pixelSize, bool bold) const
{
    CTextRasterizer face(m_font_dir + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf"), pixelSize);
    return face.MeasureText(text);
}

void CScenePainter::Panel(CCanvas& canvas, float x, float y, float width, float height, float radius, float opacity)
{
    const float cx = x + width / 2.0f;
    const float cy = y + height / 2.0f;
    const float hw = width / 2.0f;
    const float hh = height / 2.0f;
    auto shape = [=](float px, float py) { return CShape::RoundedBox(px, py, cx, cy, hw, hh, radius); };
    CCanvas shadow(canvas.GetWidth(), canvas.GetHeight(), CColor(1, 1, 1, 0));
    shadow.FillShape(shape, CColor(1, 1, 1, 1), static_cast<int>(x) - 2, static_cast<int>(y) - 2,
                     static_cast<int>(x + width) + 2, static_cast<int>(y + height) + 2);
    shadow.Blur(12);
    canvas.DrawTinted(shadow, 0, 8, CColor(0, 0, 0.03f, 0.6f * opacity));
    const int x0 = static_cast<int>(x) - 2, y0 = static_cast<int>(y) - 2;
    const int x1 = static_cast<int>(x + width) + 2, y1 = static_cast<int>(y + height) + 2;
    canvas.FillShape([=](float px, float py) {
        const float d = shape(px, py);
        return std::max(d, -(d + 2.5f));
    }, [=](float, float py) {
        return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), (py - y) / height).WithAlpha(0.95f * opacity);
    }, x0, y0, x1, y1);
    canvas.FillShape([=](float px, float py) { return shape(px, py) + 2.5f; }, [=](float, float py) {
        const float t = (py - y) / height;
        return CColor::Mix(CColor::FromHex(0x1A2A5A), CColor::FromHex(0x0A1230), t).WithAlpha(0.82f * opacity);
    }, x0, y0, x1, y1);
    // A faint inner line one step inside the rim.
    canvas.FillShape([=](float px, float py) { return std::fabs(shape(px, py) + 7.0f) - 0.6f; },
                     CPalette::Gold().WithAlpha(0.35f * opacity), x0, y0, x1, y1);
}

void CScenePainter::Ornament(CCanvas& canvas, float cx, float y, float halfWidth)
{
    const int x0 = static_cast<int>(cx - halfWidth) - 4, x1 = static_cast<int>(cx + halfWidth) + 4;
    const int y0 = static_cast<int>(y) - 10, y1 = static_cast<int>(y) + 10;
    canvas.FillShape([=](float px, float py) {
        // The line thins towards its ends.
        const float t = std::fabs(px - cx) / halfWidth;
        return CShape::Segment(px, py, cx - halfWidth, y, cx + halfWidth, y, 1.4f * (1.0f - t) + 0.2f);
    }, CPalette::Gold().WithAlpha(0.9f), x0, y0, x1, y1);
    const CShape::Points diamond = {{cx, y - 7}, {cx + 7, y}, {cx, y + 7}, {cx - 7, y}};
    canvas.FillShape([=](float px, float py) { return CShape::Polygon(px, py, diamond); },
                     [=](float, float py) { return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), (py - y + 7) / 14); },
                     x0, y0, x1, y1);
}
