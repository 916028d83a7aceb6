#include "engine/gfx/CLight.h"

#include "engine/gfx/CResManager.h"

namespace
{
// Which light numbers live lights hold. A new light takes the lowest free one, so a light
// destroyed out of creation order never leaves two live lights on one number.
bool g_number_taken[CLight::kMaxLights] = {};
int g_live_count = 0;
}

CLight::CLight()
    : m_ambient(0.2f, 0.2f, 0.2f),
      m_diffuse(1.0f, 1.0f, 1.0f),
      m_specular(0.5f, 0.5f, 0.5f),
      m_extra_color(0.0f, 0.0f, 0.0f),
      m_number(-1)
{
    SetPosition(0.0f, 0.0f, 0.0f, 0);
    for (int number = 0; number < kMaxLights; ++number)
    {
        if (!g_number_taken[number])
        {
            g_number_taken[number] = true;
            m_number = number;
            break;
        }
    }
    ++g_live_count;
}

CLight::~CLight()
{
    // Managers re-apply their lights after a context rebuild; none may keep this one.
    CResManager::WithdrawLightEverywhere(this);
    if (m_number >= 0)
    {
        g_number_taken[m_number] = false;
    }
    --g_live_count;
}

int CLight::GetLiveCount()
{
    return g_live_count;
}

GLenum CLight::GetId() const
{
    return GL_LIGHT0 + static_cast<GLenum>(m_number >= 0 ? m_number : kMaxLights);
}

void CLight::Apply() const
{
    if (m_number < 0)
    {
        return;
    }
    GLenum id = GetId();
    glLightfv(id, GL_AMBIENT, m_ambient.GetConstData());
    glLightfv(id, GL_DIFFUSE, m_diffuse.GetConstData());
    glLightfv(id, GL_SPECULAR, m_specular.GetConstData());
    glLightfv(id, GL_POSITION, m_position.GetConstData());
}

void CLight::SetPosition(float x, float y, float z, unsigned char directional)
{
    m_position.Set(x, y, z);
    m_position.w = directional == 1 ? 0.0f : 1.0f;
}

void CLight::SetPosition(CVector4 position, unsigned char directional)
{
    SetPosition(position.x, position.y, position.z, directional);
}

void CLight::SetAmbient(float r, float g, float b, float a)
{
    m_ambient.Set(r, g, b);
    m_ambient.w = a;
}

void CLight::SetDiffuse(float r, float g, float b, float a)
{
    m_diffuse.Set(r, g, b);
    m_diffuse.w = a;
}

void CLight::SetSpecular(float r, float g, float b, float a)
{
    m_specular.Set(r, g, b);
    m_specular.w = a;
}

void CLight::SetExtraColor(float r, float g, float b, float a)
{
    m_extra_color.Set(r, g, b);
    m_extra_color.w = a;
}
