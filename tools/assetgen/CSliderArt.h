#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <string>

// The slider's edge arrow: a flat, thick arrow plate pointing along +x that
// the board spins about its long axis while the cursor rests on it. Its two
// faces differ (bright gold on top, deep copper below) and its outline is
// wide at the head, so every quarter turn of the spin reads at a glance.
// Drawn unlit like the bricks: the texture carries the shading.
class CSliderArt
{
public:
    static const int kTextureSize = 128;

    static std::string ArrowMesh();
    static CCanvas ArrowTexture(int size);
    static void Write(CAssetSink& sink);
};
