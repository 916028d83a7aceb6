#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// The eraser's own pictures: its game ground, whose top line is kept free
// for the level score, the total and the level number.
class CEraserArt
{
public:
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
