#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <functional>
#include <string>

// The bricks: one mesh per skin and one texture per skin and colour. The
// fields draw bricks unlit, so the texture carries the whole look: colour,
// shading of every slope of the mesh (baked with the same light for all),
// highlight, and a symbol per colour so that the seven colours differ in
// lightness and pattern, not in hue alone.
class CBrickArt
{
public:
    static constexpr int kSkinCount = 3;     // glass tiles, marbles, cut stones
    static constexpr int kColorCount = 7;    // six playing colours and the blocker
    static constexpr int kTextureSize = 128;

    static CCanvas Texture(int skin, int color, int size);
    static std::string Mesh(int skin);
    // The board frame that several fields read.
    static std::string FieldMesh();
    // The playing colour itself (for sparkles, thumbnails and help pictures).
    static CColor BaseColor(int color);
    // A brick texture in any colour with any engraved symbol (signed distance
    // in model units, y up); seed varies the grain. For kinds with colours
    // beyond the shared seven.
    using SymbolFn = std::function<float(float x, float y)>;
    static CCanvas Texture(int skin, const CColor& base, const SymbolFn& symbol, int seed, int size);

    static void Write(CAssetSink& sink);

private:
    struct CSurface
    {
        float nx, ny, nz;
        int region;   // 0 top, 1 slope, 2 wall, 3 outside the footprint
    };
    static CSurface Surface(int skin, float x, float y);
    static float Symbol(int color, float x, float y);
};
