#include <gtest/gtest.h>

#include <functional>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverGame.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/remover/RemoverDriver.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
// A seeded game played until `reached` holds, then saved.
CConfigFile SavedWhen(const std::function<bool(CRemoverGame&)>& reached, std::uint32_t seed)
{
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params = MakeParams(1, 1);
    CRemoverGame game(nullptr, *params, &events, seed);
    for (int frames = 0; frames < 200000 && !reached(game); ++frames)
        DriveFrame(game);
    EXPECT_TRUE(reached(game)) << "seed " << seed;
    CConfigFile store;
    game.Save(store);
    return store;
}

bool Idle(CRemoverGame& game)
{
    return !game.IsEffectRunning() && game.GetField().GetStatus() == CRemoverField::STATUS_IDLE;
}

const struct
{
    const char* name;
    std::function<bool(CRemoverGame&)> reached;
} STATES[] = {
    {"dealt, the entrance running", [](CRemoverGame&) { return true; }},
    {"a brick in hand beside the queue",
     [](CRemoverGame& game) {
         return Idle(game) && game.GetPlayer().GetHeld() && game.GetPlayer().GetQueueCount() > 0;
     }},
    {"bricks of the turn placed",
     [](CRemoverGame& game) { return Idle(game) && game.GetPlayer().GetPlaced().size() >= 2; }},
    {"a group fading",
     [](CRemoverGame& game) { return game.GetField().GetStatus() == CRemoverField::STATUS_REMOVING; }},
    {"bricks queued and flying",
     [](CRemoverGame& game) {
         return game.GetField().GetStatus() == CRemoverField::STATUS_ADDING && game.GetField().GetFlyingCount() > 0 &&
                game.GetField().GetQueuedCount() > 0;
     }},
    {"over", [](CRemoverGame& game) { return game.IsGameOver(); }},
};
}

TEST(RemoverSaves, EveryKeyOfASaveIsNeededInEveryState)
{
    for (const auto& state : STATES)
    {
        CConfigFile whole = SavedWhen(state.reached, 41);
        ASSERT_TRUE(CRemoverGame::ValidateSave(whole)) << state.name;
        EXPECT_EQ(std::vector<std::string>(), KeysNotNeeded(whole, CRemoverGame::ValidateSave)) << state.name;
    }
}

TEST(RemoverSaves, CountersOutOfTheirRangeAreRefused)
{
    CConfigFile adding = SavedWhen(STATES[4].reached, 41);
    ASSERT_TRUE(CRemoverGame::ValidateSave(adding));
    // The board is 11 x 11: no list holds more than its 121 cells.
    const std::vector<SSaveEdit> faults = {
        {"gf_m_score", "-1"},
        {"p_m_score", "-100"},
        {"p_m_turns_count", "-1"},
        {"gf_m_current_level", "0"},
        {"gf_m_current_level", "3"},
        {"gf_m_is_game_over", "2"},
        {"f_m_is_finish", "-1"},
        {"m_start_colors_count", "3"},
        {"m_start_colors_count", "7"},
        {"f_m_status", "-1"},
        {"f_m_adding_pause", "-1"},
        {"f_m_adding_pause", "301"},
        {"f_m_bricks_adding.size", "-1"},
        {"f_m_bricks_adding.size", "122"},
        {"f_m_bricks_adding_current.size", "122"},
        {"p_m_bricks.size", "122"},
        {"p_m_bricks_placed.size", "-1"},
        {"p_m_brick_current", "-2"},
    };
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(adding, CRemoverGame::ValidateSave, faults));
}

TEST(RemoverSaves, AGameWithAKeyMissingIsNotLoadedAndStaysAsItWas)
{
    CConfigFile whole = SavedWhen(STATES[2].reached, 41);
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params = MakeParams(1, 1);
    CRemoverGame game(nullptr, *params, &events, 5);
    const Board before = GetBoard(game.GetField());
    for (const char* key : {"gf_m_score", "f_color0-0", "p_m_brick_current", "p_m_bricks_placed0"})
    {
        EXPECT_FALSE(game.Load(WithoutKey(whole, key))) << key;
        EXPECT_EQ(before, GetBoard(game.GetField())) << key;
        EXPECT_EQ(0, game.GetPlayer().GetScore()) << key;
    }
}
