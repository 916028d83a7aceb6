#pragma once

#include <vector>

#include "shell/game/CFramePrint.h"

// The frame print of anything with AddToPrint (a brick, a field, a game),
// as bytes to compare between two moments.
template <class T>
std::vector<unsigned char> FramePrintOf(const T& drawn)
{
    CFramePrint print;
    drawn.AddToPrint(print);
    return print.GetBytes();
}
