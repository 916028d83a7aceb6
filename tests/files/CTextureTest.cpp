#include "engine/gfx/CTexture.h"

#include "engine/files/CFilePack.h"
#include "tests/files/CTempDir.h"
#include "tests/files/CTestPictures.h"
#include "tools/packwriter/CPackWriter.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<unsigned char>;

// Headless: pictures decode, nothing is uploaded; each test runs in its own directory.
class CTextureTest : public ::testing::Test
{
protected:
    void SetUp() override { CTexture::SetUploadEnabled(false); }

    CTempDir m_dir{CTempDir::kEnter};
    CFilePack m_pack;
};
}

TEST_F(CTextureTest, NameEndingInEitherCaseOfAIsReadAsTgaOthersAsJpeg)
{
    const auto tga = CTestPictures::Tga(3, 2, 24, Bytes(18, 1));
    const auto jpeg = CTestPictures::Jpeg(4, 4, 3, Bytes(48, 90));
    CTempDir::WriteBytes("pic.tga", tga);
    CTempDir::WriteBytes("PIC.TGA", tga);
    CTempDir::WriteBytes("pic.jpg", jpeg);
    CTempDir::WriteBytes("noext", jpeg);
    CTempDir::WriteBytes("tga_named_jpg", tga);
    CTempDir::WriteBytes("grey.jpg", CTestPictures::Jpeg(8, 8, 1, Bytes(64, 128)));
    const struct
    {
        const char* name;
        bool loads;
        int width, components;
    } cases[] = {
        {"pic.tga", true, 3, 3},  {"PIC.TGA", true, 3, 3},        {"pic.jpg", true, 4, 3},
        {"noext", true, 4, 3},    {"tga_named_jpg", false, 0, 0}, {"grey.jpg", true, 8, 3},
    };
    for (const auto& c : cases)
    {
        CTexture texture;
        EXPECT_EQ(texture.Load(m_pack, c.name, false, false), c.loads) << c.name;
        EXPECT_EQ(texture.GetWidth(), c.width) << c.name;
        EXPECT_EQ(texture.GetComponents(), c.components) << c.name;
    }
}

TEST_F(CTextureTest, FailedDecodeReportsFalseAndKeepsTheOldSize)
{
    CTempDir::WriteBytes("good.tga", CTestPictures::Tga(5, 6, 24, Bytes(90, 0)));
    CTempDir::WriteBytes("short.tga", CTestPictures::Tga(5, 6, 24, Bytes(89, 0)));
    CTempDir::WriteBytes("bad.jpg", {1, 2, 3});
    CTexture texture;
    ASSERT_TRUE(texture.Load(m_pack, "good.tga", false, false));
    EXPECT_FALSE(texture.Load(m_pack, "short.tga", false, false));
    EXPECT_FALSE(texture.Load(m_pack, "bad.jpg", false, false));
    EXPECT_EQ(texture.GetWidth(), 5);
    EXPECT_EQ(texture.GetHeight(), 6);
    EXPECT_THROW(texture.Load(m_pack, "none.tga", false, false), CFilePackError);
    EXPECT_THROW(texture.LoadBump(m_pack, "none.jpg", false, false), CFilePackError);
}

TEST_F(CTextureTest, PicturesAreReadThroughThePack)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("mui/font.tga", CTestPictures::Tga(2, 2, 32, Bytes(16, 9)), true));
    ASSERT_TRUE(writer.Write("data.pk"));
    m_pack.SetPassPhrase(CFilePack::kPassPhrase);
    ASSERT_TRUE(m_pack.Open("data.pk"));
    CTexture texture;
    EXPECT_TRUE(texture.Load(m_pack, "mui\\font.tga", false, true));
    EXPECT_EQ(texture.GetComponents(), 4);
}

TEST_F(CTextureTest, BumpHalvesMapTheChannelExtremes)
{
    CPicture picture;
    picture.m_width = 2;
    picture.m_height = 1;
    picture.m_components = 3;
    picture.m_pixels = {255, 255, 255, 0, 0, 0};
    EXPECT_EQ(CTexture::MakeBumpHalf(picture, false).m_pixels, (Bytes{128, 128, 128, 0, 0, 0}));
    EXPECT_EQ(CTexture::MakeBumpHalf(picture, true).m_pixels, (Bytes{0, 0, 0, 128, 128, 128}));
}

TEST_F(CTextureTest, CombinedAlphaNeedsMatchingSizesAndComponents)
{
    const auto color = CTestPictures::Jpeg(8, 8, 3, Bytes(192, 50));
    const auto alpha = CTestPictures::Jpeg(8, 8, 1, Bytes(64, 255));
    const auto smallAlpha = CTestPictures::Jpeg(4, 8, 1, Bytes(32, 255));
    CTexture texture;
    EXPECT_TRUE(texture.CombineAlpha(color.data(), color.size(), alpha.data(), alpha.size(), false, true));
    EXPECT_EQ(texture.GetComponents(), 4);
    EXPECT_FALSE(texture.CombineAlpha(color.data(), color.size(), smallAlpha.data(), smallAlpha.size(), false, true));
    EXPECT_FALSE(texture.CombineAlpha(color.data(), color.size(), color.data(), color.size(), false, true));
    EXPECT_FALSE(texture.CombineAlpha(alpha.data(), alpha.size(), alpha.data(), alpha.size(), false, true));
}
