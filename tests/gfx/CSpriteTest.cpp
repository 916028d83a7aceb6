#include "engine/files/CFilePack.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

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

TEST_F(CSpriteTest, GridKeysCutThePictureIntoCells)
{
    // Missing, zero or negative grid keys read as one cell.
    const struct
    {
        const char* keys;
        int width, height, groups, frames;
        float cellWidth, cellHeight;
    } cases[] = {
        {"", 40, 24, 1, 1, 40.0f, 24.0f},
        {"frames 0\ngroups -3\n", 16, 8, 1, 1, 16.0f, 8.0f},
        {"frames 4\ngroups 2\n", 128, 64, 2, 4, 32.0f, 32.0f},
    };
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.LoadFile(&m_pack, Describe(c.keys, c.width, c.height).c_str());
        EXPECT_EQ(sprite.GetGroupCount(), c.groups) << c.keys;
        EXPECT_EQ(sprite.GetFrameCount(), c.frames) << c.keys;
        EXPECT_FLOAT_EQ(sprite.GetWidth(), c.cellWidth) << c.keys;
        EXPECT_FLOAT_EQ(sprite.GetHeight(), c.cellHeight) << c.keys;
    }
}

TEST_F(CSpriteTest, CellOfGroupAndFrameGivesTheTextureCoordinatesAndOutsideTheGridZero)
{
    // A frame set outside the grid also restarts the animation clock.
    CSprite sprite;
    sprite.SetGrid(2, 4);
    const struct
    {
        int group, frame;
        int wantGroup, wantFrame;
        unsigned elapsed;
        std::vector<float> cell;   // u left, u right, v low, v high
    } cases[] = {
        {1, 2, 1, 2, 100, {0.5f, 0.75f, 0.5f, 1.0f}},
        {2, 4, 0, 0, 0, {0.0f, 0.25f, 0.0f, 0.5f}},
        {1, 3, 1, 3, 150, {0.75f, 1.0f, 0.5f, 1.0f}},
        {-1, -2, 0, 0, 0, {0.0f, 0.25f, 0.0f, 0.5f}},
    };
    for (const auto& c : cases)
    {
        sprite.SetGroup(c.group);
        sprite.SetFrame(c.frame);
        EXPECT_EQ(sprite.GetGroup(), c.wantGroup) << c.group;
        EXPECT_EQ(sprite.GetFrame(), c.wantFrame) << c.frame;
        EXPECT_EQ(sprite.GetElapsed(), c.elapsed) << c.frame;
        std::vector<float> cell(4);
        sprite.GetCellCoords(cell[0], cell[1], cell[2], cell[3]);
        EXPECT_EQ(cell, c.cell) << c.group << " " << c.frame;
    }
}

TEST_F(CSpriteTest, AnimationStepsByFiftyMillisecondsAndLoopsAndStandsWithoutDelayOrGrid)
{
    // A zero delay or an empty grid must not divide by zero: the first cell stands.
    const struct
    {
        int frames;
        bool noDelay;
        int startFrame;
        std::vector<unsigned> steps;
        int frame;
        unsigned elapsed;
    } cases[] = {
        {4, false, 0, {49}, 0, 49},
        {4, false, 0, {49, 1}, 1, 50},
        {4, false, 0, std::vector<unsigned>(13, 16), 0, 8},
        // A long stall goes on from the frame the time gives: 150 + 1500 ms
        // is 50 ms into the ninth cycle of 200.
        {4, false, 3, {40 + 200 * 7 + 60}, 1, 50},
        {4, true, 0, {1000}, 0, 0},
        {0, false, 0, {100}, 0, 0},
    };
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.SetGrid(c.frames > 0 ? 1 : 0, c.frames);
        if (c.noDelay)
            sprite.SetFrameDelay(0);
        sprite.SetFrame(c.startFrame);
        for (unsigned step : c.steps)
            sprite.Advance(step);
        EXPECT_EQ(sprite.GetFrame(), c.frame);
        EXPECT_EQ(sprite.GetElapsed(), c.elapsed);
        float u_left, u_right, v_low, v_high;
        sprite.GetCellCoords(u_left, u_right, v_low, v_high);
        EXPECT_TRUE(std::isfinite(u_right) && std::isfinite(v_high));
    }
}

TEST_F(CSpriteTest, CopiesShareThePictureAndNeitherFreesItForTheOther)
{
    auto source = std::make_unique<CSprite>();
    source->LoadFile(&m_pack, Describe("frames 4\ngroups 2\n").c_str());
    CSprite copy(*source);
    CSprite assigned;
    assigned = *source;
    EXPECT_EQ(copy.GetTexture(), source->GetTexture());
    EXPECT_FALSE(copy.OwnsTexture());
    EXPECT_FALSE(assigned.OwnsTexture());
    {
        CSprite temporary(copy);
        temporary.ReleaseTexture();
    }
    CSprite& same = *source;
    *source = same;
    EXPECT_TRUE(source->OwnsTexture());
    source.reset();
    ASSERT_NE(copy.GetTexture(), nullptr);
    EXPECT_EQ(copy.GetTexture()->GetWidth(), 128);
    EXPECT_EQ(assigned.GetTexture()->GetHeight(), 64);
}

// Only the part of a cell that shows is drawn: the texels with any alpha and
// two more around them, within the cell.
TEST(CSpriteCellBoxes, ACellsBoxHoldsItsVisibleTexelsAndTwoMore)
{
    // Two groups of two frames, cells of 10 x 10; (x, y) in a cell, y from its low edge.
    CPicture picture;
    picture.m_width = 20;
    picture.m_height = 20;
    picture.m_components = 4;
    picture.m_pixels.assign(20 * 20 * 4, 0);
    const auto show = [&picture](int group, int frame, int x, int y) {
        picture.m_pixels[(static_cast<std::size_t>(group * 10 + y) * 20 + frame * 10 + x) * 4 + 3] = 1;
    };
    show(0, 0, 4, 5);
    show(1, 0, 0, 0);
    show(1, 0, 9, 9);
    show(1, 1, 9, 0);
    // radius: from the cell's middle to the texel's far corner and two
    // more; none where the box meets the cell's edge (the next cell's
    // texels are filtered in there).
    const float inner = std::sqrt(2.0f) + 2.0f;
    const struct
    {
        float left, right, low, high, radius;
    } expected[] = {
        {0.2f, 0.7f, 0.3f, 0.8f, inner}, // one texel inside
        {0.0f, 0.0f, 0.0f, 1.0f, -1.0f}, // nothing shows: nothing drawn
        {0.0f, 1.0f, 0.0f, 1.0f, -1.0f}, // opposite corners: the whole cell
        {0.7f, 1.0f, 0.0f, 0.3f, -1.0f}, // a corner: clipped to the cell
    };
    const std::vector<CSprite::SCellBox> boxes = CSprite::FindCellBoxes(picture, 2, 2);
    ASSERT_EQ(boxes.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
    {
        EXPECT_FLOAT_EQ(boxes[i].left, expected[i].left) << i;
        EXPECT_FLOAT_EQ(boxes[i].right, expected[i].right) << i;
        EXPECT_NEAR(boxes[i].radius, expected[i].radius, 1e-5f) << i;
        if (expected[i].left < expected[i].right)
        {
            EXPECT_FLOAT_EQ(boxes[i].low, expected[i].low) << i;
            EXPECT_FLOAT_EQ(boxes[i].high, expected[i].high) << i;
        }
    }
    // Without alpha every cell is whole.
    picture.m_components = 3;
    for (const CSprite::SCellBox& box : CSprite::FindCellBoxes(picture, 2, 2))
    {
        EXPECT_EQ(box.left, 0.0f);
        EXPECT_EQ(box.right, 1.0f);
        EXPECT_EQ(box.low, 0.0f);
        EXPECT_EQ(box.high, 1.0f);
    }
}

TEST(CSpriteCells, ACellsCornersLieWhereItsReachSaysAtTheShadeAsked)
{
    // The cells a sparkle is drawn over are marked from its reach: a corner
    // beyond it would leave a trail.
    const struct
    {
        float degrees;
        bool flip;
    } cases[] = {{0.0f, false}, {0.0f, true}, {30.0f, false}, {90.0f, true}, {217.5f, false}};
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.SetGrid(1, 1);
        sprite.SetSize(32.0f, 24.0f);
        sprite.SetPosition(CVector4(3.0f, -2.0f, 0.0f));
        sprite.SetFlipV(c.flip);
        float box[4];
        sprite.GetReach(0, 0, box);
        std::vector<CSprite::SCellVertex> corners;
        sprite.AddCell(CVector4(100.0f, 50.0f, 0.0f), c.degrees, 0.35f, 0.25f, corners);
        ASSERT_EQ(corners.size(), 6u) << c.degrees;
        // The box is about the sprite's own offset, turned with it.
        const float reach = std::hypot(std::max(std::fabs(box[0]), std::fabs(box[2])),
                                       std::max(std::fabs(box[1]), std::fabs(box[3]))) +
                            std::hypot(3.0f, 2.0f);
        float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
        for (const CSprite::SCellVertex& corner : corners)
        {
            EXPECT_LE(std::hypot(corner.x - 100.0f, corner.y - 50.0f), reach + 1e-3f) << c.degrees;
            EXPECT_FLOAT_EQ(corner.r, 0.25f);
            EXPECT_FLOAT_EQ(corner.b, 0.25f);
            EXPECT_FLOAT_EQ(corner.a, 0.35f);
            x0 = std::min(x0, corner.x - 100.0f);
            y0 = std::min(y0, corner.y - 50.0f);
            x1 = std::max(x1, corner.x - 100.0f);
            y1 = std::max(y1, corner.y - 50.0f);
        }
        // Unturned, the corners span the reach exactly.
        if (c.degrees == 0.0f)
        {
            EXPECT_FLOAT_EQ(x0, box[0] + 3.0f);
            EXPECT_FLOAT_EQ(y0, box[1] - 2.0f);
            EXPECT_FLOAT_EQ(x1, box[2] + 3.0f);
            EXPECT_FLOAT_EQ(y1, box[3] - 2.0f);
        }
    }
}
