#include "engine/gfx/CTgaDecoder.h"

#include "tests/files/CTestPictures.h"

#include <gtest/gtest.h>

using Bytes = std::vector<unsigned char>;

TEST(CTgaDecoderTest, PixelsComeOutAsRgbOrRgbaBottomRowFirstWhateverTheDescriptor)
{
    // Stored B, G, R(, A); the image descriptor (here "top-left origin") is not read.
    const struct
    {
        int width, height, bits;
        Bytes stored;
        int components;
        Bytes pixels;
    } cases[] = {
        {2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}, 3,
         {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255}},
        {1, 1, 32, {10, 20, 30, 40}, 4, {30, 20, 10, 40}},
        {258, 1, 24, Bytes(258 * 3, 1), 3, Bytes(258 * 3, 1)},
    };
    for (const auto& c : cases)
    {
        auto tga = CTestPictures::Tga(c.width, c.height, c.bits, c.stored);
        tga[17] = 0x20;
        CPicture picture;
        ASSERT_TRUE(CTgaDecoder::Decode(tga.data(), tga.size(), picture));
        EXPECT_EQ(picture.m_width, c.width);
        EXPECT_EQ(picture.m_height, c.height);
        EXPECT_EQ(picture.m_components, c.components);
        EXPECT_EQ(picture.m_pixels, c.pixels);
    }
}

TEST(CTgaDecoderTest, OtherFormsAreRefusedAndLeaveThePicture)
{
    const auto good = CTestPictures::Tga(1, 1, 24, {1, 2, 3});
    std::vector<Bytes> bad;
    for (std::size_t at : {0u, 1u, 2u, 3u, 7u, 8u, 10u, 11u})
    {
        bad.push_back(good);
        bad.back()[at] = at == 2 ? 10 : 1;   // 10: run-length coded
    }
    for (int bits : {8, 16, 15, 31, 0})
        bad.push_back(CTestPictures::Tga(1, 1, bits, Bytes(8, 0)));
    bad.push_back(CTestPictures::Tga(0, 2, 24, {}));
    bad.push_back(CTestPictures::Tga(2, 0, 24, {}));
    const auto big = CTestPictures::Tga(300, 200, 32, Bytes(300 * 200 * 4, 7));
    for (std::size_t cut : {0u, 5u, 17u, 18u, 19u, static_cast<unsigned>(big.size() - 1)})
        bad.emplace_back(big.begin(), big.begin() + static_cast<long>(cut));
    CPicture picture;
    picture.m_width = 5;
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(CTgaDecoder::Decode(bad[i].data(), bad[i].size(), picture)) << "case " << i;
    EXPECT_FALSE(CTgaDecoder::Decode(nullptr, 0, picture));
    EXPECT_EQ(picture.m_width, 5);
    EXPECT_TRUE(CTgaDecoder::Decode(big.data(), big.size(), picture));
}
