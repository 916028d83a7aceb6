#pragma once

#include <cstdint>
#include <vector>

class CSignal;

// Encodes a signal as a canonical RIFF/WAVE file: PCM, 16 bits, mono,
// "fmt " of 16 bytes followed by "data".
class CWavWriter
{
public:
    static std::vector<uint8_t> Encode(const CSignal& signal);
};
