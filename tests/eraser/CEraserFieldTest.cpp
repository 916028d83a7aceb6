#include <gtest/gtest.h>

#include "tests/eraser/EraserTestKit.h"

TEST(EraserField, EveryColourIsDealtEquallyOftenTheFirstOnesOnceMore)
{
    // Colours in the order R G B Y P C; the first ones take what does not divide.
    const struct { int size, difficulty, side; std::vector<int> counts; } cases[] = {
        {0, 0, 8, {16, 16, 16, 16, 0, 0}}, {0, 1, 9, {17, 16, 16, 16, 16, 0}}, {2, 2, 14, {33, 33, 33, 33, 32, 32}}};
    for (const auto& c : cases)
    {
        SEraser f(c.size, c.difficulty);
        for (int level = 1; level <= 3; ++level)
        {
            f.Field().NewLevel(level);
            ASSERT_EQ(c.side, f.Field().GetWidth());
            std::vector<int> found(6, 0);
            for (const std::string& row : f.GetBoard())
                for (char letter : row)
                    found[std::string("RGBYPC.").find(letter) % 6] += letter != '.';
            EXPECT_EQ(c.counts, found) << "size " << c.size << " level " << level;
        }
    }
}

TEST(EraserField, AGroupBigEnoughIsTakenBrickByBrickAndTheRestFallsAndCloses)
{
    const struct { int difficulty, x, y, removed; Board board, after; int landed; } cases[] = {
        // Groups of three: a pair stays.
        {1, 0, 7, 0, {"RRG", "GBBYYY"}, {"RRG", "GBBYYY"}, 0},
        // Column 3 holds the group; once it is gone columns 0..2 close to the
        // right, one landing sound a moved brick.
        {0, 3, 7, 4, {"BG.R", "GB.R", "BGYR", "GBYR"}, {".BG", ".GB", ".BGY", ".GBY"}, 10},
    };
    for (const auto& c : cases)
    {
        SEraser f(0, c.difficulty);
        f.SetBoard(f.Bottom(c.board));
        f.Field().Update(16.0f);
        EXPECT_EQ(c.removed, f.Field().SelectGroup(f.Field().GetEraserBrick(c.x, c.y)));
        EXPECT_EQ(c.removed, f.RunFieldTo(CEraserField::STATE_IDLE));
        EXPECT_EQ(f.Bottom(c.after), f.GetBoard());
        EXPECT_EQ(c.removed ? 1 : 0, f.events.CountSound(CEraserField::SOUND_GROUP));
        EXPECT_EQ(25 * c.removed, f.events.CountSparkles());
        EXPECT_EQ(c.landed, f.events.CountSound(CEraserField::SOUND_LANDED));
    }
}

TEST(EraserField, TheSweepTakesLeftoversInReadingOrderAndIgnoresClicks)
{
    SEraser f;
    f.Field().NewLevel(3);
    f.SetBoard(f.Bottom({"..R", "GBY"}));
    f.Field().Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_SWEEP, f.Field().GetState());
    std::vector<Board> boards;
    for (int i = 0; i < 500 && !f.Field().IsFinished(); ++i)
    {
        f.Field().Update(16.0f);
        EXPECT_EQ(0, f.Field().SelectGroup(f.Field().GetEraserBrick(1, 7))) << "a click during the sweep";
        if (f.Field().GetRemovedCount() != 0)
        {
            EXPECT_EQ(-1, f.Field().GetRemovedCount());
            boards.push_back(f.GetBoard());
        }
    }
    EXPECT_EQ((std::vector<Board>{f.Bottom({"", "GBY"}), f.Bottom({"", ".BY"}), f.Bottom({"", "..Y"}), f.Bottom({})}),
              boards);
    // Level 3: two levels of 10 on top of the base penalty of 5.
    EXPECT_EQ("-25", f.Field().GetPopups().GetText(0));
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_CLEARED));
}
