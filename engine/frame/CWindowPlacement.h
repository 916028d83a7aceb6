#pragma once
// Where the window opens on the desktop, from the stored settings.

struct SWindowPlace
{
    int x = 0;
    int y = 0;
};

class CWindowPlacement
{
public:
    // A position whose window middle would lie at or beyond the desktop's
    // right or bottom edge is halved; a zero coordinate means centred; a
    // window still wholly off the desktop after that is centred.
    static SWindowPlace Place(int x, int y, int width, int height, int desktop_width, int desktop_height);
};
