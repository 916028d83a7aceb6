#include <climits>

#include <gtest/gtest.h>

#include "shell/game/SaveValues.h"

TEST(SaveValues, LeadingIntegersLeaveTheRestAtTheirPresets)
{
    int v[4] = {-1, 0, 0, 0};
    ASSERT_TRUE(ParseLeadingSaveInts("3", v, 4));
    EXPECT_EQ(3, v[0]);
    EXPECT_EQ(0, v[1]);
    int w[4] = {-1, 7, 7, 7};
    ASSERT_TRUE(ParseLeadingSaveInts("2  1 4", w, 4));
    EXPECT_EQ(2, w[0]);
    EXPECT_EQ(1, w[1]);
    EXPECT_EQ(4, w[2]);
    EXPECT_EQ(7, w[3]);
}

TEST(SaveValues, LeadingIntegersRefuseGarbageEmptinessAndExtras)
{
    int v[4] = {-1, 0, 0, 0};
    EXPECT_FALSE(ParseLeadingSaveInts("", v, 4));
    EXPECT_FALSE(ParseLeadingSaveInts("abc", v, 4));
    EXPECT_FALSE(ParseLeadingSaveInts("1 x", v, 4));
    EXPECT_FALSE(ParseLeadingSaveInts("1 2 3 4 5", v, 4));
    // A refused value changes nothing.
    EXPECT_EQ(-1, v[0]);
    EXPECT_EQ(0, v[1]);
}

TEST(SaveValues, SumsHoldAtTheEndsOfInt)
{
    const struct
    {
        int a, b, sum;
    } cases[] = {
        {1, 2, 3}, {INT_MAX, 1, INT_MAX}, {INT_MAX - 5, 100, INT_MAX}, {INT_MIN, -1, INT_MIN}, {INT_MAX, INT_MIN, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddSaturated(c.a, c.b), c.sum) << c.a << " + " << c.b;
}
