#include "tools/assetgen/CTextRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

CTextRasterizer::CTextRasterizer(const std::string& fontPath, int pixelSize)
{
    if (FT_Init_FreeType(&m_library) != 0)
        throw std::runtime_error("FreeType did not start");
    if (FT_New_Face(m_library, fontPath.c_str(), 0, &m_face) != 0)
    {
        m_face = nullptr;
        throw std::runtime_error("cannot open font " + fontPath);
    }
    FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixelSize));
}

CTextRasterizer::~CTextRasterizer()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

CTextRasterizer::CGlyph CTextRasterizer::RenderGlyph(unsigned char c) const
{
    CGlyph glyph;
    if (FT_Load_Char(m_face, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0)
        return glyph;
    const FT_GlyphSlot slot = m_face->glyph;
    glyph.m_advance = slot->advance.x / 64.0f;
    glyph.m_left = slot->bitmap_left;
    glyph.m_top = slot->bitmap_top;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.width == 0 || bitmap.rows == 0)
        return glyph;
    glyph.m_image = CCanvas(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), CColor(1, 1, 1, 0));
    for (unsigned y = 0; y < bitmap.rows; ++y)
        for (unsigned x = 0; x < bitmap.width; ++x)
            glyph.m_image.At(static_cast<int>(x), static_cast<int>(y)).a = bitmap.buffer[y * bitmap.pitch + x] / 255.0f;
    return glyph;
}

float CTextRasterizer::GetAscender() const
{
    return m_face->size->metrics.ascender / 64.0f;
}

float CTextRasterizer::GetDescender() const
{
    return -m_face->size->metrics.descender / 64.0f;
}

float CTextRasterizer::MeasureText(const std::string& text) const
{
    float width = 0.0f;
    FT_UInt previous = 0;
    for (unsigned char c : text)
    {
        const FT_UInt index = FT_Get_Char_Index(m_face, c);
        if (previous && index && FT_HAS_KERNING(m_face))
        {
            FT_Vector kerning;
            FT_Get_Kerning(m_face, previous, index, FT_KERNING_UNFITTED, &kerning);
            width += kerning.x / 64.0f;
        }
        if (FT_Load_Glyph(m_face, index, FT_LOAD_NO_HINTING) == 0)
            width += m_face->glyph->advance.x / 64.0f;
        previous = index;
    }
    return width;
}

CCanvas CTextRasterizer::RenderText(const std::string& text, int margin, int* baseline) const
{
    const int ascent = static_cast<int>(std::ceil(GetAscender()));
    const int descent = static_cast<int>(std::ceil(GetDescender()));
    const int width = static_cast<int>(std::ceil(MeasureText(text))) + 2 * margin + 2;
    CCanvas out(width, ascent + descent + 2 * margin, CColor(1, 1, 1, 0));
    float pen = static_cast<float>(margin);
    const int base = margin + ascent;
    FT_UInt previous = 0;
    for (unsigned char c : text)
    {
        const FT_UInt index = FT_Get_Char_Index(m_face, c);
        if (previous && index && FT_HAS_KERNING(m_face))
        {
            FT_Vector kerning;
            FT_Get_Kerning(m_face, previous, index, FT_KERNING_UNFITTED, &kerning);
            pen += kerning.x / 64.0f;
        }
        previous = index;
        const CGlyph glyph = RenderGlyph(c);
        const int gx = static_cast<int>(std::lround(pen)) + glyph.m_left;
        const int gy = base - glyph.m_top;
        for (int y = 0; y < glyph.m_image.GetHeight(); ++y)
            for (int x = 0; x < glyph.m_image.GetWidth(); ++x)
                if (out.IsInside(gx + x, gy + y))
                {
                    CColor& p = out.At(gx + x, gy + y);
                    p.a = std::min(1.0f, p.a + glyph.m_image.At(x, y).a);
                }
        pen += glyph.m_advance;
    }
    if (baseline)
        *baseline = base;
    return out;
}
