#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerGameScreen.h"
#include "games/designer/CDesignerPlayer.h"
#include "tests/designer/DesignerTestKit.h"

namespace
{
// A store as the game menu keeps it: the screen's score key, then the game.
CConfigFile SaveOf(CDesignerGameScreen& screen)
{
    CConfigFile store;
    screen.Save(store);
    return store;
}

// The store turned into a board whose rows are falling: every cell
// covered, the figures already bricks, nothing in the tray or in hand.
void CoverTheBoard(CConfigFile& store, int size)
{
    SetSavedCells(store, size, '1');
    store.SetInt("f_m_figures.size", 0);
    store.SetInt("p_m_figures.size", 0);
}

int DistinctTrayKinds(CDesignerGame& game)
{
    std::set<int> kinds;
    CDesignerFigureTray& tray = game.GetPlayer().GetTray();
    for (int i = 0; i < tray.GetCount(); ++i)
        kinds.insert(tray.GetFigure(i)->GetKind());
    return static_cast<int>(kinds.size());
}

// Frames until the covered board has fallen and the next level's tray is
// filled.
void PlayToNextLevel(CDesignerGame& game)
{
    CDesignerDriver driver(game);
    for (int i = 0; i < 5000 && game.GetPlayer().GetTrayCount() == 0 && !game.IsGameOver(); ++i)
        driver.Frames(1);
}
}

TEST(DesignerContinue, ScreenAnswersTheSizeAndDifficultyOfItsOwnGameWhateverTheSettings)
{
    CRecordingEvents events;
    // Whatever the settings hold when the game is continued.
    auto settings = MakeParams(0, 0);
    for (int size = 0; size < 3; ++size)
        for (int difficulty = 0; difficulty < 3; ++difficulty)
        {
            auto chosen = MakeParams(size, difficulty);
            CDesignerGameScreen played(nullptr, *chosen, &events, 5);
            EXPECT_EQ(size, played.GetGameSize());
            EXPECT_EQ(difficulty, played.GetGameDifficulty());
            CDesignerGameScreen continued(nullptr, *settings, &events, 6);
            ASSERT_TRUE(continued.Load(SaveOf(played))) << size << " " << difficulty;
            EXPECT_EQ(size, continued.GetGameSize()) << "difficulty " << difficulty;
            EXPECT_EQ(difficulty, continued.GetGameDifficulty()) << "size " << size;
        }
}

TEST(DesignerContinue, NextLevelOfAContinuedGameIsCutByItsOwnDifficulty)
{
    // Easy levels of two or three kinds, hard ones of six to eight: the
    // tray tells which limits cut the level.
    auto hardLarge = MakeParams(2, 2);
    auto settings = MakeParams(0, 0);
    for (CDesignerParams* params : {hardLarge.get(), settings.get()})
    {
        params->SetKindLimits(0, 2, 3);
        params->SetKindLimits(2, 6, 8);
    }
    CRecordingEvents events;
    for (unsigned seed = 1; seed <= 5; ++seed)
    {
        CDesignerGameScreen played(nullptr, *hardLarge, &events, seed);
        CConfigFile store = SaveOf(played);
        CoverTheBoard(store, 8);
        CDesignerGameScreen continued(nullptr, *settings, &events, seed + 100);
        ASSERT_TRUE(continued.Load(store));
        PlayToNextLevel(continued.GetGame());
        ASSERT_EQ(2, continued.GetGame().GetLevel());
        EXPECT_EQ(8, continued.GetGame().GetField().GetWidth());
        int kinds = DistinctTrayKinds(continued.GetGame());
        EXPECT_GE(kinds, 6) << "seed " << seed;
        EXPECT_LE(kinds, 8) << "seed " << seed;
        EXPECT_EQ(2, continued.GetGameDifficulty());
    }
}

TEST(DesignerContinue, ScoreAndLevelAtTheTopOfTheRangeStayThere)
{
    auto params = MakeParams(0);
    CRecordingEvents events;
    const struct
    {
        int total, level;
    } cases[] = {{2147483600, 1000000}, {2147483647, 2147483646}, {2147483500, 2147483647}};
    for (const auto& c : cases)
    {
        CDesignerGame played(nullptr, *params, &events, 8);
        CConfigFile store;
        played.Save(store);
        CoverTheBoard(store, 6);
        store.SetInt("gf_m_score", c.total);
        store.SetInt("gf_m_score_level", 300);
        store.SetInt("gf_m_current_level", c.level);
        CDesignerGame continued(nullptr, *params, &events, 9);
        ASSERT_TRUE(continued.Load(store)) << c.level;
        PlayToNextLevel(continued);
        EXPECT_EQ(2147483647, continued.GetTotal()) << c.level;
        EXPECT_EQ(c.level == 2147483647 ? c.level : c.level + 1, continued.GetLevel());
        EXPECT_FALSE(continued.IsGameOver());
        // The game's next save of it is a good save.
        CConfigFile again;
        continued.Save(again);
        CDesignerGame reloaded(nullptr, *params, &events, 10);
        EXPECT_TRUE(reloaded.Load(again)) << c.level;
        EXPECT_EQ(2147483647, reloaded.GetTotal());
    }
}
