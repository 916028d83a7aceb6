#pragma once
// Keyboard and mouse as the running game polls them once a frame. A press
// that starts and ends within one frame still shows as held in that poll.

#include <cstdint>

class CPlatformWindow;

// The polled mouse: movement since the last poll on three axes, then the
// button bytes (0 left, 1 right, 2 middle); 0x80 = held.
struct SMouseState
{
    int32_t lX = 0;
    int32_t lY = 0;
    int32_t lZ = 0;
    unsigned char rgbButtons[4] = {0, 0, 0, 0};
};

struct SPoint
{
    int32_t x = 0;
    int32_t y = 0;
};

class CInput
{
public:
    enum { KEY_COUNT = 256 };

    CInput();
    ~CInput();

    // Binds to the window whose client area the cursor is mapped into.
    bool Create(CPlatformWindow* window);
    void Release();
    bool IsCreated() const { return m_window != nullptr; }

    // Reads the keyboard and the mouse; without a window it reads nothing.
    void Poll();
    const SMouseState* GetMouseState() const { return &m_mouse_state; }
    // From now on each mouse button reads as up until a poll has seen it up:
    // a press that began on another screen (the menus act on the press) must
    // not reach the one that has just opened, however long it is held.
    void HoldButtonsUntilReleased();
    // False while the pointer is outside the window: GetMousePos is then
    // only where it left.
    bool IsMouseInside() const;
    // Cursor position in drawable pixels of the bound window.
    SPoint GetMousePos() const;
    // Virtual-key number held at the last poll.
    bool IsKeyDown(int vk) const;
    const unsigned char* GetKeyState() const { return m_key_state; }

private:
    CPlatformWindow* m_window;
    unsigned char m_key_state[KEY_COUNT];
    SMouseState m_mouse_state;
    bool m_await_release[sizeof(SMouseState::rgbButtons)] = {};
};
