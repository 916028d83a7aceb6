#include "platform/CPlatformEvents.h"

#include <SDL.h>

namespace
{
// (Uint32)-1 is SDL's own "no event type" answer.
uint32_t s_close_type = static_cast<uint32_t>(-1);
uint32_t s_quit_type = static_cast<uint32_t>(-1);
}

void CPlatformEvents::Register()
{
    if (s_close_type != static_cast<uint32_t>(-1))
        return;
    const uint32_t first = SDL_RegisterEvents(2);
    if (first == static_cast<uint32_t>(-1))
        return;
    s_close_type = first;
    s_quit_type = first + 1;
}

uint32_t CPlatformEvents::GetCloseType()
{
    return s_close_type;
}

uint32_t CPlatformEvents::GetQuitType()
{
    return s_quit_type;
}

bool CPlatformEvents::Push(uint32_t type, int code)
{
    if (type == static_cast<uint32_t>(-1))
        return false;
    SDL_Event event;
    SDL_zero(event);
    event.type = type;
    event.user.code = code;
    return SDL_PushEvent(&event) == 1;
}
