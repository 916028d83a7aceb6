#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
#include "games/slider/CSliderPlayer.h"
#include "tests/slider/SliderTestKit.h"
#include "tests/gamebase/TestParams.h"

namespace
{
class SliderGame : public ::testing::Test
{
protected:
    // Six colours on the small easy board, 30 moves in level 1 unless given.
    void Start(const char* firstMoves = "30")
    {
        params = ReadTestParams<CSliderParams>(
            {{"m_colors_small", "6 6 6"}, {"m_score_level", firstMoves}, {"m_score_step_level", "2"}});
        game = std::make_unique<CSliderGame>(nullptr, *params, &events, 5);
        Run([this] { return !game->IsStarting(); });
    }

    template <typename Done>
    void Run(Done done)
    {
        for (int frame = 0; frame < 20000 && !done(); ++frame)
            game->Update(16.0f);
    }

    // Presses on a cell for one frame and lets the move and its removal run.
    void Click(int x, int y)
    {
        game->SetPointer(game->GetField().GetBrickPosition(x, y), true);
        game->Update(16.0f);
        game->SetPointer(CVector4(-5000.0f, 0.0f, 0.0f), false);
        Run([this] {
            return game->IsEnding() || (game->GetField().GetStatus() == CSliderField::STATUS_IDLE &&
                                        game->GetPlayer().GetState() == CSliderPlayer::STATE_AIMING &&
                                        game->GetPlayer().GetCoolDown() == 0);
        });
    }

    CRecordingEvents events;
    std::unique_ptr<CSliderParams> params;
    std::unique_ptr<CSliderGame> game;
};
}

TEST_F(SliderGame, FirstLevelHasItsMovesAndTheNextOneStepFewer)
{
    Start();
    EXPECT_EQ(30, game->GetMovesLeft());
    // Too few bricks of any colour for a group: the first move ends the level.
    SetSliderBoard(game->GetField(), {"RGBY", "GBYR"});
    Click(0, 1);
    EXPECT_EQ(29, game->GetMovesLeft());
    Run([this] { return game->GetLevel() == 2; });
    EXPECT_EQ(2, game->GetLevel());
    EXPECT_EQ(28, game->GetMovesLeft());
    EXPECT_EQ(100, game->GetField().CountBricks());
    // The budget shrinks by 2 a level and stops at 0.
    EXPECT_EQ(2, CSliderGame::MovesOfLevel(*params, 15));
    EXPECT_EQ(0, CSliderGame::MovesOfLevel(*params, 17));
}

TEST_F(SliderGame, ClearingMovePaysTenPointsForEveryMoveLeftAndSavesWithItsLevel)
{
    Start();
    SetSliderBoard(game->GetField(), {"RRRR.....R"});
    Click(11, 1);
    // Five bricks: 5 x 6, and 29 moves left after this one.
    EXPECT_EQ(30 + 29 * CSliderGame::BONUS_PER_MOVE, game->GetScore());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_BONUS));
    CConfigFile store;
    game->Save(store);
    CSliderGame loaded(nullptr, *params, nullptr, 9);
    ASSERT_TRUE(loaded.Load(store));
    EXPECT_EQ(game->GetScore(), loaded.GetScore());
    EXPECT_EQ(game->GetMovesLeft(), loaded.GetMovesLeft());
    EXPECT_EQ(game->GetLevel(), loaded.GetLevel());
    EXPECT_FALSE(loaded.IsStarting());
    EXPECT_EQ(GetSliderBoard(game->GetField()), GetSliderBoard(loaded.GetField()));
}

TEST_F(SliderGame, LastMoveEndsTheLevelAndTheGame)
{
    Start("1");
    Click(0, 3);
    EXPECT_EQ(0, game->GetMovesLeft());
    Run([this] { return game->IsGameOver(); });
    EXPECT_TRUE(game->IsGameOver());
}
