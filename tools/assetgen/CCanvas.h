#pragma once

#include "tools/assetgen/CColor.h"

#include <functional>
#include <vector>

// A picture being painted: straight RGBA floats, row 0 at the top as a
// viewer shows it. The writers turn it into files.
class CCanvas
{
public:
    using ShaderFn = std::function<CColor(float x, float y)>;
    using DistanceFn = std::function<float(float x, float y)>;

    CCanvas() = default;
    CCanvas(int width, int height, const CColor& fill = CColor(0, 0, 0, 0));

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    bool IsInside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    const CColor& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    CColor& At(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }

    void Fill(const CColor& color);
    // Replaces every pixel with the shader's colour at the pixel centre.
    void Paint(const ShaderFn& shader);
    // Composites colour over the pixel with the given coverage.
    void Blend(int x, int y, const CColor& color, float coverage = 1.0f);

    // Fills the shape whose signed distance (pixels, negative inside) the
    // function gives, anti-aliased over one pixel, with a shader colour.
    // The box limits the work to the shape's neighbourhood.
    void FillShape(const DistanceFn& distance, const ShaderFn& shader, int x0, int y0, int x1, int y1);
    void FillShape(const DistanceFn& distance, const CColor& color, int x0, int y0, int x1, int y1);

    // Composites another canvas over this one at (dx, dy).
    void Draw(const CCanvas& source, int dx, int dy, float opacity = 1.0f);
    // Same, with the source's alpha only, in one colour (shadows, glows, text).
    void DrawTinted(const CCanvas& source, int dx, int dy, const CColor& color);
    // Same, with a shader that colours the source's alpha (gradient text).
    void DrawShaded(const CCanvas& source, int dx, int dy, const ShaderFn& shader);

    // Composites the source stretched onto the rectangle (x, y, w, h),
    // sampled bilinearly.
    void DrawScaled(const CCanvas& source, float x, float y, float width, float height, float opacity = 1.0f);

    // Gaussian-like blur of all four channels (three box passes).
    void Blur(int radius);
    // Multiplies every alpha by k (clamped to 1).
    void ScaleAlpha(float k);
    // The alpha grown by radius pixels (a soft outline source).
    CCanvas Dilated(int radius) const;
    // The part of the canvas at (x, y) of the given size.
    CCanvas Cropped(int x, int y, int width, int height) const;
    // Box-filtered down by an integer factor (supersampled drawing).
    CCanvas Downsampled(int factor) const;

    // Per-pixel relief: light from the upper left on the alpha as a height
    // field; strength scales the shading, 0 none.
    void Emboss(float strength, const CCanvas& heightSource);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<CColor> m_pixels;
};
