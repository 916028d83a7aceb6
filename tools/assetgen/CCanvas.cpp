#include "tools/assetgen/CCanvas.h"

#include <algorithm>
#include <cmath>

namespace
{
CColor Over(const CColor& src, const CColor& dst)
{
    const float a = src.a + dst.a * (1.0f - src.a);
    if (a <= 0.0f)
        return CColor(dst.r, dst.g, dst.b, 0.0f);
    const float k = dst.a * (1.0f - src.a);
    return CColor((src.r * src.a + dst.r * k) / a, (src.g * src.a + dst.g * k) / a, (src.b * src.a + dst.b * k) / a, a);
}

// One horizontal or vertical box pass over premultiplied values.
void BoxPass(std::vector<CColor>& data, int width, int height, int radius, bool horizontal)
{
    const int length = horizontal ? width : height;
    const int lines = horizontal ? height : width;
    std::vector<CColor> line(length);
    for (int l = 0; l < lines; ++l)
    {
        for (int i = 0; i < length; ++i)
            line[i] = horizontal ? data[static_cast<size_t>(l) * width + i] : data[static_cast<size_t>(i) * width + l];
        float r = 0, g = 0, b = 0, a = 0;
        const float norm = 1.0f / (2 * radius + 1);
        for (int i = -radius; i <= radius; ++i)
        {
            const CColor& c = line[std::min(length - 1, std::max(0, i))];
            r += c.r; g += c.g; b += c.b; a += c.a;
        }
        for (int i = 0; i < length; ++i)
        {
            CColor out(r * norm, g * norm, b * norm, a * norm);
            if (horizontal)
                data[static_cast<size_t>(l) * width + i] = out;
            else
                data[static_cast<size_t>(i) * width + l] = out;
            const CColor& leaving = line[std::max(0, i - radius)];
            const CColor& entering = line[std::min(length - 1, i + radius + 1)];
            r += entering.r - leaving.r;
            g += entering.g - leaving.g;
            b += entering.b - leaving.b;
            a += entering.a - leaving.a;
        }
    }
}
}

CCanvas::CCanvas(int width, int height, const CColor& fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
}

void CCanvas::Fill(const CColor& color)
{
    std::fill(m_pixels.begin(), m_pixels.end(), color);
}

void CCanvas::Paint(const ShaderFn& shader)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            At(x, y) = shader(x + 0.5f, y + 0.5f);
}

void CCanvas::Blend(int x, int y, const CColor& color, float coverage)
{
    if (!IsInside(x, y) || coverage <= 0.0f)
        return;
    CColor src = color;
    src.a *= std::min(1.0f, coverage);
    At(x, y) = Over(src, At(x, y));
}

void CCanvas::FillShape(const DistanceFn& distance, const ShaderFn& shader, int x0, int y0, int x1, int y1)
{
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(m_width - 1, x1);
    y1 = std::min(m_height - 1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
        {
            const float px = x + 0.5f;
            const float py = y + 0.5f;
            const float coverage = std::min(1.0f, std::max(0.0f, 0.5f - distance(px, py)));
            if (coverage > 0.0f)
                Blend(x, y, shader(px, py), coverage);
        }
}

void CCanvas::FillShape(const DistanceFn& distance, const CColor& color, int x0, int y0, int x1, int y1)
{
    FillShape(distance, [&color](float, float) { return color; }, x0, y0, x1, y1);
}

void CCanvas::Draw(const CCanvas& source, int dx, int dy, float opacity)
{
    for (int y = 0; y < source.m_height; ++y)
        for (int x = 0; x < source.m_width; ++x)
            Blend(x + dx, y + dy, source.At(x, y), opacity);
}

void CCanvas::DrawTinted(const CCanvas& source, int dx, int dy, const CColor& color)
{
    for (int y = 0; y < source.m_height; ++y)
        for (int x = 0; x < source.m_width; ++x)
        {
            const float a = source.At(x, y).a;
            if (a > 0.0f)
                Blend(x + dx, y + dy, color, a);
        }
}

void CCanvas::DrawShaded(const CCanvas& source, int dx, int dy, const ShaderFn& shader)
{
    for (int y = 0; y < source.m_height; ++y)
        for (int x = 0; x < source.m_width; ++x)
        {
            const float a = source.At(x, y).a;
            if (a > 0.0f)
                Blend(x + dx, y + dy, shader(x + dx + 0.5f, y + dy + 0.5f), a);
        }
}

void CCanvas::Blur(int radius)
{
    if (radius <= 0 || m_pixels.empty())
        return;
    std::vector<CColor> data(m_pixels.size());
    for (size_t i = 0; i < data.size(); ++i)
    {
        const CColor& c = m_pixels[i];
        data[i] = CColor(c.r * c.a, c.g * c.a, c.b * c.a, c.a);
    }
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass)
    {
        BoxPass(data, m_width, m_height, passRadius, true);
        BoxPass(data, m_width, m_height, passRadius, false);
    }
    for (size_t i = 0; i < data.size(); ++i)
    {
        const CColor& c = data[i];
        if (c.a > 1e-6f)
            m_pixels[i] = CColor(c.r / c.a, c.g / c.a, c.b / c.a, std::min(1.0f, c.a));
        else
            m_pixels[i] = CColor(m_pixels[i].r, m_pixels[i].g, m_pixels[i].b, 0.0f);
    }
}

void CCanvas::ScaleAlpha(float k)
{
    for (CColor& c : m_pixels)
        c.a = std::min(1.0f, c.a * k);
}

CCanvas CCanvas::Dilated(int radius) const
{
    CCanvas out(m_width, m_height, CColor(1, 1, 1, 0));
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            float best = 0.0f;
            for (int oy = -radius; oy <= radius; ++oy)
                for (int ox = -radius; ox <= radius; ++ox)
                {
                    if (ox * ox + oy * oy > radius * radius + radius)
                        continue;
                    const int sx = x + ox;
                    const int sy = y + oy;
                    if (IsInside(sx, sy))
                        best = std::max(best, At(sx, sy).a);
                }
            out.At(x, y).a = best;
        }
    return out;
}

CCanvas CCanvas::Cropped(int x, int y, int width, int height) const
{
    CCanvas out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (IsInside(x + i, y + j))
                out.At(i, j) = At(x + i, y + j);
    return out;
}

CCanvas CCanvas::Downsampled(int factor) const
{
    const int w = m_width / factor;
    const int h = m_height / factor;
    CCanvas out(w, h);
    const float norm = 1.0f / (factor * factor);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i)
                {
                    const CColor& c = At(x * factor + i, y * factor + j);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            if (a > 0.0f)
                out.At(x, y) = CColor(r / a, g / a, b / a, a * norm);
            else
                out.At(x, y) = CColor(0, 0, 0, 0);
        }
    return out;
}

void CCanvas::Emboss(float strength, const CCanvas& heightSource)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            auto h = [&heightSource](int px, int py) {
                px = std::min(heightSource.m_width - 1, std::max(0, px));
                py = std::min(heightSource.m_height - 1, std::max(0, py));
                return heightSource.At(px, py).a;
            };
            const float gx = h(x + 1, y) - h(x - 1, y);
            const float gy = h(x, y + 1) - h(x, y - 1);
            // Light from the upper left: slopes facing it brighten.
            const float shade = -(gx + gy) * 0.5f * strength;
            CColor& c = At(x, y);
            if (shade > 0.0f)
                c = CColor(c.r + (1.0f - c.r) * std::min(1.0f, shade), c.g + (1.0f - c.g) * std::min(1.0f, shade),
                           c.b + (1.0f - c.b) * std::min(1.0f, shade), c.a);
            else
                c = CColor(c.r * std::max(0.0f, 1.0f + shade), c.g * std::max(0.0f, 1.0f + shade),
                           c.b * std::max(0.0f, 1.0f + shade), c.a);
        }
}

void CCanvas::DrawScaled(const CCanvas& source, float x, float y, float width, float height, float opacity)
{
    if (width <= 0.0f || height <= 0.0f || source.m_width == 0)
        return;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const int x1 = static_cast<int>(std::ceil(x + width)), y1 = static_cast<int>(std::ceil(y + height));
    for (int py = y0; py < y1; ++py)
        for (int px = x0; px < x1; ++px)
        {
            if (!IsInside(px, py))
                continue;
            // Coverage of the pixel by the rectangle, for clean edges.
            const float cover = std::max(0.0f, std::min(px + 1.0f, x + width) - std::max(static_cast<float>(px), x)) *
                                std::max(0.0f, std::min(py + 1.0f, y + height) - std::max(static_cast<float>(py), y));
            if (cover <= 0.0f)
                continue;
            const float sx = (px + 0.5f - x) / width * source.m_width - 0.5f;
            const float sy = (py + 0.5f - y) / height * source.m_height - 0.5f;
            const int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
            const float fx = sx - ix, fy = sy - iy;
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i)
                {
                    const int cx = std::min(source.m_width - 1, std::max(0, ix + i));
                    const int cy = std::min(source.m_height - 1, std::max(0, iy + j));
                    const float w = (i ? fx : 1.0f - fx) * (j ? fy : 1.0f - fy);
                    const CColor& c = source.At(cx, cy);
                    r += c.r * c.a * w;
                    g += c.g * c.a * w;
                    b += c.b * c.a * w;
                    a += c.a * w;
                }
            if (a > 0.0f)
                Blend(px, py, CColor(r / a, g / a, b / a, a), cover * opacity);
        }
}
