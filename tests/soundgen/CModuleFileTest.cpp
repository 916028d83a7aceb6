#include "tools/soundgen/CModuleFile.h"

#include <gtest/gtest.h>

namespace
{
SModSample Sample(size_t bytes, int loopStart, int loopLength)
{
    SModSample s;
    s.m_name = "test";
    s.m_data.assign(bytes, 1);
    s.m_loopStart = loopStart;
    s.m_loopLength = loopLength;
    return s;
}

// Offsets in the 31-sample layout; that the whole layout loads is held by
// the tests that play the generated modules.
const size_t kSampleHeader = 20;
const size_t kPatterns = 1084;

int Word(const std::vector<uint8_t>& b, size_t at)
{
    return (b[at] << 8) | b[at + 1];
}
}

TEST(CModuleFile, SampleLengthsAndLoopsAreStoredInWordsAndABadLoopBecomesOneShot)
{
    // Sample bytes, loop start and length in bytes; length, loop start and
    // loop length as stored, in words. A one-shot sample has the one-word loop.
    const struct
    {
        size_t bytes;
        int loopStart, loopLength;
        int words, start, length;
    } cases[] = {{200, 40, 100, 100, 20, 50}, {64, 0, 0, 32, 0, 1}, {64, 32, 64, 32, 0, 1}};
    for (const auto& c : cases)
    {
        CModuleFile module("loops");
        module.AddSample(Sample(c.bytes, c.loopStart, c.loopLength));
        std::vector<uint8_t> bytes = module.Serialise();
        EXPECT_EQ(Word(bytes, kSampleHeader + 22), c.words);
        EXPECT_EQ(bytes[kSampleHeader + 25], 64);
        EXPECT_EQ(Word(bytes, kSampleHeader + 26), c.start) << c.loopStart;
        EXPECT_EQ(Word(bytes, kSampleHeader + 28), c.length) << c.loopStart;
    }
}

TEST(CModuleFile, CellSplitsSampleNumberAcrossBothNibbles)
{
    CModuleFile module("cell");
    for (int i = 0; i < 17; ++i)
        module.AddSample(Sample(2, 0, 0));
    CModuleFile::Pattern pattern{};
    pattern[0][0] = SModCell{12, 17, 0xC, 0x20};
    module.AddOrder(module.AddPattern(pattern));
    std::vector<uint8_t> bytes = module.Serialise();
    // C-2 is period 428 = 0x1AC.
    EXPECT_EQ(bytes[kPatterns + 0], 0x11);
    EXPECT_EQ(bytes[kPatterns + 1], 0xAC);
    EXPECT_EQ(bytes[kPatterns + 2], 0x1C);
    EXPECT_EQ(bytes[kPatterns + 3], 0x20);
    // An empty cell is all zeros: no note, no sample, no effect.
    EXPECT_EQ(bytes[kPatterns + 4], 0);
    EXPECT_EQ(bytes[kPatterns + 5], 0);
}

TEST(CModuleFile, NotesOutsideTheThreeOctavesHaveNoPeriod)
{
    EXPECT_EQ(CModuleFile::PeriodOf(0), 856);
    EXPECT_EQ(CModuleFile::PeriodOf(35), 113);
    EXPECT_EQ(CModuleFile::PeriodOf(-1), 0);
    EXPECT_EQ(CModuleFile::PeriodOf(36), 0);
}

TEST(CModuleFile, FormatLimitsOnSamplesPatternsAndOrdersHold)
{
    CModuleFile module("limits");
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(module.AddSample(Sample(2, 0, 0)), i + 1);
    EXPECT_EQ(module.AddSample(Sample(2, 0, 0)), 0);
    CModuleFile::Pattern pattern{};
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(module.AddPattern(pattern), i);
    EXPECT_EQ(module.AddPattern(pattern), -1);
    module.AddOrder(64);
    module.AddOrder(-1);
    EXPECT_TRUE(module.GetOrders().empty());
    for (int i = 0; i < 200; ++i)
        module.AddOrder(0);
    EXPECT_EQ(module.GetOrders().size(), 128u);
}
