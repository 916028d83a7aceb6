#include "engine/sound/CWaveFile.h"

#include <gtest/gtest.h>

#include "tests/files/CTempDir.h"
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

TEST(CWaveFile, FormatAndDataAreFoundAmongOtherChunksInAnyOrder)
{
    const Bytes fmt = FmtBody(1, 1, 22050, 16);
    const Bytes data = Samples16({5, 6});
    const std::vector<Bytes> files = {
        Riff({Chunk("LIST", Bytes(10, 'x')), Chunk("fmt ", fmt), Chunk("fact", Bytes(4, 0)), Chunk("data", data),
              Chunk("junk", Bytes(3, 1))}),
        // Without skipping the pad byte of an odd chunk the reader would miss "fmt ".
        Riff({Chunk("odd ", Bytes(5, 7)), Chunk("fmt ", fmt), Chunk("data", data)}),
        Riff({Chunk("data", data), Chunk("fmt ", fmt)}),
    };
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.OpenMemory(files[i])) << "file " << i;
        EXPECT_EQ(wave.GetFormat().samples_per_sec, 22050u) << "file " << i;
        EXPECT_EQ(wave.GetFormat().block_align, 2) << "file " << i;
        EXPECT_EQ(ReadAll(wave), data) << "file " << i;
    }
}

TEST(CWaveFile, BrokenFilesAreRefused)
{
    const Bytes fmt = FmtBody(1, 1, 44100, 16);
    Bytes shortFmt = fmt;
    shortFmt.resize(14);
    Bytes lyingExtra = FmtBody(2, 1, 44100, 4, {1, 2});
    lyingExtra[16] = 200;
    Bytes truncated = Riff({Chunk("fmt ", fmt), Chunk("data", Samples16({1, 2, 3, 4}))});
    truncated.resize(truncated.size() - 3);
    Bytes notRiff = Pcm16(1, {1});
    notRiff[0] = 'X';
    Bytes notWave = Pcm16(1, {1});
    notWave[8] = 'A';
    const std::vector<Bytes> files = {
        Riff({Chunk("fmt ", shortFmt), Chunk("data", Samples16({1}))}),
        Riff({Chunk("fmt ", fmt)}),
        Riff({Chunk("data", Samples16({1, 2}))}),
        Riff({Chunk("fmt ", fmt), Chunk("data", Samples16({1, 2}), 0x7FFFFFF0)}),
        Riff({Chunk("fmt ", lyingExtra), Chunk("data", Bytes(8, 0))}),
        truncated, notRiff, notWave, {}, Bytes(11, 'R'),
    };
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        CWaveFile wave;
        EXPECT_FALSE(wave.OpenMemory(files[i])) << "file " << i;
        EXPECT_FALSE(wave.IsOpen()) << "file " << i;
    }
}

TEST(CWaveFile, ReadStopsAtTheEndAndResetStartsOver)
{
    CTempDir dir;
    CTempDir::WriteBytes(dir.File("a.wav"), Pcm16(1, {1, 2, 3}));
    CWaveFile wave;
    ASSERT_TRUE(wave.Open(dir.File("a.wav")));
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

    CWaveFile missing;
    EXPECT_FALSE(missing.Open(dir.File("none.wav")));
    read = 1;
    EXPECT_FALSE(missing.Read(4, buffer, read));
    EXPECT_EQ(read, 0u);
}
