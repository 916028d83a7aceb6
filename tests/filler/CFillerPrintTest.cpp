#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "games/filler/CFillerBrick.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"
#include "tests/gamebase/FramePrintOf.h"

// A held frame is laid again only while the print repeats: whatever the
// drawing shows must change the print, and nothing else may.
namespace
{
struct SBrickChange
{
    const char* name;
    std::function<void(CFillerBrick&)> change;
    bool shows;
};

const SBrickChange BRICK_CHANGES[] = {
    {"ShownColour", [](CFillerBrick& b) { b.SetColor(3); }, true},
    {"ColourWaitingForTheWave", [](CFillerBrick& b) { b.SetTargetColor(3); }, false},
    {"ColourTheWaveReached", [](CFillerBrick& b) { b.SetTargetColor(3), b.ApplyTargetColor(); }, true},
    {"Place", [](CFillerBrick& b) { b.SetPosition(CVector4(1.0f, 0.0f, 1.0f)); }, true},
    {"Size", [](CFillerBrick& b) { b.SetScale(0.5f); }, true},
    {"Turn", [](CFillerBrick& b) { b.SetAngleZ(45.0f); }, true},
};

class FillerBrickPrint : public ::testing::TestWithParam<SBrickChange>
{
};
}

TEST_P(FillerBrickPrint, ChangesExactlyWithWhatTheBrickShows)
{
    CFillerBrick brick(nullptr);
    brick.SetColor(1);
    const std::vector<unsigned char> before = FramePrintOf(brick);
    GetParam().change(brick);
    EXPECT_EQ(GetParam().shows, FramePrintOf(brick) != before);
}

INSTANTIATE_TEST_SUITE_P(Changes, FillerBrickPrint, ::testing::ValuesIn(BRICK_CHANGES),
                         [](const ::testing::TestParamInfo<SBrickChange>& info) { return info.param.name; });

TEST(FillerPrint, WavesBricksLeaveTheHeldBoardWhileItRunsAndComeBackWhenItEnds)
{
    auto params = MakeParams(0, 0, true);
    auto field = MakeField(*params, nullptr, "RRRRR/RRRRR/RRRRY");
    field->AddZone(2, 1);
    const std::vector<unsigned char> before = FramePrintOf(*field);
    ASSERT_TRUE(field->FillZone(2, 1, 1));
    ASSERT_TRUE(field->HasWave());
    EXPECT_TRUE(field->IsInWave(0, 0));
    EXPECT_FALSE(field->IsInWave(4, 2)) << "the other colour is not recoloured";
    const std::vector<unsigned char> waving = FramePrintOf(*field);
    EXPECT_NE(before, waving);
    // The wave's bricks are drawn anew in every frame: their steps leave
    // the print alone.
    field->Update(16.0f, false);
    const std::string firstStep = GetBoard(*field, true);
    for (int i = 0; i < 100 && !field->IsIdle(); ++i)
    {
        EXPECT_EQ(waving, FramePrintOf(*field));
        field->Update(16.0f, false);
    }
    EXPECT_NE(firstStep, GetBoard(*field, true));
    EXPECT_FALSE(field->HasWave());
    const std::vector<unsigned char> after = FramePrintOf(*field);
    EXPECT_NE(before, after);
    EXPECT_NE(waving, after);
    field->Update(16.0f, false);
    EXPECT_EQ(after, FramePrintOf(*field));
}

TEST(FillerPrint, MoveWithoutAnimationHasNoWaveToDraw)
{
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, nullptr, "RRG/RRG");
    field->AddZone(0, 0);
    ASSERT_TRUE(field->FillZone(0, 0, 1));
    EXPECT_FALSE(field->HasWave());
}

TEST(FillerPrint, AnotherStartCellChangesTheFieldsPrint)
{
    auto params = MakeParams(0, 0, true);
    auto a = MakeField(*params, nullptr, "RGB/RGB");
    auto b = MakeField(*params, nullptr, "RGB/RGB");
    a->AddZone(0, 0);
    b->AddZone(0, 1);
    EXPECT_NE(FramePrintOf(*a), FramePrintOf(*b));
}

TEST(FillerPrint, GameWaitingForTheHumanRepeatsItsPrintAndTheBannerChangesIt)
{
    auto params = MakeParams(0, 0, true);
    CFillerGame game(nullptr, *params, nullptr, 7);
    for (int i = 0; i < 1000 && (game.IsEffectRunning() || game.GetCurrentPlayer() != CFillerGame::HUMAN); ++i)
        game.Update(16.0f);
    ASSERT_EQ(CFillerGame::HUMAN, game.GetCurrentPlayer());
    const std::vector<unsigned char> waiting = FramePrintOf(game);
    for (int i = 0; i < 10; ++i)
        game.Update(16.0f);
    EXPECT_EQ(waiting, FramePrintOf(game)) << "nothing moves while the human thinks";

    // Play to the end: the banner and the zone sizes are drawn.
    for (int moves = 0; moves < 2000 && !game.GetField().IsGameOver(); ++moves)
    {
        game.GetPlayer(CFillerGame::HUMAN).ComputerMove();
        for (int i = 0; i < 1000 && !game.GetField().IsGameOver() &&
                        !(game.GetCurrentPlayer() == CFillerGame::HUMAN &&
                          game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING);
             ++i)
            game.Update(16.0f);
    }
    ASSERT_TRUE(game.GetField().IsGameOver());
    for (int i = 0; i < 1000 && !game.GetField().IsIdle(); ++i)
        game.Update(16.0f);
    const std::vector<unsigned char> banner = FramePrintOf(game);
    game.GetField().OnKey();
    ASSERT_FALSE(game.GetField().IsBannerShown());
    EXPECT_NE(banner, FramePrintOf(game));
}
