#include <gtest/gtest.h>

#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "tests/designer/DesignerTestKit.h"

namespace
{
// Five crosses three cells high at half size on 90-unit cells: slots at
// 300, 120, -60, -240 and -420.
struct SCrossTray
{
    SCrossTray() : tray(nullptr, 90.0f, 30.0f)
    {
        for (int i = 0; i < 5; ++i)
            tray.AddFigure(std::make_unique<CDesignerFigure>(7), 300.0f - 180.0f * i);
        tray.Layout();
    }
    void Settle()
    {
        for (int i = 0; i < 200; ++i)
            tray.Update(16.0f);
    }
    CDesignerFigureTray tray;
    CRecordingEvents events;
};

const CVector4 UPPER_ARROW(550.0f, 70.0f, 0.0f);
const CVector4 LOWER_ARROW(550.0f, -70.0f, 0.0f);
}

TEST(DesignerTray, ArrowsScrollByTheFirstFigureOnlyWhileFiguresLieBeyondTheEdge)
{
    SCrossTray t;
    t.tray.OnClick(LOWER_ARROW, &t.events);
    EXPECT_FLOAT_EQ(300.0f, t.tray.GetTopY()) << "the first figure at 300 exactly does not scroll down";
    t.tray.OnClick(UPPER_ARROW, &t.events);
    EXPECT_FLOAT_EQ(435.0f, t.tray.GetTopY());
    t.Settle();
    EXPECT_FLOAT_EQ(435.0f, t.tray.GetFigure(0)->GetPosition().y);
    // The last figure now lies at -285: nothing more to bring up.
    t.tray.OnClick(UPPER_ARROW, &t.events);
    EXPECT_FLOAT_EQ(435.0f, t.tray.GetTopY());
    t.tray.OnClick(LOWER_ARROW, &t.events);
    EXPECT_FLOAT_EQ(300.0f, t.tray.GetTopY());
    EXPECT_EQ(2, t.events.CountSound(CDesignerFigureTray::SOUND_SCROLL));
}

TEST(DesignerTray, TakenFigureLeavesAGapThatClosesAndComesBackLast)
{
    SCrossTray t;
    std::unique_ptr<CDesignerFigure> taken = t.tray.PickAt(CVector4(420.0f, 120.0f, 0.0f));
    ASSERT_NE(nullptr, taken);
    EXPECT_EQ(4, t.tray.GetCount());
    t.Settle();
    EXPECT_FLOAT_EQ(120.0f, t.tray.GetFigure(1)->GetPosition().y);
    t.tray.Layout();
    taken->SetPosition(CVector4(-300.0f, 0.0f, 30.0f));
    int frames = 0;
    while (!t.tray.ReturnStep(taken) && frames < 500)
        ++frames;
    EXPECT_LT(frames, 500);
    ASSERT_EQ(5, t.tray.GetCount());
    EXPECT_FLOAT_EQ(-420.0f, t.tray.GetFigure(4)->GetPosition().y);
    EXPECT_FLOAT_EQ(45.0f, t.tray.GetFigure(4)->GetCellSize());
}

TEST(DesignerTrayClip, ColumnIsDrawnOnlyInsideThePlatesFrameAtAnyWindowSize)
{
    // Viewport (x, y, width, height) -> scissor box; the plate spans
    // 598..792 x 8..592 of the 800 x 600 screen, the inner line of its
    // frame ends 8 pixels in.
    const struct
    {
        int viewport[4];
        int box[4];
    } cases[] = {
        {{0, 0, 800, 600}, {606, 16, 178, 568}},
        {{0, 0, 1600, 1200}, {1212, 32, 356, 1136}},
        {{0, 0, 400, 300}, {303, 8, 89, 284}},
        // A viewport shifted off the window's corner moves the box with it.
        {{-10, -20, 800, 600}, {596, -4, 178, 568}},
    };
    for (const auto& c : cases)
    {
        int box[4];
        CDesignerFigureTray::GetPlateScissor(c.viewport, box);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c.box[i], box[i]) << "viewport " << c.viewport[2] << "x" << c.viewport[3] << " entry " << i;
    }
}
