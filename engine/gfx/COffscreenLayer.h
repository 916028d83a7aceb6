#pragma once
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
    bool Begin(int left, int bottom, int width, int height);
    // Directs drawing to the window again.
    void End();
    // Lays what was drawn over its rectangle of the current viewport:
    // opaque where drawn, or, when blended, as colours already multiplied by
    // their alpha (what was drawn see-through stays see-through).
    void Draw(bool blended = false) const;
    void Release();

private:
    bool Create(int width, int height);

    unsigned int m_framebuffer = 0;
    unsigned int m_texture = 0;
    unsigned int m_depth = 0;
    // The texture's size, at least the part's.
    int m_width = 0;
    int m_height = 0;
    // The part: viewport pixels.
    int m_part[4] = {};
    // The window's viewport while drawing into the layer.
    int m_viewport[4] = {};
    bool m_broken = false;
};
