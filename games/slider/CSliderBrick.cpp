#include "games/slider/CSliderBrick.h"

#include <GL/gl.h>

#include "games/slider/CSliderParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"

namespace
{
const int SPARKLES_PER_BURST = 25;
const float FADE_STEP = 0.04f;
}

CSliderBrick::CSliderBrick(const CSliderParams* params) : m_params(params) {}

CSliderBrick::~CSliderBrick() {}

const CModel* CSliderBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
}

void CSliderBrick::SetAlpha(float alpha, bool blend)
{
    m_alpha = alpha;
    SetBlend(blend);
}

void CSliderBrick::Select()
{
    m_selected = true;
    SetAlpha(1.0f, true);
}

void CSliderBrick::Unselect()
{
    m_selected = false;
    SetAlpha(1.0f, false);
}

bool CSliderBrick::Vanish(CGameEvents* events)
{
    m_alpha -= FADE_STEP;
    if (!m_vanish_started)
    {
        if (events)
            for (int i = 0; i < SPARKLES_PER_BURST; ++i)
                events->AddSparkle(GetPosition(), GetColor());
        m_vanish_started = true;
    }
    return m_alpha < 0.0f;
}

void CSliderBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    // Every blended brick shows its alpha: the removal fade and also the
    // hovered line, which would otherwise look exactly like the rest.
    if (GetBlend())
        glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    CModel::Draw();
    glPopMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CSliderBrick::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    print.Add(GetColor());
    print.Add(m_alpha);
    print.Add(m_selected);
}
