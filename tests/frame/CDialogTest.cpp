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

TEST(CDialog, WindowPixelsMapIntoTheDialogAndItsChildrenTruncatedAndZeroSizesOneToOne)
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
    // Children get the mapped place; with no OS window the window's size is the dialog's logical size.
    CAppWindow window("Test", nullptr);
    CTestDialog dialog;
    CRecordingWidget widget;
    dialog.AddChild(&widget);
    dialog.SetLogicalSize(800, 600);
    dialog.SetPosition(100, 50);
    dialog.OnLButtonDown(150, 80, 1);
    EXPECT_EQ(50, widget.m_x);
    EXPECT_EQ(30, widget.m_y);
}

TEST(CDialog, EscapeClosesWithOneAndEnterWithZeroAfterTheChildrenSawTheKeyAndOtherKeysOnlyReachThem)
{
    const struct
    {
        int key, result;
        bool closes;
    } cases[] = {{27, 1, true}, {13, 0, true}, {65, 4, false}};
    for (const auto& c : cases)
    {
        CAppWindow window("Test", nullptr);
        CTestDialog owner;
        CTestDialog dialog;
        CRecordingWidget widget;
        dialog.AddChild(&widget);
        window.SetScreen(&owner);
        window.OpenOverlay(&dialog);
        dialog.SetResult(4);
        dialog.OnKeyDown(c.key);
        EXPECT_EQ(c.result, dialog.GetResult()) << c.key;
        EXPECT_EQ((std::vector<int>{c.key}), widget.m_keys);
        EXPECT_EQ(c.closes, window.GetStack().IsCloseRequested()) << c.key;
        window.GetStack().Update(1.0f, true);
        EXPECT_EQ(c.closes ? 0u : 1u, window.GetStack().GetOverlayCount()) << c.key;
    }
}
