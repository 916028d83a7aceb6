#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "engine/frame/CViewParams.h"
#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerHandView.h"
#include "games/designer/CDesignerPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "tests/designer/DesignerTestKit.h"

namespace
{
std::vector<unsigned char> Print(const CDesignerGame& game, bool withHand)
{
    CFramePrint print;
    game.AddToPrint(print, withHand);
    return print.GetBytes();
}

// The designer's camera on an 800 x 600 window.
CViewParams DesignerView()
{
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    return view;
}

// The board point under a window pixel, at a height.
CVector4 Under(const CViewParams& view, int x, int y, float height)
{
    return CastCursor(x, y, 800, 600, view, 0.06f, height);
}

bool Contains(const CDraw2D::SRect& rect, float x, float y)
{
    return x >= rect.x && x <= rect.x + rect.width && y >= rect.y && y <= rect.y + rect.height;
}

struct SDrawnChange
{
    const char* what;
    // Brings the game to the moment before the change.
    std::function<void(CDesignerDriver&, CDesignerGame&)> before;
    std::function<void(CDesignerDriver&, CDesignerGame&)> change;
    // Whether the print without the figure in hand changes too.
    bool changesWithoutHand;
};

const CVector4 UPPER_ARROW(CDesignerFigureTray::ARROW_X, CDesignerFigureTray::ARROW_Y, 0.0f);

void Rest(CDesignerDriver& driver, CDesignerGame&)
{
    // The level's banner has risen and faded.
    driver.Frames(400);
}

void PickFirst(CDesignerDriver& driver, CDesignerGame& game)
{
    Rest(driver, game);
    driver.PickFromTray(0);
}
}

TEST(DesignerFrame, PrintChangesWithEveryChangeTheScreenShows)
{
    const std::vector<SDrawnChange> changes = {
        {"the level's banner rising", [](CDesignerDriver&, CDesignerGame&) {},
         [](CDesignerDriver& d, CDesignerGame&) { d.Frames(1); }, true},
        {"a figure taken from the tray", Rest, [](CDesignerDriver& d, CDesignerGame&) { d.PickFromTray(0); },
         true},
        {"the figure in hand following the pointer", PickFirst,
         [](CDesignerDriver& d, CDesignerGame&) { d.MoveTo(CVector4(-60.0f, 30.0f, 0.0f)); }, false},
        {"the figure in hand turning", PickFirst,
         [](CDesignerDriver& d, CDesignerGame&) {
             d.Frames(20);
             d.Click(true);
         },
         false},
        {"the figure in hand laid",
         [](CDesignerDriver& d, CDesignerGame& g) {
             PickFirst(d, g);
             d.MoveTo(d.PointForCell(0, 0));
         },
         [](CDesignerDriver& d, CDesignerGame&) {
             d.Click();
             d.Settle();
         },
         true},
        {"an arrow swelling under the pointer", Rest,
         [](CDesignerDriver& d, CDesignerGame&) { d.MoveTo(UPPER_ARROW); }, true},
        {"the tray scrolled",
         [](CDesignerDriver& d, CDesignerGame& g) {
             Rest(d, g);
             d.MoveTo(UPPER_ARROW);
         },
         [](CDesignerDriver& d, CDesignerGame&) { d.Click(); }, true},
    };
    auto params = MakeParams(0);
    for (const SDrawnChange& row : changes)
    {
        CRecordingEvents events;
        CDesignerGame game(nullptr, *params, &events, 7);
        CDesignerDriver driver(game);
        row.before(driver, game);
        const std::vector<unsigned char> with = Print(game, true), without = Print(game, false);
        row.change(driver, game);
        EXPECT_NE(with, Print(game, true)) << row.what;
        EXPECT_EQ(row.changesWithoutHand, without != Print(game, false)) << row.what;
    }
}

TEST(DesignerFrame, PrintRepeatsWhileNothingMoves)
{
    auto params = MakeParams(2, 2);
    CRecordingEvents events;
    CDesignerGame game(nullptr, *params, &events, 3);
    CDesignerDriver driver(game);
    PickFirst(driver, game);
    driver.MoveTo(CVector4(20.0f, -10.0f, 0.0f));
    const std::vector<unsigned char> still = Print(game, true);
    driver.Frames(30);
    EXPECT_EQ(still, Print(game, true));
}

TEST(DesignerHandView, FigureRectangleCoversEveryCellCornerWhileItTurns)
{
    const CViewParams view = DesignerView();
    CDesignerFigure figure(5);
    figure.CreateModel(nullptr);
    figure.SetScale(90.0f);
    figure.SetPosition(CVector4(40.0f, -20.0f, 30.0f));
    for (float tilt : {0.0f, 20.0f})
        for (float angle : {0.0f, 30.0f, 45.0f, 80.0f})
        {
            figure.GetModel()->SetAngleZ(angle);
            CDraw2D::SRect rect{};
            ASSERT_TRUE(CDesignerHandView::FindScreenRect(figure, view, tilt, rect));
            std::vector<CVector4> centres;
            figure.GetCellCentres(centres);
            const CVector4& at = figure.GetPosition();
            const float c = figure.GetCellSize() / 2.0f, turn = -angle * 3.14159265f / 180.0f;
            for (const CVector4& centre : centres)
                for (float dx : {-c, c})
                    for (float dy : {-c, c})
                        for (float dz : {-c, c})
                        {
                            // The figure turns about its centre, as it is drawn.
                            const float x = centre.x + dx - at.x, y = centre.y + dy - at.y;
                            const CVector4 corner(at.x + x * std::cos(turn) - y * std::sin(turn),
                                                  at.y + x * std::sin(turn) + y * std::cos(turn), at.z + dz);
                            CDraw2D::SRect point{};
                            ASSERT_TRUE(ProjectBoardBox(view, tilt, corner, corner, point));
                            EXPECT_TRUE(Contains(rect, point.x + point.width / 2.0f, point.y + point.height / 2.0f))
                                << "turned " << angle << ", tilt " << tilt;
                        }
        }
}

TEST(DesignerHandView, HandGoesLiveAwayFromTheDisplayAndRestoresWhereItWas)
{
    const CViewParams view = DesignerView();
    CDesignerFigure figure(4);
    figure.CreateModel(nullptr);
    figure.SetScale(60.0f);
    CDesignerHandView hand;
    std::vector<CDraw2D::SRect> redrawn;

    figure.SetPosition(Under(view, 400, 300, 30.0f));
    ASSERT_TRUE(hand.Prepare(&figure, view, 0.0f, true, redrawn));
    ASSERT_EQ(1u, redrawn.size());
    const CDraw2D::SRect first = redrawn[0];

    redrawn.clear();
    figure.SetPosition(Under(view, 450, 320, 30.0f));
    ASSERT_TRUE(hand.Prepare(&figure, view, 0.0f, true, redrawn));
    ASSERT_EQ(2u, redrawn.size()) << "where it is and where it was";
    EXPECT_FLOAT_EQ(first.x, redrawn[1].x);
    EXPECT_FLOAT_EQ(first.y, redrawn[1].y);
    EXPECT_GT(redrawn[0].x, first.x);

    redrawn.clear();
    figure.SetPosition(Under(view, 120, 120, 30.0f));
    EXPECT_FALSE(hand.Prepare(&figure, view, 0.0f, true, redrawn)) << "over the display's texts";
    EXPECT_TRUE(redrawn.empty());

    figure.SetPosition(Under(view, 400, 300, 30.0f));
    EXPECT_TRUE(hand.Prepare(&figure, view, 0.0f, true, redrawn));
    EXPECT_EQ(1u, redrawn.size()) << "a frame drawn whole leaves nothing to restore";

    redrawn.clear();
    EXPECT_FALSE(hand.Prepare(&figure, view, 0.0f, false, redrawn));
    EXPECT_FALSE(hand.Prepare(nullptr, view, 0.0f, true, redrawn));
    EXPECT_TRUE(redrawn.empty());
}

TEST(DesignerHandView, StillFigureGoesBackAmongTheRestUntilItMoves)
{
    const CViewParams view = DesignerView();
    CDesignerFigure figure(1);
    figure.CreateModel(nullptr);
    figure.SetScale(60.0f);
    figure.SetPosition(Under(view, 400, 300, 30.0f));
    CDesignerHandView hand;
    std::vector<CDraw2D::SRect> redrawn;
    for (int frame = 0; frame < CDesignerHandView::STILL_FRAMES; ++frame)
        EXPECT_TRUE(hand.Prepare(&figure, view, 0.0f, true, redrawn)) << "frame " << frame;
    EXPECT_FALSE(hand.Prepare(&figure, view, 0.0f, true, redrawn));
    EXPECT_FALSE(hand.Prepare(&figure, view, 0.0f, true, redrawn));
    redrawn.clear();
    figure.GetModel()->SetAngleZ(10.0f);
    EXPECT_TRUE(hand.Prepare(&figure, view, 0.0f, true, redrawn)) << "turning";
    EXPECT_EQ(1u, redrawn.size());
}
