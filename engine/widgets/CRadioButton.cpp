#include "engine/widgets/CRadioButton.h"

#include <GL/gl.h>

#include "engine/widgets/CCommandTarget.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetContext.h"

CRadioButton::CRadioButton(CCommandTarget* owner, CTexture* texture, float captionWidth)
    : m_owner(owner)
    , m_texture(texture)
    , m_width(texture ? static_cast<float>(texture->GetWidth()) : 0.0f)
    , m_hitWidth(captionWidth + m_width)
    // Whole units: the layouts were placed against this rounding.
    , m_height(texture ? static_cast<float>(texture->GetHeight() / 4) : 0.0f)
    , m_state(kUnselected)
    , m_visible(true)
    , m_position(200.0f, 40.0f, 0.0f)
{
}

CRadioButton::~CRadioButton() = default;

bool CRadioButton::OnMouseMove(int x, int y, unsigned)
{
    if (!m_visible)
        return false;
    if (IsInside(x, y, m_position, m_hitWidth, m_height)) {
        if (m_state == kUnselected || m_state == kSelected) {
            CWidgetContext::Current().PlaySound(kHoverSound);
            ++m_state;
        }
        return true;
    }
    if (m_state == kUnselectedHover || m_state == kSelectedHover)
        --m_state;
    return false;
}

bool CRadioButton::OnLButtonDown(int x, int y, unsigned)
{
    return m_visible && IsInside(x, y, m_position, m_hitWidth, m_height);
}

// A selected button ignores the click: only a change of choice is reported.
bool CRadioButton::OnLButtonUp(int, int, unsigned)
{
    if (!m_visible || m_state != kUnselectedHover)
        return false;
    CWidgetContext::Current().PlaySound(kClickSound);
    m_state = kSelectedHover;
    if (m_owner)
        m_owner->OnCommand(this);
    return true;
}

void CRadioButton::Draw()
{
    if (!m_visible || !m_texture)
        return;
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawStripFrame(m_texture, m_position.x, m_position.y, m_position.z, m_width, m_height,
                   m_state, 0.25f);
}

void CRadioButton::SetSelected(bool selected)
{
    m_state = selected ? kSelected : kUnselected;
}

void CRadioButton::SetPosition(float x, float y, float z)
{
    m_position = CVector4(x, y, z);
}

void CRadioButton::LoadPosition(const CConfigFile& config, const char* name)
{
    m_position = ReadPosition(config, name);
}

void CRadioButton::SetVisible(bool visible)
{
    m_visible = visible;
}

bool CRadioButton::IsSelected() const
{
    return m_state == kSelected || m_state == kSelectedHover;
}

void CRadioButton::AddLook(std::vector<float>& look) const
{
    look.insert(look.end(), {m_position.x, m_position.y, m_position.z, m_width, m_height, static_cast<float>(m_state),
                             m_visible ? 1.0f : 0.0f, m_texture ? static_cast<float>(m_texture->GetId()) : 0.0f});
}
