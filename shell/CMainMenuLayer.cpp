#include "shell/CMainMenuLayer.h"

#include <algorithm>
#include <cmath>

#include "engine/gfx/CDraw2D.h"

CMainMenuLayer::~CMainMenuLayer()
{
    Release();
}

bool CMainMenuLayer::Matches(const std::vector<int>& state, int width, int height) const
{
    return m_valid && m_copy.HasTexture() && width == m_copy.GetWidth() && height == m_copy.GetHeight() &&
           state == m_state;
}

void CMainMenuLayer::Capture(const std::vector<int>& state, int width, int height)
{
    m_state = state;
    m_valid = m_copy.Capture(width, height);
    // The stamped pixel shows the layer under its stamp.
    if (m_valid)
        m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
    ClearCells();
}

void CMainMenuLayer::Draw(float logical_width, float logical_height)
{
    m_copy.Draw(logical_width, logical_height);
    ClearCells();
}

bool CMainMenuLayer::CanRestore() const
{
    return m_valid && m_mark.HoldsLastFrame();
}

void CMainMenuLayer::RestoreDrawnOver(float logical_width, float logical_height)
{
    m_copy.DrawParts(CellRuns(m_cells, m_columns, logical_width, logical_height), logical_width, logical_height);
    ClearCells();
}

void CMainMenuLayer::MarkDrawnOver(float x, float y, float width, float height, float logical_width,
                                   float logical_height)
{
    const int columns = static_cast<int>(std::ceil(logical_width / kCell));
    const int rows = static_cast<int>(std::ceil(logical_height / kCell));
    if (columns <= 0 || rows <= 0)
        return;
    if (columns != m_columns || m_cells.size() != static_cast<std::size_t>(columns) * rows)
    {
        m_columns = columns;
        // A grid of another size knows nothing of the last frame: all of it.
        m_cells.assign(static_cast<std::size_t>(columns) * rows, true);
    }
    const int c0 = std::clamp(static_cast<int>(std::floor(x / kCell)), 0, columns - 1);
    const int c1 = std::clamp(static_cast<int>(std::floor((x + width) / kCell)), 0, columns - 1);
    const int r0 = std::clamp(static_cast<int>(std::floor(y / kCell)), 0, rows - 1);
    const int r1 = std::clamp(static_cast<int>(std::floor((y + height) / kCell)), 0, rows - 1);
    if (x + width < 0.0f || y + height < 0.0f || x > logical_width || y > logical_height)
        return;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            m_cells[static_cast<std::size_t>(r) * columns + c] = true;
}

void CMainMenuLayer::EndFrame(bool alone)
{
    if (alone && m_valid)
        m_mark.Stamp();
    else
        m_mark.Forget();
}

void CMainMenuLayer::Release()
{
    m_copy.Release();
    m_valid = false;
    m_mark.Forget();
    ClearCells();
}

void CMainMenuLayer::ClearCells()
{
    std::fill(m_cells.begin(), m_cells.end(), false);
}

std::vector<CWindowCopy::SPart> CMainMenuLayer::CellRuns(const std::vector<bool>& cells, int columns,
                                                         float logical_width, float logical_height)
{
    std::vector<CWindowCopy::SPart> runs;
    if (columns <= 0)
        return runs;
    const int rows = static_cast<int>(cells.size()) / columns;
    for (int r = 0; r < rows; ++r)
    {
        int c = 0;
        while (c < columns)
        {
            if (!cells[static_cast<std::size_t>(r) * columns + c])
            {
                ++c;
                continue;
            }
            const int start = c;
            while (c < columns && cells[static_cast<std::size_t>(r) * columns + c])
                ++c;
            const float x = start * kCell;
            const float y = r * kCell;
            runs.push_back({x, y, std::min(logical_width, c * kCell) - x, std::min(logical_height, y + kCell) - y});
        }
    }
    return runs;
}
