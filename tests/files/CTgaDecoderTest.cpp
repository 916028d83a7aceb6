#include "engine/gfx/CTgaDecoder.h"

#include "tests/files/CTestPictures.h"

#include <gtest/gtest.h>

TEST(CTgaDecoderTest, TwentyFourBitPixelsComeOutAsRgbBottomRowFirst)
{
    // Stored bottom row first: (blue, green) then (red, white), in B, G, R order.
    const std::vector<unsigned char> pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    CPicture picture;
    ASSERT_TRUE(CTgaDecoder::Decode(CTestPictures::Tga(2, 2, 24, pixels).data(), 18 + 12, picture));
    EXPECT_EQ(picture.m_width, 2);
    EXPECT_EQ(picture.m_height, 2);
    EXPECT_EQ(picture.m_components, 3);
    EXPECT_EQ(picture.m_pixels,
              (std::vector<unsigned char>{0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255}));
    const unsigned char* bottomLeft = picture.GetPixel(0, 0);
    EXPECT_EQ(bottomLeft[2], 255);   // blue
}

TEST(CTgaDecoderTest, ThirtyTwoBitPixelsKeepTheirAlpha)
{
    const std::vector<unsigned char> pixels = {10, 20, 30, 40};
    CPicture picture;
    const auto tga = CTestPictures::Tga(1, 1, 32, pixels);
    ASSERT_TRUE(CTgaDecoder::Decode(tga.data(), tga.size(), picture));
    EXPECT_EQ(picture.m_components, 4);
    EXPECT_EQ(picture.m_pixels, (std::vector<unsigned char>{30, 20, 10, 40}));
}

TEST(CTgaDecoderTest, ImageDescriptorIsNotRead)
{
    auto tga = CTestPictures::Tga(1, 1, 24, {1, 2, 3});
    tga[17] = 0x20;   // top-left origin: still taken as stored
    CPicture picture;
    ASSERT_TRUE(CTgaDecoder::Decode(tga.data(), tga.size(), picture));
    EXPECT_EQ(picture.m_pixels, (std::vector<unsigned char>{3, 2, 1}));
}

TEST(CTgaDecoderTest, OtherFormsAreRefused)
{
    const auto good = CTestPictures::Tga(1, 1, 24, {1, 2, 3});
    CPicture picture;
    ASSERT_TRUE(CTgaDecoder::Decode(good.data(), good.size(), picture));
    for (std::size_t at : {0u, 1u, 3u, 7u, 8u, 10u, 11u})
    {
        auto bad = good;
        bad[at] = 1;
        EXPECT_FALSE(CTgaDecoder::Decode(bad.data(), bad.size(), picture)) << "byte " << at;
    }
    auto rle = good;
    rle[2] = 10;
    EXPECT_FALSE(CTgaDecoder::Decode(rle.data(), rle.size(), picture));
    for (int bits : {8, 16, 15, 31, 0})
    {
        const auto other = CTestPictures::Tga(1, 1, bits, std::vector<unsigned char>(8, 0));
        EXPECT_FALSE(CTgaDecoder::Decode(other.data(), other.size(), picture)) << bits << " bits";
    }
}

TEST(CTgaDecoderTest, ZeroWidthOrHeightIsRefused)
{
    CPicture picture;
    const auto noWidth = CTestPictures::Tga(0, 2, 24, {});
    const auto noHeight = CTestPictures::Tga(2, 0, 24, {});
    EXPECT_FALSE(CTgaDecoder::Decode(noWidth.data(), noWidth.size(), picture));
    EXPECT_FALSE(CTgaDecoder::Decode(noHeight.data(), noHeight.size(), picture));
}

TEST(CTgaDecoderTest, FileShorterThanItsHeaderClaimsIsRefusedAndLeavesThePicture)
{
    const auto full = CTestPictures::Tga(300, 200, 32, std::vector<unsigned char>(300 * 200 * 4, 7));
    CPicture picture;
    picture.m_width = 5;
    for (std::size_t cut : {0u, 5u, 17u, 18u, 19u, static_cast<unsigned>(full.size() - 1)})
        EXPECT_FALSE(CTgaDecoder::Decode(full.data(), cut, picture)) << "cut at " << cut;
    EXPECT_EQ(picture.m_width, 5);
    EXPECT_FALSE(CTgaDecoder::Decode(nullptr, 0, picture));
    EXPECT_TRUE(CTgaDecoder::Decode(full.data(), full.size(), picture));
}

TEST(CTgaDecoderTest, LargestSizeIsReadFromBothHeaderBytes)
{
    const auto tga = CTestPictures::Tga(258, 1, 24, std::vector<unsigned char>(258 * 3, 1));
    CPicture picture;
    ASSERT_TRUE(CTgaDecoder::Decode(tga.data(), tga.size(), picture));
    EXPECT_EQ(picture.m_width, 258);
}
