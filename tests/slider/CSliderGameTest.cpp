#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
#include "games/slider/CSliderPlayer.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
const float FRAME_MS = 16.0f;

class SliderGame : public ::testing::Test
{
protected:
    // Six colours on the small easy board, 30 moves in level 1 unless given.
    void Start(const char* firstMoves = nullptr)
    {
        params = MakeSliderParams(0, 0, 6);
        if (firstMoves)
        {
            CConfigFile store;
            store.SetValue("m_colors_small", "6 6 6");
            store.SetValue("m_score_level", firstMoves);
            params->ReadParams(store);
        }
        game = std::make_unique<CSliderGame>(nullptr, *params, &events, 5);
        Run(1000, [this] { return !game->IsStarting(); });
    }

    template <typename Done>
    void Run(int limit, Done done)
    {
        for (int frame = 0; frame < limit && !done(); ++frame)
            game->Update(FRAME_MS);
    }

    // Presses on a cell for one frame and lets the move and its removal run.
    void Click(int x, int y)
    {
        game->SetPointer(game->GetField().GetBrickPosition(x, y), true);
        game->Update(FRAME_MS);
        game->SetPointer(CVector4(-5000.0f, 0.0f, 0.0f), false);
        Run(2000, [this] {
            return game->IsEnding() || (game->GetField().GetStatus() == CSliderField::STATUS_IDLE &&
                                        game->GetPlayer().GetState() == CSliderPlayer::STATE_AIMING &&
                                        game->GetPlayer().GetCoolDown() == 0);
        });
    }

    CSliderEvents events;
    std::unique_ptr<CSliderParams> params;
    std::unique_ptr<CSliderGame> game;
};
}

TEST_F(SliderGame, FirstLevelHasItsMovesAndTheNextOneStepFewer)
{
    Start();
    EXPECT_EQ(1, game->GetLevel());
    EXPECT_EQ(30, game->GetMovesLeft());
    // Too few bricks of any colour for a group: the first move ends the level.
    SetSliderBoard(game->GetField(), {"RGBY", "GBYR"});
    Click(0, 1);
    EXPECT_EQ(29, game->GetMovesLeft());
    Run(20000, [this] { return game->GetLevel() == 2; });
    EXPECT_EQ(2, game->GetLevel());
    EXPECT_EQ(28, game->GetMovesLeft());
    EXPECT_FALSE(game->IsGameOver());
    // The budget shrinks by 2 a level and stops at 0.
    EXPECT_EQ(2, CSliderGame::MovesOfLevel(*params, 15));
    EXPECT_EQ(0, CSliderGame::MovesOfLevel(*params, 17));
    EXPECT_EQ(100, game->GetField().CountBricks());
}

TEST_F(SliderGame, ClearingMovePaysTenPointsForEveryMoveLeft)
{
    Start();
    SetSliderBoard(game->GetField(), {"RRRR.....R"});
    Click(11, 1);
    // Five bricks: 5 x 6, and 29 moves left after this one.
    EXPECT_EQ(30 + 29 * CSliderGame::BONUS_PER_MOVE, game->GetScore());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_BONUS));
}

TEST_F(SliderGame, LastMoveEndsTheLevelAndTheGame)
{
    Start("1 1 1 1 1 1 1 1 1");
    Click(0, 3);
    EXPECT_EQ(0, game->GetMovesLeft());
    EXPECT_TRUE(game->IsEnding());
    Run(20000, [this] { return game->IsGameOver(); });
    EXPECT_TRUE(game->IsGameOver());
}

TEST_F(SliderGame, SavedGameComesBackWithItsLevelMovesAndScore)
{
    Start();
    SetSliderBoard(game->GetField(), {"RRRRR.....", "GBGBYBGBGB", "BGBGYG"});
    Click(0, 5);
    ASSERT_EQ(30, game->GetScore());
    CConfigFile store;
    game->Save(store);
    EXPECT_EQ("29", store.GetValue("gf_m_score_level", "?"));
    EXPECT_EQ("2", store.GetValue("gf_m_score_step_level", "?"));

    CSliderGame loaded(nullptr, *params, nullptr, 9);
    ASSERT_TRUE(loaded.Load(store));
    EXPECT_EQ(30, loaded.GetScore());
    EXPECT_EQ(29, loaded.GetMovesLeft());
    EXPECT_EQ(1, loaded.GetLevel());
    EXPECT_FALSE(loaded.IsStarting());
    EXPECT_EQ(GetSliderBoard(game->GetField()), GetSliderBoard(loaded.GetField()));
}

TEST_F(SliderGame, DamagedGameKeysRefuseTheSave)
{
    Start();
    CConfigFile good;
    game->Save(good);
    const char* bad[][2] = {{"gf_m_current_level", "0"}, {"gf_m_score_level", "-1"}, {"gf_m_score", "x"},
                            {"gf_m_alpha", "inf"},       {"f_m_width_bricks", "25"}};
    for (auto& change : bad)
    {
        CConfigFile store = good;
        store.SetValue(change[0], change[1]);
        CSliderGame loaded(nullptr, *params, nullptr, 9);
        EXPECT_FALSE(loaded.Load(store)) << change[0];
        EXPECT_EQ(30, loaded.GetMovesLeft());
    }
}
