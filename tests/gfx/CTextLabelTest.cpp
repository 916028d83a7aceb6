#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CTextLabel.h"
#include "tests/gfx/CFontTestPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

// At size 10 every glyph is 10 wide with a gap of 1, and a space is 10:
// "ab" measures 22 and "ab " 32.
class CTextLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<unsigned char> tga = CFontTestPicture::Make({24, 24, 24, 22});
        ASSERT_TRUE(m_font.Load(tga.data(), tga.size(), nullptr));
    }

    CBitmapFont m_font;
};
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
