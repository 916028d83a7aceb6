#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGameScreen.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
// A game of one size and difficulty saved from its screen, continued on a
// screen built while the settings held other choices.
struct SContinued
{
    SContinued(int size, int difficulty, int settingsSize, int settingsDifficulty, bool keepDifficultyKey = true)
        : saved(MakeParams(size, difficulty)),
          settings(MakeParams(settingsSize, settingsDifficulty)),
          screen(nullptr, *settings, &events, 5)
    {
        CEraserGameScreen first(nullptr, *saved, &events, 3);
        first.Save(store);
        if (!keepDifficultyKey)
        {
            CConfigFile older;
            for (const auto& pair : store.GetPairs())
                if (pair.first != "fe_m_difficulty")
                    older.SetValue(pair.first, pair.second);
            store = older;
        }
        loaded = screen.Load(store);
    }
    std::unique_ptr<CEraserParams> saved;
    std::unique_ptr<CEraserParams> settings;
    CRecordingEvents events;
    CConfigFile store;
    CEraserGameScreen screen;
    bool loaded = false;
};
}

// The score table and the smallest group of a continued game are those of
// the board it was dealt, whatever the settings hold now; saves written
// before the difficulty was saved are told by their side and colours.
TEST(EraserContinue, AContinuedGameKeepsItsOwnSizeDifficultyAndSmallestGroup)
{
    for (bool keepKey : {true, false})
        for (int size = 0; size < 3; ++size)
            for (int difficulty = 0; difficulty < 3; ++difficulty)
            {
                SCOPED_TRACE(testing::Message() << "size " << size << ", difficulty " << difficulty
                                                << (keepKey ? "" : ", an older save"));
                SContinued c(size, difficulty, 2 - size, (difficulty + 1) % 3, keepKey);
                ASSERT_TRUE(c.loaded);
                EXPECT_EQ(difficulty, c.screen.GetGameDifficulty());
                EXPECT_EQ(size, c.screen.GetGameSize());
                const CEraserField& field = c.screen.GetGame().GetField();
                EXPECT_EQ(c.saved->GetGroupSize(difficulty), field.GetGroupMin());
                EXPECT_EQ(CEraserParams::GetBoardSide(size, difficulty), field.GetWidth());
            }
}

// Small - Hard and Medium - Easy share the side 10: the saved Hard board
// keeps its groups of four even where the settings say Easy (groups of two).
TEST(EraserContinue, APairOnAContinuedHardBoardStaysWhereTheSettingsSayEasy)
{
    SEraser hard(0, 2);
    hard.SetBoard(hard.Bottom({"RRGBYPRGBY", "GBYPCRGBYP"}));
    SEraser easy(1, 0, 11);
    ASSERT_TRUE(easy.game.Load(hard.Saved()));
    EXPECT_EQ(0, easy.Field().SelectGroup(easy.Field().GetEraserBrick(0, 8)));
    EXPECT_EQ(0, easy.Field().CountGroups());
}

TEST(EraserContinue, ANewGameTakesItsSizeAndDifficultyFromTheChoice)
{
    auto params = MakeParams(1, 2);
    CRecordingEvents events;
    CEraserGameScreen screen(nullptr, *params, &events, 7);
    EXPECT_EQ(2, screen.GetGameDifficulty());
    EXPECT_EQ(1, screen.GetGameSize());
    EXPECT_EQ(12, screen.GetGame().GetField().GetWidth());
}
