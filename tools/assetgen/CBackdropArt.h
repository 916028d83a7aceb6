#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CColor.h"

#include <string>

// Full-screen pictures: the intro, the main menu's ground, the exit
// window, the dialog panel, each kind's menu ground and game ground, and
// the board grid tiles.
class CBackdropArt
{
public:
    // The glow colour that tells the kinds' screens apart, in kind order.
    static CColor KindTint(int kind);
    // The y of a plate `height` tall whose middle is the middle of the
    // capitals of the line of texts the game draws along the top
    // (kHudTopLineY, in the default heads-up style), on a whole row.
    static float TopLinePlateY(const std::string& fontDir, float height);

    static void Write(CAssetSink& sink, const std::string& fontDir);
};
