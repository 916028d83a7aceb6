#include "engine/gfx/CJpegDecoder.h"

#include "tests/files/CTestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Top half red, bottom half blue, as libjpeg takes rows: top first.
std::vector<unsigned char> RedOverBlue(int width, int height)
{
    std::vector<unsigned char> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const bool top = y < height / 2;
            pixels.insert(pixels.end(), {static_cast<unsigned char>(top ? 255 : 0), 0,
                                         static_cast<unsigned char>(top ? 0 : 255)});
        }
    return pixels;
}

bool Near(int a, int b)
{
    return std::abs(a - b) <= 8;
}
}

TEST(CJpegDecoderTest, PicturesComeOutBottomRowFirstWithoutRowPaddingAndGreyExpandsToRgb)
{
    const auto jpeg = CTestPictures::Jpeg(16, 16, 3, RedOverBlue(16, 16));
    CPicture picture;
    ASSERT_TRUE(CJpegDecoder::Decode(jpeg.data(), jpeg.size(), picture));
    EXPECT_EQ(picture.m_width, 16);
    EXPECT_EQ(picture.m_components, 3);
    ASSERT_EQ(picture.m_pixels.size(), 16u * 16 * 3);
    const unsigned char* bottom = picture.GetPixel(3, 0);
    const unsigned char* top = picture.GetPixel(3, 15);
    EXPECT_TRUE(Near(bottom[0], 0) && Near(bottom[2], 255)) << int(bottom[0]) << " " << int(bottom[2]);
    EXPECT_TRUE(Near(top[0], 255) && Near(top[2], 0)) << int(top[0]) << " " << int(top[2]);

    const auto odd = CTestPictures::Jpeg(7, 5, 3, RedOverBlue(7, 5));
    ASSERT_TRUE(CJpegDecoder::Decode(odd.data(), odd.size(), picture));
    EXPECT_EQ(picture.m_pixels.size(), 7u * 5 * 3);

    // Grey has one component until it is expanded.
    const auto grey = CTestPictures::Jpeg(8, 8, 1, std::vector<unsigned char>(8 * 8, 200));
    ASSERT_TRUE(CJpegDecoder::Decode(grey.data(), grey.size(), picture));
    ASSERT_EQ(picture.m_pixels.size(), 64u);
    picture.ExpandGreyToRgb();
    ASSERT_EQ(picture.m_pixels.size(), 192u);
    const unsigned char* p = picture.GetPixel(7, 7);
    EXPECT_TRUE(Near(p[0], 200) && p[0] == p[1] && p[1] == p[2]);
}

TEST(CJpegDecoderTest, BlockCutBeforeItsEndStillDecodes)
{
    std::vector<unsigned char> noise(128 * 128 * 3);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    const auto jpeg = CTestPictures::Jpeg(128, 128, 3, noise, 90);
    ASSERT_GT(jpeg.size(), 8000u);
    CPicture picture;
    ASSERT_TRUE(CJpegDecoder::Decode(jpeg.data(), jpeg.size() - 2, picture));
    // Well past the tables, inside the scan data.
    ASSERT_TRUE(CJpegDecoder::Decode(jpeg.data(), jpeg.size() * 2 / 3, picture));
    EXPECT_EQ(picture.m_height, 128);
}

TEST(CJpegDecoderTest, BrokenOrForgedDataIsRefusedAndLeavesThePicture)
{
    CPicture picture;
    picture.m_width = 9;
    const std::vector<unsigned char> junk = {0x12, 0x34, 0x56, 0x78, 0x9A};
    EXPECT_FALSE(CJpegDecoder::Decode(junk.data(), junk.size(), picture));
    EXPECT_FALSE(CJpegDecoder::Decode(junk.data(), 0, picture));
    EXPECT_FALSE(CJpegDecoder::Decode(nullptr, 0, picture));
    auto jpeg = CTestPictures::Jpeg(8, 8, 3, RedOverBlue(8, 8));
    // Only the start-of-image marker: the header never comes.
    EXPECT_FALSE(CJpegDecoder::Decode(jpeg.data(), 2, picture));
    // A frame header claiming 60000 x 60000 is refused without allocating.
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
        {
            jpeg[i + 5] = jpeg[i + 7] = 0xEA;
            jpeg[i + 6] = jpeg[i + 8] = 0x60;
            break;
        }
    EXPECT_FALSE(CJpegDecoder::Decode(jpeg.data(), jpeg.size(), picture));
    EXPECT_EQ(picture.m_width, 9);
}
