#include "engine/widgets/CCheckBox.h"

#include <GL/gl.h>

#include "engine/widgets/CCommandTarget.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetContext.h"

CCheckBox::CCheckBox(CCommandTarget* owner, CTexture* texture, float captionWidth)
    : m_owner(owner)
    , m_texture(texture)
    , m_position(200.0f, 40.0f, 0.0f)
    , m_width(texture ? static_cast<float>(texture->GetWidth()) : 0.0f)
    , m_hitWidth(captionWidth + m_width)
    , m_height(texture ? static_cast<float>(texture->GetHeight()) / 4.0f : 0.0f)
    , m_state(kUnchecked)
{
}

CCheckBox::~CCheckBox() = default;

bool CCheckBox::OnMouseMove(int x, int y, unsigned)
{
    if (IsInside(x, y, m_position, m_hitWidth, m_height)) {
        if (m_state == kUnchecked || m_state == kChecked) {
            CWidgetContext::Current().PlaySound(kHoverSound);
            ++m_state;
        }
        return true;
    }
    if (m_state == kUncheckedHover || m_state == kCheckedHover)
        --m_state;
    return false;
}

bool CCheckBox::OnLButtonDown(int x, int y, unsigned)
{
    return IsInside(x, y, m_position, m_hitWidth, m_height);
}

// The release toggles whatever happened at the press: hover is what counts.
bool CCheckBox::OnLButtonUp(int, int, unsigned)
{
    if (m_state == kUncheckedHover)
        m_state = kCheckedHover;
    else if (m_state == kCheckedHover)
        m_state = kUncheckedHover;
    else
        return false;
    CWidgetContext::Current().PlaySound(kClickSound);
    if (m_owner)
        m_owner->OnCommand(this);
    return true;
}

void CCheckBox::Draw()
{
    if (!m_texture)
        return;
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawStripFrame(m_texture, m_position.x, m_position.y, 0.0f, m_width, m_height,
                   m_state, 0.25f);
}

void CCheckBox::SetPosition(float x, float y, float z)
{
    m_position = CVector4(x, y, z);
}

void CCheckBox::LoadPosition(const CConfigFile& config, const char* name)
{
    m_position = ReadPosition(config, name);
}

void CCheckBox::SetChecked(bool checked)
{
    m_state = checked ? kChecked : kUnchecked;
}

bool CCheckBox::IsChecked() const
{
    return m_state == kChecked || m_state == kCheckedHover;
}

void CCheckBox::AddLook(std::vector<float>& look) const
{
    look.insert(look.end(), {m_position.x, m_position.y, m_position.z, m_width, m_height, static_cast<float>(m_state),
                             m_texture ? static_cast<float>(m_texture->GetId()) : 0.0f});
}
