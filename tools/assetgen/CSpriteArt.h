#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// The sprite pictures: sparkles (one row per brick colour), the bonus
// life digits and the remover's bonus marks. Sprite rows count from the
// bottom of the picture, so row 0 is painted lowest.
class CSpriteArt
{
public:
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
