#pragma once

#include <functional>

class CGameApp;
class CGameBackground;
class CLevelBricksEffect;
class CLevelFlipEffect;

// What a kind puts into the frame every game draws. Only the board and the
// heads-up display are the kind's own; the rest is the same for all kinds.
struct SGameFrame
{
    CGameBackground* background = nullptr;
    // The kind's turn of the board towards the player, degrees about x.
    float tilt = 0.0f;
    // The running level effects, null when none runs; each turns the board.
    const CLevelBricksEffect* startEffect = nullptr;
    const CLevelFlipEffect* endEffect = nullptr;
    // Sparkles over the board, drawn without the depth test and stepped.
    bool sparkles = true;
    // Whether the heads-up display (and whatever the screen draws after it)
    // is drawn with the depth test on.
    bool hudDepthTest = true;
    // Optional: drawn on the background in the logical screen.
    std::function<void()> drawOverBackground;
    std::function<void()> drawBoard;
    std::function<void()> drawHud;
};

// Background in the logical screen, then the board in perspective under the
// camera, the tilt and the effects' turns, then the heads-up display in the
// logical screen again. Does nothing without an application (headless runs).
void DrawGameFrame(CGameApp* app, const SGameFrame& frame);
