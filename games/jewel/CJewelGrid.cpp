#include "games/jewel/CJewelGrid.h"

#include <algorithm>
#include <utility>

CJewelGrid::CJewelGrid(int width, int height, int group)
    : m_width(std::clamp(width, 1, MAX_CELLS)), m_height(std::clamp(height, 1, MAX_CELLS)),
      m_group(std::max(group, 1))
{
    for (auto& column : m_cells)
        std::fill(std::begin(column), std::end(column), EMPTY);
}

bool CJewelGrid::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width && y < m_height;
}

int CJewelGrid::Get(int x, int y) const
{
    return IsInside(x, y) ? m_cells[x][y] : EMPTY;
}

void CJewelGrid::Set(int x, int y, int color)
{
    if (IsInside(x, y))
        m_cells[x][y] = color < 0 ? EMPTY : color;
}

int CJewelGrid::Fall(int x)
{
    if (x < 0 || x >= m_width)
        return 0;
    int gap = m_height - 1;
    for (int y = m_height - 1; y >= 0; --y)
    {
        if (m_cells[x][y] == EMPTY)
            continue;
        std::swap(m_cells[x][gap], m_cells[x][y]);
        --gap;
    }
    return gap + 1;
}

int CJewelGrid::RunLength(int x, int y, int dx, int dy) const
{
    int color = Get(x, y);
    if (color == EMPTY)
        return 0;
    int length = 1;
    for (int cx = x - dx, cy = y - dy; Get(cx, cy) == color; cx -= dx, cy -= dy)
        ++length;
    for (int cx = x + dx, cy = y + dy; Get(cx, cy) == color; cx += dx, cy += dy)
        ++length;
    return length;
}

bool CJewelGrid::InRun(int x, int y) const
{
    return RunLength(x, y, 1, 0) >= m_group || RunLength(x, y, 0, 1) >= m_group;
}

int CJewelGrid::RemoveRuns()
{
    // Every run is found on the whole board before any cell is emptied: a
    // brick at a crossing belongs to both of its runs.
    bool taken[MAX_CELLS][MAX_CELLS] = {};
    int count = 0;
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
            if (InRun(x, y))
            {
                taken[x][y] = true;
                ++count;
            }
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
            if (taken[x][y])
                m_cells[x][y] = EMPTY;
    return count;
}

bool CJewelGrid::HasMove()
{
    // Each pair once: a brick and its right and lower neighbours.
    const int stepX[2] = {1, 0};
    const int stepY[2] = {0, 1};
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
            for (int k = 0; k < 2; ++k)
            {
                int nx = x + stepX[k];
                int ny = y + stepY[k];
                if (m_cells[x][y] == EMPTY || !IsInside(nx, ny) || m_cells[nx][ny] == EMPTY)
                    continue;
                std::swap(m_cells[x][y], m_cells[nx][ny]);
                bool run = InRun(x, y) || InRun(nx, ny);
                std::swap(m_cells[x][y], m_cells[nx][ny]);
                if (run)
                    return true;
            }
    return false;
}
