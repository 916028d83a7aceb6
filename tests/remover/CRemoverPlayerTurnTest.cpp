#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
class RemoverTurns : public ::testing::Test
{
protected:
    void Build(int difficulty, int perStep = 5)
    {
        random.Seed(5);
        params = MakeParams(0, difficulty, perStep);
        field = std::make_unique<CRemoverField>(*params, &events, nullptr, random);
        player = std::make_unique<CRemoverPlayer>(*params, *field, &events, nullptr, random);
    }

    // The player as it stands when the listed cells were placed this turn
    // and the queue is used up: its next update resolves the turn.
    void PlaceAlready(const std::vector<std::pair<int, int>>& cells, int score = 0)
    {
        CConfigFile store;
        store.SetValue("p_m_turns_count", "1");
        store.SetInt("p_m_score", score);
        store.SetValue("p_m_bricks.size", "0");
        store.SetInt("p_m_bricks_placed.size", static_cast<int>(cells.size()));
        for (std::size_t i = 0; i < cells.size(); ++i)
            store.SetInt("p_m_bricks_placed" + std::to_string(i), PackPos(cells[i].first, cells[i].second));
        store.SetValue("p_m_brick_current", "-1");
        ASSERT_TRUE(player->Load(store));
    }

    void Step(const CVector4& cursor = CVector4(), bool button = false)
    {
        player->Update(16.0f, cursor, button);
    }

    CRandom random{5};
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params;
    std::unique_ptr<CRemoverField> field;
    std::unique_ptr<CRemoverPlayer> player;
};
}

TEST_F(RemoverTurns, ResolvedTurnScoresGroupsAndPunishesMisses)
{
    // Bricks placed this turn at the cells listed; popups {-1} and sounds {}
    // are not checked. Blockers: how many end up selected ('x').
    const struct
    {
        int difficulty;
        std::vector<std::string> board;
        std::vector<std::pair<int, int>> placed;
        int score;
        std::vector<int> popups;
        int queued;
        bool refill;
        std::vector<int> sounds;
        int blockers;
    } cases[] = {
        // One group of five and two misses: the group scores, each miss brings blockers.
        {0, {"RRRRR.G.B", ".........", "Y.R......", ".........", "....G....", ".........", "......B.."},
         {{4, 0}, {4, 4}, {6, 6}}, 15, {15, 0, 0}, 2, true, {111}, 0},
        // A second brick of the same group is neither scored nor a miss.
        {0, {"RRRR..G.B", ".........", "Y.R......"}, {{0, 0}, {1, 0}}, 10, {10}, 0, false, {115}, 0},
        // A clean turn takes one more blocker.
        {0, {"RRRR..G.B", ".........", "Y.R......", ".x.x.x.X."}, {{0, 0}}, 10, {-1}, 0, false, {}, 4},
        // The last brick of a colour earns the colour bonus and a refill; with
        // a miss in the turn it takes every blocker too.
        {0, {"RRRR..G.B", ".X.X.....", "Y........"}, {{0, 0}}, 10 + CRemoverPlayer::COLOR_BONUS, {-1}, 0, true, {}, 1},
        {0, {"RRRR..G.B", ".X.X.....", "Y.......G"}, {{0, 0}, {8, 2}}, 10 + CRemoverPlayer::COLOR_BONUS, {-1}, 2, true,
         {}, 2},
        // One miss each: 6 colours at start and 4 left gives 3; 4 and 2 gives
        // 3, raised to 4; 6 and 2 gives 5.
        {2, {"R.G.B.Y..", ".........", "........R"}, {{8, 2}}, 0, {0}, 3, true, {}, 0},
        {0, {"R.G......", ".........", "........R"}, {{8, 2}}, 0, {0}, 4, true, {}, 0},
        {2, {"R.G......", ".........", "........R"}, {{8, 2}}, 0, {0}, 5, true, {}, 0},
    };
    for (const auto& c : cases)
    {
        Build(c.difficulty);
        SetBoard(*field, c.board);
        field->DropVanishedColors();
        PlaceAlready(c.placed);
        events.m_sounds.clear();
        Step();
        const std::string name = c.board[0] + "/" + c.board[1];
        EXPECT_EQ(CRemoverPlayer::STATE_RESOLVED, player->GetState()) << name;
        EXPECT_EQ(c.score, player->GetScore()) << name;
        std::vector<int> popups;
        for (const CRemoverScorePopup& popup : player->GetPopups())
            popups.push_back(popup.GetValue());
        if (c.popups != std::vector<int>{-1})
        {
            EXPECT_EQ(c.popups, popups) << name;
        }
        EXPECT_EQ(c.queued, field->GetQueuedCount()) << name;
        EXPECT_EQ(c.refill, field->GetRefillRequest()) << name;
        if (!c.sounds.empty())
        {
            EXPECT_EQ(c.sounds, events.m_sounds) << name;
        }
        EXPECT_EQ(c.blockers, CountLetter(*field, 'x')) << name;
    }
}

TEST_F(RemoverTurns, WithOneColourLeftEveryTurnBringsTwoToSixBlockers)
{
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        Build(0);
        random.Seed(seed);
        SetBoard(*field, {"RRRR....."});
        field->DropVanishedColors();
        PlaceAlready({{0, 0}});
        Step();
        EXPECT_GE(field->GetQueuedCount(), 2);
        EXPECT_LE(field->GetQueuedCount(), 6);
        EXPECT_TRUE(field->GetRefillRequest());
    }
}

TEST_F(RemoverTurns, TurnSizesCycleDownToTwoAndStartAgainButNeverBelowOne)
{
    const struct
    {
        int perStep;
        std::vector<int> sizes;
    } cases[] = {{5, {5, 4, 3, 2, 5, 4}}, {2, {2, 2, 2}}, {0, {1, 1}}};
    for (const auto& c : cases)
    {
        Build(1, c.perStep);
        std::vector<int> sizes;
        for (std::size_t i = 0; i < c.sizes.size(); ++i)
        {
            player->NewTurn();
            sizes.push_back(player->GetTurnSize());
            EXPECT_EQ(player->GetQueueCount(), sizes.back());
        }
        EXPECT_EQ(c.sizes, sizes) << c.perStep;
    }
}

TEST_F(RemoverTurns, ClickOffTheBoardStartsTheClickPauseThenAClickOnAFreeCellPlaces)
{
    Build(0);
    SetBoard(*field, {"R.G.B.Y"});
    player->NewTurn();
    for (int i = 0; i < 100 && player->GetState() != CRemoverPlayer::STATE_AIMING; ++i)
        Step();
    ASSERT_EQ(CRemoverPlayer::STATE_AIMING, player->GetState());
    EXPECT_FLOAT_EQ(field->GetBrickSize(), player->GetQueued(0)->GetScale());
    Step();   // takes the first brick into the hand
    ASSERT_NE(nullptr, player->GetHeld());
    const CVector4 cell = field->GetBrickPosition(4, 4);
    Step(CVector4(-300.0f, 0.0f, 0.0f), true);
    EXPECT_GT(player->GetClickPause(), 400.0f);
    // While the pause runs, a click on a free cell does nothing.
    Step(cell, true);
    EXPECT_EQ(CRemoverPlayer::STATE_AIMING, player->GetState());
    for (int i = 0; i < 100 && player->GetClickPause() > 0.0f; ++i)
        Step(cell, false);
    Step(cell, true);
    EXPECT_EQ(CRemoverPlayer::STATE_PLACING, player->GetState());
    for (int i = 0; i < 200 && player->GetState() == CRemoverPlayer::STATE_PLACING; ++i)
        Step(cell, true);
    ASSERT_NE(nullptr, field->GetRemoverBrick(4, 4));
    EXPECT_TRUE(field->GetRemoverBrick(4, 4)->IsNew());
    EXPECT_EQ(1u, player->GetPlaced().size());
    EXPECT_EQ(1, events.CountSound(112));
}

TEST_F(RemoverTurns, BrickInHandComesBackBesideTheQueueAndASaveWithoutItsKeyIsRefused)
{
    Build(0);
    CConfigFile store;
    store.SetValue("p_m_turns_count", "2");
    store.SetValue("p_m_score", "30");
    store.SetValue("p_m_bricks.size", "1");
    store.SetValue("p_m_bricks0", "2");
    store.SetValue("p_m_bricks_placed.size", "0");
    store.SetValue("p_m_brick_current", "3");
    ASSERT_TRUE(player->Load(store));
    ASSERT_NE(nullptr, player->GetHeld());
    EXPECT_EQ(3, player->GetHeld()->GetColor());
    EXPECT_FLOAT_EQ(-400.0f, player->GetHeld()->GetPosition().x);
    EXPECT_FLOAT_EQ(1.2f * field->GetBrickSize(), player->GetHeld()->GetPosition().y);
    EXPECT_FLOAT_EQ(field->GetBrickSize(), player->GetHeld()->GetScale());
    EXPECT_EQ(2, player->GetTurnSize());

    // The hand is always written, -1 when empty: without it the save is
    // damaged, not a brick of colour 0, and the player stays as it was.
    CConfigFile damaged = WithoutKey(store, "p_m_brick_current");
    damaged.SetValue("p_m_score", "90");
    EXPECT_FALSE(player->Load(damaged));
    EXPECT_EQ(3, player->GetHeld()->GetColor());
    EXPECT_EQ(30, player->GetScore());
}

TEST(RemoverReskin, QueueAndHandTakeTheirHeightsFromTheNewSkinWithoutClimbing)
{
    SGrownTurn turn(3);
    CTwoSkinParams& params = turn.params;
    CRemoverField& field = turn.field;
    CRemoverPlayer& player = turn.player;
    player.Update(16.0f, CVector4(), false);
    ASSERT_NE(nullptr, player.GetHeld());
    ASSERT_GT(player.GetQueueCount(), 0);
    const float shallow = field.GetBrickDepth();
    ASSERT_GT(shallow, 0.0f);
    const CVector4 before = player.GetQueued(0)->GetPosition();

    params.SetCurrentSkin(1);
    for (int change = 0; change < 3; ++change)
    {
        field.Reskin();
        player.Reskin();
    }
    const float deep = field.GetBrickDepth();
    ASSERT_GT(deep, shallow);
    const CVector4 after = player.GetQueued(0)->GetPosition();
    EXPECT_FLOAT_EQ(before.x, after.x);
    EXPECT_FLOAT_EQ(before.y, after.y);
    EXPECT_FLOAT_EQ(3.0f * deep, after.z);
    EXPECT_FLOAT_EQ(1.6f * deep, player.GetHeld()->GetPosition().z);
}
