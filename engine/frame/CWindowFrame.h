#pragma once
// What a screen needs of the OS window to let the player drag it: its outer
// rectangle, the cursor on the desktop, and a way to move it. The application
// window provides it; tests put a fake in its place.

struct SWindowRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CWindowFrame
{
public:
    virtual ~CWindowFrame() = default;
    virtual bool GetWindowRect(SWindowRect& rect) const = 0;
    virtual bool GetCursorPos(int& x, int& y) const = 0;
    virtual void MoveWindowTo(int left, int top) = 0;

    // The frame screens drag; null when there is no window (headless runs).
    static CWindowFrame* GetCurrent();
    static void SetCurrent(CWindowFrame* frame);
};
