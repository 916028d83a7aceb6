#include <gtest/gtest.h>

#include <functional>

#include "engine/files/CConfigFile.h"
#include "games/eraser2/CEraser2Game.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"
#include "tests/gamebase/TestParams.h"

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
    CConfigFile Saved()
    {
        CConfigFile store;
        game.Save(store);
        return store;
    }
    std::unique_ptr<CEraser2Params> params;
    CRecordingEvents events;
    CEraser2Game game;
};

// A player who holds the button over random cells until the game ends;
// returns the frames it took, or -1 when the field stayed busy too long.
// Whenever the field is moving with groups left and full feeders, midMove runs.
int PlayOut(SGame& g, std::uint32_t seed, const std::function<void()>& midMove = {})
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
        if (midMove && field.GetState() == CEraser2Field::STATE_MOVING && field.GetBoard().HasMoves() &&
            !field.FeederNeedsFill())
            midMove();
    }
    return -1;
}
}

TEST(Eraser2Play, RandomGamesAlwaysComeBackToRestAndEnd)
{
    for (int seed = 1; seed <= 6; ++seed)
        for (int option = 0; option < 2; ++option)
        {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", option " << option);
            SGame g(seed % 3, option, static_cast<std::uint32_t>(seed));
            ASSERT_GT(PlayOut(g, static_cast<std::uint32_t>(seed * 31 + option)), 0);
            EXPECT_EQ(0, g.Field().CountBricks());
            EXPECT_EQ(0, g.game.GetScore() % g.params->GetScoreBrick());
        }
}

// The bonus for an emptied board goes through the same brick score as a group.
TEST(Eraser2Game, AnEmptyBoardWithFullFeedersEndsWithTheBonusShownAsTheScoreItAdds)
{
    SGame g;
    SetBoard(g.Field(), {});
    SetFeeder(g.Field(), 0, "RGBRGBRG");
    SetFeeder(g.Field(), 1, "GBRGBRGB");
    g.game.Update(16.0f);
    EXPECT_EQ(CEraser2Field::STATE_SWEEP, g.Field().GetState());
    EXPECT_EQ(1000, g.game.GetScore());
    ASSERT_EQ(1, g.Field().GetPopups().GetCount());
    EXPECT_EQ("1000", g.Field().GetPopups().GetText(0));
    g.game.Update(16.0f);
    EXPECT_TRUE(g.Field().IsFinished());
}

TEST(Eraser2Save, ARoundTripMidMoveKeepsBoardFeedersAndScore)
{
    SGame a(1, 1, 5);
    int saves = 0;
    PlayOut(a, 9, [&] {
        if (++saves > 5)
            return;
        CConfigFile first = a.Saved();
        SGame b(0, 0, 99);
        ASSERT_TRUE(b.game.Load(first));
        EXPECT_FALSE(b.game.IsEffectRunning());
        EXPECT_EQ(a.game.GetScore(), b.game.GetScore());
        EXPECT_EQ(GetBoard(a.Field()), GetBoard(b.Field()));
        EXPECT_EQ(GetFeeder(a.Field(), 0), GetFeeder(b.Field(), 0));
        EXPECT_EQ(GetFeeder(a.Field(), 1), GetFeeder(b.Field(), 1));
        EXPECT_EQ(first.ToText(), b.Saved().ToText());
    });
    EXPECT_GT(saves, 5);
}

TEST(Eraser2Save, DamagedSavesAreRefusedAndChangeNothing)
{
    // Inside the grid but no board of the kind (width 9 or 0), and a gap in
    // a feeder's run of bricks (right 0), among plain bad values.
    const struct
    {
        const char* key;
        const char* value;
    } faults[] = {
        {"f_m_width_bricks", "26"}, {"f_m_height_bricks", "16"}, {"f_m_width_bricks", "9"},
        {"f_m_width_bricks", "0"},  {"f_m_colors", "0"},         {"f_m_colors", "7"},
        {"f_color3-4", "3"},        {"f_color0-0", "x"},         {"m_bricks_left7", "9"},
        {"m_bricks_right0", "1"},   {"gf_m_score", "-5"},        {"gf_m_alpha", "nan"},
        {"fe_m_current_level", "0"},
    };
    SGame a;
    for (const auto& fault : faults)
    {
        CConfigFile store = a.Saved();
        store.SetValue(fault.key, fault.value);
        SGame b;
        std::vector<std::string> before = GetBoard(b.Field());
        EXPECT_FALSE(b.game.Load(store)) << fault.key << " = " << fault.value;
        EXPECT_EQ(before, GetBoard(b.Field())) << fault.key;
    }
}

TEST(Eraser2Params, MissingOrBadValuesKeepPlayableDefaultsAndSixCaptionsNameTheTables)
{
    auto params = ReadTestParams<CEraser2Params>({{"m_group_size", "0 1"}, {"m_colors_field", "9"}});
    EXPECT_EQ((std::vector<int>{2, 2, 3, 4}), (std::vector<int>{params->GetGroupSize(0), params->GetGroupSize(1),
                                                                params->GetColorCount(0), params->GetColorCount(1)}));
    EXPECT_GT(params->GetFallSpeed(), 0.0f);
    EXPECT_GT(params->GetSquareWidth(), 0.0f);
    CScoreCaptionList list;
    params->GetScoreCaption(list);
    ASSERT_EQ(6u, list.size());
    EXPECT_EQ("3 colors - Small Field", list[0].first);
    EXPECT_EQ("4 colors - Large Field", list[5].first);
    EXPECT_EQ(params->GetScoreTable(params->GetTableIndex(1, 0)), list[3].second);
}

// The board only slides or drops in at the start, and whatever way it came,
// every brick ends on its cell at the cell's size, on the wide boards too.
TEST(Eraser2Start, EveryStartOfAGameEndsWithEveryBrickAtItsCellsSize)
{
    for (int option = 0; option < 2; ++option)
        for (int size = 0; size < 3; ++size)
            for (std::uint32_t seed = 1; seed <= 12; ++seed)
            {
                SCOPED_TRACE(testing::Message() << "option " << option << ", size " << size << ", seed " << seed);
                auto params = MakeParams(size, option);
                CRecordingEvents events;
                CEraser2Game game(nullptr, *params, &events, seed);
                const CEraser2Field& field = game.GetField();
                const float cell = field.GetBoard().GetCellSize();
                bool grown = false;
                for (int y = 0; y < field.GetHeight(); ++y)
                    for (int x = 0; x < field.GetWidth(); ++x)
                        grown = grown || field.GetEraser2Brick(x, y)->GetScale() == 0.0f;
                EXPECT_FALSE(grown) << "bricks growing into place";
                for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
                    game.Update(16.0f);
                ASSERT_FALSE(game.IsEffectRunning());
                for (int y = 0; y < field.GetHeight(); ++y)
                    for (int x = 0; x < field.GetWidth(); ++x)
                    {
                        const CEraser2Brick* brick = field.GetEraser2Brick(x, y);
                        ASSERT_FLOAT_EQ(cell, brick->GetScale()) << x << "," << y;
                        ASSERT_FLOAT_EQ(CellPoint(field, x, y).x, brick->GetPosition().x) << x << "," << y;
                        ASSERT_FLOAT_EQ(CellPoint(field, x, y).y, brick->GetPosition().y) << x << "," << y;
                    }
            }
}

// The brick size the level effects work with is the side of one cell, so no
// effect, not even one the kind does not pick, leaves a brick off its size.
TEST(Eraser2Start, EveryLevelEffectLeavesTheBricksAtTheCellSize)
{
    for (int option = 0; option < 2; ++option)
        for (int effect = 0; effect < 3; ++effect)
        {
            SCOPED_TRACE(testing::Message() << "option " << option << ", effect " << effect);
            SGame g(2, option);
            CEraser2Field& field = g.Field();
            EXPECT_FLOAT_EQ(field.GetBoard().GetCellSize(), field.GetBrickSize());
            CLevelBricksEffect run(nullptr, &field, effect);
            for (int i = 0; i < 20000 && !run.IsDone(); ++i)
                run.Update(16.0f);
            ASSERT_TRUE(run.IsDone());
            for (int y = 0; y < field.GetHeight(); ++y)
                for (int x = 0; x < field.GetWidth(); ++x)
                    ASSERT_FLOAT_EQ(field.GetBoard().GetCellSize(), field.GetEraser2Brick(x, y)->GetScale())
                        << x << "," << y;
        }
}

// Scores near the top of int stay there instead of wrapping, and the game's
// next save of them is accepted.
TEST(Eraser2Score, AScoreAtTheTopStaysThereAndTheNextSaveIsAccepted)
{
    const int kTop = 2147483647;
    const struct
    {
        const char* what;
        int score, level;
        Board board;
        int endScore;
        const char* popup;
    } cases[] = {
        {"a pair on a score near the top", kTop - 5, 1, {"RRGB"}, kTop, nullptr},
        {"the clear bonus of a level at the top", 7, kTop, {}, kTop, "2147483647"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        SGame g;
        CConfigFile store = g.Saved();
        store.SetInt("gf_m_score", c.score);
        store.SetInt("gf_m_current_level", c.level);
        store.SetInt("fe_m_current_level", c.level);
        ASSERT_TRUE(g.game.Load(store));
        Board board(g.Field().GetHeight() - c.board.size(), "");
        board.insert(board.end(), c.board.begin(), c.board.end());
        SetBoard(g.Field(), board);
        SetFeeder(g.Field(), 0, "RGBRGBRG");
        SetFeeder(g.Field(), 1, "GBRGBRGB");
        if (!c.board.empty())
        {
            ASSERT_EQ(2, g.Field().TakeGroup(g.Field().GetEraser2Brick(0, 7)));
        }
        for (int i = 0; i < 200 && g.game.GetScore() == c.score; ++i)
            g.game.Update(16.0f);
        EXPECT_EQ(c.endScore, g.game.GetScore());
        if (c.popup)
        {
            ASSERT_EQ(1, g.Field().GetPopups().GetCount());
            EXPECT_EQ(c.popup, g.Field().GetPopups().GetText(0));
        }
        SGame next;
        EXPECT_TRUE(next.game.Load(g.Saved()));
        EXPECT_EQ(c.endScore, next.game.GetScore());
    }
}

// A board or a feeder cut short is damage: missing cells would otherwise
// come back as bricks of the first colour.
TEST(Eraser2Save, ABoardOrFeederCutShortIsRefused)
{
    const CConfigFile valid = SGame(2, 1).Saved();
    for (const char* gone : {"f_color19-12", "f_color0-0", "m_bricks_left12", "m_bricks_right0"})
    {
        CConfigFile store;
        for (const auto& pair : valid.GetPairs())
            if (pair.first != gone)
                store.SetValue(pair.first, pair.second);
        SGame b;
        std::vector<std::string> before = GetBoard(b.Field());
        EXPECT_FALSE(b.game.Load(store)) << gone;
        EXPECT_EQ(before, GetBoard(b.Field())) << gone;
    }
}

// The bricks under the cursor shrink and the taken ones swell as the game
// runs, frame by frame; drawing them only reads it (a frame may draw the
// board several times, in clipped places).
TEST(Eraser2Game, UpdatesZoomTheHoveredGroupAndSwellTheTakenOne)
{
    SGame g;
    SetBoard(g.Field(), {"", "", "", "", "", "", "RG", "RB"});
    CEraser2Brick* hovered = g.Field().GetEraser2Brick(0, 7);
    const float size = hovered->GetDrawnSize();
    g.game.SetPointer(CellPoint(g.Field(), 0, 7), false);
    for (int frame = 0; frame < 3; ++frame)
        g.game.Update(16.0f);
    EXPECT_TRUE(hovered->IsHighlighted());
    EXPECT_NEAR(size * (1.0f - 3.0f * CEraser2Brick::kZoomStep), hovered->GetDrawnSize(), 1e-3f);
    EXPECT_FLOAT_EQ(size, g.Field().GetEraser2Brick(1, 7)->GetDrawnSize()) << "not in the group";

    g.game.SetPointer(CellPoint(g.Field(), 0, 7), true);
    g.game.Update(16.0f);
    ASSERT_TRUE(hovered->IsVanishing());
    const float taken = hovered->GetDrawnSize();
    g.game.SetPointer(CellPoint(g.Field(), 0, 7), false);
    g.game.Update(16.0f);
    EXPECT_GT(hovered->GetDrawnSize(), taken);
}
