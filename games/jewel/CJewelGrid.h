#pragma once

#include "games/jewel/CJewelParams.h"

// The colours of a jewel board without its bricks: what a fall, its new
// bricks and the cascades after them would leave can be tried out on it
// without moving a brick the player sees. Rows count from the top.
class CJewelGrid
{
public:
    static constexpr int MAX_CELLS = CJewelParams::MAX_CELLS;
    static constexpr int EMPTY = -1;

    // An empty grid; the sizes are clamped to 1..MAX_CELLS, the run length
    // to at least 1.
    CJewelGrid(int width, int height, int group);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // EMPTY for an empty cell and for one off the grid.
    int Get(int x, int y) const;
    void Set(int x, int y, int color);

    // The column's bricks fall onto the lowest free cells beneath them, each
    // keeping its order; the number of cells left empty at its top.
    int Fall(int x);
    // Empties every cell that lies in a row or a column run of at least the
    // run length, as a landing's search marks them all before any fades;
    // how many cells it emptied.
    int RemoveRuns();
    // True when swapping some two neighbours makes a run through one of them.
    bool HasMove();

private:
    bool IsInside(int x, int y) const;
    // The length of the one-colour run through (x, y) along (dx, dy).
    int RunLength(int x, int y, int dx, int dy) const;
    bool InRun(int x, int y) const;

    int m_width;
    int m_height;
    int m_group;
    int m_cells[MAX_CELLS][MAX_CELLS];
};
