#pragma once
// The main menu's still layer (background, buttons, credit line, the kind's
// thumbnail) kept as a picture of the window, so that a frame in which
// nothing of it changed copies one quad instead of drawing every part again.
// Without a GL context (tests) it never holds anything and the menu simply
// draws everything.

#include <vector>

#include "engine/gfx/CWindowCopy.h"

class CMainMenuLayer
{
public:
    CMainMenuLayer() = default;
    ~CMainMenuLayer();
    CMainMenuLayer(const CMainMenuLayer&) = delete;
    CMainMenuLayer& operator=(const CMainMenuLayer&) = delete;

    // True when the held picture shows this state at this window size.
    bool Matches(const std::vector<int>& state, int width, int height) const;
    // Takes the window's drawn picture (back buffer, whole drawable).
    void Capture(const std::vector<int>& state, int width, int height);
    // Draws the held picture over the logical screen, one texel a pixel.
    void Draw(float logical_width, float logical_height) const;
    void Invalidate() { m_valid = false; }
    void Release();
    bool IsValid() const { return m_valid; }

private:
    CWindowCopy m_copy;
    bool m_valid = false;
    std::vector<int> m_state;
};
