#include "platform/CKeyMap.h"

#include <SDL_keycode.h>

int CKeyMap::ToVirtualKey(int sdl_keycode)
{
    if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z)
        return 'A' + (sdl_keycode - SDLK_a);
    if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9)
        return '0' + (sdl_keycode - SDLK_0);
    if (sdl_keycode >= SDLK_F1 && sdl_keycode <= SDLK_F12)
        return VK_F1 + (sdl_keycode - SDLK_F1);
    if (sdl_keycode >= SDLK_KP_1 && sdl_keycode <= SDLK_KP_9)
        return 97 + (sdl_keycode - SDLK_KP_1);   // numpad 1..9
    switch (sdl_keycode)
    {
    case SDLK_KP_0: return 96;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    default: return 0;
    }
}

int CKeyMap::ToCharBytes(const char* utf8, char* out, int out_size)
{
    if (utf8 == nullptr || out == nullptr)
        return 0;
    int count = 0;
    // Bytes of multi-byte sequences are all >= 0x80, so they are skipped
    // whole: a typed letter outside ASCII gives nothing rather than garbage.
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p != 0 && count < out_size; ++p)
    {
        if (*p >= 32 && *p <= 126)
            out[count++] = static_cast<char>(*p);
    }
    return count;
}
