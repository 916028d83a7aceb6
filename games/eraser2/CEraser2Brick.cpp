#include "games/eraser2/CEraser2Brick.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "engine/gfx/CSprite.h"
#include "games/eraser2/CEraser2Params.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"

namespace
{
const int kSparklesPerBurst = 25;

std::unique_ptr<CSprite> CopySprite(const CSprite* from)
{
    if (!from)
        return nullptr;
    auto sprite = std::make_unique<CSprite>(*from);
    sprite->SetFrameDelay(CEraser2Brick::kSpriteDelayMs);
    sprite->SetBlend(true);
    return sprite;
}
} // namespace

CEraser2Brick::CEraser2Brick(const CEraser2Params* params) : m_params(params)
{
}

CEraser2Brick::~CEraser2Brick()
{
}

const CModel* CEraser2Brick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
}

void CEraser2Brick::MarkForRemoval()
{
    m_alpha = 1.0f;
    SetBlend(true);
    m_vanishing = true;
    m_highlighted = false;
}

void CEraser2Brick::Unmark()
{
    m_alpha = 1.0f;
    SetBlend(false);
    m_vanishing = false;
}

bool CEraser2Brick::StepVanish(float dt, CGameEvents* events)
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

void CEraser2Brick::SetBonus(int kind, int number)
{
    if (kind <= 0)
        return;
    m_bonus_kind = kind > kBonusKinds ? kBonusKinds : kind;
    m_bonus_sprite = CopySprite(m_params ? m_params->GetBonusSprite() : nullptr);
    m_number = (number >= 0 && number <= 9) ? number : 0;
    m_number_sprite = CopySprite(m_params ? m_params->GetNumberSprite() : nullptr);
}

void CEraser2Brick::AdvanceSprites(float dt)
{
    unsigned ms = dt > 0.0f ? static_cast<unsigned>(dt) : 0u;
    if (m_bonus_sprite)
        m_bonus_sprite->Advance(ms);
    if (m_number_sprite)
        m_number_sprite->Advance(ms);
}

void CEraser2Brick::StepLook()
{
    if (m_highlighted)
        m_zoom = std::max(m_zoom - kZoomStep, kMinZoom);
    else
        m_zoom = std::min(m_zoom + kZoomStep, 1.0f);
    if (m_vanishing)
        m_swell += (1.0f - m_alpha) * kSwell;
}

void CEraser2Brick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    if (m_vanishing)
        glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    float scale = GetScale();
    SetScale(GetDrawnSize());
    CModel::Draw();
    SetScale(scale);
    glPopMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CEraser2Brick::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    print.Add(m_vanishing);
    print.Add(m_alpha);
    print.Add(m_highlighted);
    print.Add(m_zoom);
    print.Add(m_swell);
    CVector4 low, high;
    if (GetDrawnBox(low, high))
        print.AddBox(low, high);
}

bool CEraser2Brick::GetDrawnBox(CVector4& low, CVector4& high) const
{
    const bool turned = GetAngleX() != 0.0f || GetAngleY() != 0.0f || GetAngleZ() != 0.0f;
    return CFramePrint::ModelBox(*this, GetDrawnSize(), GetPosition(), turned, low, high);
}

bool CEraser2Brick::PlaceSprites(CVector4& low, CVector4& high)
{
    if (!m_bonus_sprite)
        return false;
    const CVector4& p = GetPosition();
    const float size = GetDrawnSize();
    const float z = p.z + size * GetExtentZ() / 2.0f;
    m_bonus_sprite->SetGroup(m_bonus_kind - 1);
    m_bonus_sprite->SetSize(size / 2.0f, size / 2.0f);
    m_bonus_sprite->SetPosition(CVector4(p.x + size / 4.0f, p.y + size / 4.0f, z));
    if (m_number_sprite)
    {
        m_number_sprite->SetGroup(m_number);
        m_number_sprite->SetSize(size / 2.0f, size / 2.0f);
        m_number_sprite->SetPosition(CVector4(p.x + size / 4.0f, p.y - size / 4.0f, z));
    }
    low = CVector4(p.x, p.y - size / 2.0f, z);
    high = CVector4(p.x + size / 2.0f, p.y + size / 2.0f, z);
    return true;
}
