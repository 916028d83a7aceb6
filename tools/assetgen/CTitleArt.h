#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// The spinning title of the main menu: the game's name set in the serif
// face, cut out of its pixels and extruded into a solid, with a gold
// texture (faces above, darker bronze sides below; the title is drawn
// unlit, so the texture carries the shading).
class CTitleArt
{
public:
    static std::string Mesh(const std::string& fontDir);
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
