#include "games/eraser2/CEraser2Player.h"

#include "games/eraser2/CEraser2Field.h"

CEraser2Player::CEraser2Player(CEraser2Field& field)
    : m_field(field), m_brick_depth(field.GetTemplateBrick().GetScaledSizeZ())
{
}

void CEraser2Player::Update(float dt, const CVector4& point, bool button)
{
    if (m_state == STATE_IDLE)
    {
        if (m_field.GetState() == CEraser2Field::STATE_IDLE)
            HandleClick(point, button);
        m_field.Hover(point);
    }
    else if (m_field.GetState() == CEraser2Field::STATE_IDLE)
        Reset();

    if (m_click_pause < dt)
        m_click_pause = 0.0f;
    else
        m_click_pause -= dt;
}

void CEraser2Player::HandleClick(CVector4 point, bool button)
{
    // The button is polled: holding it takes a group every pause while the
    // board is at rest.
    if (m_click_pause != 0.0f || !button)
        return;
    point.z = 0.0f;
    m_click_pause = CLICK_PAUSE_MS;
    int x = -1;
    int y = -1;
    if (!m_field.PickCell(point, x, y) || !m_field.GetEraser2Brick(x, y))
        return;
    m_state = STATE_WAITING;
    int count = m_field.TakeGroup(m_field.GetEraser2Brick(x, y));
    if (count > 0)
        m_field.AddScorePopup(count, point);
}
