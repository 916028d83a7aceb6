#include <gtest/gtest.h>

#include "games/jewel/CJewelBrick.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
// Large steps: a brick fades in one and falls the whole board in another.
const float kBigStep = 1000.0f;

// The level end as the game runs it: the bonus, then every other cell flies away.
void EndLevel(CJewelField& field)
{
    field.AddLevelBonus();
    for (int i = 0; i < 100000 && field.GetState() == CJewelField::STATE_LEVEL_END; ++i)
        field.Update(kBigStep);
}

// The cells the level end takes (every other one, the rows alternating
// sides) struck off at once: the level end's own steps scan the board once a
// brick, far too slow for thousands of games.
void EndLevelAtOnce(CJewelField& field)
{
    const int width = field.GetWidth();
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < width; x += 2)
            field.RemoveBrick(y % 2 == 1 ? x : width - 1 - x, y);
    field.FinishStrike();
}

// Runs the fall of a level start to its landing; the state the landing leaves.
int Land(CJewelField& field)
{
    for (int i = 0; i < 1000 && field.GetState() == CJewelField::STATE_FALLING; ++i)
        field.Update(kBigStep);
    return field.GetState();
}

// Level 1 dealt, then level after level ended and started up to `last`, the
// way a game goes on; false, with the failure recorded, at the first start
// whose bricks land in a run or without a move.
bool PlayLevelStarts(CJewelField& field, int cells, int group, int last, unsigned seed)
{
    field.SetGroupSize(group);
    field.SetBoardSize(cells);
    field.NewLevel(1);
    for (int level = 2; level <= last; ++level)
    {
        EndLevelAtOnce(field);
        field.NewLevel(level);
        // The grid already holds every brick on the cell it falls to.
        if (HasStandingRun(field, group) || HasHole(field))
        {
            ADD_FAILURE() << "seed " << seed << " level " << level << " lands in a run or with a hole\n"
                          << testing::PrintToString(GetBoard(field));
            return false;
        }
        int landed = Land(field);
        if (landed != CJewelField::STATE_IDLE)
        {
            ADD_FAILURE() << "seed " << seed << " level " << level << " landed in state " << landed << "\n"
                          << testing::PrintToString(GetBoard(field));
            return false;
        }
    }
    return true;
}

// A game through the real level ends up to level `last`, each start's
// cascades run out as they come; the level at whose start no swap was left,
// or 0.
int StuckLevel(CJewelField& field, int cells, int last)
{
    field.SetBoardSize(cells);
    field.NewLevel(1);
    for (int level = 2; level <= last; ++level)
    {
        EndLevel(field);
        field.NewLevel(level);
        for (int i = 0; i < 100000 && !field.IsIdle() && !field.IsStuck(); ++i)
            field.Update(kBigStep);
        if (!field.IsIdle())
            return level;
    }
    return 0;
}

struct SStartsCase { int cells; int group; unsigned seeds; };

class JewelLevelStarts : public ::testing::TestWithParam<SStartsCase>
{
};

// Every board size the kind plays, over many seeds, levels 2 to 12 (five
// colours up to ten): the bricks a level start leaves and brings land with
// nothing to pay and with a move, the landing idle rather than removing or
// stuck.
TEST_P(JewelLevelStarts, LandWithoutARunAndWithAMove)
{
    const SStartsCase& c = GetParam();
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    for (unsigned seed = 1; seed <= c.seeds; ++seed)
    {
        CRandom random(seed);
        CJewelField field(*params, random, nullptr, nullptr, nullptr);
        if (!PlayLevelStarts(field, c.cells, c.group, 12, seed))
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, JewelLevelStarts,
                         ::testing::Values(SStartsCase{8, 3, 2000}, SStartsCase{9, 3, 1000},
                                           SStartsCase{10, 3, 1000}, SStartsCase{11, 3, 1000},
                                           SStartsCase{12, 3, 1000}, SStartsCase{13, 3, 1000},
                                           SStartsCase{14, 3, 1000}, SStartsCase{8, 4, 300},
                                           SStartsCase{8, 5, 100}, SStartsCase{14, 5, 50}),
                         [](const ::testing::TestParamInfo<SStartsCase>& info) {
                             return "Cells" + std::to_string(info.param.cells) + "Group" +
                                    std::to_string(info.param.group);
                         });

// The quick level end of the table above takes what the real one takes.
TEST(JewelQuickLevelEnd, TakesTheCellsOfTheLevelEnd)
{
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    for (int cells = 8; cells <= 14; ++cells)
    {
        CRandom realRandom(cells);
        CRandom quickRandom(cells);
        CJewelField real(*params, realRandom, nullptr, nullptr, nullptr);
        CJewelField quick(*params, quickRandom, nullptr, nullptr, nullptr);
        real.SetBoardSize(cells);
        quick.SetBoardSize(cells);
        real.NewLevel(1);
        quick.NewLevel(1);
        EndLevel(real);
        EndLevelAtOnce(quick);
        EXPECT_EQ(GetBoard(real), GetBoard(quick)) << cells;
    }
}

struct SStuckCase { unsigned seed; int level; };

class JewelLevelStartSeeds : public ::testing::TestWithParam<SStuckCase>
{
};

// Games on the 8 x 8 board that were once left without a swap by the bricks
// of a level start, before the player could move.
TEST_P(JewelLevelStartSeeds, LeaveTheLevelPlayable)
{
    const SStuckCase& c = GetParam();
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CRandom random(c.seed);
    CJewelField field(*params, random, nullptr, nullptr, nullptr);
    EXPECT_EQ(0, StuckLevel(field, 8, c.level));
    EXPECT_EQ(c.level, field.GetLevel());
}

INSTANTIATE_TEST_SUITE_P(Reported, JewelLevelStartSeeds,
                         ::testing::Values(SStuckCase{29, 8}, SStuckCase{112, 5}),
                         [](const ::testing::TestParamInfo<SStuckCase>& info) {
                             return "Seed" + std::to_string(info.param.seed);
                         });

// An 8 x 8 board before its level end, and its kept bricks after they have
// fallen to the bottom half (the level end takes every other cell, so each
// column keeps four); `recolored` of them land in a run and must change.
struct SKeptCase { const char* name; Board before; Board kept; int recolored; };

class JewelLevelStartKeeps : public JewelFieldFixture<::testing::TestWithParam<SKeptCase>>
{
};

TEST_P(JewelLevelStartKeeps, WhatTheLevelEndLeftAndDealsOnlyTheFreedCells)
{
    const SKeptCase& c = GetParam();
    SetBoard(field, c.before);
    EndLevel(field);
    field.NewLevel(2);
    ASSERT_EQ(CJewelField::STATE_FALLING, field.GetState());
    Board after = GetBoard(field);
    ASSERT_FALSE(HasStandingRun(field, 3)) << testing::PrintToString(after);
    int changed = 0;
    for (int y = 4; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            changed += after[y][x] != c.kept[y - 4][x] ? 1 : 0;
    EXPECT_EQ(c.recolored, changed) << testing::PrintToString(after);
    // The new bricks start above the board, one column's lowest first.
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y)
            EXPECT_FLOAT_EQ(CJewelField::DROP_HEIGHT + (3 - y) * field.GetBrickSize(),
                            field.BrickAt(x, y)->GetPosition().y)
                << x << "," << y;
    EXPECT_EQ(CJewelField::STATE_IDLE, Land(field));
    EXPECT_EQ(0, events.CountSound(CJewelField::SOUND_RUN));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, JewelLevelStartKeeps,
    ::testing::Values(SKeptCase{"KeptBricksMakeNoRun",
                                {"BRBBRPYP", "YGRYPGBP", "RYRPBGRR", "PYBYPBRG", "BGPRYBBP", "RRYBYGYP", "YRGBGBPG",
                                 "BPYPRGYR"},
                                {"BGBYRGYP", "RYRYBBRG", "BRPBYGBP", "YPGPGGPR"},
                                0},
                      // Column 5 keeps three yellows, which land in a run
                      // that no new brick can break.
                      SKeptCase{"KeptBricksLandInARun",
                                {"BGRGYYRB", "RPBRGRYY", "GYPYPBPP", "YBYGBYGP", "PBGBBGPR", "BYBRYYBP", "PGRYRBGB",
                                 "YBPYBYGY"},
                                {"BPRRYRRY", "GBPGPYPP", "PYGRBYPP", "PBRYRYGY"},
                                1}),
    [](const ::testing::TestParamInfo<SKeptCase>& info) { return info.param.name; });

class JewelLevelStart : public JewelFieldFixture<>
{
};

// A full board of five a side without a move for runs of five: no free cell
// is there to deal one, so the level deals its whole board afresh, a move
// planted, and all of it falls in.
TEST_F(JewelLevelStart, WithoutAMoveFromItsFreeCellsDealsTheWholeBoard)
{
    SetBoard(field, {"RGBYP", "GBYPR", "BYPRG", "YPRGB", "PRGBY"});
    field.SetGroupSize(5);
    field.NewLevel(2);
    EXPECT_EQ(25, field.GetMovingCount());
    for (int x = 0; x < 5; ++x)
        EXPECT_GE(field.BrickAt(x, 4)->GetPosition().y, CJewelField::DROP_HEIGHT) << x;
    EXPECT_EQ(CJewelField::STATE_IDLE, Land(field));
    EXPECT_FALSE(HasStandingRun(field, 5));
}

// The refill after a removal stays plain: one colour from the game's source
// for each new brick, columns from the left, each from the bottom up, with
// no regard to the runs it may make.
TEST_F(JewelLevelStart, TheRefillAfterARemovalDrawsEachNewColourPlain)
{
    SetBoard(field, {"RGBYP", "GBYPR", "BYPRG", "YPRGB", "PRGBY"});
    field.SetColorCount(2);
    field.RemoveColumn(1, 0);
    field.RemoveBrick(3, 4);
    field.RemoveBrick(3, 2);
    field.FinishStrike();
    random.Seed(77);
    field.Refill();
    // Column 3 keeps Y, P and G, fallen to the bottom; '?' is new.
    Board expected = {"R?B?P", "G?Y?R", "B?PYG", "Y?RPB", "P?GGY"};
    CRandom twin(77);
    for (int y = 4; y >= 0; --y)
        expected[y][1] = "RY"[twin.Next(2)];
    for (int y = 1; y >= 0; --y)
        expected[y][3] = "RY"[twin.Next(2)];
    EXPECT_EQ(expected, GetBoard(field));
}
}
