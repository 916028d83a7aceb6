#include "engine/sound/CSoundMixer.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CSoundMixer, SourcesAreSummedAtFullWidthAndSaturateInsteadOfWrapping)
{
    std::vector<int32_t> acc = {1, 2, 3, 4};
    CSoundMixer::Clear(acc.data(), 3);
    const int16_t a[] = {30000, -30000, 5};
    const int16_t b[] = {30000, -30000, -7};
    CSoundMixer::Add(acc.data(), a, 3);
    CSoundMixer::Add(acc.data(), b, 3);
    EXPECT_EQ(acc, (std::vector<int32_t>{60000, -60000, -2, 4}));

    const int32_t sums[] = {60000, -60000, 32767, -32768, 32768, -32769, 0, 123};
    std::vector<int16_t> out(8);
    CSoundMixer::Saturate(sums, out.data(), 8);
    EXPECT_EQ(out, (std::vector<int16_t>{32767, -32768, 32767, -32768, 32767, -32768, 0, 123}));
}
