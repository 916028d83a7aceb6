#pragma once
// The drawing state every screen and dialog starts drawing from. The screen
// stack puts it in force before each of them draws, so that nothing one of
// them switched on (a game's depth test, blending, lighting) reaches the
// next: flat, unlit, untextured and opaque, no depth test but the depth
// written, no alpha test, no scissor, white, textures modulated. Each
// drawer switches on what it relies on beyond that itself.

#include <string>

class CDrawState
{
public:
    static void Rest();
    // The names of the switches that differ from the resting state, one
    // after the other; empty while it is in force.
    static std::string DescribeChanges();
};
