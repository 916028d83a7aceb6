#include <gtest/gtest.h>

#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerPlayer.h"
#include "tests/designer/DesignerTestKit.h"

namespace
{
class DesignerPlay : public ::testing::Test
{
protected:
    // Every test starts on a 6 x 6 level cut into nine figures of four
    // cells, worth 450 points, and knows where each figure goes.
    void SetUp() override
    {
        for (seed = 1; seed < 500; ++seed)
        {
            game = std::make_unique<CDesignerGame>(nullptr, *params, &events, seed);
            if (game->GetPlayer().GetTrayCount() == 9)
                break;
        }
        ASSERT_EQ(9, game->GetPlayer().GetTrayCount());
        driver = std::make_unique<CDesignerDriver>(*game);
        moves = SolveLevel(*params, seed);
    }
    CDesignerField& Field() { return game->GetField(); }
    CDesignerPlayer& Player() { return game->GetPlayer(); }
    float Cell() { return Field().GetBrickSize(); }

    std::unique_ptr<CDesignerParams> params = MakeParams(0);
    CRecordingEvents events;
    unsigned seed = 0;
    std::unique_ptr<CDesignerGame> game;
    std::unique_ptr<CDesignerDriver> driver;
    std::vector<SDesignerMove> moves;
};
}

TEST_F(DesignerPlay, LaidBackPictureEndsTheLevelAndItsScoreCountsAtTheNext)
{
    EXPECT_EQ(450, game->GetLevelScore());
    EXPECT_EQ(10, game->GetPenalty());
    for (const SDesignerMove& move : moves)
        driver->Lay(0, move.turns, move.x, move.y);
    EXPECT_EQ(std::vector<std::string>(6, "111111"), Field().GetPicture());
    driver->Frames(2);
    EXPECT_TRUE(game->IsLevelEnding());
    EXPECT_EQ(1, events.CountSound(CDesignerGame::SOUND_LEVEL_DONE));
    EXPECT_EQ(0, game->GetTotal());
    for (int i = 0; i < 5000 && game->GetLevel() == 1; ++i)
        driver->Frames(1);
    EXPECT_EQ(2, game->GetLevel());
    EXPECT_EQ(450, game->GetTotal());
    EXPECT_EQ(20, game->GetPenalty());
    EXPECT_FALSE(game->IsGameOver());
}

TEST_F(DesignerPlay, LiftingALaidFigureCostsThePenaltyOnce)
{
    const SDesignerMove& move = moves[0];
    driver->Lay(0, move.turns, move.x, move.y);
    ASSERT_EQ(1u, Field().GetFigures().size());
    EXPECT_EQ(1, events.CountSound(CDesignerPlayer::SOUND_LANDED));
    driver->MoveTo(Field().GetCellCentre(move.x, move.y));
    driver->Click();
    driver->Settle();
    EXPECT_EQ(1, events.CountSound(CDesignerPlayer::SOUND_LIFT));
    EXPECT_TRUE(Field().GetFigures().empty());
    EXPECT_EQ(440, game->GetLevelScore());
    driver->MoveTo(driver->PointForCell(move.x, move.y));
    driver->Click();
    driver->Settle();
    EXPECT_EQ(1u, Field().GetFigures().size());
    EXPECT_EQ(440, game->GetLevelScore());
}

TEST_F(DesignerPlay, FigureLessThanACellOffTheLeftEdgeStaysInHand)
{
    driver->PickFromTray(0);
    // Its first cell a quarter cell left of the board: column -1, not 0.
    driver->MoveTo(driver->PointForCell(0, 2, -0.75f * Cell()));
    driver->Click();
    driver->Settle();
    EXPECT_NE(nullptr, Player().GetSelected());
    EXPECT_TRUE(Field().GetFigures().empty());
    EXPECT_EQ(std::vector<std::string>(6, "000000"), Field().GetPicture());
}

TEST_F(DesignerPlay, FigureOverlappingALaidOneStaysInHand)
{
    driver->Lay(0, moves[0].turns, moves[0].x, moves[0].y);
    std::vector<std::string> before = Field().GetPicture();
    driver->PickFromTray(0);
    driver->MoveTo(driver->PointForCell(moves[0].x, moves[0].y));
    driver->Click();
    driver->Settle();
    EXPECT_NE(nullptr, Player().GetSelected());
    EXPECT_EQ(before, Field().GetPicture());
}

TEST_F(DesignerPlay, HeldButtonTakesOneClickOnly)
{
    driver->MoveTo(Player().GetTray().GetFigure(0)->GetPosition());
    driver->Press();
    driver->Frames(120);
    EXPECT_NE(nullptr, Player().GetSelected());
    EXPECT_EQ(8, Player().GetTrayCount());
    EXPECT_EQ(0, events.CountSound(CDesignerPlayer::SOUND_RETURN));
    driver->Release();
    driver->Settle();
    EXPECT_NE(nullptr, Player().GetSelected());
}

TEST_F(DesignerPlay, ClickFarOffTheBoardSendsTheFigureBackToTheTray)
{
    driver->PickFromTray(0);
    EXPECT_EQ(8, Player().GetTrayCount());
    // Within a cell of the board nothing happens; farther out it flies back.
    driver->MoveTo(CVector4(-270.0f - 0.5f * Cell(), 0.0f, 0.0f));
    driver->Click();
    driver->Settle();
    EXPECT_EQ(8, Player().GetTrayCount());
    driver->MoveTo(CVector4(-270.0f - 1.5f * Cell(), 0.0f, 0.0f));
    driver->Click();
    driver->Settle();
    EXPECT_EQ(1, events.CountSound(CDesignerPlayer::SOUND_RETURN));
    EXPECT_EQ(nullptr, Player().GetSelected());
    EXPECT_EQ(9, Player().GetTrayCount());
}

TEST_F(DesignerPlay, RightClickTurnsTheFigureWhenItsTurnEnds)
{
    driver->PickFromTray(0);
    CDesignerFigure* figure = Player().GetSelected();
    std::string basic = figure->GetPicture();
    driver->Click(true);
    EXPECT_EQ(CDesignerPlayer::STATE_TURNING, Player().GetState());
    EXPECT_EQ(basic, figure->GetPicture());
    driver->Settle();
    EXPECT_EQ(1, figure->GetAngle());
    for (int i = 0; i < 3; ++i)
    {
        driver->Click(true);
        driver->Settle();
    }
    EXPECT_EQ(basic, figure->GetPicture());
}
