#include <gtest/gtest.h>

#include <cstdint>

#include "games/mover/CMoverBrick.h"
#include "shell/game/CRandom.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
struct SFieldFixture
{
    explicit SFieldFixture(int size = 0, int difficulty = 0, std::uint32_t seed = 1)
        : random(seed), params(MakeMoverParams(size, difficulty)), field(*params, &events, nullptr, random)
    {
    }
    CMoverEvents events;
    CRandom random;
    std::unique_ptr<CMoverParams> params;
    CMoverField field;
};

int CountSelected(const CMoverField& field, int color)
{
    int count = 0;
    for (const std::string& row : GetBoard(field))
        for (char c : row)
            count += (c == "rgbypcx"[color]);
    return count;
}

// A slide from (5, 1) up into the hole at (5, 0) completes row 0; column 0
// is complete already, so the same move finds a row and a column.
const std::vector<std::string> ROW_AND_COLUMN = {"RRRRR.", "RGBYGR", "RBYGBY",
                                                 "RYGBYG", "RGBYGX", "RBYGBX"};
}

class MoverDeal : public ::testing::TestWithParam<int>
{
};

TEST_P(MoverDeal, DealsEveryColourEquallyWithTheHoleBottomRight)
{
    int size = GetParam() / 3;
    int difficulty = GetParam() % 3;
    SFieldFixture f(size, difficulty, 5 + GetParam());
    f.field.NewLevel(1);
    int n = size + 6;
    int colors = difficulty + 4;
    ASSERT_EQ(n, f.field.GetWidth());
    ASSERT_EQ(n, f.field.GetHeight());
    EXPECT_EQ(nullptr, f.field.GetBrick(n - 1, n - 1));
    std::vector<int> count(7, 0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (x != n - 1 || y != n - 1)
            {
                ASSERT_NE(nullptr, f.field.GetMoverBrick(x, y)) << x << "," << y;
                count[f.field.GetMoverBrick(x, y)->GetColor()] += 1;
            }
    // The deck holds i mod colours for i < n * n; the deleted brick took one.
    int missing = 0;
    for (int c = 0; c < colors; ++c)
    {
        int dealt = n * n / colors + (c < n * n % colors ? 1 : 0);
        EXPECT_TRUE(count[c] == dealt || count[c] == dealt - 1) << "colour " << c;
        missing += dealt - count[c];
    }
    EXPECT_EQ(1, missing);
    EXPECT_EQ(0, count[6]);
}

INSTANTIATE_TEST_SUITE_P(AllSizesAndDifficulties, MoverDeal, ::testing::Range(0, 9));

TEST(MoverField, ClickedBrickTakesTheFirstEmptyNeighbourRightDownLeftUp)
{
    struct SCase
    {
        std::vector<std::string> board;
        int toX, toY;
    };
    // The brick at (1, 1) with holes around it (as only a damaged save has).
    const SCase cases[] = {
        {{"R.RRRR", ".G.RRR", "R.RRRR"}, 2, 1},
        {{"R.RRRR", ".GRRRR", "R.RRRR"}, 1, 2},
        {{"R.RRRR", ".GRRRR", "RRRRRR"}, 0, 1},
        {{"R.RRRR", "RGRRRR", "RRRRRR"}, 1, 0},
    };
    for (const SCase& c : cases)
    {
        SFieldFixture f;
        std::vector<std::string> board = c.board;
        board.resize(6, "RRRRRR");
        SetBoard(f.field, board);
        SlideBrick(f.field, 1, 1);
        ASSERT_NE(nullptr, f.field.GetMoverBrick(c.toX, c.toY)) << c.toX << "," << c.toY;
        EXPECT_EQ(1, f.field.GetMoverBrick(c.toX, c.toY)->GetColor());
        EXPECT_EQ(nullptr, f.field.GetBrick(1, 1));
        EXPECT_EQ(1, f.field.GetMovesUsed());
    }
}

TEST(MoverField, BrickWithoutEmptyNeighbourStays)
{
    SFieldFixture f;
    SetBoard(f.field, {"RGBYGB", "GBYGBY", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBY."});
    f.field.MoveBrick(0, 0);
    EXPECT_EQ(CMoverField::STATUS_IDLE, f.field.GetStatus());
    EXPECT_EQ(0, f.field.GetMovesUsed());
}

TEST(MoverField, LineScoreIsOnePerLinePlusTheMovesLeftUnderTheLimit)
{
    struct SCase
    {
        int movesBefore;
        int lineScore;
        int blockersTaken;
    };
    // Easy: a limit of 16 moves; the move itself counts.
    const SCase cases[] = {{2, 2 * 14, 2}, {15, 2, 2}, {16, 2, 0}, {40, 2, 0}};
    for (const SCase& c : cases)
    {
        SFieldFixture f;
        SetBoard(f.field, ROW_AND_COLUMN);
        f.field.SetMovesUsed(c.movesBefore);
        EXPECT_EQ(c.lineScore, SlideBrick(f.field, 5, 1)) << "after " << c.movesBefore << " moves";
        EXPECT_EQ(CMoverField::STATUS_REMOVING, f.field.GetStatus());
        EXPECT_EQ(11, CountSelected(f.field, 0));
        // Two lines take two different blockers.
        EXPECT_EQ(c.blockersTaken, CountSelected(f.field, 6));
    }
}

TEST(MoverField, OnlyFullOneColourLinesOfPlayingColoursCount)
{
    struct SCase
    {
        std::vector<std::string> board;
        int lineScore;
    };
    const SCase cases[] = {
        {{"XXXXXX", "RGBYGB", "GBYGB.", "BYGBYG", "YGBYGB", "GBYGBY"}, 0},
        {{"RRR.RR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGBY", "BYGBYG"}, 0},
        {{"GRRRRR", "GBYGBY", "BYGBYR", "YGBYGB", "GBYGB.", "BYGBYG"}, 0},
        {{"GRBYGB", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 17},
        {{"GGGGGG", "GBYGBY", "GYGBYR", "GGBYGB", "GBYGB.", "GYGBYG"}, 34},
    };
    for (const SCase& c : cases)
    {
        SFieldFixture f;
        SetBoard(f.field, c.board);
        f.field.CheckLines();
        EXPECT_EQ(c.lineScore, f.field.GetLineScore()) << c.board[0];
    }
}

TEST(MoverField, RemovedLinesGrowBackAndTheMoveCountStartsAgain)
{
    SFieldFixture f(0, 0, 3);
    SetBoard(f.field, ROW_AND_COLUMN);
    f.field.SetMovesUsed(2);
    SlideBrick(f.field, 5, 1);
    RunUntilIdle(f.field);
    EXPECT_EQ(0, f.field.GetMovesUsed());
    EXPECT_EQ(16, f.field.GetBonusMoves());
    EXPECT_EQ(11 + 2, static_cast<int>(f.events.m_sparkles.size()) / CMoverBrick::SPARKLES_PER_BURST);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (const CMoverBrick* brick = f.field.GetMoverBrick(x, y))
            {
                EXPECT_FALSE(brick->IsSelected());
                EXPECT_EQ(1.0f, brick->GetGrowScale());
            }
}

TEST(MoverField, BlockersGrowBackOnlyOnceTheMoveLimitIsUsedUp)
{
    const struct
    {
        int movesBefore;
        bool blockers;
    } cases[] = {{14, false}, {15, true}, {30, true}};
    for (const auto& c : cases)
    {
        int blockers = 0;
        for (int seed = 0; seed < 40; ++seed)
        {
            SFieldFixture f(0, 0, seed);
            SetBoard(f.field, {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"});
            f.field.SetMovesUsed(c.movesBefore);
            SlideBrick(f.field, 5, 1);
            RunUntilIdle(f.field);
            for (int x = 0; x < 6; ++x)
                blockers += f.field.GetMoverBrick(x, 0)->GetColor() == CMoverParams::SPECIAL_COLOR;
        }
        EXPECT_EQ(c.blockers, blockers > 0) << "after " << c.movesBefore << " moves";
    }
    SFieldFixture f;
    EXPECT_EQ(16, f.field.GetBonusMoves());
    f.field.SetMovesUsed(20);
    EXPECT_EQ(0, f.field.GetBonusMoves());
}

TEST(MoverField, BoardIsFinishedWhenNoPlayingColourCanFillALine)
{
    struct SCase
    {
        std::vector<std::string> board;
        bool finished;
    };
    const SCase cases[] = {
        {{"XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, true},
        {{"RRRRRR", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."}, false},
    };
    for (const SCase& c : cases)
    {
        SFieldFixture f;
        SetBoard(f.field, c.board);
        EXPECT_EQ(c.finished, f.field.IsFinished()) << c.board[0];
    }
}

