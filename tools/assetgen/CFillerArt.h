#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <string>

// The filler's bricks and colour buttons. The giant board draws 7,500
// bricks a frame, so each brick is a tile of two triangles under a picture
// that carries the whole slab, bevel shading and gloss, as seen from above
// (a square slab, or an octagon cut on a dark ground); the six colour
// buttons are round three-frame strips with alpha.
class CFillerArt
{
public:
    static const int kSkinCount = 2;
    static const int kColorCount = 6;
    static const int kTextureSize = 64;
    static const int kButtonSize = 40;

    static std::string Mesh(int skin);
    static CCanvas Texture(int skin, int color, int size);
    static CCanvas ColorButton(int color, int size);
    // The six slabs of the square skin in a row (help pages).
    static CCanvas HelpLegend();

    static void Write(CAssetSink& sink);
};
