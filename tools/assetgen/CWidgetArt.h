#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// Every button, check box, radio button and edit box strip that the menu
// layouts name, with its label painted in.
class CWidgetArt
{
public:
    // The kinds' names and captions come from the table of kinds
    // (games/GameKinds.h); buttons, titles and thumbnails all use them.
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
