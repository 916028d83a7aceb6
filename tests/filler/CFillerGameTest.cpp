#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerGameScreen.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"

namespace
{
// Runs frames until the human waits for a pick or the game ends.
void RunUntilHumanWaits(CFillerGame& game)
{
    for (int i = 0; i < 100000 && !game.GetField().IsGameOver(); ++i)
    {
        if (game.GetCurrentPlayer() == CFillerGame::HUMAN &&
            game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING)
            return;
        game.Update(16.0f);
    }
}

// The human takes the colour that grows the zone most, as the easy computer would.
void PickNext(CFillerGame& game)
{
    game.PickColor(game.GetField().GetColorTable()[game.GetPlayer(CFillerGame::HUMAN).ChooseColor()]);
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
    int moves = 0;
    for (RunUntilHumanWaits(game); !game.GetField().IsGameOver() && moves < 2000; RunUntilHumanWaits(game), ++moves)
        PickNext(game);
    ASSERT_TRUE(game.GetField().IsGameOver()) << moves << " human moves";
    EXPECT_EQ(cells, game.GetField().GetZoneSize(0) + game.GetField().GetZoneSize(1));
    EXPECT_EQ(game.GetField().GetZoneSize(0), game.GetScore());
    EXPECT_EQ(1, events.CountSound(172));
    EXPECT_FALSE(game.IsFinished()) << "the banner waits for the player";
}

INSTANTIATE_TEST_SUITE_P(Sizes, FillerWholeGame,
                         ::testing::Values(SWholeGame{0, 0, true}, SWholeGame{1, 1, false}, SWholeGame{2, 2, false},
                                           SWholeGame{3, 2, false}));

TEST(FillerGame, SaveDuringTheComputersWaveReplaysItsTurnOnLoad)
{
    auto params = MakeParams(0, 1, true);
    CFillerGame game(nullptr, *params, nullptr, 21);
    for (int turn = 0; turn < 3; ++turn)
    {
        RunUntilHumanWaits(game);
        PickNext(game);
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

TEST(FillerGame, ContinuedGameIsOfItsSavedSizeAndDifficultyWhateverTheSettings)
{
    // The saved game against the settings in force when it is continued.
    const struct { int size, difficulty, settingsSize, settingsDifficulty; } cases[] = {
        {3, 2, 0, 0}, {0, 0, 3, 2}, {1, 1, 2, 0}, {2, 2, 1, 1}};
    for (const auto& c : cases)
    {
        auto dealt = MakeParams(c.size, c.difficulty, false);
        CFillerGameScreen left(nullptr, *dealt, nullptr, 31);
        CConfigFile store;
        left.Save(store);

        auto settings = MakeParams(c.settingsSize, c.settingsDifficulty, false);
        CFillerGameScreen continued(nullptr, *settings, nullptr, 32);
        ASSERT_TRUE(continued.Load(store)) << "saved size " << c.size;
        EXPECT_EQ(c.size, continued.GetGameSize());
        EXPECT_EQ(c.difficulty, continued.GetGameDifficulty());
        const CFillerField& field = continued.GetGame().GetField();
        EXPECT_EQ(left.GetGame().GetField().GetCells(), field.GetCells()) << "saved size " << c.size;
        EXPECT_EQ(CFillerParams::BoardWidth(c.size) - 1, continued.GetGame().GetPlayer(CFillerGame::COMPUTER).GetStartX());
        EXPECT_EQ(CFillerParams::BoardHeight(c.size) / 2, continued.GetGame().GetPlayer(CFillerGame::COMPUTER).GetStartY());
        EXPECT_EQ(2 + c.difficulty, continued.GetGame().GetPlayer(CFillerGame::COMPUTER).GetSearchDepth());
    }
}

TEST(FillerGame, SaveWithoutItsDifficultyPlaysAtTheChosenOneAndAnOddSnapshotIsRefused)
{
    auto dealt = MakeParams(1, 2, false);
    CFillerGame left(nullptr, *dealt, nullptr, 41);
    CConfigFile saved;
    left.Save(saved);
    auto settings = MakeParams(0, 1, false);

    CConfigFile old;
    for (const auto& pair : saved.GetPairs())
        if (pair.first != "filler_difficulty")
            old.SetValue(pair.first, pair.second);
    CFillerGame continued(nullptr, *settings, nullptr, 42);
    ASSERT_TRUE(continued.Load(old));
    EXPECT_EQ(1, continued.GetGameSize());
    EXPECT_EQ(1, continued.GetGameDifficulty());

    // One number short of the medium board fits no size; a difficulty the
    // kind does not have is damage.
    const std::string snapshot = saved.GetValue("field_undo_string", "");
    const struct { const char* key; std::string value; } cases[] = {
        {"field_undo_string", snapshot.substr(0, snapshot.size() - 2)}, {"filler_difficulty", "3"}};
    for (const auto& c : cases)
    {
        CConfigFile store = saved;
        store.SetValue(c.key, c.value);
        CFillerGame game(nullptr, *settings, nullptr, 43);
        const std::vector<int> before = game.GetField().GetCells();
        EXPECT_FALSE(game.Load(store)) << c.key;
        EXPECT_EQ(before, game.GetField().GetCells()) << c.key;
        EXPECT_EQ(0, game.GetGameSize()) << c.key;
    }
}
