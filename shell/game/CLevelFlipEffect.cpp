#include "shell/game/CLevelFlipEffect.h"

#include <cmath>

#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"

CLevelFlipEffect::CLevelFlipEffect(CGameApp* app, CGameField* field, int firstRow)
    : m_app(app), m_field(field), m_first_row(firstRow)
{
    if (!m_field)
    {
        m_done = true;
        return;
    }
    StartFall();
}

void CLevelFlipEffect::StartFall()
{
    int h = m_field->GetHeight();
    m_falling_row = h - 1;
    CVector4 cell;
    m_start_y = m_field->GetBrickPosition(cell, 0, h - 1).y;

    bool any = false;
    for (int y = m_first_row; y < h && !any; ++y)
        for (int x = 0; x < m_field->GetWidth() && !any; ++x)
            any = m_field->GetBrick(x, y) != nullptr;
    // Nothing to let fall: the effect is over before it starts.
    if (!any)
        m_done = true;
}

void CLevelFlipEffect::StepFall(float dt)
{
    int w = m_field->GetWidth();
    int h = m_field->GetHeight();
    float s = m_field->GetBrickSize();
    CVector4 gravity(0.0f, GRAVITY, 0.0f);
    for (int y = h - 1; y >= m_falling_row && y >= m_first_row; --y)
    {
        int empty = 0;
        for (int x = 0; x < w; ++x)
        {
            CModel* brick = m_field->GetBrick(x, y);
            if (!brick)
            {
                ++empty;
                continue;
            }
            CVector4 v = brick->GetVelocity() + gravity;
            brick->SetVelocity(v);
            brick->SetPosition(brick->GetPosition() + v * dt);
            m_last_y = brick->GetPosition().y;
            m_seen_brick = true;
        }
        if (empty == w && y == m_falling_row && m_falling_row > m_first_row)
            m_falling_row -= 1;
        if (y == m_falling_row && m_seen_brick && std::fabs(m_last_y - m_start_y) > s)
        {
            if (m_falling_row > m_first_row)
                m_falling_row -= 1;
            CVector4 cell;
            m_start_y = m_field->GetBrickPosition(cell, 0, m_falling_row).y;
            if (m_last_y < GONE_Y)
                m_done = true;
        }
    }
}

void CLevelFlipEffect::Update(float dt)
{
    if (m_done || !m_field)
        return;
    StepFall(dt);
}

void CLevelFlipEffect::ApplyRotation() const
{
    CMatrixStack::Rotate(m_angle, 1.0f, 0.0f, 0.0f);
}
