#include <gtest/gtest.h>

#include <algorithm>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverPlayer.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
const std::vector<std::string> ONE_ROW = {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"};

CConfigFile Saved(CMoverGame& game)
{
    CConfigFile store;
    game.Save(store);
    return store;
}

// The row of ONE_ROW completed on the given move since the last line.
void CompleteRowOnMove(SMoverGame& g, int move)
{
    SetBoard(g.game.GetField(), ONE_ROW);
    g.game.GetField().SetMovesUsed(move - 1);
    ClickCell(g.game, 5, 1);
    for (int i = 0; i < 100 && g.game.GetField().GetStatus() == CMoverField::STATUS_SLIDING; ++i)
        g.game.Update(16.0f);
}
}

TEST(MoverGame, AMoveWorthNScoresTwoFourSixUpToTwiceN)
{
    // A row on the third move on easy is worth 1 + 13; on the 16th and 17th, 1.
    const struct { int move, points; } cases[] = {{3, 14 * 15}, {16, 1 * 2}, {17, 1 * 2}};
    for (const auto& c : cases)
    {
        SMoverGame g;
        CompleteRowOnMove(g, c.move);
        EXPECT_EQ(c.points, g.game.GetScore()) << "move " << c.move;
        EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, g.events.m_sounds);
    }
}

TEST(MoverGame, EndsWhenTheBoardCanNoLongerFillALine)
{
    SMoverGame g;
    SetBoard(g.game.GetField(), {"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."});
    ClickCell(g.game, 5, 4);
    for (int i = 0; i < 20000 && !g.game.IsGameOver(); ++i)
        g.game.Update(16.0f);
    EXPECT_TRUE(g.game.IsGameOver());
    EXPECT_EQ(1, std::count(g.events.m_sounds.begin(), g.events.m_sounds.end(), CMoverGame::SOUND_LEVEL));
}

TEST(MoverGame, HeldButtonMovesAtMostEvery300MsAndNeverDuringAMove)
{
    SMoverGame g;
    CMoverField& field = g.game.GetField();
    CMoverPlayer player(field, &g.events);
    // The empty cell only starts the cool-down; a held button waits it out.
    player.Update(16.0f, field.GetCellPosition(5, 5), true);
    EXPECT_FLOAT_EQ(CMoverPlayer::COOL_DOWN_MS - 16.0f, player.GetCoolDown());
    for (int i = 0; i < 18; ++i)
        player.Update(16.0f, field.GetCellPosition(4, 5), true);
    EXPECT_TRUE(g.events.m_sounds.empty());
    player.Update(16.0f, field.GetCellPosition(4, 5), true);
    EXPECT_EQ(CMoverPlayer::STATE_MOVING, player.GetState());
    EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, g.events.m_sounds);
    float coolDown = player.GetCoolDown();
    player.Update(0.0f, field.GetCellPosition(3, 5), true);
    EXPECT_EQ(coolDown, player.GetCoolDown());
    RunUntilIdle(field);
    player.Update(0.0f, field.GetCellPosition(3, 5), false);
    EXPECT_EQ(CMoverPlayer::STATE_PICKING, player.GetState());
}

TEST(MoverGame, SaveAndLoadKeepBoardScoreAndMoves)
{
    SMoverGame a(8);
    ClickCell(a.game, 5, 4);
    RunToRest(a.game);
    CConfigFile store = Saved(a.game);
    EXPECT_EQ("-1", store.GetValue("f_color5-4", "?"));
    SMoverGame b(9, false);
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(GetBoard(a.game.GetField()), GetBoard(b.game.GetField()));
    EXPECT_EQ(Saved(a.game).GetPairs(), Saved(b.game).GetPairs());
}

TEST(MoverGame, SaveDuringSlideKeepsTheBrickAndItsLine)
{
    SMoverGame a;
    SetBoard(a.game.GetField(), ONE_ROW);
    a.game.GetField().SetMovesUsed(2);
    a.game.GetField().MoveBrick(5, 1);
    a.game.GetField().Update();
    ASSERT_EQ(CMoverField::STATUS_SLIDING, a.game.GetField().GetStatus());
    CConfigFile store = Saved(a.game);
    EXPECT_EQ("0", store.GetValue("f_color5-0", "?"));
    EXPECT_EQ("-1", store.GetValue("f_color5-1", "?"));
    SMoverGame b(1, false);
    ASSERT_TRUE(b.game.Load(store));
    // Landing after the load scores the row as the slide would have.
    EXPECT_EQ(14 * 15, RunToRest(b.game));
}

TEST(MoverGame, SaveDuringRemovalDoesNotScoreTheLineAgain)
{
    SMoverGame a;
    CompleteRowOnMove(a, 3);
    ASSERT_EQ(CMoverField::STATUS_REMOVING, a.game.GetField().GetStatus());
    SMoverGame b(1, false);
    ASSERT_TRUE(b.game.Load(Saved(a.game)));
    EXPECT_EQ(0, RunToRest(b.game));
    // The next slide finds the row gone, not complete a second time.
    ClickCell(b.game, 5, 2);
    EXPECT_EQ(0, RunToRest(b.game));
    EXPECT_EQ(14 * 15, b.game.GetScore());
}

TEST(MoverGame, DamagedSavesAreRefusedAndChangeNothing)
{
    const struct { const char* key; const char* value; } cases[] = {
        {"f_m_width_bricks", "16"},  {"f_m_width_bricks", "0"}, {"f_m_height_bricks", "7"}, {"f_m_colors", "3"},
        {"f_color0-0", "9"},         {"f_color0-0", "5"},       {"f_color0-0", "x"},        {"f_color5-5", "2"},
        {"f_color0-0", "-1"},        {"f_m_turns_count", "-4"}, {"f_m_alpha", "nan"},       {"f_m_status", "7"},
        {"f_m_status", "2"},         {"gf_m_score", "-1"},      {"gf_m_current_level", "0"}, {"f_m_is_finish", "2"},
        {"f_color3-2", nullptr},
    };
    SMoverGame good(4, false);
    const CConfigFile valid = Saved(good.game);
    for (const auto& c : cases)
    {
        CConfigFile store;
        for (const auto& pair : valid.GetPairs())
            if (pair.first != c.key || c.value)
                store.SetValue(pair.first, pair.first == c.key ? c.value : pair.second);
        // A slide whose target is not next to the empty cell.
        store.SetValue("f_m_target", "1");
        SMoverGame g(9, false);
        std::vector<std::string> before = GetBoard(g.game.GetField());
        EXPECT_FALSE(g.game.Load(store)) << c.key << " " << (c.value ? c.value : "missing");
        EXPECT_EQ(before, GetBoard(g.game.GetField()));
    }
}

TEST(MoverBrick, FadesInTwentyFiveStepsAndGrowsInFifty)
{
    CMoverBrick brick(nullptr);
    int steps = 1;
    while (!brick.Vanish(nullptr))
        ++steps;
    EXPECT_EQ(CMoverBrick::FADE_STEPS, steps);
    brick.SetGrowScale(0.0f);
    for (steps = 0; brick.Grow(); ++steps)
    {
    }
    EXPECT_EQ(50, steps);
}
