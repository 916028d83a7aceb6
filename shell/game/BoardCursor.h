#pragma once

// How every kind turns the mouse into a point and a cell of its board. The
// players poll the mouse themselves once a frame (window mouse messages play
// no part in the board), cast the cursor onto a plane at a given height above
// the board, and convert the point to a cell.
//
// A kind can rely on:
// - the cast point lying under the cursor in any window size, because it uses
//   the projection's own aspect, not a fixed 4:3;
// - CellFromPoint flooring, so a point left of column 0 or above row 0 is off
//   the board (a truncating conversion would take a strip one cell wide
//   beyond those edges as column 0 or row 0).

#include "engine/gfx/CDraw2D.h"

class CGameApp;
class CVector4;
class CViewParams;

// The point at height z = aimHeight under the window pixel (mx, my) of a
// window of width x height pixels, seen through a camera at z = cameraZ with
// the given near plane, vertical field of view (degrees) and aspect ratio;
// viewScale is the kind's view scale. x grows to the right, y upward.
CVector4 CastCursor(int mx, int my, int width, int height, float nearPlane, float fov, float aspect,
                    float cameraZ, float viewScale, float aimHeight);
// The same through the view record (near plane, field of view, aspect and
// camera translation).
CVector4 CastCursor(int mx, int my, int width, int height, const CViewParams& view, float viewScale,
                    float aimHeight);

// Polls the application's input once and, when there is a window, casts the
// cursor (CastCursor) and reads whether the left button is held. Returns
// false, leaving cursor and button alone, without an application or window
// (tests hand their pointer to the game instead). While the pointer is
// outside the window the cursor lies far off every board, button up.
bool PollBoardPointer(CGameApp* app, float viewScale, float aimHeight, CVector4& cursor, bool& button);

// The cell (x column from the left, y row from the top) under a point of a
// board whose top-left corner is at (left, top) with square cells of
// cellSize: floor((px - left) / cellSize), floor((top - py) / cellSize).
// Only the point's x and y count. x and y may be null; they receive the cell
// even when it is off the board (-1 for a point too far away to count).
// Returns whether 0 <= x < columns and 0 <= y < rows.
bool CellFromPoint(const CVector4& point, float left, float top, float cellSize, int columns, int rows, int* x,
                   int* y);

// The logical rectangle (the 800 x 600 screen, y down) covering a box of
// board points, corners low and high, as DrawGameFrame draws the board:
// under the view's camera (translation, scale, its turns) and the board's
// tilt of tilt degrees about x; with a margin of two units for the edge
// pixels a triangle touches. False when part of the box lies behind the eye.
bool ProjectBoardBox(const CViewParams& view, float tilt, const CVector4& low, const CVector4& high,
                     CDraw2D::SRect& rect);
