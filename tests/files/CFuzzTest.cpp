#include "engine/files/CConfigFile.h"
#include "engine/gfx/CJpegDecoder.h"
#include "engine/files/CScrambler.h"
#include "engine/gfx/CTgaDecoder.h"
#include "tests/files/CTestPictures.h"

#include <gtest/gtest.h>

#include <random>

// Random and mutated inputs for the readers of outside bytes. Each must
// answer without crashing or reading out of bounds, and a refusal must leave
// what it read into as it was. (The pack's every cut and forged size are
// cases of its own test.)
namespace
{
std::vector<unsigned char> Mutate(std::vector<unsigned char> bytes, std::mt19937& random)
{
    std::uniform_int_distribution<int> kind(0, 3);
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits && !bytes.empty(); ++e)
    {
        const std::size_t at = random() % bytes.size();
        switch (kind(random))
        {
        case 0: bytes[at] = static_cast<unsigned char>(random()); break;
        case 1: bytes[at] ^= static_cast<unsigned char>(1u << (random() % 8)); break;
        case 2: bytes.resize(at); break;
        default: bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<unsigned char>(random())); break;
        }
    }
    return bytes;
}

// Any bytes, or only those of the given alphabet (the characters the
// tokenizer cares about).
std::vector<unsigned char> RandomBytes(std::mt19937& random, std::size_t maxSize, const std::string& alphabet = "")
{
    std::vector<unsigned char> bytes(random() % (maxSize + 1));
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(alphabet.empty() ? random() : alphabet[random() % alphabet.size()]);
    return bytes;
}
}

TEST(CFuzzTest, StoreAndScramblerTakeAnyBytes)
{
    std::mt19937 random(12345);
    CScrambler scrambler;
    for (int i = 0; i < 3000; ++i)
    {
        const auto bytes = RandomBytes(random, 300, i % 2 == 0 ? "" : "ab \t\r\n\"//1 ");
        CConfigFile plain;
        ASSERT_TRUE(plain.LoadFromBuffer(bytes.data(), bytes.size(), true));
        CConfigFile keyed;
        keyed.SetValue("kept", "1");
        if (!keyed.LoadFromBuffer(bytes.data(), bytes.size(), true, "ko%58w", 6))
        {
            ASSERT_EQ(keyed.GetPairs().size(), 1u);
        }
        else
        {
            ASSERT_FALSE(keyed.HasKey("kept"));
        }
        std::vector<unsigned char> out = {7};
        if (scrambler.Unscramble(bytes.data(), bytes.size(), out, "zq71w", 5))
        {
            ASSERT_EQ(out.size() + 1, bytes.size());
        }
        else
        {
            ASSERT_EQ(out, std::vector<unsigned char>{7});
        }
    }
}

TEST(CFuzzTest, PictureDecodersTakeAnyBytes)
{
    std::mt19937 random(99);
    std::vector<unsigned char> rows(24 * 16 * 3);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<unsigned char>(i * 31);
    const std::vector<unsigned char> seeds[] = {CTestPictures::Tga(5, 3, 32, std::vector<unsigned char>(60, 17)),
                                                CTestPictures::Jpeg(24, 16, 3, rows, 75),
                                                CTestPictures::Jpeg(16, 16, 1, std::vector<unsigned char>(256, 77))};
    CPicture picture;
    for (int i = 0; i < 4500; ++i)
    {
        const bool tga = i % 3 == 0;
        const auto bytes = (i % 5 == 0) ? RandomBytes(random, 200) : Mutate(seeds[i % 3], random);
        if (tga ? CTgaDecoder::Decode(bytes.data(), bytes.size(), picture)
                : CJpegDecoder::Decode(bytes.data(), bytes.size(), picture))
        {
            ASSERT_EQ(picture.m_pixels.size(),
                      static_cast<std::size_t>(picture.m_width) * picture.m_height * picture.m_components);
            ASSERT_TRUE(!tga || picture.m_pixels.size() + 18 <= bytes.size());
        }
    }
}
