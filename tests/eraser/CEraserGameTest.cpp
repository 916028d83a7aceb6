#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "tests/eraser/EraserTestKit.h"

TEST(EraserGame, TheBoardWaitsForTheStartEffect)
{
    SEraser f(0, 0, 3, false);
    f.SetBoard(f.Bottom({"RGB"}));
    f.game.SetPointer(f.CellPoint(0, 7), true);
    for (int i = 0; i < 5000 && f.game.IsEffectRunning(); ++i)
    {
        ASSERT_EQ(0, f.events.CountSound(CEraserField::SOUND_SWEEP)) << "frame " << i;
        f.game.Update(16.0f);
    }
    f.game.Update(16.0f);
    f.game.Update(16.0f);
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_SWEEP));
}

TEST(EraserGame, PenaltiesStopAtZeroAndALevelWorthNothingEndsTheGame)
{
    SEraser f;
    // A pair worth 20, then eight leftovers at 5 each.
    f.SetBoard(f.Bottom({"GBYPC", "RRGBY"}));
    f.Click(0, 7);
    EXPECT_EQ((std::vector<int>{20, 15, 10, 5, 0}), f.FinishLevel());
    EXPECT_TRUE(f.game.IsGameOver());
    EXPECT_EQ(0, f.game.GetScore());
}

TEST(EraserGame, ClearingLevelThreeAddsThreeHundredOnce)
{
    SEraser f;
    CConfigFile store = f.Saved();
    store.SetInt("gf_m_current_level", 3);
    store.SetInt("fe_m_current_level", 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            store.SetInt("f_color" + std::to_string(x) + "-" + std::to_string(y), (y == 7 && x / 2 == 2) ? 0 : -1);
    ASSERT_TRUE(f.game.Load(store));
    f.Click(4, 7);
    EXPECT_EQ((std::vector<int>{20, 320, 0}), f.FinishLevel());
    EXPECT_EQ(320, f.game.GetScore());
    EXPECT_TRUE(f.game.GetLevel() == 4 && f.game.IsEffectRunning()) << "the next level starts at once";
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_CLEARED));
}

TEST(EraserGame, WholeSeededGamesRunToTheirEndWithoutAWindow)
{
    for (unsigned seed : {1u, 2u, 3u})
    {
        SEraser f(0, 0, seed, false);
        // The button held while the pointer walks the board from the bottom
        // row up, one cell every 50 ms.
        for (int frame = 0; frame < 400000 && !f.game.IsGameOver(); ++frame)
        {
            f.game.SetPointer(f.CellPoint(frame / 3 % 8, 7 - frame / 24 % 8), true);
            f.game.Update(16.0f);
        }
        EXPECT_TRUE(f.game.IsGameOver()) << "seed " << seed;
        EXPECT_GT(f.game.GetLevel(), 2) << "seed " << seed;
    }
}

TEST(EraserSave, SavedAtRestOrMidFallTheGameLoadsSettledWithItsScoreAndTheBannerAgain)
{
    for (bool midFall : {true, false})
    {
        SEraser a;
        a.SetBoard(a.Bottom({"GG", "RRGY"}));
        a.Click(0, 7);
        for (int i = 0; i < 100 && (!midFall || a.Field().GetState() != CEraserField::STATE_FALLING); ++i)
            a.game.Update(16.0f);
        ASSERT_EQ(midFall, a.Field().GetState() == CEraserField::STATE_FALLING);
        SEraser b(0, 0, 11);
        ASSERT_TRUE(b.game.Load(a.Saved()));
        EXPECT_EQ(CEraserField::STATE_IDLE, b.Field().GetState());
        EXPECT_EQ(b.Bottom({"GGGY"}), b.GetBoard());
        EXPECT_EQ(20, b.game.GetLevelScore());
        EXPECT_FALSE(b.game.IsEffectRunning());
        EXPECT_EQ(CEraserGame::BANNER_START_Y, b.game.GetBannerPosition().y);
    }
}

TEST(EraserSave, AClearedBoardSavedInTheSweepIsNotPaidTwiceAndAMissingCellIsRefused)
{
    SEraser a;
    a.SetBoard(a.Bottom({"RR"}));
    a.Field().Update(16.0f);
    a.Field().SelectGroup(a.Field().GetEraserBrick(0, 7));
    a.RunFieldTo(CEraserField::STATE_SWEEP);
    ASSERT_EQ(100, a.Field().GetRemovedCount());
    const CConfigFile store = a.Saved();
    SEraser b(0, 0, 11);
    ASSERT_TRUE(b.game.Load(store));
    b.Field().Update(16.0f);
    EXPECT_EQ(0, b.Field().GetRemovedCount());
    EXPECT_TRUE(b.Field().IsFinished());
    CConfigFile edited;
    for (const auto& pair : store.GetPairs())
        if (pair.first != "f_color3-7")
            edited.SetValue(pair.first, pair.second);
    EXPECT_FALSE(b.game.Load(edited));
}

TEST(EraserSave, DamagedSavesAreRefusedAndTheGameStaysAsItWas)
{
    const char* cases[][2] = {{"f_m_width_bricks", "16"}, {"f_m_width_bricks", "7"}, {"f_m_height_bricks", "9"},
                              {"f_m_colors", "0"},        {"f_m_colors", "7"},       {"f_color2-3", "6"},
                              {"f_color2-3", "-2"},       {"f_color2-3", "red"},     {"fe_m_current_level", "0"},
                              {"f_m_alpha", "nan"},       {"gf_m_score_level", "-1"}, {"gf_m_current_level", "0"},
                              {"gf_m_score", "12abc"},    {"gf_m_score_step", "-10"},
                              // Side 8 is only Easy - Small.
                              {"fe_m_difficulty", "1"},   {"fe_m_difficulty", "2"},  {"fe_m_difficulty", "3"},
                              {"fe_m_difficulty", "easy"}};
    const CConfigFile valid = SEraser().Saved();
    for (const auto& c : cases)
    {
        CConfigFile store = valid;
        store.SetValue(c[0], c[1]);
        SEraser b(0, 0, 11);
        Board before = b.GetBoard();
        EXPECT_FALSE(b.game.Load(store)) << c[0] << " " << c[1];
        EXPECT_EQ(before, b.GetBoard());
    }
}

TEST(EraserParams, SenselessValuesTakePlayableOnesAndTheTablesAreTheErasers)
{
    for (const char* bad : {"", "0 0 0", "-3 7 500"})
    {
        auto params = ReadTestParams<CEraserParams>({{"m_group_size", bad}, {"m_colors_field", bad}});
        for (int d = 0; d < 3; ++d)
        {
            EXPECT_GE(params->GetGroupSize(d), 1);
            EXPECT_TRUE(params->GetColorCount(d) >= 1 && params->GetColorCount(d) <= 6);
        }
        EXPECT_GT(params->GetFallSpeed(), 0.0f);
        EXPECT_GT(params->GetFieldWidth(), 0.0f);
    }
    // The eraser's own tables: difficulty, then size.
    auto params = MakeParams(1, 2);
    params->SetDataRoot("/home");
    EXPECT_EQ("/home/data/scores521.tab", params->GetScoreTablePath(2, 1));
    EXPECT_EQ(params->GetScoreTable(7), params->GetCurrentScoreTable());
}

// A side-14 save that holds only the cells of a side-8 board, and others cut
// short, are damage: the board would otherwise be filled with colour 0.
TEST(EraserSave, ABoardCutShortIsRefused)
{
    const CConfigFile valid = SEraser(2, 2).Saved();
    ASSERT_EQ("14", valid.GetValue("f_m_width_bricks", ""));
    const struct
    {
        const char* what;
        std::function<bool(int x, int y)> kept;
    } cases[] = {
        {"only the 64 cells of a side of 8", [](int x, int y) { return x < 8 && y < 8; }},
        {"the last row missing", [](int, int y) { return y < 13; }},
        {"one cell missing", [](int x, int y) { return x != 6 || y != 9; }},
    };
    for (const auto& c : cases)
    {
        CConfigFile store;
        for (const auto& pair : valid.GetPairs())
        {
            int x = 0;
            int y = 0;
            if (std::sscanf(pair.first.c_str(), "f_color%d-%d", &x, &y) == 2 && !c.kept(x, y))
                continue;
            store.SetValue(pair.first, pair.second);
        }
        SEraser b(0, 0, 11);
        Board before = b.GetBoard();
        EXPECT_FALSE(b.game.Load(store)) << c.what;
        EXPECT_EQ(before, b.GetBoard()) << c.what;
    }
}

// Totals, level scores and levels near the top of int stay there instead of
// wrapping, and the game's next save of them is accepted.
TEST(EraserScore, ScoresAndLevelsAtTheTopOfIntStayThere)
{
    const int kTop = 2147483647;
    const struct
    {
        const char* what;
        int total, levelScore, level;
        Board bottom;
        int endTotal;
        bool over;
        const char* lastPopup;
    } cases[] = {
        {"a cleared board on a level score near the top", kTop - 5, kTop - 5, 1, {"RR"}, kTop, false, "100"},
        {"the clear bonus of the last level", 7, 0, kTop, {"RR"}, kTop, false, "2147483647"},
        {"a leftover on the last level costs all", 7, 30, kTop, {"RG"}, 7, true, "-2147483647"},
    };
    for (const auto& c : cases)
    {
        SEraser f;
        CConfigFile store = f.Saved();
        store.SetInt("gf_m_score", c.total);
        store.SetInt("gf_m_score_level", c.levelScore);
        store.SetInt("gf_m_current_level", c.level);
        store.SetInt("fe_m_current_level", c.level);
        ASSERT_TRUE(f.game.Load(store)) << c.what;
        f.SetBoard(f.Bottom(c.bottom));
        f.Click(0, 7);
        // Until the level's score goes to the total, or the game ends.
        for (int i = 0; i < 3000 && f.game.GetScore() == c.total && !f.game.IsGameOver(); ++i)
            f.game.Update(16.0f);
        EXPECT_EQ(c.endTotal, f.game.GetScore()) << c.what;
        EXPECT_EQ(c.over, f.game.IsGameOver()) << c.what;
        EXPECT_EQ(c.level == kTop ? kTop : 2, f.game.GetLevel()) << c.what;
        const CScorePopups& popups = f.Field().GetPopups();
        ASSERT_GT(popups.GetCount(), 0) << c.what;
        EXPECT_EQ(c.lastPopup, popups.GetText(popups.GetCount() - 1)) << c.what;
        SEraser next(0, 0, 11);
        EXPECT_TRUE(next.game.Load(f.Saved())) << c.what;
        EXPECT_EQ(c.endTotal, next.game.GetScore()) << c.what;
    }
}

// The highlight's zoom follows the game's frames, not its drawing: a frame
// may draw the bricks more than once (or not at all) and must show them
// the same each time.
TEST(EraserGame, AHighlightedGroupShrinksFrameByFrameAndGrowsBackWhenLeft)
{
    SEraser f;
    f.SetBoard(f.Bottom({"RRG"}));
    const CEraserBrick& red = *f.Field().GetEraserBrick(0, 7);
    const CEraserBrick& green = *f.Field().GetEraserBrick(2, 7);
    f.game.SetPointer(f.CellPoint(1, 7), false);
    f.game.Update(16.0f);
    f.game.Update(16.0f);
    EXPECT_TRUE(red.IsHighlighted());
    EXPECT_FLOAT_EQ(1.0f - CEraserBrick::kZoomStep, red.GetZoom());
    for (int i = 0; i < 20; ++i)
        f.game.Update(16.0f);
    EXPECT_FLOAT_EQ(CEraserBrick::kMinZoom, red.GetZoom());
    EXPECT_EQ(1.0f, green.GetZoom());
    f.game.SetPointer(f.CellPoint(5, 2), false);
    f.game.Update(16.0f);
    f.game.Update(16.0f);
    EXPECT_FALSE(red.IsHighlighted());
    EXPECT_FLOAT_EQ(CEraserBrick::kMinZoom + CEraserBrick::kZoomStep, red.GetZoom());
    for (int i = 0; i < 20; ++i)
        f.game.Update(16.0f);
    EXPECT_EQ(1.0f, red.GetZoom());
}
