#include <gtest/gtest.h>

#include <algorithm>

#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverGame.h"
#include "games/mover/CMoverPlayer.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
struct SGameFixture
{
    SGameFixture() : params(MakeMoverParams(0, 0)), game(nullptr, *params, &events, 1)
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }
    CMoverEvents events;
    std::unique_ptr<CMoverParams> params;
    CMoverGame game;
};

}

TEST(MoverGame, LinesAddTwoFourSixAndSoOnUpToTwiceTheLineScore)
{
    struct SCase
    {
        int movesBefore;
        int points;
    };
    // A row on the third move on easy is a line score of 14; on the 16th, 1.
    const SCase cases[] = {{2, 14 * 15}, {15, 1 * 2}, {16, 1 * 2}};
    for (const SCase& c : cases)
    {
        SGameFixture f;
        SetBoard(f.game.GetField(), {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"});
        f.game.GetField().SetMovesUsed(c.movesBefore);
        f.game.SetPointer(CellPoint(f.game.GetField(), 5, 1), true);
        for (int i = 0; i < 100 && f.game.GetField().GetStatus() != CMoverField::STATUS_REMOVING; ++i)
            f.game.Update(16.0f);
        EXPECT_EQ(c.points, f.game.GetScore()) << "after " << c.movesBefore << " moves";
        EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, f.events.m_sounds);
    }
}

TEST(MoverGame, EndsWhenTheBoardCanNoLongerFillALine)
{
    SGameFixture f;
    // Short of a line in every colour of a line in every colour: the next landing ends it.
    SetBoard(f.game.GetField(), {"RRRRRG", "GGGGBB", "BBBYYY", "YYXXXX", "XXXXXX", "XXXXX."});
    f.game.SetPointer(CellPoint(f.game.GetField(), 5, 4), true);
    for (int i = 0; i < 20000 && !f.game.IsGameOver(); ++i)
        f.game.Update(16.0f);
    EXPECT_TRUE(f.game.IsGameOver());
    EXPECT_TRUE(f.game.GetField().GetFinished());
    EXPECT_EQ(1, std::count(f.events.m_sounds.begin(), f.events.m_sounds.end(), CMoverGame::SOUND_LEVEL));
    EXPECT_EQ(1, f.game.GetLevel());
}

TEST(MoverPlayer, HeldButtonMovesAtMostEvery300Ms)
{
    SGameFixture f;
    CMoverField& field = f.game.GetField();
    SetBoard(field, {"RGBYGB", "GBYGBY", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBY."});
    CMoverPlayer player(field, &f.events);
    struct SStep
    {
        int x, y;
        bool button;
        float coolDownAfter;
        int state;
    };
    // Click the hole: only the cool-down starts. Then a brick by the hole,
    // held: the move waits for the cool-down, then starts once.
    const SStep steps[] = {
        {5, 5, true, 284.0f, CMoverPlayer::STATE_PICKING}, {4, 5, true, 268.0f, CMoverPlayer::STATE_PICKING},
        {4, 5, false, 252.0f, CMoverPlayer::STATE_PICKING},
    };
    for (const SStep& s : steps)
    {
        player.Update(16.0f, CellPoint(field, s.x, s.y), s.button);
        EXPECT_FLOAT_EQ(s.coolDownAfter, player.GetCoolDown());
        EXPECT_EQ(s.state, player.GetState());
    }
    EXPECT_TRUE(f.events.m_sounds.empty());
    for (int i = 0; i < 16; ++i)
        player.Update(16.0f, CellPoint(field, 4, 5), false);
    EXPECT_EQ(0.0f, player.GetCoolDown());
    player.Update(16.0f, CellPoint(field, 4, 5), true);
    EXPECT_EQ(CMoverPlayer::STATE_MOVING, player.GetState());
    EXPECT_EQ(CMoverField::STATUS_SLIDING, field.GetStatus());
    EXPECT_EQ(std::vector<int>{CMoverPlayer::SOUND_MOVE}, f.events.m_sounds);
    // While the brick slides, clicks are ignored and start no cool-down.
    float coolDown = player.GetCoolDown();
    player.Update(0.0f, CellPoint(field, 3, 5), true);
    EXPECT_EQ(coolDown, player.GetCoolDown());
    RunUntilIdle(field);
    player.Update(0.0f, CellPoint(field, 3, 5), false);
    EXPECT_EQ(CMoverPlayer::STATE_PICKING, player.GetState());
}

TEST(MoverBrick, FadesInTwentyFiveStepsAndGrowsInFifty)
{
    CMoverBrick brick(nullptr);
    int steps = 1;
    while (!brick.Vanish(nullptr))
        ++steps;
    EXPECT_EQ(CMoverBrick::FADE_STEPS, steps);
    brick.SetGrowScale(0.0f);
    steps = 0;
    while (brick.Grow())
        ++steps;
    EXPECT_EQ(50, steps);
    EXPECT_EQ(1.0f, brick.GetGrowScale());
}

