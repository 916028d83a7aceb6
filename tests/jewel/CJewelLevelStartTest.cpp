#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelGame.h"
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

// Runs falls and cascades until the field rests; the bricks removed on the
// way. `rested` tells whether it came to rest with a swap left. After every
// update the game's source is drawn from once more, as the bonus figures draw
// from it while the cascades pay.
int Settle(CJewelField& field, CRandom& random, bool& rested)
{
    int removed = 0;
    for (int i = 0; i < 100000 && !field.IsIdle() && !field.IsStuck(); ++i)
    {
        field.Update(kBigStep);
        removed += field.GetScore();
        random.Next();
    }
    rested = field.IsIdle();
    return removed;
}

// Each column's bricks from the bottom up.
std::vector<std::vector<const CJewelBrick*>> ColumnsFromTheBottom(const CJewelField& field)
{
    std::vector<std::vector<const CJewelBrick*>> columns(field.GetWidth());
    for (int x = 0; x < field.GetWidth(); ++x)
        for (int y = field.GetHeight() - 1; y >= 0; --y)
            if (const CJewelBrick* brick = field.BrickAt(x, y))
                columns[x].push_back(brick);
    return columns;
}

// Level starts, counted: how many cascaded and how many bricks the cascades
// took; of the plain refills on the same boards, how many settled without a
// swap and how many cascaded of those that settled with one.
struct STally
{
    int starts = 0;
    int cascades = 0;
    long removed = 0;
    int plainStuck = 0;
    int plainCascades = 0;
};

// Level 1 dealt, then level after level ended and started up to `last`, the
// way a game goes on; false, with the failure recorded, at the first start
// that changes a kept brick or settles with a hole, a run or no swap. Each
// board the level end leaves is also refilled plainly on `plain`.
bool PlayLevelStarts(CJewelField& field, CRandom& random, CJewelField& plain, CRandom& plainRandom, int group,
                     int last, unsigned seed, STally& tally)
{
    field.NewLevel(1);
    for (int level = 2; level <= last; ++level)
    {
        EndLevelAtOnce(field);
        const Board left = GetBoard(field);
        SetBoard(plain, left);
        plain.SetGroupSize(group);
        plain.SetColorCount(CJewelField::ColorsForLevel(level));
        plain.Refill();
        bool rested = false;
        int plainRemoved = Settle(plain, plainRandom, rested);
        tally.plainStuck += rested ? 0 : 1;
        tally.plainCascades += rested && plainRemoved > 0 ? 1 : 0;

        std::vector<std::vector<const CJewelBrick*>> kept = ColumnsFromTheBottom(field);
        std::vector<std::vector<int>> colors(kept.size());
        for (std::size_t x = 0; x < kept.size(); ++x)
            for (const CJewelBrick* brick : kept[x])
                colors[x].push_back(brick->GetColor());
        field.NewLevel(level);
        // The kept bricks stand at the foot of their columns, in their order
        // and colours; the new ones above them.
        std::vector<std::vector<const CJewelBrick*>> now = ColumnsFromTheBottom(field);
        for (std::size_t x = 0; x < kept.size(); ++x)
        {
            for (std::size_t i = 0; i < kept[x].size(); ++i)
            {
                if (now[x].size() > i && now[x][i] == kept[x][i] && now[x][i]->GetColor() == colors[x][i])
                    continue;
                ADD_FAILURE() << "seed " << seed << " level " << level << " moved or recoloured a kept brick of column "
                              << x << "\n"
                              << testing::PrintToString(left);
                return false;
            }
        }
        int removed = Settle(field, random, rested);
        ++tally.starts;
        if (!rested || HasHole(field) || HasStandingRun(field, group))
        {
            ADD_FAILURE() << "seed " << seed << " level " << level << " settled without a swap, with a hole or a run\n"
                          << testing::PrintToString(GetBoard(field));
            return false;
        }
        tally.cascades += removed > 0 ? 1 : 0;
        tally.removed += removed;
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

// plainStuck: whether the plain refill is known to leave some of these
// boards without a swap, which is what the level start mends.
struct SStartsCase { int cells; int group; unsigned seeds; bool plainStuck; };

class JewelLevelStarts : public ::testing::TestWithParam<SStartsCase>
{
};

// Every board size the kind plays, over many seeds, levels 2 to 12 (six
// colours up to ten): the bricks the level end leaves keep their colours,
// the new ones cascade about as often as the plain refill's do, and every
// start settles on a board with a swap.
TEST_P(JewelLevelStarts, KeepTheLeftBricksCascadeAndSettleWithASwap)
{
    const SStartsCase& c = GetParam();
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    STally tally;
    for (unsigned seed = 1; seed <= c.seeds; ++seed)
    {
        CRandom random(seed);
        CRandom plainRandom(seed + 100000);
        CJewelField field(*params, random, nullptr, nullptr, nullptr);
        CJewelField plain(*params, plainRandom, nullptr, nullptr, nullptr);
        field.SetGroupSize(c.group);
        field.SetBoardSize(c.cells);
        if (!PlayLevelStarts(field, random, plain, plainRandom, c.group, 12, seed, tally))
            return;
    }
    std::printf("%d level starts: %d cascaded, %ld bricks; plain refill: %d without a swap, %d cascaded\n",
                tally.starts, tally.cascades, tally.removed, tally.plainStuck, tally.plainCascades);
    // The draws kept are the plain refill's that settle with a swap, so
    // they cascade as often as those do, within the sampling's spread.
    const int plainRested = tally.starts - tally.plainStuck;
    ASSERT_GT(plainRested, 0);
    EXPECT_NEAR(static_cast<double>(tally.plainCascades) / plainRested,
                static_cast<double>(tally.cascades) / tally.starts, 0.03 + 1.5 / std::sqrt(plainRested));
    if (c.plainStuck)
    {
        EXPECT_GT(tally.plainStuck, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, JewelLevelStarts,
                         ::testing::Values(SStartsCase{8, 3, 2000, true}, SStartsCase{9, 3, 1000, false},
                                           SStartsCase{10, 3, 1000, false}, SStartsCase{11, 3, 500, false},
                                           SStartsCase{12, 3, 500, false}, SStartsCase{13, 3, 500, false},
                                           SStartsCase{14, 3, 500, false}, SStartsCase{8, 4, 300, false},
                                           SStartsCase{8, 5, 100, false}, SStartsCase{14, 5, 50, false}),
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
// column keeps four); `runs` the cells (column, row) of kept bricks that
// land in a run among themselves.
struct SKeptCase { const char* name; Board before; Board kept; std::vector<std::pair<int, int>> runs; };

class JewelLevelStartKeeps : public JewelFieldFixture<::testing::TestWithParam<SKeptCase>>
{
};

TEST_P(JewelLevelStartKeeps, TheLeftBricksInTheirOwnColoursTheirRunsRemovedOnLanding)
{
    const SKeptCase& c = GetParam();
    SetBoard(field, c.before);
    EndLevel(field);
    field.NewLevel(2);
    ASSERT_EQ(CJewelField::STATE_FALLING, field.GetState());
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_NEXT_LEVEL));
    Board after = GetBoard(field);
    EXPECT_EQ(c.kept, Board(after.begin() + 4, after.end())) << testing::PrintToString(after);
    // The new bricks start above the board, one column's lowest first.
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y)
            EXPECT_FLOAT_EQ(CJewelField::DROP_HEIGHT + (3 - y) * field.GetBrickSize(),
                            field.BrickAt(x, y)->GetPosition().y)
                << x << "," << y;
    std::vector<const CJewelBrick*> inRuns;
    for (const auto& cell : c.runs)
        inRuns.push_back(field.BrickAt(cell.first, cell.second));
    int state = Land(field);
    for (const CJewelBrick* brick : inRuns)
        EXPECT_TRUE(brick->IsMarked()) << testing::PrintToString(GetBoard(field));
    if (!c.runs.empty())
    {
        EXPECT_EQ(CJewelField::STATE_REMOVING, state);
        EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_RUN));
    }
    bool rested = false;
    EXPECT_GE(Settle(field, random, rested), static_cast<int>(c.runs.size()));
    EXPECT_TRUE(rested);
    EXPECT_FALSE(HasHole(field));
    EXPECT_FALSE(HasStandingRun(field, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, JewelLevelStartKeeps,
    ::testing::Values(SKeptCase{"KeptBricksMakeNoRun",
                                {"BRBBRPYP", "YGRYPGBP", "RYRPBGRR", "PYBYPBRG", "BGPRYBBP", "RRYBYGYP", "YRGBGBPG",
                                 "BPYPRGYR"},
                                {"BGBYRGYP", "RYRYBBRG", "BRPBYGBP", "YPGPGGPR"},
                                {}},
                      // Column 5 keeps three yellows, which land in a run.
                      SKeptCase{"KeptBricksLandInARun",
                                {"BGRGYYRB", "RPBRGRYY", "GYPYPBPP", "YBYGBYGP", "PBGBBGPR", "BYBRYYBP", "PGRYRBGB",
                                 "YBPYBYGY"},
                                {"BPRRYRRY", "GBPGPYPP", "PYGRBYPP", "PBRYRYGY"},
                                {{5, 5}, {5, 6}, {5, 7}}}),
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

// A game run frame by frame until its start effect is over and the field
// rests or has no swap left; each frame's count of bricks removed, as the
// game pays them.
std::vector<int> RunUntilRest(CJewelGame& game)
{
    std::vector<int> removed;
    CJewelField& field = game.GetField();
    for (int i = 0; i < 100000 && (game.IsEffectRunning() || (!field.IsIdle() && !field.IsStuck())); ++i)
    {
        game.Update(16.0f);
        removed.push_back(field.GetScore());
    }
    return removed;
}

// The level end granted to a resting game and run until the next level
// has started; the start's falls and cascades are left to the caller.
void EndTheLevel(CJewelGame& game)
{
    const int level = game.GetLevel();
    game.GetField().AddLevelBonus();
    for (int i = 0; i < 100000 && game.GetLevel() == level; ++i)
        game.Update(16.0f);
    ASSERT_EQ(level + 1, game.GetLevel());
}

// Before any move of level 2, the runs the new bricks make are paid as
// after a swap: the step times the level, and the step for each brick of a
// frame beyond three.
TEST(JewelLevelStartGame, ItsCascadesPayAsAfterASwap)
{
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    int paidStarts = 0;
    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        CJewelGame game(nullptr, *params, nullptr, seed);
        RunUntilRest(game);
        EndTheLevel(game);
        ASSERT_EQ(0, game.GetLevelScore());
        int expected = 0;
        for (int count : RunUntilRest(game))
            if (count > 0)
                expected += CJewelGame::Points(params->GetScoreBrick(), 2, count);
        EXPECT_TRUE(game.GetField().IsIdle()) << seed;
        EXPECT_EQ(expected, game.GetLevelScore()) << seed;
        paidStarts += expected > 0 ? 1 : 0;
    }
    EXPECT_GE(paidStarts, 3);
}

// Two games on one seed go through their level starts brick for brick
// alike, the bonus figures' draws among them.
TEST(JewelLevelStartGame, TheSameSeedPlaysTheSameGame)
{
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CJewelGame one(nullptr, *params, nullptr, 41);
    CJewelGame two(nullptr, *params, nullptr, 41);
    RunUntilRest(one);
    RunUntilRest(two);
    for (int level = 2; level <= 5; ++level)
    {
        EndTheLevel(one);
        EndTheLevel(two);
        EXPECT_EQ(RunUntilRest(one), RunUntilRest(two)) << level;
        EXPECT_EQ(GetBoard(one.GetField()), GetBoard(two.GetField())) << level;
        EXPECT_EQ(one.GetLevelScore(), two.GetLevelScore()) << level;
    }
}

// A game left while its level start's runs fade continues as one left
// during any cascade: the runs are found again, removed and paid, and the
// board settles whole.
TEST(JewelLevelStartGame, ASaveDuringItsCascadeContinuesAsAnyCascadeDoes)
{
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CJewelGame game(nullptr, *params, nullptr, 3);
    RunUntilRest(game);
    EndTheLevel(game);
    CJewelField& field = game.GetField();
    for (int i = 0; i < 1000 && field.GetState() != CJewelField::STATE_REMOVING; ++i)
        game.Update(16.0f);
    ASSERT_EQ(CJewelField::STATE_REMOVING, field.GetState()) << "seed 3 no longer cascades at level 2";
    CConfigFile store;
    game.Save(store);
    CJewelGame restored(nullptr, *params, nullptr, 99);
    ASSERT_TRUE(restored.Load(store));
    const int saved = restored.GetLevelScore();
    RunUntilRest(restored);
    EXPECT_EQ(2, restored.GetLevel());
    EXPECT_GT(restored.GetLevelScore(), saved);
    EXPECT_FALSE(HasHole(restored.GetField()));
    EXPECT_FALSE(HasStandingRun(restored.GetField(), 3));
}
}
