#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CVector4.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/PackPos.h"

// A board of bricks on square cells, shared by the kinds whose bricks are
// taken away in same-colour groups and settle afterwards: the grid that owns
// the bricks, the cell geometry, the group search, gravity, the closing of
// empty columns toward the middle and the moves that carry bricks to their new
// cells. A move changes the grid at once; only the drawn position follows.
//
// TBrick is a model (SetPosition, GetPosition) with an int GetColor(); for
// AddToPrint it also has AddToPrint(CFramePrint&).
// Cells are (column, row), row 0 the top row.
template <class TBrick>
class CCellBoard
{
public:
    struct SMove
    {
        TBrick* m_brick;
        // The new cell, PackPos(column, row).
        int m_target;
    };

    // A move's step is this fraction of the remaining way, at most the speed.
    static constexpr float kMoveFraction = 0.15f;

    CCellBoard(int maxColumns, int maxRows)
        : m_max_columns(maxColumns), m_max_rows(maxRows), m_cells(static_cast<std::size_t>(maxColumns * maxRows))
    {
    }

    // Clears every cell and the moves; sizes beyond the grid are cut to it.
    void SetSize(int columns, int rows)
    {
        Clear();
        m_columns = Limit(columns, m_max_columns);
        m_rows = Limit(rows, m_max_rows);
    }
    int GetColumns() const { return m_columns; }
    int GetRows() const { return m_rows; }
    int GetMaxColumns() const { return m_max_columns; }
    int GetMaxRows() const { return m_max_rows; }

    // left, top: the board's upper left corner; z: the height of a brick's centre.
    void SetGeometry(float left, float top, float cellSize, float z)
    {
        m_left = left;
        m_top = top;
        m_cell_size = cellSize;
        m_z = z;
    }
    float GetCellSize() const { return m_cell_size; }
    CVector4 GetCellCentre(int x, int y) const
    {
        return CVector4(m_left + x * m_cell_size + m_cell_size / 2.0f, m_top - y * m_cell_size - m_cell_size / 2.0f,
                        m_z);
    }

    // The cell under a point of the board plane (CellFromPoint: floored, so
    // a point just left of or above the board lies outside it).
    bool PickCell(const CVector4& point, int& x, int& y) const
    {
        x = y = -1;
        if (!(m_cell_size > 0.0f))
            return false;
        return CellFromPoint(point, m_left, m_top, m_cell_size, m_columns, m_rows, &x, &y);
    }

    bool IsInside(int x, int y) const { return x >= 0 && y >= 0 && x < m_columns && y < m_rows; }
    TBrick* Get(int x, int y) const { return IsInside(x, y) ? Cell(x, y).get() : nullptr; }
    // Takes the brick into an inside cell, replacing what was there.
    TBrick* Put(int x, int y, std::unique_ptr<TBrick> brick)
    {
        if (!IsInside(x, y))
            return nullptr;
        Forget(Cell(x, y).get());
        Cell(x, y) = std::move(brick);
        return Cell(x, y).get();
    }
    // Takes a brick from outside the board into an empty inside cell and
    // lists its move there: it travels from where it stands. False, leaving
    // the brick with the caller, when the cell is outside or taken.
    bool Arrive(int x, int y, std::unique_ptr<TBrick>& brick)
    {
        if (!brick || !IsInside(x, y) || Cell(x, y))
            return false;
        m_moves.push_back(SMove{brick.get(), PackPos(x, y)});
        Cell(x, y) = std::move(brick);
        return true;
    }
    void Remove(int x, int y)
    {
        if (!IsInside(x, y))
            return;
        Forget(Cell(x, y).get());
        Cell(x, y).reset();
    }
    // Every cell of the whole grid, in use or not, and every move.
    void Clear()
    {
        m_moves.clear();
        for (auto& cell : m_cells)
            cell.reset();
    }

    int CountBricks() const
    {
        int count = 0;
        for (int y = 0; y < m_rows; ++y)
            for (int x = 0; x < m_columns; ++x)
                if (Cell(x, y))
                    ++count;
        return count;
    }
    // Searches in reading order: rows from the top, each from the left.
    bool FindBrick(const TBrick* brick, int& x, int& y) const
    {
        for (y = 0; brick && y < m_rows; ++y)
            for (x = 0; x < m_columns; ++x)
                if (Cell(x, y).get() == brick)
                    return true;
        x = y = -1;
        return false;
    }

    // The cells (packed) of the 4-connected group of the start brick's colour
    // whose bricks also pass joins(const TBrick&); empty when the start cell
    // is empty or its brick does not pass. The start cell comes first.
    template <class Joins>
    std::vector<int> FindGroup(int x, int y, Joins joins) const
    {
        std::vector<int> group;
        const TBrick* start = Get(x, y);
        if (!start || !joins(*start))
            return group;
        int color = start->GetColor();
        std::vector<char> seen(m_cells.size(), 0);
        // An explicit stack: a board-sized group must not nest calls that deep.
        std::vector<int> stack{PackPos(x, y)};
        seen[Index(x, y)] = 1;
        while (!stack.empty())
        {
            int pos = stack.back();
            stack.pop_back();
            group.push_back(pos);
            int cx = UnpackPosX(pos);
            int cy = UnpackPosY(pos);
            for (int i = 0; i < 4; ++i)
            {
                int nx = cx + kStepX[i];
                int ny = cy + kStepY[i];
                const TBrick* next = Get(nx, ny);
                if (!next || seen[Index(nx, ny)] || next->GetColor() != color || !joins(*next))
                    continue;
                seen[Index(nx, ny)] = 1;
                stack.push_back(PackPos(nx, ny));
            }
        }
        return group;
    }

    // How many same-colour groups hold at least minSize bricks.
    int CountGroups(int minSize) const
    {
        std::vector<char> seen(m_cells.size(), 0);
        int groups = 0;
        for (int y = 0; y < m_rows; ++y)
            for (int x = 0; x < m_columns; ++x)
            {
                if (!Cell(x, y) || seen[Index(x, y)])
                    continue;
                std::vector<int> group = FindGroup(x, y, [](const TBrick&) { return true; });
                for (int pos : group)
                    seen[Index(UnpackPosX(pos), UnpackPosY(pos))] = 1;
                if (static_cast<int>(group.size()) >= minSize)
                    ++groups;
            }
        return groups;
    }

    // Lets every brick fall onto the one below it, each column keeping its
    // order; every brick that changes cell gets one move to its final cell,
    // column by column from the left, the lowest brick of a column first.
    // Returns the number of moves added.
    int ApplyGravity()
    {
        int added = 0;
        for (int x = 0; x < m_columns; ++x)
        {
            int free = m_rows - 1;
            for (int y = m_rows - 1; y >= 0; --y)
            {
                if (!Cell(x, y))
                    continue;
                if (y != free)
                {
                    MoveBrick(x, y, x, free);
                    ++added;
                }
                --free;
            }
        }
        return added;
    }

    // Closes the empty columns toward the middle: in each half the columns
    // that hold bricks move together next to the middle, in their old order,
    // and the empty ones end at the outer edges. With an odd number of
    // columns the middle one belongs to both halves; the left half closes
    // first. Returns the number of moves added.
    int CloseColumns()
    {
        int added = 0;
        int target = (m_columns - 1) / 2;
        for (int x = (m_columns - 1) / 2; x >= 0; --x)
            if (!IsColumnEmpty(x))
                added += MoveColumn(x, target--);
        target = m_columns / 2;
        for (int x = m_columns / 2; x < m_columns; ++x)
            if (!IsColumnEmpty(x))
                added += MoveColumn(x, target++);
        return added;
    }

    bool IsColumnEmpty(int x) const
    {
        for (int y = 0; y < m_rows; ++y)
            if (Get(x, y))
                return false;
        return true;
    }

    // Moves a brick in the grid at once and lists the move; a brick already
    // on its way only changes its target. The target cell must be empty.
    void MoveBrick(int fromX, int fromY, int toX, int toY)
    {
        if (!IsInside(fromX, fromY) || !IsInside(toX, toY) || !Cell(fromX, fromY) || Cell(toX, toY))
            return;
        TBrick* brick = Cell(fromX, fromY).get();
        Cell(toX, toY) = std::move(Cell(fromX, fromY));
        for (SMove& move : m_moves)
            if (move.m_brick == brick)
            {
                move.m_target = PackPos(toX, toY);
                return;
            }
        m_moves.push_back(SMove{brick, PackPos(toX, toY)});
    }

    // One step of every move: each brick goes the move fraction of its way,
    // capped at speed x dt; a brick whose step would reach its cell lands on
    // it and its move ends. Returns how many bricks landed. A speed that is
    // not above 0 lands every brick at once rather than never.
    int StepMoves(float dt, float speed)
    {
        int landed = 0;
        for (std::size_t k = 0; k < m_moves.size();)
        {
            TBrick* brick = m_moves[k].m_brick;
            CVector4 target = GetCellCentre(UnpackPosX(m_moves[k].m_target), UnpackPosY(m_moves[k].m_target));
            CVector4 current = brick->GetPosition();
            CVector4 step = (target - current) * kMoveFraction;
            if (step.LengthSquared() > speed * speed)
            {
                step.Normalize();
                step *= speed;
            }
            step *= dt;
            if (speed > 0.0f && step.LengthSquared() < (current - target).LengthSquared())
            {
                brick->SetPosition(current + step);
                ++k;
                continue;
            }
            brick->SetPosition(target);
            m_moves.erase(m_moves.begin() + static_cast<std::ptrdiff_t>(k));
            ++landed;
        }
        return landed;
    }

    // Every inside cell, in reading order, for the frame cache: whether it
    // holds a brick, and what the brick's drawing reads.
    void AddToPrint(CFramePrint& print) const
    {
        print.Add(m_columns);
        print.Add(m_rows);
        for (int y = 0; y < m_rows; ++y)
            for (int x = 0; x < m_columns; ++x)
            {
                const TBrick* brick = Cell(x, y).get();
                print.Add(brick != nullptr);
                if (brick)
                    brick->AddToPrint(print);
            }
    }

    const std::vector<SMove>& GetMoves() const { return m_moves; }
    bool HasMoves() const { return !m_moves.empty(); }
    // Puts every moving brick on its cell at once.
    void FinishMoves()
    {
        for (const SMove& move : m_moves)
            move.m_brick->SetPosition(GetCellCentre(UnpackPosX(move.m_target), UnpackPosY(move.m_target)));
        m_moves.clear();
    }

private:
    // Neighbour order of the group search: right, left, down, up.
    static constexpr int kStepX[4] = {1, -1, 0, 0};
    static constexpr int kStepY[4] = {0, 0, 1, -1};

    static int Limit(int value, int high) { return value < 0 ? 0 : (value > high ? high : value); }
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(x * m_max_rows + y); }
    std::unique_ptr<TBrick>& Cell(int x, int y) { return m_cells[Index(x, y)]; }
    const std::unique_ptr<TBrick>& Cell(int x, int y) const { return m_cells[Index(x, y)]; }

    int MoveColumn(int from, int to)
    {
        if (from == to)
            return 0;
        int moved = 0;
        for (int y = m_rows - 1; y >= 0; --y)
            if (Cell(from, y))
            {
                MoveBrick(from, y, to, y);
                ++moved;
            }
        return moved;
    }

    // A brick that leaves the board leaves the moves too.
    void Forget(const TBrick* brick)
    {
        if (!brick)
            return;
        for (std::size_t k = 0; k < m_moves.size(); ++k)
            if (m_moves[k].m_brick == brick)
            {
                m_moves.erase(m_moves.begin() + static_cast<std::ptrdiff_t>(k));
                return;
            }
    }

    int m_max_columns;
    int m_max_rows;
    int m_columns = 0;
    int m_rows = 0;
    float m_left = 0.0f;
    float m_top = 0.0f;
    float m_cell_size = 1.0f;
    float m_z = 0.0f;
    std::vector<std::unique_ptr<TBrick>> m_cells;
    std::vector<SMove> m_moves;
};
