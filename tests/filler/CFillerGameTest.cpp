#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"

namespace
{
bool HumanWaits(CFillerGame& game)
{
    return game.GetCurrentPlayer() == CFillerGame::HUMAN &&
           game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING;
}

// Runs frames until the human waits for a pick or the game ends.
int RunUntilHumanWaits(CFillerGame& game, int limit = 100000)
{
    int frames = 0;
    while (frames < limit && !HumanWaits(game) && !game.GetField().IsGameOver())
    {
        game.Update(16.0f);
        ++frames;
    }
    return frames;
}

// The human takes the allowed colour that grows the zone most.
void PickNext(CFillerGame& game, int& picks)
{
    CFillerField& field = game.GetField();
    int best = -1;
    int bestScore = -1;
    for (int value = 0; value < 6; ++value)
    {
        if (!field.IsColorAllowed(value))
            continue;
        int score = game.GetPlayer(CFillerGame::HUMAN).EvaluateColor(field.FindColor(value), 2);
        if (score > bestScore)
        {
            best = value;
            bestScore = score;
        }
    }
    game.PickColor(best);
    ++picks;
}

struct SWholeGame
{
    int size;
    int difficulty;
    bool animation;
};

class FillerWholeGame : public ::testing::TestWithParam<SWholeGame>
{
};
}

TEST_P(FillerWholeGame, SeededGameEndsWithTheBoardCovered)
{
    CRecordingEvents events;
    auto params = MakeParams(GetParam().size, GetParam().difficulty, GetParam().animation);
    CFillerGame game(nullptr, *params, &events, 100 + GetParam().size);
    const int cells = game.GetField().GetWidth() * game.GetField().GetHeight();
    int next = 0;
    int moves = 0;
    while (!game.GetField().IsGameOver() && moves < 2000)
    {
        RunUntilHumanWaits(game);
        if (game.GetField().IsGameOver())
            break;
        PickNext(game, next);
        ++moves;
    }
    ASSERT_TRUE(game.GetField().IsGameOver()) << moves << " human moves";
    EXPECT_EQ(cells, game.GetField().GetZoneSize(0) + game.GetField().GetZoneSize(1));
    EXPECT_EQ(game.GetField().GetZoneSize(0), game.GetScore());
    EXPECT_EQ(1, events.CountSound(172));
    EXPECT_FALSE(game.IsFinished()) << "the banner waits for the player";
    for (int i = 0; i < 2000 && !game.GetField().IsIdle(); ++i)
        game.Update(16.0f);
    game.GetField().OnClick();
    game.GetField().OnClick();
    EXPECT_TRUE(game.IsFinished());
}

INSTANTIATE_TEST_SUITE_P(Sizes, FillerWholeGame,
                         ::testing::Values(SWholeGame{0, 0, true}, SWholeGame{1, 1, false}, SWholeGame{2, 2, false},
                                           SWholeGame{3, 2, false}));

TEST(FillerGame, SaveDuringTheComputersWaveReplaysItsTurnOnLoad)
{
        auto params = MakeParams(0, 1, true);
    CFillerGame game(nullptr, *params, nullptr, 21);
    int next = 0;
    for (int turn = 0; turn < 3; ++turn)
    {
        RunUntilHumanWaits(game);
        PickNext(game, next);
    }
    // Run until the computer has moved and its wave is still running.
    while (game.GetCurrentPlayer() != CFillerGame::COMPUTER)
        game.Update(16.0f);
    ASSERT_FALSE(game.GetField().IsIdle());
    const std::vector<int> afterComputer = game.GetField().GetCells();
    CConfigFile store;
    game.Save(store);

    CFillerGame resumed(nullptr, *params, nullptr, 99);
    ASSERT_TRUE(resumed.Load(store));
    EXPECT_EQ(CFillerGame::COMPUTER, resumed.GetCurrentPlayer());
    EXPECT_EQ(afterComputer, resumed.GetField().GetCells());
    EXPECT_EQ(game.GetField().GetZoneSize(1), resumed.GetField().GetZoneSize(1));
}

TEST(FillerGame, SaveWhileTheHumanWaitsResumesTheSameBoardAndTurn)
{
        auto params = MakeParams(1, 0, false);
    CFillerGame game(nullptr, *params, nullptr, 8);
    int next = 0;
    RunUntilHumanWaits(game);
    PickNext(game, next);
    RunUntilHumanWaits(game);
    CConfigFile store;
    game.Save(store);

    CFillerGame resumed(nullptr, *params, nullptr, 9);
    ASSERT_TRUE(resumed.Load(store));
    EXPECT_EQ(game.GetField().GetCells(), resumed.GetField().GetCells());
    EXPECT_TRUE(HumanWaits(resumed));
}

TEST(FillerGame, SaveOfAnotherBoardSizeIsNoSavedGame)
{
        auto small = MakeParams(0, 0, false);
    CFillerGame game(nullptr, *small, nullptr, 4);
    CConfigFile store;
    game.Save(store);
    auto giant = MakeParams(3, 0, false);
    CFillerGame other(nullptr, *giant, nullptr, 5);
    const std::vector<int> before = other.GetField().GetCells();
    EXPECT_FALSE(other.Load(store));
    EXPECT_EQ(before, other.GetField().GetCells());
}

TEST(FillerGame, ComputerModeFollowsDifficulty)
{
    EXPECT_EQ(CFillerPlayer::MODE_EASY, CFillerGame::ComputerMode(0));
    EXPECT_EQ(CFillerPlayer::MODE_MEDIUM, CFillerGame::ComputerMode(1));
    EXPECT_EQ(CFillerPlayer::MODE_HARD, CFillerGame::ComputerMode(2));
    EXPECT_EQ(CFillerPlayer::MODE_HARD, CFillerGame::ComputerMode(7));
}
