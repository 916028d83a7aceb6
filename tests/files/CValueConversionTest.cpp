#include "engine/files/CConfigFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

TEST(CValueConversionTest, IntegersReadAsDecimal)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("-3"), -3);
    EXPECT_EQ(StrToInt("010"), 10);
    EXPECT_EQ(StrToInt(" 7x"), 7);
    EXPECT_EQ(StrToInt("x7"), 0);
    EXPECT_EQ(StrToInt(""), 0);
}

TEST(CValueConversionTest, IntegersOutsideThirtyTwoBitsAreClamped)
{
    EXPECT_EQ(StrToInt("99999999999"), 2147483647);
    EXPECT_EQ(StrToInt("-99999999999"), -2147483647 - 1);
}

TEST(CValueConversionTest, BoolIsTrueForAnyNonZeroNumber)
{
    EXPECT_TRUE(StrToBool("1"));
    EXPECT_TRUE(StrToBool("2"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_FALSE(StrToBool("yes"));
}

TEST(CValueConversionTest, FloatsRead)
{
    EXPECT_FLOAT_EQ(StrToFloat("0.500000"), 0.5f);
    EXPECT_FLOAT_EQ(StrToFloat("-2.25"), -2.25f);
    EXPECT_FLOAT_EQ(StrToFloat("3"), 3.0f);
    EXPECT_FLOAT_EQ(StrToFloat("abc"), 0.0f);
}

TEST(CValueConversionTest, StringIsACopy)
{
    EXPECT_EQ(StrToString("a b"), "a b");
}

TEST(CValueConversionTest, IntArrayStopsAtItsSize)
{
    int out[3] = {-1, -1, -1};
    StrToIntArray("1 2  3   4", out, 3);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(out[2], 3);
}

TEST(CValueConversionTest, IntArrayLeavesUnfilledElements)
{
    int out[3] = {-1, -1, -1};
    StrToIntArray("5 6", out, 3);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[1], 6);
    EXPECT_EQ(out[2], -1);
}

TEST(CValueConversionTest, IntArrayReadsOctalAndHexadecimal)
{
    int out[3] = {0, 0, 0};
    StrToIntArray("010 0x1F -7", out, 3);
    EXPECT_EQ(out[0], 8);
    EXPECT_EQ(out[1], 31);
    EXPECT_EQ(out[2], -7);
}

TEST(CValueConversionTest, IntArrayWithLeadingSpaceFillsFromIndexOne)
{
    int out[3] = {-1, -1, -1};
    StrToIntArray(" 4 5", out, 3);
    EXPECT_EQ(out[0], -1);
    EXPECT_EQ(out[1], 4);
    EXPECT_EQ(out[2], 5);
}

TEST(CValueConversionTest, IntArrayTakesTabAsPartOfAToken)
{
    int out[3] = {-1, -1, -1};
    StrToIntArray("1\t2 3", out, 3);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 3);
    EXPECT_EQ(out[2], -1);
}

TEST(CValueConversionTest, IntArrayTokenWithoutANumberKeepsItsElement)
{
    int out[3] = {-1, -1, -1};
    StrToIntArray("a 2 b", out, 3);
    EXPECT_EQ(out[0], -1);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(out[2], -1);
}

TEST(CValueConversionTest, IntArrayOfSizeZeroWritesNothing)
{
    int out[1] = {-1};
    StrToIntArray("1 2", out, 0);
    StrToIntArray("1 2", nullptr, 3);
    EXPECT_EQ(out[0], -1);
}

TEST(CValueConversionTest, NumbersUseThePointWhateverTheLocale)
{
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "nl_NL.UTF-8"};
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    bool found = false;
    for (const char* name : commaLocales)
    {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',')
        {
            found = true;
            break;
        }
    }
    if (!found)
    {
        std::setlocale(LC_ALL, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    CConfigFile config;
    config.SetFloat("f", 0.5f);
    const std::string written = config.GetValue("f", "");
    const float read = StrToFloat("1.5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(written, "0.500000");
    EXPECT_FLOAT_EQ(read, 1.5f);
}
