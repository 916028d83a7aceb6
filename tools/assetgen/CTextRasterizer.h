#pragma once

#include "tools/assetgen/CCanvas.h"

#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Text set with FreeType from one font file, without hinting so that the
// shapes scale cleanly. White glyphs, coverage in the alpha channel.
class CTextRasterizer
{
public:
    struct CGlyph
    {
        CCanvas m_image;      // white, alpha = coverage; empty for blanks
        int m_left = 0;       // ink offset from the pen, pixels
        int m_top = 0;        // ink top above the baseline, pixels
        float m_advance = 0;  // pen advance, pixels
    };

    CTextRasterizer(const std::string& fontPath, int pixelSize);
    ~CTextRasterizer();
    CTextRasterizer(const CTextRasterizer&) = delete;
    CTextRasterizer& operator=(const CTextRasterizer&) = delete;

    bool IsValid() const { return m_face != nullptr; }
    CGlyph RenderGlyph(unsigned char c) const;
    float GetAscender() const;   // pixels above the baseline
    float GetDescender() const;  // pixels below the baseline, positive

    float MeasureText(const std::string& text) const;
    // The text on a canvas just big enough for it, baseline at GetAscender()
    // rounded up (returned through baseline), with a transparent margin.
    CCanvas RenderText(const std::string& text, int margin, int* baseline) const;

private:
    FT_LibraryRec_* m_library = nullptr;
    FT_FaceRec_* m_face = nullptr;
};
