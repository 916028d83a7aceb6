#include "games/eraser/CEraserBrick.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

#include "games/eraser/CEraserParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"

namespace
{
const int kSparklesPerBurst = 25;
// How much a vanishing brick grows, in model units at full fade.
const float kSwell = 30.0f;
} // namespace

CEraserBrick::CEraserBrick(const CEraserParams* params) : m_params(params)
{
}

const CModel* CEraserBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
}

void CEraserBrick::Mark()
{
    m_alpha = 1.0f;
    SetBlend(true);
    m_is_marked = true;
    m_is_highlighted = false;
}

void CEraserBrick::Unmark()
{
    m_alpha = 1.0f;
    SetBlend(false);
    m_is_marked = false;
}

bool CEraserBrick::Vanish(float dt, CGameEvents* events)
{
    m_alpha -= kFadePerMs * dt;
    if (!m_sparkled)
    {
        if (events)
            for (int i = 0; i < kSparklesPerBurst; ++i)
                events->AddSparkle(GetPosition(), GetColor());
        m_sparkled = true;
    }
    return m_alpha < 0.0f;
}

void CEraserBrick::StepZoom()
{
    if (m_is_marked)
        return;
    m_zoom = m_is_highlighted ? std::max(m_zoom - kZoomStep, kMinZoom) : std::min(m_zoom + kZoomStep, 1.0f);
}

void CEraserBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    if (m_is_marked)
        glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    else if (m_is_highlighted)
        glColor4f(1.5f, 1.5f, 1.5f, 1.0f);
    float scale = GetScale();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    float size = scale;
    if (m_is_marked)
        size = scale + (1.0f - m_alpha) * kSwell;
    SetScale(size * m_zoom);
    CModel::Draw();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetScale(scale);
    glPopMatrix();
}

void CEraserBrick::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    print.Add(m_is_marked);
    print.Add(m_alpha);
    print.Add(m_is_highlighted);
    print.Add(m_zoom);
}

float CEraserBrick::GetDrawnScaleBound() const
{
    // The zoom only ever lies between kMinZoom and 1.
    return m_is_marked ? GetScale() + std::max(0.0f, 1.0f - m_alpha) * kSwell : GetScale();
}

void CEraserBrick::AddDrawnBox(CFramePrint& print) const
{
    // At the model's own scale, or at the swollen one while it vanishes.
    const bool turned = GetAngleX() != 0.0f || GetAngleY() != 0.0f || GetAngleZ() != 0.0f;
    print.AddModelBox(*this, std::max(std::fabs(GetScale()), std::fabs(GetDrawnScaleBound())), GetPosition(), turned);
}
