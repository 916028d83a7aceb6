#include <gtest/gtest.h>

#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CDialog.h"
#include "engine/widgets/CWidget.h"

namespace
{
class CRecordingWidget : public CWidget
{
public:
    bool OnLButtonDown(int x, int y, unsigned) override
    {
        m_x = x;
        m_y = y;
        return true;
    }
    void OnKeyDown(int key) override { m_keys.push_back(key); }
    int m_x = -1;
    int m_y = -1;
    std::vector<int> m_keys;
};

class CTestDialog : public CDialog
{
public:
    void OnCommand(CWidget*) override {}
};
}

TEST(CDialog, WindowPixelsMapIntoTheDialogTruncatedAndZeroSizesOneToOne)
{
    const struct
    {
        int logicalWidth, logicalHeight, left, top, x, y, windowWidth, windowHeight, dialogX, dialogY;
    } cases[] = {
        {800, 600, 100, 50, 512, 384, 1024, 768, 300, 250},
        {800, 600, 0, 0, 1023, 767, 1024, 768, 799, 599},
        {0, 0, 0, 0, 40, 30, 0, 0, 40, 30},
    };
    for (const auto& c : cases)
    {
        CTestDialog dialog;
        dialog.SetLogicalSize(c.logicalWidth, c.logicalHeight);
        dialog.SetPosition(c.left, c.top);
        int x = 0, y = 0;
        dialog.MapToDialog(c.x, c.y, c.windowWidth, c.windowHeight, x, y);
        EXPECT_EQ(c.dialogX, x) << c.x;
        EXPECT_EQ(c.dialogY, y) << c.y;
    }
}

TEST(CDialog, ChildrenGetMappedPositions)
{
    CAppWindow window("Test", nullptr);
    CTestDialog dialog;
    CRecordingWidget widget;
    dialog.AddChild(&widget);
    dialog.SetLogicalSize(800, 600);
    dialog.SetPosition(100, 50);
    // No OS window: the window's size falls back to the dialog's logical size.
    dialog.OnLButtonDown(150, 80, 1);
    EXPECT_EQ(50, widget.m_x);
    EXPECT_EQ(30, widget.m_y);
}

TEST(CDialog, EscapeClosesWithResultOneAfterChildrenSawTheKey)
{
    CAppWindow window("Test", nullptr);
    CTestDialog dialog;
    CRecordingWidget widget;
    dialog.AddChild(&widget);
    CTestDialog owner;
    window.SetScreen(&owner);
    window.OpenOverlay(&dialog);
    dialog.OnKeyDown(27);
    EXPECT_EQ(1, dialog.GetResult());
    EXPECT_EQ((std::vector<int>{27}), widget.m_keys);
    EXPECT_EQ(1u, window.GetStack().GetOverlayCount());
    EXPECT_TRUE(window.GetStack().IsCloseRequested());
    window.GetStack().Update(1.0f, true);
    EXPECT_EQ(0u, window.GetStack().GetOverlayCount());
}

TEST(CDialog, EnterClosesWithResultZero)
{
    CAppWindow window("Test", nullptr);
    CTestDialog owner;
    CTestDialog dialog;
    window.SetScreen(&owner);
    window.OpenOverlay(&dialog);
    dialog.SetResult(5);
    dialog.OnKeyDown(13);
    EXPECT_EQ(0, dialog.GetResult());
    EXPECT_TRUE(window.GetStack().IsCloseRequested());
}

TEST(CDialog, OtherKeysOnlyReachTheChildren)
{
    CAppWindow window("Test", nullptr);
    CTestDialog dialog;
    CRecordingWidget widget;
    dialog.AddChild(&widget);
    dialog.SetResult(4);
    dialog.OnKeyDown(65);
    EXPECT_EQ(4, dialog.GetResult());
    EXPECT_FALSE(window.GetStack().IsCloseRequested());
    EXPECT_EQ((std::vector<int>{65}), widget.m_keys);
}
