#include "engine/gfx/CWindowCopy.h"

#include <GL/gl.h>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CTexture.h"

CWindowCopy::~CWindowCopy()
{
    Release();
}

bool CWindowCopy::Capture(int width, int height)
{
    if (!CTexture::IsUploadEnabled() || width <= 0 || height <= 0)
        return false;
    if (m_texture == 0 || width != m_width || height != m_height)
    {
        Release();
        m_texture = CTexture::CreatePixelTarget(width, height);
        if (m_texture == 0)
            return false;
        m_width = width;
        m_height = height;
    }
    glBindTexture(GL_TEXTURE_2D, m_texture);
    // Only an error of the copy itself may keep the picture from use.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
    return glGetError() == GL_NO_ERROR;
}

void CWindowCopy::Draw(float logical_width, float logical_height) const
{
    // Window row 0 is the bottom one: the top of the screen takes t = 1.
    CDraw2D::DrawOpaquePicture(m_texture, logical_width, logical_height);
}

void CWindowCopy::DrawParts(const std::vector<SPart>& parts, float logical_width, float logical_height) const
{
    CDraw2D::DrawOpaquePictureParts(m_texture, parts, logical_width, logical_height);
}

void CWindowCopy::Release()
{
    if (m_texture != 0)
    {
        GLuint name = m_texture;
        glDeleteTextures(1, &name);
    }
    m_texture = 0;
    m_width = 0;
    m_height = 0;
}
