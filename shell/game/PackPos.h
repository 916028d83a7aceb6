#pragma once

// A board cell packed into one integer: column in the high half, row in the low
// sixteen bits. Saved games store cells in this form, so the layout is fixed.
inline int PackPos(int x, int y)
{
    return static_cast<int>((static_cast<unsigned>(x) << 16) | (static_cast<unsigned>(y) & 0xFFFFu));
}

inline int UnpackPosX(int pos) { return pos >> 16; }
inline int UnpackPosY(int pos) { return pos & 0xFFFF; }
