#include "games/slider/CSliderPlayer.h"

#include "games/slider/CSliderField.h"

#include <cmath>

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

CVector4 CSliderPlayer::CastCursor(int mx, int my, int width, int height, float nearPlane, float fov, float aspect,
                                   float cameraZ, float viewScale, float surface)
{
    int halfWidth = width / 2 < 1 ? 1 : width / 2;
    int halfHeight = height / 2 < 1 ? 1 : height / 2;
    mx -= width / 2;
    my -= height / 2;
    float halfH = std::tan(fov / 2.0f * 3.1415927f / 180.0f) * nearPlane;
    // The projection's own aspect, so that the point stays under the cursor.
    float halfW = halfH * aspect;
    float nx = mx * halfW / static_cast<float>(halfWidth);
    float ny = my * halfH / static_cast<float>(halfHeight);
    float depth = cameraZ / viewScale + surface;
    return CVector4(-depth * nx / nearPlane, depth * ny / nearPlane, surface);
}
