#include "engine/files/CScrambler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
std::vector<unsigned char> Bytes(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

const char* const kKey = "qiv";
}

TEST(CScramblerTest, ScramblingAbWithRotationOneGivesTheKnownBytes)
{
    CScrambler scrambler;
    std::vector<unsigned char> out;
    const auto text = Bytes("ab");
    ASSERT_TRUE(scrambler.ScrambleWithRotation(text.data(), text.size(), 1, out, kKey, 3));
    EXPECT_EQ(out, (std::vector<unsigned char>{0x01, 0x0B, 0x27}));
}

TEST(CScramblerTest, ScramblingASettingsLineWithRotationThreeGivesTheKnownBytes)
{
    CScrambler scrambler;
    std::vector<unsigned char> out;
    const auto text = Bytes("m_sound 1\n");
    ASSERT_TRUE(scrambler.ScrambleWithRotation(text.data(), text.size(), 3, out, kKey, 3));
    EXPECT_EQ(out, (std::vector<unsigned char>{0x03, 0x08, 0x13, 0x1F, 0x31, 0x98, 0x70, 0x83, 0x1B, 0x50,
                                               0x9A}));
}

TEST(CScramblerTest, KnownBytesUnscrambleToTheirText)
{
    CScrambler scrambler;
    const std::vector<unsigned char> scrambled = {0x03, 0x08, 0x13, 0x1F, 0x31, 0x98, 0x70, 0x83, 0x1B, 0x50, 0x9A};
    std::vector<unsigned char> out;
    ASSERT_TRUE(scrambler.Unscramble(scrambled.data(), scrambled.size(), out, kKey, 3));
    EXPECT_EQ(std::string(out.begin(), out.end()), "m_sound 1\n");
}

TEST(CScramblerTest, EveryLengthAndEveryRotationRoundTrips)
{
    CScrambler scrambler;
    const char* keys[] = {"qiv", "52kq781w", "zq71w", "ko%58w"};
    for (const char* key : keys)
    {
        for (std::size_t n = 1; n <= 130; ++n)
        {
            std::vector<unsigned char> text(n);
            for (std::size_t i = 0; i < n; ++i)
                text[i] = static_cast<unsigned char>(i * 37 + n);
            const unsigned maxR = n > 100 ? 100 : static_cast<unsigned>(n);
            for (unsigned r = 0; r < maxR; ++r)
            {
                std::vector<unsigned char> scrambled;
                std::vector<unsigned char> back;
                ASSERT_TRUE(scrambler.ScrambleWithRotation(text.data(), n, r, scrambled, key, std::strlen(key)));
                ASSERT_EQ(scrambled.size(), n + 1);
                ASSERT_TRUE(scrambler.Unscramble(scrambled.data(), scrambled.size(), back, key, std::strlen(key)));
                ASSERT_EQ(back, text) << "key " << key << " n " << n << " r " << r;
            }
        }
    }
}

TEST(CScramblerTest, DrawnRotationIsBelowOneHundredAndBelowTheLength)
{
    CScrambler scrambler;
    for (std::size_t n : {1u, 2u, 7u, 99u, 100u, 101u, 5000u})
    {
        const std::vector<unsigned char> text(n, 'x');
        std::vector<unsigned char> out;
        ASSERT_TRUE(scrambler.Scramble(text.data(), n, out, kKey, 3));
        EXPECT_LT(out[0], 100);
        EXPECT_LT(out[0], n);
        std::vector<unsigned char> back;
        ASSERT_TRUE(scrambler.Unscramble(out.data(), out.size(), back, kKey, 3));
        EXPECT_EQ(back, text);
    }
}

TEST(CScramblerTest, FilesOfNoOrOneByteAreRefused)
{
    CScrambler scrambler;
    std::vector<unsigned char> out = {7};
    const unsigned char one[1] = {0};
    EXPECT_FALSE(scrambler.Unscramble(one, 0, out, kKey, 3));
    EXPECT_FALSE(scrambler.Unscramble(one, 1, out, kKey, 3));
    EXPECT_EQ(out, std::vector<unsigned char>{7});
}

TEST(CScramblerTest, RotationByteNotBelowTheTextLengthIsRefused)
{
    CScrambler scrambler;
    std::vector<unsigned char> out;
    const unsigned char equal[3] = {2, 'a', 'b'};
    const unsigned char above[3] = {250, 'a', 'b'};
    const unsigned char below[3] = {1, 'a', 'b'};
    EXPECT_FALSE(scrambler.Unscramble(equal, 3, out, kKey, 3));
    EXPECT_FALSE(scrambler.Unscramble(above, 3, out, kKey, 3));
    EXPECT_TRUE(scrambler.Unscramble(below, 3, out, kKey, 3));
}

TEST(CScramblerTest, MissingOrEmptyKeyIsRefused)
{
    CScrambler scrambler;
    std::vector<unsigned char> out;
    const unsigned char bytes[3] = {0, 'a', 'b'};
    EXPECT_FALSE(scrambler.Unscramble(bytes, 3, out, nullptr, 3));
    EXPECT_FALSE(scrambler.Unscramble(bytes, 3, out, kKey, 0));
    EXPECT_FALSE(scrambler.Scramble(bytes, 3, out, kKey, 0));
}

TEST(CScramblerTest, EmptyTextScramblesToOneByteThatReadsAsUnreadable)
{
    CScrambler scrambler;
    std::vector<unsigned char> out;
    ASSERT_TRUE(scrambler.Scramble(nullptr, 0, out, kKey, 3));
    EXPECT_EQ(out, std::vector<unsigned char>{0});
    std::vector<unsigned char> back;
    EXPECT_FALSE(scrambler.Unscramble(out.data(), out.size(), back, kKey, 3));
}

TEST(CScramblerTest, WrongKeyGivesOtherBytesWithoutFailing)
{
    CScrambler scrambler;
    const auto text = Bytes("m_sound 1\n");
    std::vector<unsigned char> scrambled;
    ASSERT_TRUE(scrambler.ScrambleWithRotation(text.data(), text.size(), 4, scrambled, "qiv", 3));
    std::vector<unsigned char> back;
    ASSERT_TRUE(scrambler.Unscramble(scrambled.data(), scrambled.size(), back, "zq71w", 5));
    EXPECT_NE(back, text);
}
