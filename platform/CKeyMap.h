#pragma once
// Translation of the system's key codes into the virtual-key numbers every
// screen compares against (Esc 27, Enter 13, arrows 37-40, F1 112...).

class CKeyMap
{
public:
    // Virtual-key numbers the game names.
    enum
    {
        VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
        VK_PAUSE = 19, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35,
        VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45,
        VK_DELETE = 46, VK_F1 = 112, VK_F4 = 115, VK_F5 = 116, VK_F12 = 123
    };

    // The virtual-key number of an SDL key code, 0 for keys the game never names.
    static int ToVirtualKey(int sdl_keycode);
    // Typed text (UTF-8) reduced to the printable single bytes 32..126 it
    // holds; anything else is dropped. Returns the count written to out.
    static int ToCharBytes(const char* utf8, char* out, int out_size);
};
