#pragma once

#include <cstdint>
#include <vector>

#include "engine/sound/CWaveFile.h"

// Turns the data of an opened wave file into the output format (44100 Hz,
// signed 16-bit, interleaved stereo), so that playing needs no conversion.
class CSampleConverter
{
public:
    // Accepts PCM of 8, 16, 24 or 32 bits and 32-bit float, mono or stereo,
    // at any rate from 1000 to 192000 Hz. Returns false for anything else.
    static bool ToOutputFormat(CWaveFile& wave, std::vector<int16_t>& frames);

    static bool IsSupported(const CWaveFile::Format& format);
};
