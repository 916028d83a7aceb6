#include <gtest/gtest.h>

#include "games/jewel/CJewelBrick.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
struct SRunCase { const char* name; std::vector<std::string> board; int x; int y; int count; int marked; };

class JewelRunSearch : public JewelFieldFixture<::testing::TestWithParam<SRunCase>>
{
};

TEST_P(JewelRunSearch, CountsEachLongEnoughRunThroughTheBrick)
{
    const SRunCase& c = GetParam();
    SetBoard(field, c.board);
    int count = 0;
    field.FindLines(c.x, c.y, count);
    EXPECT_EQ(c.count, count);
    int marked = 0;
    for (int x = 0; x < field.GetWidth(); ++x)
        for (int y = 0; y < field.GetHeight(); ++y)
            marked += field.BrickAt(x, y) && field.BrickAt(x, y)->IsMarked() ? 1 : 0;
    EXPECT_EQ(c.marked, marked);
}

INSTANTIATE_TEST_SUITE_P(Shapes, JewelRunSearch,
                         ::testing::Values(SRunCase{"PlusOfFive", {"GRG", "RRR", "GRG"}, 1, 1, 6, 5},
                                           SRunCase{"LShape", {"RGG", "RGG", "RRR"}, 0, 2, 6, 5},
                                           SRunCase{"TwoRunsOfTwo", {"RGG", "RRG", "GGB"}, 0, 1, 0, 0},
                                           SRunCase{"RowOfFour", {"RRRR", "GBGB", "BGBG", "GBGB"}, 2, 0, 4, 4},
                                           SRunCase{"RunNotThroughBrick", {"RRRG", "GBGB", "BGBG", "GGBB"}, 3, 0, 0, 0}),
                         [](const ::testing::TestParamInfo<SRunCase>& info) { return info.param.name; });

class JewelField : public JewelFieldFixture<>
{
protected:
    void Select(int x, int y) { field.BrickAt(x, y)->SetSelected(true); }
};

TEST_F(JewelField, SwapThatMakesNoRunMovesBothBack)
{
    SetBoard(field, {"RGBY", "GBYR", "BYRG", "YRGB"});
    std::vector<std::string> before = GetBoard(field);
    Select(0, 0);
    field.TrySwap(1, 0);
    EXPECT_EQ(CJewelField::STATE_SWAP, field.GetState());
    for (int i = 0; i < 5000 && !field.IsIdle(); ++i)
        field.Update(16.0f);
    EXPECT_EQ(before, GetBoard(field));
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_SWAP_BACK));
    EXPECT_EQ(0, events.CountSound(CJewelField::SOUND_LANDED));
}

// A brick already at its target leaves the moving list first; the swap is
// judged only when the other one arrives. (Swaps arriving together score
// throughout the whole game's test.)
TEST_F(JewelField, SwapThatMakesARunRemovesItAndRefillsEvenWhenOneBrickArrivesLate)
{
    SetBoard(field, {"GRRBY", "RBYPC", "BYPCG", "YPCGB", "PCGBY"});
    CJewelBrick* first = field.BrickAt(0, 1);
    Select(0, 1);
    field.TrySwap(0, 0);
    first->SetPosition(field.GetBrickPosition(0, 0));
    int removed = 0;
    for (int i = 0; i < 5000 && !field.IsIdle() && !field.IsStuck(); ++i)
    {
        field.Update(16.0f);
        removed += field.GetScore();
    }
    EXPECT_GE(removed, 3);
    EXPECT_EQ(0, events.CountSound(CJewelField::SOUND_SWAP_BACK));
    EXPECT_GE(events.CountSound(CJewelField::SOUND_RUN), 1);
    EXPECT_FALSE(HasHole(field));
    EXPECT_FALSE(HasStandingRun(field, 3));
}

TEST_F(JewelField, PressOnANonNeighbourMovesTheSelection)
{
    SetBoard(field, {"RGBY", "GBYR", "BYRG", "YRGB"});
    Select(0, 0);
    field.TrySwap(2, 2);
    EXPECT_TRUE(field.BrickAt(2, 2)->IsSelected());
    EXPECT_FALSE(field.BrickAt(0, 0)->IsSelected());
    EXPECT_EQ(CJewelField::STATE_IDLE, field.GetState());
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_SELECT));
}

TEST_F(JewelField, EveryFreshDealHasAMove)
{
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        random.Seed(seed);
        field.SetBoardSize(8 + seed % 7);
        field.NewLevel(1);
        EXPECT_EQ(CJewelField::STATE_IDLE, field.GetState()) << seed;
        EXPECT_FALSE(field.CheckStuck()) << seed;
        EXPECT_FALSE(HasHole(field));
    }
}

// Every board size and run length the kind plays, over many seeds: a fresh
// board holds no run that the first landing would pay out.
TEST_F(JewelField, FreshDealsHoldNoStandingRunAndStillHaveAMove)
{
    for (int group = CJewelParams::MIN_GROUP; group <= CJewelParams::MAX_GROUP; ++group)
        for (int cells = 8; cells <= 14; ++cells)
            for (unsigned seed = 1; seed <= 30; ++seed)
            {
                SCOPED_TRACE(testing::Message() << "group " << group << " cells " << cells << " seed " << seed);
                random.Seed(seed * 31 + cells);
                field.SetGroupSize(group);
                field.SetBoardSize(cells);
                field.NewLevel(1);
                ASSERT_FALSE(HasStandingRun(field, group)) << testing::PrintToString(GetBoard(field));
                EXPECT_FALSE(HasHole(field));
                EXPECT_FALSE(field.CheckStuck());
                EXPECT_EQ(CJewelField::STATE_IDLE, field.GetState());
            }
}

TEST_F(JewelField, BoardWithoutSwapIsStuckUnlessABonusIsHeld)
{
    SetBoard(field, {"RGBY", "BYRG", "RGBY", "BYRG"});
    field.SetBonusHeld(true);
    EXPECT_FALSE(field.CheckStuck());
    field.SetBonusHeld(false);
    EXPECT_TRUE(field.CheckStuck());
    EXPECT_TRUE(field.IsStuck());
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_NO_MOVE));
}

TEST_F(JewelField, LevelEndRemovesEveryOtherCellInAlternatingRows)
{
    for (int n : {8, 9})
    {
        field.SetBoardSize(n);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                field.CreateBrickAt(x, y, (x + y) % 5);
        field.AddLevelBonus();
        EXPECT_EQ(1000, field.GetScore());
        int removed = 0;
        for (int i = 0; i < 20000 && field.GetState() == CJewelField::STATE_LEVEL_END; ++i)
        {
            field.Update(16.0f);
            removed -= field.GetScore();
        }
        EXPECT_EQ(CJewelField::STATE_LEVEL_CLEARED, field.GetState());
        int left = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
            {
                bool gone = n % 2 == 0 ? (y % 2 == 0 ? x % 2 == 1 : x % 2 == 0) : x % 2 == 0;
                EXPECT_EQ(gone, field.BrickAt(x, y) == nullptr) << n << " " << x << "," << y;
                left += field.BrickAt(x, y) ? 1 : 0;
            }
        EXPECT_EQ(n * n - left, removed);
    }
}

struct SStrikeCase { const char* name; int kind; int x; int y; int count; };

class JewelStrike : public JewelFieldFixture<::testing::TestWithParam<SStrikeCase>>
{
};

TEST_P(JewelStrike, SendsOffTheCellsOfItsShape)
{
    const SStrikeCase& c = GetParam();
    SetBoard(field, {"RGBYP", "GBYPR", "BYPRG", "YPRGB", "PRGBY"});
    int count = c.kind == 1 ? field.RemoveBrick(c.x, c.y)
              : c.kind == 2 ? field.RemoveRow(c.x, c.y)
              : c.kind == 3 ? field.RemoveColumn(c.x, c.y)
              : c.kind == 4 ? field.BombAt(c.x, c.y)
                            : field.RecolorBricks(c.x, c.y, c.kind - 10);
    EXPECT_EQ(c.count, count);
    EXPECT_EQ(CJewelField::STATE_REMOVING, field.GetState());
    int removed = 0;
    for (int i = 0; i < 5000 && field.GetState() == CJewelField::STATE_REMOVING; ++i)
    {
        field.Update(16.0f);
        removed += field.GetScore();
    }
    EXPECT_EQ(c.kind >= 10 ? 0 : c.count, removed);
    if (c.kind >= 10)
    {
        EXPECT_EQ("RYGBPCOKWN"[c.kind - 10], GetBoard(field)[c.y][c.x]);
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, JewelStrike,
                         ::testing::Values(SStrikeCase{"Single", 1, 2, 2, 1}, SStrikeCase{"Row", 2, 3, 1, 5},
                                           SStrikeCase{"Column", 3, 4, 0, 5},
                                           SStrikeCase{"BombTopLeft", 4, 0, 0, 9},
                                           SStrikeCase{"BombBottomRight", 4, 4, 4, 4},
                                           SStrikeCase{"BombMiddle", 4, 2, 2, 9},
                                           SStrikeCase{"RecolorSameColour", 10, 0, 0, 5},
                                           SStrikeCase{"RecolorOther", 12, 1, 0, 5}),
                         [](const ::testing::TestParamInfo<SStrikeCase>& info) { return info.param.name; });

TEST_F(JewelField, PointsLeftOfOrAboveTheBoardAreOffIt)
{
    int x = 0;
    int y = 0;
    EXPECT_FALSE(field.CellAt(CVector4(-350.5f, 300.0f, 0.0f), x, y));
    EXPECT_FALSE(field.CellAt(CVector4(0.0f, 350.5f, 0.0f), x, y));
    EXPECT_TRUE(field.CellAt(CVector4(-350.0f, 349.0f, 0.0f), x, y));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
}
}
