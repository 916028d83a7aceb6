#include <gtest/gtest.h>

#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"

namespace
{
struct SField
{
    explicit SField(int size = 0, int option = 0)
        : params(MakeParams(size, option)), random(7), field(*params, &events, nullptr, random)
    {
    }
    std::unique_ptr<CEraser2Params> params;
    CRandom random;
    CRecordingEvents events;
    CEraser2Field field;
};
}

TEST(Eraser2Field, BoardFeedersAndPickingFollowSizeAndOption)
{
    // A stored option 2 reads as three colours, a size 5 as the largest.
    const struct
    {
        int size, option, columns, rows;
        float width;
        int colors;
    } cases[] = {
        {0, 0, 8, 8, 620, 3},    {1, 0, 10, 10, 620, 3}, {2, 0, 12, 12, 620, 3}, {0, 1, 12, 8, 780, 4},
        {1, 1, 16, 10, 780, 4}, {2, 1, 20, 13, 780, 4}, {0, 2, 8, 8, 620, 3},    {5, 1, 20, 13, 780, 4},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "size " << c.size << ", option " << c.option);
        SField f(c.size, c.option);
        ASSERT_EQ(c.columns, f.field.GetWidth());
        ASSERT_EQ(c.rows, f.field.GetHeight());
        EXPECT_EQ(c.colors, f.field.GetColorCount());
        float cell = c.width / c.columns;
        EXPECT_FLOAT_EQ(-c.width / 2 + cell / 2, CellPoint(f.field, 0, 0).x);
        EXPECT_FLOAT_EQ(c.width / 2 + 2 * cell, f.field.GetFeederPosition(1, 0).x);
        EXPECT_FLOAT_EQ(CellPoint(f.field, 3, c.rows - 1).y, f.field.GetFeederPosition(0, c.rows - 1).y);
        // A point a little left of the first column or above the top row is off the board.
        int x = 0;
        int y = 0;
        CVector4 corner = CellPoint(f.field, 0, 0);
        EXPECT_FALSE(f.field.PickCell(CVector4(corner.x - cell * 0.7f, corner.y, 0.0f), x, y));
        EXPECT_FALSE(f.field.PickCell(CVector4(corner.x, corner.y + cell * 0.7f, 0.0f), x, y));
        EXPECT_TRUE(f.field.PickCell(CellPoint(f.field, c.columns - 1, c.rows - 1), x, y));
        EXPECT_EQ(c.columns - 1, x);
        EXPECT_EQ(c.rows - 1, y);
    }
}

TEST(Eraser2Feeders, RefillsBringOneBrickFewerEachTimeFromTheBottomThenAFullColumnAgain)
{
    SField f;
    const int expected[] = {8, 7, 6, 5, 4, 3, 2, 1, 8, 7};
    for (int round = 0; round < 10; ++round)
    {
        SetFeeder(f.field, 0, "");
        SetFeeder(f.field, 1, "");
        f.events.m_sounds.clear();
        f.field.FillFeeders();
        EXPECT_EQ(1, f.events.CountSound(CEraser2Field::SOUND_REFILL));
        for (int i = 0; i < 2000 && f.field.IsSliding(); ++i)
            f.field.SlideFeeders(16.0f);
        ASSERT_FALSE(f.field.IsSliding());
        for (int side = 0; side < 2; ++side)
        {
            std::string column = GetFeeder(f.field, side);
            int n = expected[round];
            EXPECT_EQ(std::string(8 - n, '.'), column.substr(0, 8 - n)) << "round " << round;
            EXPECT_EQ(std::string::npos, column.find('.', 8 - n)) << "round " << round;
            for (int i = 8 - n; i < 8; ++i)
            {
                CVector4 rest = f.field.GetFeederPosition(side, i);
                EXPECT_FLOAT_EQ(rest.y, f.field.GetFeederBrick(side, i)->GetPosition().y);
            }
        }
    }
}

TEST(Eraser2Feeders, FeederBricksLandBesideTheOutermostBrickOrNextToTheMiddle)
{
    const struct
    {
        std::vector<std::string> before, after;
        std::string left, right;
    } cases[] = {
        {{"", "", "", "", "", "..RG", "....GB", ".RGBRGB."},
         {"...YB...", "...YB...", "...YB...", "...YB...", "...YB...", ".YRGB...", "...YGBB.", "YRGBRGBB"},
         "........",
         "........"},
        // Only the side whose edge column emptied pushes.
        {{"", "", "", "", "", "", "....R", ".GRGRGRG"},
         {"...Y....", "...Y....", "...Y....", "...Y....", "...Y....", "...Y....", "...YR...", "YGRGRGRG"},
         "........",
         "BBBBBBBB"},
    };
    for (const auto& c : cases)
    {
        SField f;
        SetBoard(f.field, c.before);
        SetFeeder(f.field, 0, "YYYYYYYY");
        SetFeeder(f.field, 1, "BBBBBBBB");
        ASSERT_TRUE(f.field.PushFeeders());
        EXPECT_EQ(c.after, GetBoard(f.field));
        EXPECT_EQ(c.left, GetFeeder(f.field, 0));
        EXPECT_EQ(c.right, GetFeeder(f.field, 1));
        EXPECT_EQ(1, f.events.CountSound(CEraser2Field::SOUND_PUSH));
        EXPECT_EQ(CEraser2Field::STATE_MOVING, f.field.GetState());
    }
}

TEST(Eraser2Feeders, APushWaitsUntilTheRefillHasRisenIntoPlace)
{
    SField f;
    SetBoard(f.field, {".RGRGRGR", ".GRGRGRG", ".RGRGRGR", ".GRGRGRG", ".RGRGRGR", ".GRGRGRG", ".RGRGRGR",
                       ".GRGRGRG"});
    f.field.Update(16.0f);
    ASSERT_TRUE(f.field.IsSliding());
    // A lone brick: nothing goes, but the passes run and end in a push.
    EXPECT_EQ(0, f.field.TakeGroup(f.field.GetEraser2Brick(1, 7)));
    int frames = 0;
    for (; frames < 5000 && f.field.IsSliding(); ++frames)
    {
        f.field.Update(16.0f);
        if (f.field.IsSliding())
        {
            ASSERT_NE('.', GetFeeder(f.field, 0)[7]) << "pushed during the slide, frame " << frames;
        }
    }
    EXPECT_GT(frames, 3);
    for (int i = 0; i < 5000 && f.field.GetState() != CEraser2Field::STATE_IDLE; ++i)
        f.field.Update(16.0f);
    EXPECT_EQ(1, f.events.CountSound(CEraser2Field::SOUND_PUSH));
    EXPECT_EQ(64, f.field.CountBricks());
    EXPECT_EQ(0, f.events.CountSound(CEraser2Field::SOUND_GROUP));
}

TEST(Eraser2Field, AGroupTakenGoesTheRestFallsAndColumnsCloseTowardTheMiddle)
{
    SField f;
    SetBoard(f.field, {"", "", "", "", "", "R.....B.", "G.....RG", "GB....BR"});
    ASSERT_EQ(2, f.field.TakeGroup(f.field.GetEraser2Brick(0, 6)));
    int removed = 0;
    for (int i = 0; i < 5000 && f.field.GetState() != CEraser2Field::STATE_IDLE; ++i)
    {
        f.field.Update(16.0f);
        removed += f.field.GetRemoved();
    }
    EXPECT_EQ(2, removed);
    EXPECT_EQ((std::vector<std::string>{"........", "........", "........", "........", "........", "....B...",
                                        "....RG..", "..RBBR.."}),
              GetBoard(f.field));
}

TEST(Eraser2Field, HoverSoundsOnceForEachGroupNewlyUnderTheCursor)
{
    SField f;
    SetBoard(f.field, {"", "", "", "", "", "", "RRGB", "GGBR"});
    SetFeeder(f.field, 0, "RGBRGBRG");
    SetFeeder(f.field, 1, "GBRGBRGB");
    // Cursor cells in turn: the red pair twice, a lone brick, the green pair, the red pair again.
    const int path[][2] = {{0, 6}, {1, 6}, {3, 6}, {1, 7}, {0, 6}};
    const int sounds[] = {1, 1, 1, 2, 3};
    for (int step = 0; step < 5; ++step)
    {
        f.field.Hover(CellPoint(f.field, path[step][0], path[step][1]));
        f.field.Update(16.0f);
        EXPECT_EQ(sounds[step], f.events.CountSound(CEraser2Field::SOUND_HOVER)) << "step " << step;
    }
}
