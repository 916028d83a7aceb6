#pragma once
// A picture of the window's size laid into it by the renderer's copy of
// pixels rather than drawn as a textured quad. A software renderer builds a
// program for each new drawing state the first time it meets it, which makes
// a program's first frame wait; a copy of the window's own pixel format
// needs none. Without framebuffer objects (or without a GL context) Set
// refuses and the caller draws the picture instead.

#include "engine/gfx/CPicture.h"

class CBlitPicture
{
public:
    CBlitPicture() = default;
    ~CBlitPicture();
    CBlitPicture(const CBlitPicture&) = delete;
    CBlitPicture& operator=(const CBlitPicture&) = delete;

    // Keeps an RGB picture ready for copying; false, and nothing kept, when
    // it cannot be.
    bool Set(const CPicture& picture);
    // Copies the picture over the framebuffer drawn into now, whose
    // width x height pixels it must fill exactly; false, and nothing copied,
    // for any other size or when nothing is kept.
    bool CopyTo(int width, int height) const;
    void Release();

    bool IsSet() const { return m_framebuffer != 0; }

private:
    unsigned int m_framebuffer = 0;
    unsigned int m_texture = 0;
    int m_width = 0;
    int m_height = 0;
};
