#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
#include "games/slider/CSliderGameScreen.h"
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

// Every board and difficulty with its own moves, step and colours.
std::unique_ptr<CSliderParams> ShippedParams(int size, int difficulty)
{
    return ReadTestParams<CSliderParams>({{"m_colors_small", "4 5 6"},
                                          {"m_colors_medium", "4 5 6"},
                                          {"m_colors_large", "5 6 6"},
                                          {"m_score_level", "40 35 30 50 45 40 60 55 50"},
                                          {"m_score_step_level", "3 4 5"}},
                                         size, difficulty);
}

// A store as the game menu writes it: the screen's score key first.
CConfigFile SaveScreen(CSliderGameScreen& screen)
{
    CConfigFile store;
    screen.Save(store);
    return store;
}
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
    EXPECT_EQ(2, CSliderGame::MovesOfLevel(*params, 0, 0, 15));
    EXPECT_EQ(0, CSliderGame::MovesOfLevel(*params, 0, 0, 17));
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

TEST_F(SliderGame, ContinuedGameTakesItsMovesAndTableFromTheSaveNotTheSettings)
{
    // The saved game against the settings in force when it is continued; a
    // save of before the difficulty was kept is known by its colours and
    // moves step.
    const struct { int size, difficulty, settingsSize, settingsDifficulty; bool keyKept; } cases[] = {
        {2, 2, 0, 0, true}, {0, 0, 2, 2, true}, {1, 1, 2, 0, true}, {2, 2, 0, 0, false}, {0, 1, 2, 2, false}};
    for (const auto& c : cases)
    {
        auto dealt = ShippedParams(c.size, c.difficulty);
        CSliderGameScreen left(nullptr, *dealt, nullptr, 3);
        CConfigFile saved = SaveScreen(left);
        CConfigFile store;
        for (const auto& pair : saved.GetPairs())
            if (c.keyKept || pair.first != "gf_m_difficulty")
                store.SetValue(pair.first, pair.second);

        params = ShippedParams(c.settingsSize, c.settingsDifficulty);
        CSliderGameScreen continued(nullptr, *params, nullptr, 4);
        ASSERT_TRUE(continued.Load(store));
        EXPECT_EQ(c.size, continued.GetGameSize()) << "saved size " << c.size;
        EXPECT_EQ(c.difficulty, continued.GetGameDifficulty()) << "saved difficulty " << c.difficulty;

        // Too few bricks for a group: the first move ends the level, and
        // the next one has the saved game's moves less its step.
        game = std::make_unique<CSliderGame>(nullptr, *params, nullptr, 4);
        ASSERT_TRUE(game->Load(store));
        SetSliderBoard(game->GetField(), {"RGBY", "GBYR"});
        Click(0, 1);
        Run([this] { return game->GetLevel() == 2; });
        const int first = 40 + 10 * c.size - 5 * c.difficulty;
        EXPECT_EQ(first - (3 + c.difficulty), game->GetMovesLeft()) << "saved " << c.size << " " << c.difficulty;
    }
}

TEST_F(SliderGame, ScoreAndLevelAtTheTopStayThereAndTheNextSaveIsTaken)
{
    // A clearing move after a saved score near the top; a level end after
    // a saved level at the top.
    const struct { const char* key; const char* value; Board board; int x; } cases[] = {
        {"gf_m_score", "2147483600", {"RRRR.....R"}, 11}, {"gf_m_current_level", "2147483647", {"RGBY", "GBYR"}, 0}};
    for (const auto& c : cases)
    {
        Start();
        CConfigFile store;
        game->Save(store);
        store.SetValue(c.key, c.value);
        ASSERT_TRUE(game->Load(store)) << c.key;
        Run([this] { return !game->IsStarting(); });
        SetSliderBoard(game->GetField(), c.board);
        Click(c.x, 1);
        Run([this] { return !game->IsEnding(); });
        EXPECT_EQ(c.x == 11 ? 2147483647 : 0, game->GetScore()) << c.key;
        EXPECT_EQ(c.x == 11 ? 2 : 2147483647, game->GetLevel()) << c.key;
        game->Save(store);
        CSliderGame loaded(nullptr, *params, nullptr, 9);
        EXPECT_TRUE(loaded.Load(store)) << c.key;
    }
}
