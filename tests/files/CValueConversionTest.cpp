#include "engine/files/CConfigFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

TEST(CValueConversionTest, NumbersReadAsDecimalClampedToThirtyTwoBits)
{
    const struct
    {
        const char* text;
        int number;
        bool flag;
        float real;
    } cases[] = {
        {"42", 42, true, 42.0f},        {"-3", -3, true, -3.0f},       {"010", 10, true, 10.0f},
        {" 7x", 7, true, 7.0f},         {"x7", 0, false, 0.0f},        {"", 0, false, 0.0f},
        {"0", 0, false, 0.0f},          {"-2.25", -2, true, -2.25f},   {"0.500000", 0, false, 0.5f},
        {"99999999999", 2147483647, true, 99999999999.0f},
        {"-99999999999", -2147483647 - 1, true, -99999999999.0f},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(StrToInt(c.text), c.number) << c.text;
        EXPECT_EQ(StrToBool(c.text), c.flag) << c.text;
        EXPECT_FLOAT_EQ(StrToFloat(c.text), c.real) << c.text;
    }
}

TEST(CValueConversionTest, IntArraySplitsAtSingleSpacesAndKeepsWhatItCannotFill)
{
    // A run of spaces ends a token, so only a leading space skips an element;
    // a TAB belongs to its token; octal and hexadecimal are read.
    const struct
    {
        const char* text;
        std::vector<int> values;
    } cases[] = {
        {"1 2 3 4", {1, 2, 3}},   {"5 6", {5, 6, -1}},       {"010 0x1F -7", {8, 31, -7}},
        {" 4 5", {-1, 4, 5}},     {"1\t2 3", {1, 3, -1}},    {"a 2 b", {-1, 2, -1}},
        {"1   2", {1, 2, -1}},
    };
    for (const auto& c : cases)
    {
        std::vector<int> out(3, -1);
        StrToIntArray(c.text, out.data(), 3);
        EXPECT_EQ(out, c.values) << "\"" << c.text << "\"";
    }
    int one = -1;
    StrToIntArray("1 2", &one, 0);
    StrToIntArray("1 2", nullptr, 3);
    EXPECT_EQ(one, -1);
}

TEST(CValueConversionTest, NumbersUseThePointWhateverTheLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "nl_NL.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',')
        {
            found = true;
            break;
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
