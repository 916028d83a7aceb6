#pragma once

#include "engine/gfx/CVector4.h"

class CEraserField;

// The eraser's mouse: it highlights the group under the cursor and, while
// the left button is held, takes the group under it, then waits until the
// board is at rest again. It sees the cursor only as a point on the board
// plane and the button as a flag, so whole games run without a window.
class CEraserPlayer
{
public:
    enum { STATE_AIMING = 0, STATE_WAITING = 1 };
    static constexpr float CLICK_PAUSE_MS = 300.0f;

    explicit CEraserPlayer(CEraserField& field);

    // One frame: point is the cursor cast onto the bricks' front faces.
    void Update(float dt, const CVector4& point, bool button);
    void Reset() { m_state = STATE_AIMING; }

    int GetState() const { return m_state; }
    float GetClickPause() const { return m_click_pause; }
    // Height of the bricks' front faces, where the cursor is cast.
    float GetBrickDepth() const { return m_brick_depth; }

private:
    void OnClick(CVector4 point, bool button);

    CEraserField& m_field;
    int m_state = STATE_AIMING;
    float m_brick_depth;
    float m_click_pause = 0.0f;
};
