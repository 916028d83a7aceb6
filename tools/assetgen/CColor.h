#pragma once

#include <algorithm>
#include <cstdint>

// A straight (not premultiplied) RGBA colour, channels 0..1.
struct CColor
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;

    CColor() = default;
    CColor(float red, float green, float blue, float alpha = 1.0f) : r(red), g(green), b(blue), a(alpha) {}

    // 0xRRGGBB, opaque.
    static CColor FromHex(std::uint32_t rgb, float alpha = 1.0f)
    {
        return CColor(((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, alpha);
    }

    static CColor Mix(const CColor& x, const CColor& y, float t)
    {
        return CColor(x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t);
    }

    CColor Scaled(float k) const { return CColor(r * k, g * k, b * k, a); }
    CColor WithAlpha(float alpha) const { return CColor(r, g, b, alpha); }
    // Towards white by t (0 keeps the colour, 1 gives white).
    CColor Lighter(float t) const { return Mix(*this, CColor(1, 1, 1, a), t); }
    // Towards black by t.
    CColor Darker(float t) const { return Mix(*this, CColor(0, 0, 0, a), t); }

    float Luma() const { return 0.2126f * r + 0.7152f * g + 0.0722f * b; }

    static std::uint8_t ToByte(float v)
    {
        const float c = std::min(1.0f, std::max(0.0f, v));
        return static_cast<std::uint8_t>(c * 255.0f + 0.5f);
    }
};
