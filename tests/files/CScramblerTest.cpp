#include "engine/files/CScrambler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;
const char* const kKey = "qiv";
}

TEST(CScramblerTest, KnownTextsScrambleToTheKnownBytesAndBack)
{
    // Keys of several lengths, shorter than the text: each byte takes the key
    // byte at its own index, wrapping.
    const struct
    {
        std::string text;
        unsigned rotation;
        const char* key;
        Bytes scrambled;
    } cases[] = {
        {"x", 0, kKey, {0x00, 0x11}},
        {"ab", 1, kKey, {0x01, 0x0B, 0x27}},
        {"m_sound 1\n", 3, kKey, {0x03, 0x08, 0x13, 0x1F, 0x31, 0x98, 0x70, 0x83, 0x1B, 0x50, 0x9A}},
        {"m_sound 1\n", 7, "zq71w", {0x07, 0x5D, 0xB8, 0x3B, 0x5C, 0xD5, 0xAC, 0xA0, 0x84, 0x21, 0x60}},
        {"m_sound 1\n", 7, "ko%58w", {0x07, 0x4F, 0xAA, 0x3F, 0xA9, 0x2A, 0x5C, 0xB8, 0xA0, 0x9B, 0x62}},
        {"m_sound 1\n", 7, "394m612z", {0x07, 0x25, 0x45, 0x67, 0xA3, 0x70, 0xA1, 0x55, 0x68, 0xA7, 0x9E}},
    };
    CScrambler scrambler;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.key);
        Bytes out;
        Bytes back;
        ASSERT_TRUE(scrambler.ScrambleWithRotation(reinterpret_cast<const unsigned char*>(c.text.data()),
                                                   c.text.size(), c.rotation, out, c.key, std::strlen(c.key)));
        EXPECT_EQ(out, c.scrambled);
        ASSERT_TRUE(scrambler.Unscramble(c.scrambled.data(), c.scrambled.size(), back, c.key, std::strlen(c.key)));
        EXPECT_EQ(std::string(back.begin(), back.end()), c.text);
    }
}

TEST(CScramblerTest, DrawnRotationIsBelowOneHundredAndBelowTheLength)
{
    CScrambler scrambler;
    for (std::size_t n : {1u, 2u, 7u, 99u, 100u, 101u, 5000u})
    {
        const Bytes text(n, 'x');
        Bytes out;
        ASSERT_TRUE(scrambler.Scramble(text.data(), n, out, kKey, 3));
        EXPECT_LT(out[0], std::min<std::size_t>(n, 100));
    }
}

TEST(CScramblerTest, UnreadableBytesAndMissingKeysAreRefusedLeavingTheOutput)
{
    const struct
    {
        Bytes bytes;
        const char* key;
        std::size_t keyLength;
    } cases[] = {
        {{}, kKey, 3},
        {{0}, kKey, 3},                 // what an empty text scrambles to
        {{2, 'a', 'b'}, kKey, 3},       // rotation not below the text length
        {{250, 'a', 'b'}, kKey, 3},
        {{0, 'a', 'b'}, nullptr, 3},
        {{0, 'a', 'b'}, kKey, 0},
    };
    CScrambler scrambler;
    for (const auto& c : cases)
    {
        Bytes out = {7};
        EXPECT_FALSE(scrambler.Unscramble(c.bytes.data(), c.bytes.size(), out, c.key, c.keyLength))
            << c.bytes.size() << " bytes";
        EXPECT_EQ(out, Bytes{7});
    }
    const Bytes below = {1, 'a', 'b'};
    Bytes out;
    EXPECT_TRUE(scrambler.Unscramble(below.data(), below.size(), out, kKey, 3));
    EXPECT_FALSE(scrambler.Scramble(below.data(), below.size(), out, kKey, 0));
    ASSERT_TRUE(scrambler.Scramble(nullptr, 0, out, kKey, 3));
    EXPECT_EQ(out, Bytes{0});
}
