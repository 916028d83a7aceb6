#include "games/remover/CRemoverBrick.h"

#include "shell/game/CFramePrint.h"
#include "engine/gfx/CDraw2D.h"

#include <GL/gl.h>
#include <cstdint>

#include "engine/gfx/CSprite.h"
#include "games/remover/CRemoverParams.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"

namespace
{
const int SPARKLES_PER_BURST = 25;
const unsigned BONUS_FRAME_DELAY = 200;
}

CRemoverBrick::CRemoverBrick(const CRemoverParams* params, CLight* light)
    : m_params(params), m_light(light)
{
}

CRemoverBrick::~CRemoverBrick() {}

const CModel* CRemoverBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
}

void CRemoverBrick::Select()
{
    m_selected = true;
    m_brick_alpha = 1.0f;
    SetBlend(true);
}

void CRemoverBrick::Unselect()
{
    m_selected = false;
    m_brick_alpha = 1.0f;
    SetBlend(false);
}

void CRemoverBrick::SetBonus(int value, int life)
{
    if (value <= 0)
        return;
    m_bonus_value = value;
    m_bonus_sprite.reset();
    if (m_params && m_params->GetBonusSprite())
    {
        m_bonus_sprite = std::make_unique<CSprite>(*m_params->GetBonusSprite());
        m_bonus_sprite->SetFrameDelay(BONUS_FRAME_DELAY);
        m_bonus_sprite->SetBlend(true);
    }
    m_bonus_life = life;
    m_number_sprite.reset();
    if (m_params && m_params->GetNumberSprite())
    {
        m_number_sprite = std::make_unique<CSprite>(*m_params->GetNumberSprite());
        m_number_sprite->SetFrameDelay(BONUS_FRAME_DELAY);
        m_number_sprite->SetBlend(true);
    }
}

void CRemoverBrick::DropBonus()
{
    m_bonus_value = 0;
    m_bonus_life = 0;
    m_bonus_sprite.reset();
    m_number_sprite.reset();
}

bool CRemoverBrick::Vanish(CGameEvents* events)
{
    m_brick_alpha -= 0.04f;
    if (!m_sparkled)
    {
        if (events)
            for (int i = 0; i < SPARKLES_PER_BURST; ++i)
                events->AddSparkle(GetPosition(), GetColor());
        m_sparkled = true;
    }
    return m_brick_alpha < 0.0f;
}

void CRemoverBrick::CountDownBonus(CGameEvents* events, CRandom& random)
{
    if (m_bonus_value == 0)
        return;
    m_bonus_life -= 1;
    const CVector4& p = GetPosition();
    float quarter = GetScale() / 4.0f;
    for (int i = 0; i < 5; ++i)
    {
        int first = random.Next(6);
        int second = random.Next(6);
        if (events)
        {
            events->AddSparkle(CVector4(p.x + quarter, p.y + quarter, p.z), first);
            events->AddSparkle(CVector4(p.x + quarter, p.y - quarter, p.z), second);
        }
    }
    if (m_bonus_life < 0)
        DropBonus();
}

void CRemoverBrick::Update(float dt)
{
    CModel::Update(dt);
    if (m_bonus_sprite)
        m_bonus_sprite->Advance(static_cast<unsigned>(dt));
}

void CRemoverBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    if (m_selected)
        glColor4f(1.0f, 1.0f, 1.0f, m_brick_alpha);
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    if (m_new && !m_selected)
        glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    bool blended = m_selected || m_new;
    if (blended)
    {
        CDraw2D::SetAlphaBlendFunc();
        glEnable(GL_BLEND);
    }
    CModel::Draw();
    if (blended)
        glDisable(GL_BLEND);
    glPopMatrix();

    if (m_bonus_sprite)
    {
        float s = GetScale();
        float depth = GetScaledSizeZ();
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        m_bonus_sprite->SetGroup(m_bonus_value - 1);
        m_bonus_sprite->SetSize(s / 2.0f, s / 2.0f);
        m_bonus_sprite->SetPosition(CVector4(p.x + s / 4.0f, p.y + s / 4.0f, p.z + depth / 2.0f));
        m_bonus_sprite->Draw(true);
        if (m_number_sprite)
        {
            m_number_sprite->SetGroup(m_bonus_life);
            m_number_sprite->SetSize(s / 2.0f, s / 2.0f);
            m_number_sprite->SetPosition(CVector4(p.x + s / 4.0f, p.y - s / 4.0f, p.z + depth / 2.0f));
            m_number_sprite->Draw(true);
        }
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CRemoverBrick::AddToPrint(CFramePrint& print, bool blended) const
{
    // Keyed by the brick itself, so that one flying in, placed from the hand
    // or fading is one part moving, wherever it is kept.
    print.BeginBoardPart(reinterpret_cast<std::uintptr_t>(this));
    print.AddModel(*this);
    print.Add(m_selected);
    print.Add(m_brick_alpha);
    print.Add(m_new);
    print.Add(m_bonus_value);
    print.Add(m_bonus_life);
    print.AddSprite(m_bonus_sprite.get());
    print.AddSprite(m_number_sprite.get());
    print.Add(blended);
    print.AddModelBox(*this);
    if (m_bonus_sprite)
    {
        // The bonus and its life stand side by side on the right half of the
        // top face (see Draw).
        const CVector4& p = GetPosition();
        const float s = GetScale();
        const float top = p.z + GetScaledSizeZ() / 2.0f;
        print.AddBox(CVector4(p.x, p.y - s / 2.0f, top), CVector4(p.x + s / 2.0f, p.y + s / 2.0f, top));
    }
    print.EndPart();
}
