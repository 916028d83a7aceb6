#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// Every button, check box, radio button and edit box strip that the menu
// layouts name, with its label painted in.
class CWidgetArt
{
public:
    // The display name of each kind, in kind order; buttons, titles and
    // thumbnails all use these words.
    static const char* const kKindTitles[8];
    static const char* const kKindNames[8];

    static void Write(CAssetSink& sink, const std::string& fontDir);
};
