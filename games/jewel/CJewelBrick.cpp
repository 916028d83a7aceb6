#include "games/jewel/CJewelBrick.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

#include "games/jewel/CJewelParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"

namespace
{
const int SPARKLES_FADE = 25;
const int SPARKLES_STRIKE = 50;
const float PULSE_STEP = 0.075f;
const float PULSE_LOW = 0.75f;
const float WOBBLE_LIMIT = 30.0f;
// Growth of the scale per step for each unit of opacity already lost.
const float SWELL = 10.0f;
} // namespace

CJewelBrick::CJewelBrick(const CJewelParams* params, CGameEvents* events) : m_params(params), m_events(events)
{
}

CJewelBrick::~CJewelBrick()
{
}

int CJewelBrick::SparkleGroup(int color)
{
    static const int groups[CJewelParams::COLOR_COUNT] = {5, 1, 2, 0, 4, 3, 4, 2, 1, 5};
    return (color >= 0 && color < CJewelParams::COLOR_COUNT) ? groups[color] : 0;
}

const CModel* CJewelBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
}

void CJewelBrick::Sparkle(int count)
{
    if (!m_events)
        return;
    for (int i = 0; i < count; ++i)
        m_events->AddSparkle(GetPosition(), SparkleGroup(GetColor()));
}

void CJewelBrick::ChangeColor(int color)
{
    m_overlay.reset();
    const CModel* model = FindLook(color);
    m_overlay = model ? std::make_unique<CModel>(*model) : std::make_unique<CModel>();
    // While struck only the overlay is drawn, so the brick may take its new
    // look now; the fade's swelling ends with the overlay's place and size.
    SetColor(color);
    m_overlay->SetScale(GetScale());
    m_overlay->SetPosition(GetPosition());
    StartFlyAway();
}

void CJewelBrick::Mark()
{
    m_alpha = 1.0f;
    SetBlend(true);
    m_marked = true;
    m_selected = false;
    m_hovered = false;
    m_fade_speed = FADE_SPEED;
}

void CJewelBrick::Unmark()
{
    m_alpha = 1.0f;
    SetBlend(false);
    m_marked = false;
}

void CJewelBrick::StartFlyAway()
{
    Mark();
    Sparkle(SPARKLES_STRIKE);
    m_struck = true;
    m_fade_speed = STRUCK_FADE_SPEED;
}

bool CJewelBrick::FlyStep(float dt)
{
    if (!m_struck && !m_sparkled)
    {
        Sparkle(SPARKLES_FADE);
        m_sparkled = true;
    }
    m_alpha -= dt * m_fade_speed;
    SetScale(GetScale() + (1.0f - m_alpha) * SWELL);
    if (!(m_alpha < 0.0f))
        return false;
    if (!m_overlay)
        return true;
    // The end of a recolouring: the brick takes the new look in the new
    // colour's place and size and stays on the board.
    SetScale(m_overlay->GetScale());
    SetPosition(m_overlay->GetPosition());
    m_overlay.reset();
    m_alpha = 1.0f;
    SetBlend(false);
    m_marked = false;
    m_struck = false;
    return false;
}

void CJewelBrick::StepLook()
{
    if (m_selected || m_hovered)
    {
        m_pulse -= PULSE_STEP;
        if (m_pulse < PULSE_LOW)
            m_pulse = PULSE_LOW;
    }
    else
    {
        m_pulse += PULSE_STEP;
        if (m_pulse > 1.0f)
            m_pulse = 1.0f;
    }
    if (m_selected)
    {
        m_wobble += m_wobble_step;
        if (m_wobble > WOBBLE_LIMIT || m_wobble < -WOBBLE_LIMIT)
            m_wobble_step = -m_wobble_step;
    }
    else
        m_wobble = 0.0f;
}

void CJewelBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY() + (m_selected ? m_wobble : 0.0f), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    if (m_struck)
    {
        if (m_overlay)
        {
            glPushMatrix();
            m_overlay->Draw();
            glPopMatrix();
        }
    }
    else
    {
        if (m_marked)
            glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
        float scale = GetScale();
        SetScale(scale * m_pulse);
        CModel::Draw();
        SetScale(scale);
    }
    glPopMatrix();
}

void CJewelBrick::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    // The colour picks the look; without models (tests) it alone tells two
    // looks apart.
    print.Add(GetColor());
    print.Add(m_alpha);
    print.Add(m_marked);
    print.Add(m_selected);
    print.Add(m_hovered);
    print.Add(m_struck);
    print.Add(m_pulse);
    print.AddModel(m_overlay.get());
    // The wobble shows only while the brick turns, drawn in every frame.
    AddDrawnBox(print);
}

void CJewelBrick::AddDrawnBox(CFramePrint& print) const
{
    // A struck brick shows only its overlay, under the brick's place and turns.
    const CModel& look = (m_struck && m_overlay) ? *m_overlay : static_cast<const CModel&>(*this);
    const CVector4& at = GetPosition();
    const bool turned = m_selected || GetAngleX() != 0.0f || GetAngleY() != 0.0f || GetAngleZ() != 0.0f;
    // The pulse shrinks the brick towards its place, which the box keeps in.
    if (print.AddModelBox(look, look.GetScale(), at, turned) && !turned)
        print.AddBox(at, at);
}
