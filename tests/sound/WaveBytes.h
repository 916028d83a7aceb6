#pragma once

// Builders of small RIFF/WAVE files for the sound tests.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace wavebytes
{
using Bytes = std::vector<uint8_t>;

// Little-endian, as every number in the format.
inline void Put(Bytes& b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

inline void PutId(Bytes& b, const char* id)
{
    b.insert(b.end(), id, id + 4);
}

// A chunk with its pad byte when the body is odd; `claimed` overrides the
// size written in the header.
inline Bytes Chunk(const char* id, const Bytes& body, int64_t claimed = -1)
{
    Bytes b;
    PutId(b, id);
    Put(b, claimed < 0 ? uint32_t(body.size()) : uint32_t(claimed), 4);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1)
        b.push_back(0);
    return b;
}

inline Bytes FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& extra = {})
{
    Bytes b;
    const uint16_t align = uint16_t(channels * bits / 8);
    Put(b, tag, 2);
    Put(b, channels, 2);
    Put(b, rate, 4);
    Put(b, rate * align, 4);
    Put(b, align, 2);
    Put(b, bits, 2);
    if (tag != 1)
    {
        Put(b, uint16_t(extra.size()), 2);
        b.insert(b.end(), extra.begin(), extra.end());
    }
    return b;
}

inline Bytes Riff(const std::vector<Bytes>& chunks)
{
    Bytes body;
    PutId(body, "WAVE");
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    PutId(b, "RIFF");
    Put(b, uint32_t(body.size()), 4);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline Bytes Samples16(const std::vector<int16_t>& samples)
{
    Bytes b;
    for (int16_t s : samples)
        Put(b, uint16_t(s), 2);
    return b;
}

// A plain 16-bit PCM file at the output rate.
inline Bytes Pcm16(uint16_t channels, const std::vector<int16_t>& samples, uint32_t rate = 44100)
{
    return Riff({Chunk("fmt ", FmtBody(1, channels, rate, 16)), Chunk("data", Samples16(samples))});
}
}
