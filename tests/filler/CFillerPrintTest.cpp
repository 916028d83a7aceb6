#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "games/filler/CFillerBrick.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerPlayer.h"
#include "engine/gfx/CMesh.h"
#include "tests/filler/FillerTestKit.h"
#include "tests/gamebase/BoxModel.h"
#include "tests/gamebase/FramePrintOf.h"
#include "tests/gamebase/PrintParts.h"

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

// The print in parts: what a move changes lies in parts only, each part's
// box holds what it draws, and keys are unique.
namespace
{
std::uint64_t TileOf(const CFillerField& field, int x, int y)
{
    const int side = field.GetTileSide();
    const int across = (field.GetWidth() + side - 1) / side;
    return CFillerField::TILE_PART | static_cast<std::uint64_t>(y / side * across + x / side);
}

// The box a model covers drawn at its place, turned as glRotatef about x,
// y then z and scaled: its mesh's corners carried there.
void DrawnBox(const CModel& model, CVector4& low, CVector4& high)
{
    float meshLow[3];
    float meshHigh[3];
    ASSERT_TRUE(model.GetMesh() && model.GetMesh()->GetBounds(meshLow, meshHigh));
    const float radians = 3.14159265f / 180.0f;
    for (int corner = 0; corner < 8; ++corner)
    {
        float p[3];
        for (int axis = 0; axis < 3; ++axis)
            p[axis] = ((corner >> axis) & 1 ? meshHigh[axis] : meshLow[axis]) * model.GetScale();
        const float angles[3] = {model.GetAngleZ(), model.GetAngleY(), model.GetAngleX()};
        const int axes[3] = {2, 1, 0};
        for (int turn = 0; turn < 3; ++turn)
        {
            const float c = std::cos(angles[turn] * radians), s = std::sin(angles[turn] * radians);
            const int a = (axes[turn] + 1) % 3, b = (axes[turn] + 2) % 3;
            const float pa = p[a], pb = p[b];
            p[a] = c * pa - s * pb;
            p[b] = s * pa + c * pb;
        }
        const CVector4 at(p[0] + model.GetPosition().x, p[1] + model.GetPosition().y, p[2] + model.GetPosition().z);
        low = corner == 0 ? at : CVector4(std::min(low.x, at.x), std::min(low.y, at.y), std::min(low.z, at.z));
        high = corner == 0 ? at : CVector4(std::max(high.x, at.x), std::max(high.y, at.y), std::max(high.z, at.z));
    }
}

::testing::AssertionResult BoxHolds(const CFramePrint::SPart& part, const CVector4& low, const CVector4& high)
{
    const float slack = 1e-4f;
    if (part.board && part.hasBox && part.low.x <= low.x + slack && part.low.y <= low.y + slack &&
        part.low.z <= low.z + slack && part.high.x >= high.x - slack && part.high.y >= high.y - slack &&
        part.high.z >= high.z - slack)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "part box (" << part.low.x << ", " << part.low.y << ", " << part.low.z
                                         << ")-(" << part.high.x << ", " << part.high.y << ", " << part.high.z
                                         << ") misses (" << low.x << ", " << low.y << ", " << low.z << ")-("
                                         << high.x << ", " << high.y << ", " << high.z << ")";
}

struct SBrickPose
{
    const char* name;
    std::function<void(CFillerBrick&)> pose;
};

const SBrickPose BRICK_POSES[] = {
    {"AtRest", [](CFillerBrick&) {}},
    {"TurnedAboutZ", [](CFillerBrick& b) { b.SetAngleZ(45.0f); }},
    {"TurnedEveryWay", [](CFillerBrick& b) { b.SetAngleX(30.0f), b.SetAngleY(60.0f), b.SetAngleZ(20.0f); }},
    {"Enlarged", [](CFillerBrick& b) { b.SetScale(b.GetScale() * 1.5f); }},
};

class FillerBrickPart : public ::testing::TestWithParam<SBrickPose>
{
};
}

TEST_P(FillerBrickPart, ABricksColourChangesOnlyOnePartAndItsBoxHoldsTheBrick)
{
    auto params = MakeParams(0, 0, true);
    auto field = MakeField(*params, nullptr, "RGBYRGBYRGBYRG/GBYRGBYRGBYRGB/BYRGBYRGBYRGBY/YRGBYRGBYRGBYR");
    const auto look = MakeBoxModel(0.4f);
    for (int y = 0; y < field->GetHeight(); ++y)
        for (int x = 0; x < field->GetWidth(); ++x)
        {
            field->GetFillerBrick(x, y)->TakeLook(*look);
            GetParam().pose(*field->GetFillerBrick(x, y));
        }
    for (int y = 0; y < field->GetHeight(); ++y)
        for (int x = 0; x < field->GetWidth(); ++x)
        {
            const SPrintParts before = PartsOf(*field);
            field->SetCellColor(x, y, (field->GetCellColor(x, y) + 1) % 4);
            const SPrintParts after = PartsOf(*field);
            EXPECT_EQ(before.outside, after.outside);
            const std::set<std::uint64_t> changed = ChangedParts(before, after);
            ASSERT_EQ(1u, changed.size()) << "cell " << x << ", " << y;
            EXPECT_EQ(TileOf(*field, x, y), *changed.begin());
            CVector4 low;
            CVector4 high;
            DrawnBox(*field->GetFillerBrick(x, y), low, high);
            EXPECT_TRUE(BoxHolds(after.parts.at(*changed.begin()), low, high)) << "cell " << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Poses, FillerBrickPart, ::testing::ValuesIn(BRICK_POSES),
                         [](const ::testing::TestParamInfo<SBrickPose>& info) { return info.param.name; });

TEST(FillerPrint, AStartBricksPartHoldsItsRingsAndTheEnlargedBrick)
{
    auto params = MakeParams(0, 0, true);
    auto field = MakeField(*params, nullptr, "RGBYRGBY/GBYRGBYR/BYRGBYRG/YRGBYRGB");
    const auto look = MakeBoxModel(1.0f);
    field->GetFillerBrick(0, 1)->TakeLook(*look);
    field->AddZone(0, 1);
    const SPrintParts split = PartsOf(*field);
    const CFramePrint::SPart& part = split.parts.at(CFillerField::START_PART | 0);
    CFillerBrick& brick = *field->GetFillerBrick(0, 1);
    const CVector4 at = brick.GetPosition();
    const float rings = field->GetStartBrickSize() / 2.0f + 2.0f * field->GetStartRingWidth();
    EXPECT_TRUE(BoxHolds(part, CVector4(at.x - rings, at.y - rings, at.z), CVector4(at.x + rings, at.y + rings, at.z)));
    for (float turn : {0.0f, 45.0f})
    {
        brick.SetAngleZ(turn);
        brick.SetScale(field->GetStartBrickSize());
        CVector4 low;
        CVector4 high;
        DrawnBox(brick, low, high);
        EXPECT_TRUE(BoxHolds(PartsOf(*field).parts.at(CFillerField::START_PART | 0), low, high)) << turn;
    }
}

TEST(FillerPrint, AWaveChangesOnlyTheSquaresOfItsCellsAndTheStartBricks)
{
    auto params = MakeParams(0, 0, true);
    // Squares of two cells a side: the zone's are the first two columns.
    auto field = MakeField(*params, nullptr, "RRGBYGBYGBYGBYGBYGBY/RRGBYGBYGBYGBYGBYGBY/GBYGBYGBYGBYGBYGBYGB");
    ASSERT_EQ(2, field->GetTileSide());
    field->AddZone(0, 0);
    field->AddZone(19, 2);
    // The other start brick, far from the wave, stays on the held board.
    const std::set<std::uint64_t> expected = {TileOf(*field, 0, 0), CFillerField::START_PART | 0};
    const SPrintParts before = PartsOf(*field);
    ASSERT_TRUE(field->FillZone(0, 0, 4));
    const SPrintParts waving = PartsOf(*field);
    EXPECT_EQ(before.outside, waving.outside);
    EXPECT_EQ(expected, ChangedParts(before, waving));
    for (int i = 0; i < 100 && !field->IsIdle(); ++i)
        field->Update(16.0f, false);
    ASSERT_FALSE(field->HasWave());
    const SPrintParts after = PartsOf(*field);
    EXPECT_EQ(before.outside, after.outside);
    EXPECT_EQ(expected, ChangedParts(waving, after));
}

namespace
{
struct SLiveStart
{
    const char* name;
    int x;
    int y;
    bool live;
};

// The wave recolours the first two columns; a start brick reaches a little
// over a cell from its centre on this board.
const SLiveStart LIVE_STARTS[] = {
    {"FarAcrossTheBoard", 19, 2, false},
    {"TwoCellsAway", 3, 0, true},
    {"BelowTheWave", 1, 2, true},
    {"ThreeCellsAway", 4, 1, false},
};

class FillerLiveStart : public ::testing::TestWithParam<SLiveStart>
{
};
}

TEST_P(FillerLiveStart, AStartBrickIsDrawnOverTheWaveOnlyWhereTheWaveReachesIt)
{
    auto params = MakeParams(0, 0, true);
    auto field = MakeField(*params, nullptr, "RRGBYGBYGBYGBYGBYGBY/RRGBYGBYGBYGBYGBYGBY/GBYGBYGBYGBYGBYGBYGB");
    field->AddZone(0, 0);
    field->AddZone(GetParam().x, GetParam().y);
    ASSERT_TRUE(field->FillZone(0, 0, 4));
    EXPECT_TRUE(field->IsStartDrawnLive(0)) << "the mover's own stands in its wave";
    EXPECT_EQ(GetParam().live, field->IsStartDrawnLive(1));
    for (int i = 0; i < 100 && !field->IsIdle(); ++i)
        field->Update(16.0f, false);
    EXPECT_FALSE(field->IsStartDrawnLive(0));
    EXPECT_FALSE(field->IsStartDrawnLive(1));
}

INSTANTIATE_TEST_SUITE_P(Places, FillerLiveStart, ::testing::ValuesIn(LIVE_STARTS),
                         [](const ::testing::TestParamInfo<SLiveStart>& info) { return info.param.name; });

TEST(FillerPrint, AMoveChangesTheMoversNumberAmongTheHudTextsAndNothingOutsideParts)
{
    auto params = MakeParams(0, 0, false);
    CFillerGame game(nullptr, *params, nullptr, 11);
    for (int i = 0; i < 1000 && !(game.GetCurrentPlayer() == CFillerGame::HUMAN &&
                                  game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING);
         ++i)
        game.Update(16.0f);
    const SPrintParts before = PartsOf(game);
    const int size = game.GetScore();
    game.PickColor(game.GetField().GetColorTable()[game.GetPlayer(CFillerGame::HUMAN).ChooseColor()]);
    ASSERT_LT(size, game.GetScore());
    const SPrintParts after = PartsOf(game);
    EXPECT_EQ(before.outside, after.outside);
    std::set<std::uint64_t> hud;
    for (std::uint64_t key : ChangedParts(before, after))
        if ((key & ~std::uint64_t(0xFFFFFFFF)) == CFillerGame::HUD_PART)
            hud.insert(key);
    EXPECT_EQ(std::set<std::uint64_t>{CFillerGame::HUD_PART | CFillerGame::HUD_HUMAN}, hud);
}

TEST(FillerPrint, HudTextsKeepToTheirRectanglesAtTheTopOfTheScreen)
{
    auto params = MakeParams(0, 0, false);
    CFillerGame game(nullptr, *params, nullptr, 11);
    for (auto text : {CFillerGame::HUD_HUMAN, CFillerGame::HUD_COMPUTER, CFillerGame::HUD_BANNER})
    {
        const CDraw2D::SRect rect = PartsOf(game).parts.at(CFillerGame::HUD_PART | text).rect;
        // Glyphs stand on the base line at 45, 25 units tall.
        EXPECT_LE(rect.y, 20.0f) << text;
        EXPECT_GE(rect.y + rect.height, 45.0f) << text;
    }
    EXPECT_LE(PartsOf(game).parts.at(CFillerGame::HUD_PART | CFillerGame::HUD_HUMAN).rect.x, 20.0f);
    const CDraw2D::SRect right = PartsOf(game).parts.at(CFillerGame::HUD_PART | CFillerGame::HUD_COMPUTER).rect;
    EXPECT_GE(right.x + right.width, 780.0f);
}

TEST(FillerPrint, AWholeGameChangesOnlyPartsWithUniqueKeysAfterTheEntrance)
{
    auto params = MakeParams(1, 0, true);
    CFillerGame game(nullptr, *params, nullptr, 5);
    for (int i = 0; i < 1000 && game.IsEffectRunning(); ++i)
        game.Update(16.0f);
    const SPrintParts first = PartsOf(game);
    int frames = 0;
    for (; frames < 20000 && !game.GetField().IsGameOver(); ++frames)
    {
        if (game.GetCurrentPlayer() == CFillerGame::HUMAN &&
            game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING)
            game.PickColor(game.GetField().GetColorTable()[game.GetPlayer(CFillerGame::HUMAN).ChooseColor()]);
        game.Update(16.0f);
        const SPrintParts now = PartsOf(game);
        ASSERT_TRUE(now.unique) << "frame " << frames;
        ASSERT_EQ(first.outside, now.outside) << "frame " << frames;
    }
    EXPECT_TRUE(game.GetField().IsGameOver());
}
