#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "engine/frame/CViewParams.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "games/eraser2/CEraser2Game.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"

namespace
{
struct SField
{
    SField() : params(MakeParams(0, 0)), random(7), field(*params, nullptr, nullptr, random)
    {
        SetBoard(field, {"", "", "", "", "", "", "", "RGB"});
        SetFeeder(field, 0, "RRRRRRRR");
        SetFeeder(field, 1, "GGGGGGGG");
    }
    std::vector<unsigned char> Print() const
    {
        CFramePrint print;
        field.AddToPrint(print);
        return print.GetBytes();
    }
    std::unique_ptr<CEraser2Params> params;
    CRandom random;
    CEraser2Field field;
};
}

// A frame is held while the print repeats: whatever a brick's drawing reads
// must show in it, on the board and in the feeders alike.
TEST(Eraser2FramePrint, EveryDrawnPropertyOfABrickChangesThePrint)
{
    const struct
    {
        const char* name;
        std::function<void(CEraser2Brick&)> change;
    } cases[] = {
        {"moved", [](CEraser2Brick& b) { b.SetPosition(b.GetPosition() + CVector4(0.0f, 0.5f, 0.0f)); }},
        {"scaled", [](CEraser2Brick& b) { b.SetScale(b.GetScale() * 1.1f); }},
        {"marked", [](CEraser2Brick& b) { b.MarkForRemoval(); }},
        {"highlighted", [](CEraser2Brick& b) { b.SetHighlight(true); }},
        {"fading", [](CEraser2Brick& b) {
             b.MarkForRemoval();
             b.StepVanish(16.0f, nullptr);
         }},
    };
    for (const auto& c : cases)
        for (int feeder = 0; feeder < 2; ++feeder)
        {
            SField f;
            const std::vector<unsigned char> before = f.Print();
            CEraser2Brick* brick = feeder ? f.field.GetFeederBrick(1, 3) : f.field.GetEraser2Brick(1, 7);
            ASSERT_NE(nullptr, brick);
            c.change(*brick);
            EXPECT_NE(before, f.Print()) << c.name << (feeder ? " in a feeder" : " on the board");
        }
}

TEST(Eraser2FramePrint, BricksComingAndGoingAndPopupsChangeThePrint)
{
    SField f;
    std::vector<unsigned char> print = f.Print();
    f.field.SetFeederBrick(0, 0, -1);
    EXPECT_NE(print, f.Print()) << "a feeder brick gone";
    print = f.Print();
    f.field.CreateBrickAt(0, 6, 2);
    EXPECT_NE(print, f.Print()) << "a board brick come";
    print = f.Print();
    f.field.AddScorePopup(2, CVector4());
    EXPECT_NE(print, f.Print()) << "a popup shown";
    print = f.Print();
    f.field.Update(16.0f);
    EXPECT_NE(print, f.Print()) << "a popup risen";
}

// The icons are drawn over the held frame in every frame, and their part of
// the screen drawn again: the area given must cover both of them.
TEST(Eraser2FramePrint, IconAndNumberCoverTheRightHalfOfTheBricksFront)
{
    CResManager menu(nullptr);
    auto params = MakeParams(0, 0);
    params->LoadTextures(menu);
    CRandom random(7);
    CEraser2Field field(*params, nullptr, nullptr, random);
    SetFeeder(field, 0, "");
    SetFeeder(field, 1, "");
    field.FillFeeders();
    const std::vector<unsigned char> print = [&] {
        CFramePrint p;
        field.AddToPrint(p);
        return p.GetBytes();
    }();
    std::size_t wearing = 0;
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < field.GetHeight(); ++slot)
        {
            CEraser2Brick* brick = field.GetFeederBrick(side, slot);
            CVector4 low, high;
            if (!brick || !brick->PlaceSprites(low, high))
                continue;
            ++wearing;
            const float size = brick->GetScale();
            const CVector4& p = brick->GetPosition();
            const CSprite* icon = brick->GetBonusSprite();
            const CSprite* number = brick->GetNumberSprite();
            EXPECT_FLOAT_EQ(p.x, low.x);
            EXPECT_FLOAT_EQ(p.y - size / 2.0f, low.y);
            EXPECT_FLOAT_EQ(p.x + size / 2.0f, high.x);
            EXPECT_FLOAT_EQ(p.y + size / 2.0f, high.y);
            EXPECT_FLOAT_EQ(p.z + brick->GetScaledSizeZ() / 2.0f, low.z);
            EXPECT_FLOAT_EQ(p.x + size / 4.0f, icon->GetPosition().x);
            EXPECT_FLOAT_EQ(p.y + size / 4.0f, icon->GetPosition().y);
            EXPECT_FLOAT_EQ(size / 2.0f, icon->GetWidth());
            EXPECT_FLOAT_EQ(p.x + size / 4.0f, number->GetPosition().x);
            EXPECT_FLOAT_EQ(p.y - size / 4.0f, number->GetPosition().y);
        }
    ASSERT_GT(wearing, 0u) << "no refilled brick wears an icon";
    std::vector<CVector4> corners;
    field.PlaceSprites(corners);
    EXPECT_EQ(2 * wearing, corners.size());
    CFramePrint after;
    field.AddToPrint(after);
    EXPECT_EQ(print, after.GetBytes()) << "placing the icons is no change of the picture";
}

// The cells drawn again around the icons lie where the cursor cast finds the
// icons' corners on the board.
TEST(Eraser2Game, ScreenAreasOfTheBoardMeetTheCursorCast)
{
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    const float scale = CEraser2Params::VIEW_SCALE;
    view.SetScale(scale);
    const CVector4 points[] = {{0.0f, 0.0f, 20.0f}, {-300.0f, 200.0f, 20.0f}, {350.0f, -250.0f, 10.0f}};
    for (const CVector4& point : points)
    {
        const CDraw2D::SRect rect = CEraser2Game::ToScreen(view, 0.0f, point, point);
        // The rectangle holds a margin around the one point it covers.
        const float x = rect.x + rect.width / 2.0f;
        const float y = rect.y + rect.height / 2.0f;
        EXPECT_LT(rect.width, 5.0f);
        const CVector4 cast = CastCursor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), 800, 600,
                                         view, scale, point.z);
        EXPECT_NEAR(point.x, cast.x, 2.0f) << "at " << x << ", " << y;
        EXPECT_NEAR(point.y, cast.y, 2.0f) << "at " << x << ", " << y;
    }
    // Turned half round, the board lies behind the eye: the whole screen.
    const CVector4 under(0.0f, 0.0f, -100.0f);
    view.SetScale(1.0f);
    const CDraw2D::SRect behind = CEraser2Game::ToScreen(view, 180.0f, under, under);
    EXPECT_EQ(800.0f, behind.width);
    EXPECT_EQ(600.0f, behind.height);
}
