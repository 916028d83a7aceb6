#pragma once
// A copy of the window's drawn picture (back buffer, whole drawable) held in
// a texture of the window's size, drawn back one texel a pixel. Without a GL
// context (texture uploads switched off) it never holds anything.
//
// Where the renderer has framebuffer objects the copy is held as the window
// holds its pixels (the same pixel order, its top row first), so that parts
// of it go back by the renderer's plain copy of rows (CopyParts) rather
// than drawn as textured quads: a software renderer copies memory many
// times faster than it draws.

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
    // Copies these parts back into the framebuffer drawn into now, pixel for
    // pixel, whatever the drawing state; only while that framebuffer has the
    // copy's size and the logical screen is spread over it whole. False, and
    // nothing copied, when it cannot: the caller draws them (DrawParts).
    bool CopyParts(const std::vector<SPart>& parts, float logical_width, float logical_height) const;
    void Release();

    bool HasTexture() const { return m_texture != 0; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    bool Create(int width, int height);

    unsigned int m_texture = 0;
    // Wraps the texture for the copies of rows; 0 without framebuffer objects.
    unsigned int m_framebuffer = 0;
    // The texture's row 0 is the window's top row (held for copies of rows),
    // not its bottom one.
    bool m_top_first = false;
    int m_width = 0;
    int m_height = 0;
};
