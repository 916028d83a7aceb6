#pragma once

#include <functional>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CVector4.h"

class CDesignerFigure;
class CViewParams;

// Where the figure in hand shows on the logical 800 x 600 screen (y down),
// so that a frame can lay the rest of the game from its held picture and
// draw only the carried figure anew: a figure that follows the pointer
// would otherwise make every frame draw the whole screen.
//
// The figure goes live only where drawing it last, over everything, looks
// as drawing it among the rest does: clear of the heads-up display, whose
// texts are drawn over it. A figure that has stood still for a few frames
// goes back among the rest, where a held frame costs nothing for it.
class CDesignerHandView
{
public:
    static constexpr int STILL_FRAMES = 10;
    // The heads-up display's texts lie inside this part of the screen.
    static constexpr CDraw2D::SRect HUD_AREA = {14.0f, 18.0f, 150.0f, 186.0f};

    // The logical rectangle covering everything the figure draws, at any
    // turn of its model; false when part of it lies behind the eye.
    static bool FindScreenRect(const CDesignerFigure& figure, const CViewParams& view, float tilt,
                               CDraw2D::SRect& rect);
    static bool Overlap(const CDraw2D::SRect& a, const CDraw2D::SRect& b);

    // For the coming frame: whether the figure (null: none in hand) is drawn
    // live; canGoLive: nothing else of the frame keeps it among the rest.
    // Call once a frame: it counts the frames the figure stands still.
    // When live, redrawn receives the figure's rectangle and the one it had
    // when last drawn live, whose pixels the frame must restore.
    bool Prepare(const CDesignerFigure* figure, const CViewParams& view, float tilt, bool canGoLive,
                 std::vector<CDraw2D::SRect>& redrawn);
    // Runs draw (the figure, under the board camera) into a picture of its
    // own over the rectangle of the last Prepare, then lays that picture:
    // the window may keep depth at another precision than a held picture,
    // and faces of a brick that nearly meet would part differently in each.
    // Draws straight into the window when there can be no picture.
    void DrawLive(const std::function<void()>& draw);

private:
    COffscreenLayer m_layer;
    // What the figure's drawing read in the last frame, and for how many
    // frames it has not changed.
    std::vector<unsigned char> m_print;
    int m_still_frames = 0;
    CDraw2D::SRect m_last = {0.0f, 0.0f, 0.0f, 0.0f};
    bool m_has_last = false;
};
