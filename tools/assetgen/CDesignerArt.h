#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <string>

// The designer's own models: the empty slot drawn under every board cell
// and the arrow that scrolls the figure tray, and the help page's picture of
// the figures.
class CDesignerArt
{
public:
    static const int kTextureSize = 64;

    static std::string PlaceMesh();
    static CCanvas PlaceTexture(int size);
    static std::string ArrowMesh();
    static CCanvas ArrowTexture(int size);
    // The nine kinds of figure in their first turn, each in its colour, in
    // two rows (help pages).
    static CCanvas FigureLegend();

    static void Write(CAssetSink& sink);
};
