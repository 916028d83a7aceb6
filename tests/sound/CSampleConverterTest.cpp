#include "engine/sound/CSampleConverter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/sound/WaveBytes.h"

using namespace wavebytes;

namespace
{
std::vector<int16_t> Convert(const Bytes& file)
{
    CWaveFile wave;
    EXPECT_TRUE(wave.OpenMemory(file));
    std::vector<int16_t> frames;
    EXPECT_TRUE(CSampleConverter::ToOutputFormat(wave, frames));
    return frames;
}
}

TEST(CSampleConverter, StereoAtOutputRatePassesUnchanged)
{
    EXPECT_EQ(Convert(Pcm16(2, {1, 2, -3, -4})), (std::vector<int16_t>{1, 2, -3, -4}));
}

TEST(CSampleConverter, MonoIsCopiedToBothChannels)
{
    EXPECT_EQ(Convert(Pcm16(1, {100, -200})), (std::vector<int16_t>{100, 100, -200, -200}));
}

TEST(CSampleConverter, EightBitIsUnsignedAroundTheMiddle)
{
    const Bytes file = Riff({Chunk("fmt ", FmtBody(1, 1, 44100, 8)), Chunk("data", Bytes{128, 255, 0})});
    EXPECT_EQ(Convert(file), (std::vector<int16_t>{0, 0, 127 * 256, 127 * 256, -32768, -32768}));
}

TEST(CSampleConverter, HalfRateDoublesTheLength)
{
    const std::vector<int16_t> frames = Convert(Pcm16(1, {0, 1000, 2000, 3000}, 22050));
    ASSERT_EQ(frames.size(), 2u * 8);
    EXPECT_EQ(frames[2], 500); // between 0 and 1000
    EXPECT_EQ(frames[4], 1000);
}

TEST(CSampleConverter, FloatIsScaledAndClipped)
{
    Bytes data;
    const float values[] = {0.5f, 2.0f, -1.0f};
    for (float v : values)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        PutU32(data, bits);
    }
    const Bytes file = Riff({Chunk("fmt ", FmtBody(3, 1, 44100, 32)), Chunk("data", data)});
    const std::vector<int16_t> frames = Convert(file);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[0], 16384);
    EXPECT_EQ(frames[2], 32767);
    EXPECT_EQ(frames[4], -32767);
}

TEST(CSampleConverter, CompressedFormatsAreRefused)
{
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(Riff({Chunk("fmt ", FmtBody(2, 1, 44100, 4, {0, 0})), Chunk("data", Bytes(8, 0))})));
    std::vector<int16_t> frames;
    EXPECT_FALSE(CSampleConverter::ToOutputFormat(wave, frames));
}

TEST(CSampleConverter, InconsistentBlockAlignIsRefused)
{
    Bytes fmt = FmtBody(1, 2, 44100, 16);
    fmt[12] = 1; // block align 1 for 16-bit stereo
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(Riff({Chunk("fmt ", fmt), Chunk("data", Bytes(8, 0))})));
    std::vector<int16_t> frames;
    EXPECT_FALSE(CSampleConverter::ToOutputFormat(wave, frames));
}

TEST(CSampleConverter, ZeroRateOrTooManyChannelsIsRefused)
{
    CWaveFile wave;
    std::vector<int16_t> frames;
    ASSERT_TRUE(wave.OpenMemory(Riff({Chunk("fmt ", FmtBody(1, 1, 0, 16)), Chunk("data", Bytes(8, 0))})));
    EXPECT_FALSE(CSampleConverter::ToOutputFormat(wave, frames));
    ASSERT_TRUE(wave.OpenMemory(Riff({Chunk("fmt ", FmtBody(1, 6, 44100, 16)), Chunk("data", Bytes(24, 0))})));
    EXPECT_FALSE(CSampleConverter::ToOutputFormat(wave, frames));
}

TEST(CSampleConverter, PartialLastFrameIsDropped)
{
    Bytes file = Riff({Chunk("fmt ", FmtBody(1, 2, 44100, 16)), Chunk("data", Bytes{1, 0, 2, 0, 3, 0})});
    EXPECT_EQ(Convert(file), (std::vector<int16_t>{1, 2}));
}
