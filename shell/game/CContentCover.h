#pragma once
// How the held picture of a game's content covers what lies behind it, cell
// by cell (the cells of CDrawnOverCells). Behind an opaque cell the
// background and the back sparkles never show, so a cell drawn over there
// needs only the held picture again; an empty cell needs only the
// background and the back sparkles. On the software renderer each pass over
// a pixel costs, and most of a board is opaque.

#include <vector>

#include "engine/gfx/CDraw2D.h"

class COffscreenLayer;
class CDrawnOverCells;

class CContentCover
{
  public:
    enum ECover : unsigned char
    {
        // Partly see-through, or not known: background, back sparkles and
        // the picture are all drawn.
        kMixed,
        // Nothing drawn: every pixel (0, 0, 0, 0).
        kEmpty,
        // Every pixel's alpha full.
        kOpaque,
    };

    // Every cell mixed, as for a picture not measured.
    void Clear();
    // Reads the held picture (the whole viewport of width x height pixels,
    // spread over a logical screen of the size given) and measures the cells
    // the logical rectangles touch, or all of them when none are given.
    void Measure(const COffscreenLayer& picture, int width, int height, const std::vector<CDraw2D::SRect>* within,
                 float logicalWidth, float logicalHeight);
    // Measures cells [c0, c1] x [r0, r1] from RGBA rows of a picture of
    // width x height pixels, read from row `bottom` (counted from the
    // picture's bottom) up, each `width` pixels long.
    void MeasureRows(const unsigned char* rgba, int bottom, int count, int width, int height, int c0, int c1, int r0,
                     int r1, float logicalWidth, float logicalHeight);
    ECover At(int column, int row) const;

    // The cells that need the background (and the back sparkles) drawn
    // again, and those that need the held picture laid again, blended over
    // them (mixed) or as it is (opaque), as runs.
    void Split(const CDrawnOverCells& cells, std::vector<CDraw2D::SRect>& background,
               std::vector<CDraw2D::SRect>& mixed, std::vector<CDraw2D::SRect>& opaque) const;

  private:
    // Makes the grid fit the logical screen (a new one all mixed).
    void Fit(float logicalWidth, float logicalHeight);
    // The pixel rows, from the bottom, and columns a cell may cover.
    void CellPixels(int column, int row, int width, int height, int& x0, int& x1, int& y0, int& y1) const;

    std::vector<ECover> m_cells;
    int m_columns = 0;
    int m_rows = 0;
    float m_width = 0.0f;
    float m_height = 0.0f;
};
