#include <gtest/gtest.h>

#include <cstdint>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverGame.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
struct SGameFixture
{
    explicit SGameFixture(std::uint32_t seed = 1) : params(MakeMoverParams(0, 0)), game(nullptr, *params, &events, seed) {}
    CMoverEvents events;
    std::unique_ptr<CMoverParams> params;
    CMoverGame game;
};

const std::vector<std::string> ONE_ROW_TO_GO = {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"};

CConfigFile Saved(CMoverGame& game)
{
    CConfigFile store;
    game.Save(store);
    return store;
}

// Runs the game until its field is idle again; returns the points added.
int RunToRest(CMoverGame& game)
{
    int before = game.GetScore();
    for (int i = 0; i < 5000 && (game.GetField().GetStatus() != CMoverField::STATUS_IDLE || game.IsEffectRunning());
         ++i)
        game.Update(16.0f);
    return game.GetScore() - before;
}
}

TEST(MoverSave, RoundTripKeepsBoardScoreAndMoves)
{
    SGameFixture a(8);
    RunToRest(a.game);
    a.game.SetPointer(CellPoint(a.game.GetField(), 5, 4), true);
    a.game.Update(16.0f);
    RunToRest(a.game);
    CConfigFile store = Saved(a.game);
    EXPECT_EQ("-1", store.GetValue("f_color5-4", "?"));

    SGameFixture b;
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(GetBoard(a.game.GetField()), GetBoard(b.game.GetField()));
    EXPECT_EQ(1, b.game.GetField().GetMovesUsed());
    EXPECT_EQ(Saved(a.game).GetPairs(), Saved(b.game).GetPairs());
}

TEST(MoverSave, SaveDuringSlideKeepsTheBrickAndItsLine)
{
    SGameFixture a;
    RunToRest(a.game);
    SetBoard(a.game.GetField(), ONE_ROW_TO_GO);
    a.game.GetField().SetMovesUsed(2);
    a.game.GetField().MoveBrick(5, 1);
    a.game.GetField().Update();
    ASSERT_EQ(CMoverField::STATUS_SLIDING, a.game.GetField().GetStatus());
    CConfigFile store = Saved(a.game);
    EXPECT_EQ("0", store.GetValue("f_color5-0", "?"));
    EXPECT_EQ("-1", store.GetValue("f_color5-1", "?"));

    SGameFixture b;
    ASSERT_TRUE(b.game.Load(store));
    // Landing after the load scores the row as the slide would have: 14 * 15.
    EXPECT_EQ(210, RunToRest(b.game));
    EXPECT_EQ(0, b.game.GetField().GetMovesUsed());
}

TEST(MoverSave, SaveDuringRemovalDoesNotScoreTheLineAgain)
{
    SGameFixture a;
    RunToRest(a.game);
    SetBoard(a.game.GetField(), ONE_ROW_TO_GO);
    a.game.GetField().SetMovesUsed(2);
    a.game.SetPointer(CellPoint(a.game.GetField(), 5, 1), true);
    for (int i = 0; i < 100 && a.game.GetField().GetStatus() != CMoverField::STATUS_REMOVING; ++i)
        a.game.Update(16.0f);
    ASSERT_EQ(210, a.game.GetScore());
    CConfigFile store = Saved(a.game);

    SGameFixture b;
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(CMoverField::STATUS_REMOVING, b.game.GetField().GetStatus());
    b.game.SetPointer(CVector4(1.0e4f, 0.0f, 0.0f), false);
    EXPECT_EQ(0, RunToRest(b.game));
    EXPECT_EQ(210, b.game.GetScore());
    // The next slide finds the row gone, not complete a second time.
    b.game.SetPointer(CellPoint(b.game.GetField(), 5, 2), true);
    b.game.Update(16.0f);
    b.game.SetPointer(CellPoint(b.game.GetField(), 5, 2), false);
    RunToRest(b.game);
    EXPECT_EQ(1, b.game.GetField().GetMovesUsed());
    EXPECT_EQ(210, b.game.GetScore());
}

TEST(MoverSave, DamagedSavesAreRefusedAndChangeNothing)
{
    struct SCase
    {
        const char* key;
        const char* value;
    };
    const SCase cases[] = {
        {"f_m_width_bricks", "16"},  {"f_m_width_bricks", "0"},  {"f_m_height_bricks", "7"},
        {"f_m_colors", "3"},         {"f_m_colors", "9"},        {"f_color0-0", "9"},
        {"f_color0-0", "5"},         {"f_color0-0", "x"},        {"f_color5-5", "2"},
        {"f_color0-0", "-1"},        {"f_m_turns_count", "-4"},  {"f_m_alpha", "nan"},
        {"f_m_status", "7"},         {"f_m_status", "2"},        {"gf_m_score", "-1"},
        {"gf_m_current_level", "0"}, {"f_m_is_finish", "2"},     {"f_color3-2", nullptr},
    };
    SGameFixture good(4);
    CConfigFile valid = Saved(good.game);
    for (const SCase& c : cases)
    {
        CConfigFile store;
        for (const auto& pair : valid.GetPairs())
            if (pair.first != c.key || c.value)
                store.SetValue(pair.first, pair.first == c.key ? c.value : pair.second);
        if (std::string(c.key) == "f_m_status")
            store.SetValue("f_m_target", "1");
        SGameFixture g(9);
        std::vector<std::string> before = GetBoard(g.game.GetField());
        EXPECT_FALSE(g.game.Load(store)) << c.key << " " << (c.value ? c.value : "missing");
        EXPECT_EQ(before, GetBoard(g.game.GetField()));
    }
}
