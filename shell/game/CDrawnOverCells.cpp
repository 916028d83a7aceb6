#include "shell/game/CDrawnOverCells.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/gfx/CBackSparkle.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "shell/game/CContentCover.h"

void CDrawnOverCells::Mark(float x, float y, float width, float height, float logical_width, float logical_height)
{
    const int columns = static_cast<int>(std::ceil(logical_width / kCell));
    const int rows = static_cast<int>(std::ceil(logical_height / kCell));
    if (columns <= 0 || rows <= 0)
        return;
    if (columns != m_columns || m_cells.size() != static_cast<std::size_t>(columns) * rows)
    {
        // A grid that had another size knows nothing of the last frame:
        // all of it is marked. A new one starts empty.
        m_cells.assign(static_cast<std::size_t>(columns) * rows, m_columns != 0);
        m_columns = columns;
        m_width = logical_width;
        m_height = logical_height;
    }
    if (x + width < 0.0f || y + height < 0.0f || x > logical_width || y > logical_height)
        return;
    const int c0 = std::clamp(static_cast<int>(std::floor(x / kCell)), 0, columns - 1);
    const int c1 = std::clamp(static_cast<int>(std::floor((x + width) / kCell)), 0, columns - 1);
    const int r0 = std::clamp(static_cast<int>(std::floor(y / kCell)), 0, rows - 1);
    const int r1 = std::clamp(static_cast<int>(std::floor((y + height) / kCell)), 0, rows - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            m_cells[static_cast<std::size_t>(r) * columns + c] = true;
}

bool CDrawnOverCells::Touches(const CDraw2D::SRect& rect) const
{
    if (m_columns <= 0)
        return false;
    const int rows = static_cast<int>(m_cells.size()) / m_columns;
    const int c0 = std::max(0, static_cast<int>(std::floor(rect.x / kCell)));
    const int c1 = std::min(m_columns - 1, static_cast<int>(std::ceil((rect.x + rect.width) / kCell)) - 1);
    const int r0 = std::max(0, static_cast<int>(std::floor(rect.y / kCell)));
    const int r1 = std::min(rows - 1, static_cast<int>(std::ceil((rect.y + rect.height) / kCell)) - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (m_cells[static_cast<std::size_t>(r) * m_columns + c])
                return true;
    return false;
}

void CDrawnOverCells::MarkBackSparkles(const CSparkleLists& sparkles, const CSprite& sprite, float logical_width,
                                       float logical_height, const CContentCover* cover, std::vector<bool>* shown,
                                       float margin)
{
    if (shown)
        shown->assign(sparkles.GetBackSparkles().size(), true);
    std::size_t index = 0;
    for (const auto& sparkle : sparkles.GetBackSparkles())
    {
        const float reach = BackSparkleReach(sprite, sparkle->GetGroup(), sparkle->GetFrame()) + margin;
        const CVector4& at = sparkle->GetPosition();
        const float x = at.x - reach, y = at.y - reach;
        if (cover && IsCovered(*cover, x, y, 2.0f * reach, 2.0f * reach))
        {
            if (shown)
                (*shown)[index] = false;
        }
        else
            Mark(x, y, 2.0f * reach, 2.0f * reach, logical_width, logical_height);
        ++index;
    }
}

float CDrawnOverCells::BackSparkleReach(const CSprite& sprite)
{
    // Turned any way about its place: the circle round the sprite's corners,
    // and a pixel more for the filtering at its edge.
    const CVector4& offset = sprite.GetPosition();
    return std::hypot(sprite.GetWidth() / 2.0f, sprite.GetHeight() / 2.0f) + std::hypot(offset.x, offset.y) + 2.0f;
}

float CDrawnOverCells::BackSparkleReach(const CSprite& sprite, int group, int frame)
{
    // Each is drawn as the part of its cell that shows, turned about the
    // sprite's offset from its place (CSprite::AddCell).
    const CVector4& offset = sprite.GetPosition();
    return sprite.GetTurnedReach(group, frame) + std::hypot(offset.x, offset.y) + 2.0f;
}

bool CDrawnOverCells::IsCovered(const CContentCover& cover, float x, float y, float width, float height)
{
    // As Mark counts the cells a rectangle touches.
    const int c0 = static_cast<int>(std::floor(x / kCell)), c1 = static_cast<int>(std::floor((x + width) / kCell));
    const int r0 = static_cast<int>(std::floor(y / kCell)), r1 = static_cast<int>(std::floor((y + height) / kCell));
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (cover.At(c, r) != CContentCover::kOpaque)
                return false;
    return true;
}

void CDrawnOverCells::Add(const CDrawnOverCells& other)
{
    if (other.m_columns == 0)
        return;
    if (other.m_cells.size() != m_cells.size() || other.m_columns != m_columns)
    {
        // Another grid size: everything the other knows, marked whole.
        *this = other;
        std::fill(m_cells.begin(), m_cells.end(), true);
        return;
    }
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i] = m_cells[i] || other.m_cells[i];
}

void CDrawnOverCells::Clear()
{
    std::fill(m_cells.begin(), m_cells.end(), false);
}

std::vector<CDraw2D::SRect> CDrawnOverCells::Runs() const
{
    return CellRuns(m_cells, m_columns, m_width, m_height);
}

std::vector<CDraw2D::SRect> CDrawnOverCells::CellRuns(const std::vector<bool>& cells, int columns,
                                                      float logical_width, float logical_height)
{
    std::vector<CDraw2D::SRect> runs;
    if (columns <= 0)
        return runs;
    const int rows = static_cast<int>(cells.size()) / columns;
    // A run that spans the same columns as one in the row above lengthens
    // that one: each rectangle costs the renderer its own triangles.
    struct SOpen
    {
        int start, end;
        std::size_t run;
    };
    std::vector<SOpen> above, here;
    for (int r = 0; r < rows; ++r)
    {
        here.clear();
        std::size_t next = 0;
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
            const float y = r * kCell;
            while (next < above.size() && above[next].start < start)
                ++next;
            if (next < above.size() && above[next].start == start && above[next].end == c)
            {
                CDraw2D::SRect& run = runs[above[next].run];
                run.height = std::min(logical_height, y + kCell) - run.y;
                here.push_back({start, c, above[next].run});
                continue;
            }
            const float x = start * kCell;
            here.push_back({start, c, runs.size()});
            runs.push_back({x, y, std::min(logical_width, c * kCell) - x, std::min(logical_height, y + kCell) - y});
        }
        above.swap(here);
    }
    return runs;
}
