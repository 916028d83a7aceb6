#include "engine/gfx/CBlitPicture.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/gfx/CTexture.h"

CBlitPicture::~CBlitPicture()
{
    Release();
}

bool CBlitPicture::Set(const CPicture& picture)
{
    Release();
    if (!CTexture::IsUploadEnabled() || picture.m_components != 3 || picture.m_width <= 0 || picture.m_height <= 0 ||
        picture.m_pixels.size() < picture.GetRowSize() * picture.m_height)
        return false;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    // Framebuffer objects, and copies between them, are core from 3.0.
    if (version == nullptr || version[0] < '3' || version[1] != '.')
        return false;
    // Kept as the window keeps its pixels: a word each, alpha, red, green
    // and blue from its top byte down, and the top row first, as a window's
    // rows lie in memory. The copy then flips the rows back, which the
    // renderer takes as a plain copy of rows.
    const int width = picture.m_width, height = picture.m_height;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
    {
        const unsigned char* from = picture.m_pixels.data() + (height - 1 - y) * picture.GetRowSize();
        uint32_t* to = pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x, from += 3)
            to[x] = 0xff000000u | static_cast<uint32_t>(from[0]) << 16 | static_cast<uint32_t>(from[1]) << 8 | from[2];
    }
    glGenTextures(1, &m_texture);
    if (m_texture == 0)
        return false;
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // Unsized, so that the renderer keeps the texels in the order given,
    // the window's; for a sized format it may choose another order, and a
    // copy between two orders is drawn with a program built for it.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
    GLint outer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &outer);
    glGenFramebuffers(1, &m_framebuffer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_texture, 0);
    const bool complete = glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(outer));
    if (m_framebuffer == 0 || !complete)
    {
        Release();
        return false;
    }
    m_width = width;
    m_height = height;
    return true;
}

bool CBlitPicture::CopyTo(int width, int height) const
{
    if (m_framebuffer == 0 || width != m_width || height != m_height)
        return false;
    GLint outer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &outer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    // Row 0 of the texture is the picture's top: it goes to the top.
    glBlitFramebuffer(0, 0, width, height, 0, height, width, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(outer));
    return true;
}

void CBlitPicture::Release()
{
    if (m_framebuffer != 0)
        glDeleteFramebuffers(1, &m_framebuffer);
    if (m_texture != 0)
        glDeleteTextures(1, &m_texture);
    m_framebuffer = m_texture = 0;
    m_width = m_height = 0;
}
