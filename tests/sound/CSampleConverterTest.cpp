#include "engine/sound/CSampleConverter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/sound/WaveBytes.h"

using namespace wavebytes;

namespace
{
Bytes Floats(std::initializer_list<float> values)
{
    Bytes data;
    for (float v : values)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        Put(data, bits, 4);
    }
    return data;
}
}

TEST(CSampleConverter, SamplesBecomeStereoSixteenBitAtTheOutputRate)
{
    const struct
    {
        const char* name;
        Bytes file;
        std::vector<int16_t> frames;
    } cases[] = {
        {"stereo at the output rate", Pcm16(2, {1, 2, -3, -4}), {1, 2, -3, -4}},
        {"mono to both channels", Pcm16(1, {100, -200}), {100, 100, -200, -200}},
        {"eight bits unsigned around the middle",
         Riff({Chunk("fmt ", FmtBody(1, 1, 44100, 8)), Chunk("data", Bytes{128, 255, 0})}),
         {0, 0, 127 * 256, 127 * 256, -32768, -32768}},
        {"float scaled and clipped", Riff({Chunk("fmt ", FmtBody(3, 1, 44100, 32)), Chunk("data", Floats({0.5f, 2.0f, -1.0f}))}),
         {16384, 16384, 32767, 32767, -32767, -32767}},
        // The extensible record names its plain format in its extra bytes.
        {"extensible holding 24 bits",
         Riff({Chunk("fmt ", FmtBody(0xFFFE, 1, 44100, 24, {0, 0, 0, 0, 0, 0, 1, 0})), Chunk("data", Bytes{9, 0x34, 0x12})}),
         {0x1234, 0x1234}},
        {"partial last frame dropped",
         Riff({Chunk("fmt ", FmtBody(1, 2, 44100, 16)), Chunk("data", Bytes{1, 0, 2, 0, 3, 0})}), {1, 2}},
        {"half rate doubles the length", Pcm16(1, {0, 1000, 2000, 3000}, 22050),
         {0, 0, 500, 500, 1000, 1000, 1500, 1500, 2000, 2000, 2500, 2500, 3000, 3000, 3000, 3000}},
    };
    for (const auto& c : cases)
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.OpenMemory(c.file)) << c.name;
        std::vector<int16_t> frames;
        ASSERT_TRUE(CSampleConverter::ToOutputFormat(wave, frames)) << c.name;
        EXPECT_EQ(frames, c.frames) << c.name;
    }
}

TEST(CSampleConverter, CompressedOrInconsistentFormatsAreRefused)
{
    Bytes badAlign = FmtBody(1, 2, 44100, 16);
    badAlign[12] = 1;   // block align 1 for 16-bit stereo
    const std::vector<Bytes> formats = {FmtBody(2, 1, 44100, 4, {0, 0}), badAlign, FmtBody(1, 1, 0, 16),
                                        FmtBody(1, 6, 44100, 16)};
    for (std::size_t i = 0; i < formats.size(); ++i)
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.OpenMemory(Riff({Chunk("fmt ", formats[i]), Chunk("data", Bytes(24, 0))})));
        std::vector<int16_t> frames;
        EXPECT_FALSE(CSampleConverter::ToOutputFormat(wave, frames)) << "format " << i;
    }
}
