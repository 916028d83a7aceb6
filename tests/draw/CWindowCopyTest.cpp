// The copy of the window's picture: nothing without a context, and on a
// real one (run under a virtual display) the same pixels drawn back.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CTexture.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CWindowCopy.h"
#include "platform/CPlatform.h"

TEST(CWindowCopyTest, HoldsNothingWhileUploadsAreOff)
{
    const bool was = CTexture::IsUploadEnabled();
    CTexture::SetUploadEnabled(false);
    CWindowCopy copy;
    EXPECT_FALSE(copy.Capture(320, 240));
    EXPECT_FALSE(copy.HasTexture());
    CTexture::SetUploadEnabled(was);
}

namespace
{
const int kWidth = 160;
const int kHeight = 120;

class CWindowCopyDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!CPlatform::Init())
            GTEST_SKIP() << "no display";
        CTexture::SetUploadEnabled(true);
        m_window = std::make_unique<CAppWindow>("Marblewend", nullptr);
        if (!m_window->CreateWindowed("Marblewend", 0, 0, kWidth, kHeight))
            GTEST_SKIP() << "no GL window";
    }

    void TearDown() override
    {
        if (m_window)
            m_window->Destroy();
        m_window.reset();
        CTexture::SetUploadEnabled(false);
        CPlatform::Shutdown();
    }

    static std::vector<unsigned char> ReadWindow()
    {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
        glFinish();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Four quadrants of different colours, so a flipped copy cannot pass.
    static void DrawQuadrants()
    {
        glEnable(GL_SCISSOR_TEST);
        const float colours[4][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}};
        for (int q = 0; q < 4; ++q)
        {
            glScissor((q % 2) * kWidth / 2, (q / 2) * kHeight / 2, kWidth / 2, kHeight / 2);
            glClearColor(colours[q][0], colours[q][1], colours[q][2], 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        glDisable(GL_SCISSOR_TEST);
    }

    std::unique_ptr<CAppWindow> m_window;
};
}

TEST_F(CWindowCopyDisplayTest, DrawsBackTheCapturedPicturePixelForPixel)
{
    CViewParams view;
    view.SetOrtho(kWidth, kHeight);
    glDisable(GL_DEPTH_TEST);
    DrawQuadrants();
    const std::vector<unsigned char> drawn = ReadWindow();

    CWindowCopy copy;
    ASSERT_TRUE(copy.Capture(kWidth, kHeight));
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    copy.Draw(static_cast<float>(view.GetWidth()), static_cast<float>(view.GetHeight()));
    EXPECT_EQ(drawn, ReadWindow());
}

TEST_F(CWindowCopyDisplayTest, ANewSizeTakesANewTextureAndReleaseDropsIt)
{
    CWindowCopy copy;
    ASSERT_TRUE(copy.Capture(kWidth, kHeight));
    ASSERT_TRUE(copy.Capture(kWidth / 2, kHeight / 2));
    EXPECT_EQ(kWidth / 2, copy.GetWidth());
    EXPECT_EQ(kHeight / 2, copy.GetHeight());
    copy.Release();
    EXPECT_FALSE(copy.HasTexture());
    EXPECT_FALSE(copy.Capture(0, kHeight));
}
