#include <gtest/gtest.h>

#include <set>

#include "games/remover/CRemoverBrick.h"
#include "shell/game/PackPos.h"
#include "shell/game/CRandom.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
class RemoverPhases : public ::testing::Test
{
protected:
    void SetUp() override
    {
        params = MakeParams(0, 0);
        field = std::make_unique<CRemoverField>(*params, &events, nullptr, random);
    }

    // A board with every cell filled except the listed ones.
    std::vector<std::string> FullBoardExcept(const std::vector<std::pair<int, int>>& holes)
    {
        std::vector<std::string> rows(9, std::string(9, 'R'));
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                rows[y][x] = "RGBY"[(x / 2 + y) % 4];
        for (auto& hole : holes)
            rows[hole.second][hole.first] = '.';
        return rows;
    }

    CRandom random{11};
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params;
    std::unique_ptr<CRemoverField> field;
};

bool IsEven(int pos)
{
    return (UnpackPosX(pos) + UnpackPosY(pos)) % 2 == 0;
}
}

TEST_F(RemoverPhases, RefillTargetsEmptyEvenCellsOnly)
{
    field->NewLevel(1);
    // Empty a few even and odd cells, then end a removal phase.
    field->RemoveBrick(0, 0);
    field->RemoveBrick(2, 2);
    field->RemoveBrick(4, 0);
    field->SetRefillRequest(true);
    field->SelectGroup(field->GetRemoverBrick(6, 0));   // too small: only starts removal
    field->Update();
    EXPECT_EQ(CRemoverField::STATUS_ADDING, field->GetStatus());
    std::set<int> targets;
    for (int i = 0; i < field->GetQueuedCount(); ++i)
        targets.insert(field->GetQueuedTarget(i));
    for (int i = 0; i < field->GetFlyingCount(); ++i)
        targets.insert(field->GetFlyingTarget(i));
    EXPECT_EQ((std::set<int>{PackPos(0, 0), PackPos(2, 2), PackPos(4, 0)}), targets);
}

TEST_F(RemoverPhases, LaunchesAreTenUpdatesApartAndTheFirstComesAtOnce)
{
    SetBoard(*field, FullBoardExcept({{0, 0}, {2, 0}, {4, 0}}));
    field->SetRefillRequest(true);
    field->SelectGroup(field->GetRemoverBrick(8, 8));
    field->Update();   // ends the (empty) removal phase and queues three bricks
    ASSERT_EQ(3, field->GetQueuedCount());
    std::vector<int> launchedAt;
    events.m_sounds.clear();
    for (int update = 1; update <= 40; ++update)
    {
        std::size_t before = events.m_sounds.size();
        field->Update();
        if (events.m_sounds.size() > before)
            launchedAt.push_back(update);
    }
    // A launch sets the pause to 300, which counts down by 30 per update,
    // starting with the launching update.
    EXPECT_EQ((std::vector<int>{1, 11, 21}), launchedAt);
    EXPECT_EQ(3, events.CountSound(113));
}

TEST_F(RemoverPhases, PenaltyBricksGoToOddCellsAndNeverTwiceToOne)
{
    field->NewLevel(1);
    for (int i = 0; i < 200; ++i)
        field->AddPenaltyBrick();
    // 9 x 9 has 40 odd cells, all free after dealing.
    ASSERT_EQ(40, field->GetQueuedCount());
    std::set<int> targets;
    for (int i = 0; i < field->GetQueuedCount(); ++i)
    {
        EXPECT_FALSE(IsEven(field->GetQueuedTarget(i)));
        targets.insert(field->GetQueuedTarget(i));
        EXPECT_EQ(6, field->GetQueuedBrick(i)->GetColor());
    }
    EXPECT_EQ(40u, targets.size());
}

TEST_F(RemoverPhases, PenaltyIsNotQueuedWhenNoOddCellIsFree)
{
    SetBoard(*field, FullBoardExcept({{0, 0}}));
    field->AddPenaltyBrick();
    EXPECT_EQ(0, field->GetQueuedCount());
}

TEST_F(RemoverPhases, PenaltyAvoidsCellsOfFlyingBricks)
{
    SetBoard(*field, FullBoardExcept({{1, 0}, {3, 0}}));
    field->AddPenaltyBrick();
    ASSERT_EQ(1, field->GetQueuedCount());
    int first = field->GetQueuedTarget(0);
    field->SetRefillRequest(false);
    field->SelectGroup(field->GetRemoverBrick(8, 8));
    field->Update();
    field->SetRefillRequest(true);
    field->SelectGroup(field->GetRemoverBrick(8, 8));
    field->Update();   // refill: no even hole, so only the penalty brick is launched
    field->Update();
    ASSERT_EQ(1, field->GetFlyingCount());
    field->AddPenaltyBrick();
    ASSERT_EQ(1, field->GetQueuedCount());
    EXPECT_NE(first, field->GetQueuedTarget(0));
    field->AddPenaltyBrick();
    EXPECT_EQ(1, field->GetQueuedCount());
}

TEST_F(RemoverPhases, RefillWithNoHoleStillLaunchesQueuedPenaltiesThenGoesIdle)
{
    SetBoard(*field, FullBoardExcept({{1, 0}}));
    field->AddPenaltyBrick();
    field->SetRefillRequest(true);
    field->SelectGroup(field->GetRemoverBrick(8, 8));
    field->Update();
    EXPECT_EQ(CRemoverField::STATUS_ADDING, field->GetStatus());
    RunFieldUntilIdle(*field);
    EXPECT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
    ASSERT_NE(nullptr, field->GetRemoverBrick(1, 0));
    EXPECT_EQ(6, field->GetRemoverBrick(1, 0)->GetColor());
    EXPECT_EQ(1, events.CountSound(114));
}

TEST_F(RemoverPhases, FullBoardFinishesWhenIdleOrAdding)
{
    SetBoard(*field, FullBoardExcept({}));
    field->Update();
    EXPECT_TRUE(field->IsFinished());
}

TEST_F(RemoverPhases, FullBoardDuringRemovalDoesNotFinish)
{
    SetBoard(*field, FullBoardExcept({}));
    field->GetRemoverBrick(0, 0)->Select();
    field->SelectGroup(field->GetRemoverBrick(8, 8));   // status 1, nothing joins
    field->Update();
    EXPECT_FALSE(field->IsFinished());
}

TEST_F(RemoverPhases, EmptyBoardFinishesWhateverTheStatus)
{
    SetBoard(*field, {"r"});
    field->SelectGroup(field->GetRemoverBrick(0, 0));
    ASSERT_EQ(CRemoverField::STATUS_REMOVING, field->GetStatus());
    for (int i = 0; i < 25; ++i)
        field->Update();
    EXPECT_EQ(0, field->CountBricks());
    EXPECT_TRUE(field->IsFinished());
}

TEST_F(RemoverPhases, BonusWithLifeZeroGoesAtTheEndOfTheNextRemovalPhase)
{
    SetBoard(*field, {"R.G.B.Y"});
    field->GetRemoverBrick(0, 0)->SetBonus(3, 0);
    field->GetRemoverBrick(2, 0)->SetBonus(4, 2);
    field->SetRefillRequest(false);
    for (int phase = 1; phase <= 3; ++phase)
    {
        field->SelectGroup(field->GetRemoverBrick(6, 0));
        field->Update();
        ASSERT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
        EXPECT_EQ(phase >= 1 ? 0 : 3, field->GetRemoverBrick(0, 0)->GetBonusValue());
        EXPECT_EQ(phase >= 3 ? 0 : 4, field->GetRemoverBrick(2, 0)->GetBonusValue()) << "phase " << phase;
    }
    // The bare bricks got no countdown sparkles; the two bonus bricks 10 each per phase.
    EXPECT_EQ(10u + 30u, events.m_sparkles.size());
}

TEST_F(RemoverPhases, WithOneColourLeftRefillBonusesAreOnlyPoints)
{
    int bonuses = 0;
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        CRandom seeded(seed);
        CRemoverField one(*params, &events, nullptr, seeded);
        SetBoard(one, {"RRRR..G"});
        one.SelectGroup(one.GetRemoverBrick(0, 0));   // drops every colour but green
        ASSERT_EQ(1, one.GetColorCount());
        one.SetRefillRequest(true);
        RunFieldUntilIdle(one);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                if (CRemoverBrick* brick = one.GetRemoverBrick(x, y))
                    if (brick->GetBonusValue() > 0)
                    {
                        ++bonuses;
                        EXPECT_GE(brick->GetBonusValue(), 3);
                    }
    }
    EXPECT_GT(bonuses, 0);
}

TEST_F(RemoverPhases, FlyingBrickOntoATakenCellIsDroppedInsteadOfHangingTheField)
{
    SetBoard(*field, FullBoardExcept({{0, 0}}));
    field->SetRefillRequest(true);
    field->SelectGroup(field->GetRemoverBrick(8, 8));
    field->Update();
    field->Update();
    ASSERT_EQ(1, field->GetFlyingCount());
    field->CreateBrickAt(0, 0, 2);
    RunFieldUntilIdle(*field, 200);
    EXPECT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
    EXPECT_EQ(2, field->GetRemoverBrick(0, 0)->GetColor());
}

TEST_F(RemoverPhases, CellFromPointFloorsSoPointsLeftOfTheBoardAreOutside)
{
    int x = 0;
    int y = 0;
    float cell = field->GetBrickSize();
    CVector4 justLeft(-18.0f - cell * 0.5f, 17.0f, 0.0f);
    EXPECT_FALSE(field->CellFromPoint(justLeft, &x, &y));
    EXPECT_EQ(-1, x);
    CVector4 justAbove(-17.0f, 18.0f + cell * 0.5f, 0.0f);
    EXPECT_FALSE(field->CellFromPoint(justAbove, &x, &y));
    EXPECT_EQ(-1, y);
    EXPECT_TRUE(field->CellFromPoint(field->GetBrickPosition(8, 3), &x, &y));
    EXPECT_EQ(8, x);
    EXPECT_EQ(3, y);
}
