#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "shell/game/CFramePrint.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
std::vector<unsigned char> PrintOf(const CMoverGame& game)
{
    CFramePrint print;
    game.AddToPrint(print);
    return print.GetBytes();
}

// Twenty seconds at rest: the level caption has flown in and faded.
void RestTwentySeconds(SMover& g)
{
    for (int frame = 0; frame < 60 * 20; ++frame)
        g.game.Update(16.0f);
}
}

// A held picture is drawn anew only when the print changes: each thing the
// drawing of a brick on the board shows must change the game's print.
TEST(MoverFrame, EveryDrawnPropertyOfABoardBrickChangesTheGamePrint)
{
    const struct
    {
        const char* what;
        std::function<void(CMoverBrick&)> change;
    } cases[] = {
        {"moved", [](CMoverBrick& b) { b.SetPosition(CVector4(1.0f, 2.0f, 3.0f)); }},
        {"selected", [](CMoverBrick& b) { b.Select(); }},
        {"fading", [](CMoverBrick& b) { b.Vanish(nullptr); }},
        {"growing", [](CMoverBrick& b) { b.SetGrowScale(0.5f); }},
        {"another colour", [](CMoverBrick& b) { b.SetColor(b.GetColor() == 2 ? 3 : 2); }},
        {"turned", [](CMoverBrick& b) { b.SetAngleZ(90.0f); }},
    };
    SMover g;
    RestTwentySeconds(g);
    for (const auto& c : cases)
    {
        g.SetBoard(ONE_ROW);
        const std::vector<unsigned char> before = PrintOf(g.game);
        c.change(*g.Field().GetMoverBrick(2, 3));
        EXPECT_NE(before, PrintOf(g.game)) << c.what;
    }
}

TEST(MoverFrame, ASlideChangesTheGamePrintInEveryFrameUntilItLands)
{
    SMover g;
    RestTwentySeconds(g);
    g.SetBoard(ONE_ROW);
    std::vector<unsigned char> last = PrintOf(g.game);
    g.Click(5, 1);
    while (g.Field().GetStatus() == CMoverField::STATUS_SLIDING)
    {
        const std::vector<unsigned char> now = PrintOf(g.game);
        EXPECT_NE(last, now);
        last = now;
        g.game.Update(16.0f);
    }
}

// The level caption fades by a share of what is left, so it never reaches
// zero: drawn on, it would change the picture in every frame for good.
TEST(MoverFrame, ARestingGamePrintsTheSameOnceTheCaptionHasFaded)
{
    SMover g;
    EXPECT_TRUE(g.game.IsCaptionShown());
    RestTwentySeconds(g);
    EXPECT_FALSE(g.game.IsCaptionShown());
    const std::vector<unsigned char> before = PrintOf(g.game);
    g.game.Update(16.0f);
    EXPECT_EQ(before, PrintOf(g.game));
}
