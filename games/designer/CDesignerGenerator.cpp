#include "games/designer/CDesignerGenerator.h"

#include <algorithm>

#include "games/designer/CDesignerTilingSearch.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"

CDesignerGenerator::CDesignerGenerator(int width, int height, CRandom& random)
    : m_width(width < 1 ? 1 : width),
      m_height(height < 1 ? 1 : height),
      m_random(random),
      m_grid(static_cast<std::size_t>(m_width) * m_height, '0'),
      m_flood(m_grid.size(), '0')
{
}

bool CDesignerGenerator::GenerateLevel(int minCount, int maxCount, int maxAttempts)
{
    std::vector<CDesignerFigure> lastComplete;
    std::vector<char> lastGrid;
    for (m_attempts = 1; m_attempts <= maxAttempts; ++m_attempts)
    {
        if (Generate(minCount, maxCount))
            return true;
        if (std::find(m_grid.begin(), m_grid.end(), '0') == m_grid.end())
        {
            lastComplete = m_figures;
            lastGrid = m_grid;
        }
    }
    m_attempts = maxAttempts;
    // Narrow limits on a large board are seldom met by chance: search for a
    // cut that meets them rather than keep one that does not.
    if (SearchCut(minCount, maxCount))
        return true;
    if (!lastComplete.empty())
    {
        m_figures = lastComplete;
        m_grid = lastGrid;
        return false;
    }
    SearchCut(1, CDesignerFigure::KINDS);
    return false;
}

bool CDesignerGenerator::SearchCut(int minCount, int maxCount)
{
    CDesignerTilingSearch search(m_width, m_height);
    search.SetKindLimits(minCount, maxCount);
    // A fresh order each round: a search that strays into a corner of
    // hopeless cuts is cheaper to begin again than to run out.
    for (int round = 0; round < SEARCH_ROUNDS; ++round)
    {
        CDesignerTilingSearch::EResult result = search.Search(&m_random, SEARCH_STEPS);
        if (result == CDesignerTilingSearch::EResult::NONE)
            return false;
        if (result != CDesignerTilingSearch::EResult::FOUND)
            continue;
        std::fill(m_grid.begin(), m_grid.end(), '0');
        m_figures.clear();
        for (const CDesignerTilingSearch::SPiece& piece : search.GetPieces())
        {
            char mark = static_cast<char>('1' + static_cast<int>(m_figures.size()));
            for (int packed : piece.cells)
                Cell(UnpackPosX(packed), UnpackPosY(packed)) = mark;
            m_figures.emplace_back(piece.kind);
        }
        return true;
    }
    return false;
}

void CDesignerGenerator::MakeKindOrder(int order[CDesignerFigure::KINDS])
{
    for (int i = 0; i < CDesignerFigure::KINDS; ++i)
        order[i] = i + 1;
    for (int i = 0; i < CDesignerFigure::KINDS + 5; ++i)
        std::swap(order[m_random.Next(CDesignerFigure::KINDS)], order[0]);
}

bool CDesignerGenerator::Generate(int minCount, int maxCount)
{
    std::fill(m_grid.begin(), m_grid.end(), '0');
    std::fill(m_flood.begin(), m_flood.end(), '0');
    m_figures.clear();
    int counts[CDesignerFigure::KINDS] = {};
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            if (Cell(x, y) != '0')
                continue;
            int order[CDesignerFigure::KINDS];
            MakeKindOrder(order);
            int i = PlaceAt(order, x, y);
            if (i < 0)
                return false;
            m_figures.emplace_back(order[i]);
            counts[m_figures.back().GetKind()] += 1;
        }
    if (std::find(m_grid.begin(), m_grid.end(), '0') != m_grid.end())
        return false;
    int distinct = 0;
    for (int count : counts)
        distinct += count > 0 ? 1 : 0;
    return minCount <= distinct && distinct <= maxCount;
}

int CDesignerGenerator::PlaceAt(const int order[CDesignerFigure::KINDS], int x, int y)
{
    for (int i = 0; i < CDesignerFigure::KINDS; ++i)
    {
        CDesignerFigure trial(order[i]);
        int offset = trial.GetTopOffset();
        int ox = x - offset;
        if (ox < 0 || ox + trial.GetWidth() - 1 >= m_width || y + trial.GetHeight() - 1 >= m_height)
            continue;
        bool right = m_random.Next(2) == 1;
        for (int turn = 0; turn < 3; ++turn)
        {
            if (TryPlace(trial, x, y, offset))
                return i;
            if (right)
                trial.RotateRight();
            else
                trial.RotateLeft();
        }
        if (TryPlace(trial, x, y, offset))
            return i;
    }
    return -1;
}

bool CDesignerGenerator::TryPlace(CDesignerFigure& figure, int x, int y, int offset)
{
    for (int a = 0; a < CDesignerFigure::GRID; ++a)
        for (int b = 0; b < CDesignerFigure::GRID; ++b)
        {
            if (!figure.IsFilled(a, b))
                continue;
            int cx = a + x - offset;
            int cy = b + y;
            if (cx < 0 || cy < 0 || cx >= m_width || cy >= m_height || Cell(cx, cy) != '0')
                return false;
        }
    char mark = static_cast<char>('1' + static_cast<int>(m_figures.size()));
    figure.SetCellChar(mark);
    for (int a = 0; a < CDesignerFigure::GRID; ++a)
        for (int b = 0; b < CDesignerFigure::GRID; ++b)
            if (figure.IsFilled(a, b))
                Cell(a + x - offset, b + y) = mark;
    if (CountRegions() < 2)
        return true;
    for (int a = 0; a < CDesignerFigure::GRID; ++a)
        for (int b = 0; b < CDesignerFigure::GRID; ++b)
            if (figure.IsFilled(a, b))
                Cell(a + x - offset, b + y) = '0';
    return false;
}

int CDesignerGenerator::CountRegions()
{
    std::fill(m_flood.begin(), m_flood.end(), '0');
    int regions = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (Cell(x, y) == '0' && m_flood[x * m_height + y] == '0')
            {
                Flood(x, y);
                ++regions;
            }
    return regions;
}

void CDesignerGenerator::Flood(int x, int y)
{
    // An explicit stack: the board is small, but its depth is not the
    // caller's concern.
    std::vector<int> stack{x * m_height + y};
    m_flood[stack.back()] = 'w';
    static const int STEP_X[4] = {-1, 1, 0, 0};
    static const int STEP_Y[4] = {0, 0, -1, 1};
    while (!stack.empty())
    {
        int at = stack.back();
        stack.pop_back();
        int cx = at / m_height;
        int cy = at % m_height;
        for (int d = 0; d < 4; ++d)
        {
            int nx = cx + STEP_X[d];
            int ny = cy + STEP_Y[d];
            if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height)
                continue;
            int next = nx * m_height + ny;
            if (Cell(nx, ny) == '0' && m_flood[next] == '0')
            {
                m_flood[next] = 'w';
                stack.push_back(next);
            }
        }
    }
}

std::vector<std::string> CDesignerGenerator::GetTiling() const
{
    std::vector<std::string> rows(m_height, std::string(m_width, '.'));
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (Cell(x, y) != '0')
                rows[y][x] = static_cast<char>('a' + (Cell(x, y) - '1'));
    return rows;
}
