#pragma once

#include "tools/assetgen/CCanvas.h"

#include <string>
#include <vector>

// Turns canvases into the two picture formats that the game reads. TGA is
// written by hand: uncompressed true colour, no image ID, rows bottom first.
class CPictureWriter
{
public:
    static std::vector<unsigned char> EncodeTga(const CCanvas& canvas, bool withAlpha);
    static std::vector<unsigned char> EncodeJpeg(const CCanvas& canvas, int quality);
};
