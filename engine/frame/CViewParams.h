#pragma once
// The one view record: the logical 800x600 screen every menu is laid out in,
// the perspective camera every game draws its field through, and the
// camera's translation, scale and rotations.

#include "engine/gfx/CVector4.h"

class CViewParams
{
public:
    CViewParams();

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Viewport of the given pixel size; the aspect always comes from the
    // logical size, so a window that is not 4:3 stretches the picture.
    void SetPerspective(int viewport_width, int viewport_height);
    // Logical (0,0) at the top-left, (width,height) at the bottom-right.
    void SetOrtho(int viewport_width, int viewport_height);
    void ApplyTransform() const;
    void ApplyRotationX() const;
    void ApplyRotationY() const;
    void ApplyRotationZ() const;

    void SetTranslation(const CVector4& translation) { m_translation = translation; }
    CVector4 GetTranslation() const { return m_translation; }
    void SetScale(float scale) { m_scale = scale; }
    float GetScale() const { return m_scale; }
    void SetRotation(float x, float y, float z) { m_rotation_x = x; m_rotation_y = y; m_rotation_z = z; }
    float GetRotationX() const { return m_rotation_x; }
    float GetRotationY() const { return m_rotation_y; }
    float GetRotationZ() const { return m_rotation_z; }
    float GetNear() const { return m_near; }
    float GetFar() const { return m_far; }
    float GetOrthoNear() const { return m_ortho_near; }
    float GetOrthoFar() const { return m_ortho_far; }
    float GetFov() const { return m_fov; }
    float GetAspect() const { return m_aspect; }

private:
    int m_width;
    int m_height;
    float m_near;
    float m_far;
    float m_ortho_near;
    float m_ortho_far;
    float m_fov;
    float m_scale;
    float m_aspect;
    CVector4 m_translation;
    float m_rotation_x;
    float m_rotation_y;
    float m_rotation_z;
};
