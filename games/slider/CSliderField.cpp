#include "games/slider/CSliderField.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "games/slider/CSliderArrow.h"
#include "games/slider/CSliderBrick.h"
#include "games/slider/CSliderParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const LIGHT_NAME = "BSField";
const char* const BACK_TEXTURE = "slider_field_back";
const float LIFT_HEIGHT = 1.6f;
// A move's animations stop once the squared distance left is this small.
const float CLOSE = 2.0f;
const float LIFT_RATE = 0.25f;
const float SLIDE_RATE = 0.35f;
const float ARROW_SCALE = 2.0f / 3.0f;
const float HOVER_ALPHA = 0.5f;
// The logical screen the rectangles of turning arrows are given in, and the
// window pixels added around them (rounding, edge pixels of the mesh).
const float LOGICAL_WIDTH = 800.0f;
const float LOGICAL_HEIGHT = 600.0f;
const int COVER_MARGIN = 3;

// Neighbour order of the group walk: right, left, down, up.
const int STEP_X[4] = {1, -1, 0, 0};
const int STEP_Y[4] = {0, 0, 1, -1};

// The grow-in turns every brick about z. The batch leaves a turned model to
// draw itself, but turns one it is handed with its turn: handed over, a
// board of bricks entering costs a draw a look instead of one a brick, and
// the renderer keeps no data of hundreds of draws in flight.
void AddTurnedAboutZ(CModelBatch& batch, CSliderBrick& brick)
{
    const float turn = brick.GetAngleZ();
    if (turn == 0.0f || brick.GetAngleX() != 0.0f || brick.GetAngleY() != 0.0f)
    {
        batch.Add(brick);
        return;
    }
    brick.SetAngleZ(0.0f);
    batch.Add(brick, turn);
    brick.SetAngleZ(turn);
}

bool IsClose(const CVector4& a, const CVector4& b)
{
    return (b - a).LengthSquared() <= CLOSE;
}

std::string CellKey(int x, int y)
{
    char key[48];
    std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
    return key;
}

bool IsBoardSize(int cells)
{
    return cells == CSliderParams::BoardSizeFor(0) || cells == CSliderParams::BoardSizeFor(1) ||
           cells == CSliderParams::BoardSizeFor(2);
}
}

CSliderField::CSliderField(CSliderParams& params, CGameEvents* events, CResManager* resources, CRandom& random)
    : m_params(params), m_events(events), m_resources(resources), m_random(random)
{
    m_width = m_height = params.GetFieldWidth();
    m_colors = params.GetCurrentColors();

    m_light.SetAmbient(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetDiffuse(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetPosition(0.0f, 0.0f, 35.0f, 0);
    m_light.SetExtraColor(0.2f, 0.2f, 0.2f, 1.0f);
    if (m_resources)
    {
        m_light.Apply();
        m_resources->AddLight(&m_light, LIGHT_NAME);
        // The menu's manager outlives every game of the visit: one copy of
        // the grid serves them all.
        if (!m_resources->FindTexture(BACK_TEXTURE))
            m_resources->AddTexture("mui/grids/grid2.tga", BACK_TEXTURE, true, true);
    }

    m_sample_brick = std::make_unique<CSliderBrick>(&m_params);
    m_sample_brick->SetColor(0);
    SetBoardSize(params.GetBoardSize());
}

CSliderField::~CSliderField()
{
    if (m_resources)
        m_resources->RemoveLight(&m_light);
}

void CSliderField::SetBoardSize(int cells)
{
    bool changed = cells != m_width_bricks || !m_arrows[0][1];
    m_width_bricks = m_height_bricks = cells;
    m_sample_brick->SetScale(GetBrickSize());
    m_sample_brick->SetPosition(GetBrickPosition(1, 1));
    if (changed)
        CreateArrows();
}

void CSliderField::CreateArrows()
{
    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_arrows[x][y].reset();
    int w = m_width_bricks;
    int h = m_height_bricks;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            bool ringX = (x == 0 || x == w - 1);
            bool ringY = (y == 0 || y == h - 1);
            if (ringX == ringY)
                continue;   // an inner cell or a corner
            auto arrow = std::make_unique<CSliderArrow>(&m_params);
            arrow->SetScale(GetBrickSize() * ARROW_SCALE);
            arrow->SetPosition(GetBrickPosition(x, y));
            if (y == 0)
                arrow->SetSide(CSliderArrow::SIDE_TOP);
            else if (y == h - 1)
                arrow->SetSide(CSliderArrow::SIDE_BOTTOM);
            else if (x == 0)
                arrow->SetSide(CSliderArrow::SIDE_LEFT);
            else
                arrow->SetSide(CSliderArrow::SIDE_RIGHT);
            m_arrows[x][y] = std::move(arrow);
        }
}

float CSliderField::GetBrickSize() const
{
    return m_width / static_cast<float>(m_width_bricks);
}

float CSliderField::GetBrickDepth() const
{
    return m_sample_brick->GetScaledSizeZ();
}

bool CSliderField::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width_bricks && y < m_height_bricks;
}

bool CSliderField::IsInner(int x, int y) const
{
    return x >= 1 && y >= 1 && x <= m_width_bricks - 2 && y <= m_height_bricks - 2;
}

CModel* CSliderField::GetBrick(int x, int y) const
{
    return GetSliderBrick(x, y);
}

CSliderBrick* CSliderField::GetSliderBrick(int x, int y) const
{
    return IsInside(x, y) ? m_bricks[x][y].get() : nullptr;
}

CSliderArrow* CSliderField::GetArrow(int x, int y) const
{
    return IsInside(x, y) ? m_arrows[x][y].get() : nullptr;
}

CVector4& CSliderField::GetBrickPosition(CVector4& out, int x, int y) const
{
    float s = GetBrickSize();
    out.Set(-m_width / 2.0f + x * s + s / 2.0f, m_height / 2.0f - y * s - s / 2.0f, GetBrickDepth() / 2.0f);
    return out;
}

CVector4 CSliderField::GetBrickPosition(int x, int y) const
{
    CVector4 out;
    GetBrickPosition(out, x, y);
    return out;
}

bool CSliderField::CellFromPoint(const CVector4& point, int& x, int& y) const
{
    return ::CellFromPoint(point, -m_width / 2.0f, m_height / 2.0f, GetBrickSize(), m_width_bricks, m_height_bricks,
                           &x, &y);
}

bool CSliderField::PutBrick(std::unique_ptr<CSliderBrick>& brick, int x, int y)
{
    if (!brick || !IsInner(x, y) || m_bricks[x][y])
        return false;
    m_bricks[x][y] = std::move(brick);
    return true;
}

bool CSliderField::FindBrick(const CSliderBrick* brick, int& x, int& y) const
{
    if (brick)
        for (int cy = 0; cy < m_height_bricks; ++cy)
            for (int cx = 0; cx < m_width_bricks; ++cx)
                if (m_bricks[cx][cy].get() == brick)
                {
                    x = cx;
                    y = cy;
                    return true;
                }
    x = y = -1;
    return false;
}

CSliderBrick* CSliderField::CreateBrickAt(int x, int y, int color)
{
    if (!IsInner(x, y))
        return nullptr;
    auto brick = std::make_unique<CSliderBrick>(&m_params);
    brick->SetScale(GetBrickSize());
    brick->SetColor(color);
    brick->SetPosition(GetBrickPosition(x, y));
    m_bricks[x][y] = std::move(brick);
    return m_bricks[x][y].get();
}

void CSliderField::RemoveBrick(int x, int y)
{
    if (IsInside(x, y))
        m_bricks[x][y].reset();
}

int CSliderField::CountBricks() const
{
    int count = 0;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y])
                ++count;
    return count;
}

void CSliderField::ClearBricks()
{
    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_bricks[x][y].reset();
}

void CSliderField::PlaySound(int id, bool restart) const
{
    if (m_events)
        m_events->PlaySound(id, restart, false);
}

void CSliderField::AddPopup(const char* text, float size, float y)
{
    m_popups.emplace_back(text, size, CVector4(0.0f, y, 0.0f));
}

void CSliderField::ClearScore()
{
    m_score = 0;
    m_is_move_done = false;
}

void CSliderField::NewLevel()
{
    ClearBricks();
    m_brick_moving.reset();
    m_status = STATUS_IDLE;
    m_is_finish = false;

    // Every colour as often as the board allows, the rest spread from the
    // first colour on; then shuffled.
    int inner = (m_width_bricks - 2) * (m_height_bricks - 2);
    std::vector<int> colors(inner);
    for (int i = 0; i < inner; ++i)
        colors[i] = i % m_colors;
    int swaps = m_width_bricks * m_height_bricks * m_width_bricks;
    for (int i = 0; i < swaps; ++i)
        std::swap(colors[m_random.Next(inner)], colors[0]);

    int next = 0;
    for (int y = 1; y <= m_height_bricks - 2; ++y)
        for (int x = 1; x <= m_width_bricks - 2; ++x)
            CreateBrickAt(x, y, colors[next++])->SetAlpha(HOVER_ALPHA, false);
}

void CSliderField::SelectGroup(int x, int y, int color, int& count)
{
    if (!IsInside(x, y))
        return;
    CSliderBrick* brick = m_bricks[x][y].get();
    if (!brick || brick->IsSelected() || brick->GetColor() != color)
        return;
    brick->Select();
    ++count;
    for (int i = 0; i < 4; ++i)
        SelectGroup(x + STEP_X[i], y + STEP_Y[i], color, count);
}

void CSliderField::UnselectGroup(int x, int y, int color)
{
    if (!IsInside(x, y))
        return;
    CSliderBrick* brick = m_bricks[x][y].get();
    if (!brick || !brick->IsSelected() || brick->GetColor() != color)
        return;
    brick->Unselect();
    for (int i = 0; i < 4; ++i)
        UnselectGroup(x + STEP_X[i], y + STEP_Y[i], color);
}

int CSliderField::CountGroup(CSliderBrick* brick)
{
    m_status = STATUS_REMOVING;
    int x = -1;
    int y = -1;
    if (!FindBrick(brick, x, y))
        return 0;
    int count = 0;
    SelectGroup(x, y, brick->GetColor(), count);
    return count;
}

void CSliderField::RemoveGroups()
{
    m_status = STATUS_REMOVING;
    m_score = 0;
    int removed = 0;
    for (int x = 1; x < m_width_bricks; ++x)
        for (int y = 1; y < m_height_bricks; ++y)
        {
            CSliderBrick* brick = m_bricks[x][y].get();
            if (!brick || brick->IsSelected())
                continue;
            int n = CountGroup(brick);
            if (n < MIN_GROUP)
                UnselectGroup(x, y, brick->GetColor());
            else
                removed += n;
        }
    // All groups of one move score together: two groups of five score as
    // one of ten.
    m_score = GroupScore(removed);
    if (m_score > 0)
    {
        PlaySound(SOUND_REMOVED, true);
        char text[24];
        std::snprintf(text, sizeof text, "%d", m_score);
        AddPopup(text, 35.0f, 350.0f);
    }
}

bool CSliderField::NoGroupsLeft() const
{
    int counts[CSliderParams::MAX_COLORS] = {0, 0, 0, 0, 0, 0};
    for (int x = 1; x < m_width_bricks; ++x)
        for (int y = 1; y < m_height_bricks; ++y)
        {
            const CSliderBrick* brick = m_bricks[x][y].get();
            if (brick && brick->GetColor() >= 0 && brick->GetColor() < CSliderParams::MAX_COLORS)
                ++counts[brick->GetColor()];
        }
    for (int count : counts)
        if (count >= MIN_GROUP)
            return false;
    return true;
}

bool CSliderField::IsCleared() const
{
    for (int x = 1; x < m_width_bricks; ++x)
        for (int y = 1; y < m_height_bricks; ++y)
            if (m_bricks[x][y] && !m_bricks[x][y]->IsSelected())
                return false;
    return true;
}

void CSliderField::ShowBonus(int bonus)
{
    if (!IsCleared() || m_score == 0)
        return;
    PlaySound(SOUND_BONUS, true);
    char text[32];
    std::snprintf(text, sizeof text, "BONUS %d", bonus);
    AddPopup(text, 45.0f, 250.0f);
}

void CSliderField::Update()
{
    switch (m_status)
    {
    case STATUS_REMOVING:
    {
        bool found = false;
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
            {
                CSliderBrick* brick = m_bricks[x][y].get();
                if (!brick || !brick->IsSelected())
                    continue;
                found = true;
                if (brick->Vanish(m_events))
                    m_bricks[x][y].reset();
            }
        if (!found)
        {
            m_is_finish = NoGroupsLeft();
            if (m_is_finish)
                PlaySound(SOUND_FINISHED, true);
            m_status = STATUS_IDLE;
        }
        break;
    }
    case STATUS_LIFT:
        Lift();
        break;
    case STATUS_SLIDE:
        Slide();
        break;
    case STATUS_PUT_IN:
        PutIn();
        break;
    case STATUS_SETTLE:
        Settle();
        break;
    default:
        break;
    }
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_arrows[x][y])
                m_arrows[x][y]->Animate();
}

// ---- The move -------------------------------------------------------------

bool CSliderField::LineOfArrow(int x, int y, int cells, int& liftX, int& liftY, int& targetX, int& targetY,
                               int& dir)
{
    bool rowInside = y > 0 && y < cells - 1;
    bool columnInside = x > 0 && x < cells - 1;
    if (x == 0 && rowInside)
    {
        liftX = 1, liftY = y, targetX = cells - 2, targetY = y, dir = DIR_LEFT;
        return true;
    }
    if (x == cells - 1 && rowInside)
    {
        liftX = cells - 2, liftY = y, targetX = 1, targetY = y, dir = DIR_RIGHT;
        return true;
    }
    if (y == 0 && columnInside)
    {
        liftX = x, liftY = 1, targetX = x, targetY = cells - 2, dir = DIR_UP;
        return true;
    }
    if (y == cells - 1 && columnInside)
    {
        liftX = x, liftY = cells - 2, targetX = x, targetY = 1, dir = DIR_DOWN;
        return true;
    }
    return false;
}

bool CSliderField::LiftedCellOf(int dir, int targetX, int targetY, int cells, int& x, int& y)
{
    auto inner = [cells](int v) { return v >= 1 && v <= cells - 2; };
    switch (dir)
    {
    case DIR_LEFT:
        x = 1, y = targetY;
        return targetX == cells - 2 && inner(targetY);
    case DIR_RIGHT:
        x = cells - 2, y = targetY;
        return targetX == 1 && inner(targetY);
    case DIR_UP:
        x = targetX, y = 1;
        return targetY == cells - 2 && inner(targetX);
    case DIR_DOWN:
        x = targetX, y = cells - 2;
        return targetY == 1 && inner(targetX);
    default:
        return false;
    }
}

bool CSliderField::StartMove(int x, int y)
{
    if (m_status != STATUS_IDLE)
        return false;
    int liftX = 0, liftY = 0, targetX = 0, targetY = 0, dir = 0;
    if (!LineOfArrow(x, y, m_width_bricks, liftX, liftY, targetX, targetY, dir))
        return true;
    m_brick_moving = std::move(m_bricks[liftX][liftY]);
    m_brick_moving_pos_i = targetX;
    m_brick_moving_pos_j = targetY;
    m_line_moving_dir = dir;
    if (!m_brick_moving)
    {
        PlaySound(SOUND_LIFT_NOTHING, true);
        BeginSlide();
    }
    else
    {
        PlaySound(SOUND_LIFT, true);
        m_status = STATUS_LIFT;
    }
    return true;
}

void CSliderField::BeginSlide()
{
    m_status = STATUS_SLIDE;
    m_slide_offset = GetBrickSize();
}

void CSliderField::Lift()
{
    if (!m_brick_moving)
    {
        BeginSlide();
        return;
    }
    CVector4 p = m_brick_moving->GetPosition();
    CVector4 target(p.x, p.y, LIFT_HEIGHT * GetBrickDepth());
    if (!IsClose(p, target))
    {
        m_brick_moving->SetPosition(p + (target - p) * LIFT_RATE);
        return;
    }
    m_brick_moving->SetPosition(target);
    BeginSlide();
}

void CSliderField::LineCells(std::vector<std::pair<int, int>>& cells) const
{
    cells.clear();
    int last = m_width_bricks - 2;
    for (int k = 1; k <= last; ++k)
    {
        int i = m_brick_moving_pos_i;
        int j = m_brick_moving_pos_j;
        if (m_line_moving_dir == DIR_LEFT || m_line_moving_dir == DIR_RIGHT)
            cells.emplace_back(k, j);
        else
            cells.emplace_back(i, k);
    }
}

void CSliderField::ShiftLine()
{
    int last = m_width_bricks - 2;
    int i = m_brick_moving_pos_i;
    int j = m_brick_moving_pos_j;
    switch (m_line_moving_dir)
    {
    case DIR_LEFT:
        for (int x = 1; x < last; ++x)
            m_bricks[x][j] = std::move(m_bricks[x + 1][j]);
        break;
    case DIR_RIGHT:
        for (int x = last; x > 1; --x)
            m_bricks[x][j] = std::move(m_bricks[x - 1][j]);
        break;
    case DIR_UP:
        for (int y = 1; y < last; ++y)
            m_bricks[i][y] = std::move(m_bricks[i][y + 1]);
        break;
    case DIR_DOWN:
        for (int y = last; y > 1; --y)
            m_bricks[i][y] = std::move(m_bricks[i][y - 1]);
        break;
    default:
        break;
    }
}

void CSliderField::Slide()
{
    // The line moves as one piece: its bricks share one offset from their
    // destination cells and change cells together, so none can land in a
    // cell that another has not left yet.
    std::vector<std::pair<int, int>> cells;
    LineCells(cells);
    // Offset of the source cell from the destination cell, per direction.
    float dx = 0.0f;
    float dy = 0.0f;
    switch (m_line_moving_dir)
    {
    case DIR_LEFT: dx = 1.0f; break;
    case DIR_RIGHT: dx = -1.0f; break;
    case DIR_UP: dy = -1.0f; break;
    default: dy = 1.0f; break;
    }
    int sourceStepX = (m_line_moving_dir == DIR_LEFT) ? 1 : (m_line_moving_dir == DIR_RIGHT ? -1 : 0);
    int sourceStepY = (m_line_moving_dir == DIR_UP) ? 1 : (m_line_moving_dir == DIR_DOWN ? -1 : 0);

    bool anyBrick = false;
    for (const auto& cell : cells)
        if (m_bricks[cell.first][cell.second])
            anyBrick = true;

    if (anyBrick && m_slide_offset * m_slide_offset > CLOSE)
    {
        m_slide_offset -= m_slide_offset * SLIDE_RATE;
        for (const auto& cell : cells)
        {
            int sx = cell.first + sourceStepX;
            int sy = cell.second + sourceStepY;
            CSliderBrick* brick = GetSliderBrick(sx, sy);
            if (!brick || !IsInner(sx, sy))
                continue;
            CVector4 destination = GetBrickPosition(cell.first, cell.second);
            brick->SetPosition(destination + CVector4(dx * m_slide_offset, dy * m_slide_offset, 0.0f));
        }
        return;
    }

    ShiftLine();
    for (const auto& cell : cells)
        if (CSliderBrick* brick = m_bricks[cell.first][cell.second].get())
            brick->SetPosition(GetBrickPosition(cell.first, cell.second));
    m_slide_offset = 0.0f;
    m_status = STATUS_PUT_IN;
}

void CSliderField::PutIn()
{
    if (!m_brick_moving)
    {
        m_status = STATUS_SETTLE;
        return;
    }
    CVector4 p = m_brick_moving->GetPosition();
    CVector4 target = GetBrickPosition(m_brick_moving_pos_i, m_brick_moving_pos_j);
    CVector4 flat(p.x, p.y, 0.0f);
    target.z = 0.0f;
    if (!IsClose(flat, target))
    {
        m_brick_moving->SetPosition(CVector4(p.x + (target.x - p.x) * LIFT_RATE,
                                             p.y + (target.y - p.y) * LIFT_RATE, p.z));
        return;
    }
    m_status = STATUS_SETTLE;
    PlaySound(SOUND_PUT_IN, false);
}

void CSliderField::Settle()
{
    if (m_brick_moving)
    {
        int i = m_brick_moving_pos_i;
        int j = m_brick_moving_pos_j;
        CVector4 p = m_brick_moving->GetPosition();
        CVector4 target = GetBrickPosition(i, j);
        if (!IsClose(p, target))
        {
            m_brick_moving->SetPosition(p + (target - p) * LIFT_RATE);
            return;
        }
        m_brick_moving->SetPosition(target);
        // The line has moved on as a whole, so the far end is free.
        if (IsInner(i, j) && !m_bricks[i][j])
            m_bricks[i][j] = std::move(m_brick_moving);
        m_brick_moving.reset();
    }
    m_status = STATUS_IDLE;
    m_is_move_done = true;
    RemoveGroups();
}

// ---- Hover ----------------------------------------------------------------

void CSliderField::StopArrows()
{
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_arrows[x][y])
                m_arrows[x][y]->StopSpin();
}

void CSliderField::HighlightLine(int x, int y, bool row)
{
    for (int k = 1; k <= m_width_bricks - 2; ++k)
    {
        CSliderBrick* brick = row ? m_bricks[k][y].get() : m_bricks[x][k].get();
        if (brick && !brick->IsSelected())
            brick->SetAlpha(HOVER_ALPHA, true);
    }
}

void CSliderField::Hover(const CVector4& point)
{
    // Bricks being removed keep their fade: resetting it would stall the
    // removal for as long as the cursor is read.
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CSliderBrick* brick = m_bricks[x][y].get();
            if (brick && !brick->IsSelected())
                brick->SetAlpha(1.0f, false);
        }
    int x = -1;
    int y = -1;
    if (!CellFromPoint(point, x, y))
    {
        StopArrows();
        return;
    }
    bool onRow = (x == 0 || x == m_width_bricks - 1);
    bool onColumn = (y == 0 || y == m_height_bricks - 1);
    if (!onRow && !onColumn)
        return;
    HighlightLine(x, y, onRow);
    StopArrows();
    if (m_arrows[x][y])
        m_arrows[x][y]->StartSpin();
}

// ---- Drawing --------------------------------------------------------------

void CSliderField::BeginDrawState()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, m_light.GetExtraColor().GetConstData());
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(m_light.GetId());
    glDisable(GL_LIGHTING);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

void CSliderField::Draw(bool turningArrows)
{
    BeginDrawState();

    // A blended brick draws itself (the batch leaves it alone), after the
    // opaque ones; the selected ones and the moving one last.
    m_batch.Begin();
    if (CTexture* back = m_resources ? m_resources->FindTexture(BACK_TEXTURE) : nullptr)
    {
        // The inner cells only; one tile of the grid covers 2 x 2 cells.
        const float s = GetBrickSize();
        CModelBatch::SUnderlay backing;
        backing.texture = back->GetId();
        backing.x = -(m_width - 2.0f * s) / 2.0f;
        backing.y = -(m_height - 2.0f * s) / 2.0f;
        backing.width = m_width - 2.0f * s;
        backing.height = m_height - 2.0f * s;
        backing.s = (m_width_bricks - 2) / 2.0f;
        backing.t = (m_height_bricks - 2) / 2.0f;
        backing.alpha = 0.3f;
        m_batch.SetUnderlay(backing);
    }
    for (int pass = 0; pass < 2; ++pass)
    {
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
            {
                CSliderBrick* brick = m_bricks[x][y].get();
                if (!brick || brick->IsSelected() != (pass == 1))
                    continue;
                if (pass == 0)
                    AddTurnedAboutZ(m_batch, *brick);
                else
                    m_batch.AddAlone(*brick);
            }
        if (pass == 0)
            for (int y = 0; y < m_height_bricks; ++y)
                for (int x = 0; x < m_width_bricks; ++x)
                    if (CSliderArrow* arrow = m_arrows[x][y].get())
                    {
                        // Never in the batch: its looks stay the same whether
                        // the turning arrows are drawn here or over the board.
                        if (arrow->IsTurning())
                        {
                            if (turningArrows)
                                m_batch.AddAlone(*arrow);
                        }
                        else if (arrow->IsDrawnAlone())
                            m_batch.AddAlone(*arrow);
                        else
                            m_batch.Add(*arrow, CSliderArrow::SideAngle(arrow->GetSide()));
                    }
    }
    if (m_brick_moving)
        m_batch.AddAlone(*m_brick_moving);
    m_batch.Draw();
    glDisable(GL_COLOR_MATERIAL);
}

void CSliderField::DrawTurningArrows(std::vector<CDraw2D::SRect>& covered)
{
    int width = 0;
    int height = 0;
    CDraw2D::GetViewportSize(width, height);
    BeginDrawState();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CSliderArrow* arrow = m_arrows[x][y].get();
            if (!arrow || !arrow->IsTurning())
                continue;
            // The box the arrow sweeps spinning about its long axis, turned
            // to its side as Draw turns it.
            const CVector4& p = arrow->GetPosition();
            const float hx = arrow->GetScaledSizeX() / 2.0f;
            const float r = std::hypot(arrow->GetScaledSizeY(), arrow->GetScaledSizeZ()) / 2.0f;
            double left = width;
            double right = 0.0;
            double bottom = height;
            double top = 0.0;
            glPushMatrix();
            glTranslatef(p.x, p.y, p.z);
            glRotatef(CSliderArrow::SideAngle(arrow->GetSide()), 0.0f, 0.0f, 1.0f);
            const bool known = CMatrixStack::WidenToProjectedBox(hx, r, r, left, right, bottom, top);
            glPopMatrix();
            const int x0 = std::max(0, static_cast<int>(left) - COVER_MARGIN);
            const int x1 = std::min(width, static_cast<int>(right) + COVER_MARGIN);
            const int y0 = std::max(0, static_cast<int>(bottom) - COVER_MARGIN);
            const int y1 = std::min(height, static_cast<int>(top) + COVER_MARGIN);
            if (!known || x1 <= x0 || y1 <= y0)
            {
                covered.push_back({0.0f, 0.0f, LOGICAL_WIDTH, LOGICAL_HEIGHT});
                arrow->Draw();
                continue;
            }
            // Window rows count up from the bottom, logical ones down from the top.
            const float sx = LOGICAL_WIDTH / width;
            const float sy = LOGICAL_HEIGHT / height;
            covered.push_back({x0 * sx, (height - y1) * sy, (x1 - x0) * sx, (y1 - y0) * sy});
            // Through a picture of its own, whose depth is that of every held
            // picture: in the window's, of another precision, faces of the
            // arrow that nearly meet could hide each other otherwise.
            if (m_turning_layer.Begin(x0, y0, x1 - x0, y1 - y0))
            {
                arrow->Draw();
                m_turning_layer.End();
                m_turning_layer.Draw();
            }
            else
                arrow->Draw();
        }
    glDisable(GL_COLOR_MATERIAL);
}

void CSliderField::DrawPopups(const CBitmapFont* font)
{
    for (std::size_t i = 0; i < m_popups.size();)
    {
        if (!m_popups[i].Step())
        {
            m_popups.erase(m_popups.begin() + i);
            continue;
        }
        if (font)
            m_popups[i].Draw(*font);
        ++i;
    }
}

void CSliderField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_width_bricks);
    print.Add(m_height_bricks);
    print.Add(m_resources ? m_resources->FindTexture(BACK_TEXTURE) : nullptr);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CSliderBrick* brick = m_bricks[x][y].get();
            print.Add(brick != nullptr);
            if (brick)
                brick->AddToPrint(print);
            const CSliderArrow* arrow = m_arrows[x][y].get();
            print.Add(arrow != nullptr);
            if (arrow)
                arrow->AddToPrint(print);
        }
    print.Add(m_brick_moving != nullptr);
    if (m_brick_moving)
        m_brick_moving->AddToPrint(print);
    // DrawPopups steps them: while one shows, every frame differs.
    print.Add(m_popups.size());
    for (const CSliderScorePopup& popup : m_popups)
    {
        print.Add(popup.GetText());
        print.Add(popup.GetAlpha());
        print.Add(popup.GetSize());
        print.Add(popup.GetPosition());
    }
}

void CSliderField::Reskin()
{
    m_sample_brick->SetColor(m_sample_brick->GetColor());
    float z = GetBrickDepth() / 2.0f;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (CSliderBrick* brick = m_bricks[x][y].get())
            {
                // Where the brick is (a level effect may be moving it) stays;
                // only its height follows the new skin's depth.
                brick->SetColor(brick->GetColor());
                CVector4 p = brick->GetPosition();
                brick->SetPosition(CVector4(p.x, p.y, z));
            }
    if (m_brick_moving)
        m_brick_moving->SetColor(m_brick_moving->GetColor());
}

// ---- Saved games ----------------------------------------------------------

void CSliderField::Save(CConfigFile& store) const
{
    store.SetInt("f_m_score", m_score);
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("f_m_colors", m_colors);
    store.SetInt("f_m_is_finish", m_is_finish ? 1 : 0);
    store.SetInt("f_m_width_bricks", m_width_bricks);
    store.SetInt("f_m_height_bricks", m_height_bricks);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CSliderBrick* brick = m_bricks[x][y].get();
            // A brick being removed has been scored already: it is saved as
            // gone, so a load cannot find and pay its group again.
            store.SetInt(CellKey(x, y), (brick && !brick->IsSelected()) ? brick->GetColor() : -1);
        }
    store.SetInt("f_m_status", m_status);
    store.SetInt("f_m_line_moving_dir", m_line_moving_dir);
    store.SetInt("f_m_brick_moving_pos_i", m_brick_moving_pos_i);
    store.SetInt("f_m_brick_moving_pos_j", m_brick_moving_pos_j);
    if (m_brick_moving)
        store.SetInt("f_m_brick_moving_color", m_brick_moving->GetColor());
}

bool CSliderField::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    if (!ReadSaveInt(store, "f_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || alpha < -360.0f || alpha > 360.0f)
        return false;
    if (!ReadSaveInt(store, "f_m_colors", 1, CSliderParams::MAX_COLORS, value))
        return false;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    int width = 0;
    int height = 0;
    if (!ReadSaveInt(store, "f_m_width_bricks", 0, MAX_CELLS, width) || !IsBoardSize(width))
        return false;
    if (!ReadSaveInt(store, "f_m_height_bricks", 0, MAX_CELLS, height) || height != width)
        return false;
    // Every cell is written; the ring never holds a brick.
    bool filled[MAX_CELLS][MAX_CELLS] = {};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const bool inner = x > 0 && y > 0 && x < width - 1 && y < height - 1;
            if (!ReadSaveInt(store, CellKey(x, y), -1, inner ? CSliderParams::MAX_COLORS - 1 : -1, value))
                return false;
            filled[x][y] = value >= 0;
        }
    return ValidateSavedMove(store, width, filled);
}

bool CSliderField::ValidateSavedMove(const CConfigFile& store, int cells, const bool (*filled)[MAX_CELLS])
{
    int status = 0;
    int dir = 0;
    int i = 0;
    int j = 0;
    int color = -1;
    // Between moves the last move's direction and target stay behind.
    if (!ReadSaveInt(store, "f_m_status", STATUS_IDLE, STATUS_SLIDE, status) ||
        (status > STATUS_REMOVING && status < STATUS_LIFT) ||
        !ReadSaveInt(store, "f_m_line_moving_dir", -1, DIR_RIGHT, dir) ||
        !ReadSaveInt(store, "f_m_brick_moving_pos_i", -1, MAX_CELLS - 1, i) ||
        !ReadSaveInt(store, "f_m_brick_moving_pos_j", -1, MAX_CELLS - 1, j))
        return false;
    // Written only while a brick is in flight; a move that lifted an empty
    // cell has none.
    if (store.HasKey("f_m_brick_moving_color") &&
        !ReadSaveInt(store, "f_m_brick_moving_color", 0, CSliderParams::MAX_COLORS - 1, color))
        return false;
    if (status == STATUS_IDLE || status == STATUS_REMOVING)
        return true;
    // A lift always carries a brick.
    if (status == STATUS_LIFT && color < 0)
        return false;
    int liftX = 0;
    int liftY = 0;
    if (!LiftedCellOf(dir, i, j, cells, liftX, liftY))
        return false;
    // Before the line has moved the lifted cell is the free one, after it
    // the far end.
    const bool lineMoved = (status == STATUS_PUT_IN || status == STATUS_SETTLE);
    return lineMoved ? !filled[i][j] : !filled[liftX][liftY];
}

bool CSliderField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;

    int value = 0;
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", 1, CSliderParams::MAX_COLORS, m_colors);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = (value == 1);
    int cells = 0;
    ReadSaveInt(store, "f_m_width_bricks", 0, MAX_CELLS, cells);
    SetBoardSize(cells);
    // The score of the last move was paid before the save.
    m_score = 0;
    m_is_move_done = false;

    ClearBricks();
    m_brick_moving.reset();
    for (int y = 1; y < m_height_bricks - 1; ++y)
        for (int x = 1; x < m_width_bricks - 1; ++x)
        {
            ReadSaveInt(store, CellKey(x, y), -1, CSliderParams::MAX_COLORS - 1, value);
            if (value >= 0)
                CreateBrickAt(x, y, value);
        }
    RestoreMove(store);
    return true;
}

void CSliderField::RestoreMove(const CConfigFile& store)
{
    m_status = STATUS_IDLE;
    m_line_moving_dir = -1;
    m_brick_moving_pos_i = m_brick_moving_pos_j = -1;
    int status = 0;
    if (!ReadSaveInt(store, "f_m_status", 0, STATUS_SLIDE, status) || status == 2)
        return;
    if (status == STATUS_IDLE || status == STATUS_REMOVING)
    {
        // Removing bricks were saved as gone: the removal ends in the next
        // update with the finish test.
        m_status = status;
        return;
    }

    int dir = -1;
    int i = -1;
    int j = -1;
    int liftX = 0;
    int liftY = 0;
    int color = -1;
    if (!ReadSaveInt(store, "f_m_line_moving_dir", DIR_UP, DIR_RIGHT, dir) ||
        !ReadSaveInt(store, "f_m_brick_moving_pos_i", 0, MAX_CELLS, i) ||
        !ReadSaveInt(store, "f_m_brick_moving_pos_j", 0, MAX_CELLS, j) ||
        !LiftedCellOf(dir, i, j, m_width_bricks, liftX, liftY))
        return;
    if (store.HasKey("f_m_brick_moving_color") &&
        !ReadSaveInt(store, "f_m_brick_moving_color", 0, CSliderParams::MAX_COLORS - 1, color))
        return;
    // Before the line has moved the lifted cell is the free one, after it
    // the far end.
    bool lineMoved = (status == STATUS_PUT_IN || status == STATUS_SETTLE);
    if (lineMoved ? m_bricks[i][j] != nullptr : m_bricks[liftX][liftY] != nullptr)
        return;

    m_line_moving_dir = dir;
    m_brick_moving_pos_i = i;
    m_brick_moving_pos_j = j;
    if (color >= 0)
    {
        m_brick_moving = std::make_unique<CSliderBrick>(&m_params);
        m_brick_moving->SetScale(GetBrickSize());
        m_brick_moving->SetColor(color);
        CVector4 p = GetBrickPosition(status == STATUS_SETTLE ? i : liftX, status == STATUS_SETTLE ? j : liftY);
        if (status != STATUS_LIFT)
            p.z = LIFT_HEIGHT * GetBrickDepth();
        m_brick_moving->SetPosition(p);
    }
    if (status == STATUS_SLIDE)
        BeginSlide();
    else
        m_status = status;
}
