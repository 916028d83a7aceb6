#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "games/jewel/CJewelGame.h"
#include "tests/gamebase/FramePrintOf.h"
#include "tests/jewel/JewelTestKit.h"

// A held frame is laid again only while the print repeats: whatever the
// drawing shows must change the print, and what is drawn in every frame
// anyway (a turning brick's wobble) must not.
namespace
{
struct SBrickChange
{
    const char* name;
    // What the brick is before (may be nothing), then the one change.
    std::function<void(CJewelBrick&)> prepare;
    std::function<void(CJewelBrick&)> change;
};

const auto NOTHING = [](CJewelBrick&) {};
const SBrickChange BRICK_CHANGES[] = {
    {"Colour", NOTHING, [](CJewelBrick& b) { b.SetColor(3); }},
    {"Selected", NOTHING, [](CJewelBrick& b) { b.SetSelected(true); }},
    {"Hovered", NOTHING, [](CJewelBrick& b) { b.SetHovered(true); }},
    {"Marked", NOTHING, [](CJewelBrick& b) { b.Mark(); }},
    {"Fading", [](CJewelBrick& b) { b.Mark(); }, [](CJewelBrick& b) { b.FlyStep(16.0f); }},
    {"Struck", [](CJewelBrick& b) { b.Mark(); }, [](CJewelBrick& b) { b.StartFlyAway(); }},
    {"Recoloured", [](CJewelBrick& b) { b.StartFlyAway(); }, [](CJewelBrick& b) { b.ChangeColor(4); }},
    {"Pulsing", [](CJewelBrick& b) { b.SetHovered(true); }, [](CJewelBrick& b) { b.StepLook(); }},
    {"Place", NOTHING, [](CJewelBrick& b) { b.SetPosition(CVector4(0.0f, -20.0f, 1.0f)); }},
    {"Size", NOTHING, [](CJewelBrick& b) { b.SetScale(30.0f); }},
};

class JewelBrickPrint : public ::testing::TestWithParam<SBrickChange>
{
};
}

TEST_P(JewelBrickPrint, ChangesWithWhatTheBrickShows)
{
    CJewelBrick brick(nullptr, nullptr);
    brick.SetColor(1);
    brick.SetScale(40.0f);
    GetParam().prepare(brick);
    const std::vector<unsigned char> before = FramePrintOf(brick);
    GetParam().change(brick);
    EXPECT_NE(before, FramePrintOf(brick));
}

INSTANTIATE_TEST_SUITE_P(Changes, JewelBrickPrint, ::testing::ValuesIn(BRICK_CHANGES),
                         [](const ::testing::TestParamInfo<SBrickChange>& info) { return info.param.name; });

TEST(JewelBrickPrint, TurningBricksWobbleLeavesThePrintAlone)
{
    CJewelBrick brick(nullptr, nullptr);
    brick.SetSelected(true);
    ASSERT_TRUE(brick.IsTurning());
    // The selection's pulse settles in a few frames; the wobble goes on.
    for (int i = 0; i < 10; ++i)
        brick.StepLook();
    const std::vector<unsigned char> before = FramePrintOf(brick);
    const float wobble = brick.GetWobble();
    brick.StepLook();
    EXPECT_NE(wobble, brick.GetWobble());
    EXPECT_EQ(before, FramePrintOf(brick));
    brick.Mark();
    EXPECT_FALSE(brick.IsTurning()) << "a marked brick fades instead";
}

using JewelFieldPrint = JewelFieldFixture<>;

TEST_F(JewelFieldPrint, UpdatesStepTheLooksAndThenRest)
{
    SetBoard(field, {"RYG", "GRY", "YGR"});
    field.BrickAt(1, 1)->SetHovered(true);
    field.BrickAt(0, 0)->SetSelected(true);
    const std::vector<unsigned char> hovered = FramePrintOf(field);
    field.Update(16.0f);
    EXPECT_NE(hovered, FramePrintOf(field)) << "the hovered brick's pulse steps with the game";
    EXPECT_TRUE(field.HasTurning());
    for (int i = 0; i < 10; ++i)
        field.Update(16.0f);
    const std::vector<unsigned char> settled = FramePrintOf(field);
    field.Update(16.0f);
    EXPECT_EQ(settled, FramePrintOf(field));
}

TEST(JewelGamePrint, GameAtRestRepeatsItsPrintOnceTheTitleHasFaded)
{
    auto params = MakeJewelParams();
    CJewelGame game(nullptr, *params, nullptr, 7);
    // Ten seconds: the title comes down, fades, and the hint shows.
    for (int i = 0; i < 600; ++i)
        game.Update(16.0f);
    ASSERT_TRUE(game.GetField().IsIdle());
    EXPECT_FALSE(game.IsTitleShown());
    const std::vector<unsigned char> rest = FramePrintOf(game);
    for (int i = 0; i < 5; ++i)
        game.Update(16.0f);
    EXPECT_EQ(rest, FramePrintOf(game));
}
