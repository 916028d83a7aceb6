#include "games/mover/CMoverPlayer.h"

#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverField.h"
#include "shell/game/CGameEvents.h"

CMoverPlayer::CMoverPlayer(CMoverField& field, CGameEvents* events)
    : m_field(field), m_events(events), m_brick_depth(field.GetSampleBrick()->GetScaledSizeZ())
{
}

void CMoverPlayer::Update(float dt, const CVector4& point, bool button)
{
    if (m_state == STATE_PICKING)
        Pick(point, button);
    else if (m_state == STATE_MOVING && m_field.GetStatus() != CMoverField::STATUS_SLIDING)
    {
        m_state = STATE_DONE;
        EndMove();
    }
    if (m_cool_down < dt)
        m_cool_down = 0.0f;
    else
        m_cool_down -= dt;
}

void CMoverPlayer::Pick(CVector4 point, bool button)
{
    if (m_field.GetStatus() != CMoverField::STATUS_IDLE || m_cool_down != 0.0f || !button)
        return;
    point.z = 0.0f;
    m_cool_down = COOL_DOWN_MS;
    int x = -1;
    int y = -1;
    if (!m_field.CellFromPoint(point, &x, &y) || !m_field.GetBrick(x, y))
        return;
    m_state = STATE_MOVING;
    m_field.MoveBrick(x, y);
    // Also when the brick has no empty neighbour and stays.
    if (m_events)
        m_events->PlaySound(SOUND_MOVE, true, false);
}

void CMoverPlayer::EndMove()
{
    Reset();
}
