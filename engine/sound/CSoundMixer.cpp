#include "engine/sound/CSoundMixer.h"

#include <cstring>

void CSoundMixer::Clear(int32_t* accumulator, size_t samples)
{
    std::memset(accumulator, 0, samples * sizeof(int32_t));
}

void CSoundMixer::Add(int32_t* accumulator, const int16_t* source, size_t samples)
{
    for (size_t i = 0; i < samples; ++i)
        accumulator[i] += source[i];
}

void CSoundMixer::Saturate(const int32_t* accumulator, int16_t* out, size_t samples)
{
    for (size_t i = 0; i < samples; ++i)
    {
        const int32_t v = accumulator[i];
        out[i] = static_cast<int16_t>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v));
    }
}
