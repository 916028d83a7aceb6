#include "games/eraser/CEraserPlayer.h"

#include "games/eraser/CEraserField.h"

CEraserPlayer::CEraserPlayer(CEraserField& field)
    : m_field(field), m_brick_depth(field.GetTemplateBrick().GetScaledSizeZ())
{
}

void CEraserPlayer::Update(float dt, const CVector4& point, bool button)
{
    if (m_state == STATE_AIMING)
    {
        OnClick(point, button);
        m_field.Highlight(point);
    }
    else if (m_field.GetState() == CEraserField::STATE_IDLE)
        Reset();

    if (m_click_pause < dt)
        m_click_pause = 0.0f;
    else
        m_click_pause -= dt;
}

void CEraserPlayer::OnClick(CVector4 point, bool button)
{
    // The button is polled, so holding it takes one group after another, each
    // once the board has settled and the pause has run out. A board that is
    // not at rest takes no click at all.
    if (m_click_pause != 0.0f || !button || m_field.GetState() != CEraserField::STATE_IDLE)
        return;
    point.z = 0.0f;
    m_click_pause = CLICK_PAUSE_MS;
    int x = -1;
    int y = -1;
    if (!m_field.PickCell(point, x, y) || !m_field.GetEraserBrick(x, y))
        return;
    m_state = STATE_WAITING;
    int count = m_field.SelectGroup(m_field.GetEraserBrick(x, y));
    if (count > 0)
        m_field.AddScorePopup(count, point);
}
