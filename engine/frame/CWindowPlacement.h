#pragma once
// Where the window opens on the desktop, and at what size, from the stored
// settings.

struct SWindowPlace
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class CWindowPlacement
{
public:
    // The stored size is cut to the desktop (a window larger than the
    // desktop cannot be opened or puts its buttons out of reach). A position
    // whose window middle would lie at or beyond the desktop's right or
    // bottom edge is halved; a zero coordinate means centred; a window still
    // wholly off the desktop after that is centred, one partly off it is
    // moved onto it the least it needs, so the whole window shows. Any stored
    // numbers are safe: nothing here overflows. A desktop size of 0 (unknown)
    // cuts and moves nothing.
    static SWindowPlace Place(int x, int y, int width, int height, int desktop_width, int desktop_height);
};
