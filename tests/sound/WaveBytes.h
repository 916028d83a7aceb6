#pragma once

// Builders of small RIFF/WAVE files for the sound tests.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace wavebytes
{
using Bytes = std::vector<uint8_t>;

inline void PutU16(Bytes& b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

inline void PutU32(Bytes& b, uint32_t v)
{
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
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
    PutU32(b, claimed < 0 ? uint32_t(body.size()) : uint32_t(claimed));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1)
        b.push_back(0);
    return b;
}

inline Bytes FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& extra = {})
{
    Bytes b;
    const uint16_t align = uint16_t(channels * bits / 8);
    PutU16(b, tag);
    PutU16(b, channels);
    PutU32(b, rate);
    PutU32(b, rate * align);
    PutU16(b, align);
    PutU16(b, bits);
    if (tag != 1)
    {
        PutU16(b, uint16_t(extra.size()));
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
    PutU32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline Bytes Samples16(const std::vector<int16_t>& samples)
{
    Bytes b;
    for (int16_t s : samples)
        PutU16(b, uint16_t(s));
    return b;
}

// A plain 16-bit PCM file at the output rate.
inline Bytes Pcm16(uint16_t channels, const std::vector<int16_t>& samples, uint32_t rate = 44100)
{
    return Riff({Chunk("fmt ", FmtBody(1, channels, rate, 16)), Chunk("data", Samples16(samples))});
}
}
