#pragma once

#include "engine/gfx/CVector4.h"

class CGameEvents;
class CMoverField;

// Turns the pointer into moves: while the field is idle and the cool-down
// has run out, a held left button over a brick asks the field to slide it.
// It sees the pointer only as a point on the board plane and a button state,
// so whole games run without a window.
class CMoverPlayer
{
public:
    enum { STATE_PICKING = 0, STATE_MOVING = 1, STATE_DONE = 2 };
    // A held button repeats a move no faster than this.
    static constexpr float COOL_DOWN_MS = 300.0f;
    static constexpr int SOUND_MOVE = 152;

    // events may be null (silent).
    CMoverPlayer(CMoverField& field, CGameEvents* events);

    // One frame: point is the pointer cast onto the board at the brick
    // depth, button whether the left button is held.
    void Update(float dt, const CVector4& point, bool button);
    void Pick(CVector4 point, bool button);
    void EndMove();
    void Draw() {}

    int GetState() const { return m_state; }
    float GetCoolDown() const { return m_cool_down; }
    // The height above the board at which the pointer is cast.
    float GetBrickDepth() const { return m_brick_depth; }

private:
    void Reset() { m_state = STATE_PICKING; }

    CMoverField& m_field;
    CGameEvents* m_events;
    int m_state = STATE_PICKING;
    float m_brick_depth;
    float m_cool_down = 0.0f;
};
