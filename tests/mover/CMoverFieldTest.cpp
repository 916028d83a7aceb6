#include <gtest/gtest.h>

#include "games/mover/CMoverBrick.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
int CountLetter(const CMoverField& field, char letter)
{
    int count = 0;
    for (const std::string& row : GetBoard(field))
        for (char c : row)
            count += c == letter;
    return count;
}

// A slide from (5, 1) up into the hole at (5, 0) completes row 0; column 0
// is complete already, so the same move finds a row and a column.
const std::vector<std::string> ROW_AND_COLUMN = {"RRRRR.", "RGBYGR", "RBYGBY", "RYGBYG", "RGBYGX", "RBYGBX"};
const std::vector<std::string> ONE_ROW = {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"};
}

class MoverDeal : public ::testing::TestWithParam<int>
{
};

TEST_P(MoverDeal, DealsEveryColourEquallyWithTheHoleBottomRight)
{
    int size = GetParam() / 3;
    int colors = GetParam() % 3 + 4;
    SMoverField f(size, colors - 4, 5 + GetParam());
    f.field.NewLevel(1);
    int n = size + 6;
    ASSERT_EQ(n, f.field.GetWidth());
    ASSERT_EQ(n, f.field.GetHeight());
    EXPECT_EQ(nullptr, f.field.GetBrick(n - 1, n - 1));
    EXPECT_EQ(n * n - 1, n * n - CountLetter(f.field, '.'));
    // The deck holds i mod colours for i < n * n; the deleted brick took one.
    int missing = 0;
    for (int c = 0; c < colors; ++c)
    {
        int dealt = n * n / colors + (c < n * n % colors ? 1 : 0);
        int count = CountLetter(f.field, "RGBYPC"[c]);
        EXPECT_TRUE(count == dealt || count == dealt - 1) << "colour " << c;
        missing += dealt - count;
    }
    EXPECT_EQ(1, missing);
}

INSTANTIATE_TEST_SUITE_P(AllSizesAndDifficulties, MoverDeal, ::testing::Range(0, 9));

TEST(MoverField, ClickedBrickTakesTheFirstEmptyNeighbourRightDownLeftUp)
{
    // The brick at (1, 1) with holes around it (as only a damaged save has).
    const struct { std::vector<std::string> board; int toX, toY; } cases[] = {
        {{"R.RRRR", ".G.RRR", "R.RRRR"}, 2, 1}, {{"R.RRRR", ".GRRRR", "R.RRRR"}, 1, 2},
        {{"R.RRRR", ".GRRRR", "RRRRRR"}, 0, 1}, {{"R.RRRR", "RGRRRR", "RRRRRR"}, 1, 0},
        {{"RRRRRR", "RGRRRR", "RRRRRR"}, 1, 1},
    };
    for (const auto& c : cases)
    {
        SMoverField f;
        std::vector<std::string> board = c.board;
        board.resize(6, "RRRRRR");
        SetBoard(f.field, board);
        SlideBrick(f.field, 1, 1);
        ASSERT_NE(nullptr, f.field.GetMoverBrick(c.toX, c.toY)) << c.toX << "," << c.toY;
        EXPECT_EQ(1, f.field.GetMoverBrick(c.toX, c.toY)->GetColor());
        EXPECT_EQ(c.toY == 1 && c.toX == 1 ? 0 : 1, f.field.GetMovesUsed());
    }
}

TEST(MoverField, LineScoreIsOnePerLinePlusTheMovesLeftUnderTheLimit)
{
    // Easy: a limit of 16 moves; the move itself counts. Each line of a move
    // in time takes another blocker.
    const struct { int movesBefore, lineScore, blockersTaken; } cases[] = {
        {2, 2 * 14, 2}, {15, 2, 2}, {16, 2, 0}, {40, 2, 0}};
    for (const auto& c : cases)
    {
        SMoverField f;
        SetBoard(f.field, ROW_AND_COLUMN);
        f.field.SetMovesUsed(c.movesBefore);
        EXPECT_EQ(c.lineScore, SlideBrick(f.field, 5, 1)) << "after " << c.movesBefore << " moves";
        EXPECT_EQ(CMoverField::STATUS_REMOVING, f.field.GetStatus());
        EXPECT_EQ(11, CountLetter(f.field, 'r'));
        EXPECT_EQ(c.blockersTaken, CountLetter(f.field, 'x'));
    }
}

TEST(MoverField, OnlyFullOneColourLinesOfPlayingColoursCount)
{
    const struct { std::vector<std::string> board; int lineScore; } cases[] = {
        {{"XXXXXX", "RGBYGB", "GBYGB.", "BYGBYG", "YGBYGB", "GBYGBY"}, 0},
        {{"RRR.RR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGBY", "BYGBYG"}, 0},
        {{"GRRRRR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGB.", "BYGBYG"}, 0},
        {{"GRBYGB", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 17},
        {{"GGGGGG", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 34},
    };
    for (const auto& c : cases)
    {
        SMoverField f;
        SetBoard(f.field, c.board);
        f.field.CheckLines();
        EXPECT_EQ(c.lineScore, f.field.GetLineScore()) << c.board[0];
    }
}

TEST(MoverField, RemovedLinesGrowBackAndTheMoveCountStartsAgain)
{
    SMoverField f;
    SetBoard(f.field, ROW_AND_COLUMN);
    f.field.SetMovesUsed(2);
    SlideBrick(f.field, 5, 1);
    RunUntilIdle(f.field);
    EXPECT_EQ(16, f.field.GetBonusMoves());
    EXPECT_EQ((11 + 2) * CMoverBrick::SPARKLES_PER_BURST, f.events.m_sparkles);
    EXPECT_EQ(0, CountLetter(f.field, 'r') + CountLetter(f.field, 'x'));
    EXPECT_EQ(1, CountLetter(f.field, '.'));
    EXPECT_EQ(1.0f, f.field.GetMoverBrick(0, 0)->GetGrowScale());
    f.field.SetMovesUsed(20);
    EXPECT_EQ(0, f.field.GetBonusMoves());
}

TEST(MoverField, BlockersGrowBackOnlyOnceTheMoveLimitIsUsedUp)
{
    const struct { int movesBefore; bool blockers; } cases[] = {{14, false}, {15, true}, {30, true}};
    for (const auto& c : cases)
    {
        int blockers = 0;
        for (std::uint32_t seed = 0; seed < 40; ++seed)
        {
            SMoverField f(0, 0, seed);
            SetBoard(f.field, ONE_ROW);
            f.field.SetMovesUsed(c.movesBefore);
            SlideBrick(f.field, 5, 1);
            RunUntilIdle(f.field);
            blockers += CountLetter(f.field, 'X');
        }
        EXPECT_EQ(c.blockers, blockers > 0) << "after " << c.movesBefore << " moves";
    }
}

TEST(MoverField, BoardIsFinishedWhenNoPlayingColourCanFillALine)
{
    const struct { std::vector<std::string> board; bool finished; } cases[] = {
        {{"XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRR", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, false},
    };
    for (const auto& c : cases)
    {
        SMoverField f;
        SetBoard(f.field, c.board);
        EXPECT_EQ(c.finished, f.field.IsFinished()) << c.board[0];
    }
}
