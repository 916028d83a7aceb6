#include "engine/gfx/CTexture.h"

#include "platform/CPlatformWindow.h"
#include "engine/files/CFilePack.h"
#include "tests/files/CTempDir.h"
#include "tests/files/CTestPictures.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <memory>

// Uploads into a real GL context; skipped where no display is available.
namespace
{
class CTextureUploadTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (std::getenv("DISPLAY") == nullptr)
            return;
        s_window = std::make_unique<CPlatformWindow>();
        if (!s_window->Create("texture test", 0, 0, 64, 64, false))
            s_window.reset();
    }
    static void TearDownTestSuite()
    {
        if (s_window)
            s_window->Destroy();
        s_window.reset();
    }
    void SetUp() override
    {
        if (!s_window)
            GTEST_SKIP() << "no GL context here";
        CTexture::SetUploadEnabled(true);
        s_window->MakeCurrent();
    }
    void TearDown() override { CTexture::SetUploadEnabled(false); }

    static std::vector<unsigned char> ReadBack(unsigned int name, GLenum format, int width, int height,
                                               int components)
    {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * components);
        glBindTexture(GL_TEXTURE_2D, name);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    static std::unique_ptr<CPlatformWindow> s_window;
};

std::unique_ptr<CPlatformWindow> CTextureUploadTest::s_window;
}

TEST_F(CTextureUploadTest, RgbRowsOfOddWidthArriveUnskewed)
{
    // 3 x 2 pixels: rows of 9 bytes, not a multiple of 4.
    std::vector<unsigned char> bgr;
    for (int i = 0; i < 6; ++i)
    {
        bgr.push_back(static_cast<unsigned char>(10 * i + 3));
        bgr.push_back(static_cast<unsigned char>(10 * i + 2));
        bgr.push_back(static_cast<unsigned char>(10 * i + 1));
    }
    const auto tga = CTestPictures::Tga(3, 2, 24, bgr);
    CTexture texture;
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, false));
    ASSERT_NE(texture.GetId(), 0u);
    const auto rgb = ReadBack(texture.GetId(), GL_RGB, 3, 2, 3);
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(rgb[3 * i], 10 * i + 1) << "pixel " << i;
        EXPECT_EQ(rgb[3 * i + 2], 10 * i + 3) << "pixel " << i;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(CTextureUploadTest, PlainTextureDropsAlphaAndDynamicKeepsIt)
{
    const auto tga = CTestPictures::Tga(2, 2, 32, std::vector<unsigned char>(16, 40));
    CTexture plain;
    CTexture dynamic;
    ASSERT_TRUE(plain.DecodeTga(tga.data(), tga.size(), false, false));
    ASSERT_TRUE(dynamic.DecodeTga(tga.data(), tga.size(), false, true));
    EXPECT_EQ(ReadBack(plain.GetId(), GL_RGBA, 2, 2, 4)[3], 255);
    EXPECT_EQ(ReadBack(dynamic.GetId(), GL_RGBA, 2, 2, 4)[3], 40);
}

TEST_F(CTextureUploadTest, BumpLoadMakesTwoHalfIntensityNamesAndNoPlainOne)
{
    CTempDir dir;
    CTempDir::WriteBytes(dir.File("b.jpg"), CTestPictures::Jpeg(8, 8, 3, std::vector<unsigned char>(192, 255)));
    CFilePack pack;
    CTexture texture;
    ASSERT_TRUE(texture.LoadBump(pack, dir.File("b.jpg"), true, false));
    EXPECT_EQ(texture.GetId(), 0u);
    ASSERT_NE(texture.GetBumpId1(), 0u);
    ASSERT_NE(texture.GetBumpId2(), 0u);
    EXPECT_EQ(ReadBack(texture.GetBumpId1(), GL_RGB, 8, 8, 3)[0], 128);
    EXPECT_EQ(ReadBack(texture.GetBumpId2(), GL_RGB, 8, 8, 3)[0], 0);
    // The flag lasts only for that load.
    ASSERT_TRUE(texture.Load(pack, dir.File("b.jpg"), true, false));
    EXPECT_NE(texture.GetId(), 0u);
    EXPECT_EQ(texture.GetBumpId1(), 0u);
}

TEST_F(CTextureUploadTest, LoadingAgainOrReleasingDeletesTheOldName)
{
    const auto tga = CTestPictures::Tga(1, 1, 24, {1, 2, 3});
    CTexture texture;
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, false));
    const unsigned int first = texture.GetId();
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, true));
    const unsigned int second = texture.GetId();
    EXPECT_TRUE(first == second || !glIsTexture(first));
    texture.Release();
    EXPECT_FALSE(glIsTexture(second));
    EXPECT_EQ(texture.GetId(), 0u);
}
