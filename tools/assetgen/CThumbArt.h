#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <string>

// One small picture per kind showing a game of that kind in progress, for
// the main menu (drawn at 300 x 225) and the help pages.
class CThumbArt
{
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    static CCanvas Thumbnail(int kind, const std::string& fontDir);
    // The first `count` bricks of one skin in a row with their symbols,
    // centred (help pages): all seven, or the six colours without the blocker.
    static CCanvas BrickLegend(int skin, int count);
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
