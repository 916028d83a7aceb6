#pragma once

#include "tools/assetgen/CCanvas.h"

#include <cstdint>
#include <string>

// Full-screen grounds, gold titles, panels and captions: the pieces that
// the backgrounds, the intro, the thumbnails and the help pictures share.
class CScenePainter
{
public:
    enum class EAlign
    {
        Left,
        Centre,
    };

    explicit CScenePainter(const std::string& fontDir);

    // Night-blue ground with soft glows in the tint, faint marble veins,
    // drifting light dots and a vignette.
    CCanvas Sky(int width, int height, const CColor& tint, std::uint64_t seed) const;
    static void Vignette(CCanvas& canvas, float strength);

    // Embossed gold lettering, centred on (cx, baselineY).
    void GoldTitle(CCanvas& canvas, const std::string& text, int pixelSize, float cx, float baselineY,
                   bool serif = true) const;
    // Plain lettering with a soft dark shadow.
    void Caption(CCanvas& canvas, const std::string& text, int pixelSize, float x, float baselineY,
                 const CColor& color, EAlign align, bool bold = true) const;
    float MeasureCaption(const std::string& text, int pixelSize, bool bold = true) const;

    // A glassy dark panel with a gold rim and a soft shadow.
    static void Panel(CCanvas& canvas, float x, float y, float width, float height, float radius, float opacity);
    // A thin gold ornament line with a diamond in the middle.
    static void Ornament(CCanvas& canvas, float cx, float y, float halfWidth);

private:
    std::string m_font_dir;
};
