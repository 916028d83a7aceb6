#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a RIFF/WAVE file holds once its chunks have been checked.
struct SWavInfo
{
    int m_format = 0;
    int m_channels = 0;
    int m_rate = 0;
    int m_bits = 0;
    std::vector<int16_t> m_samples; // 16-bit PCM only, channels interleaved
};

// Reads back what the generator writes, and refuses anything malformed:
// the checks the game's own loader relies on when it opens the effects.
class CWavReader
{
public:
    static bool Parse(const std::vector<uint8_t>& bytes, SWavInfo& info, std::string& error);
};
