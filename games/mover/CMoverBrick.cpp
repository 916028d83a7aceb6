#include "games/mover/CMoverBrick.h"

#include <GL/gl.h>

#include "games/mover/CMoverParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"

namespace
{
const float FADE_STEP = 0.04f;
const float GROW_STEP = 0.02f;
}

CMoverBrick::CMoverBrick(const CMoverParams* params) : m_params(params) {}

CMoverBrick::~CMoverBrick() {}

const CModel* CMoverBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
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
                events->AddSparkle(GetPosition(), GetColor());
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
        m_params->SetColorAlpha(GetColor(), m_alpha);
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

void CMoverBrick::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    print.Add(GetColor());
    print.Add(m_alpha);
    print.Add(m_selected);
    print.Add(m_grow);
}
