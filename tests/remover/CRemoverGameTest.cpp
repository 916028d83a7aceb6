#include <gtest/gtest.h>

#include <cctype>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverPlayer.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/remover/RemoverDriver.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
// What a save must keep: the board (selected bricks are on their way out and
// are left behind), score, turns, status, queue and hand, flying bricks and
// colours in play.
std::string Snap(CRemoverGame& game)
{
    CRemoverField& field = game.GetField();
    CRemoverPlayer& player = game.GetPlayer();
    std::string s;
    for (std::string row : GetBoard(field))
    {
        for (char& c : row)
            c = std::islower(static_cast<unsigned char>(c)) ? '.' : c;
        s += row + "/";
    }
    s += " score " + std::to_string(player.GetScore()) + " turns " + std::to_string(player.GetTurns()) +
         " status " + std::to_string(field.GetStatus()) + " queue";
    for (int i = 0; i < player.GetQueueCount(); ++i)
        s += " " + std::to_string(player.GetQueued(i)->GetColor());
    s += " held " + std::to_string(player.GetHeld() ? player.GetHeld()->GetColor() : -1) + " flying " +
         std::to_string(field.GetFlyingCount()) + " colours " + std::to_string(field.GetColorCount());
    return s;
}

class RemoverGames : public ::testing::Test
{
protected:
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params = MakeParams(0, 0);
};
}

TEST_F(RemoverGames, WholeGamesEndScoreAsLabelledAndReplayWhateverElseDrawsFromRand)
{
    for (int size = 0; size < 3; ++size)
        for (int difficulty = 0; difficulty < 3; ++difficulty)
        {
            const std::uint32_t gameSeed = 100 + size * 3 + difficulty;
            params = MakeParams(size, difficulty, 5 - difficulty);
            std::string ends[2];
            std::vector<int> sounds[2];
            std::vector<int> sparkles[2];
            for (int run = 0; run < 2; ++run)
            {
                CRecordingEvents recorded;
                CRemoverGame game(nullptr, *params, &recorded, gameSeed);
                EXPECT_EQ(9 + 2 * size, game.GetField().GetWidth());
                EXPECT_EQ(4 + difficulty, game.GetField().GetColorCount());
                int lastState = -1;
                int scoreBefore = 0;
                for (int frame = 0; frame < 200000 && !game.IsGameOver(); ++frame)
                {
                    // Sparkles, scrambler and intro draw from rand(); the game must not care.
                    if (run == 1)
                        std::srand(static_cast<unsigned>(frame));
                    int before = game.GetPlayer().GetScore();
                    DriveFrame(game);
                    int state = game.GetPlayer().GetState();
                    if (state == CRemoverPlayer::STATE_RESOLVED && lastState != state)
                    {
                        int labels = 0;
                        for (const CRemoverScorePopup& popup : game.GetPlayer().GetPopups())
                            labels += popup.GetValue();
                        EXPECT_EQ(labels, game.GetPlayer().GetScore() - before);
                        scoreBefore = game.GetPlayer().GetScore();
                    }
                    lastState = state;
                }
                EXPECT_TRUE(game.IsGameOver()) << "size " << size << " difficulty " << difficulty;
                EXPECT_EQ(2, game.GetLevel());
                EXPECT_EQ(scoreBefore, game.GetPlayer().GetScore());
                EXPECT_EQ(game.GetPlayer().GetScore(), game.GetScore());
                EXPECT_GT(game.GetPlayer().GetTurns(), 0);
                ends[run] = Snap(game);
                sounds[run] = recorded.m_sounds;
                sparkles[run] = recorded.m_sparkles;
            }
            EXPECT_EQ(ends[0], ends[1]);
            EXPECT_EQ(sounds[0], sounds[1]);
            EXPECT_EQ(sparkles[0], sparkles[1]);
        }
}

TEST_F(RemoverGames, SaveAndLoadRoundTripAtEveryFieldStatus)
{
    for (int wanted = 0; wanted <= 2; ++wanted)
    {
        params = MakeParams(1, 1);
        CRemoverGame game(nullptr, *params, &events, 31 + wanted);
        // Play a few turns first, then stop in the wanted status.
        while (game.GetPlayer().GetTurns() < 3 && !game.IsGameOver())
            DriveFrame(game);
        while (!game.IsGameOver() && (game.IsEffectRunning() || game.GetField().GetStatus() != wanted ||
                                      (wanted == 2 && game.GetField().GetFlyingCount() == 0)))
            DriveFrame(game);
        ASSERT_FALSE(game.IsGameOver());

        const std::string before = Snap(game);
        const int queued = game.GetField().GetQueuedCount();
        CConfigFile store;
        game.Save(store);

        CRemoverGame restored(nullptr, *params, &events, 31 + wanted);
        ASSERT_TRUE(restored.Load(store)) << "status " << wanted;
        EXPECT_EQ(before, Snap(restored)) << "status " << wanted;
        // The queue is part of the save only while bricks are being added;
        // blockers queued in the removal phase are not stored.
        EXPECT_EQ(wanted == 2 ? queued : 0, restored.GetField().GetQueuedCount());

        // A restored game plays on to its end.
        DriveGame(restored, 200000);
        EXPECT_TRUE(restored.IsGameOver());
    }
}

TEST_F(RemoverGames, PlacedBricksAreSavedByCellWhileAnEffectDisplacesThem)
{
    CRemoverGame game(nullptr, *params, &events, 3);
    // Play until a brick of the turn has been placed.
    for (int frames = 0; game.GetPlayer().GetPlaced().empty() && frames < 20000; ++frames)
        DriveFrame(game);
    ASSERT_FALSE(game.GetPlayer().GetPlaced().empty());
    CRemoverBrick* placed = game.GetPlayer().GetPlaced()[0];
    int x = -1;
    int y = -1;
    ASSERT_TRUE(game.GetField().FindBrick(placed, &x, &y));
    placed->SetPosition(CVector4(500.0f, 500.0f, 0.0f));
    CConfigFile store;
    game.Save(store);
    EXPECT_EQ(std::to_string((x << 16) | y), store.GetValue("p_m_bricks_placed0", ""));

    CRemoverGame restored(nullptr, *params, &events, 3);
    ASSERT_TRUE(restored.Load(store));
    ASSERT_EQ(game.GetPlayer().GetPlaced().size(), restored.GetPlayer().GetPlaced().size());
    EXPECT_EQ(restored.GetField().GetRemoverBrick(x, y), restored.GetPlayer().GetPlaced()[0]);
}

TEST_F(RemoverGames, GameSavedBetweenTurnsResolvesAnEmptyTurnAndAStoredGameOverStaysOver)
{
    CRemoverGame game(nullptr, *params, &events, 9);
    while (game.IsEffectRunning())
        DriveFrame(game);
    CConfigFile store;
    game.Save(store);
    store.SetValue("p_m_bricks.size", "0");
    store.SetValue("p_m_bricks_placed.size", "0");
    store.SetValue("p_m_brick_current", "-1");
    CRemoverGame restored(nullptr, *params, &events, 9);
    ASSERT_TRUE(restored.Load(store));
    while (restored.IsEffectRunning())
        DriveFrame(restored);
    DriveFrame(restored);
    EXPECT_NE(CRemoverPlayer::STATE_AIMING, restored.GetPlayer().GetState());
    store.SetValue("gf_m_is_game_over", "1");
    CRemoverGame over(nullptr, *params, &events, 9);
    ASSERT_TRUE(over.Load(store));
    EXPECT_TRUE(over.IsGameOver());
}

TEST_F(RemoverGames, InvalidSavesAreRefusedWithoutChangingTheGame)
{
    CRemoverGame game(nullptr, *params, &events, 12);
    CConfigFile good;
    game.Save(good);

    std::vector<std::pair<std::string, std::string>> faults = {
        {"f_m_width_bricks", "15"},      {"f_m_width_bricks", "10"},   {"f_m_height_bricks", "11"},
        {"f_m_width_bricks", "999999"},  {"f_color3-3", "9 0 0 0"},    {"f_color0-0", "-2 0 0 0"},
        {"f_color0-0", "1 0 7 0"},       {"f_color0-0", "1 0 1 5"},     {"f_color0-0", "abc"},
        {"m_start_colors_count", "40"},  {"f_m_status", "3"},           {"p_m_bricks.size", "100000"},
        {"p_m_bricks.size", "-1"},       {"p_m_bricks_placed.size", "82"}, {"p_m_brick_current", "12"},
        {"gf_m_alpha", "nan"},
    };
    for (const auto& fault : faults)
    {
        CConfigFile bad = good;
        bad.SetValue(fault.first, fault.second);
        std::vector<std::string> boardBefore = GetBoard(game.GetField());
        EXPECT_FALSE(game.Load(bad)) << fault.first << " = " << fault.second;
        EXPECT_EQ(boardBefore, GetBoard(game.GetField()));
    }

    CConfigFile adding = good;
    adding.SetValue("f_m_status", "2");
    adding.SetValue("f_m_adding_pause", "0");
    adding.SetValue("f_m_bricks_adding.size", "1");
    adding.SetValue("f_m_bricks_adding_color0", "6");
    adding.SetValue("f_m_bricks_adding_pos0", std::to_string((20 << 16) | 1));
    adding.SetValue("f_m_bricks_adding_current.size", "0");
    EXPECT_FALSE(game.Load(adding));
}

TEST_F(RemoverGames, CorruptSavesAreRefusedWithTheGameUntouchedOrPlayOn)
{
    params = MakeParams(0, 1);
    CRemoverGame game(nullptr, *params, &events, 21);
    DriveGame(game, 4000);
    CConfigFile good;
    game.Save(good);
    std::string text = good.ToText();

    unsigned seed = 77;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    int loaded = 0;
    for (int round = 0; round < 300; ++round)
    {
        std::string mutated = text;
        int edits = 1 + next() % 6;
        for (int e = 0; e < edits; ++e)
        {
            std::size_t at = next() % mutated.size();
            switch (next() % 3)
            {
            case 0: mutated[at] = static_cast<char>("-0123456789 x\n"[next() % 14]); break;
            case 1: mutated.erase(at, 1 + next() % 8); break;
            default: mutated.insert(at, std::to_string(next())); break;
            }
        }
        CConfigFile store;
        store.LoadFromBuffer(reinterpret_cast<const unsigned char*>(mutated.data()), mutated.size(), true);
        CRemoverGame restored(nullptr, *params, &events, 21);
        const std::vector<std::string> fresh = GetBoard(restored.GetField());
        if (restored.Load(store))
        {
            ++loaded;
            DriveGame(restored, 300);
            EXPECT_GE(restored.GetPlayer().GetScore(), 0);
        }
        else
        {
            EXPECT_EQ(GetBoard(restored.GetField()), fresh) << "round " << round;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, 300);
}

TEST_F(RemoverGames, RestoredBoardStandsOnItsCellsWhileTheEntranceEffectEnds)
{
    params = MakeParams(0, 1);
    for (std::uint32_t seed = 1; seed <= 12; ++seed)
    {
        CRemoverGame game(nullptr, *params, &events, seed);
        CConfigFile store;
        game.Save(store);

        CRemoverGame restored(nullptr, *params, &events, seed);
        ASSERT_TRUE(restored.Load(store));
        CRemoverField& field = restored.GetField();
        auto expectAtRest = [&](const char* when) {
            for (int y = 0; y < field.GetHeight(); ++y)
                for (int x = 0; x < field.GetWidth(); ++x)
                    if (CRemoverBrick* brick = field.GetRemoverBrick(x, y))
                    {
                        CVector4 cell = field.GetBrickPosition(x, y);
                        EXPECT_TRUE(cell.x == brick->GetPosition().x && cell.y == brick->GetPosition().y &&
                                    field.GetBrickSize() == brick->GetScale() && brick->GetAngleZ() == 0.0f)
                            << when << " seed " << seed << " cell " << x << "," << y;
                    }
        };
        expectAtRest("after loading");
        for (int updates = 0; restored.IsEffectRunning() && updates < 10; ++updates)
            restored.Update(16.0f);
        EXPECT_FALSE(restored.IsEffectRunning()) << "seed " << seed;
        expectAtRest("after the effect");
    }
}

TEST_F(RemoverGames, ShortCellsTakeNoFlagsAndPlacedCellsOffTheBoardBecomeEmptyEntries)
{
    CRemoverGame game(nullptr, *params, &events, 14);
    CConfigFile damaged;
    game.Save(damaged);
    damaged.SetValue("f_color1-0", "3");
    damaged.SetValue("p_m_bricks.size", "2");
    damaged.SetValue("p_m_bricks0", "0");
    damaged.SetValue("p_m_bricks1", "2");
    damaged.SetValue("p_m_bricks_placed.size", "3");
    damaged.SetValue("p_m_bricks_placed0", std::to_string((20 << 16) | 1));
    damaged.SetValue("p_m_bricks_placed1", std::to_string((1 << 16) | 0));
    damaged.SetValue("p_m_bricks_placed2", "0");
    damaged.SetValue("p_m_brick_current", "-1");

    CRemoverGame restored(nullptr, *params, &events, 14);
    ASSERT_TRUE(restored.Load(damaged));
    CRemoverField& field = restored.GetField();
    ASSERT_NE(nullptr, field.GetRemoverBrick(1, 0));
    EXPECT_EQ(3, field.GetRemoverBrick(1, 0)->GetColor());
    EXPECT_FALSE(field.GetRemoverBrick(1, 0)->IsNew());
    EXPECT_EQ(0, field.GetRemoverBrick(1, 0)->GetBonusValue());

    CRemoverPlayer& player = restored.GetPlayer();
    ASSERT_EQ(2, player.GetQueueCount());
    EXPECT_EQ(0, player.GetQueued(0)->GetColor());
    EXPECT_EQ(2, player.GetQueued(1)->GetColor());
    ASSERT_EQ(3u, player.GetPlaced().size());
    EXPECT_EQ(nullptr, player.GetPlaced()[0]);
    EXPECT_EQ(field.GetRemoverBrick(1, 0), player.GetPlaced()[1]);
    EXPECT_EQ(field.GetRemoverBrick(0, 0), player.GetPlaced()[2]);

    // A missing cell, queue or placed entry is damage: refused, not read as 0.
    for (const char* key : {"f_color2-0", "p_m_bricks0", "p_m_bricks_placed2"})
        EXPECT_FALSE(restored.Load(WithoutKey(damaged, key))) << key;
}
