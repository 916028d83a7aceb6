// A picture copied into the window instead of drawn: every pixel where the
// picture has it, the right way up and in its own colours, and nothing at
// all for a picture that does not fit.

#include <vector>

#include "engine/gfx/CBlitPicture.h"
#include "engine/gfx/CPicture.h"
#include "tests/draw/CGlWindowTest.h"
#include "tests/draw/PatternPicture.h"

namespace
{
using CBlitPictureDisplayTest = CGlWindowTest;
}

TEST_F(CBlitPictureDisplayTest, PictureOfTheWindowsSizeIsCopiedPixelForPixelTheRightWayUp)
{
    const CPicture picture = MakePatternPicture(kWidth, kHeight);
    CBlitPicture copy;
    ASSERT_TRUE(copy.Set(picture));
    EXPECT_TRUE(copy.CopyTo(kWidth, kHeight));

    // Both rows bottom first: the window's row y is the picture's row y.
    const std::vector<unsigned char> window = ReadWindow();
    int wrong = 0;
    for (int i = 0; i < kWidth * kHeight; ++i)
        for (int c = 0; c < 3; ++c)
            wrong += window[i * 4 + c] != picture.m_pixels[i * 3 + c] ? 1 : 0;
    EXPECT_EQ(0, wrong);
    // The picture's last row is the top one.
    const unsigned char* topLeft = &picture.m_pixels[static_cast<std::size_t>(kHeight - 1) * kWidth * 3];
    EXPECT_EQ((std::vector<int>{topLeft[0], topLeft[1], topLeft[2]}), PixelAt(0, 0));
}

TEST_F(CBlitPictureDisplayTest, PictureOfAnotherSizeIsNotCopied)
{
    CBlitPicture copy;
    ASSERT_TRUE(copy.Set(MakePatternPicture(kWidth / 2, kHeight / 2)));
    EXPECT_FALSE(copy.CopyTo(kWidth, kHeight));
    EXPECT_EQ(0, CountLitPixels(0, 0, kWidth, kHeight));

    copy.Release();
    EXPECT_FALSE(copy.IsSet());
    EXPECT_FALSE(copy.CopyTo(kWidth / 2, kHeight / 2));
}

TEST_F(CBlitPictureDisplayTest, PictureWithoutItsPixelsIsRefused)
{
    CPicture picture = MakePatternPicture(kWidth, kHeight);
    picture.m_pixels.resize(picture.m_pixels.size() / 2);
    CBlitPicture copy;
    EXPECT_FALSE(copy.Set(picture));
    EXPECT_FALSE(copy.CopyTo(kWidth, kHeight));
}
