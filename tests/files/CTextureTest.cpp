#include "engine/gfx/CTexture.h"

#include "engine/files/CFilePack.h"
#include "tests/files/CTempDir.h"
#include "tests/files/CTestPictures.h"
#include "tools/packwriter/CPackWriter.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
std::vector<unsigned char> FlatRgb(int width, int height, unsigned char value)
{
    return std::vector<unsigned char>(static_cast<std::size_t>(width) * height * 3, value);
}

// Headless: pictures decode, nothing is uploaded; each test runs in its own directory.
class CTextureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTexture::SetUploadEnabled(false);
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        m_old_dir = buffer;
        ASSERT_EQ(chdir(m_dir.GetPath().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(m_old_dir.c_str()), 0); }

    CTempDir m_dir;
    std::string m_old_dir;
};
}

TEST_F(CTextureTest, NameEndingInEitherCaseOfAIsReadAsTga)
{
    const auto tga = CTestPictures::Tga(3, 2, 24, std::vector<unsigned char>(18, 1));
    CTempDir::WriteBytes("pic.tga", tga);
    CTempDir::WriteBytes("PIC.TGA", tga);
    CFilePack pack;
    CTexture lower;
    CTexture upper;
    EXPECT_TRUE(lower.Load(pack, "pic.tga", false, false));
    EXPECT_TRUE(upper.Load(pack, "PIC.TGA", false, true));
    EXPECT_EQ(lower.GetWidth(), 3);
    EXPECT_EQ(upper.GetHeight(), 2);
}

TEST_F(CTextureTest, OtherEndingsAreReadAsJpeg)
{
    const auto jpeg = CTestPictures::Jpeg(4, 4, 3, FlatRgb(4, 4, 90));
    CTempDir::WriteBytes("pic.jpg", jpeg);
    CTempDir::WriteBytes("noext", jpeg);
    CTempDir::WriteBytes("tga_named_jpg", CTestPictures::Tga(1, 1, 24, {1, 2, 3}));
    CFilePack pack;
    CTexture texture;
    EXPECT_TRUE(texture.Load(pack, "pic.jpg", true, true));
    EXPECT_EQ(texture.GetComponents(), 3);
    EXPECT_TRUE(texture.Load(pack, "noext", true, true));
    EXPECT_FALSE(texture.Load(pack, "tga_named_jpg", true, true));
}

TEST_F(CTextureTest, FailedDecodeReportsFalseAndKeepsTheOldSize)
{
    CTempDir::WriteBytes("good.tga", CTestPictures::Tga(5, 6, 24, std::vector<unsigned char>(90, 0)));
    CTempDir::WriteBytes("short.tga", CTestPictures::Tga(5, 6, 24, std::vector<unsigned char>(89, 0)));
    CTempDir::WriteBytes("bad.jpg", {1, 2, 3});
    CFilePack pack;
    CTexture texture;
    ASSERT_TRUE(texture.Load(pack, "good.tga", false, false));
    EXPECT_FALSE(texture.Load(pack, "short.tga", false, false));
    EXPECT_FALSE(texture.Load(pack, "bad.jpg", false, false));
    EXPECT_EQ(texture.GetWidth(), 5);
    EXPECT_EQ(texture.GetHeight(), 6);
}

TEST_F(CTextureTest, MissingFileThrowsThePacksError)
{
    CFilePack pack;
    CTexture texture;
    EXPECT_THROW(texture.Load(pack, "none.tga", false, false), CFilePackError);
    EXPECT_THROW(texture.LoadBump(pack, "none.jpg", false, false), CFilePackError);
}

TEST_F(CTextureTest, GreyJpegLoadsAsThreeComponents)
{
    CTempDir::WriteBytes("grey.jpg", CTestPictures::Jpeg(8, 8, 1, std::vector<unsigned char>(64, 128)));
    CFilePack pack;
    CTexture texture;
    EXPECT_TRUE(texture.Load(pack, "grey.jpg", false, false));
    EXPECT_EQ(texture.GetComponents(), 3);
}

TEST_F(CTextureTest, PicturesAreReadThroughThePack)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("mui/font.tga", CTestPictures::Tga(2, 2, 32, std::vector<unsigned char>(16, 9)), true));
    ASSERT_TRUE(writer.Write("data.pk"));
    CFilePack pack;
    pack.SetPassPhrase(CFilePack::kPassPhrase);
    ASSERT_TRUE(pack.Open("data.pk"));
    CTexture texture;
    EXPECT_TRUE(texture.Load(pack, "mui\\font.tga", false, true));
    EXPECT_EQ(texture.GetComponents(), 4);
}

TEST_F(CTextureTest, BumpHalvesMapTheChannelExtremes)
{
    CPicture picture;
    picture.m_width = 2;
    picture.m_height = 1;
    picture.m_components = 3;
    picture.m_pixels = {255, 255, 255, 0, 0, 0};
    const CPicture plain = CTexture::MakeBumpHalf(picture, false);
    const CPicture inverted = CTexture::MakeBumpHalf(picture, true);
    EXPECT_EQ(plain.m_pixels, (std::vector<unsigned char>{128, 128, 128, 0, 0, 0}));
    EXPECT_EQ(inverted.m_pixels, (std::vector<unsigned char>{0, 0, 0, 128, 128, 128}));
}

TEST_F(CTextureTest, CombinedAlphaNeedsMatchingSizesAndComponents)
{
    const auto color = CTestPictures::Jpeg(8, 8, 3, FlatRgb(8, 8, 50));
    const auto alpha = CTestPictures::Jpeg(8, 8, 1, std::vector<unsigned char>(64, 255));
    const auto smallAlpha = CTestPictures::Jpeg(4, 8, 1, std::vector<unsigned char>(32, 255));
    CTexture texture;
    EXPECT_TRUE(texture.CombineAlpha(color.data(), color.size(), alpha.data(), alpha.size(), false, true));
    EXPECT_EQ(texture.GetComponents(), 4);
    EXPECT_FALSE(texture.CombineAlpha(color.data(), color.size(), smallAlpha.data(), smallAlpha.size(), false, true));
    EXPECT_FALSE(texture.CombineAlpha(color.data(), color.size(), color.data(), color.size(), false, true));
    EXPECT_FALSE(texture.CombineAlpha(alpha.data(), alpha.size(), alpha.data(), alpha.size(), false, true));
}

TEST_F(CTextureTest, WithoutUploadsTheNamesStayZero)
{
    const auto jpeg = CTestPictures::Jpeg(4, 4, 3, FlatRgb(4, 4, 90));
    CTexture texture;
    ASSERT_TRUE(texture.DecodeJpegImage(jpeg.data(), jpeg.size(), false, false));
    EXPECT_EQ(texture.GetId(), 0u);
    EXPECT_EQ(texture.GetBumpId1(), 0u);
    texture.Release();
    EXPECT_EQ(texture.GetWidth(), 4);
}
