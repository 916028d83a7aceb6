#pragma once
// A copy of the window's drawn picture (back buffer, whole drawable) held in
// a texture of the window's size, drawn back one texel a pixel. Without a GL
// context (texture uploads switched off) it never holds anything.

#include <vector>

#include "engine/gfx/CDraw2D.h"

class CWindowCopy
{
public:
    CWindowCopy() = default;
    ~CWindowCopy();
    CWindowCopy(const CWindowCopy&) = delete;
    CWindowCopy& operator=(const CWindowCopy&) = delete;

    // Copies the window's width x height pixels; false when nothing usable
    // was copied (no context, no texture, or the copy itself failed).
    bool Capture(int width, int height);
    using SPart = CDraw2D::SRect;

    // Draws the copy over the logical screen, opaque and unmodulated.
    void Draw(float logical_width, float logical_height) const;
    // Draws only these parts of the copy, each at its own place, with the
    // state Draw leaves behind.
    void DrawParts(const std::vector<SPart>& parts, float logical_width, float logical_height) const;
    void Release();

    bool HasTexture() const { return m_texture != 0; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    unsigned int m_texture = 0;
    int m_width = 0;
    int m_height = 0;
};
