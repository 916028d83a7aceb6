#include "engine/files/CFilePack.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
class CSpriteTest : public ::testing::Test
{
protected:
    std::string Describe(const std::string& keys, int width = 128, int height = 64)
    {
        std::string picture = m_files.WriteTga("sheet.tga", width, height);
        return m_files.Write("sheet.spr", "file_name " + picture + "\n" + keys);
    }

    CGfxTestFiles m_files;
    CFilePack m_pack;
};
}

TEST_F(CSpriteTest, OnlyAPictureGivesOneCellOfThePictureSize)
{
    CSprite sprite;
    sprite.LoadFile(&m_pack, Describe("", 40, 24).c_str());
    EXPECT_EQ(sprite.GetGroupCount(), 1);
    EXPECT_EQ(sprite.GetFrameCount(), 1);
    EXPECT_FLOAT_EQ(sprite.GetWidth(), 40.0f);
    EXPECT_FLOAT_EQ(sprite.GetHeight(), 24.0f);
    EXPECT_TRUE(sprite.OwnsTexture());
    EXPECT_TRUE(sprite.IsVisible());
}

TEST_F(CSpriteTest, GridCellsGiveQuadSizeAndTextureCoordinates)
{
    CSprite sprite;
    sprite.LoadFile(&m_pack, Describe("frames 4\ngroups 2\n").c_str());
    EXPECT_FLOAT_EQ(sprite.GetWidth(), 32.0f);
    EXPECT_FLOAT_EQ(sprite.GetHeight(), 32.0f);
    sprite.SetGroup(1);
    sprite.SetFrame(2);
    float u_left, u_right, v_low, v_high;
    sprite.GetCellCoords(u_left, u_right, v_low, v_high);
    EXPECT_FLOAT_EQ(u_left, 0.5f);
    EXPECT_FLOAT_EQ(u_right, 0.75f);
    EXPECT_FLOAT_EQ(v_low, 0.5f);
    EXPECT_FLOAT_EQ(v_high, 1.0f);
}

TEST_F(CSpriteTest, GroupOutsideTheGridSelectsGroupZero)
{
    CSprite sprite;
    sprite.SetGrid(2, 4);
    sprite.SetGroup(1);
    EXPECT_EQ(sprite.GetGroup(), 1);
    sprite.SetGroup(2);
    EXPECT_EQ(sprite.GetGroup(), 0);
    sprite.SetGroup(1);
    sprite.SetGroup(-1);
    EXPECT_EQ(sprite.GetGroup(), 0);
}

TEST_F(CSpriteTest, FrameOutsideTheGridRestartsTheAnimation)
{
    CSprite sprite;
    sprite.SetGrid(1, 4);
    sprite.SetFrame(3);
    EXPECT_EQ(sprite.GetFrame(), 3);
    EXPECT_EQ(sprite.GetElapsed(), 150u);
    sprite.SetFrame(4);
    EXPECT_EQ(sprite.GetFrame(), 0);
    EXPECT_EQ(sprite.GetElapsed(), 0u);
    sprite.SetFrame(-2);
    EXPECT_EQ(sprite.GetFrame(), 0);
}

TEST_F(CSpriteTest, AnimationStepsByMillisecondsAndLoops)
{
    CSprite sprite;
    sprite.SetGrid(1, 4);
    sprite.Advance(49);
    EXPECT_EQ(sprite.GetFrame(), 0);
    sprite.Advance(1);
    EXPECT_EQ(sprite.GetFrame(), 1);
    sprite.SetFrame(0);
    for (int i = 0; i < 13; ++i)
    {
        sprite.Advance(16);
    }
    EXPECT_EQ(sprite.GetFrame(), 0);
    EXPECT_EQ(sprite.GetElapsed(), 8u);
}

TEST_F(CSpriteTest, LongStallGoesOnFromTheFrameTheTimeGives)
{
    CSprite sprite;
    sprite.SetGrid(1, 4);
    sprite.SetFrame(3);
    sprite.Advance(40 + 200 * 7 + 60);
    EXPECT_EQ(sprite.GetFrame(), 1);
    // 150 + 1500 = 1650 ms, 50 ms into the ninth cycle of 200.
    EXPECT_EQ(sprite.GetElapsed(), 50u);
}

TEST_F(CSpriteTest, ZeroDelayOrEmptyGridNeverDividesByZero)
{
    CSprite sprite;
    sprite.SetGrid(0, 0);
    sprite.Advance(100);
    sprite.SetFrame(0);
    sprite.SetGroup(0);
    float u_left, u_right, v_low, v_high;
    sprite.GetCellCoords(u_left, u_right, v_low, v_high);
    EXPECT_TRUE(std::isfinite(u_right));
    EXPECT_TRUE(std::isfinite(v_high));
    EXPECT_EQ(sprite.GetFrame(), 0);

    CSprite still;
    still.SetGrid(1, 4);
    still.SetFrameDelay(0);
    still.Advance(1000);
    EXPECT_EQ(still.GetFrame(), 0);
}

TEST_F(CSpriteTest, ZeroOrNegativeGridKeysReadAsOne)
{
    CSprite sprite;
    sprite.LoadFile(&m_pack, Describe("frames 0\ngroups -3\n", 16, 8).c_str());
    EXPECT_EQ(sprite.GetFrameCount(), 1);
    EXPECT_EQ(sprite.GetGroupCount(), 1);
    EXPECT_FLOAT_EQ(sprite.GetWidth(), 16.0f);
    EXPECT_FLOAT_EQ(sprite.GetHeight(), 8.0f);
}

TEST_F(CSpriteTest, CopySharesThePictureAndOutlivesItsSource)
{
    auto source = std::make_unique<CSprite>();
    source->LoadFile(&m_pack, Describe("frames 4\ngroups 2\n").c_str());
    source->SetBlend(true);
    source->SetFrameDelay(30);
    source->SetPosition(CVector4(1, 2, 3));
    CSprite copy(*source);
    EXPECT_EQ(copy.GetTexture(), source->GetTexture());
    EXPECT_FALSE(copy.OwnsTexture());
    EXPECT_TRUE(copy.GetBlend());
    EXPECT_EQ(copy.GetFrameDelay(), 30u);
    EXPECT_FLOAT_EQ(copy.GetPosition().y, 2.0f);
    source.reset();
    ASSERT_NE(copy.GetTexture(), nullptr);
    EXPECT_EQ(copy.GetTexture()->GetWidth(), 128);
}

TEST_F(CSpriteTest, DeletingACopyLeavesTheLoadedSpriteIntact)
{
    CSprite loaded;
    loaded.LoadFile(&m_pack, Describe("frames 4\n").c_str());
    {
        CSprite copy(loaded);
        copy.SetFrame(2);
        copy.ReleaseTexture();
    }
    ASSERT_NE(loaded.GetTexture(), nullptr);
    EXPECT_EQ(loaded.GetTexture()->GetHeight(), 64);
    EXPECT_EQ(loaded.GetFrame(), 0);
}

TEST_F(CSpriteTest, AssignmentCopiesAndSurvivesSelfAssignment)
{
    CSprite loaded;
    loaded.LoadFile(&m_pack, Describe("frames 4\ngroups 2\n").c_str());
    CSprite other;
    other = loaded;
    EXPECT_EQ(other.GetTexture(), loaded.GetTexture());
    EXPECT_FALSE(other.OwnsTexture());
    CSprite& same = loaded;
    loaded = same;
    EXPECT_TRUE(loaded.OwnsTexture());
    EXPECT_EQ(loaded.GetFrameCount(), 4);
}
