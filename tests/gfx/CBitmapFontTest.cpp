#include "engine/gfx/CBitmapFont.h"
#include "tests/gfx/CFontTestPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// 94 glyphs: three bands of 24 and one of 22.
const std::vector<int> kFullFont{24, 24, 24, 22};

bool LoadFont(CBitmapFont& font, const std::vector<int>& bands, int bits = 32)
{
    std::vector<unsigned char> tga = CFontTestPicture::Make(bands, bits);
    return font.Load(tga.data(), tga.size(), nullptr);
}
}

TEST(CBitmapFontTest, GlyphBoxesAreCutFromTransparentGapsBandByBandFromTheTop)
{
    CBitmapFont font;
    ASSERT_TRUE(LoadFont(font, kFullFont));
    EXPECT_EQ(font.GetFoundCount(), 94);
    const float height = 2 + 4 * CFontTestPicture::kBandPitch;
    const float width = CFontTestPicture::kWidth;

    // '!' is the first glyph right of the top band's marker, one pixel wider on each side.
    const SGlyph& bang = font.GetGlyph(0);
    EXPECT_FLOAT_EQ(bang.m_left, 3.0f / width);
    EXPECT_FLOAT_EQ(bang.m_right, 8.0f / width);
    // Stored rows count from the bottom: the top band spans rows 23 to 28.
    EXPECT_FLOAT_EQ(bang.m_top, 28.0f / height);
    EXPECT_FLOAT_EQ(bang.m_bottom, 23.0f / height);
    EXPECT_FLOAT_EQ(font.GetBandHeight(), 5.0f / height);

    // Glyph 24 opens the second band.
    const SGlyph& second = font.GetGlyph(24);
    EXPECT_FLOAT_EQ(second.m_left, 3.0f / width);
    EXPECT_FLOAT_EQ(second.m_top, 21.0f / height);
    // '~', the last glyph, is the 22nd of the bottom band.
    const SGlyph& tilde = font.GetGlyph(93);
    EXPECT_FLOAT_EQ(tilde.m_left, (3.0f + 21 * 5) / width);
    EXPECT_FLOAT_EQ(tilde.m_bottom, 2.0f / height);
}

TEST(CBitmapFontTest, WrongGlyphCountFailsKeepingWhatWasFoundWithinTheTable)
{
    CBitmapFont font;
    EXPECT_FALSE(LoadFont(font, {24, 24, 24, 21}));
    EXPECT_EQ(font.GetFoundCount(), 93);
    EXPECT_GT(font.GetGlyph(92).m_right, 0.0f);
    EXPECT_FLOAT_EQ(font.GetGlyph(93).m_right, 0.0f);
    EXPECT_FALSE(LoadFont(font, {24, 24, 24, 24, 24}));
    EXPECT_EQ(font.GetFoundCount(), 120);
    EXPECT_GT(font.GetGlyph(93).m_right, 0.0f);
}

TEST(CBitmapFontTest, PictureWithout32BitsOrCutShortIsRefusedAndMeasuresZero)
{
    CBitmapFont font;
    EXPECT_FALSE(LoadFont(font, kFullFont, 24));
    EXPECT_EQ(font.GetFoundCount(), 0);
    std::vector<unsigned char> tga = CFontTestPicture::Make(kFullFont);
    tga.resize(tga.size() - 1);
    EXPECT_FALSE(font.Load(tga.data(), tga.size(), nullptr));
    EXPECT_FALSE(font.Load(nullptr, 0, nullptr));
    EXPECT_FLOAT_EQ(font.GetTextWidth("AAA", 10.0f), 0.0f);
}

TEST(CBitmapFontTest, SpaceIsAsWideAsCapitalAAndTheGapATenthOfIt)
{
    CBitmapFont font;
    ASSERT_TRUE(LoadFont(font, kFullFont));
    const struct
    {
        const char* text;
        float size;
        float width;
    } cases[] = {
        {"A", 10.0f, 11.0f}, {" ", 10.0f, 10.0f}, {"A A", 10.0f, 32.0f}, {"A A", 5.0f, 16.0f},
        {"", 10.0f, 0.0f},   {nullptr, 10.0f, 0.0f},
        {"\x01" "A\n\t\x7f\x80\xff" "B", 10.0f, 22.0f},   // bytes without a glyph are skipped
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(font.GetTextWidth(c.text, c.size), c.width) << (c.text ? c.text : "null");
}
