#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame/CScreenStack.h"
#include "tests/frame/CFakeScreen.h"

namespace
{
using Log = std::vector<std::string>;

class CScreenStackTest : public ::testing::Test
{
protected:
    Log m_log;
    CFakeScreen m_a{"A", m_log};
    CFakeScreen m_b{"B", m_log};
    CFakeScreen m_d1{"D1", m_log};
    CFakeScreen m_d2{"D2", m_log};
    CScreenStack m_stack;
};
}

TEST_F(CScreenStackTest, SetScreenActivatesThenMakesCurrentAndKeepsTheOneBelow)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    EXPECT_EQ((Log{"A.Activate", "B.Activate"}), m_log);
    EXPECT_EQ(&m_b, m_stack.GetCurrentScreen());
    EXPECT_EQ(2u, m_stack.GetScreenCount());
}

TEST_F(CScreenStackTest, OpeningAnOverlayActivatesItThenTheScreen)
{
    m_stack.SetScreen(&m_a);
    m_log.clear();
    m_stack.OpenOverlay(&m_d1);
    EXPECT_EQ((Log{"D1.Activate", "A.Activate"}), m_log);
    EXPECT_EQ(&m_d1, m_stack.GetTarget());
}

TEST_F(CScreenStackTest, DeferredOverlayCloseWaitsForTheNextUpdateThenTellsTheOwner)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_log.clear();
    m_d1.SetResult(1);
    m_stack.CloseScreen(false);
    EXPECT_EQ(1u, m_stack.GetOverlayCount());
    EXPECT_TRUE(m_log.empty());
    m_stack.Update(16.0f, true);
    EXPECT_EQ(0u, m_stack.GetOverlayCount());
    EXPECT_EQ((Log{"A.DialogClosed(1,D1)", "A.Update(16)"}), m_log);
}

TEST_F(CScreenStackTest, TwoDeferredClosesInOneFrameCloseOnlyTheNewest)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_stack.OpenOverlay(&m_d2);
    m_log.clear();
    m_stack.CloseScreen(false);
    m_stack.CloseScreen(false);
    m_stack.Update(10.0f, true);
    EXPECT_EQ(1u, m_stack.GetOverlayCount());
    EXPECT_EQ((Log{"D1.DialogClosed(0,D2)", "D1.Update(10)"}), m_log);
    m_log.clear();
    m_stack.Update(10.0f, true);
    EXPECT_EQ((Log{"D1.Update(10)"}), m_log);
}

TEST_F(CScreenStackTest, ClosingAScreenUncoversTheOneBelowWhichIsToldThenActivated)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_log.clear();
    m_stack.CloseScreen(false);
    m_stack.Update(5.0f, true);
    EXPECT_EQ(&m_a, m_stack.GetCurrentScreen());
    EXPECT_EQ((Log{"A.ScreenClosed(B)", "A.Activate", "A.Update(5)"}), m_log);
}

TEST_F(CScreenStackTest, ImmediateScreenCloseTellsAtOnce)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_log.clear();
    m_stack.CloseScreen(true);
    EXPECT_EQ((Log{"A.ScreenClosed(B)", "A.Activate"}), m_log);
}

TEST_F(CScreenStackTest, TheLastScreenNeverLeaves)
{
    m_stack.SetScreen(&m_a);
    m_log.clear();
    m_stack.CloseScreen(false);
    m_stack.Update(1.0f, true);
    m_stack.CloseScreen(true);
    EXPECT_EQ(1u, m_stack.GetScreenCount());
    EXPECT_EQ(&m_a, m_stack.GetCurrentScreen());
    EXPECT_EQ((Log{"A.Update(1)"}), m_log);
}

TEST_F(CScreenStackTest, ImmediateOverlayCloseLeavesAtOnceButTheOwnerIsToldAtTheNextUpdate)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_log.clear();
    m_d1.SetResult(7);
    m_stack.CloseScreen(true);
    EXPECT_EQ(0u, m_stack.GetOverlayCount());
    EXPECT_TRUE(m_log.empty());
    m_stack.Update(2.0f, true);
    EXPECT_EQ((Log{"A.DialogClosed(7,D1)", "A.Update(2)"}), m_log);
}

TEST_F(CScreenStackTest, TwoImmediateOverlayClosesAreBothReportedInOrder)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_stack.OpenOverlay(&m_d2);
    m_log.clear();
    m_stack.CloseScreen(true);
    m_stack.CloseScreen(true);
    m_stack.Update(2.0f, false);
    EXPECT_EQ((Log{"A.DialogClosed(0,D2)", "A.DialogClosed(0,D1)"}), m_log);
}

TEST_F(CScreenStackTest, ScreenClosedWhileAnOverlayNoticeWaitsIsStillReported)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_stack.OpenOverlay(&m_d1);
    m_log.clear();
    m_stack.CloseScreen(true);
    m_stack.CloseScreen(false);
    m_stack.Update(3.0f, true);
    EXPECT_EQ((Log{"A.ScreenClosed(B)", "A.Activate", "A.DialogClosed(0,D1)", "A.Update(3)"}), m_log);
}

TEST_F(CScreenStackTest, InputGoesOnlyToTheNewestOverlay)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_stack.OpenOverlay(&m_d2);
    m_log.clear();
    m_stack.OnKeyDown(27);
    m_stack.OnChar('x', 1);
    m_stack.OnMouseMove(1, 2, 0);
    m_stack.OnLButtonDown(3, 4, 0);
    m_stack.OnLButtonUp(5, 6, 0);
    m_stack.OnRButtonUp(7, 8, 0);
    m_stack.Update(4.0f, true);
    EXPECT_EQ((Log{"D2.Key(27)", "D2.Char(120)", "D2.Move(1,2)", "D2.LDown(3,4)", "D2.LUp(5,6)", "D2.RUp(7,8)",
                   "D2.Update(4)"}),
              m_log);
}

TEST_F(CScreenStackTest, WithoutOverlaysInputGoesToTheTopScreenOnly)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_log.clear();
    m_stack.OnKeyDown(13);
    m_stack.Update(4.0f, true);
    EXPECT_EQ((Log{"B.Key(13)", "B.Update(4)"}), m_log);
}

TEST_F(CScreenStackTest, DrawsTheTopScreenThenOverlaysOldestFirst)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_stack.OpenOverlay(&m_d1);
    m_stack.OpenOverlay(&m_d2);
    m_log.clear();
    m_stack.Render();
    EXPECT_EQ((Log{"B.Draw", "D1.Draw", "D2.Draw"}), m_log);
}

TEST_F(CScreenStackTest, InactiveUpdateStillClosesAndNotifiesButUpdatesNothing)
{
    m_stack.SetScreen(&m_a);
    m_stack.OpenOverlay(&m_d1);
    m_log.clear();
    m_stack.CloseScreen(false);
    m_stack.Update(16.0f, false);
    EXPECT_EQ((Log{"A.DialogClosed(0,D1)"}), m_log);
}

TEST_F(CScreenStackTest, F5AsksForTheNextTrackThenPassesThrough)
{
    int tracks = 0;
    m_stack.SetNextTrackHandler([&tracks, this]() {
        ++tracks;
        m_log.push_back("NextTrack");
    });
    m_stack.SetScreen(&m_a);
    m_log.clear();
    m_stack.OnKeyDown(116);
    m_stack.OnKeyDown(115);
    EXPECT_EQ(1, tracks);
    EXPECT_EQ((Log{"NextTrack", "A.Key(116)", "A.Key(115)"}), m_log);
}

TEST_F(CScreenStackTest, RemoveScreenTellsNobody)
{
    m_stack.SetScreen(&m_a);
    m_stack.SetScreen(&m_b);
    m_log.clear();
    EXPECT_TRUE(m_stack.RemoveScreen(&m_a));
    EXPECT_FALSE(m_stack.RemoveScreen(&m_a));
    EXPECT_EQ(&m_b, m_stack.GetCurrentScreen());
    EXPECT_EQ(1u, m_stack.GetScreenCount());
    EXPECT_TRUE(m_log.empty());
}

TEST_F(CScreenStackTest, EmptyStackIgnoresEverything)
{
    m_stack.OnKeyDown(27);
    m_stack.CloseScreen(true);
    m_stack.CloseScreen(false);
    m_stack.Update(1.0f, true);
    m_stack.Render();
    EXPECT_EQ(nullptr, m_stack.GetTarget());
    EXPECT_TRUE(m_log.empty());
}

namespace
{
// An owner that deletes its dialog when told, as every real owner does.
class COwner : public CScreen
{
public:
    void OnDialogClosed(int result, CScreen* dialog) override
    {
        m_result = result;
        delete dialog;
        ++m_closed;
    }
    int m_result = -1;
    int m_closed = 0;
};
}

TEST(CScreenStackOwnership, OwnerMayDeleteTheDialogItIsToldAbout)
{
    CScreenStack stack;
    COwner owner;
    stack.SetScreen(&owner);
    CScreen* dialog = new CScreen();
    stack.OpenOverlay(dialog);
    dialog->SetResult(1);
    stack.CloseScreen(false);
    stack.Update(1.0f, true);
    EXPECT_EQ(1, owner.m_closed);
    EXPECT_EQ(1, owner.m_result);
    stack.Update(1.0f, true);
    EXPECT_EQ(1, owner.m_closed);
}
