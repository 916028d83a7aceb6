#include "engine/widgets/CButton.h"

#include "engine/widgets/CCommandTarget.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetContext.h"

namespace
{
// The strip's frame step as the layouts were drawn against.
constexpr float kThirdStep = 0.333333f;
}

CButton::CButton(CCommandTarget* owner, CTexture* texture)
    : m_owner(owner)
    , m_texture(texture)
    , m_position(0.0f, 0.0f, 0.0f)
    , m_width(texture ? static_cast<float>(texture->GetWidth()) : 0.0f)
    , m_height(texture ? static_cast<float>(texture->GetHeight()) / 3.0f : 0.0f)
    , m_state(kNormal)
    , m_visible(true)
{
}

CButton::~CButton() = default;

bool CButton::OnMouseMove(int x, int y, unsigned)
{
    if (!m_visible)
        return false;
    if (IsInside(x, y, m_position, m_width, m_height)) {
        if (m_state == kNormal)
            CWidgetContext::Current().PlaySound(kHoverSound);
        m_state = kHover;
        return true;
    }
    m_state = kNormal;
    return false;
}

bool CButton::OnLButtonDown(int x, int y, unsigned)
{
    if (!m_visible || !IsInside(x, y, m_position, m_width, m_height))
        return false;
    CWidgetContext::Current().PlaySound(kClickSound);
    m_state = kPressed;
    if (m_owner)
        m_owner->OnCommand(this);
    return true;
}

bool CButton::OnLButtonUp(int, int, unsigned)
{
    if (!m_visible || m_state != kPressed)
        return false;
    m_state = kHover;
    return true;
}

void CButton::Draw()
{
    if (!m_visible || !m_texture)
        return;
    DrawStripFrame(m_texture, m_position.x, m_position.y, 0.0f, m_width, m_height,
                   m_state, kThirdStep);
}

void CButton::DrawParts(const std::vector<CDraw2D::SRect>& parts)
{
    if (!m_visible || !m_texture)
        return;
    DrawStripFrameParts(m_texture, m_position.x, m_position.y, 0.0f, m_width, m_height, m_state, kThirdStep, parts);
}

void CButton::Reset()
{
    m_state = kNormal;
}

void CButton::SetPosition(float x, float y, float z)
{
    m_position = CVector4(x, y, z);
}

void CButton::LoadPosition(const CConfigFile& config, const char* name)
{
    m_position = ReadPosition(config, name);
}

void CButton::SetVisible(bool visible)
{
    m_visible = visible;
}

void CButton::AddLook(std::vector<float>& look) const
{
    look.insert(look.end(), {m_position.x, m_position.y, m_position.z, m_width, m_height, static_cast<float>(m_state),
                             m_visible ? 1.0f : 0.0f, m_texture ? static_cast<float>(m_texture->GetId()) : 0.0f});
}
