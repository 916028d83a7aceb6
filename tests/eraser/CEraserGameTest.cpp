#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGame.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SGame
{
    explicit SGame(unsigned seed = 3) : params(MakeParams(0, 0)), game(nullptr, *params, &events, seed) {}

    void SkipEffect()
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }
    // The button held over a cell for one frame, then let go.
    void Click(int x, int y)
    {
        game.SetPointer(CellPoint(game.GetField(), x, y), true);
        game.Update(16.0f);
        game.SetPointer(CVector4(), false);
    }
    // Frames until the level changes or the game ends; the level scores seen.
    std::vector<int> FinishLevel()
    {
        std::vector<int> scores;
        for (int i = 0, level = game.GetLevel(); i < 3000 && level == game.GetLevel() && !game.IsGameOver(); ++i)
        {
            int before = game.GetLevelScore();
            game.Update(16.0f);
            if (game.GetLevelScore() != before)
                scores.push_back(game.GetLevelScore());
        }
        return scores;
    }

    std::unique_ptr<CEraserParams> params;
    CEraserEvents events;
    CEraserGame game;
};
}

TEST(EraserGame, TheBoardWaitsForTheStartEffect)
{
    SGame f;
    SetBoard(f.game.GetField(), Bottom(f.game.GetField(), {"RGB"}));
    f.game.SetPointer(CellPoint(f.game.GetField(), 0, 7), true);
    for (int i = 0; i < 5 && f.game.IsEffectRunning(); ++i)
        f.game.Update(16.0f);
    EXPECT_EQ(CEraserField::STATE_IDLE, f.game.GetField().GetState());
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_SWEEP));
    f.SkipEffect();
    f.game.Update(16.0f);
    f.game.Update(16.0f);
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_SWEEP));
}

TEST(EraserGame, PenaltiesStopAtZeroAndALevelWorthNothingEndsTheGame)
{
    SGame f;
    f.SkipEffect();
    // A pair worth 20, then eight leftovers at 5 each.
    SetBoard(f.game.GetField(), Bottom(f.game.GetField(), {"GBYPC", "RRGBY"}));
    f.Click(0, 7);
    EXPECT_EQ((std::vector<int>{20, 15, 10, 5, 0}), f.FinishLevel());
    EXPECT_TRUE(f.game.IsGameOver());
    EXPECT_EQ(0, f.game.GetScore());
}

TEST(EraserGame, ClearingLevelThreeAddsThreeHundredOnce)
{
    SGame f;
    f.SkipEffect();
    CConfigFile store;
    f.game.Save(store);
    store.SetInt("gf_m_current_level", 3);
    store.SetInt("fe_m_current_level", 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            store.SetInt("f_color" + std::to_string(x) + "-" + std::to_string(y), (y == 7 && x / 2 == 2) ? 0 : -1);
    ASSERT_TRUE(f.game.Load(store));
    f.Click(4, 7);
    EXPECT_EQ((std::vector<int>{20, 320, 0}), f.FinishLevel());
    EXPECT_EQ(4, f.game.GetLevel());
    EXPECT_EQ(320, f.game.GetScore());
    EXPECT_TRUE(f.game.IsEffectRunning()) << "the next level starts at once";
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_CLEARED));
}

TEST(EraserGame, WholeSeededGamesRunToTheirEndWithoutAWindow)
{
    for (unsigned seed : {1u, 2u, 3u})
    {
        SGame f(seed);
        // The button held while the pointer walks the board from the bottom
        // row up, one cell every 50 ms.
        for (int frame = 0; frame < 400000 && !f.game.IsGameOver(); ++frame)
        {
            int cell = (frame / 3) % 64;
            f.game.SetPointer(CellPoint(f.game.GetField(), cell % 8, 7 - cell / 8), true);
            f.game.Update(16.0f);
        }
        EXPECT_TRUE(f.game.IsGameOver()) << "seed " << seed;
        EXPECT_GT(f.game.GetLevel(), 2) << "seed " << seed;
        EXPECT_GT(f.game.GetScore(), 0) << "seed " << seed;
    }
}
