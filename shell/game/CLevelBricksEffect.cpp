#include "shell/game/CLevelBricksEffect.h"

#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"

namespace
{
const float APPROACH = 0.07f;
const float GROW_TURN = 360.0f;
const float GROW_ANGLE_STEP = 5.0f;
const float GROW_STEPS = 72.0f;
}

CLevelBricksEffect::CLevelBricksEffect(CGameApp* app, CGameField* field, int effect, int firstRow)
    : m_app(app), m_field(field), m_first_row(firstRow), m_effect(effect)
{
    if (m_effect < EFFECT_ALTERNATE || m_effect > EFFECT_GROW)
        m_effect = EFFECT_ALTERNATE;
    // With no brick to bring in, nothing would ever reach its cell.
    if (!m_field || !HasBricks())
    {
        m_done = true;
        return;
    }
    switch (m_effect)
    {
    case EFFECT_ALTERNATE:
        StartAlternate();
        break;
    case EFFECT_SAME_SIDE:
        StartSameSide();
        break;
    default:
        StartGrow();
        break;
    }
}

bool CLevelBricksEffect::HasBricks() const
{
    for (int y = m_first_row; y < m_field->GetHeight(); ++y)
        for (int x = 0; x < m_field->GetWidth(); ++x)
            if (m_field->GetBrick(x, y))
                return true;
    return false;
}

void CLevelBricksEffect::StartAlternate()
{
    int w = m_field->GetWidth();
    int h = m_field->GetHeight();
    float s = m_field->GetBrickSize();
    for (int y = m_first_row; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (CModel* brick = m_field->GetBrick(x, y))
            {
                float shift = 2.0f * w * s + 2.0f * (h - y) * s;
                CVector4 p = brick->GetPosition();
                p.x += (y % 2 == 0) ? -shift : shift;
                brick->SetPosition(p);
            }
    m_limit_row = h;
    m_speed = 1.0f;
}

void CLevelBricksEffect::StartSameSide()
{
    int w = m_field->GetWidth();
    int h = m_field->GetHeight();
    float s = m_field->GetBrickSize();
    for (int y = m_first_row; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (CModel* brick = m_field->GetBrick(x, y))
            {
                CVector4 p = brick->GetPosition();
                p.y += w * s + (h - y) * s;
                brick->SetPosition(p);
            }
    m_limit_row = h;
    m_speed = 1.0f;
}

void CLevelBricksEffect::StartGrow()
{
    int w = m_field->GetWidth();
    int h = m_field->GetHeight();
    CVector4 cell;
    for (int y = m_first_row; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (CModel* brick = m_field->GetBrick(x, y))
            {
                brick->SetPosition(m_field->GetBrickPosition(cell, x, y));
                brick->SetScale(0.0f);
                brick->SetAngleZ(GROW_TURN);
            }
}

void CLevelBricksEffect::LockRow(int row)
{
    CVector4 cell;
    for (int x = 0; x < m_field->GetWidth(); ++x)
        if (CModel* brick = m_field->GetBrick(x, row))
            brick->SetPosition(m_field->GetBrickPosition(cell, x, row));
}

void CLevelBricksEffect::StepSlide(float dt)
{
    int w = m_field->GetWidth();
    bool seen = false;
    for (int y = m_first_row; y < m_limit_row && !m_done; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            CModel* brick = m_field->GetBrick(x, y);
            if (!brick)
                continue;
            seen = true;
            CVector4 p = brick->GetPosition();
            p.z = 0.0f;
            CVector4 t;
            m_field->GetBrickPosition(t, x, y);
            t.z = 0.0f;
            CVector4 v = (t - p) * APPROACH;
            if (v.Length() > m_speed)
                v = v * (m_speed / v.Length());
            v = v * dt;
            if (v.Length() < (p - t).Length())
            {
                CVector4 moved = brick->GetPosition();
                moved.x += v.x;
                moved.y += v.y;
                brick->SetPosition(moved);
                continue;
            }
            m_limit_row -= 1;
            LockRow(m_limit_row);
            if (m_limit_row <= m_first_row)
                m_done = true;
            break;
        }
    }
    // Rows that still move but hold no brick can never lock by themselves.
    if (!seen)
    {
        for (int y = m_first_row; y < m_limit_row; ++y)
            LockRow(y);
        m_done = true;
    }
}

void CLevelBricksEffect::StepGrow()
{
    int w = m_field->GetWidth();
    int h = m_field->GetHeight();
    float s = m_field->GetBrickSize();
    bool started = false;
    int moved = 0;
    for (int y = m_first_row; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            CModel* brick = m_field->GetBrick(x, y);
            if (!brick)
                continue;
            float angle = brick->GetAngleZ();
            if (angle == GROW_TURN && !started)
            {
                started = true;
            }
            else if (angle == GROW_TURN || angle == 0.0f || started)
            {
                continue;
            }
            angle -= GROW_ANGLE_STEP;
            brick->SetAngleZ(angle);
            brick->SetScale((GROW_TURN - angle) / GROW_ANGLE_STEP * (s / GROW_STEPS));
            moved += 1;
        }
    if (moved == 0)
        m_done = true;
}

void CLevelBricksEffect::Update(float dt)
{
    if (m_done || !m_field)
        return;
    if (m_effect == EFFECT_GROW)
        StepGrow();
    else
        StepSlide(dt);
}

void CLevelBricksEffect::ApplyRotation() const
{
    CMatrixStack::Rotate(m_angle, 1.0f, 0.0f, 0.0f);
}
