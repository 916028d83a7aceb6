#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "games/slider/CSliderArrow.h"
#include "games/slider/CSliderGame.h"
#include "shell/game/CFramePrint.h"
#include "tests/gamebase/TestParams.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
template <class T>
std::vector<unsigned char> PrintOf(const T& drawn)
{
    CFramePrint print;
    drawn.AddToPrint(print);
    return print.GetBytes();
}

// One frame as the game runs it: the field steps, then the cursor is read.
void Frame(CSliderField& field, const CVector4& cursor)
{
    field.Update();
    field.Hover(cursor);
}
}

// A held picture is drawn anew only when the print changes: each thing the
// brick's drawing shows must change it.
TEST(SliderFrame, EveryDrawnPropertyOfABrickChangesItsPrint)
{
    const struct
    {
        const char* what;
        std::function<void(CSliderBrick&)> change;
    } cases[] = {
        {"moved", [](CSliderBrick& b) { b.SetPosition(CVector4(1.0f, 2.0f, 3.0f)); }},
        {"hovered", [](CSliderBrick& b) { b.SetAlpha(0.5f, true); }},
        {"selected", [](CSliderBrick& b) { b.Select(); }},
        {"fading", [](CSliderBrick& b) { b.Vanish(nullptr); }},
        {"another colour", [](CSliderBrick& b) { b.SetColor(2); }},
    };
    auto params = MakeSliderParams(0, 0);
    for (const auto& c : cases)
    {
        CSliderBrick brick(params.get());
        brick.SetColor(1);
        const std::vector<unsigned char> before = PrintOf(brick);
        EXPECT_EQ(before, PrintOf(brick)) << c.what;
        c.change(brick);
        EXPECT_NE(before, PrintOf(brick)) << c.what;
    }
}

// The game reads the cursor after the arrows stepped, stopping every arrow
// not hovered: turning is whether the next step moves it.
TEST(SliderFrame, AnArrowTurnsWhileItsNextStepWouldTurnIt)
{
    const struct
    {
        const char* what;
        float angle;
        bool spin, stop, turning;
    } cases[] = {
        {"at rest", 0.0f, false, false, false},
        {"hovered", 0.0f, true, false, true},
        {"finishing a turn", 90.0f, false, true, true},
        {"stopped on its side", 0.0f, false, true, false},
        {"stopped less than a degree past it", 0.5f, false, true, false},
    };
    for (const auto& c : cases)
    {
        CSliderArrow arrow(nullptr);
        arrow.SetSpinAngle(c.angle);
        if (c.spin)
            arrow.StartSpin();
        if (c.stop)
            arrow.StopSpin();
        EXPECT_EQ(c.turning, arrow.IsTurning()) << c.what;
        const float angle = arrow.GetSpinAngle();
        arrow.Animate();
        EXPECT_EQ(c.turning, arrow.GetSpinAngle() != angle) << c.what;
    }
}

// A turning arrow is drawn over the held picture in every frame: its spin
// must not make the board's picture be drawn again.
TEST(SliderFrame, AHoveredArrowSpinsWithoutChangingTheFieldPrint)
{
    auto params = MakeSliderParams(0, 0);
    CSliderField field(*params, nullptr, nullptr, SliderRandom());
    field.NewLevel();
    const CVector4 arrow = field.GetBrickPosition(0, 2);
    const CVector4 inside = field.GetBrickPosition(3, 3);
    Frame(field, inside);
    const std::vector<unsigned char> resting = PrintOf(field);
    Frame(field, arrow);
    const std::vector<unsigned char> hovered = PrintOf(field);
    EXPECT_NE(resting, hovered);
    for (int frame = 0; frame < 100; ++frame)
    {
        Frame(field, arrow);
        ASSERT_TRUE(field.GetArrow(0, 2)->IsTurning());
        EXPECT_EQ(hovered, PrintOf(field)) << "frame " << frame;
    }
    // Left, the arrow finishes its turn and rests on the board again.
    const CVector4 away(-5000.0f, 0.0f, 0.0f);
    for (int frame = 0; frame < 100 && field.GetArrow(0, 2)->IsTurning(); ++frame)
        Frame(field, away);
    EXPECT_EQ(resting, PrintOf(field));
}

// DrawPopups steps the popups it draws: while one shows, every frame differs.
TEST(SliderFrame, AShowingPopupChangesTheFieldPrintEveryTimeItIsDrawn)
{
    auto params = MakeSliderParams(0, 0);
    CSliderField field(*params, nullptr, nullptr, SliderRandom());
    SetSliderBoard(field, {"RRRRRG", "GBYPCR", "BGBYPC"});
    field.RemoveGroups();
    ASSERT_EQ(1u, field.GetPopups().size());
    std::vector<unsigned char> last = PrintOf(field);
    while (!field.GetPopups().empty())
    {
        field.DrawPopups(nullptr);
        const std::vector<unsigned char> now = PrintOf(field);
        EXPECT_NE(last, now);
        last = now;
    }
}

// The level caption fades by a share of what is left, so it never reaches
// zero: drawn on, it would change the picture in every frame for good.
TEST(SliderFrame, ARestingGamePrintsTheSameOnceTheTitleHasFaded)
{
    // Moves enough that the level goes on meanwhile.
    auto params = ReadTestParams<CSliderParams>({{"m_score_level", "30"}, {"m_score_step_level", "2"}});
    CSliderGame game(nullptr, *params, nullptr, 3);
    EXPECT_TRUE(game.IsTitleShown());
    for (int frame = 0; frame < 60 * 20; ++frame)
        game.Update(16.0f);
    EXPECT_FALSE(game.IsTitleShown());
    const std::vector<unsigned char> before = PrintOf(game);
    game.Update(16.0f);
    EXPECT_EQ(before, PrintOf(game));
}
