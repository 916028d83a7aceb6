#include "engine/frame/CWindowPlacement.h"

SWindowPlace CWindowPlacement::Place(int x, int y, int width, int height, int desktop_width, int desktop_height)
{
    SWindowPlace place;
    place.x = x;
    place.y = y;
    if (desktop_width <= width / 2 + place.x)
        place.x /= 2;
    if (desktop_height <= height / 2 + place.y)
        place.y /= 2;
    if (place.x == 0)
        place.x = (desktop_width - width) / 2;
    if (place.y == 0)
        place.y = (desktop_height - height) / 2;
    // Halving once does not bring back a window stored far away (another
    // monitor, a larger desktop): one that would not show at all is centred.
    const bool off = place.x + width <= 0 || place.x >= desktop_width || place.y + height <= 0 ||
                     place.y >= desktop_height;
    if (off)
    {
        place.x = (desktop_width - width) / 2;
        place.y = (desktop_height - height) / 2;
    }
    return place;
}
