#include "games/slider/CSliderPlayer.h"

#include "games/slider/CSliderField.h"

CSliderPlayer::CSliderPlayer(CSliderField& field) : m_field(field), m_brick_depth(field.GetBrickDepth()) {}

CSliderPlayer::~CSliderPlayer() {}

void CSliderPlayer::Update(float dt, const CVector4& point, bool button)
{
    if (m_state == STATE_AIMING)
    {
        m_field.Hover(point);
        Click(point, button);
    }
    else if (m_state == STATE_MOVING && m_field.GetStatus() == CSliderField::STATUS_IDLE)
    {
        m_state = STATE_DONE;
        Reset();
    }
    if (dt <= static_cast<float>(m_cool_down))
        m_cool_down -= static_cast<int>(dt);
    else
        m_cool_down = 0;
}

void CSliderPlayer::Click(const CVector4& point, bool button)
{
    if (m_cool_down != 0 || !button)
        return;
    m_cool_down = COOL_DOWN_MS;
    int x = -1;
    int y = -1;
    if (m_field.CellFromPoint(point, x, y))
    {
        m_state = STATE_MOVING;
        m_field.StartMove(x, y);
    }
}

