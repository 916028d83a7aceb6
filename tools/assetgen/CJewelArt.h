#pragma once

#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CCanvas.h"

#include <string>

// The jewel's look: ten brick colours in every skin (the six shared ones and
// four more, each again with a lightness step and a symbol of its own so
// that they are told apart without hue), and the fourteen bonus figures:
// single brick, row, column, bomb, and a recolour mark for each colour.
class CJewelArt
{
public:
    static constexpr int kColorCount = 10;
    static constexpr int kSharedColors = 6;
    static constexpr int kBonusCount = 14;

    static CColor BaseColor(int color);
    static CCanvas BrickTexture(int skin, int color, int size);
    static CCanvas BonusTexture(int index, int size);
    static CCanvas Legend();
    static CCanvas FiguresLegend();

    static void Write(CAssetSink& sink);

private:
    static float ExtraSymbol(int color, float x, float y);
};
