#pragma once

#include <cstddef>
#include <vector>

// Small pictures made in memory for the decoder tests.
class CTestPictures
{
public:
    // A TGA header for the accepted form, followed by the given pixel bytes.
    static std::vector<unsigned char> Tga(int width, int height, int bits, const std::vector<unsigned char>& pixels);

    // A JPEG of the given rows (top row first, as libjpeg takes them);
    // components 3 for colour, 1 for grey.
    static std::vector<unsigned char> Jpeg(int width, int height, int components,
                                           const std::vector<unsigned char>& topFirstPixels, int quality = 100);
};
