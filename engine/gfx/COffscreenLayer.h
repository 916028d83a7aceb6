#pragma once

#include <cstddef>
#include <vector>

#include "engine/gfx/CDraw2D.h"

// A part of the picture drawn once into a texture of its own, with its own
// depth buffer, and laid over later frames in one quad while it stays the
// same: the software renderer pays for every triangle of a board full of
// bricks, a quad over the board costs a fraction of that.
//
// The layer holds one rectangle of the viewport it was begun in and is laid
// back pixel for pixel at the same place: what was drawn keeps its colour
// exactly, where nothing was drawn the window shows through. Without a GL
// context, or where the renderer has no framebuffer objects, Begin refuses
// and the caller draws directly.

class COffscreenLayer
{
public:
    COffscreenLayer() = default;
    ~COffscreenLayer();
    COffscreenLayer(const COffscreenLayer&) = delete;
    COffscreenLayer& operator=(const COffscreenLayer&) = delete;

    // Directs drawing into the layer, cleared to nothing, for the viewport's
    // pixels [left, left + width) x [bottom, bottom + height), keeping the
    // matrices; false (drawing still goes to the window) when it cannot.
    // The scissor test is off while the layer is drawn into.
    bool Begin(int left, int bottom, int width, int height);
    // Directs drawing into the layer again as it was left, for the same
    // rectangle; false when there is none.
    bool Resume();
    // Directs drawing to where it went before Begin, the scissor test as it
    // was then.
    void End();
    // Lays what was drawn over its rectangle of the current viewport:
    // opaque where drawn, or, when blended, as colours already multiplied by
    // their alpha (what was drawn see-through stays see-through).
    void Draw(bool blended = false) const;
    // Lays, blended, only these parts: rectangles of a logical screen of the
    // size given spread over the viewport, (x, y) their top-left corner.
    // Parts known to be opaque in the layer may be laid as they are
    // (`opaque`): the same pixels, and the cheapest copy the renderer has.
    void DrawParts(const std::vector<CDraw2D::SRect>& parts, float logicalWidth, float logicalHeight,
                   bool opaque = false) const;
    void Release();
    // The drawn rectangle's pixels, RGBA rows from the bottom; false (and
    // nothing) without a layer.
    bool Read(std::vector<unsigned char>& pixels) const;
    // The same of a box of the drawn rectangle, in its own pixels ((0, 0)
    // its bottom-left corner); false (and nothing) when the box does not lie
    // within it.
    bool ReadRect(int left, int bottom, int width, int height, std::vector<unsigned char>& pixels) const;
    // The same of the framebuffer drawn into now, over the viewport.
    static void ReadViewport(std::vector<unsigned char>& pixels);

private:
    bool Create(int width, int height);
    // Saves where drawing went and directs it into the layer's part.
    void Bind();
    enum class ELay
    {
        // Only texels drawn, as they are.
        Drawn,
        // Colours already multiplied by their alpha, blended over.
        Blended,
        // Every texel as it is.
        Whole,
    };
    // Boxes of viewport pixels, (left, bottom, right, top) each.
    void Lay(const float* boxes, std::size_t count, ELay how) const;

    unsigned int m_framebuffer = 0;
    unsigned int m_texture = 0;
    unsigned int m_depth = 0;
    // The texture's size, at least the part's.
    int m_width = 0;
    int m_height = 0;
    // The part: viewport pixels.
    int m_part[4] = {};
    // The viewport and framebuffer drawn into before Begin (a layer may be
    // drawn while another one is being drawn).
    int m_viewport[4] = {};
    int m_outer = 0;
    bool m_outer_scissor = false;
    int m_outer_scissor_box[4] = {};
    bool m_broken = false;
};
