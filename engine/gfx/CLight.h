#pragma once

#include "engine/gfx/CVector4.h"

#include <GL/gl.h>

// The parameters of one fixed-function GL light and the light number it drives.
// A light takes the lowest number that no live light holds; GL guarantees eight, so a
// ninth live light gets none and its Apply does nothing.
class CLight
{
public:
    static constexpr int kMaxLights = 8;

    CLight();
    virtual ~CLight();
    CLight(const CLight&) = delete;
    CLight& operator=(const CLight&) = delete;

    void Apply() const;

    void SetPosition(float x, float y, float z, unsigned char directional);
    void SetPosition(CVector4 position, unsigned char directional);
    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    void SetExtraColor(float r, float g, float b, float a);

    // GL_LIGHT0 + the number, or GL_LIGHT0 + kMaxLights when the light has none
    // (enabling that is a harmless GL error, never another light).
    GLenum GetId() const;
    bool HasNumber() const { return m_number >= 0; }
    int GetNumber() const { return m_number; }

    const CVector4& GetAmbient() const { return m_ambient; }
    const CVector4& GetDiffuse() const { return m_diffuse; }
    const CVector4& GetSpecular() const { return m_specular; }
    const CVector4& GetPosition() const { return m_position; }
    CVector4& GetExtraColor() { return m_extra_color; }

    static int GetLiveCount();

private:
    CVector4 m_ambient;
    CVector4 m_diffuse;
    CVector4 m_specular;
    CVector4 m_position;
    CVector4 m_extra_color;
    int m_number;
};
