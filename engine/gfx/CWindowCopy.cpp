#include "engine/gfx/CWindowCopy.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CTexture.h"

namespace
{
// Framebuffer objects, and copies between framebuffers, are core from 3.0.
bool HasFramebufferCopies()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version != nullptr && version[0] >= '3' && version[1] == '.';
}

// Runs a copy between framebuffers with the scissor test off (it would
// clip the copy), and sets the bindings and the test back after.
template <typename Copy> void WithFramebuffers(unsigned int read, unsigned int draw, Copy copy)
{
    GLint outerRead = 0, outerDraw = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &outerRead);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &outerDraw);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, read != 0 ? read : static_cast<GLuint>(outerDraw));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, draw != 0 ? draw : static_cast<GLuint>(outerDraw));
    copy();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(outerRead));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(outerDraw));
    if (scissor)
        glEnable(GL_SCISSOR_TEST);
}
} // namespace

CWindowCopy::~CWindowCopy()
{
    Release();
}

bool CWindowCopy::Create(int width, int height)
{
    Release();
    const bool copies = HasFramebufferCopies();
    m_texture = CTexture::CreatePixelTarget(width, height, copies);
    if (m_texture == 0)
        return false;
    m_width = width;
    m_height = height;
    if (!copies)
        return true;
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    GLint outer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &outer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_texture, 0);
    const bool complete = glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(outer));
    if (framebuffer != 0 && complete)
        m_framebuffer = framebuffer;
    else if (framebuffer != 0)
        glDeleteFramebuffers(1, &framebuffer);
    return true;
}

bool CWindowCopy::Capture(int width, int height)
{
    if (!CTexture::IsUploadEnabled() || width <= 0 || height <= 0)
        return false;
    if ((m_texture == 0 || width != m_width || height != m_height) && !Create(width, height))
        return false;
    // Only an error of the copy itself may keep the picture from use.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    if (m_framebuffer != 0)
    {
        // Turned upside down: the window keeps its top row first, so the
        // renderer copies its rows as they lie.
        WithFramebuffers(0, m_framebuffer, [width, height] {
            glBlitFramebuffer(0, 0, width, height, 0, height, width, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        });
        m_top_first = true;
    }
    else
    {
        glBindTexture(GL_TEXTURE_2D, m_texture);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
        m_top_first = false;
    }
    return glGetError() == GL_NO_ERROR;
}

void CWindowCopy::Draw(float logical_width, float logical_height) const
{
    DrawParts({{0.0f, 0.0f, logical_width, logical_height}}, logical_width, logical_height);
}

void CWindowCopy::DrawParts(const std::vector<SPart>& parts, float logical_width, float logical_height) const
{
    if (!m_top_first)
    {
        // Window row 0 is the bottom one: the top of the screen takes t = 1.
        CDraw2D::DrawOpaquePictureParts(m_texture, parts, logical_width, logical_height);
        return;
    }
    // Held top row first: the texture's rows are turned back over.
    GLint mode = GL_MODELVIEW;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 1.0f, 0.0f);
    glScalef(1.0f, -1.0f, 1.0f);
    CDraw2D::DrawOpaquePictureParts(m_texture, parts, logical_width, logical_height);
    glPopMatrix();
    glMatrixMode(static_cast<GLenum>(mode));
}

bool CWindowCopy::CopyParts(const std::vector<SPart>& parts, float logical_width, float logical_height) const
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (m_framebuffer == 0 || !m_top_first || viewport[0] != 0 || viewport[1] != 0 || viewport[2] != m_width ||
        viewport[3] != m_height || logical_width <= 0.0f || logical_height <= 0.0f)
        return false;
    const float sx = m_width / logical_width, sy = m_height / logical_height;
    const int width = m_width, height = m_height;
    // The pixels whose middles a part takes in, as the renderer covers a
    // drawn part (a middle on its left edge is in, one on its top edge out),
    // so that a copied part and a drawn one beside it leave no gap.
    auto column = [](float edge) { return static_cast<int>(std::ceil(edge - 0.5f)); };
    auto row = [](float edge) { return static_cast<int>(std::floor(edge + 0.5f)); };
    WithFramebuffers(m_framebuffer, 0, [&parts, sx, sy, width, height, column, row] {
        for (const SPart& part : parts)
        {
            // Logical y grows downward, the window's upward; the copy's rows
            // from the top, as the logical screen's.
            const int x0 = std::max(0, column(part.x * sx));
            const int x1 = std::min(width, column((part.x + part.width) * sx));
            const int top = std::max(0, row(part.y * sy));
            const int foot = std::min(height, row((part.y + part.height) * sy));
            if (x0 < x1 && top < foot)
                glBlitFramebuffer(x0, top, x1, foot, x0, height - top, x1, height - foot, GL_COLOR_BUFFER_BIT,
                                  GL_NEAREST);
        }
    });
    return true;
}

void CWindowCopy::Release()
{
    if (m_framebuffer != 0)
    {
        GLuint name = m_framebuffer;
        glDeleteFramebuffers(1, &name);
    }
    if (m_texture != 0)
    {
        GLuint name = m_texture;
        glDeleteTextures(1, &name);
    }
    m_framebuffer = 0;
    m_texture = 0;
    m_top_first = false;
    m_width = 0;
    m_height = 0;
}
