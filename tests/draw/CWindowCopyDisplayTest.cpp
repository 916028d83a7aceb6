// A copy of the window given back in parts: by a copy of rows where the
// renderer has framebuffer objects, drawn otherwise; either way each pixel
// of a part as it was captured, the right way up, and nothing beyond.

#include <cstddef>
#include <vector>

#include "engine/gfx/CBlitPicture.h"
#include "engine/gfx/CWindowCopy.h"
#include "tests/draw/CGlWindowTest.h"
#include "tests/draw/PatternPicture.h"

namespace
{
class CWindowCopyDisplayTest : public CGlWindowTest
{
protected:
    // The pattern in the window, captured, and the window cleared black.
    void CapturePattern(CWindowCopy& copy)
    {
        CBlitPicture pattern;
        ASSERT_TRUE(pattern.Set(m_picture));
        ASSERT_TRUE(pattern.CopyTo(kWidth, kHeight));
        ASSERT_TRUE(copy.Capture(kWidth, kHeight));
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // The logical screen laid over the window pixel for pixel, for drawing.
    static void LayLogicalScreenOverWindow()
    {
        glMatrixMode(GL_PROJECTION);
        glOrtho(0.0, kWidth, kHeight, 0.0, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
    }

    // Pixels that are not what they should be: the pattern inside the parts
    // (logical = window pixels, from the top left), black outside them.
    int WrongPixels(const std::vector<CDraw2D::SRect>& parts) const
    {
        const std::vector<unsigned char> window = ReadWindow();
        int wrong = 0;
        for (int row = 0; row < kHeight; ++row)
            for (int x = 0; x < kWidth; ++x)
            {
                // Rows from the bottom in both.
                const int y = kHeight - 1 - row;
                bool inside = false;
                for (const CDraw2D::SRect& part : parts)
                    inside = inside || (x >= part.x && x < part.x + part.width && y >= part.y &&
                                        y < part.y + part.height);
                const std::size_t i = static_cast<std::size_t>(row) * kWidth + x;
                for (int c = 0; c < 3; ++c)
                    wrong += window[i * 4 + c] != (inside ? m_picture.m_pixels[i * 3 + c] : 0) ? 1 : 0;
            }
        return wrong;
    }

    const CPicture m_picture = MakePatternPicture(kWidth, kHeight);
    const std::vector<CDraw2D::SRect> m_parts = {{10.0f, 20.0f, 40.0f, 30.0f}, {0.0f, 0.0f, 16.0f, 16.0f},
                                                 {kWidth - 64.0f, kHeight - 48.0f, 64.0f, 48.0f}};
};
} // namespace

TEST_F(CWindowCopyDisplayTest, PartsAreCopiedBackPixelForPixelTheRightWayUp)
{
    CWindowCopy copy;
    CapturePattern(copy);
    ASSERT_TRUE(copy.CopyParts(m_parts, kWidth, kHeight));
    EXPECT_EQ(0, WrongPixels(m_parts));
    // A part reaching beyond the window gives back what lies within it.
    ASSERT_TRUE(copy.CopyParts({{kWidth - 8.0f, -8.0f, 32.0f, 24.0f}}, kWidth, kHeight));
    std::vector<CDraw2D::SRect> all = m_parts;
    all.push_back({kWidth - 8.0f, 0.0f, 8.0f, 16.0f});
    EXPECT_EQ(0, WrongPixels(all));
}

TEST_F(CWindowCopyDisplayTest, PartsAreDrawnBackAsTheyWereCaptured)
{
    CWindowCopy copy;
    CapturePattern(copy);
    LayLogicalScreenOverWindow();
    copy.DrawParts(m_parts, kWidth, kHeight);
    EXPECT_EQ(0, WrongPixels(m_parts));
    glDisable(GL_TEXTURE_2D);
}

TEST_F(CWindowCopyDisplayTest, APartBetweenPixelsIsCopiedOverThePixelsADrawingOfItCovers)
{
    // Edges on pixels' middles and between them, as a panel centred on an
    // odd width puts them.
    const std::vector<CDraw2D::SRect> parts = {{10.5f, 20.5f, 40.0f, 30.0f}, {100.25f, 60.75f, 33.5f, 17.5f}};
    CWindowCopy copy;
    CapturePattern(copy);
    LayLogicalScreenOverWindow();
    copy.DrawParts(parts, kWidth, kHeight);
    glDisable(GL_TEXTURE_2D);
    const std::vector<unsigned char> drawn = ReadWindow();
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_TRUE(copy.CopyParts(parts, kWidth, kHeight));
    const std::vector<unsigned char> copied = ReadWindow();
    EXPECT_TRUE(drawn == copied);
}

TEST_F(CWindowCopyDisplayTest, NothingIsCopiedIntoAViewportOfAnotherSize)
{
    CWindowCopy copy;
    CapturePattern(copy);
    glViewport(0, 0, kWidth / 2, kHeight / 2);
    EXPECT_FALSE(copy.CopyParts(m_parts, kWidth, kHeight));
    glViewport(0, 0, kWidth, kHeight);
    EXPECT_EQ(0, WrongPixels({}));
    // Nor from a copy that holds nothing.
    CWindowCopy empty;
    EXPECT_FALSE(empty.CopyParts(m_parts, kWidth, kHeight));
}
