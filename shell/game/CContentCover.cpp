#include "shell/game/CContentCover.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/gfx/COffscreenLayer.h"
#include "shell/game/CDrawnOverCells.h"

namespace
{
constexpr float kCell = CDrawnOverCells::kCell;
}

void CContentCover::Clear()
{
    std::fill(m_cells.begin(), m_cells.end(), kMixed);
}

void CContentCover::Fit(float logicalWidth, float logicalHeight)
{
    const int columns = static_cast<int>(std::ceil(logicalWidth / kCell));
    const int rows = static_cast<int>(std::ceil(logicalHeight / kCell));
    if (columns == m_columns && rows == m_rows && logicalWidth == m_width && logicalHeight == m_height)
        return;
    m_columns = std::max(columns, 0);
    m_rows = std::max(rows, 0);
    m_width = logicalWidth;
    m_height = logicalHeight;
    m_cells.assign(static_cast<std::size_t>(m_columns) * m_rows, kMixed);
}

CContentCover::ECover CContentCover::At(int column, int row) const
{
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return kMixed;
    return m_cells[static_cast<std::size_t>(row) * m_columns + column];
}

void CContentCover::CellPixels(int column, int row, int width, int height, int& x0, int& x1, int& y0, int& y1) const
{
    // Every pixel the cell's rectangle reaches into, so that a cell is only
    // called opaque or empty when all of its pixels are.
    const float sx = width / m_width, sy = height / m_height;
    const float left = column * kCell, right = std::min(m_width, (column + 1) * kCell);
    const float top = row * kCell, bottom = std::min(m_height, (row + 1) * kCell);
    x0 = std::clamp(static_cast<int>(std::floor(left * sx)), 0, width);
    x1 = std::clamp(static_cast<int>(std::ceil(right * sx)), 0, width);
    y0 = std::clamp(static_cast<int>(std::floor(height - bottom * sy)), 0, height);
    y1 = std::clamp(static_cast<int>(std::ceil(height - top * sy)), 0, height);
}

void CContentCover::MeasureRows(const unsigned char* rgba, int bottom, int count, int width, int height, int c0, int c1,
                                int r0, int r1, float logicalWidth, float logicalHeight)
{
    Fit(logicalWidth, logicalHeight);
    if (m_width <= 0.0f || m_height <= 0.0f || width <= 0 || height <= 0)
        return;
    c0 = std::max(c0, 0);
    r0 = std::max(r0, 0);
    c1 = std::min(c1, m_columns - 1);
    r1 = std::min(r1, m_rows - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
        {
            int x0, x1, y0, y1;
            CellPixels(c, r, width, height, x0, x1, y0, y1);
            ECover& cover = m_cells[static_cast<std::size_t>(r) * m_columns + c];
            // A cell the rows given do not hold whole is not known: mixed.
            cover = kMixed;
            if (y0 < bottom || y1 > bottom + count || x0 >= x1 || y0 >= y1)
                continue;
            bool empty = true, opaque = true;
            for (int y = y0; y < y1 && (empty || opaque); ++y)
            {
                const unsigned char* pixel = rgba + (static_cast<std::size_t>(y - bottom) * width + x0) * 4;
                for (int x = x0; x < x1; ++x, pixel += 4)
                {
                    empty = empty && (pixel[0] | pixel[1] | pixel[2] | pixel[3]) == 0;
                    opaque = opaque && pixel[3] == 255;
                }
            }
            cover = empty ? kEmpty : opaque ? kOpaque : kMixed;
        }
}

void CContentCover::Measure(const COffscreenLayer& picture, int width, int height,
                            const std::vector<CDraw2D::SRect>* within, float logicalWidth, float logicalHeight)
{
    Fit(logicalWidth, logicalHeight);
    if (m_columns <= 0 || m_rows <= 0 || width <= 0 || height <= 0)
        return;
    std::vector<CDraw2D::SRect> all;
    if (within == nullptr)
    {
        all.push_back({0.0f, 0.0f, logicalWidth, logicalHeight});
        within = &all;
    }
    // The columns to measure in each row of cells, over every rectangle.
    std::vector<int> first(static_cast<std::size_t>(m_rows), m_columns), last(static_cast<std::size_t>(m_rows), -1);
    for (const CDraw2D::SRect& rect : *within)
    {
        const int c0 = std::clamp(static_cast<int>(std::floor(rect.x / kCell)), 0, m_columns - 1);
        const int c1 = std::clamp(static_cast<int>(std::floor((rect.x + rect.width) / kCell)), 0, m_columns - 1);
        const int r0 = std::clamp(static_cast<int>(std::floor(rect.y / kCell)), 0, m_rows - 1);
        const int r1 = std::clamp(static_cast<int>(std::floor((rect.y + rect.height) / kCell)), 0, m_rows - 1);
        for (int r = r0; r <= r1; ++r)
        {
            first[static_cast<std::size_t>(r)] = std::min(first[static_cast<std::size_t>(r)], c0);
            last[static_cast<std::size_t>(r)] = std::max(last[static_cast<std::size_t>(r)], c1);
        }
    }
    // A row of cells at a time, each read once: a few tens of kilobytes,
    // never a whole screen's worth at once.
    std::vector<unsigned char> rows;
    for (int r = 0; r < m_rows; ++r)
    {
        const int c0 = first[static_cast<std::size_t>(r)], c1 = last[static_cast<std::size_t>(r)];
        if (c0 > c1)
            continue;
        int x0, x1, y0, y1;
        CellPixels(0, r, width, height, x0, x1, y0, y1);
        if (!picture.ReadRect(0, y0, width, y1 - y0, rows))
        {
            for (int c = c0; c <= c1; ++c)
                m_cells[static_cast<std::size_t>(r) * m_columns + c] = kMixed;
            continue;
        }
        MeasureRows(rows.data(), y0, y1 - y0, width, height, c0, c1, r, r, logicalWidth, logicalHeight);
    }
}

void CContentCover::Split(const CDrawnOverCells& cells, std::vector<CDraw2D::SRect>& background,
                          std::vector<CDraw2D::SRect>& mixed, std::vector<CDraw2D::SRect>& opaque) const
{
    const std::vector<bool>& marked = cells.GetCells();
    if (cells.GetColumns() != m_columns || marked.size() != m_cells.size())
    {
        // Measured on another grid: nothing is known.
        background = mixed = cells.Runs();
        opaque.clear();
        return;
    }
    std::vector<bool> under(marked.size()), over(marked.size()), whole(marked.size());
    for (std::size_t i = 0; i < marked.size(); ++i)
    {
        under[i] = marked[i] && m_cells[i] != kOpaque;
        over[i] = marked[i] && m_cells[i] == kMixed;
        whole[i] = marked[i] && m_cells[i] == kOpaque;
    }
    background = CDrawnOverCells::CellRuns(under, m_columns, m_width, m_height);
    mixed = CDrawnOverCells::CellRuns(over, m_columns, m_width, m_height);
    opaque = CDrawnOverCells::CellRuns(whole, m_columns, m_width, m_height);
}
