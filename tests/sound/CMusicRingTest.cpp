#include "engine/sound/CMusicRing.h"

#include <gtest/gtest.h>

namespace
{
// Writes a running counter, one value per sample, so the tests can see
// which write the reader plays.
struct CountingWriter
{
    int16_t next = 1;
    size_t calls = 0;
    size_t operator()(int16_t* destination, size_t bytes)
    {
        ++calls;
        for (size_t i = 0; i < bytes / 2; ++i)
            destination[i] = next++;
        return bytes;
    }
};

std::vector<int32_t> Read(CMusicRing& ring, size_t frames)
{
    std::vector<int32_t> acc(frames * 2, 0);
    ring.ReadInto(acc.data(), frames);
    return acc;
}
}

TEST(CMusicRing, FreshRingIsSilentAndFillsBothHalvesInOrder)
{
    CMusicRing ring(10);
    EXPECT_TRUE(ring.IsFresh());
    EXPECT_EQ(Read(ring, 4), std::vector<int32_t>(8, 0));
    CountingWriter writer;
    const auto offsets = ring.Refill(std::ref(writer));
    EXPECT_EQ(offsets, (std::vector<size_t>{0, ring.GetHalfBytes()}));
    EXPECT_FALSE(ring.IsFresh());
    EXPECT_EQ(Read(ring, 2), (std::vector<int32_t>{1, 2, 3, 4}));
    ring.Reset();
    EXPECT_TRUE(ring.IsFresh());
    EXPECT_EQ(Read(ring, 2), std::vector<int32_t>(4, 0));
    EXPECT_EQ(ring.Refill(std::ref(writer)).size(), 2u);
}

TEST(CMusicRing, OnlyAPlayedHalfIsRefilledWhileTheOtherPlays)
{
    CMusicRing ring(10);
    CountingWriter writer;
    ring.Refill(std::ref(writer));
    const size_t half = ring.GetHalfFrames();
    Read(ring, half - 1);
    EXPECT_TRUE(ring.Refill(std::ref(writer)).empty());
    EXPECT_EQ(writer.calls, 2u);
    Read(ring, 2);
    EXPECT_EQ(ring.Refill(std::ref(writer)), (std::vector<size_t>{0}));
    // Wrapping back to the start plays the third write.
    Read(ring, half - 1);
    const int16_t third = int16_t(2 * 2 * half + 1);
    EXPECT_EQ(Read(ring, 1), (std::vector<int32_t>{third, third + 1}));
    EXPECT_EQ(ring.Refill(std::ref(writer)), (std::vector<size_t>{ring.GetHalfBytes()}));
}

TEST(CMusicRing, ReaderThatCatchesUpPlaysSilenceNotOldMusicAndTheRefillStartsWhereItWaits)
{
    CMusicRing ring(10);
    CountingWriter writer;
    ring.Refill(std::ref(writer));
    const size_t half = ring.GetHalfFrames();
    Read(ring, half);
    ring.Refill(std::ref(writer)); // half 0 again: writes 3
    Read(ring, 2 * half);          // plays halves 1 and 0: reader waits at half 1
    EXPECT_EQ(Read(ring, 3), std::vector<int32_t>(6, 0));
    EXPECT_EQ(ring.GetCursorBytes(), ring.GetHalfBytes());
    EXPECT_EQ(ring.Refill(std::ref(writer)), (std::vector<size_t>{ring.GetHalfBytes(), 0}));
    const int16_t fourth = int16_t(3 * 2 * half + 1);
    EXPECT_EQ(Read(ring, 1), (std::vector<int32_t>{fourth, fourth + 1}));
}

TEST(CMusicRing, WriterGivingLessLeavesSilenceAndReadingAddsToTheMix)
{
    CMusicRing ring(10);
    ring.Refill([](int16_t* d, size_t) -> size_t {
        d[0] = 9;
        d[1] = 9;
        return 4;
    });
    std::vector<int32_t> acc = {100, 100, 100, 100};
    ring.ReadInto(acc.data(), 2);
    EXPECT_EQ(acc, (std::vector<int32_t>{109, 109, 100, 100}));
}
