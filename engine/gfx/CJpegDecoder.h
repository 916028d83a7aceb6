#pragma once

#include "engine/gfx/CPicture.h"

#include <cstddef>

// JPEG from a memory block through libjpeg. A block that ends before its
// end-of-image marker decodes with the rest taken as the end of the image.
class CJpegDecoder
{
public:
    // Pixels bottom row first with the image's own components (3 colour,
    // 1 grey). False, with out untouched, when libjpeg rejects the data.
    static bool Decode(const unsigned char* bytes, std::size_t size, CPicture& out);
};
