#include "games/designer/CDesignerTilingSearch.h"

#include <algorithm>
#include <utility>

#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"

namespace
{
const char FREE = '0';
const char TAKEN = '1';
const int FOUR = 4;
const int FIVE = 5;

// Whether a region of `size` cells can be made of four- and five-cell
// figures, with at most `fours` and `fives` of them (-1: any number).
bool CanSplit(int size, int fours, int fives)
{
    for (int five = 0; five * FIVE <= size && (fives < 0 || five <= fives); ++five)
    {
        int rest = size - five * FIVE;
        if (rest % FOUR == 0 && (fours < 0 || rest / FOUR <= fours))
            return true;
    }
    return false;
}
}

CDesignerTilingSearch::CDesignerTilingSearch(int width, int height)
    : m_width(width < 1 ? 1 : width), m_height(height < 1 ? 1 : height)
{
    m_grid.assign(static_cast<std::size_t>(m_width) * m_height, FREE);
    m_seen.assign(m_grid.size(), 0);
    for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
    {
        m_stock[kind] = -1;
        CDesignerFigure figure(kind);
        for (int turn = 0; turn < 4; ++turn, figure.RotateRight())
        {
            // Offsets from the first filled cell in reading order, which is
            // the one laid on the first free cell of the board.
            STurn cells;
            int offset = figure.GetTopOffset();
            for (int b = 0; b < CDesignerFigure::GRID; ++b)
                for (int a = 0; a < CDesignerFigure::GRID; ++a)
                    if (figure.IsFilled(a, b))
                    {
                        cells.dx.push_back(a - offset);
                        cells.dy.push_back(b);
                    }
            int dark = 0;
            for (std::size_t i = 0; i < cells.dx.size(); ++i)
                dark += ((cells.dx[i] + cells.dy[i]) & 1) == 0 ? 1 : 0;
            int light = static_cast<int>(cells.dx.size()) - dark;
            m_imbalance[kind] = dark > light ? dark - light : light - dark;
            bool known = false;
            for (const STurn& other : m_turns[kind])
                known = known || (other.dx == cells.dx && other.dy == cells.dy);
            if (!known)
                m_turns[kind].push_back(cells);
        }
    }
}

void CDesignerTilingSearch::SetStock(int kind, int count)
{
    if (kind >= 0 && kind < CDesignerFigure::KINDS)
        m_stock[kind] = count < 0 ? -1 : count;
}

void CDesignerTilingSearch::SetKindLimits(int minKinds, int maxKinds)
{
    m_min_kinds = minKinds;
    m_max_kinds = maxKinds;
}

CDesignerTilingSearch::EResult CDesignerTilingSearch::Search(CRandom* random, long maxSteps)
{
    std::fill(m_grid.begin(), m_grid.end(), FREE);
    std::fill(std::begin(m_used), std::end(m_used), 0);
    m_distinct = 0;
    m_balance = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            m_balance += ((x + y) & 1) == 0 ? 1 : -1;
    m_pieces.clear();
    m_steps = 0;
    m_max_steps = maxSteps;
    m_gave_up = false;
    if (m_min_kinds > m_max_kinds || m_max_kinds < 1 || !CanStillFinish(static_cast<int>(m_grid.size())))
        return EResult::NONE;
    if (Fill(random))
        return EResult::FOUND;
    m_pieces.clear();
    return m_gave_up ? EResult::GAVE_UP : EResult::NONE;
}

bool CDesignerTilingSearch::MayUse(int kind) const
{
    int left = m_stock[kind] < 0 ? 1 : m_stock[kind] - m_used[kind];
    return left > 0 && (m_used[kind] > 0 || m_distinct < m_max_kinds);
}

bool CDesignerTilingSearch::Fits(const STurn& turn, int x, int y) const
{
    for (std::size_t i = 0; i < turn.dx.size(); ++i)
    {
        int cx = x + turn.dx[i];
        int cy = y + turn.dy[i];
        if (cx < 0 || cy >= m_height || cx >= m_width || m_grid[cy * m_width + cx] != FREE)
            return false;
    }
    return true;
}

void CDesignerTilingSearch::Mark(const STurn& turn, int x, int y, char value)
{
    for (std::size_t i = 0; i < turn.dx.size(); ++i)
    {
        const int cx = x + turn.dx[i];
        const int cy = y + turn.dy[i];
        m_grid[cy * m_width + cx] = value;
        const int dark = ((cx + cy) & 1) == 0 ? 1 : -1;
        m_balance += value == FREE ? dark : -dark;
    }
}

bool CDesignerTilingSearch::Fill(CRandom* random)
{
    int at = 0;
    const int cells = static_cast<int>(m_grid.size());
    while (at < cells && m_grid[at] != FREE)
        ++at;
    if (at == cells)
        return m_distinct >= m_min_kinds;
    const int x = at % m_width;
    const int y = at / m_width;
    int order[CDesignerFigure::KINDS];
    for (int i = 0; i < CDesignerFigure::KINDS; ++i)
        order[i] = i;
    if (random)
        for (int i = CDesignerFigure::KINDS - 1; i > 0; --i)
            std::swap(order[i], order[random->Next(i + 1)]);
    int freeCells = 0;
    for (int i = at; i < cells; ++i)
        freeCells += m_grid[i] == FREE ? 1 : 0;
    for (int kind : order)
    {
        if (!MayUse(kind))
            continue;
        const std::vector<STurn>& turns = m_turns[kind];
        const int count = static_cast<int>(turns.size());
        const int first = random ? random->Next(count) : 0;
        for (int t = 0; t < count; ++t)
        {
            const STurn& turn = turns[(first + t) % count];
            if (!Fits(turn, x, y))
                continue;
            if (++m_steps > m_max_steps)
            {
                m_gave_up = true;
                return false;
            }
            Mark(turn, x, y, TAKEN);
            m_distinct += m_used[kind] == 0 ? 1 : 0;
            m_used[kind] += 1;
            SPiece piece{kind, {}};
            for (std::size_t i = 0; i < turn.dx.size(); ++i)
                piece.cells.push_back(PackPos(x + turn.dx[i], y + turn.dy[i]));
            m_pieces.push_back(std::move(piece));
            if (CanStillFinish(freeCells - static_cast<int>(turn.dx.size())) && Fill(random))
                return true;
            if (m_gave_up)
                return false;
            m_pieces.pop_back();
            m_used[kind] -= 1;
            m_distinct -= m_used[kind] == 0 ? 1 : 0;
            Mark(turn, x, y, FREE);
        }
    }
    return false;
}

bool CDesignerTilingSearch::CanStillFinish(int freeCells)
{
    if (freeCells == 0)
        return m_distinct >= m_min_kinds;
    // The kinds still missing, the smallest first, must find room.
    int sizes[CDesignerFigure::KINDS];
    int unused = 0;
    long stockCells = 0;
    bool unlimited = false;
    for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
    {
        if (!MayUse(kind))
            continue;
        int size = static_cast<int>(m_turns[kind][0].dx.size());
        if (m_used[kind] == 0)
            sizes[unused++] = size;
        if (m_stock[kind] < 0)
            unlimited = true;
        else
            stockCells += static_cast<long>(m_stock[kind] - m_used[kind]) * size;
    }
    if (!unlimited && stockCells < freeCells)
        return false;
    // The free cells' excess of one chessboard colour must be made up by
    // the lopsided figures still to come: the T, the cross and the U.
    int reach = 0;
    bool unlimitedReach = false;
    bool odd = false;
    for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
    {
        if (!MayUse(kind) || m_imbalance[kind] == 0)
            continue;
        odd = odd || (m_imbalance[kind] & 1) != 0;
        if (m_stock[kind] < 0)
            unlimitedReach = true;
        else
            reach += m_imbalance[kind] * (m_stock[kind] - m_used[kind]);
    }
    const int excess = m_balance < 0 ? -m_balance : m_balance;
    if ((!unlimitedReach && excess > reach) || ((excess & 1) != 0 && !odd))
        return false;
    int missing = m_min_kinds - m_distinct;
    if (missing > 0)
    {
        if (missing > unused)
            return false;
        // The smallest `missing` sizes, picked one by one: nine at most.
        int room = 0;
        for (int i = 0; i < missing; ++i)
        {
            int smallest = i;
            for (int j = i + 1; j < unused; ++j)
                smallest = sizes[j] < sizes[smallest] ? j : smallest;
            std::swap(sizes[i], sizes[smallest]);
            room += sizes[i];
        }
        if (room > freeCells)
            return false;
    }
    return RegionsCanBeFilled();
}

bool CDesignerTilingSearch::RegionsCanBeFilled()
{
    // Figures of each size still to be had, -1 for any number.
    int fours = 0;
    int fives = 0;
    for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
    {
        if (!MayUse(kind))
            continue;
        int& count = m_turns[kind][0].dx.size() == FIVE ? fives : fours;
        if (m_stock[kind] < 0 || count < 0)
            count = -1;
        else
            count += m_stock[kind] - m_used[kind];
    }
    std::fill(m_seen.begin(), m_seen.end(), 0);
    const int cells = static_cast<int>(m_grid.size());
    for (int start = 0; start < cells; ++start)
    {
        if (m_grid[start] != FREE || m_seen[start])
            continue;
        int size = 0;
        m_stack.assign(1, start);
        m_seen[start] = 1;
        while (!m_stack.empty())
        {
            int at = m_stack.back();
            m_stack.pop_back();
            ++size;
            const int x = at % m_width;
            const int y = at / m_width;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next)
            {
                if (n[0] < 0 || n[1] < 0 || n[0] >= m_width || n[1] >= m_height)
                    continue;
                int i = n[1] * m_width + n[0];
                if (m_grid[i] == FREE && !m_seen[i])
                {
                    m_seen[i] = 1;
                    m_stack.push_back(i);
                }
            }
        }
        if (!CanSplit(size, fours, fives))
            return false;
    }
    return true;
}
