#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGame.h"
#include "games/eraser/CEraserPlayer.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SGameFixture
{
    explicit SGameFixture(unsigned seed = 3)
        : params(MakeParams(0, 0)), game(nullptr, *params, &events, seed)
    {
    }

    // Runs 16 ms frames until the start effect is over.
    void SkipEffect()
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }

    // Clicks a cell with the button held for one frame, then lets go.
    void Click(int x, int y)
    {
        game.SetPointer(CellPoint(game.GetField(), x, y), true);
        game.Update(16.0f);
        game.SetPointer(CellPoint(game.GetField(), x, y), false);
    }

    void Run(int frames)
    {
        for (int i = 0; i < frames && !game.IsGameOver(); ++i)
            game.Update(16.0f);
    }

    std::unique_ptr<CEraserParams> params;
    CEraserEvents events;
    CEraserGame game;
};

// The first cell, in reading order, whose group can be taken.
bool FindRemovable(const CEraserField& field, int& x, int& y)
{
    const auto& board = field.GetBoard();
    for (y = 0; y < field.GetHeight(); ++y)
        for (x = 0; x < field.GetWidth(); ++x)
            if (board.Get(x, y) &&
                static_cast<int>(board.FindGroup(x, y, [](const CEraserBrick&) { return true; }).size()) >=
                    field.GetGroupMin())
                return true;
    return false;
}
}

TEST(EraserGame, TheFieldWaitsForTheStartEffect)
{
    SGameFixture f;
    ASSERT_TRUE(f.game.IsEffectRunning());
    SetBoard(f.game.GetField(), {"", "", "", "", "", "", "", "RGB"});
    f.game.SetPointer(CellPoint(f.game.GetField(), 0, 7), true);
    for (int i = 0; i < 5 && f.game.IsEffectRunning(); ++i)
    {
        f.game.Update(16.0f);
        EXPECT_EQ(CEraserField::STATE_IDLE, f.game.GetField().GetState());
    }
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_SWEEP));
    f.SkipEffect();
    f.Run(2);
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_SWEEP));
}

TEST(EraserGame, PenaltiesStopAtZeroAndALevelWorthNothingEndsTheGame)
{
    SGameFixture f;
    f.SkipEffect();
    // One pair worth 20, then five leftovers at 5 each: 20, 15, 10, 5, 0, 0.
    SetBoard(f.game.GetField(), {"", "", "", "", "", "", "GBYPC", "RRGBY"});
    f.Click(0, 7);
    std::vector<int> levelScores;
    for (int i = 0; i < 2000 && !f.game.IsGameOver(); ++i)
    {
        int before = f.game.GetLevelScore();
        f.game.Update(16.0f);
        ASSERT_GE(f.game.GetLevelScore(), 0);
        if (f.game.GetLevelScore() != before)
            levelScores.push_back(f.game.GetLevelScore());
    }
    EXPECT_TRUE(f.game.IsGameOver());
    EXPECT_EQ((std::vector<int>{20, 15, 10, 5, 0}), levelScores);
    EXPECT_EQ(0, f.game.GetScore());
}

TEST(EraserGame, ALevelThatKeepsPointsLeadsToTheNextAndAddsThemToTheTotal)
{
    SGameFixture f;
    f.SkipEffect();
    SetBoard(f.game.GetField(), {"", "", "", "", "", "", "", "RRRRG"});
    f.Click(0, 7);
    for (int i = 0; i < 2000 && f.game.GetLevel() == 1; ++i)
        f.game.Update(16.0f);
    ASSERT_FALSE(f.game.IsGameOver());
    EXPECT_EQ(2, f.game.GetLevel());
    EXPECT_EQ(40 - 5, f.game.GetScore());
    EXPECT_EQ(0, f.game.GetLevelScore());
    EXPECT_TRUE(f.game.IsEffectRunning());
}

TEST(EraserGame, ClearingLevelThreeAddsThreeHundredOnce)
{
    SGameFixture f;
    f.SkipEffect();
    CConfigFile store;
    f.game.Save(store);
    store.SetInt("gf_m_current_level", 3);
    store.SetInt("fe_m_current_level", 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            store.SetInt("f_color" + std::to_string(x) + "-" + std::to_string(y), (y == 7 && (x == 3 || x == 4)) ? 0 : -1);
    ASSERT_TRUE(f.game.Load(store));
    int total = f.game.GetScore();
    f.Click(3, 7);
    for (int i = 0; i < 2000 && f.game.GetLevel() == 3; ++i)
        f.game.Update(16.0f);
    EXPECT_EQ(4, f.game.GetLevel());
    EXPECT_EQ(total + 20 + 300, f.game.GetScore());
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_CLEARED));
}

TEST(EraserGame, AWholeSeededGameRunsToItsEndWithoutAWindow)
{
    for (unsigned seed : {1u, 2u, 3u})
    {
        SGameFixture f(seed);
        int finishedLevels = 0;
        for (int frame = 0; frame < 400000 && !f.game.IsGameOver(); ++frame)
        {
            int level = f.game.GetLevel();
            int x = 0;
            int y = 0;
            bool idle = !f.game.IsEffectRunning() && f.game.GetField().GetState() == CEraserField::STATE_IDLE;
            if (idle && FindRemovable(f.game.GetField(), x, y))
                f.game.SetPointer(CellPoint(f.game.GetField(), x, y), true);
            else
                f.game.SetPointer(CVector4(1.0e4f, 0.0f, 0.0f), false);
            f.game.Update(16.0f);
            finishedLevels += f.game.GetLevel() != level ? 1 : 0;
        }
        EXPECT_TRUE(f.game.IsGameOver()) << "seed " << seed;
        EXPECT_GE(finishedLevels, 1) << "seed " << seed;
        EXPECT_GT(f.game.GetScore(), 0) << "seed " << seed;
    }
}
