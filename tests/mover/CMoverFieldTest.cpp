#include <gtest/gtest.h>

#include "games/mover/CMoverBrick.h"
#include "tests/mover/MoverTestKit.h"

class MoverDeal : public ::testing::TestWithParam<int>
{
};

TEST_P(MoverDeal, DealsEveryColourEquallyWithTheHoleBottomRight)
{
    int size = GetParam() / 3, colors = GetParam() % 3 + 4, n = size + 6;
    SMover g(5 + GetParam(), true, size, colors - 4);
    ASSERT_EQ(n, g.Field().GetWidth());
    ASSERT_EQ(n, g.Field().GetHeight());
    EXPECT_EQ(nullptr, g.Field().GetBrick(n - 1, n - 1));
    EXPECT_EQ(1, g.Count('.'));
    // The deck holds i mod colours for i < n * n; the deleted brick took one.
    int missing = 0;
    for (int c = 0; c < colors; ++c)
    {
        int dealt = n * n / colors + (c < n * n % colors ? 1 : 0);
        int count = g.Count("RGBYPC"[c]);
        EXPECT_TRUE(count == dealt || count == dealt - 1) << "colour " << c;
        missing += dealt - count;
    }
    EXPECT_EQ(1, missing);
}

INSTANTIATE_TEST_SUITE_P(AllSizesAndDifficulties, MoverDeal, ::testing::Range(0, 9));

TEST(MoverField, ClickedBrickTakesTheFirstEmptyNeighbourRightDownLeftUp)
{
    // The brick at (1, 1) with holes around it (as only a damaged save has).
    const struct { Board board; int toX, toY; } cases[] = {
        {{"R.RRRR", ".G.RRR", "R.RRRR"}, 2, 1}, {{"R.RRRR", ".GRRRR", "R.RRRR"}, 1, 2},
        {{"R.RRRR", ".GRRRR", "RRRRRR"}, 0, 1}, {{"R.RRRR", "RGRRRR", "RRRRRR"}, 1, 0},
        {{"RRRRRR", "RGRRRR", "RRRRRR"}, 1, 1},
    };
    for (const auto& c : cases)
    {
        SMover g;
        Board board = c.board;
        board.resize(6, "RRRRRR");
        g.SetBoard(board);
        g.Slide(1, 1);
        EXPECT_EQ('G', g.GetBoard()[c.toY][c.toX]) << c.toX << "," << c.toY;
        EXPECT_EQ(c.toY == 1 && c.toX == 1 ? 0 : 1, g.Field().GetMovesUsed());
    }
}

TEST(MoverField, LinesScoreOnePlusTheMovesLeftUnderTheLimitAndGrowBack)
{
    // Column 0 is complete already, so the slide finds a row and a column.
    // Easy: a limit of 16 moves; the move itself counts. Each line of a move
    // in time takes another blocker.
    const struct { int movesBefore, lineScore, blockersTaken; } cases[] = {
        {2, 2 * 14, 2}, {15, 2, 2}, {16, 2, 0}, {40, 2, 0}};
    for (const auto& c : cases)
    {
        SMover g;
        g.SetBoard({"RRRRR.", "RGBYGR", "RBYGBY", "RYGBYG", "RGBYGX", "RBYGBX"});
        g.Field().SetMovesUsed(c.movesBefore);
        EXPECT_EQ(c.lineScore, g.Slide(5, 1)) << "after " << c.movesBefore << " moves";
        EXPECT_EQ(CMoverField::STATUS_REMOVING, g.Field().GetStatus());
        EXPECT_EQ(11, g.Count('r'));
        EXPECT_EQ(c.blockersTaken, g.Count('x'));
        g.RunFieldIdle();
        EXPECT_EQ((11 + c.blockersTaken) * CMoverBrick::SPARKLES_PER_BURST, g.events.CountSparkles());
        EXPECT_EQ(0, g.Count('r') + g.Count('x'));
        EXPECT_EQ(1, g.Count('.'));
        EXPECT_EQ(1.0f, g.Field().GetMoverBrick(0, 0)->GetGrowScale());
        EXPECT_EQ(16, g.Field().GetBonusMoves()) << "the move count starts again";
    }
}

TEST(MoverField, OnlyFullOneColourLinesOfPlayingColoursCount)
{
    const struct { Board board; int lineScore; } cases[] = {
        {{"XXXXXX", "RGBYGB", "GBYGB.", "BYGBYG", "YGBYGB", "GBYGBY"}, 0},
        {{"RRR.RR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGBY", "BYGBYG"}, 0},
        {{"GRRRRR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGB.", "BYGBYG"}, 0},
        {{"GRBYGB", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 17},
        {{"GGGGGG", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 34},
    };
    for (const auto& c : cases)
    {
        SMover g;
        g.SetBoard(c.board);
        g.Field().CheckLines();
        EXPECT_EQ(c.lineScore, g.Field().GetLineScore()) << c.board[0];
    }
}

TEST(MoverField, BlockersGrowBackOnlyOnceTheMoveLimitIsUsedUp)
{
    const struct { int movesBefore; bool blockers; } cases[] = {{14, false}, {15, true}, {30, true}};
    for (const auto& c : cases)
    {
        int blockers = 0;
        for (std::uint32_t seed = 0; seed < 40; ++seed)
        {
            SMover g(seed);
            g.SetBoard(ONE_ROW);
            g.Field().SetMovesUsed(c.movesBefore);
            g.Slide(5, 1);
            g.RunFieldIdle();
            blockers += g.Count('X');
        }
        EXPECT_EQ(c.blockers, blockers > 0) << "after " << c.movesBefore << " moves";
    }
}

TEST(MoverField, BoardIsFinishedWhenNoPlayingColourCanFillALine)
{
    const struct { Board board; bool finished; } cases[] = {
        {{"XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRR", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, false},
    };
    for (const auto& c : cases)
    {
        SMover g;
        g.SetBoard(c.board);
        EXPECT_EQ(c.finished, g.Field().IsFinished()) << c.board[0];
    }
}
