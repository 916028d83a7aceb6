// The bitmap font measures text; the text label wraps it into lines.
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CTextLabel.h"
#include "tests/gfx/CFontTestPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
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

using Lines = std::vector<std::string>;

// At size 10 every glyph is 10 wide with a gap of 1, and a space is 10:
// "ab" measures 22 and "ab " 32.
class CTextLabelTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(LoadFont(m_font, kFullFont)); }

    CBitmapFont m_font;
};
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

TEST(CBitmapFontTest, BadPicturesFailKeepingOnlyWhatWasFoundWithinTheTable)
{
    CBitmapFont font;
    EXPECT_FALSE(LoadFont(font, {24, 24, 24, 21}));
    EXPECT_EQ(font.GetFoundCount(), 93);
    EXPECT_GT(font.GetGlyph(92).m_right, 0.0f);
    EXPECT_FLOAT_EQ(font.GetGlyph(93).m_right, 0.0f);
    EXPECT_FALSE(LoadFont(font, {24, 24, 24, 24, 24}));
    EXPECT_EQ(font.GetFoundCount(), 120);
    EXPECT_GT(font.GetGlyph(93).m_right, 0.0f);
    // A picture without 32 bits or cut short is refused and a fresh font measures nothing.
    CBitmapFont fresh;
    EXPECT_FALSE(LoadFont(fresh, kFullFont, 24));
    EXPECT_EQ(fresh.GetFoundCount(), 0);
    std::vector<unsigned char> tga = CFontTestPicture::Make(kFullFont);
    tga.resize(tga.size() - 1);
    EXPECT_FALSE(fresh.Load(tga.data(), tga.size(), nullptr));
    EXPECT_FALSE(fresh.Load(nullptr, 0, nullptr));
    EXPECT_FLOAT_EQ(fresh.GetTextWidth("AAA", 10.0f), 0.0f);
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

TEST_F(CTextLabelTest, TextWrapsAtWordsAndCarriageReturns)
{
    const struct
    {
        std::string text;
        float width;
        Lines lines;
    } cases[] = {
        {"ab cd", 100.0f, {"ab cd "}},
        {"ab cd", 54.0f, {"ab ", "cd "}},          // reaching the width exactly breaks
        {"ab cd", 54.5f, {"ab cd "}},
        {"abcdef gh", 30.0f, {"", "abcdef ", "gh "}},
        {"ab  cd", 100.0f, {"ab  cd "}},
        {"ab\rcd", 100.0f, {"ab ", "cd "}},
        {"ab\ncd", 100.0f, {"abcd "}},             // a line feed is ignored
        {"ab\r\ncd", 100.0f, {"ab ", "cd "}},
        {"", 100.0f, {" "}},
        {std::string("ab cd", 3), 100.0f, {"ab  "}},   // the length bounds the text
    };
    for (const auto& c : cases)
    {
        CTextLabel label(&m_font, c.width, 10.0f, 0);
        label.SetText(c.text.data(), c.text.size());
        EXPECT_EQ(label.GetLines(), c.lines) << "\"" << c.text << "\" in " << c.width;
    }
}

TEST_F(CTextLabelTest, SetTextAppendsAndTheVisibleCountLimitsTheLinesDrawn)
{
    CTextLabel label(&m_font, 100.0f, 10.0f, 3);
    label.SetText("ab", 2);
    label.SetText("c\rd\re", 5);
    EXPECT_EQ(label.GetLines(), (Lines{"ab ", "c ", "d ", "e "}));
    EXPECT_EQ(label.GetDrawnLineCount(), 3u);
    label.SetVisibleCount(0);
    EXPECT_EQ(label.GetDrawnLineCount(), 4u);
    label.SetVisibleCount(9);
    EXPECT_EQ(label.GetDrawnLineCount(), 4u);
}

TEST_F(CTextLabelTest, LastLineFootCountsOnlyTheLinesDrawn)
{
    // Four lines of size 10 whose first foot is at 50.
    struct Case
    {
        int visible;
        float foot;
    };
    for (const Case& c : {Case{0, 80.0f}, Case{3, 70.0f}, Case{1, 50.0f}, Case{9, 80.0f}})
    {
        CTextLabel label(&m_font, 100.0f, 10.0f, c.visible);
        label.SetText("a\rb\rc\rd", 7);
        EXPECT_EQ(label.GetLastLineFoot(50.0f), c.foot) << c.visible;
    }
    CTextLabel empty(&m_font, 100.0f, 10.0f, 0);
    EXPECT_EQ(empty.GetLastLineFoot(50.0f), 50.0f);
}

TEST(CBitmapFontTest, MutatedFontPictureNeverReadsOutOfBounds)
{
    std::vector<unsigned char> picture = CFontTestPicture::Make(kFullFont);
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round)
    {
        std::vector<unsigned char> bytes = picture;
        int edits = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < edits; ++i)
        {
            // The header too: sizes that lie about the pixels must be refused.
            size_t at = (random() % 4 == 0) ? random() % 18 : random() % bytes.size();
            bytes[at] = static_cast<unsigned char>(random());
        }
        if (random() % 5 == 0)
        {
            bytes.resize(random() % bytes.size());
        }
        CBitmapFont font;
        font.Load(bytes.data(), bytes.size(), nullptr);
        std::string text;
        for (int i = 0; i < 40; ++i)
        {
            text += static_cast<char>(1 + random() % 255);
        }
        const float width = font.GetTextWidth(text.c_str(), 12.0f);
        ASSERT_TRUE(std::isfinite(width) && width >= 0.0f) << width;
        CTextLabel label(&font, 100.0f, 12.0f, 0);
        label.SetText(text.data(), text.size());
    }
}
