#pragma once

#include "engine/gfx/CVector4.h"

class CSliderField;

// Turns the pointer into slider moves: while the field is idle it lets the
// field highlight the hovered line, and a held left button over the board
// starts a move. A cool-down keeps one press from starting several moves.
// It sees the pointer only as a point on the board surface and a button, so
// whole games run without a window.
class CSliderPlayer
{
public:
    enum { STATE_AIMING = 0, STATE_MOVING = 1, STATE_DONE = 2 };
    static constexpr int COOL_DOWN_MS = 300;

    explicit CSliderPlayer(CSliderField& field);
    ~CSliderPlayer();

    // One play update: point is the pointer on the board surface, button
    // whether the left button is held.
    void Update(float dt, const CVector4& point, bool button);
    void Click(const CVector4& point, bool button);
    void Reset() { m_state = STATE_AIMING; }
    void Draw() {}

    int GetState() const { return m_state; }
    int GetCoolDown() const { return m_cool_down; }
    // Height of the board surface above the board plane: the pointer is cast
    // onto it.
    float GetBrickDepth() const { return m_brick_depth; }

private:
    CSliderField& m_field;
    int m_state = STATE_AIMING;
    float m_brick_depth;
    int m_cool_down = 0;
};
