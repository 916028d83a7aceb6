#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerPlayer.h"
#include "tests/designer/DesignerTestKit.h"

namespace
{
const float CELL = 90.0f;
const float DEPTH = 30.0f;
// One brick of the column, at half size.
const float GAP = CELL / 2.0f;

// Five crosses three cells high at half size on 90-unit cells: slots at
// 300, 120, -60, -240 and -420.
struct SCrossTray
{
    SCrossTray() : tray(params.get(), CELL, DEPTH)
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
    std::unique_ptr<CDesignerParams> params = MakeParams(0);
    CDesignerFigureTray tray;
    CRecordingEvents events;
};

const CVector4 UPPER_ARROW(550.0f, 70.0f, 0.0f);
const CVector4 LOWER_ARROW(550.0f, -70.0f, 0.0f);

// A figure 1 to 4 rows high: the flat bar, the T, the cross, the bar upright.
std::unique_ptr<CDesignerFigure> FigureOfRows(int rows)
{
    static const int kinds[] = {1, 0, 7, 1};
    auto figure = std::make_unique<CDesignerFigure>(kinds[rows - 1]);
    if (rows == 4)
        figure->RotateRight();
    return figure;
}

// A column of figures of the given rows, laid out on their slots.
struct SMixedTray
{
    explicit SMixedTray(const std::vector<int>& rows) : tray(params.get(), CELL, DEPTH)
    {
        for (int r : rows)
            tray.AddFigure(FigureOfRows(r), 0.0f);
        tray.Layout();
    }
    // A figure of the given rows carried at full size from off the column,
    // flown back until it rests; false if it never arrives.
    bool SendBack(int rows, const CVector4& from)
    {
        std::unique_ptr<CDesignerFigure> figure = FigureOfRows(rows);
        figure->CreateModel(params.get());
        figure->SetScale(CELL);
        figure->SetPosition(from);
        for (int frame = 0; frame < 500; ++frame)
            if (tray.ReturnStep(figure))
                return true;
        return false;
    }
    std::unique_ptr<CDesignerParams> params = MakeParams(0);
    CDesignerFigureTray tray;
};

// The empty height between figure i and the next, from where they are drawn.
float GapUnder(CDesignerFigureTray& tray, int i)
{
    const CDesignerFigure& above = *tray.GetFigure(i);
    const CDesignerFigure& below = *tray.GetFigure(i + 1);
    return (above.GetPosition().y - above.GetHeightWorld() / 2.0f) -
           (below.GetPosition().y + below.GetHeightWorld() / 2.0f);
}

// Every ordered pair of heights, with the centre the lower one takes when
// the upper rests at 300: 300 - (45 + (45 * above + 45 * below) / 2).
const struct
{
    int above;
    int below;
    float belowY;
} PAIRS[] = {
    {1, 1, 210.0f},   {1, 2, 187.5f},  {1, 3, 165.0f},  {1, 4, 142.5f},
    {2, 1, 187.5f},   {2, 2, 165.0f},  {2, 3, 142.5f},  {2, 4, 120.0f},
    {3, 1, 165.0f},   {3, 2, 142.5f},  {3, 3, 120.0f},  {3, 4, 97.5f},
    {4, 1, 142.5f},   {4, 2, 120.0f},  {4, 3, 97.5f},   {4, 4, 75.0f},
};
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

TEST(DesignerTray, DealtColumnLeavesOneBrickBetweenNeighboursOfAnyHeights)
{
    for (const auto& c : PAIRS)
    {
        SMixedTray t({c.above, c.below});
        ASSERT_EQ(c.above, t.tray.GetFigure(0)->GetHeight());
        ASSERT_EQ(c.below, t.tray.GetFigure(1)->GetHeight());
        EXPECT_FLOAT_EQ(300.0f, t.tray.GetFigure(0)->GetPosition().y) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(c.belowY, t.tray.GetFigure(1)->GetPosition().y) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(c.belowY, t.tray.GetSlotY(1)) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(GAP, GapUnder(t.tray, 0)) << c.above << " over " << c.below;
    }
}

TEST(DesignerTray, FigureSentBackRestsOneBrickUnderTheLastByItsOwnHeight)
{
    // It flies carried at full size: its height in the column is that at
    // half size all the same.
    for (const auto& c : PAIRS)
    {
        SMixedTray t({c.above});
        ASSERT_TRUE(t.SendBack(c.below, CVector4(-300.0f, -200.0f, DEPTH))) << c.above << " over " << c.below;
        ASSERT_EQ(2, t.tray.GetCount());
        EXPECT_FLOAT_EQ(300.0f, t.tray.GetFigure(0)->GetPosition().y) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(c.belowY, t.tray.GetFigure(1)->GetPosition().y) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(GAP, GapUnder(t.tray, 0)) << c.above << " over " << c.below;
        EXPECT_FLOAT_EQ(GAP, t.tray.GetFigure(1)->GetCellSize()) << c.above << " over " << c.below;
    }
}

TEST(DesignerTray, FiguresSentBackOneAfterAnotherStayApart)
{
    const struct
    {
        const char* what;
        std::vector<int> dealt;
        std::vector<int> sent;
        std::vector<float> ys;
    } cases[] = {
        {"one into an empty column", {}, {2}, {300.0f}},
        {"a flat bar, then an upright one", {3}, {1, 4}, {300.0f, 165.0f, 7.5f}},
        {"an upright bar, then a flat one", {1}, {4, 1}, {300.0f, 142.5f, -15.0f}},
        {"three after a tall column", {4, 3}, {2, 4, 1}, {300.0f, 97.5f, -60.0f, -240.0f, -397.5f}},
    };
    const CVector4 from[] = {CVector4(-300.0f, 0.0f, DEPTH), CVector4(100.0f, -250.0f, DEPTH),
                             CVector4(-50.0f, 280.0f, DEPTH)};
    for (const auto& c : cases)
    {
        SMixedTray t(c.dealt);
        for (std::size_t i = 0; i < c.sent.size(); ++i)
            ASSERT_TRUE(t.SendBack(c.sent[i], from[i % 3])) << c.what;
        ASSERT_EQ(c.ys.size(), static_cast<std::size_t>(t.tray.GetCount())) << c.what;
        for (int i = 0; i < t.tray.GetCount(); ++i)
        {
            EXPECT_FLOAT_EQ(c.ys[i], t.tray.GetFigure(i)->GetPosition().y) << c.what << ", figure " << i;
            EXPECT_FLOAT_EQ(c.ys[i], t.tray.GetSlotY(i)) << c.what << ", figure " << i;
        }
        for (int i = 0; i + 1 < t.tray.GetCount(); ++i)
            EXPECT_FLOAT_EQ(GAP, GapUnder(t.tray, i)) << c.what << ", under figure " << i;
    }
}

TEST(DesignerTray, GapOfATakenFigureClosesOntoTheSlotsOfThoseLeft)
{
    // Rows 1, 3, 4, 2, 1 rest at 300, 165, -37.5, -217.5 and -330. The
    // figure under the gap goes a quarter of the way in the first frame.
    const struct
    {
        int taken;
        float firstFrameY;
        std::vector<float> ys;
    } cases[] = {
        {0, 198.75f, {300.0f, 97.5f, -82.5f, -195.0f}},
        {1, 7.5f, {300.0f, 142.5f, -37.5f, -150.0f}},
        {2, -161.25f, {300.0f, 165.0f, 7.5f, -105.0f}},
        {4, -217.5f, {300.0f, 165.0f, -37.5f, -217.5f}},
    };
    for (const auto& c : cases)
    {
        SMixedTray t({1, 3, 4, 2, 1});
        const CVector4 centre = t.tray.GetFigure(c.taken)->GetPosition();
        ASSERT_NE(nullptr, t.tray.PickAt(centre)) << "taken " << c.taken;
        ASSERT_EQ(4, t.tray.GetCount());
        t.tray.Update(16.0f);
        const int under = c.taken < 4 ? c.taken : 3;
        EXPECT_FLOAT_EQ(c.firstFrameY, t.tray.GetFigure(under)->GetPosition().y) << "taken " << c.taken;
        for (int frame = 0; frame < 200; ++frame)
            t.tray.Update(16.0f);
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(c.ys[i], t.tray.GetFigure(i)->GetPosition().y) << "taken " << c.taken << ", figure " << i;
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(GAP, GapUnder(t.tray, i)) << "taken " << c.taken << ", under figure " << i;
    }
}

TEST(DesignerTray, LevelsAreDealtOneBrickApartFromTheTop)
{
    // The large board on the hard level: the most figures, of mixed heights.
    auto params = MakeParams(2, 2);
    std::set<int> heights;
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u})
    {
        CRecordingEvents events;
        CDesignerGame game(nullptr, *params, &events, seed);
        CDesignerFigureTray& tray = game.GetPlayer().GetTray();
        const float gap = game.GetField().GetBrickSize() / 2.0f;
        ASSERT_GT(tray.GetCount(), 1) << "seed " << seed;
        EXPECT_FLOAT_EQ(CDesignerFigureTray::TOP_Y, tray.GetFigure(0)->GetPosition().y) << "seed " << seed;
        for (int i = 0; i < tray.GetCount(); ++i)
        {
            heights.insert(tray.GetFigure(i)->GetHeight());
            EXPECT_FLOAT_EQ(tray.GetSlotY(i), tray.GetFigure(i)->GetPosition().y)
                << "seed " << seed << ", figure " << i;
        }
        for (int i = 0; i + 1 < tray.GetCount(); ++i)
            EXPECT_NEAR(gap, GapUnder(tray, i), 1e-3f) << "seed " << seed << ", under figure " << i;
    }
    EXPECT_GT(heights.size(), 2u) << "the levels dealt should mix heights";
}

TEST(DesignerTray, ArrowsAnswerWithinTwoThirdsOfTheirScaledSizeEachWay)
{
    // The arrow model is 0.9 wide and 1 high at scale 65: the boxes reach
    // 39 across and 43.3 up and down from the arrows' centres.
    const struct
    {
        float dx;
        float dy;
        bool inside;
    } offsets[] = {
        {0.0f, 0.0f, true},      {38.9f, 0.0f, true},    {-38.9f, 0.0f, true},  {39.1f, 0.0f, false},
        {-39.1f, 0.0f, false},   {0.0f, 43.2f, true},    {0.0f, -43.2f, true},
        {0.0f, 43.5f, false},    {0.0f, -43.5f, false},  {38.9f, 43.2f, true},  {-38.9f, -43.2f, true},
        {39.1f, 43.2f, false},   {38.9f, -43.5f, false},
    };
    for (bool upper : {true, false})
        for (const auto& o : offsets)
        {
            SCrossTray t;
            const CVector4 point = (upper ? UPPER_ARROW : LOWER_ARROW) + CVector4(o.dx, o.dy, 0.0f);
            const bool inUpper = upper && o.inside;
            const bool inLower = !upper && o.inside;
            EXPECT_EQ(inUpper, t.tray.IsInUpperArrow(point)) << point.x << ", " << point.y;
            EXPECT_EQ(inLower, t.tray.IsInLowerArrow(point)) << point.x << ", " << point.y;
            t.tray.Hover(point);
            EXPECT_FLOAT_EQ(inUpper ? CDesignerFigureTray::ARROW_HOVER_SCALE : CDesignerFigureTray::ARROW_SCALE,
                            t.tray.GetUpperArrowScale())
                << point.x << ", " << point.y;
            EXPECT_FLOAT_EQ(inLower ? CDesignerFigureTray::ARROW_HOVER_SCALE : CDesignerFigureTray::ARROW_SCALE,
                            t.tray.GetLowerArrowScale())
                << point.x << ", " << point.y;
        }
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
