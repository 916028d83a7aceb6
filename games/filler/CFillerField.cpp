#include "games/filler/CFillerField.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CMesh.h"
#include "games/filler/CFillerBrick.h"
#include "games/filler/CFillerParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const SNAPSHOT_KEY = "field_undo_string";
// The start bricks stand out at this many cells a side, but never below
// this share of the board's width (their size on the medium board): on the
// finer boards a few cells would no longer catch the eye.
const float START_BRICK_SCALE = 1.8f;
const float START_BRICK_MIN_SHARE = 0.036f;
// A light ring and a dark one around each start brick, each this share of
// the board's width, part it from neighbours of its own colour.
const float START_RING_SHARE = 0.004f;
const float START_RING_LIGHT[3] = {1.0f, 0.97f, 0.8f};
const float START_RING_DARK[3] = {0.04f, 0.04f, 0.08f};

void DrawSquare(const CVector4& centre, float half, const float rgb[3])
{
    // Plain colour, whatever picture the drawing before left bound.
    glDisable(GL_TEXTURE_2D);
    glColor4f(rgb[0], rgb[1], rgb[2], 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(centre.x - half, centre.y - half, centre.z);
    glVertex3f(centre.x + half, centre.y - half, centre.z);
    glVertex3f(centre.x + half, centre.y + half, centre.z);
    glVertex3f(centre.x - half, centre.y + half, centre.z);
    glEnd();
}
// Neighbour order of every flood: right, left, down, up.
const int STEP_X[4] = {1, -1, 0, 0};
const int STEP_Y[4] = {0, 0, 1, -1};
const int TABLE_SWAPS = 50;
const float LOGICAL_WIDTH = 800.0f;
const float LOGICAL_HEIGHT = 600.0f;
// Window pixels around the wave's projected box, for rounding.
const int WAVE_MARGIN = 2;
}

CFillerField::CFillerField(CFillerParams& params, CGameEvents* events, CRandom& random)
    : CFillerField(params, events, random, CFillerParams::BoardWidth(params.GetLastSize()),
                   CFillerParams::BoardHeight(params.GetLastSize()))
{
}

CFillerField::CFillerField(CFillerParams& params, CGameEvents* events, CRandom& random, int width, int height)
    : m_params(params), m_events(events), m_random(random)
{
    m_width = std::min(std::max(width, 1), MAX_SIDE);
    m_height = std::min(std::max(height, 1), MAX_SIDE);
    m_extent = params.GetFieldWidth();
    m_cell_size = m_extent / static_cast<float>(m_width);
    m_height_extent = m_height * m_cell_size;

    for (int i = 0; i < TABLE_SWAPS; ++i)
    {
        int a = m_random.Next(COLOR_VALUES);
        int b = m_random.Next(COLOR_VALUES);
        std::swap(m_color_table[a], m_color_table[b]);
    }

    const int cells = m_width * m_height;
    m_bricks.resize(cells);
    m_cells.assign(cells, 0);
    m_marks.assign(cells, 0);
    m_in_wave.assign(cells, 0);
    m_cover.assign(cells, 0);
    m_queue.resize(cells);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            auto brick = std::make_unique<CFillerBrick>(&m_params);
            CVector4 position;
            brick->SetPosition(GetBrickPosition(position, x, y));
            brick->SetScale(m_cell_size);
            m_bricks[Cell(x, y)] = std::move(brick);
            SetCellColor(x, y, m_color_table[m_random.Next(COLOR_COUNT)]);
        }
    SaveSnapshot();
}

CFillerField::~CFillerField() {}

CModel* CFillerField::GetBrick(int x, int y) const
{
    return GetFillerBrick(x, y);
}

CFillerBrick* CFillerField::GetFillerBrick(int x, int y) const
{
    return IsInside(x, y) ? m_bricks[Cell(x, y)].get() : nullptr;
}

CVector4& CFillerField::GetBrickPosition(CVector4& out, int x, int y) const
{
    out.Set(m_cell_size / 2.0f + x * m_cell_size - m_extent / 2.0f,
            m_height_extent / 2.0f - y * m_cell_size - m_cell_size / 2.0f, GetDepth());
    return out;
}

int CFillerField::AddZone(int x, int y)
{
    m_zones.push_back({x, y});
    m_zone_sizes.push_back(0);
    CountZones();
    return static_cast<int>(m_zones.size()) - 1;
}

void CFillerField::GetZoneStart(int zone, int& x, int& y) const
{
    x = 0;
    y = 0;
    if (zone >= 0 && zone < GetZoneCount())
    {
        x = m_zones[zone].m_x;
        y = m_zones[zone].m_y;
    }
}

int CFillerField::GetZoneSize(int zone) const
{
    return (zone >= 0 && zone < static_cast<int>(m_zone_sizes.size())) ? m_zone_sizes[zone] : 0;
}

bool CFillerField::IsColorFree(int index) const
{
    if (index < 0 || index >= COLOR_VALUES)
        return false;
    for (const SZone& zone : m_zones)
        if (GetCellColor(zone.m_x, zone.m_y) == m_color_table[index])
            return false;
    return true;
}

bool CFillerField::IsColorAllowed(int value) const
{
    int index = FindColor(value);
    return index >= 0 && IsColorFree(index);
}

int CFillerField::FindColor(int value) const
{
    for (int i = 0; i < COLOR_COUNT; ++i)
        if (m_color_table[i] == value)
            return i;
    return -1;
}

int CFillerField::GetColorIndex(int value) const
{
    for (int i = 0; i < COLOR_VALUES; ++i)
        if (m_color_table[i] == value)
            return i;
    return -1;
}

bool CFillerField::SetColorTable(const int table[COLOR_VALUES])
{
    bool seen[COLOR_VALUES] = {};
    for (int i = 0; i < COLOR_VALUES; ++i)
    {
        if (table[i] < 0 || table[i] >= COLOR_VALUES || seen[table[i]])
            return false;
        seen[table[i]] = true;
    }
    for (int i = 0; i < COLOR_VALUES; ++i)
        m_color_table[i] = table[i];
    return true;
}

int CFillerField::GetCellColor(int x, int y) const
{
    return IsInside(x, y) ? m_cells[Cell(x, y)] : -1;
}

void CFillerField::SetCellColor(int x, int y, int value)
{
    if (!IsInside(x, y) || value < 0 || value >= COLOR_VALUES)
        return;
    m_cells[Cell(x, y)] = value;
    m_bricks[Cell(x, y)]->SetColor(value);
}

bool CFillerField::FillZone(int x, int y, int index)
{
    // Once the board is covered a move has nothing left to take.
    if (m_game_over || !IsInside(x, y) || !IsColorFree(index))
        return false;
    const int oldColor = m_cells[Cell(x, y)];
    const int newColor = m_color_table[index];
    const bool animate = m_params.GetAnimation();
    const unsigned stamp = NextStamp();
    int head = 0;
    int tail = 0;
    m_queue[tail++] = Cell(x, y);
    m_marks[Cell(x, y)] = stamp;
    EndWave();
    while (head < tail)
    {
        int cell = m_queue[head++];
        CFillerBrick& brick = *m_bricks[cell];
        m_cells[cell] = newColor;
        if (animate)
        {
            if (!brick.IsChanging())
                m_changing.push_back(cell);
            brick.SetTargetColor(newColor);
            m_wave_cells.push_back(cell);
            m_in_wave[cell] = 1;
        }
        else
            brick.SetColor(newColor);
        int cx = cell % m_width;
        int cy = cell / m_width;
        for (int d = 0; d < 4; ++d)
        {
            int nx = cx + STEP_X[d];
            int ny = cy + STEP_Y[d];
            if (!IsInside(nx, ny))
                continue;
            int next = Cell(nx, ny);
            if (m_marks[next] != stamp && m_cells[next] == oldColor)
            {
                m_marks[next] = stamp;
                m_queue[tail++] = next;
            }
        }
    }
    m_wave_running = true;
    m_wave_radius = 0.0f;
    m_wave_shape = m_random.Next(4);
    MarkLiveStarts();
    CountZones();
    return true;
}

void CFillerField::MarkLiveStarts()
{
    // A start brick stands over the wave's bricks only where they meet;
    // one that no wave brick reaches stays on the held board, so the
    // running wave is drawn again only around itself.
    m_start_live.assign(m_zones.size(), 0);
    for (std::size_t zone = 0; zone < m_zones.size(); ++zone)
    {
        const SZone& start = m_zones[zone];
        const CFillerBrick* brick = GetFillerBrick(start.m_x, start.m_y);
        if (!brick)
            continue;
        // A wave brick draws within half a cell of its centre; one cell to spare.
        const int near = static_cast<int>(GetStartBrickReach(*brick) / m_cell_size + 0.5f) + 1;
        for (int cell : m_wave_cells)
            if (std::abs(cell % m_width - start.m_x) <= near && std::abs(cell / m_width - start.m_y) <= near)
            {
                m_start_live[zone] = 1;
                break;
            }
    }
}

bool CFillerField::IsStartDrawnLive(int zone) const
{
    return zone >= 0 && zone < static_cast<int>(m_start_live.size()) && m_start_live[zone] != 0;
}

unsigned CFillerField::NextStamp()
{
    if (++m_stamp == 0)
    {
        // Wrapped around: old marks could pass for new ones.
        std::fill(m_marks.begin(), m_marks.end(), 0u);
        std::fill(m_cover.begin(), m_cover.end(), 0u);
        m_stamp = 1;
    }
    return m_stamp;
}

int CFillerField::CountRegion(int start, unsigned markStamp, unsigned coverStamp)
{
    const int color = m_cells[start];
    int count = 0;
    int head = 0;
    int tail = 0;
    m_queue[tail++] = start;
    m_marks[start] = markStamp;
    while (head < tail)
    {
        int cell = m_queue[head++];
        ++count;
        if (m_cover[cell] != coverStamp)
        {
            m_cover[cell] = coverStamp;
            ++m_covered_count;
        }
        int cx = cell % m_width;
        int cy = cell / m_width;
        for (int d = 0; d < 4; ++d)
        {
            int nx = cx + STEP_X[d];
            int ny = cy + STEP_Y[d];
            if (!IsInside(nx, ny))
                continue;
            int next = Cell(nx, ny);
            if (m_marks[next] != markStamp && m_cells[next] == color)
            {
                m_marks[next] = markStamp;
                m_queue[tail++] = next;
            }
        }
    }
    return count;
}

void CFillerField::CountZones()
{
    // One cover stamp for the whole recount, one mark stamp per zone: two
    // zones of one region (both start cells in it) cover its cells once, so
    // the game still ends when the board is covered.
    const unsigned coverStamp = NextStamp();
    m_covered_count = 0;
    for (std::size_t i = 0; i < m_zones.size(); ++i)
    {
        m_zone_sizes[i] = 0;
        if (IsInside(m_zones[i].m_x, m_zones[i].m_y))
            m_zone_sizes[i] = CountRegion(Cell(m_zones[i].m_x, m_zones[i].m_y), NextStamp(), coverStamp);
    }
    if (!m_zones.empty() && !m_game_over && m_covered_count == m_width * m_height)
    {
        m_game_over = true;
        m_banner = true;
        if (m_events)
            m_events->PlaySound(SOUND_BOARD_COVERED, true, false);
    }
}

void CFillerField::Update(float, bool effectRunning)
{
    if (m_wave_running && !effectRunning)
        UpdateWave();
}

void CFillerField::UpdateWave()
{
    // The radius grows per frame, not per unit of time.
    m_wave_radius += WAVE_STEP;
    if (m_changing.empty())
    {
        m_wave_running = false;
        EndWave();
        return;
    }
    const int r = static_cast<int>(m_wave_radius);
    int x0 = 0;
    int y0 = 0;
    GetZoneStart(m_current_zone, x0, y0);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_changing.size(); ++i)
    {
        int cell = m_changing[i];
        int dx = x0 - cell % m_width;
        int dy = y0 - cell / m_width;
        bool reached = false;
        switch (m_wave_shape)
        {
        case WAVE_COLUMNS:
            reached = dx * dx <= r * r;
            break;
        case WAVE_DISC:
            reached = dx * dx + dy * dy <= r * r;
            break;
        case WAVE_ROWS:
            reached = dy * dy <= r * r;
            break;
        default:
            reached = std::abs(dx) + std::abs(dy) <= r;
            break;
        }
        if (reached)
            m_bricks[cell]->ApplyTargetColor();
        else
            m_changing[kept++] = cell;
    }
    m_changing.resize(kept);
}

void CFillerField::EndWave()
{
    for (int cell : m_wave_cells)
        m_in_wave[cell] = 0;
    m_wave_cells.clear();
    m_start_live.clear();
}

void CFillerField::OnKey()
{
    if (m_banner && !m_wave_running)
        m_banner = false;
}

void CFillerField::OnClick()
{
    if (m_first_release)
        m_first_release = false;
    else
        OnKey();
}

void CFillerField::SaveSnapshot()
{
    m_saved_zone = m_current_zone;
    m_snapshot.clear();
    m_snapshot.reserve((COLOR_VALUES + m_cells.size()) * 2);
    char number[16];
    for (int value : m_color_table)
    {
        std::snprintf(number, sizeof number, "%d ", value);
        m_snapshot += number;
    }
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
        {
            std::snprintf(number, sizeof number, "%d ", m_cells[Cell(x, y)]);
            m_snapshot += number;
        }
}

bool CFillerField::ParseSnapshot(const std::string& text, int width, int height, std::vector<int>& out)
{
    if (width < 1 || height < 1 || width > MAX_SIDE || height > MAX_SIDE)
        return false;
    const std::size_t expected = COLOR_VALUES + static_cast<std::size_t>(width) * height;
    out.clear();
    out.reserve(expected);
    const char* p = text.c_str();
    while (*p)
    {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
        {
            ++p;
            continue;
        }
        // Every number is one of the six colour values: a single digit.
        if (*p < '0' || *p > '5' || (p[1] >= '0' && p[1] <= '9') || p[1] == '-')
            return false;
        if (out.size() == expected)
            return false;
        out.push_back(*p - '0');
        ++p;
    }
    if (out.size() != expected)
        return false;
    bool seen[COLOR_VALUES] = {};
    for (int i = 0; i < COLOR_VALUES; ++i)
    {
        if (seen[out[i]])
            return false;
        seen[out[i]] = true;
    }
    return true;
}

void CFillerField::ApplySnapshot(const std::vector<int>& numbers)
{
    m_current_zone = m_saved_zone;
    for (int i = 0; i < COLOR_VALUES; ++i)
        m_color_table[i] = numbers[i];
    std::size_t at = COLOR_VALUES;
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
            SetCellColor(x, y, numbers[at++]);
    m_changing.clear();
    EndWave();
}

bool CFillerField::LoadSnapshot()
{
    std::vector<int> numbers;
    if (!ParseSnapshot(m_snapshot, m_width, m_height, numbers))
        return false;
    ApplySnapshot(numbers);
    return true;
}

void CFillerField::Save(CConfigFile& store) const
{
    store.SetValue(SNAPSHOT_KEY, m_snapshot);
    store.SetInt("filler_current_zone", m_saved_zone);
}

bool CFillerField::ValidateSave(const CConfigFile& store) const
{
    return ValidateSave(store, m_width, m_height, GetZoneCount());
}

bool CFillerField::ValidateSave(const CConfigFile& store, int width, int height, int zones)
{
    int zone = 0;
    if (!ReadSaveInt(store, "filler_current_zone", 0, zones > 0 ? zones - 1 : 0, zone))
        return false;
    std::vector<int> numbers;
    return store.HasKey(SNAPSHOT_KEY) && ParseSnapshot(store.GetValue(SNAPSHOT_KEY, ""), width, height, numbers);
}

int CFillerField::SizeOfSave(const CConfigFile& store)
{
    return store.HasKey(SNAPSHOT_KEY) ? SizeOfSnapshot(store.GetValue(SNAPSHOT_KEY, "")) : -1;
}

int CFillerField::SizeOfSnapshot(const std::string& text)
{
    std::size_t numbers = 0;
    bool inNumber = false;
    for (char c : text)
    {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank && !inNumber)
            ++numbers;
        inNumber = !blank;
    }
    for (int size = 0; size < CFillerParams::SIZE_COUNT; ++size)
        if (numbers == COLOR_VALUES + static_cast<std::size_t>(CFillerParams::BoardWidth(size)) *
                                          CFillerParams::BoardHeight(size))
            return size;
    return -1;
}

bool CFillerField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    std::vector<int> numbers;
    ParseSnapshot(store.GetValue(SNAPSHOT_KEY, ""), m_width, m_height, numbers);
    ReadSaveInt(store, "filler_current_zone", 0, 0x7FFFFFFF, m_saved_zone);
    m_snapshot = store.GetValue(SNAPSHOT_KEY, "");
    m_wave_running = false;
    m_game_over = false;
    m_banner = false;
    ApplySnapshot(numbers);
    CountZones();
    return true;
}

bool CFillerField::PickCell(const CVector4& point, int& x, int& y) const
{
    return CellFromPoint(point, -m_extent / 2.0f, m_height_extent / 2.0f, m_cell_size, m_width, m_height, &x, &y);
}

void CFillerField::Reskin()
{
    // Bricks waiting for the wave take the new skin when it reaches them.
    for (auto& brick : m_bricks)
        if (!brick->IsChanging())
            brick->SetColor(brick->GetColor());
}

void CFillerField::BeginBricks()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    // The brick pictures carry their shading.
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
}

void CFillerField::Draw()
{
    BeginBricks();
    m_batch.Begin();
    for (std::size_t cell = 0; cell < m_bricks.size(); ++cell)
        if (!m_in_wave[cell])
            m_batch.Add(*m_bricks[cell]);
    m_batch.Draw();
    // Those that meet a running wave stand over its bricks (DrawWave).
    DrawStartBricks(false);
    glDisable(GL_COLOR_MATERIAL);
}

void CFillerField::DrawStartBricks(bool live)
{
    // Drawn over the board one by one: two bricks and four squares a frame.
    const float side = GetStartBrickSize();
    const float ring = GetStartRingWidth();
    for (std::size_t index = 0; index < m_zones.size(); ++index)
    {
        const SZone& zone = m_zones[index];
        CFillerBrick* brick = GetFillerBrick(zone.m_x, zone.m_y);
        if (!brick || IsStartDrawnLive(static_cast<int>(index)) != live)
            continue;
        // The rings follow the brick while an entrance effect moves it.
        DrawSquare(brick->GetPosition(), side / 2.0f + 2.0f * ring, START_RING_DARK);
        DrawSquare(brick->GetPosition(), side / 2.0f + ring, START_RING_LIGHT);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        const float scale = brick->GetScale();
        brick->SetScale(side);
        brick->Draw();
        brick->SetScale(scale);
    }
}

void CFillerField::DrawWave(std::vector<CDraw2D::SRect>& covered)
{
    if (m_wave_cells.empty())
        return;
    BeginBricks();
    m_wave_batch.Begin();
    int left = m_width;
    int right = -1;
    int top = m_height;
    int bottom = -1;
    for (int cell : m_wave_cells)
    {
        m_wave_batch.Add(*m_bricks[cell]);
        left = std::min(left, cell % m_width);
        right = std::max(right, cell % m_width);
        top = std::min(top, cell / m_width);
        bottom = std::max(bottom, cell / m_width);
    }
    m_wave_batch.Draw();
    // The start bricks stand over the wave's bricks as over the others.
    DrawStartBricks(true);
    glDisable(GL_COLOR_MATERIAL);
    for (std::size_t index = 0; index < m_zones.size(); ++index)
    {
        const SZone& zone = m_zones[index];
        if (!IsStartDrawnLive(static_cast<int>(index)))
            continue;
        left = std::min(left, zone.m_x);
        right = std::max(right, zone.m_x);
        top = std::min(top, zone.m_y);
        bottom = std::max(bottom, zone.m_y);
    }

    // The board box of those cells, a start brick's reach wider on every
    // side and as deep as a cell is wide, in window pixels.
    int width = 0;
    int height = 0;
    CDraw2D::GetViewportSize(width, height);
    const float reach = GetStartBrickSize() / 2.0f + 2.0f * GetStartRingWidth();
    CVector4 a;
    CVector4 b;
    GetBrickPosition(a, left, top);
    GetBrickPosition(b, right, bottom);
    double winLeft = width;
    double winRight = 0.0;
    double winBottom = height;
    double winTop = 0.0;
    CMatrixStack::Push();
    CMatrixStack::Translate((a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f, GetDepth());
    const bool known = width > 0 && height > 0 &&
                       CMatrixStack::WidenToProjectedBox((b.x - a.x) / 2.0f + reach, (a.y - b.y) / 2.0f + reach,
                                                         m_cell_size, winLeft, winRight, winBottom, winTop);
    CMatrixStack::Pop();
    if (!known)
    {
        covered.push_back({0.0f, 0.0f, LOGICAL_WIDTH, LOGICAL_HEIGHT});
        return;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(winLeft)) - WAVE_MARGIN);
    const int y0 = std::max(0, static_cast<int>(std::floor(winBottom)) - WAVE_MARGIN);
    const int x1 = std::min(width, static_cast<int>(std::ceil(winRight)) + WAVE_MARGIN);
    const int y1 = std::min(height, static_cast<int>(std::ceil(winTop)) + WAVE_MARGIN);
    if (x1 <= x0 || y1 <= y0)
        return;
    // Window rows count up from the bottom, logical ones down from the top.
    const float sx = LOGICAL_WIDTH / static_cast<float>(width);
    const float sy = LOGICAL_HEIGHT / static_cast<float>(height);
    covered.push_back({x0 * sx, (height - y1) * sy, (x1 - x0) * sx, (y1 - y0) * sy});
}

int CFillerField::GetTileSide() const
{
    return (std::max(m_width, m_height) + TILES_ACROSS - 1) / TILES_ACROSS;
}

void CFillerField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_width);
    print.Add(m_height);
    // A part per square of cells: a wave that starts or ends, or a colour
    // set at once, draws the board again only around the cells it changed.
    const int side = GetTileSide();
    const int across = (m_width + side - 1) / side;
    const float half = m_cell_size / 2.0f;
    for (int top = 0; top < m_height; top += side)
        for (int left = 0; left < m_width; left += side)
        {
            print.BeginBoardPart(TILE_PART | static_cast<std::uint64_t>(top / side * across + left / side));
            for (int y = top; y < std::min(top + side, m_height); ++y)
                for (int x = left; x < std::min(left + side, m_width); ++x)
                {
                    const int cell = Cell(x, y);
                    const CFillerBrick& brick = *m_bricks[cell];
                    print.Add(m_in_wave[cell]);
                    if (!m_in_wave[cell])
                        brick.AddToPrint(print);
                    // The cell itself too: a brick without a look draws
                    // nothing, but its box still names the place.
                    const CVector4& at = brick.GetPosition();
                    print.AddBox(CVector4(at.x - half, at.y - half, at.z), CVector4(at.x + half, at.y + half, at.z));
                    print.AddModelBox(brick);
                }
            print.EndPart();
        }
    for (std::size_t zone = 0; zone < m_zones.size(); ++zone)
    {
        print.BeginBoardPart(START_PART | zone);
        print.Add(m_zones[zone].m_x);
        print.Add(m_zones[zone].m_y);
        // One that meets a running wave is drawn over it, live.
        const bool held = !IsStartDrawnLive(static_cast<int>(zone));
        print.Add(held);
        const CFillerBrick* brick = GetFillerBrick(m_zones[zone].m_x, m_zones[zone].m_y);
        if (brick && held)
        {
            brick->AddToPrint(print);
            print.Add(GetStartBrickSize());
            print.Add(GetStartRingWidth());
        }
        if (brick)
        {
            const CVector4& at = brick->GetPosition();
            const float reach = GetStartBrickReach(*brick);
            print.AddBox(CVector4(at.x - reach, at.y - reach, at.z - reach),
                         CVector4(at.x + reach, at.y + reach, at.z + reach));
        }
        print.EndPart();
    }
}

float CFillerField::GetStartBrickReach(const CFillerBrick& brick) const
{
    // The rings' half side, or the enlarged brick's, turned any way.
    const float side = GetStartBrickSize();
    float reach = side / 2.0f + 2.0f * GetStartRingWidth();
    const CMesh* mesh = brick.GetMesh();
    float low[3] = {0.0f, 0.0f, 0.0f};
    float high[3] = {0.0f, 0.0f, 0.0f};
    if (mesh && mesh->GetBounds(low, high))
        for (int axis = 0; axis < 3; ++axis)
            reach = std::max({reach, std::fabs(low[axis]) * side * std::sqrt(3.0f),
                              std::fabs(high[axis]) * side * std::sqrt(3.0f)});
    return reach;
}

float CFillerField::GetStartBrickSize() const
{
    return std::max(m_cell_size * START_BRICK_SCALE, m_extent * START_BRICK_MIN_SHARE);
}

float CFillerField::GetStartRingWidth() const
{
    return m_extent * START_RING_SHARE;
}
