#include "engine/sound/CSoundMixer.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CSoundMixer, SourcesAreSummedAtFullWidth)
{
    std::vector<int32_t> acc(3, 0);
    const int16_t a[] = {30000, -30000, 5};
    const int16_t b[] = {30000, -30000, -7};
    CSoundMixer::Add(acc.data(), a, 3);
    CSoundMixer::Add(acc.data(), b, 3);
    EXPECT_EQ(acc, (std::vector<int32_t>{60000, -60000, -2}));
}

TEST(CSoundMixer, SumsBeyondSixteenBitsSaturateInsteadOfWrapping)
{
    const int32_t acc[] = {60000, -60000, 32767, -32768, 32768, -32769, 0, 123};
    int16_t out[8];
    CSoundMixer::Saturate(acc, out, 8);
    const int16_t expected[] = {32767, -32768, 32767, -32768, 32767, -32768, 0, 123};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[i], expected[i]) << i;
}

TEST(CSoundMixer, ClearZeroesOnlyTheGivenSamples)
{
    std::vector<int32_t> acc = {1, 2, 3};
    CSoundMixer::Clear(acc.data(), 2);
    EXPECT_EQ(acc, (std::vector<int32_t>{0, 0, 3}));
}
