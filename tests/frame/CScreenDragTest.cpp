#include <gtest/gtest.h>

#include <utility>

#include "engine/frame/CScreen.h"
#include "engine/widgets/CWidget.h"
#include "engine/frame/CWindowFrame.h"

namespace
{
class CFakeFrame : public CWindowFrame
{
public:
    bool GetWindowRect(SWindowRect& rect) const override
    {
        rect = SWindowRect{m_left, m_top, m_left + 800, m_top + 600};
        return true;
    }
    bool GetCursorPos(int& x, int& y) const override
    {
        x = m_cursor_x;
        y = m_cursor_y;
        return true;
    }
    void MoveWindowTo(int left, int top) override
    {
        m_left = left;
        m_top = top;
        ++m_moves;
    }

    int m_left = 100;
    int m_top = 100;
    int m_cursor_x = 0;
    int m_cursor_y = 0;
    int m_moves = 0;
};

// A widget that takes the mouse inside a small square, like a button.
class CSquareWidget : public CWidget
{
public:
    bool OnLButtonDown(int x, int y, unsigned) override { return Inside(x, y); }
    bool OnMouseMove(int x, int y, unsigned) override { return Inside(x, y) && m_hover; }
    void Reset() override { ++m_resets; }
    static bool Inside(int x, int y) { return x >= 10 && x <= 20 && y >= 10 && y <= 20; }
    bool m_hover = false;
    int m_resets = 0;
};

class CScreenDragTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWindowFrame::SetCurrent(&m_frame);
        m_screen.AddChild(&m_widget);
        m_screen.SetDraggable(true);
    }
    void TearDown() override { CWindowFrame::SetCurrent(nullptr); }

    void PressAt(int client_x, int client_y)
    {
        m_frame.m_cursor_x = m_frame.m_left + client_x;
        m_frame.m_cursor_y = m_frame.m_top + client_y;
        m_screen.OnLButtonDown(client_x, client_y, 1);
    }
    void MoveBy(int dx, int dy)
    {
        m_frame.m_cursor_x += dx;
        m_frame.m_cursor_y += dy;
        m_screen.OnMouseMove(m_frame.m_cursor_x - m_frame.m_left, m_frame.m_cursor_y - m_frame.m_top, 1);
    }

    CFakeFrame m_frame;
    CSquareWidget m_widget;
    CScreen m_screen;
};
}

TEST_F(CScreenDragTest, DragStartsOnlyOnEmptySpaceOfADraggableScreenFollowsTheCursorExactlyAndEndsOnRelease)
{
    // What comes after a press at (x, y), then whether the window follows two
    // moves of the cursor by exactly their sum.
    const struct
    {
        const char* name;
        int x, y;
        bool draggable;
        // '-' nothing, 'u' release, 'o' cursor leaves the window and an update,
        // 'a' the screen is activated again, 'w' a widget takes a move, 'n' the
        // press came while there was no window
        char then;
        bool follows;
    } cases[] = {
        {"empty space", 300, 300, true, '-', true},
        {"a widget", 15, 15, true, '-', false},
        {"not draggable", 300, 300, false, '-', false},
        {"released", 300, 300, true, 'u', false},
        {"cursor outside at the next update", 300, 300, true, 'o', false},
        {"activated", 300, 300, true, 'a', false},
        {"move taken by a widget", 300, 300, true, 'w', false},
        {"no window at the press", 300, 300, true, 'n', false},
    };
    for (const auto& c : cases)
    {
        m_frame.m_left = 100;
        m_frame.m_top = 100;
        m_frame.m_moves = 0;
        m_widget.m_hover = false;
        m_screen.SetDraggable(c.draggable);
        m_screen.Activate();
        if (c.then == 'n')
            CWindowFrame::SetCurrent(nullptr);
        PressAt(c.x, c.y);
        CWindowFrame::SetCurrent(&m_frame);
        if (c.then == 'u')
            m_screen.OnLButtonUp(c.x, c.y, 0);
        if (c.then == 'o')
            m_frame.m_cursor_x = m_frame.m_left - 5;
        if (c.then == 'a')
            m_screen.Activate();
        if (c.then == 'w')
        {
            m_widget.m_hover = true;
            MoveBy(15 - c.x, 15 - c.y);
            m_frame.m_moves = 0;
        }
        m_screen.Update(16.0f);
        MoveBy(25, -10);
        MoveBy(5, 5);
        EXPECT_EQ(m_frame.m_moves != 0, c.follows) << c.name;
        if (c.follows)
        {
            EXPECT_EQ(std::make_pair(130, 95), std::make_pair(m_frame.m_left, m_frame.m_top)) << c.name;
        }
    }
    // Every activation resets the widgets: once per case, twice for "activated".
    EXPECT_EQ(9, m_widget.m_resets);
}
