#pragma once

#include "engine/gfx/CVector4.h"

class CEraser2Field;

// The Eraser II mouse: it highlights the group under the cursor in every
// field state and, while the left button is held and the board is at rest,
// takes the group under it, then waits until the board rests again. It
// sees the cursor only as a point on the bricks' faces and the button as a
// flag, so whole games run without a window.
class CEraser2Player
{
public:
    enum { STATE_IDLE = 0, STATE_WAITING = 1 };
    static constexpr float CLICK_PAUSE_MS = 300.0f;

    explicit CEraser2Player(CEraser2Field& field);

    void Update(float dt, const CVector4& point, bool button);
    void Reset() { m_state = STATE_IDLE; }
    void Draw() {}

    int GetState() const { return m_state; }
    // Height of the bricks' front faces, where the cursor is cast.
    float GetBrickDepth() const { return m_brick_depth; }

private:
    void HandleClick(CVector4 point, bool button);

    CEraser2Field& m_field;
    int m_state = STATE_IDLE;
    float m_brick_depth;
    float m_click_pause = 0.0f;
};
