#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "shell/game/CFramePrint.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
std::vector<unsigned char> PrintOf(const CEraserGame& game)
{
    CFramePrint print;
    game.AddToPrint(print);
    return print.GetBytes();
}
}

// A frame is held while the print repeats: whatever a brick's drawing
// reads must show in it, or the board would freeze on the screen.
TEST(EraserFramePrint, EveryDrawnPropertyOfABrickChangesThePrint)
{
    const struct
    {
        const char* name;
        std::function<void(CEraserBrick&)> change;
    } cases[] = {
        {"moved", [](CEraserBrick& b) { b.SetPosition(b.GetPosition() + CVector4(0.5f, 0.0f, 0.0f)); }},
        {"scaled", [](CEraserBrick& b) { b.SetScale(b.GetScale() * 1.1f); }},
        {"marked", [](CEraserBrick& b) { b.Mark(); }},
        {"highlighted", [](CEraserBrick& b) { b.SetHighlight(true); }},
        {"fading", [](CEraserBrick& b) {
             b.Mark();
             b.Vanish(16.0f, nullptr);
         }},
    };
    for (const auto& c : cases)
    {
        SEraser f;
        f.SetBoard(f.Bottom({"RGB"}));
        const std::vector<unsigned char> before = PrintOf(f.game);
        CEraserBrick* brick = f.Field().GetEraserBrick(1, 7);
        ASSERT_NE(nullptr, brick);
        c.change(*brick);
        EXPECT_NE(before, PrintOf(f.game)) << c.name;
    }
}

TEST(EraserFramePrint, TheBoardPopupsAndScoresChangeThePrint)
{
    SEraser f;
    f.SetBoard(f.Bottom({"RRGB"}));
    std::vector<unsigned char> print = PrintOf(f.game);
    f.Field().RemoveBrick(3, 7);
    EXPECT_NE(print, PrintOf(f.game)) << "a brick gone";
    print = PrintOf(f.game);
    // The click marks the pair, scores it when it is gone and shows its popup.
    f.Click(0, 7);
    EXPECT_NE(print, PrintOf(f.game)) << "a group taken";
    for (int i = 0; i < 30; ++i)
    {
        print = PrintOf(f.game);
        f.game.Update(16.0f);
        ASSERT_NE(print, PrintOf(f.game)) << "frame " << i << ": the popup rises and the bricks fade or fall";
    }
}

// The level banner fades for ever without ending; once it shows nothing, a
// board at rest must print the same in every frame so that it is held.
TEST(EraserFramePrint, ABoardAtRestPrintsTheSameOnceTheBannerHasFaded)
{
    SEraser f;
    f.game.SetPointer(CVector4(1.0e7f, 1.0e7f, 0.0f), false);
    for (int i = 0; i < 600; ++i)
        f.game.Update(16.0f);
    ASSERT_GE(f.game.GetBannerAlpha(), 0.0f) << "the banner has not ended";
    const std::vector<unsigned char> print = PrintOf(f.game);
    f.game.Update(16.0f);
    EXPECT_EQ(print, PrintOf(f.game));
}
