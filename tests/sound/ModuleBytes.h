#pragma once

// A tiny four-channel "M.K." tracker module for the music tests: one looped
// square-wave sample, one pattern that plays a note and breaks off after a
// few rows, so the whole song lasts about a quarter of a second.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace modulebytes
{
inline std::vector<uint8_t> BuildSong(uint16_t period = 428)
{
    // A nameless song; finetune, loop start and every other field not set are 0.
    std::vector<uint8_t> m(1084, 0);
    const uint16_t sample_words = 32;
    uint8_t* sample = &m[20];
    sample[22] = uint8_t(sample_words >> 8);
    sample[23] = uint8_t(sample_words);
    sample[25] = 64; // volume
    sample[28] = uint8_t(sample_words >> 8); // loop length: the whole sample
    sample[29] = uint8_t(sample_words);

    m[950] = 1;   // song length; order 0 plays pattern 0
    m[951] = 127; // restart byte
    std::copy_n("M.K.", 4, m.begin() + 1080);

    std::vector<uint8_t> pattern(64 * 4 * 4, 0);
    auto cell = [&](int row, int channel) { return &pattern[(row * 4 + channel) * 4]; };
    uint8_t* first = cell(0, 0);
    first[0] = uint8_t((1 & 0xF0) | (period >> 8));
    first[1] = uint8_t(period & 0xFF);
    first[2] = uint8_t(((1 & 0x0F) << 4) | 0xF);
    first[3] = 3; // speed 3
    uint8_t* last = cell(3, 0);
    last[2] = 0xD; // pattern break: the song ends after row 3
    m.insert(m.end(), pattern.begin(), pattern.end());

    for (int i = 0; i < sample_words * 2; ++i)
        m.push_back(uint8_t(i < sample_words ? 100 : -100));
    return m;
}
}
