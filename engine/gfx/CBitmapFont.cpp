#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CDraw2D.h"

#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTexture.h"
#include "engine/gfx/CTgaDecoder.h"

#include <GL/gl.h>

#include <cstdio>

namespace
{
// The glyph whose width is also the width of a space: the capital A.
constexpr int kSpaceGlyph = 'A' - CBitmapFont::kFirstChar;

bool HasGlyph(unsigned char c)
{
    return c >= CBitmapFont::kFirstChar && c <= CBitmapFont::kLastChar;
}
}

bool CBitmapFont::Load(const unsigned char* bytes, size_t size, CTexture* texture)
{
    m_texture = texture;
    CPicture picture;
    if (!CTgaDecoder::Decode(bytes, size, picture) || picture.m_components != 4)
    {
        return false;
    }
    m_picture_width = picture.m_width;
    m_picture_height = picture.m_height;
    m_bytes_per_pixel = picture.m_components;
    m_pixels = picture.m_pixels.data();

    const float width = static_cast<float>(m_picture_width);
    const float height = static_cast<float>(m_picture_height);
    m_found = 0;
    int row = m_picture_height;
    for (;;)
    {
        int top = FindBandTop(row);
        int bottom = FindBandBottom(top);
        if (top == 0)
        {
            break;
        }
        // The first opaque region of a band marks it and is no glyph.
        int start = FindGlyphStart(0, top, bottom);
        int end = FindGlyphEnd(start, top, bottom);
        m_band_height = static_cast<float>(top) / height - static_cast<float>(bottom) / height;
        for (;;)
        {
            start = FindGlyphStart(end + 1, top, bottom);
            if (start == m_picture_width - 1)
            {
                break;
            }
            end = FindGlyphEnd(start, top, bottom);
            // Glyphs past the table's end are counted, so the result says the picture is
            // wrong, but never stored.
            if (m_found < kGlyphCount)
            {
                SGlyph& glyph = m_glyphs[m_found];
                glyph.m_top = static_cast<float>(top) / height;
                glyph.m_bottom = static_cast<float>(bottom) / height;
                glyph.m_left = static_cast<float>(start - 1) / width;
                glyph.m_right = static_cast<float>(end + 1) / width;
            }
            ++m_found;
        }
        row = bottom;
    }
    m_pixels = nullptr;
    return m_found == kGlyphCount;
}

bool CBitmapFont::LoadFile(CFilePack* pack, const char* name, CTexture* texture)
{
    if (pack == nullptr || name == nullptr)
    {
        return false;
    }
    CFileData data = pack->GetFile(name);
    bool loaded = Load(data.GetData(), data.GetSize(), texture);
    data.Free();
    return loaded;
}

bool CBitmapFont::IsOpaque(int column, int row) const
{
    size_t index = (static_cast<size_t>(row) * m_picture_width + column) * m_bytes_per_pixel;
    return m_pixels[index + 3] != 0;
}

bool CBitmapFont::IsRowTransparent(int row) const
{
    for (int column = 0; column < m_picture_width; ++column)
    {
        if (IsOpaque(column, row))
        {
            return false;
        }
    }
    return true;
}

bool CBitmapFont::IsColumnTransparent(int column, int top, int bottom) const
{
    for (int row = top; row >= bottom; --row)
    {
        if (IsOpaque(column, row))
        {
            return false;
        }
    }
    return true;
}

int CBitmapFont::FindBandTop(int row) const
{
    for (int r = row - 1; r >= 0; --r)
    {
        if (!IsRowTransparent(r))
        {
            return r;
        }
    }
    return 0;
}

int CBitmapFont::FindBandBottom(int top) const
{
    for (int r = top - 1; r >= 0; --r)
    {
        if (IsRowTransparent(r))
        {
            return r + 1;
        }
    }
    return 0;
}

int CBitmapFont::FindGlyphStart(int column, int top, int bottom) const
{
    for (int c = column; c < m_picture_width; ++c)
    {
        if (!IsColumnTransparent(c, top, bottom))
        {
            return c;
        }
    }
    return m_picture_width - 1;
}

int CBitmapFont::FindGlyphEnd(int start, int top, int bottom) const
{
    for (int c = start; c < m_picture_width; ++c)
    {
        if (IsColumnTransparent(c, top, bottom))
        {
            return c - 1;
        }
    }
    return m_picture_width - 1;
}

float CBitmapFont::GetScale(float size) const
{
    if (m_band_height <= 0.0f || m_picture_height == 0)
    {
        return 0.0f;
    }
    return size / m_band_height *
           (static_cast<float>(m_picture_width) / static_cast<float>(m_picture_height));
}

float CBitmapFont::GetTextWidth(const char* text, float size) const
{
    if (text == nullptr)
    {
        return 0.0f;
    }
    float scale = GetScale(size);
    const SGlyph& a = m_glyphs[kSpaceGlyph];
    float space = scale * (a.m_right - a.m_left);
    float gap = space / 10.0f;
    float width = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    {
        if (*p == ' ')
        {
            width += space;
        }
        else if (HasGlyph(*p))
        {
            const SGlyph& glyph = m_glyphs[*p - kFirstChar];
            width += scale * (glyph.m_right - glyph.m_left) + gap;
        }
    }
    return width;
}

void CBitmapFont::DrawText(const char* text, float size, float x, float y, float z, float r,
                           float g, float b, float a, bool flip) const
{
    if (text == nullptr)
    {
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_texture ? m_texture->GetId() : 0);
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(r, g, b, a);

    float scale = GetScale(size);
    const SGlyph& capital = m_glyphs[kSpaceGlyph];
    float space = scale * (capital.m_right - capital.m_left);
    float gap = space / 10.0f;
    float pen_x = x;
    float pen_y = y;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    {
        if (*p == ' ')
        {
            pen_x += space;
            continue;
        }
        if (*p == '\n')
        {
            pen_y += size;
            pen_x = x + gap;
            continue;
        }
        if (!HasGlyph(*p))
        {
            continue;
        }
        const SGlyph& glyph = m_glyphs[*p - kFirstChar];
        float w = scale * (glyph.m_right - glyph.m_left);
        float t_low = flip ? glyph.m_top : glyph.m_bottom;
        float t_high = flip ? glyph.m_bottom : glyph.m_top;
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2f(glyph.m_left, t_low);
        glVertex3f(pen_x, pen_y, z);
        glTexCoord2f(glyph.m_left, t_high);
        glVertex3f(pen_x, pen_y - size, z);
        glTexCoord2f(glyph.m_right, t_low);
        glVertex3f(pen_x + w, pen_y, z);
        glTexCoord2f(glyph.m_right, t_high);
        glVertex3f(pen_x + w, pen_y - size, z);
        glEnd();
        pen_x += w + gap;
    }

    // The depth test stays off: the next text or widget drawer relies on it.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void CBitmapFont::DrawNumber(int value, float size, float x, float y, float z, float r, float g,
                             float b, float a, bool flip) const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", value);
    DrawText(buffer, size, x, y, z, r, g, b, a, flip);
}
