#include "games/mover/CMoverBrick.h"

#include <GL/gl.h>

#include "games/mover/CMoverParams.h"
#include "shell/game/CGameEvents.h"

namespace
{
const float FADE_STEP = 0.04f;
const float GROW_STEP = 0.02f;
}

CMoverBrick::CMoverBrick(const CMoverParams* params) : m_params(params) {}

CMoverBrick::~CMoverBrick() {}

void CMoverBrick::SetColor(int color)
{
    m_color = color;
    if (!m_params)
        return;
    const CModel* model = m_params->GetBrickModel(m_params->GetCurrentSkin(), color);
    if (!model)
        return;
    // The model copy replaces the whole base; a re-skin in the middle of an
    // effect must not stop it, so everything but the look is kept.
    CVector4 position = GetPosition();
    CVector4 velocity = GetVelocity();
    CVector4 param = GetParam();
    float scale = GetScale();
    float ax = GetAngleX();
    float ay = GetAngleY();
    float az = GetAngleZ();
    bool blend = GetBlend();
    CModel::operator=(*model);
    SetPosition(position);
    SetVelocity(velocity);
    SetParam(param);
    SetScale(scale);
    SetAngleX(ax);
    SetAngleY(ay);
    SetAngleZ(az);
    SetBlend(blend);
}

void CMoverBrick::Select()
{
    m_alpha = 1.0f;
    SetBlend(true);
    m_selected = true;
}

bool CMoverBrick::Vanish(CGameEvents* events)
{
    m_alpha -= FADE_STEP;
    if (!m_burst_done)
    {
        if (events)
            for (int i = 0; i < SPARKLES_PER_BURST; ++i)
                events->AddSparkle(GetPosition(), m_color);
        m_burst_done = true;
    }
    return m_alpha < 0.0f;
}

bool CMoverBrick::Grow()
{
    m_grow += GROW_STEP;
    if (m_grow <= 1.0f)
        return true;
    m_grow = 1.0f;
    return false;
}

void CMoverBrick::Draw()
{
    glPushMatrix();
    if (m_params)
        m_params->SetColorAlpha(m_color, m_alpha);
    if (m_selected)
        glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    const CVector4& p = GetPosition();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    float scale = GetScale();
    SetScale(scale * m_grow);
    CModel::Draw();
    SetScale(scale);
    glPopMatrix();
}
