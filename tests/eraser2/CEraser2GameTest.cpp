#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser2/CEraser2Game.h"
#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"

namespace
{
struct SGame
{
    explicit SGame(int size = 0, int option = 0, std::uint32_t seed = 11)
        : params(MakeParams(size, option)), game(nullptr, *params, &events, seed)
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }
    CEraser2Field& Field() { return game.GetField(); }
    // Frames with the button up until the field rests (or 5000 frames).
    void Settle()
    {
        game.SetPointer(CVector4(-10000.0f, 0.0f, 0.0f), false);
        for (int i = 0; i < 5000; ++i)
        {
            game.Update(16.0f);
            int state = Field().GetState();
            if (state == CEraser2Field::STATE_IDLE && !Field().IsSliding() && !Field().FeederNeedsFill())
                return;
            if (state == CEraser2Field::STATE_SWEEP)
                return;
        }
    }
    CConfigFile Saved()
    {
        CConfigFile store;
        game.Save(store);
        return store;
    }
    std::unique_ptr<CEraser2Params> params;
    CEraser2Events events;
    CEraser2Game game;
};

// A player who holds the button over random cells until the game ends;
// returns the frames it took, or -1 when the field stayed busy too long.
int PlayOut(SGame& g, std::uint32_t seed)
{
    CRandom pick(seed);
    int busy = 0;
    for (int frame = 0; frame < 400000; ++frame)
    {
        if (g.game.IsGameOver())
            return frame;
        CEraser2Field& field = g.Field();
        g.game.SetPointer(CellPoint(field, pick.Next(field.GetWidth()), pick.Next(field.GetHeight())), true);
        g.game.Update(16.0f);
        busy = (field.GetState() == CEraser2Field::STATE_IDLE) ? 0 : busy + 1;
        // Every click ends at rest again within a few seconds (a sweep may take longer).
        if (busy > 2000 && field.GetState() != CEraser2Field::STATE_SWEEP)
            return -1;
    }
    return -1;
}
}

class Eraser2Play : public testing::TestWithParam<int>
{
};

TEST_P(Eraser2Play, RandomGamesAlwaysComeBackToRestAndEnd)
{
    for (int option = 0; option < 2; ++option)
    {
        SGame g(GetParam() % 3, option, static_cast<std::uint32_t>(GetParam()));
        int frames = PlayOut(g, static_cast<std::uint32_t>(GetParam() * 31 + option));
        ASSERT_GT(frames, 0) << "option " << option;
        EXPECT_EQ(0, g.Field().CountBricks());
        EXPECT_GT(g.game.GetScore(), 0);
        EXPECT_EQ(0, g.game.GetScore() % g.params->GetScoreBrick());
    }
}

INSTANTIATE_TEST_SUITE_P(Eraser2, Eraser2Play, testing::Values(1, 2, 3, 4, 5, 6));

TEST(Eraser2Game, EachRemovedBrickAddsTheBrickScore)
{
    SGame g;
    SetBoard(g.Field(), {"", "", "", "", "", "", "RRRRR", "GBGBGBGB"});
    g.Settle();
    g.game.SetPointer(CellPoint(g.Field(), 2, 6), true);
    g.game.Update(16.0f);
    g.Settle();
    EXPECT_EQ(50, g.game.GetScore());
}

TEST(Eraser2Save, ARoundTripMidMoveKeepsBoardFeedersAndScore)
{
    SGame a(1, 1, 5);
    CRandom pick(9);
    int saves = 0;
    for (int frame = 0; frame < 100000 && saves < 5 && !a.game.IsGameOver(); ++frame)
    {
        CEraser2Field& field = a.Field();
        a.game.SetPointer(CellPoint(field, pick.Next(field.GetWidth()), pick.Next(field.GetHeight())), true);
        a.game.Update(16.0f);
        if (field.GetState() != CEraser2Field::STATE_MOVING || !field.GetBoard().HasMoves() || field.FeederNeedsFill())
            continue;
        ++saves;
        CConfigFile first = a.Saved();
        SGame b(0, 0, 99);
        ASSERT_TRUE(b.game.Load(first));
        EXPECT_FALSE(b.game.IsEffectRunning());
        EXPECT_EQ(a.game.GetScore(), b.game.GetScore());
        EXPECT_EQ(GetBoard(field), GetBoard(b.Field()));
        EXPECT_EQ(GetFeeder(field, 0), GetFeeder(b.Field(), 0));
        EXPECT_EQ(GetFeeder(field, 1), GetFeeder(b.Field(), 1));
        CConfigFile second;
        b.game.Save(second);
        EXPECT_EQ(first.ToText(), second.ToText());
    }
    EXPECT_EQ(5, saves);
}

struct SBadSave
{
    const char* key;
    const char* value;
};

class Eraser2BadSave : public testing::TestWithParam<SBadSave>
{
};

TEST_P(Eraser2BadSave, IsRefusedAndChangesNothing)
{
    SGame a;
    CConfigFile store = a.Saved();
    store.SetValue(GetParam().key, GetParam().value);
    SGame b;
    std::vector<std::string> before = GetBoard(b.Field());
    EXPECT_FALSE(b.game.Load(store));
    EXPECT_EQ(before, GetBoard(b.Field()));
}

INSTANTIATE_TEST_SUITE_P(
    Eraser2, Eraser2BadSave,
    testing::Values(SBadSave{"f_m_width_bricks", "26"}, SBadSave{"f_m_height_bricks", "16"},
                    // Inside the grid but no board of the kind.
                    SBadSave{"f_m_width_bricks", "9"}, SBadSave{"f_m_width_bricks", "0"},
                    SBadSave{"f_m_colors", "0"}, SBadSave{"f_m_colors", "7"}, SBadSave{"f_color3-4", "3"},
                    SBadSave{"f_color0-0", "x"}, SBadSave{"m_bricks_left7", "9"},
                    // A gap in a feeder's run of bricks.
                    SBadSave{"m_bricks_right0", "1"}, SBadSave{"gf_m_score", "-5"},
                    SBadSave{"gf_m_alpha", "nan"}, SBadSave{"fe_m_current_level", "0"}));

TEST(Eraser2Params, MissingOrBadValuesKeepPlayableDefaultsAndSixCaptionsNameTheTables)
{
    CEraser2Params params;
    CConfigFile store;
    store.SetValue("m_group_size", "0 1");
    store.SetValue("m_colors_field", "9");
    params.ReadParams(store);
    EXPECT_EQ(2, params.GetGroupSize(0));
    EXPECT_EQ(2, params.GetGroupSize(1));
    EXPECT_EQ(3, params.GetColorCount(0));
    EXPECT_EQ(4, params.GetColorCount(1));
    EXPECT_GT(params.GetFallSpeed(), 0.0f);
    EXPECT_GT(params.GetSquareWidth(), 0.0f);
    CScoreCaptionList list;
    params.GetScoreCaption(list);
    ASSERT_EQ(6u, list.size());
    EXPECT_EQ("3 colors - Small Field", list[0].first);
    EXPECT_EQ("4 colors - Large Field", list[5].first);
    EXPECT_EQ(params.GetScoreTable(params.GetTableIndex(1, 0)), list[3].second);
}
