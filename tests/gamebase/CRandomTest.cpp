#include <gtest/gtest.h>

#include <vector>

#include "shell/game/CRandom.h"

namespace
{
std::vector<int> Draw(CRandom& random, int count, int n)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.Next(n));
    return values;
}
}

TEST(CRandomTest, TheSameSeedReplaysTheSameSequenceAndANeighbourDoesNot)
{
    CRandom first(42);
    Draw(first, 200, 1000);
    first.Seed(7);
    CRandom third(7);
    CRandom fourth(8);
    EXPECT_EQ(Draw(first, 50, 1000), Draw(third, 50, 1000));
    EXPECT_NE(Draw(first, 20, 1000), Draw(fourth, 20, 1000));
}

TEST(CRandomTest, DrawsStayInRangeAndReachEveryValue)
{
    CRandom random(3);
    for (int n : {1, 2, 3, 6, 15})
    {
        std::vector<int> seen(n, 0);
        for (int v : Draw(random, 2000, n))
        {
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
            ++seen[v];
        }
        for (int i = 0; i < n; ++i)
            EXPECT_GT(seen[i], 0) << "value " << i << " of " << n;
    }
    EXPECT_EQ(0, random.Next(0));
    EXPECT_EQ(0, random.Next(-5));
    for (int i = 0; i < 1000; ++i)
    {
        float f = random.NextFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
    }
}
