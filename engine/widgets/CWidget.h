#pragma once

#include <vector>

#include "engine/gfx/CDraw2D.h"

class CConfigFile;
class CTexture;
class CVector4;

// Base of every control a screen puts on the 800x600 virtual screen. The
// owning screen passes each event in its own logical coordinates; a handled
// mouse event keeps the owner from dragging the window.
class CWidget
{
public:
    // The interface sounds, played with restart on and looping off.
    static constexpr int kClickSound = 51;
    static constexpr int kHoverSound = 52;

    virtual ~CWidget();

    virtual bool OnMouseMove(int x, int y, unsigned flags);
    virtual bool OnLButtonUp(int x, int y, unsigned flags);
    virtual bool OnRButtonUp(int x, int y, unsigned flags);
    virtual bool OnLButtonDown(int x, int y, unsigned flags);
    virtual void OnKeyDown(int key);
    virtual void OnChar(unsigned short code, unsigned int keyData);
    virtual void Update(float dt);
    virtual void Draw();
    virtual void Reset();
    // Appends every value Draw reads that may change while the widget is
    // shown (place, state, text), so that a picture of it held from an
    // earlier frame is known to be stale. Nothing for a widget that draws nothing.
    virtual void AddLook(std::vector<float>& look) const;

    // Both ends inclusive, each edge truncated toward zero.
    static bool IsInside(int x, int y, const CVector4& pos, float width, float height);

protected:
    // The place kept under name + ".x", ".y" and ".z" in a layout group; a
    // missing key reads as 0.
    static CVector4 ReadPosition(const CConfigFile& config, const char* name);

    // Draws frame k (from 1) of a vertical strip whose frames are `step` of
    // the texture high; frame 1 is the band nearest texture row 0, the bottom
    // rows of the stored picture.
    static void DrawStripFrame(const CTexture* texture, float x, float y, float z,
                               float width, float height, int k, float step);
    // The same frame, only within these logical rectangles (x, y their
    // top-left corner, as CDraw2D::SRect): each pixel as the whole frame
    // draws it.
    static void DrawStripFrameParts(const CTexture* texture, float x, float y, float z, float width, float height,
                                    int k, float step, const std::vector<CDraw2D::SRect>& parts);

private:
    // The texture bound and blending on, as a strip frame is drawn.
    static void BeginStripFrame(const CTexture* texture);
};
