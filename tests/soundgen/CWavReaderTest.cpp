#include "tools/soundgen/CWavReader.h"
#include "tools/soundgen/CWavWriter.h"

#include "tools/soundgen/CSignal.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The last two samples lie beyond full scale: they are clamped, not wrapped.
Bytes FiveSampleWav()
{
    CSignal signal(22050, 0.0);
    signal.GetSamples() = {0.0f, 0.5f, -0.5f, 1.7f, -3.0f};
    return CWavWriter::Encode(signal);
}
}

// The reader holds the header's sizes and byte rate to the data, so a writer
// that gets one wrong fails here.
TEST(CWavReader, EncodedSignalReadsBackWithItsFormatAndClampedSamples)
{
    SWavInfo info;
    std::string error;
    ASSERT_TRUE(CWavReader::Parse(FiveSampleWav(), info, error)) << error;
    EXPECT_EQ(info.m_format, 1);
    EXPECT_EQ(info.m_channels, 1);
    EXPECT_EQ(info.m_rate, 22050);
    EXPECT_EQ(info.m_bits, 16);
    EXPECT_EQ(info.m_samples, (std::vector<int16_t>{0, 16384, -16384, 32767, -32767}));
}

TEST(CWavReader, BrokenFilesAreRefusedAndAnExtraChunkIsSkipped)
{
    const Bytes good = FiveSampleWav();
    std::vector<Bytes> bad(4, good);
    bad[0][0] = 'X';                  // no RIFF header
    bad[1].resize(good.size() - 2);   // truncated
    Put32(bad[2], 40, 1000);          // data longer than the file
    bad[3][34] = 8;                   // eight-bit data
    SWavInfo info;
    std::string error;
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(CWavReader::Parse(bad[i], info, error)) << "case " << i;

    Bytes extra = good;
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    extra.insert(extra.begin() + 36, list.begin(), list.end());
    Put32(extra, 4, static_cast<uint32_t>(extra.size() - 8));
    ASSERT_TRUE(CWavReader::Parse(extra, info, error)) << error;
    EXPECT_EQ(info.m_samples.size(), 5u);
}
