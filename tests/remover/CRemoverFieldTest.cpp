#include <gtest/gtest.h>

#include <set>

#include "engine/gfx/CResManager.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverScorePopup.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
class RemoverField : public ::testing::Test
{
protected:
    void SetUp() override { field = std::make_unique<CRemoverField>(*params, &events, nullptr, random); }

    CRemoverBrick* At(int x, int y) { return field->GetRemoverBrick(x, y); }

    // A 9 x 9 board with every cell filled except the listed ones.
    static std::vector<std::string> FullExcept(const std::vector<std::pair<int, int>>& holes)
    {
        std::vector<std::string> rows(9, std::string(9, 'R'));
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                rows[y][x] = "RGBY"[(x / 2 + y) % 4];
        for (auto& hole : holes)
            rows[hole.second][hole.first] = '.';
        return rows;
    }

    // Ends a (possibly empty) removal phase with or without a refill.
    void EndRemoval(bool refill)
    {
        field->SetRefillRequest(refill);
        field->SelectGroup(At(8, 8));
        field->Update();
    }

    std::set<int> Targets() const
    {
        std::set<int> targets;
        for (int i = 0; i < field->GetQueuedCount(); ++i)
            targets.insert(field->GetQueuedTarget(i));
        for (int i = 0; i < field->GetFlyingCount(); ++i)
            targets.insert(field->GetFlyingTarget(i));
        return targets;
    }

    CRandom random{7};
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params = MakeParams(0, 0);
    std::unique_ptr<CRemoverField> field;
};
}

TEST_F(RemoverField, OnlyGroupsOfFourOrMoreSideBySideAreSelected)
{
    // The brick clicked at (x, y); selected bricks show in lower case after.
    // Bricks (1, 0) and (3, 0) carry bonuses 3 and 4, collected in flood order.
    const struct
    {
        std::vector<std::string> board;
        int x, y;
        int count;
        std::vector<std::string> after;
        std::vector<int> bonuses;
    } cases[] = {
        {{"RRRR.G.B.", ".........", "Y........"}, 0, 0, 4, {"rrrr.G.B.", ".........", "Y........"}, {3, 4}},
        {{"RRR.G.B.Y"}, 0, 0, 0, {"RRR.G.B.Y"}, {}},
        {{"R.R.G", ".R.B.", "R.R.Y"}, 1, 1, 0, {"R.R.G", ".R.B.", "R.R.Y"}, {}},
        // Blockers selected by a bonus earlier in the turn join the region.
        {{"GGGGxxB.Y", ".....x...", "R........"}, 0, 0, 7, {"ggggxxB.Y", ".....x...", "R........"}, {3, 4}},
    };
    for (const auto& c : cases)
    {
        SetUp();
        SetBoard(*field, c.board);
        for (int x : {1, 3})
            if (CRemoverBrick* brick = At(x, 0))
                brick->SetBonus(x == 1 ? 3 : 4, 1);
        EXPECT_EQ(c.count, field->SelectGroup(At(c.x, c.y))) << c.board[0];
        EXPECT_EQ(CRemoverField::STATUS_REMOVING, field->GetStatus());
        const std::vector<std::string> board = GetBoard(*field);
        for (std::size_t row = 0; row < c.after.size(); ++row)
            EXPECT_EQ(c.after[row], board[row].substr(0, c.after[row].size())) << c.board[0];
        EXPECT_EQ(c.bonuses, field->GetCollectedBonuses()) << c.board[0];
    }
}

TEST_F(RemoverField, ColourLeavesWithItsLastEvenCellBrick)
{
    // Green stands on the even cells (0,0) and (1,1); (8,1) is an odd cell
    // and does not keep green in play.
    SetBoard(*field, {"GG..R.B.Y", "GG......G"});
    ASSERT_EQ(4, field->GetColorCount());
    EXPECT_EQ(4, field->SelectGroup(At(0, 0)));
    EXPECT_EQ(3, field->GetColorCount());
    EXPECT_FALSE(field->HasColor(1));
}

TEST_F(RemoverField, FadeTakesExactlyTwentyFiveStepsAndBurstsOnce)
{
    SetBoard(*field, {"R"});
    CRemoverBrick* brick = At(0, 0);
    brick->Select();
    EXPECT_TRUE(brick->GetBlend());
    for (int i = 1; i < CRemoverBrick::FADE_STEPS; ++i)
        ASSERT_FALSE(brick->Vanish(&events)) << "step " << i;
    brick->Unselect();
    EXPECT_FALSE(brick->GetBlend());
    brick->Select();
    EXPECT_EQ(25u, events.m_sparkles.size());
    // Unselect resets the alpha; from 1.0 again it takes 25 more steps.
    for (int i = 1; i < CRemoverBrick::FADE_STEPS; ++i)
        ASSERT_FALSE(brick->Vanish(&events));
    EXPECT_TRUE(brick->Vanish(&events));
    EXPECT_EQ(25u, events.m_sparkles.size());
}

TEST_F(RemoverField, RefillTargetsEmptyEvenCellsOnlyAndLaunchesTenUpdatesApart)
{
    SetBoard(*field, FullExcept({{0, 0}, {2, 2}, {4, 0}, {1, 0}}));
    EndRemoval(true);
    EXPECT_EQ(CRemoverField::STATUS_ADDING, field->GetStatus());
    EXPECT_EQ((std::set<int>{PackPos(0, 0), PackPos(2, 2), PackPos(4, 0)}), Targets());
    std::vector<int> launchedAt;
    events.m_sounds.clear();
    for (int update = 1; update <= 40; ++update)
    {
        const std::size_t before = events.m_sounds.size();
        field->Update();
        if (events.m_sounds.size() > before)
            launchedAt.push_back(update);
    }
    // A launch sets the pause to 300, which counts down by 30 per update,
    // starting with the launching update.
    EXPECT_EQ((std::vector<int>{1, 11, 21}), launchedAt);
    EXPECT_EQ(3, events.CountSound(113));
}

TEST_F(RemoverField, PenaltyBricksGoToFreeOddCellsNeverTwiceToOne)
{
    field->NewLevel(1);
    for (int i = 0; i < 200; ++i)
        field->AddPenaltyBrick();
    // 9 x 9 has 40 odd cells, all free after dealing.
    ASSERT_EQ(40, field->GetQueuedCount());
    for (int pos : Targets())
        EXPECT_EQ(1, (UnpackPosX(pos) + UnpackPosY(pos)) % 2);
    EXPECT_EQ(40u, Targets().size());
    EXPECT_EQ(6, field->GetQueuedBrick(0)->GetColor());

    // Nor onto the cell of a brick already flying there.
    SetUp();
    SetBoard(*field, FullExcept({{1, 0}, {3, 0}}));
    field->AddPenaltyBrick();
    const int first = field->GetQueuedTarget(0);
    EndRemoval(false);
    EndRemoval(true);   // no even hole: only the penalty brick is launched
    field->Update();
    ASSERT_EQ(1, field->GetFlyingCount());
    field->AddPenaltyBrick();
    ASSERT_EQ(1, field->GetQueuedCount());
    EXPECT_NE(first, field->GetQueuedTarget(0));
    field->AddPenaltyBrick();
    EXPECT_EQ(1, field->GetQueuedCount());
}

TEST_F(RemoverField, RefillWithNoHoleStillLaunchesQueuedPenaltiesThenGoesIdle)
{
    SetBoard(*field, FullExcept({{1, 0}}));
    field->AddPenaltyBrick();
    EndRemoval(true);
    EXPECT_EQ(CRemoverField::STATUS_ADDING, field->GetStatus());
    RunFieldUntilIdle(*field);
    EXPECT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
    ASSERT_NE(nullptr, At(1, 0));
    EXPECT_EQ(6, At(1, 0)->GetColor());
    EXPECT_EQ(1, events.CountSound(114));
}

TEST_F(RemoverField, FullBoardFinishesUnlessRemovingAndAnEmptyOneAlways)
{
    SetBoard(*field, FullExcept({}));
    field->Update();
    EXPECT_TRUE(field->IsFinished());

    SetUp();
    SetBoard(*field, FullExcept({}));
    At(0, 0)->Select();
    field->SelectGroup(At(8, 8));   // removing, nothing joins
    field->Update();
    EXPECT_FALSE(field->IsFinished());

    SetUp();
    SetBoard(*field, {"r"});
    field->SelectGroup(At(0, 0));
    for (int i = 0; i < 25; ++i)
        field->Update();
    EXPECT_EQ(0, field->CountBricks());
    EXPECT_TRUE(field->IsFinished());
}

TEST_F(RemoverField, BonusWithLifeZeroGoesAtTheEndOfTheNextRemovalPhase)
{
    SetBoard(*field, {"R.G.B.Y"});
    At(0, 0)->SetBonus(3, 0);
    At(2, 0)->SetBonus(4, 2);
    At(2, 0)->SetBonus(0, 0);   // no value: the old bonus stays
    field->SetRefillRequest(false);
    for (int phase = 1; phase <= 3; ++phase)
    {
        field->SelectGroup(At(6, 0));
        field->Update();
        ASSERT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
        EXPECT_EQ(0, At(0, 0)->GetBonusValue());
        EXPECT_EQ(phase >= 3 ? 0 : 4, At(2, 0)->GetBonusValue()) << "phase " << phase;
    }
    // The bare bricks got no countdown sparkles; the two bonus bricks 10 each per phase.
    EXPECT_EQ(10u + 30u, events.m_sparkles.size());
}

TEST_F(RemoverField, WithOneColourLeftRefillBonusesAreOnlyPoints)
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

TEST_F(RemoverField, FlyingBrickOntoATakenCellIsDroppedInsteadOfHangingTheField)
{
    SetBoard(*field, FullExcept({{0, 0}}));
    EndRemoval(true);
    field->Update();
    ASSERT_EQ(1, field->GetFlyingCount());
    field->CreateBrickAt(0, 0, 2);
    RunFieldUntilIdle(*field, 200);
    EXPECT_EQ(CRemoverField::STATUS_IDLE, field->GetStatus());
    EXPECT_EQ(2, At(0, 0)->GetColor());
}

TEST(RemoverScorePopup, RisesFadesAndIsGoneAfterTwoHundredUpdates)
{
    CRandom random(1);
    CRemoverScorePopup popup(nullptr, random);
    int updates = 0;
    for (; popup.GetAlpha() >= 0.0f && updates < 1000; ++updates)
        popup.Update();
    EXPECT_NEAR(200, updates, 1);
    EXPECT_GT(popup.GetPosition().y, 150.0f);
}

TEST(RemoverFieldLight, IsListedWhileTheFieldLivesAndWithdrawnWithIt)
{
    CResManager menu(nullptr);
    auto params = MakeParams(0, 0);
    CRandom random(1);
    auto field = std::make_unique<CRemoverField>(*params, nullptr, &menu, random);
    EXPECT_EQ(1u, menu.GetLightCount());
    field.reset();
    EXPECT_EQ(0u, menu.GetLightCount());
}
