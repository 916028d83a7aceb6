#include "engine/frame/CViewParams.h"

#include <GL/gl.h>
#include <GL/glu.h>

CViewParams::CViewParams()
    : m_width(800), m_height(600), m_near(0.1f), m_far(90.0f), m_ortho_near(-50.0f), m_ortho_far(50.0f),
      m_fov(70.0f), m_scale(1.0f), m_aspect(800.0f / 600.0f), m_translation(0.0f, 0.0f, 0.0f),
      m_rotation_x(0.0f), m_rotation_y(0.0f), m_rotation_z(0.0f)
{
}

void CViewParams::SetPerspective(int viewport_width, int viewport_height)
{
    glViewport(0, 0, viewport_width, viewport_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    m_aspect = static_cast<float>(m_width) / static_cast<float>(m_height);
    gluPerspective(m_fov, m_aspect, m_near, m_far);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CViewParams::SetOrtho(int viewport_width, int viewport_height)
{
    glViewport(0, 0, viewport_width, viewport_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, m_width, m_height, 0.0, m_ortho_near, m_ortho_far);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CViewParams::ApplyTransform() const
{
    glTranslatef(m_translation.x, m_translation.y, m_translation.z);
    glScalef(m_scale, m_scale, m_scale);
}

void CViewParams::ApplyRotationX() const
{
    glRotatef(m_rotation_x, 1.0f, 0.0f, 0.0f);
}

void CViewParams::ApplyRotationY() const
{
    glRotatef(m_rotation_y, 0.0f, 1.0f, 0.0f);
}

void CViewParams::ApplyRotationZ() const
{
    glRotatef(m_rotation_z, 0.0f, 0.0f, 1.0f);
}
