#pragma once

#include <cstddef>
#include <cstdint>

// The sums behind the output: samples are added at full width and only
// clipped to 16 bits once, at the end.
class CSoundMixer
{
public:
    static void Clear(int32_t* accumulator, size_t samples);
    static void Add(int32_t* accumulator, const int16_t* source, size_t samples);
    static void Saturate(const int32_t* accumulator, int16_t* out, size_t samples);
};
