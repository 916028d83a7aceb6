#include "engine/frame/WindowToLogical.h"

namespace
{
int MapAxis(int value, int windowSize, int logicalSize)
{
    if (windowSize <= 0 || logicalSize <= 0)
        return value;
    return static_cast<int>(static_cast<float>(value) / (static_cast<float>(windowSize) / logicalSize));
}
}

void WindowToLogical(int x, int y, int windowWidth, int windowHeight, int logicalWidth, int logicalHeight,
                     int& lx, int& ly)
{
    lx = MapAxis(x, windowWidth, logicalWidth);
    ly = MapAxis(y, windowHeight, logicalHeight);
}
