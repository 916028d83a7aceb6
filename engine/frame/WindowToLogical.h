#pragma once

// Window pixels -> the logical screen (800 x 600) in which screens, dialogs
// and the HUD are laid out: x / (window width / logical width), likewise y,
// each truncated toward zero. An axis whose window or logical size is not
// positive (no window yet, minimised) maps one to one instead of dividing by
// zero. Every screen that scales the pointer uses this one function.
void WindowToLogical(int x, int y, int windowWidth, int windowHeight, int logicalWidth, int logicalHeight,
                     int& lx, int& ly);
