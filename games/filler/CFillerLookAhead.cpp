#include "games/filler/CFillerLookAhead.h"

#include <algorithm>

namespace
{
const int STEP_X[4] = {1, -1, 0, 0};
const int STEP_Y[4] = {0, 0, 1, -1};
}

int CFillerLookAhead::ScoringKind(int mode, float ratio)
{
    if (mode == 3 && ratio < 0.42f)
        return KIND_COLUMNS;
    if (mode == 3 && ratio < 0.75f)
        return KIND_ROWS;
    if (mode == 2 && ratio < 0.5f)
        return KIND_COLUMNS;
    return KIND_COUNT;
}

unsigned CFillerLookAhead::NextStamp()
{
    if (++m_stamp == 0)
    {
        std::fill(m_frontier_mark.begin(), m_frontier_mark.end(), 0u);
        m_stamp = 1;
    }
    return m_stamp;
}

int CFillerLookAhead::CellScore(int cell) const
{
    switch (m_kind)
    {
    case KIND_COLUMNS:
    {
        int d = m_start_x - cell % m_width;
        return d * d;
    }
    case KIND_ROWS:
    {
        int d = m_start_y - cell / m_width;
        return d * d;
    }
    default:
        return 1;
    }
}

void CFillerLookAhead::Absorb(int cell, int level)
{
    m_join[cell] = static_cast<uint8_t>(level);
    m_absorbed[level].push_back(cell);
    m_score[level] += CellScore(cell);
    m_queue.push_back(cell);
}

void CFillerLookAhead::AddFrontier(int cell, int level)
{
    if (m_frontier_mark[cell] == m_stamp)
        return;
    m_frontier_mark[cell] = m_stamp;
    m_frontier[level].push_back(cell);
}

void CFillerLookAhead::Prepare(const std::vector<int>& cells, int width, int height, int startX, int startY,
                               const int* table, int count, int kind)
{
    m_cells = &cells;
    m_width = width;
    m_height = height;
    m_start_x = startX;
    m_start_y = startY;
    m_count = std::min(std::max(count, 0), 6);
    for (int i = 0; i < 6; ++i)
        m_table[i] = table[i];
    m_kind = kind;
    const std::size_t size = static_cast<std::size_t>(width) * height;
    m_join.assign(size, OUTSIDE);
    m_frontier_mark.assign(size, 0u);
    m_stamp = 0;
    m_queue.reserve(size);
    for (int level = 0; level <= MAX_DEPTH; ++level)
    {
        m_absorbed[level].clear();
        m_frontier[level].clear();
        m_score[level] = 0;
    }
    if (startX < 0 || startY < 0 || startX >= width || startY >= height || cells.size() < size)
    {
        m_cells = nullptr;
        return;
    }

    // The zone as it stands: the region of the start cell's colour.
    NextStamp();
    const int start = startY * width + startX;
    const int own = cells[start];
    m_queue.clear();
    Absorb(start, 0);
    for (std::size_t head = 0; head < m_queue.size(); ++head)
    {
        int cell = m_queue[head];
        int cx = cell % width;
        int cy = cell / width;
        for (int d = 0; d < 4; ++d)
        {
            int nx = cx + STEP_X[d];
            int ny = cy + STEP_Y[d];
            if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                continue;
            int next = ny * width + nx;
            if (m_join[next] != OUTSIDE)
                continue;
            if (cells[next] == own)
                Absorb(next, 0);
            else
                AddFrontier(next, 0);
        }
    }
    // Frontier cells of the zone's own colour were absorbed after being listed.
    auto& frontier = m_frontier[0];
    frontier.erase(std::remove_if(frontier.begin(), frontier.end(), [this](int c) { return m_join[c] != OUTSIDE; }),
                   frontier.end());
}

void CFillerLookAhead::Grow(int level, int color)
{
    const int next = level + 1;
    const std::vector<int>& cells = *m_cells;
    m_absorbed[next].clear();
    m_frontier[next].clear();
    m_score[next] = m_score[level];
    NextStamp();
    m_queue.clear();
    for (int cell : m_frontier[level])
    {
        if (m_join[cell] != OUTSIDE)
            continue;
        if (cells[cell] == color)
            Absorb(cell, next);
        else
            AddFrontier(cell, next);
    }
    for (std::size_t head = 0; head < m_queue.size(); ++head)
    {
        int cell = m_queue[head];
        int cx = cell % m_width;
        int cy = cell / m_width;
        for (int d = 0; d < 4; ++d)
        {
            int nx = cx + STEP_X[d];
            int ny = cy + STEP_Y[d];
            if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height)
                continue;
            int n = ny * m_width + nx;
            if (m_join[n] != OUTSIDE)
                continue;
            if (cells[n] == color)
                Absorb(n, next);
            else
                AddFrontier(n, next);
        }
    }
    auto& frontier = m_frontier[next];
    frontier.erase(std::remove_if(frontier.begin(), frontier.end(), [this](int c) { return m_join[c] != OUTSIDE; }),
                   frontier.end());
}

void CFillerLookAhead::Undo(int level)
{
    for (int cell : m_absorbed[level])
        m_join[cell] = OUTSIDE;
    m_absorbed[level].clear();
}

int CFillerLookAhead::Evaluate(int index, int depth)
{
    if (!m_cells || index < 0 || index >= 6)
        return 0;
    return EvaluateNode(0, index, std::min(depth, MAX_DEPTH));
}

int CFillerLookAhead::EvaluateNode(int level, int index, int depth)
{
    const int score = m_score[level];
    depth -= 1;
    if (depth <= 0)
        return score;
    bool hasChild = false;
    for (int j = 0; j < m_count; ++j)
        hasChild = hasChild || j != index;
    if (!hasChild)
        return score;
    Grow(level, m_table[index]);
    int childBest = 0;
    if (depth == 1)
    {
        // Every child would score the same zone and stop there.
        childBest = std::max(0, m_score[level + 1]);
    }
    else
    {
        for (int j = 0; j < m_count; ++j)
        {
            if (j == index)
                continue;
            int c = EvaluateNode(level + 1, j, depth);
            if (c > childBest)
                childBest = c;
        }
    }
    Undo(level + 1);
    return score + childBest;
}
