#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CTextLabel.h"
#include "tests/gfx/CFontTestPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
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

    std::vector<std::string> Wrap(const std::string& text, float max_width)
    {
        CTextLabel label(&m_font, max_width, 10.0f, 0);
        label.SetText(text.data(), text.size());
        return label.GetLines();
    }

    CBitmapFont m_font;
};

using Lines = std::vector<std::string>;
}

TEST_F(CTextLabelTest, TwoWordsThatFitMakeOneLine)
{
    EXPECT_EQ(Wrap("ab cd", 100.0f), (Lines{"ab cd "}));
}

TEST_F(CTextLabelTest, WordThatReachesTheWidthExactlyGoesToTheNextLine)
{
    EXPECT_EQ(Wrap("ab cd", 54.0f), (Lines{"ab ", "cd "}));
    EXPECT_EQ(Wrap("ab cd", 54.5f), (Lines{"ab cd "}));
}

TEST_F(CTextLabelTest, FirstWordWiderThanTheLabelGivesAnEmptyFirstLine)
{
    EXPECT_EQ(Wrap("abcdef gh", 30.0f), (Lines{"", "abcdef ", "gh "}));
}

TEST_F(CTextLabelTest, TwoSpacesStayTwoSpaces)
{
    EXPECT_EQ(Wrap("ab  cd", 100.0f), (Lines{"ab  cd "}));
}

TEST_F(CTextLabelTest, CarriageReturnBreaksAndLineFeedIsIgnored)
{
    EXPECT_EQ(Wrap("ab\rcd", 100.0f), (Lines{"ab ", "cd "}));
    EXPECT_EQ(Wrap("ab\ncd", 100.0f), (Lines{"abcd "}));
    EXPECT_EQ(Wrap("ab\r\ncd", 100.0f), (Lines{"ab ", "cd "}));
}

TEST_F(CTextLabelTest, EmptyTextGivesOneEmptyLine)
{
    EXPECT_EQ(Wrap("", 100.0f), (Lines{" "}));
}

TEST_F(CTextLabelTest, SetTextAppendsToTheLinesAlreadyHeld)
{
    CTextLabel label(&m_font, 100.0f, 10.0f, 0);
    label.SetText("ab", 2);
    label.SetText("cd", 2);
    EXPECT_EQ(label.GetLines(), (Lines{"ab ", "cd "}));
}

TEST_F(CTextLabelTest, LengthBoundsTheTextEvenWithoutATerminator)
{
    const char bytes[] = {'a', 'b', ' ', 'c', 'd'};
    CTextLabel label(&m_font, 100.0f, 10.0f, 0);
    label.SetText(bytes, 3);
    EXPECT_EQ(label.GetLines(), (Lines{"ab  "}));
}

TEST_F(CTextLabelTest, VisibleCountLimitsTheLinesDrawn)
{
    CTextLabel label(&m_font, 100.0f, 10.0f, 3);
    std::string text = "a\rb\rc\rd";
    label.SetText(text.data(), text.size());
    ASSERT_EQ(label.GetLines().size(), 4u);
    EXPECT_EQ(label.GetDrawnLineCount(), 3u);
    label.SetVisibleCount(0);
    EXPECT_EQ(label.GetDrawnLineCount(), 4u);
    label.SetVisibleCount(9);
    EXPECT_EQ(label.GetDrawnLineCount(), 4u);
}
