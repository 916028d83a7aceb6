#include <gtest/gtest.h>

#include "games/mover/CMoverGameScreen.h"
#include "games/mover/CMoverPlayer.h"
#include "tests/files/CTempDir.h"
#include "tests/mover/MoverTestKit.h"
#include "tests/gamebase/TestParams.h"

namespace
{
// The row of ONE_ROW completed on the given move since the last line, the
// game run until the field reaches the status.
void CompleteRowOnMove(SMover& g, int move, int status = CMoverField::STATUS_REMOVING)
{
    g.SetBoard(ONE_ROW);
    g.Field().SetMovesUsed(move - 1);
    g.Click(5, 1);
    for (int i = 0; i < 5000 && g.Field().GetStatus() != status; ++i)
        g.game.Update(16.0f);
}
}

TEST(MoverGame, AMoveWorthNScoresTwoFourSixUpToTwiceN)
{
    // A row on the third move on easy is worth 1 + 13; on the 16th and 17th, 1.
    const struct { int move, points; } cases[] = {{3, 14 * 15}, {16, 1 * 2}, {17, 1 * 2}};
    for (const auto& c : cases)
    {
        SMover g;
        CompleteRowOnMove(g, c.move);
        EXPECT_EQ(c.points, g.game.GetScore()) << "move " << c.move;
        EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, g.events.m_sounds);
    }
}

TEST(MoverGame, EndsWhenTheBoardCanNoLongerFillALine)
{
    SMover g;
    g.SetBoard({"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."});
    g.Click(5, 4);
    for (int i = 0; i < 20000 && !g.game.IsGameOver(); ++i)
        g.game.Update(16.0f);
    EXPECT_TRUE(g.game.IsGameOver());
    EXPECT_EQ(1, g.events.CountSound(CMoverGame::SOUND_LEVEL));
}

TEST(MoverGame, HeldButtonMovesAtMostEvery300MsAndNeverDuringAMove)
{
    SMover g;
    CMoverPlayer player(g.Field(), &g.events);
    // The empty cell only starts the cool-down; a held button waits it out.
    player.Update(16.0f, g.Field().GetCellPosition(5, 5), true);
    for (int i = 0; i < 18; ++i)
        player.Update(16.0f, g.Field().GetCellPosition(4, 5), true);
    EXPECT_TRUE(g.events.m_sounds.empty());
    player.Update(16.0f, g.Field().GetCellPosition(4, 5), true);
    EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, g.events.m_sounds);
    float coolDown = player.GetCoolDown();
    player.Update(0.0f, g.Field().GetCellPosition(3, 5), true);
    EXPECT_EQ(coolDown, player.GetCoolDown());
    g.RunFieldIdle();
    player.Update(0.0f, g.Field().GetCellPosition(3, 5), false);
    EXPECT_EQ(CMoverPlayer::STATE_PICKING, player.GetState());
}

TEST(MoverGame, SavedAtRestOrMidMoveTheGameGoesOnAsIfNeverLeft)
{
    // At rest the save comes back key for key; a slide saved half-way scores
    // its row on landing, a removal saved half-way does not score it again.
    for (int status : {CMoverField::STATUS_IDLE, CMoverField::STATUS_SLIDING, CMoverField::STATUS_REMOVING})
    {
        SMover a;
        CompleteRowOnMove(a, 3, status);
        ASSERT_EQ(status, a.Field().GetStatus());
        SMover b(9, false);
        ASSERT_TRUE(b.game.Load(a.Saved()));
        if (status == CMoverField::STATUS_IDLE)
        {
            EXPECT_EQ(a.Saved().GetPairs(), b.Saved().GetPairs());
        }
        b.RunToRest();
        EXPECT_EQ(14 * 15, b.game.GetScore()) << "status " << status;
        // The row is gone, not complete for the next slide to find again.
        EXPECT_NE("RRRRRR", b.GetBoard()[0]);
    }
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
    const CConfigFile valid = SMover(4, false).Saved();
    for (const auto& c : cases)
    {
        CConfigFile store;
        for (const auto& pair : valid.GetPairs())
            if (pair.first != c.key || c.value)
                store.SetValue(pair.first, pair.first == c.key ? c.value : pair.second);
        // A slide whose target is not next to the empty cell.
        store.SetValue("f_m_target", "1");
        SMover g(9, false);
        Board before = g.GetBoard();
        EXPECT_FALSE(g.game.Load(store)) << c.key << " " << (c.value ? c.value : "missing");
        EXPECT_EQ(before, g.GetBoard());
    }
}

TEST(MoverParams, ASenselessWidthTakesTheDefaultAndTablesGoToTheMoverFiles)
{
    for (const char* width : {"", "0", "-5", "nan"})
    {
        auto params = ReadTestParams<CMoverParams>({{"m_field_width", width}, {"m_score_level", "10 20 30 40"}});
        EXPECT_EQ(CMoverParams::DEFAULT_FIELD_WIDTH, params->GetFieldWidth());
        EXPECT_EQ(40, params->GetLevelScore(1, 0));
        EXPECT_EQ(0, params->GetLevelScore(2, 2));
    }
    CTempDir dir;
    CMoverParams params;
    params.SetDataRoot(dir.GetPath());
    params.SetLastSize(2);
    params.SaveSettings();
    EXPECT_TRUE(CTempDir::Exists(dir.File("data/scores220.tab")));
}

TEST(MoverGame, ContinuedGameKeepsTheLimitAndTableOfItsSavedBoardWhateverTheSettings)
{
    // The saved game's size and difficulty against those the settings hold
    // when it is continued.
    const struct { int size, difficulty, settingsSize, settingsDifficulty; } cases[] = {
        {2, 2, 0, 0}, {0, 0, 2, 2}, {1, 2, 2, 1}, {0, 1, 0, 1}};
    for (const auto& c : cases)
    {
        auto dealt = ReadTestParams<CMoverParams>({{"m_field_width", "600"}}, c.size, c.difficulty);
        CMoverGameScreen left(nullptr, *dealt, nullptr, 3);
        left.GetGame().GetField().SetMovesUsed(3);
        CConfigFile store;
        left.Save(store);

        auto settings = ReadTestParams<CMoverParams>({{"m_field_width", "600"}}, c.settingsSize, c.settingsDifficulty);
        CMoverGameScreen continued(nullptr, *settings, nullptr, 4);
        ASSERT_TRUE(continued.Load(store));
        EXPECT_EQ(c.size, continued.GetGameSize()) << "saved size " << c.size;
        EXPECT_EQ(c.difficulty, continued.GetGameDifficulty()) << "saved difficulty " << c.difficulty;
        // 16, 14 or 12 moves from easy to hard, three of them made.
        EXPECT_EQ(16 - 2 * c.difficulty - 3, continued.GetGame().GetField().GetBonusMoves());
    }
}

TEST(MoverGame, CountsAtTheTopOfTheirRangeStayThereAndTheNextSaveIsTaken)
{
    // On ONE_ROW the slide from (5, 1) completes the row, the one from
    // (4, 0) only moves a brick: after a saved score near the top, and after
    // a saved count of moves at the top.
    const struct { const char* key; const char* value; int x, y; } cases[] = {
        {"gf_m_score", "2147483600", 5, 1}, {"f_m_turns_count", "1000000", 4, 0}};
    for (const auto& c : cases)
    {
        SMover g;
        g.SetBoard(ONE_ROW);
        CConfigFile store = g.Saved();
        store.SetValue(c.key, c.value);
        ASSERT_TRUE(g.game.Load(store)) << c.key;
        g.Click(c.x, c.y);
        g.RunToRest();
        EXPECT_NE(ONE_ROW, g.GetBoard()) << "the slide was made";
        EXPECT_EQ(c.x == 5 ? 2147483647 : 0, g.game.GetScore()) << c.key;
        EXPECT_EQ(c.x == 5 ? 0 : CMoverField::MAX_MOVES, g.Field().GetMovesUsed()) << c.key;
        SMover again(9, false);
        EXPECT_TRUE(again.game.Load(g.Saved())) << c.key;
    }
}
