#pragma once

#include <cstddef>
#include <cstdint>

class CFilePack;
class CTexture;

// Texture coordinates of one glyph's box in the font picture.
struct SGlyph
{
    float m_top = 0.0f;
    float m_bottom = 0.0f;
    float m_left = 0.0f;
    float m_right = 0.0f;
};

// The one text font: glyphs of the characters 33 to 126 cut from a 32-bit TGA by its
// transparent gaps. Bands of glyphs are separated by fully transparent rows and glyphs
// by fully transparent columns; the first opaque region of each band is a marker.
// Bytes without a glyph (controls, 127 and above) are skipped when drawing and measuring.
class CBitmapFont
{
public:
    static constexpr int kFirstChar = 33;
    static constexpr int kLastChar = 126;
    static constexpr int kGlyphCount = kLastChar - kFirstChar + 1;

    CBitmapFont() = default;
    virtual ~CBitmapFont() = default;

    // The texture is the same picture, uploaded elsewhere; it is used, not owned.
    // True when exactly kGlyphCount glyphs were found.
    bool Load(const unsigned char* bytes, size_t size, CTexture* texture);
    bool LoadFile(CFilePack* pack, const char* name, CTexture* texture);

    void DrawText(const char* text, float size, float x, float y, float z,
                  float r, float g, float b, float a, bool flip) const;
    void DrawNumber(int value, float size, float x, float y, float z,
                    float r, float g, float b, float a, bool flip) const;
    float GetTextWidth(const char* text, float size) const;

    const SGlyph& GetGlyph(int index) const { return m_glyphs[index]; }
    float GetBandHeight() const { return m_band_height; }
    int GetFoundCount() const { return m_found; }
    CTexture* GetTexture() const { return m_texture; }

private:
    bool IsOpaque(int column, int row) const;
    bool IsRowTransparent(int row) const;
    bool IsColumnTransparent(int column, int top, int bottom) const;
    int FindBandTop(int row) const;
    int FindBandBottom(int top) const;
    int FindGlyphStart(int column, int top, int bottom) const;
    int FindGlyphEnd(int start, int top, int bottom) const;
    // Draw scale of a glyph box; 0 when no band was ever found.
    float GetScale(float size) const;

    CTexture* m_texture = nullptr;
    SGlyph m_glyphs[kGlyphCount];
    float m_band_height = 0.0f;
    int m_picture_width = 0;
    int m_picture_height = 0;
    const unsigned char* m_pixels = nullptr;
    int m_bytes_per_pixel = 0;
    int m_found = 0;
};
