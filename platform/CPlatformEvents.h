#pragma once
// The program's own event types (the orderly close request and the end of
// the main loop), registered with the event queue once at start-up.

#include <cstdint>

class CPlatformEvents
{
public:
    static void Register();
    static uint32_t GetCloseType();
    static uint32_t GetQuitType();
    // False when the queue is not running or the types are not registered.
    static bool Push(uint32_t type, int code);
};
