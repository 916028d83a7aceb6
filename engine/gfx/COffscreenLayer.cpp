#include "engine/gfx/COffscreenLayer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "engine/gfx/CTexture.h"

#include <algorithm>

COffscreenLayer::~COffscreenLayer()
{
    Release();
}

bool COffscreenLayer::Create(int width, int height)
{
    Release();
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    // Framebuffer objects are core from 3.0; older renderers draw directly.
    if (version == nullptr || version[0] < '3' || version[1] != '.')
    {
        m_broken = true;
        return false;
    }
    GLint outer = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &outer);
    // The depth of the framebuffer the layer stands in for: with any other
    // precision, faces that nearly meet would hide each other differently.
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    m_texture = CTexture::CreatePixelTarget(width, height);
    glGenRenderbuffers(1, &m_depth);
    glBindRenderbuffer(GL_RENDERBUFFER, m_depth);
    const GLenum depthFormat = depthBits > 0 && depthBits <= 16   ? GL_DEPTH_COMPONENT16
                               : depthBits > 0 && depthBits <= 24 ? GL_DEPTH_COMPONENT24
                                                                  : GL_DEPTH_COMPONENT32;
    glRenderbufferStorage(GL_RENDERBUFFER, depthFormat, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glGenFramebuffers(1, &m_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_texture, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depth);
    const bool complete = m_texture != 0 && m_depth != 0 && m_framebuffer != 0 &&
                          glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(outer));
    if (!complete)
    {
        Release();
        m_broken = true;
        return false;
    }
    m_width = width;
    m_height = height;
    return true;
}

bool COffscreenLayer::Begin(int left, int bottom, int width, int height)
{
    if (m_broken || !CTexture::IsUploadEnabled() || width <= 0 || height <= 0)
        return false;
    // Grown, never shrunk, so that a board that changes size does not
    // reallocate every frame.
    if ((m_framebuffer == 0 || width > m_width || height > m_height) &&
        !Create(std::max(width, m_width), std::max(height, m_height)))
        return false;
    m_part[0] = left;
    m_part[1] = bottom;
    m_part[2] = width;
    m_part[3] = height;
    Bind();
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    return true;
}

bool COffscreenLayer::Resume()
{
    if (m_framebuffer == 0 || m_part[2] <= 0 || m_part[3] <= 0)
        return false;
    Bind();
    return true;
}

void COffscreenLayer::Bind()
{
    glGetIntegerv(GL_VIEWPORT, m_viewport);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &m_outer);
    m_outer_scissor = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
    glGetIntegerv(GL_SCISSOR_BOX, m_outer_scissor_box);
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    // The part's corner becomes the layer's pixel (0, 0): every pixel centre
    // stays where it was, so the triangles cover the same pixels.
    glViewport(-m_part[0], -m_part[1], m_viewport[2], m_viewport[3]);
}

void COffscreenLayer::End()
{
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(m_outer));
    glViewport(m_viewport[0], m_viewport[1], m_viewport[2], m_viewport[3]);
    glScissor(m_outer_scissor_box[0], m_outer_scissor_box[1], m_outer_scissor_box[2], m_outer_scissor_box[3]);
    if (m_outer_scissor)
        glEnable(GL_SCISSOR_TEST);
}

void COffscreenLayer::Draw(bool blended) const
{
    if (m_framebuffer == 0)
        return;
    const float part[4] = {static_cast<float>(m_part[0]), static_cast<float>(m_part[1]),
                           static_cast<float>(m_part[0] + m_part[2]), static_cast<float>(m_part[1] + m_part[3])};
    Lay(part, 1, blended ? ELay::Blended : ELay::Drawn);
}

void COffscreenLayer::DrawParts(const std::vector<CDraw2D::SRect>& parts, float logicalWidth, float logicalHeight,
                                bool opaque) const
{
    if (m_framebuffer == 0 || parts.empty() || logicalWidth <= 0.0f || logicalHeight <= 0.0f)
        return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float sx = viewport[2] / logicalWidth, sy = viewport[3] / logicalHeight;
    std::vector<float> boxes;
    boxes.reserve(parts.size() * 4);
    for (const CDraw2D::SRect& part : parts)
    {
        // Logical y grows downward, the viewport's upward; only what lies
        // inside the drawn rectangle.
        const float x0 = std::max(part.x * sx, static_cast<float>(m_part[0]));
        const float x1 = std::min((part.x + part.width) * sx, static_cast<float>(m_part[0] + m_part[2]));
        const float y0 = std::max(viewport[3] - (part.y + part.height) * sy, static_cast<float>(m_part[1]));
        const float y1 = std::min(viewport[3] - part.y * sy, static_cast<float>(m_part[1] + m_part[3]));
        if (x0 < x1 && y0 < y1)
            boxes.insert(boxes.end(), {x0, y0, x1, y1});
    }
    if (!boxes.empty())
        Lay(boxes.data(), boxes.size() / 4, opaque ? ELay::Whole : ELay::Blended);
}

void COffscreenLayer::Lay(const float* boxes, std::size_t count, ELay how) const
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // What is changed here is kept and set back by hand: the driver's saved
    // sets of state cost megabytes each, kept for the rest of the run.
    const GLenum switches[] = {GL_LIGHTING, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_FOG, GL_ALPHA_TEST, GL_TEXTURE_2D};
    GLboolean wasOn[sizeof switches / sizeof switches[0]];
    for (std::size_t i = 0; i < sizeof switches / sizeof switches[0]; ++i)
        wasOn[i] = glIsEnabled(switches[i]);
    GLint blend[4], alphaFunc = GL_ALWAYS, texture = 0, envMode = GL_MODULATE;
    glGetIntegerv(GL_BLEND_SRC_RGB, &blend[0]);
    glGetIntegerv(GL_BLEND_DST_RGB, &blend[1]);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &blend[2]);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &blend[3]);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphaFunc);
    GLfloat alphaRef = 0.0f, color[4];
    glGetFloatv(GL_ALPHA_TEST_REF, &alphaRef);
    glGetFloatv(GL_CURRENT_COLOR, color);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[2], 0.0, viewport[3], -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_FOG);
    glDisable(GL_ALPHA_TEST);
    if (how == ELay::Blended)
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    }
    else if (how == ELay::Drawn)
    {
        // Only what was drawn: the layer was cleared to alpha 0.
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.0f);
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // The layer's pixel (0, 0) is the part's corner.
    const float sx = 1.0f / m_width, sy = 1.0f / m_height;
    glBegin(GL_QUADS);
    for (std::size_t i = 0; i < count; ++i)
    {
        const float* box = boxes + 4 * i;
        const float s0 = (box[0] - m_part[0]) * sx, s1 = (box[2] - m_part[0]) * sx;
        const float t0 = (box[1] - m_part[1]) * sy, t1 = (box[3] - m_part[1]) * sy;
        glTexCoord2f(s0, t0);
        glVertex2f(box[0], box[1]);
        glTexCoord2f(s1, t0);
        glVertex2f(box[2], box[1]);
        glTexCoord2f(s1, t1);
        glVertex2f(box[2], box[3]);
        glTexCoord2f(s0, t1);
        glVertex2f(box[0], box[3]);
    }
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    for (std::size_t i = 0; i < sizeof switches / sizeof switches[0]; ++i)
        (wasOn[i] ? glEnable : glDisable)(switches[i]);
    glBlendFuncSeparate(blend[0], blend[1], blend[2], blend[3]);
    glAlphaFunc(alphaFunc, alphaRef);
    glColor4fv(color);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
}

bool COffscreenLayer::Read(std::vector<unsigned char>& pixels) const
{
    return ReadRect(0, 0, m_part[2], m_part[3], pixels);
}

bool COffscreenLayer::ReadRect(int left, int bottom, int width, int height, std::vector<unsigned char>& pixels) const
{
    if (m_framebuffer == 0 || left < 0 || bottom < 0 || width <= 0 || height <= 0 || left + width > m_part[2] ||
        bottom + height > m_part[3])
        return false;
    GLint outer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &outer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    pixels.resize(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, bottom, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(outer));
    return true;
}

void COffscreenLayer::ReadViewport(std::vector<unsigned char>& pixels)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    pixels.resize(static_cast<std::size_t>(viewport[2]) * viewport[3] * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

void COffscreenLayer::Release()
{
    if (m_framebuffer != 0)
        glDeleteFramebuffers(1, &m_framebuffer);
    if (m_depth != 0)
        glDeleteRenderbuffers(1, &m_depth);
    if (m_texture != 0)
        glDeleteTextures(1, &m_texture);
    m_framebuffer = m_depth = m_texture = 0;
    m_width = m_height = 0;
}
