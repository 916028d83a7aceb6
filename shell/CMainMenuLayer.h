#pragma once
// The main menu's still layer (background, buttons, credit line, the kind's
// thumbnail) kept as a picture of the window, so that a frame in which
// nothing of it changed copies it instead of drawing every part again. When
// the back buffer still holds the last frame, only the cells that moving
// things (sparkles, the title) were drawn over are copied back. Without a GL
// context (tests) it never holds anything and the menu simply draws
// everything.

#include <vector>

#include "engine/gfx/CBackBufferMark.h"
#include "engine/gfx/CWindowCopy.h"
#include "shell/game/CDrawnOverCells.h"

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
    void Draw(float logical_width, float logical_height);
    // True when the back buffer still holds the last frame, which this
    // layer ended: copying back the drawn-over cells then restores the layer.
    bool CanRestore() const;
    void RestoreDrawnOver(float logical_width, float logical_height);
    // Notes a logical rectangle that something is drawn over this frame.
    void MarkDrawnOver(float x, float y, float width, float height, float logical_width, float logical_height);
    void MarkBackSparkles(const CSparkleLists& sparkles, const CSprite& sprite, float logical_width,
                          float logical_height)
    {
        m_cells.MarkBackSparkles(sparkles, sprite, logical_width, logical_height);
    }
    // After the frame: `alone` when nothing but the menu drew into it.
    void EndFrame(bool alone);
    void Invalidate() { m_valid = false; }
    void Release();
    bool IsValid() const { return m_valid; }

private:
    CWindowCopy m_copy;
    CBackBufferMark m_mark;
    bool m_valid = false;
    std::vector<int> m_state;
    CDrawnOverCells m_cells;
};
