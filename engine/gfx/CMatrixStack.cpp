#include "engine/gfx/CMatrixStack.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

void CMatrixStack::Push()
{
    glPushMatrix();
}

void CMatrixStack::Pop()
{
    glPopMatrix();
}

void CMatrixStack::Translate(float x, float y, float z)
{
    glTranslatef(x, y, z);
}

void CMatrixStack::Rotate(float degrees, float x, float y, float z)
{
    glRotatef(degrees, x, y, z);
}

bool CMatrixStack::WidenToProjectedBox(float hx, float hy, float hz, double& left, double& right, double& bottom,
                                       double& top)
{
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int corner = 0; corner < 8; ++corner)
    {
        GLdouble wx = 0.0, wy = 0.0, wz = 0.0;
        const double x = (corner & 1) ? hx : -hx;
        const double y = (corner & 2) ? hy : -hy;
        const double z = (corner & 4) ? hz : -hz;
        // A corner behind the eye or past the far plane projects to nonsense.
        if (gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz) != GL_TRUE || wz <= 0.0 || wz >= 1.0)
            return false;
        left = std::min(left, wx);
        right = std::max(right, wx);
        bottom = std::min(bottom, wy);
        top = std::max(top, wy);
    }
    return true;
}
