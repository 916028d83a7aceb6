#include "games/jewel/CJewelField.h"

#include <GL/gl.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelGrid.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const LIGHT1_NAME = "MWField1";
const char* const LIGHT2_NAME = "MWField2";
const float MOVE_FRACTION = 0.15f;
const float POPUP_FADE = 0.0003f;
const float POPUP_RISE = 0.14f;
const float POPUP_SIZE = 52.0f;
// A popup's text starts this far left of its point.
const float POPUP_INDENT = 50.0f;
// Board units round a popup's glyphs, for the pixels their edges touch.
const float POPUP_MARGIN = 4.0f;
const int LEVEL_BONUS = 1000;
// A deal, or a level start's draw, that leaves no move is drawn again; after
// this many a fresh board is given a move by hand, and a level start deals
// its whole board afresh, so that no group size or colour count can make
// either hang.
const int MAX_DEALS = 1000;
// Falls a level start's draw may set off before it counts as one that never
// settles (only a board of very few colours could come near it).
const int MAX_PLANNED_FALLS = 100;
const int MAX_LEVEL = 1000;
const int MAX_FRAME_SCORE = LEVEL_BONUS * MAX_LEVEL + CJewelParams::MAX_CELLS * CJewelParams::MAX_CELLS;
// Neighbour order of the no-move test and the hint: left, right, up, down.
const int STEP_X[4] = {-1, 1, 0, 0};
const int STEP_Y[4] = {0, 0, -1, 1};
const float LOGICAL_WIDTH = 800.0f;
const float LOGICAL_HEIGHT = 600.0f;
// Window pixels around a turning brick's projected box, for rounding and
// the smoothing at its edges.
const int TURNING_MARGIN = 2;
}

CJewelField::CJewelField(const CJewelParams& params, CRandom& random, CGameEvents* events, CResManager* resources,
                         const CBitmapFont* font)
    : m_params(params), m_random(random), m_events(events), m_resources(resources), m_font(font)
{
    m_side = params.GetFieldWidth();
    m_game_size = params.GetLastSize();
    m_game_difficulty = params.GetLastDifficulty();
    m_group_size = params.GetGroupSize(m_game_difficulty);
    m_colors = params.GetStartColors(m_game_difficulty);
    m_width_bricks = m_height_bricks = CJewelParams::BoardCells(m_game_size, m_game_difficulty);
    m_popup_color = CVector4(1.0f, 1.0f, 1.0f);

    m_light1.SetAmbient(0.6f, 0.6f, 0.6f, 1.0f);
    m_light1.SetDiffuse(0.6f, 0.6f, 0.6f, 1.0f);
    m_light1.SetSpecular(0.6f, 0.6f, 0.6f, 1.0f);
    m_light1.SetPosition(0.0f, 0.0f, 35.0f, 0);
    m_light1.SetExtraColor(0.2f, 0.2f, 0.2f, 1.0f);
    m_light2.SetDiffuse(0.3f, 0.3f, 0.3f, 1.0f);
    m_light2.SetAmbient(0.4f, 0.4f, 0.4f, 1.0f);
    m_light2.SetSpecular(0.3f, 0.3f, 0.3f, 1.0f);
    m_light2.SetPosition(0.0f, 0.0f, 35.0f, 0);
    if (m_resources)
    {
        m_light1.Apply();
        m_light2.Apply();
        m_resources->AddLight(&m_light1, LIGHT1_NAME);
        m_resources->AddLight(&m_light2, LIGHT2_NAME);
    }

    m_sample_brick = NewBrick(0);
    float s = GetBrickSize();
    m_sample_brick->SetPosition(CVector4(-m_side / 2.0f + 1.5f * s, m_side / 2.0f - 1.5f * s,
                                         m_sample_brick->GetScaledSizeZ() / 2.0f));
}

CJewelField::~CJewelField()
{
    // The menu's manager outlives the field: its lights must not stay listed.
    if (m_resources)
    {
        m_resources->RemoveLight(&m_light1);
        m_resources->RemoveLight(&m_light2);
    }
}

float CJewelField::GetBrickSize() const
{
    return m_side / static_cast<float>(m_width_bricks);
}

float CJewelField::GetBrickDepth() const
{
    return m_sample_brick->GetScaledSizeZ();
}

bool CJewelField::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width_bricks && y < m_height_bricks;
}

CJewelBrick* CJewelField::BrickAt(int x, int y) const
{
    return IsInside(x, y) ? m_bricks[x][y].get() : nullptr;
}

CModel* CJewelField::GetBrick(int x, int y) const
{
    return BrickAt(x, y);
}

CVector4& CJewelField::GetBrickPosition(CVector4& out, int x, int y) const
{
    float s = GetBrickSize();
    out.Set(x * s - m_side / 2.0f + s / 2.0f, m_side / 2.0f - y * s - s / 2.0f, GetBrickDepth() / 2.0f);
    return out;
}

CVector4 CJewelField::GetBrickPosition(int x, int y) const
{
    CVector4 out;
    return GetBrickPosition(out, x, y);
}

bool CJewelField::CellAt(const CVector4& point, int& x, int& y) const
{
    float s = GetBrickSize();
    // Floored, so that a point just left of or above the board is off it.
    double fx = std::floor((point.x + m_side / 2.0f) / s);
    double fy = std::floor((m_side / 2.0f - point.y) / s);
    x = (std::isfinite(fx) && std::fabs(fx) < 1.0e6) ? static_cast<int>(fx) : -1;
    y = (std::isfinite(fy) && std::fabs(fy) < 1.0e6) ? static_cast<int>(fy) : -1;
    return IsInside(x, y);
}

int CJewelField::RandomColor(int count)
{
    return m_random.Next(count);
}

void CJewelField::PlaySound(int id)
{
    if (m_events)
        m_events->PlaySound(id, true, false);
}

std::unique_ptr<CJewelBrick> CJewelField::NewBrick(int color) const
{
    auto brick = std::make_unique<CJewelBrick>(&m_params, m_events);
    brick->SetScale(GetBrickSize());
    brick->SetColor(color);
    return brick;
}

CJewelBrick* CJewelField::CreateBrickAt(int x, int y, int color)
{
    if (!IsInside(x, y))
        return nullptr;
    m_bricks[x][y] = NewBrick(color);
    m_bricks[x][y]->SetPosition(GetBrickPosition(x, y));
    return m_bricks[x][y].get();
}

void CJewelField::ClearBoard()
{
    m_moving.clear();
    m_targets.clear();
    m_walked.clear();
    m_swap_a = m_swap_b = nullptr;
    m_planned.clear();
    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_bricks[x][y].reset();
}

void CJewelField::SetBoardSize(int cells)
{
    ClearBoard();
    if (cells < 1)
        cells = 1;
    if (cells > MAX_CELLS)
        cells = MAX_CELLS;
    m_width_bricks = m_height_bricks = cells;
    m_sample_brick->SetScale(GetBrickSize());
}

bool CJewelField::FindBrick(const CJewelBrick* brick, int& x, int& y) const
{
    for (int row = 0; row < m_height_bricks; ++row)
        for (int col = 0; col < m_width_bricks; ++col)
            if (brick && m_bricks[col][row].get() == brick)
            {
                x = col;
                y = row;
                return true;
            }
    x = y = -1;
    return false;
}

bool CJewelField::HasSelection() const
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y] && m_bricks[x][y]->IsSelected())
                return true;
    return false;
}

void CJewelField::ClearSelection()
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y])
                m_bricks[x][y]->SetSelected(false);
}

void CJewelField::ClearHover()
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y])
                m_bricks[x][y]->SetHovered(false);
}

void CJewelField::EndGame()
{
    if (m_state == STATE_STUCK)
        m_state = STATE_FINISHED;
}

int CJewelField::ColorsForLevel(int level)
{
    return level + 4 < CJewelParams::COLOR_COUNT ? level + 4 : CJewelParams::COLOR_COUNT;
}

void CJewelField::NewLevel(int level)
{
    m_current_level = level;
    m_colors = ColorsForLevel(level);
    m_is_finish = false;
    if (level == 1)
        DealBoard();
    else
    {
        DealLevelStart();
        PlaySound(SOUND_NEXT_LEVEL);
    }
}

void CJewelField::DealBoard()
{
    for (int deal = 0;; ++deal)
    {
        ClearBoard();
        m_state = STATE_IDLE;
        DealHoles();
        bool last = deal + 1 >= MAX_DEALS;
        if (last)
            ForceMove();
        if (!CheckStuck() || last)
            break;
    }
    m_state = STATE_IDLE;
}

void CJewelField::DealHoles()
{
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (!m_bricks[x][y])
                CreateBrickAt(x, y, DealColor(x, y));
}

void CJewelField::DealLevelStart()
{
    // The bricks the level end left fall as any refill moves them, in their
    // own colours, and the new bricks and their cascades are those of a draw
    // that settles with a move.
    if (PlanLevelStart())
    {
        Refill();
        return;
    }
    // No draw of the free cells gave a move: the whole board is dealt
    // afresh, as level 1's is, and all of it falls in.
    DealBoard();
    m_state = STATE_FALLING;
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = m_height_bricks - 1, k = 0; y >= 0; --y, ++k)
            DropIn(x, y, k);
}

bool CJewelField::PlanLevelStart()
{
    // The draw is tried on the colours alone, with the cascades it sets off
    // and their own refills, and drawn again while it would leave no swap.
    // The colours of the draw that holds are kept for the real refills: the
    // bonus figures draw from the same source while the cascades pay.
    CJewelGrid kept(m_width_bricks, m_height_bricks, m_group_size);
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y])
                kept.Set(x, y, m_bricks[x][y]->GetColor());
    for (int deal = 0; deal < MAX_DEALS; ++deal)
    {
        m_planned.clear();
        CJewelGrid grid = kept;
        bool quiet = false;
        for (int fall = 0; fall < MAX_PLANNED_FALLS && !quiet; ++fall)
        {
            for (int x = 0; x < m_width_bricks; ++x)
                for (int y = grid.Fall(x) - 1; y >= 0; --y)
                {
                    m_planned.push_back(RandomColor(m_colors));
                    grid.Set(x, y, m_planned.back());
                }
            quiet = grid.RemoveRuns() == 0;
        }
        if (quiet && grid.HasMove())
            return true;
        // Nothing drawn: every further try would end the same.
        if (m_planned.empty())
            break;
    }
    m_planned.clear();
    return false;
}

int CJewelField::NextNewColor()
{
    if (m_planned.empty())
        return RandomColor(m_colors);
    int color = m_planned.front();
    m_planned.pop_front();
    return color;
}

bool CJewelField::CompletesRun(int x, int y, int color) const
{
    auto same = [&](int cx, int cy) {
        return IsInside(cx, cy) && m_bricks[cx][cy] && m_bricks[cx][cy]->GetColor() == color;
    };
    int row = 1;
    for (int cx = x - 1; same(cx, y); --cx)
        ++row;
    for (int cx = x + 1; same(cx, y); ++cx)
        ++row;
    int column = 1;
    for (int cy = y - 1; same(x, cy); --cy)
        ++column;
    for (int cy = y + 1; same(x, cy); ++cy)
        ++column;
    return row >= m_group_size || column >= m_group_size;
}

int CJewelField::DealColor(int x, int y)
{
    // A run standing on a fresh board would pay out at the first landing,
    // before any move: each cell takes a colour that completes none with the
    // bricks already dealt.
    int allowed[CJewelParams::COLOR_COUNT];
    int count = 0;
    for (int c = 0; c < m_colors && c < CJewelParams::COLOR_COUNT; ++c)
        if (!CompletesRun(x, y, c))
            allowed[count++] = c;
    if (count == 0)
        return RandomColor(m_colors);
    return allowed[RandomColor(count)];
}

void CJewelField::ForceMove()
{
    // A run short by one in the top row, its last brick one row down: the
    // swap of that brick upwards completes it. The rest is dealt around it.
    int g = m_group_size;
    if (g > m_width_bricks || m_height_bricks < 2)
        return;
    int color = RandomColor(m_colors);
    ClearBoard();
    for (int x = 0; x + 1 < g; ++x)
        CreateBrickAt(x, 0, color);
    CreateBrickAt(g - 1, 1, color);
    DealHoles();
}

void CJewelField::StartMove(CJewelBrick* brick, int x, int y)
{
    m_moving.push_back(brick);
    m_targets.push_back(PackPos(x, y));
}

void CJewelField::TrySwap(int x, int y)
{
    CJewelBrick* pressed = BrickAt(x, y);
    if (!pressed)
        return;
    int sx = -1;
    int sy = -1;
    for (int row = 0; row < m_height_bricks && sx < 0; ++row)
        for (int col = 0; col < m_width_bricks; ++col)
            if (m_bricks[col][row] && m_bricks[col][row]->IsSelected())
            {
                sx = col;
                sy = row;
                break;
            }
    if (sx < 0)
        return;
    bool neighbour = (sy == y && (sx == x + 1 || sx == x - 1)) || (sx == x && (sy == y + 1 || sy == y - 1));
    if (!neighbour)
    {
        if (!pressed->IsSelected())
            PlaySound(SOUND_SELECT);
        ClearSelection();
        pressed->SetSelected(true);
        return;
    }
    ClearSelection();
    CJewelBrick* selected = m_bricks[sx][sy].get();
    m_swap_a = selected;
    m_swap_target_a = PackPos(x, y);
    m_swap_b = pressed;
    m_swap_target_b = PackPos(sx, sy);
    StartMove(selected, x, y);
    StartMove(pressed, sx, sy);
    m_state = STATE_SWAP;
    std::swap(m_bricks[sx][sy], m_bricks[x][y]);
}

void CJewelField::WalkRun(int x, int y, int dx, int dy, int color, int& length)
{
    auto matches = [&](int cx, int cy) {
        return IsInside(cx, cy) && m_bricks[cx][cy] && m_bricks[cx][cy]->GetColor() == color;
    };
    int cx = x;
    int cy = y;
    while (matches(cx - dx, cy - dy))
    {
        cx -= dx;
        cy -= dy;
    }
    std::vector<CJewelBrick*> fresh;
    length = 0;
    for (; matches(cx, cy); cx += dx, cy += dy)
    {
        CJewelBrick* brick = m_bricks[cx][cy].get();
        if (!brick->IsMarked())
            fresh.push_back(brick);
        brick->Mark();
        ++length;
    }
    // A short run gives back only the marks it set; marks set before stay.
    if (length < m_group_size)
    {
        for (CJewelBrick* brick : fresh)
            brick->Unmark();
    }
    else
        m_walked.insert(m_walked.end(), fresh.begin(), fresh.end());
}

void CJewelField::FindLines(int x, int y, int& count)
{
    CJewelBrick* brick = BrickAt(x, y);
    if (!brick)
        return;
    int color = brick->GetColor();
    int h = 0;
    int v = 0;
    WalkRun(x, y, 1, 0, color, h);
    WalkRun(x, y, 0, 1, color, v);
    if (h >= m_group_size)
        count = h;
    if (v >= m_group_size)
        count += v;
}

void CJewelField::UnmarkWalked()
{
    for (CJewelBrick* brick : m_walked)
        brick->Unmark();
    m_walked.clear();
}

void CJewelField::UnmarkAll()
{
    m_walked.clear();
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y] && m_bricks[x][y]->IsMarked())
                m_bricks[x][y]->Unmark();
}

int CJewelField::RemoveGroupAtCell(int x, int y)
{
    m_state = STATE_REMOVING;
    int count = 0;
    FindLines(x, y, count);
    m_walked.clear();
    return count >= m_group_size ? count : 0;
}

int CJewelField::RemoveGroupAt(CJewelBrick* brick)
{
    m_state = STATE_REMOVING;
    int x = 0;
    int y = 0;
    if (!FindBrick(brick, x, y))
        return 0;
    return RemoveGroupAtCell(x, y);
}

bool CJewelField::TrialSwapMakesRun(int x, int y, int nx, int ny)
{
    std::swap(m_bricks[x][y], m_bricks[nx][ny]);
    int a = 0;
    FindLines(x, y, a);
    UnmarkWalked();
    int b = 0;
    FindLines(nx, ny, b);
    UnmarkWalked();
    std::swap(m_bricks[x][y], m_bricks[nx][ny]);
    return a > 0 || b > 0;
}

bool CJewelField::FindFirstSwap(int& x, int& y)
{
    UnmarkAll();
    for (int row = 0; row < m_height_bricks; ++row)
        for (int col = 0; col < m_width_bricks; ++col)
        {
            if (!m_bricks[col][row])
                continue;
            for (int k = 0; k < 4; ++k)
            {
                int nx = col + STEP_X[k];
                int ny = row + STEP_Y[k];
                if (!IsInside(nx, ny) || !m_bricks[nx][ny])
                    continue;
                if (TrialSwapMakesRun(col, row, nx, ny))
                {
                    x = col;
                    y = row;
                    return true;
                }
            }
        }
    return false;
}

bool CJewelField::CheckStuck()
{
    if (m_bonus_held)
        return false;
    int x = 0;
    int y = 0;
    if (FindFirstSwap(x, y))
    {
        ClearSelection();
        return false;
    }
    if (m_state != STATE_STUCK && m_state != STATE_FINISHED)
    {
        PlaySound(SOUND_NO_MOVE);
        m_state = STATE_STUCK;
    }
    return true;
}

void CJewelField::ShowHint()
{
    if (m_state != STATE_IDLE)
        return;
    int x = 0;
    int y = 0;
    if (!FindFirstSwap(x, y))
        return;
    ClearSelection();
    m_bricks[x][y]->SetSelected(true);
}

void CJewelField::Hover(const CVector4& point)
{
    int x = 0;
    int y = 0;
    CJewelBrick* brick = CellAt(point, x, y) ? BrickAt(x, y) : nullptr;
    if (!brick)
    {
        ClearHover();
        return;
    }
    if (!brick->IsHovered())
        PlaySound(SOUND_HOVER);
    ClearHover();
    brick->SetHovered(true);
}

void CJewelField::Refill()
{
    // The new bricks come plain, their cascades are the game; only a level
    // start has chosen their colours beforehand.
    m_state = STATE_FALLING;
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = FallColumn(x) - 1, k = 0; y >= 0; --y, ++k)
        {
            m_bricks[x][y] = NewBrick(NextNewColor());
            DropIn(x, y, k);
        }
}

int CJewelField::FallColumn(int x)
{
    // Every brick keeps its order and lands on the lowest free cell beneath it.
    int gap = m_height_bricks - 1;
    for (int y = m_height_bricks - 1; y >= 0; --y)
    {
        if (!m_bricks[x][y])
            continue;
        if (y != gap)
        {
            m_bricks[x][gap] = std::move(m_bricks[x][y]);
            StartMove(m_bricks[x][gap].get(), x, gap);
        }
        --gap;
    }
    return gap + 1;
}

void CJewelField::DropIn(int x, int y, int k)
{
    CVector4 at = GetBrickPosition(x, y);
    at.y = DROP_HEIGHT + k * GetBrickSize();
    m_bricks[x][y]->SetPosition(at);
    StartMove(m_bricks[x][y].get(), x, y);
}

void CJewelField::MoveSwap(float dt)
{
    float speed = m_params.GetFallSpeed();
    for (std::size_t i = 0; i < m_moving.size();)
    {
        CJewelBrick* brick = m_moving[i];
        CVector4 pos = brick->GetPosition();
        CVector4 target = GetBrickPosition(UnpackPosX(m_targets[i]), UnpackPosY(m_targets[i]));
        CVector4 rest = target - pos;
        CVector4 step = rest * MOVE_FRACTION;
        if (step.LengthSquared() > speed * speed)
        {
            step.Normalize();
            step = step * speed;
        }
        step = step * dt;
        if (step.LengthSquared() < rest.LengthSquared())
        {
            brick->SetPosition(pos + step);
            ++i;
        }
        else
        {
            brick->SetPosition(target);
            m_moving.erase(m_moving.begin() + i);
            m_targets.erase(m_targets.begin() + i);
        }
    }
    if (!m_moving.empty() || m_state == STATE_SWAP)
        return;

    // Landed: search the whole board, so that falls cascade.
    int before = m_state;
    int total = 0;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y] && !m_bricks[x][y]->IsMarked())
                total += RemoveGroupAtCell(x, y);
    if (total == 0)
    {
        m_planned.clear();
        if (before != STATE_SWAP_BACK)
            PlaySound(SOUND_LANDED);
        m_state = STATE_IDLE;
        m_is_finish = CheckStuck();
    }
    else
        PlaySound(SOUND_RUN);
}

void CJewelField::OnSwapArrived(float dt)
{
    MoveSwap(dt);
    m_state = STATE_SWAP;
    if (!m_moving.empty())
        return;
    CJewelBrick* a = m_swap_a;
    CJewelBrick* b = m_swap_b;
    m_swap_a = m_swap_b = nullptr;
    int total = RemoveGroupAt(a) + RemoveGroupAt(b);
    if (total != 0)
    {
        PlaySound(SOUND_RUN);
        return;
    }
    int ax = UnpackPosX(m_swap_target_a);
    int ay = UnpackPosY(m_swap_target_a);
    int bx = UnpackPosX(m_swap_target_b);
    int by = UnpackPosY(m_swap_target_b);
    StartMove(a, bx, by);
    StartMove(b, ax, ay);
    m_state = STATE_SWAP_BACK;
    std::swap(m_bricks[ax][ay], m_bricks[bx][by]);
    PlaySound(SOUND_SWAP_BACK);
}

void CJewelField::StepRemoval(float dt)
{
    bool met = false;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (!brick || !brick->IsMarked())
                continue;
            met = true;
            if (brick->FlyStep(dt))
            {
                m_bricks[x][y].reset();
                m_score += 1;
            }
        }
    // The refill comes one update after the last fade-out ended.
    if (!met)
    {
        m_state = STATE_IDLE;
        Refill();
    }
}

void CJewelField::AddLevelBonus()
{
    m_state = STATE_LEVEL_END;
    char text[32];
    std::snprintf(text, sizeof text, "%i000", m_current_level);
    m_popup_texts.push_back(text);
    CVector4 at(0.0f, 0.0f, 0.0f);
    at.w = 1.0f;
    m_popup_positions.push_back(at);
    m_popup_color = CVector4(1.0f, 1.0f, 1.0f);
    m_score = AddSaturated(m_score, LEVEL_BONUS * m_current_level);
}

void CJewelField::ClearLevel(float dt)
{
    bool met = false;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (!brick || !brick->IsMarked())
                continue;
            met = true;
            if (brick->FlyStep(dt))
            {
                m_bricks[x][y].reset();
                m_score -= 1;
            }
        }
    if (met)
        return;
    // One brick at a time, every other cell, the rows alternating sides.
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; x += 2)
        {
            int c = (y % 2 == 1) ? x : m_width_bricks - 1 - x;
            if (m_bricks[c][y])
            {
                m_bricks[c][y]->Mark();
                PlaySound(SOUND_LEVEL_END);
                return;
            }
        }
    if (m_state == STATE_LEVEL_END)
        m_state = STATE_LEVEL_CLEARED;
}

void CJewelField::StepPopups(float dt)
{
    for (std::size_t i = 0; i < m_popup_positions.size();)
    {
        CVector4& p = m_popup_positions[i];
        p.w -= POPUP_FADE * dt;
        p.y += POPUP_RISE * dt;
        if (p.w < 0.0f)
        {
            m_popup_positions.erase(m_popup_positions.begin() + i);
            m_popup_texts.erase(m_popup_texts.begin() + i);
        }
        else
            ++i;
    }
}

void CJewelField::Update(float dt)
{
    m_score = 0;
    switch (m_state)
    {
    case STATE_REMOVING:
        StepRemoval(dt);
        break;
    case STATE_FALLING:
    case STATE_SWAP_BACK:
        MoveSwap(dt);
        break;
    case STATE_SWAP:
        OnSwapArrived(dt);
        break;
    case STATE_LEVEL_END:
        ClearLevel(dt);
        break;
    default:
        break;
    }
    StepPopups(dt);
    StepLooks();
}

void CJewelField::StepLooks()
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y])
                m_bricks[x][y]->StepLook();
}

int CJewelField::StrikeCells(int x0, int y0, int x1, int y1)
{
    m_state = STATE_REMOVING;
    int count = 0;
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (CJewelBrick* brick = BrickAt(x, y))
            {
                brick->StartFlyAway();
                ++count;
            }
    PlaySound(SOUND_STRIKE);
    return count;
}

int CJewelField::RemoveBrick(int x, int y)
{
    return StrikeCells(x, y, x, y);
}

int CJewelField::RemoveRow(int, int y)
{
    return StrikeCells(0, y, m_width_bricks - 1, y);
}

int CJewelField::RemoveColumn(int x, int)
{
    return StrikeCells(x, 0, x, m_height_bricks - 1);
}

int CJewelField::BombAt(int x, int y)
{
    int x0 = x - 1 > 0 ? x - 1 : 0;
    int y0 = y - 1 > 0 ? y - 1 : 0;
    return StrikeCells(x0, y0, x0 + 2, y0 + 2);
}

int CJewelField::RecolorBricks(int x, int y, int color)
{
    CJewelBrick* pressed = BrickAt(x, y);
    if (!pressed)
        return 0;
    m_state = STATE_REMOVING;
    int from = pressed->GetColor();
    int count = 0;
    for (int cx = 0; cx < m_width_bricks; ++cx)
        for (int cy = 0; cy < m_height_bricks; ++cy)
            if (m_bricks[cx][cy] && m_bricks[cx][cy]->GetColor() == from)
            {
                m_bricks[cx][cy]->ChangeColor(color);
                ++count;
            }
    PlaySound(SOUND_RECOLOR);
    return count;
}

int CJewelField::FinishStrike()
{
    if (m_state != STATE_REMOVING)
        return 0;
    int count = 0;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (brick && brick->IsStruck() && !brick->IsRecoloring())
            {
                m_bricks[x][y].reset();
                ++count;
            }
        }
    return count;
}

void CJewelField::Reskin()
{
    // Positions stay, so bricks in flight or in the entrance effect go on
    // from where they are; only the height follows the new skin's depth.
    m_sample_brick->SetColor(m_sample_brick->GetColor());
    float z = GetBrickDepth() / 2.0f;
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (CJewelBrick* brick = m_bricks[x][y].get())
            {
                brick->SetColor(brick->GetColor());
                CVector4 p = brick->GetPosition();
                p.z = z;
                brick->SetPosition(p);
            }
}

void CJewelField::BeginBricks()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, m_light1.GetExtraColor().GetConstData());
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(m_light1.GetId());
    glDisable(GL_LIGHTING);
}

void CJewelField::GetBoardBox(CVector4& low, CVector4& high) const
{
    // In the plane through the bricks' middles: where the bricks at rest
    // show their outline. The board's plane lies farther from the eye and
    // the bricks' fronts nearer, each a few pixels off that outline.
    const float z = GetBrickDepth() / 2.0f;
    low = CVector4(-m_side / 2.0f, -m_side / 2.0f, z);
    high = CVector4(m_side / 2.0f, m_side / 2.0f, z);
}

bool CJewelField::IsEntering(const CJewelBrick& brick) const
{
    // Bricks land exactly on their cells' places; nothing but a fall comes
    // from above the top row.
    return brick.GetPosition().y > GetBrickPosition(0, 0).y;
}

bool CJewelField::GetBoardScissor(int box[4]) const
{
    CVector4 low, high;
    GetBoardBox(low, high);
    const CVector4 centre = (low + high) * 0.5f;
    const CVector4 half = (high - low) * 0.5f;
    double left = 1.0e9, right = -1.0e9, bottom = 1.0e9, top = -1.0e9;
    CMatrixStack::Push();
    CMatrixStack::Translate(centre.x, centre.y, centre.z);
    const bool known = CMatrixStack::WidenToProjectedBox(half.x, half.y, half.z, left, right, bottom, top);
    CMatrixStack::Pop();
    if (!known)
        return false;
    // Rounded outward: the frame print's rectangle of a clipped part is the
    // same projection with a margin round it.
    box[0] = static_cast<int>(std::floor(left));
    box[1] = static_cast<int>(std::floor(bottom));
    box[2] = static_cast<int>(std::ceil(right)) - box[0];
    box[3] = static_cast<int>(std::ceil(top)) - box[1];
    return true;
}

void CJewelField::DrawBricks(bool entering)
{
    auto drawn = [this, entering](const CJewelBrick* brick) { return brick && IsEntering(*brick) == entering; };
    CModelBatch& batch = entering ? m_entering_batch : m_batch;
    batch.Begin();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (drawn(brick) && !brick->IsMarked() && !brick->IsDrawnAlone())
                batch.Add(*brick);
        }
    batch.Draw();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (!drawn(brick) || brick->IsMarked() || !brick->IsDrawnAlone() || brick->IsTurning())
                continue;
            bool lit = brick->IsSelected() || brick->IsHovered();
            if (lit)
                glEnable(m_light2.GetId());
            brick->Draw();
            if (lit)
                glDisable(m_light2.GetId());
        }
    // The fading bricks last, so that they blend over the others.
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (drawn(brick) && brick->IsMarked())
            {
                brick->Draw();
                glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
            }
        }
}

void CJewelField::Draw()
{
    BeginBricks();
    DrawBricks(false);
    bool entering = false;
    for (int y = 0; y < m_height_bricks && !entering; ++y)
        for (int x = 0; x < m_width_bricks && !entering; ++x)
            entering = m_bricks[x][y] && IsEntering(*m_bricks[x][y]);
    if (entering)
    {
        // New bricks start high above the board, over the score bar: they
        // show only where they have come over the board.
        int box[4];
        const bool clipped = GetBoardScissor(box);
        CDraw2D::SClip outer;
        if (clipped)
            outer = CDraw2D::BeginInnerClip(box);
        DrawBricks(true);
        if (clipped)
            CDraw2D::EndInnerClip(outer);
    }
    glDisable(GL_COLOR_MATERIAL);
    if (!m_popup_texts.empty())
        DrawPopups();
}

bool CJewelField::HasTurning() const
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y] && m_bricks[x][y]->IsTurning())
                return true;
    return false;
}

void CJewelField::DrawTurning(std::vector<CDraw2D::SRect>& covered)
{
    int width = 0;
    int height = 0;
    CDraw2D::GetViewportSize(width, height);
    // Window pixels the turning bricks may cover: each brick's box at full
    // size, its sides in x and z together as wide as any turn about y can
    // make them.
    double left = width;
    double right = 0.0;
    double bottom = height;
    double top = 0.0;
    bool known = width > 0 && height > 0;
    bool any = false;
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
        {
            const CJewelBrick* brick = m_bricks[x][y].get();
            if (!brick || !brick->IsTurning())
                continue;
            any = true;
            const float hx = brick->GetScaledSizeX() / 2.0f;
            const float hy = brick->GetScaledSizeY() / 2.0f;
            const float hz = brick->GetScaledSizeZ() / 2.0f;
            const CVector4& p = brick->GetPosition();
            CMatrixStack::Push();
            CMatrixStack::Translate(p.x, p.y, p.z);
            known = CMatrixStack::WidenToProjectedBox(hx + hz, hy, hx + hz, left, right, bottom, top) && known;
            CMatrixStack::Pop();
        }
    if (!any)
        return;
    int x0 = 0;
    int y0 = 0;
    int x1 = width;
    int y1 = height;
    if (known)
    {
        // Started on even pixels, as the window groups them by two for the
        // pictures' levels of detail.
        x0 = std::max(0, static_cast<int>(std::floor(left)) - TURNING_MARGIN) & ~1;
        y0 = std::max(0, static_cast<int>(std::floor(bottom)) - TURNING_MARGIN) & ~1;
        x1 = std::min(width, static_cast<int>(std::ceil(right)) + TURNING_MARGIN);
        y1 = std::min(height, static_cast<int>(std::ceil(top)) + TURNING_MARGIN);
    }
    if (x1 <= x0 || y1 <= y0)
        return;
    // Window rows count up from the bottom, logical ones down from the top.
    const float sx = LOGICAL_WIDTH / static_cast<float>(width);
    const float sy = LOGICAL_HEIGHT / static_cast<float>(height);
    covered.push_back({x0 * sx, (height - y1) * sy, (x1 - x0) * sx, (y1 - y0) * sy});

    // Drawn into a picture and laid from there: the window turns the
    // renderer's rows upside down, which picks slightly other levels of a
    // picture than a picture of its own does, so drawn straight into the
    // window a brick would not match a frame drawn the long way.
    const bool layered = m_turning_layer.Begin(x0, y0, x1 - x0, y1 - y0);
    BeginBricks();
    // As the other bricks are drawn: opaque, the picture's colour as it is.
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
        {
            CJewelBrick* brick = m_bricks[x][y].get();
            if (!brick || !brick->IsTurning())
                continue;
            glEnable(m_light2.GetId());
            brick->Draw();
            glDisable(m_light2.GetId());
        }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    if (layered)
    {
        m_turning_layer.End();
        m_turning_layer.Draw(true);
    }
}

void CJewelField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_width_bricks);
    print.Add(m_height_bricks);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CJewelBrick* brick = m_bricks[x][y].get();
            if (!brick)
                continue;
            print.BeginBoardPart(reinterpret_cast<std::uintptr_t>(brick));
            // The cell orders the drawing, which shows where bricks overlap.
            print.Add(PackPos(x, y));
            brick->AddToPrint(print);
            if (IsEntering(*brick))
            {
                CVector4 low, high;
                GetBoardBox(low, high);
                print.ClipPart(low, high);
            }
            print.EndPart();
        }
    for (std::size_t i = 0; i < m_popup_texts.size(); ++i)
    {
        const CVector4& p = m_popup_positions[i];
        print.BeginBoardPart(PART_POPUP + i);
        print.Add(m_popup_texts[i]);
        print.Add(p);
        print.Add(m_popup_color);
        // The glyphs stand on the pen line and reach their size below it:
        // the board's y grows upward.
        const char* text = m_popup_texts[i].c_str();
        const float width = m_font ? m_font->GetTextWidth(text, POPUP_SIZE) : POPUP_SIZE * m_popup_texts[i].size();
        const float left = p.x - POPUP_INDENT;
        print.AddBox(CVector4(left - POPUP_MARGIN, p.y - POPUP_SIZE - POPUP_MARGIN, p.z),
                     CVector4(left + width + POPUP_MARGIN, p.y + POPUP_MARGIN, p.z));
        print.EndPart();
    }
}

void CJewelField::DrawPopups()
{
    if (m_font)
        for (std::size_t i = 0; i < m_popup_texts.size(); ++i)
        {
            const CVector4& p = m_popup_positions[i];
            m_font->DrawText(m_popup_texts[i].c_str(), POPUP_SIZE, p.x - POPUP_INDENT, p.y, p.z, m_popup_color.x,
                             m_popup_color.y, m_popup_color.z, p.w, true);
        }
    glEnable(GL_DEPTH_TEST);
}

void CJewelField::Save(CConfigFile& store) const
{
    char value[32];
    int score = m_score;
    if (m_state == STATE_LEVEL_END)
        score = AddSaturated(score, -LEVEL_BONUS * m_current_level);
    std::snprintf(value, sizeof value, "%i", score);
    store.SetValue("f_m_score", value);
    std::snprintf(value, sizeof value, "%f", m_alpha);
    store.SetValue("f_m_alpha", value);
    std::snprintf(value, sizeof value, "%i", m_colors);
    store.SetValue("f_m_colors", value);
    store.SetValue("f_m_is_finish", m_is_finish ? "1" : "0");
    std::snprintf(value, sizeof value, "%i", m_width_bricks);
    store.SetValue("f_m_width_bricks", value);
    std::snprintf(value, sizeof value, "%i", m_height_bricks);
    store.SetValue("f_m_height_bricks", value);
    store.SetInt("f_m_size", m_game_size);
    store.SetInt("f_m_difficulty", m_game_difficulty);
    store.SetInt("fe_m_current_level", m_current_level);

    // A swap still on its way has not been judged: it is saved undone.
    int swapA = -1;
    int swapB = -1;
    if (m_state == STATE_SWAP)
    {
        swapA = m_swap_target_a;
        swapB = m_swap_target_b;
    }
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            int cell = PackPos(x, y);
            int from = cell == swapA ? swapB : (cell == swapB ? swapA : cell);
            const CJewelBrick* brick = BrickAt(UnpackPosX(from), UnpackPosY(from));
            char key[32];
            std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
            store.SetInt(key, brick ? brick->GetColor() : -1);
        }
}

bool CJewelField::ReadGameChoice(const CConfigFile& store, const CJewelParams* params, int& size, int& difficulty)
{
    int width = 0;
    int height = 0;
    if (!ReadSaveInt(store, "f_m_width_bricks", CJewelParams::BoardCells(0, 0), CJewelParams::BoardCells(2, 2), width) ||
        !ReadSaveInt(store, "f_m_height_bricks", 1, MAX_CELLS, height) || width != height)
        return false;
    if (store.HasKey("f_m_size") || store.HasKey("f_m_difficulty"))
        return ReadSaveInt(store, "f_m_size", 0, 2, size) && ReadSaveInt(store, "f_m_difficulty", 0, 2, difficulty) &&
               CJewelParams::BoardCells(size, difficulty) == width;
    // Widths 10 and 12 fit two choices each; a save that does not say which
    // takes the remembered one when it fits, else the easier.
    if (params && CJewelParams::BoardCells(params->GetLastSize(), params->GetLastDifficulty()) == width)
    {
        size = params->GetLastSize();
        difficulty = params->GetLastDifficulty();
        return true;
    }
    int extra = width - CJewelParams::BoardCells(0, 0);
    difficulty = extra % 2;
    size = extra / 2;
    if (size > 2)
    {
        size = 2;
        difficulty = extra - 4;
    }
    return true;
}

bool CJewelField::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    int size = 0;
    int difficulty = 0;
    int level = 0;
    // The bricks of one frame, less the level bonus when saved at the level
    // end: nothing beyond the bonus of the last level and a whole board.
    if (!ReadSaveInt(store, "f_m_score", -MAX_FRAME_SCORE, MAX_FRAME_SCORE, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || std::fabs(alpha) > 360.0f)
        return false;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    if (!ReadGameChoice(store, nullptr, size, difficulty))
        return false;
    if (!ReadSaveInt(store, "fe_m_current_level", 1, MAX_LEVEL, level))
        return false;
    // Every level plays its own colour count; fewer colours than that (one
    // alone would make every landing a run) never end their cascades.
    if (!ReadSaveInt(store, "f_m_colors", 1, CJewelParams::COLOR_COUNT, value) || value != ColorsForLevel(level))
        return false;
    int cells = CJewelParams::BoardCells(size, difficulty);
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x)
        {
            char key[32];
            std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
            if (!ReadSaveInt(store, key, -1, CJewelParams::COLOR_COUNT - 1, value))
                return false;
        }
    return true;
}

bool CJewelField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveInt(store, "f_m_score", -MAX_FRAME_SCORE, MAX_FRAME_SCORE, m_score);
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", 1, CJewelParams::COLOR_COUNT, m_colors);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = value == 1;
    ReadGameChoice(store, &m_params, m_game_size, m_game_difficulty);
    m_group_size = m_params.GetGroupSize(m_game_difficulty);
    ReadSaveInt(store, "fe_m_current_level", 1, MAX_LEVEL, m_current_level);
    SetBoardSize(CJewelParams::BoardCells(m_game_size, m_game_difficulty));
    m_popup_texts.clear();
    m_popup_positions.clear();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            char key[32];
            std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
            int color = 0;
            ReadSaveInt(store, key, -1, CJewelParams::COLOR_COUNT - 1, color);
            if (color != -1)
                CreateBrickAt(x, y, color);
        }
    Refill();
    return true;
}
