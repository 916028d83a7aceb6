#include <climits>

#include <gtest/gtest.h>

#include <vector>

#include "shell/game/SaveValues.h"

TEST(SaveValues, LeadingIntegersFillFromTheLeftAndGarbageChangesNothing)
{
    const struct
    {
        const char* text;
        bool ok;
        std::vector<int> values;
    } cases[] = {
        {"3", true, {3, 7, 7, 7}},        {"2  1 4", true, {2, 1, 4, 7}}, {"", false, {-1, 7, 7, 7}},
        {"abc", false, {-1, 7, 7, 7}},    {"1 x", false, {-1, 7, 7, 7}},  {"1 2 3 4 5", false, {-1, 7, 7, 7}},
    };
    for (const auto& c : cases)
    {
        std::vector<int> v = {-1, 7, 7, 7};
        EXPECT_EQ(c.ok, ParseLeadingSaveInts(c.text, v.data(), 4)) << c.text;
        EXPECT_EQ(c.values, v) << c.text;
    }
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

TEST(SaveValues, ProductsHoldAtTheEndsOfInt)
{
    const struct
    {
        int a, b, product;
    } cases[] = {
        {6, 7, 42}, {INT_MAX, 100, INT_MAX}, {-1, INT_MAX, -INT_MAX}, {INT_MAX, -100, INT_MIN}, {0, INT_MIN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulSaturated(c.a, c.b), c.product) << c.a << " x " << c.b;
}
