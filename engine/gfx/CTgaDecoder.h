#pragma once

#include "engine/gfx/CPicture.h"

#include <cstddef>

// Uncompressed true-colour TGA (image type 2, 24 or 32 bits, no image ID,
// no colour map, zero origin). Rows are taken as stored, bottom first.
class CTgaDecoder
{
public:
    static constexpr std::size_t kHeaderSize = 18;

    // RGB or RGBA pixels (the file's BGR order swapped). False, with out
    // untouched, for any other form or a file shorter than its header claims.
    static bool Decode(const unsigned char* bytes, std::size_t size, CPicture& out);
};
