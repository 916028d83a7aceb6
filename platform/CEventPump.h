#pragma once
// Hands over the pending window events one at a time, already translated into
// the game's terms (virtual keys, single-byte characters, drawable pixels).
// Keeps CInputState up to date as a side effect.

#include <deque>

union SDL_Event;

enum class EPlatformEvent
{
    None,
    Quit,          // end the main loop; m_code carries the exit code
    CloseRequest,  // the window manager, Alt+F4 or the program asks to close
    KeyDown,       // m_key: virtual-key number
    KeyUp,
    Char,          // m_key: a character byte 32..126
    MouseMove,     // m_x, m_y in drawable pixels; m_flags as below
    LButtonDown,
    LButtonUp,
    RButtonDown,
    RButtonUp,
    Shown,
    Hidden,
    Exposed,
    Minimized,
    Restored,
    FocusGained,
    FocusLost
};

struct SPlatformEvent
{
    // Mouse flags: the held buttons and modifier keys at the time of the event.
    enum { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08, MK_MBUTTON = 0x10 };

    EPlatformEvent m_type = EPlatformEvent::None;
    int m_key = 0;
    int m_x = 0;
    int m_y = 0;
    unsigned int m_flags = 0;
    int m_code = 0;
};

class CEventPump
{
public:
    // Takes one pending event; false when none is waiting.
    static bool Poll(SPlatformEvent& event);

    // Translates one SDL event into zero or more game events (typed text may
    // give several characters). Pure apart from CInputState; used by tests.
    // scale_x/scale_y map window coordinates to drawable pixels.
    static void Translate(const SDL_Event& sdl, float scale_x, float scale_y,
                          std::deque<SPlatformEvent>& out);
};
