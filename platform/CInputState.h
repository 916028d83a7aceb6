#pragma once
// Keyboard and mouse as the event pump last saw them, indexed by virtual-key
// number and by mouse button (0 left, 1 right, 2 middle). Polled once a frame.

#include "platform/CPressLatch.h"

class CInputState
{
public:
    enum { KEY_COUNT = 256, BUTTON_COUNT = 4 };

    CInputState();
    static CInputState& Instance();

    void OnKeyDown(int vk);
    void OnKeyUp(int vk);
    void OnButtonDown(int button);
    void OnButtonUp(int button);
    void OnMouseMove(int x, int y, int dx, int dy);
    // The pointer left the window; the next move brings it back.
    void OnMouseLeave() { m_inside = false; }
    bool IsMouseInside() const { return m_inside; }
    // Keys and buttons held while the window lost the input are released.
    void ReleaseAll();

    bool IsKeyDown(int vk) const;
    bool IsButtonDown(int button) const;
    int GetMouseX() const { return m_mouse_x; }
    int GetMouseY() const { return m_mouse_y; }

    // Key bytes and button bytes (0x80 = held or pressed since the last
    // snapshot) and the mouse movement summed since the last snapshot.
    void SnapshotKeys(unsigned char* keys);
    void SnapshotMouse(int& dx, int& dy, unsigned char* buttons);
    // Called once a frame after the update: presses not polled for in that
    // frame are forgotten, so a click on a menu never reaches a later game.
    void EndFrame();

private:
    CPressLatch m_keys;
    CPressLatch m_buttons;
    int m_mouse_x;
    int m_mouse_y;
    int m_move_x;
    int m_move_y;
    bool m_inside = true;
};
