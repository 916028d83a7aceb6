#include "engine/sound/CWaveFile.h"

#include <gtest/gtest.h>

#include "tests/sound/WaveBytes.h"

using namespace wavebytes;

namespace
{
std::vector<uint8_t> ReadAll(CWaveFile& wave)
{
    std::vector<uint8_t> out(wave.GetBytesLeft());
    size_t read = 0;
    EXPECT_TRUE(wave.Read(out.size(), out.data(), read));
    out.resize(read);
    return out;
}
}

TEST(CWaveFile, PlainPcmFileGivesFormatAndData)
{
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(Pcm16(2, {1, -1, 300, -300})));
    EXPECT_EQ(wave.GetFormat().tag, 1);
    EXPECT_EQ(wave.GetFormat().channels, 2);
    EXPECT_EQ(wave.GetFormat().samples_per_sec, 44100u);
    EXPECT_EQ(wave.GetFormat().bits_per_sample, 16);
    EXPECT_EQ(wave.GetFormat().block_align, 4);
    EXPECT_TRUE(wave.GetFormat().extra.empty());
    EXPECT_EQ(ReadAll(wave), Samples16({1, -1, 300, -300}));
}

TEST(CWaveFile, ChunksBeforeBetweenAndAfterAreSkipped)
{
    const Bytes data = Samples16({5, 6});
    const Bytes file = Riff({Chunk("LIST", Bytes(10, 'x')), Chunk("fmt ", FmtBody(1, 1, 44100, 16)),
                             Chunk("fact", Bytes(4, 0)), Chunk("data", data), Chunk("junk", Bytes(3, 1))});
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(file));
    EXPECT_EQ(ReadAll(wave), data);
}

TEST(CWaveFile, OddSizedChunkIsFollowedByItsPadByte)
{
    // Without skipping the pad byte the reader would look for "fmt " one
    // byte early and miss it.
    const Bytes file = Riff({Chunk("odd ", Bytes(5, 7)), Chunk("fmt ", FmtBody(1, 1, 44100, 16)),
                             Chunk("data", Samples16({42}))});
    ASSERT_EQ(Chunk("odd ", Bytes(5, 7)).size(), 14u);
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(file));
    EXPECT_EQ(ReadAll(wave), Samples16({42}));
}

TEST(CWaveFile, DataBeforeFormatIsFound)
{
    const Bytes file = Riff({Chunk("data", Samples16({9})), Chunk("fmt ", FmtBody(1, 1, 22050, 16))});
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(file));
    EXPECT_EQ(wave.GetFormat().samples_per_sec, 22050u);
    EXPECT_EQ(ReadAll(wave), Samples16({9}));
}

TEST(CWaveFile, FormatShorterThanSixteenBytesIsRefused)
{
    Bytes fmt = FmtBody(1, 1, 44100, 16);
    fmt.resize(14);
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(Riff({Chunk("fmt ", fmt), Chunk("data", Samples16({1}))})));
    EXPECT_FALSE(wave.IsOpen());
}

TEST(CWaveFile, MissingDataChunkIsRefused)
{
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(Riff({Chunk("fmt ", FmtBody(1, 1, 44100, 16))})));
}

TEST(CWaveFile, MissingFormatChunkIsRefused)
{
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(Riff({Chunk("data", Samples16({1, 2}))})));
}

TEST(CWaveFile, DataClaimingMoreThanTheFileHoldsIsRefused)
{
    const Bytes file = Riff({Chunk("fmt ", FmtBody(1, 1, 44100, 16)), Chunk("data", Samples16({1, 2}), 0x7FFFFFF0)});
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(file));
}

TEST(CWaveFile, TruncatedDataIsRefused)
{
    Bytes file = Riff({Chunk("fmt ", FmtBody(1, 1, 44100, 16)), Chunk("data", Samples16({1, 2, 3, 4}))});
    file.resize(file.size() - 3);
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(file));
}

TEST(CWaveFile, NotRiffOrNotWaveIsRefused)
{
    Bytes file = Pcm16(1, {1});
    file[0] = 'X';
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(file));
    file = Pcm16(1, {1});
    file[8] = 'A';
    EXPECT_FALSE(wave.OpenMemory(file));
    EXPECT_FALSE(wave.OpenMemory({}));
    EXPECT_FALSE(wave.OpenMemory(Bytes(11, 'R')));
}

TEST(CWaveFile, NonPcmFormatKeepsItsExtraBytes)
{
    const Bytes extra = {1, 2, 3, 4, 5, 6};
    const Bytes file = Riff({Chunk("fmt ", FmtBody(2, 1, 44100, 4, extra)), Chunk("data", Bytes(8, 0))});
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(file));
    EXPECT_EQ(wave.GetFormat().tag, 2);
    EXPECT_EQ(wave.GetFormat().extra, extra);
}

TEST(CWaveFile, ExtraBytesClaimingMoreThanTheFormatChunkAreRefused)
{
    Bytes fmt = FmtBody(2, 1, 44100, 4, {1, 2});
    fmt[16] = 200;
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenMemory(Riff({Chunk("fmt ", fmt), Chunk("data", Bytes(8, 0))})));
}

TEST(CWaveFile, ReadStopsAtTheEndAndResetStartsOver)
{
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenMemory(Pcm16(1, {1, 2, 3})));
    uint8_t buffer[16];
    size_t read = 0;
    ASSERT_TRUE(wave.Read(4, buffer, read));
    EXPECT_EQ(read, 4u);
    ASSERT_TRUE(wave.Read(16, buffer, read));
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(buffer[0], 3);
    ASSERT_TRUE(wave.Read(16, buffer, read));
    EXPECT_EQ(read, 0u);
    ASSERT_TRUE(wave.Reset());
    ASSERT_TRUE(wave.Read(2, buffer, read));
    EXPECT_EQ(buffer[0], 1);
}

TEST(CWaveFile, MissingFileIsRefused)
{
    CWaveFile wave;
    EXPECT_FALSE(wave.Open("no/such/file.wav"));
    uint8_t buffer[4];
    size_t read = 1;
    EXPECT_FALSE(wave.Read(4, buffer, read));
    EXPECT_EQ(read, 0u);
}

TEST(CWaveFile, FileOnDiskIsRead)
{
    const std::string path = UniquePath(testing::TempDir(), "wavefile_disk.wav");
    ASSERT_TRUE(WriteFile(path, Pcm16(1, {7, 8})));
    CWaveFile wave;
    ASSERT_TRUE(wave.Open(path));
    EXPECT_EQ(wave.GetDataSize(), 4u);
    std::remove(path.c_str());
}
