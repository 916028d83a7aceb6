#include "tools/soundgen/CEffectBank.h"

#include "tools/soundgen/CSignal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class EveryEffect : public ::testing::TestWithParam<int>
{
};

std::vector<int> AllIds()
{
    std::vector<int> ids;
    for (const SEffectFile& file : CEffectBank::GetFiles())
        ids.push_back(file.m_id);
    return ids;
}
}

// Short, levelled below full scale, without a click at either end and
// without a DC offset.
TEST_P(EveryEffect, IsShortLevelledCentredAndStartsAndEndsAtSilence)
{
    CSignal s = CEffectBank::Make(GetParam());
    const auto& v = s.GetSamples();
    ASSERT_GT(v.size(), 100u);
    EXPECT_LE(s.GetDuration(), 2.5);
    EXPECT_LE(s.GetPeak(), 0.9);
    EXPECT_GE(s.GetPeak(), 0.15);
    EXPECT_EQ(v.front(), 0.0f);
    EXPECT_EQ(v.back(), 0.0f);
    // No sample-to-sample jump near the ends bigger than a steep fade allows.
    for (size_t i = 1; i < 20; ++i)
    {
        EXPECT_LT(std::fabs(v[i] - v[i - 1]), 0.2) << "start " << i;
        EXPECT_LT(std::fabs(v[v.size() - i] - v[v.size() - i - 1]), 0.2) << "end " << i;
    }
    double sum = 0.0;
    for (float x : v)
        sum += x;
    EXPECT_LT(std::fabs(sum / s.GetLength()), 0.02);
}

INSTANTIATE_TEST_SUITE_P(CEffectBank, EveryEffect, ::testing::ValuesIn(AllIds()));

TEST(CEffectBank, InterfaceHoverIsQuieterThanClickAndShorterThanGameOver)
{
    CSignal click = CEffectBank::Make(51);
    CSignal hover = CEffectBank::Make(52);
    CSignal over = CEffectBank::Make(53);
    EXPECT_LT(hover.GetPeak(), click.GetPeak());
    EXPECT_LT(hover.GetDuration(), 0.1);
    EXPECT_LT(click.GetDuration(), 0.1);
    EXPECT_GT(over.GetDuration(), 1.0);
}
