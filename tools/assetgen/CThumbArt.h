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
    // The bricks of one skin in a row with their symbols (help pages): all
    // seven, or the first `count` for a kind that deals fewer.
    static CCanvas BrickLegend(int skin, int count = 0);
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
