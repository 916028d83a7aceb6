#pragma once
// Where moving things (sparkles, a turning title) were drawn over a still
// picture of the logical screen, kept as square cells so that a frame can
// copy back just those parts while the back buffer holds the last frame.

#include <vector>

#include "engine/gfx/CDraw2D.h"

class CContentCover;
class CSparkleLists;
class CSprite;

class CDrawnOverCells
{
public:
    // Side of the cells in logical units: smaller ones cost more quads than
    // they save pixels.
    static constexpr float kCell = 16.0f;

    // Marks the cells a logical rectangle touches on a screen of this size
    // (a change of size marks every cell).
    void Mark(float x, float y, float width, float height, float logical_width, float logical_height);
    // True when a marked cell touches the logical rectangle.
    bool Touches(const CDraw2D::SRect& rect) const;
    // Marks where each back sparkle, drawn with this sprite, can have drawn.
    // With a cover, a sparkle whose every cell the held picture covers
    // opaque would not show: it is not marked, and its place in `shown` is
    // false (true for the others).
    // `margin` grows each sparkle's place by as much (for steps still to come).
    void MarkBackSparkles(const CSparkleLists& sparkles, const CSprite& sprite, float logical_width,
                          float logical_height, const CContentCover* cover = nullptr,
                          std::vector<bool>* shown = nullptr, float margin = 0.0f);
    // How far from its place a back sparkle drawn with this sprite can draw,
    // turned any way, whichever cell of it it shows.
    static float BackSparkleReach(const CSprite& sprite);
    // The same for a sparkle showing the sprite's cell in this group and frame.
    static float BackSparkleReach(const CSprite& sprite, int group, int frame);
    void Add(const CDrawnOverCells& other);
    void Clear();
    // The marked cells as rectangles (what is copied back; see CellRuns).
    std::vector<CDraw2D::SRect> Runs() const;
    // The grid, a row of GetColumns() cells after another from the top;
    // empty until a cell was marked.
    const std::vector<bool>& GetCells() const
    {
        return m_cells;
    }
    int GetColumns() const
    {
        return m_columns;
    }

    // Whether the held picture covers every cell the logical rectangle
    // touches opaque (a cell off the screen is not covered).
    static bool IsCovered(const CContentCover& cover, float x, float y, float width, float height);

    // The runs of a grid `columns` wide, clipped to the screen; runs over the
    // same columns in rows one under the other are one rectangle.
    static std::vector<CDraw2D::SRect> CellRuns(const std::vector<bool>& cells, int columns, float logical_width,
                                                float logical_height);

private:
    std::vector<bool> m_cells;
    int m_columns = 0;
    float m_width = 0.0f;
    float m_height = 0.0f;
};
