#pragma once

#include <functional>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "shell/game/CFramePrint.h"

class CGameApp;
class CGameBackground;
class CGameFrameCache;
class CLevelBricksEffect;
class CLevelFlipEffect;
class CViewParams;

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

    // The screen's cache (see CGameFrameCache) and the kind's fingerprint:
    // appends every value its drawing functions read or change. Without
    // either, every frame is drawn whole.
    CGameFrameCache* cache = nullptr;
    std::function<void(CFramePrint&)> fingerprint;
    // Optional: small things that change every frame (a turning icon, a
    // blinking mark), drawn last in every frame under the board's camera,
    // never held; left out of the fingerprint.
    std::function<void()> drawLive;
    // drawLive tests the depth: the window's depth is cleared under it first.
    // A kind whose live drawing never tests it spares the renderer the clears.
    bool liveDepth = true;
    // Logical rectangles drawn again in every frame: where drawLive draws and
    // where the screen draws its widgets after the frame. They get
    // background, sparkles and content in this frame and the next (where
    // what was drawn live may have moved away from).
    std::vector<CDraw2D::SRect> redrawn;
};

// Background in the logical screen, then the board in perspective under the
// camera, the tilt and the effects' turns, then the heads-up display in the
// logical screen again; depth cleared first. With a cache, the kind's part
// may come from the picture held there (see CGameFrameCache). Does nothing
// without an application (headless runs).
void DrawGameFrame(CGameApp* app, const SGameFrame& frame);

// The logical rectangle (800 x 600) a part of a print draws within, seen
// through the view with the board tilted this much: a screen part's own; a
// board part's box projected (the whole screen without a box, or with one
// partly behind the eye), cut to its clip's projection when it has one.
CDraw2D::SRect GetPartRect(const CFramePrint::SPart& part, const CViewParams& view, float tilt);
