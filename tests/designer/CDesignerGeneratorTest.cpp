#include <gtest/gtest.h>

#include <set>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerGenerator.h"
#include "games/designer/CDesignerTilingSearch.h"
#include "shell/game/CRandom.h"
#include "games/designer/CDesignerParams.h"
#include "tests/files/CTempDir.h"

namespace
{
int DistinctKinds(const std::vector<CDesignerFigure>& figures)
{
    std::set<int> kinds;
    for (const CDesignerFigure& figure : figures)
        kinds.insert(figure.GetKind());
    return static_cast<int>(kinds.size());
}

// Every cell covered by exactly one figure, and the figures' cells add up.
void ExpectExactCover(const CDesignerGenerator& generator, int n)
{
    std::vector<std::string> tiling = generator.GetTiling();
    int cells = 0;
    for (const CDesignerFigure& figure : generator.GetFigures())
    {
        cells += figure.GetCellCount();
        EXPECT_EQ(0, figure.GetAngle());
    }
    EXPECT_EQ(n * n, cells);
    for (int i = 0; i < static_cast<int>(generator.GetFigures().size()); ++i)
    {
        int marked = 0;
        for (const std::string& row : tiling)
            for (char ch : row)
                marked += ch == 'a' + i ? 1 : 0;
        EXPECT_EQ(generator.GetFigures()[i].GetCellCount(), marked) << "figure " << i;
    }
}
}

TEST(DesignerGenerator, LevelsCoverTheBoardExactlyWithinTheKindLimits)
{
    const struct
    {
        int n, low, high;
    } cases[] = {{6, 2, 5}, {6, 4, 6}, {6, 5, 8}, {7, 1, 9}, {7, 2, 5}, {7, 4, 6},
                 {7, 5, 8}, {8, 2, 5}, {8, 4, 6}, {8, 5, 8}, {6, 7, 7}, {8, 9, 9}};
    for (const auto& c : cases)
        for (unsigned seed = 1; seed <= 8; ++seed)
        {
            CRandom random(seed);
            CDesignerGenerator generator(c.n, c.n, random);
            EXPECT_TRUE(generator.GenerateLevel(c.low, c.high)) << c.n << " seed " << seed;
            ExpectExactCover(generator, c.n);
            int distinct = DistinctKinds(generator.GetFigures());
            EXPECT_GE(distinct, c.low);
            EXPECT_LE(distinct, c.high);
        }
}

TEST(DesignerGenerator, LimitsNoTilingMeetsEndAfterTheBoundWithACompleteTiling)
{
    // Nine distinct kinds cannot lie on 36 cells; a minimum above the
    // maximum can never be met at all.
    const int limits[][2] = {{9, 9}, {7, 3}};
    for (const auto& limit : limits)
    {
        CRandom random(5);
        CDesignerGenerator generator(6, 6, random);
        EXPECT_FALSE(generator.GenerateLevel(limit[0], limit[1]));
        EXPECT_EQ(CDesignerGenerator::MAX_ATTEMPTS, generator.GetAttemptsMade());
        ExpectExactCover(generator, 6);
    }
}

TEST(DesignerGenerator, ShippedLimitsAreMetOnEveryBoard)
{
    std::string bytes = CTempDir::ReadText(MW_SOURCE_DIR "/assets/dat/bricks_des.txt");
    ASSERT_FALSE(bytes.empty());
    CConfigFile store;
    store.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), true);
    CDesignerParams params;
    params.ReadParams(store);
    for (int size : {0, 2})
        for (int d = 0; d < 3; ++d)
            for (unsigned seed = 1; seed <= 3; ++seed)
            {
                CRandom random(seed);
                CDesignerGenerator generator(size + 6, size + 6, random);
                EXPECT_TRUE(generator.GenerateLevel(params.GetMinCount(d), params.GetMaxCount(d)))
                    << "size " << size << " difficulty " << d << " seed " << seed;
            }
}

TEST(DesignerGenerator, LevelsNoGreedyPassCutsWithinTheLimitsAreStillCutWithinThem)
{
    // Seeds whose greedy passes all miss the easy range on the larger
    // boards: the level is searched for, not left with up to eight kinds.
    const struct
    {
        int n;
        unsigned seed;
    } cases[] = {{8, 17}, {8, 69}, {8, 118}, {8, 241}, {7, 391}, {7, 590}};
    for (const auto& c : cases)
    {
        CRandom random(c.seed);
        CDesignerGenerator generator(c.n, c.n, random);
        EXPECT_TRUE(generator.GenerateLevel(2, 5)) << c.n << " seed " << c.seed;
        EXPECT_EQ(CDesignerGenerator::MAX_ATTEMPTS, generator.GetAttemptsMade());
        ExpectExactCover(generator, c.n);
        int distinct = DistinctKinds(generator.GetFigures());
        EXPECT_GE(distinct, 2) << c.n << " seed " << c.seed;
        EXPECT_LE(distinct, 5) << c.n << " seed " << c.seed;
    }
}

TEST(DesignerGenerator, FallBackSearchCutsWithinTheLimitsOnEveryBoardAndDifficulty)
{
    // No greedy pass at all: every level comes from the search.
    const int limits[3][2] = {{2, 5}, {4, 6}, {5, 8}};
    for (int n = 6; n <= 8; ++n)
        for (const auto& limit : limits)
            for (unsigned seed = 1; seed <= 60; ++seed)
            {
                CRandom random(seed);
                CDesignerGenerator generator(n, n, random);
                ASSERT_TRUE(generator.GenerateLevel(limit[0], limit[1], 0))
                    << n << " [" << limit[0] << ", " << limit[1] << "] seed " << seed;
                ExpectExactCover(generator, n);
                int distinct = DistinctKinds(generator.GetFigures());
                EXPECT_GE(distinct, limit[0]) << n << " seed " << seed;
                EXPECT_LE(distinct, limit[1]) << n << " seed " << seed;
            }
}

TEST(DesignerGenerator, SearchedCutsDifferFromSeedToSeed)
{
    std::set<std::vector<std::string>> tilings;
    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        CRandom random(seed);
        CDesignerGenerator generator(8, 8, random);
        generator.GenerateLevel(2, 5, 0);
        tilings.insert(generator.GetTiling());
    }
    EXPECT_EQ(10u, tilings.size());
}
