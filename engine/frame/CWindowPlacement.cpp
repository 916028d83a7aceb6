#include "engine/frame/CWindowPlacement.h"

namespace
{
int Centred(long long desktop, long long size)
{
    return static_cast<int>((desktop - size) / 2);
}

// Within 0..highest; 0 where the window fills the desktop.
long long Clamped(long long position, long long highest)
{
    return position > highest ? highest : position < 0 ? 0 : position;
}
}

SWindowPlace CWindowPlacement::Place(int x, int y, int width, int height, int desktop_width, int desktop_height)
{
    SWindowPlace place;
    place.width = width;
    place.height = height;
    if (desktop_width > 0 && place.width > desktop_width)
        place.width = desktop_width;
    if (desktop_height > 0 && place.height > desktop_height)
        place.height = desktop_height;

    // Wide arithmetic: the stored numbers may be anything an int holds.
    long long px = x;
    long long py = y;
    const long long w = place.width;
    const long long h = place.height;
    if (desktop_width <= w / 2 + px)
        px /= 2;
    if (desktop_height <= h / 2 + py)
        py /= 2;
    if (px == 0)
        px = Centred(desktop_width, w);
    if (py == 0)
        py = Centred(desktop_height, h);
    // Halving once does not bring back a window stored far away (another
    // monitor, a larger desktop): one that would not show at all is centred.
    const bool off = px + w <= 0 || px >= desktop_width || py + h <= 0 || py >= desktop_height;
    if (off)
    {
        px = Centred(desktop_width, w);
        py = Centred(desktop_height, h);
    }
    // What is left partly off the desktop puts its title bar or its buttons
    // out of reach: it is moved onto it, no further than it needs. A window
    // as wide or as high as the desktop (one stored larger is cut to it)
    // ends at its left or top edge.
    if (desktop_width > 0)
        px = Clamped(px, desktop_width - w);
    if (desktop_height > 0)
        py = Clamped(py, desktop_height - h);
    place.x = static_cast<int>(px);
    place.y = static_cast<int>(py);
    return place;
}
