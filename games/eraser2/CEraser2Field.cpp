#include "games/eraser2/CEraser2Field.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "games/eraser2/CEraser2Params.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/QueueBoardBricks.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const kLight1Name = "BE2Field1";
const char* const kLight2Name = "BE2Field2";
const char* const kFeederKeys[2] = {"m_bricks_left%i", "m_bricks_right%i"};
const int kNoBrick = -1;
// The level and the scores run to the top of int, where they stay.
const int kMaxValue = 0x7FFFFFFF;
// The popups' parts are keyed above every brick's address.
const std::uint64_t kPopupKeyBit = std::uint64_t{1} << 63;

std::string CellKey(int x, int y)
{
    char key[48];
    std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
    return key;
}

std::string Format(const char* pattern, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// One step of a brick toward its target: the fraction of the way, at most
// speed x dt. True when it arrived.
bool StepToward(CEraser2Brick& brick, const CVector4& target, float fraction, float speed, float dt)
{
    CVector4 current = brick.GetPosition();
    CVector4 step = (target - current) * fraction;
    if (step.LengthSquared() > speed * speed)
    {
        step.Normalize();
        step *= speed;
    }
    step *= dt;
    if (step.LengthSquared() < (current - target).LengthSquared())
    {
        brick.SetPosition(current + step);
        return false;
    }
    brick.SetPosition(target);
    return true;
}
}

CEraser2Field::CEraser2Field(const CEraser2Params& params, CGameEvents* events, CResManager* resources,
                             CRandom& random, const CBitmapFont* font)
    : m_params(params),
      m_events(events),
      m_resources(resources),
      m_random(random),
      m_font(font),
      m_board(MAX_COLUMNS, MAX_ROWS),
      m_score_step(params.GetScoreBrick())
{
    m_light1.SetAmbient(0.5f, 0.5f, 0.5f, 1.0f);
    m_light1.SetDiffuse(0.5f, 0.5f, 0.5f, 1.0f);
    m_light1.SetSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    m_light1.SetPosition(0.0f, 0.0f, 35.0f, 0);
    m_light1.SetExtraColor(0.2f, 0.2f, 0.2f, 1.0f);
    m_light2.SetAmbient(0.1f, 0.1f, 0.1f, 1.0f);
    m_light2.SetDiffuse(0.1f, 0.1f, 0.1f, 1.0f);
    m_light2.SetSpecular(0.1f, 0.1f, 0.1f, 1.0f);
    m_light2.SetPosition(0.0f, 0.0f, 35.0f, 0);
    if (m_resources)
    {
        m_light1.Apply();
        m_light2.Apply();
        m_resources->AddLight(&m_light1, kLight1Name);
        m_resources->AddLight(&m_light2, kLight2Name);
    }
    m_template_brick = std::make_unique<CEraser2Brick>(&m_params);
    SetShape(params.GetOption(), params.GetSize());
}

CEraser2Field::~CEraser2Field()
{
    // The menu's manager outlives the field: the lights must not stay listed.
    if (m_resources)
    {
        m_resources->RemoveLight(&m_light1);
        m_resources->RemoveLight(&m_light2);
    }
}

void CEraser2Field::GetShape(int option, int size, int& columns, int& rows)
{
    if (size < 0 || size >= CEraser2Params::SIZES)
        size = 0;
    if (option == 1)
    {
        columns = 12 + 4 * size;
        rows = columns * 2 / 3;
    }
    else
        columns = rows = 8 + 2 * size;
}

bool CEraser2Field::FindShape(int columns, int rows, int& option, int& size)
{
    for (int o = 0; o < CEraser2Params::OPTIONS; ++o)
        for (int s = 0; s < CEraser2Params::SIZES; ++s)
        {
            int c = 0;
            int r = 0;
            GetShape(o, s, c, r);
            if (c == columns && r == rows)
            {
                option = o;
                size = s;
                return true;
            }
        }
    return false;
}

void CEraser2Field::SetShape(int option, int size)
{
    int columns = 0;
    int rows = 0;
    GetShape(option, size, columns, rows);
    m_option = option == 1 ? 1 : 0;
    m_size = (size >= 0 && size < CEraser2Params::SIZES) ? size : 0;
    m_board.SetSize(columns, rows);
    for (auto& side : m_feeders)
        for (auto& slot : side)
            slot.reset();
    m_width = option == 1 ? m_params.GetWideWidth() : m_params.GetSquareWidth();
    float cell = m_width / static_cast<float>(m_board.GetColumns());
    m_height = cell * static_cast<float>(m_board.GetRows());
    m_colors = m_params.GetColorCount(option);
    m_group_min = m_params.GetGroupSize(option);
    m_feed_count[0] = m_feed_count[1] = m_board.GetRows();
    m_template_brick->SetScale(cell);
    m_template_brick->SetColor(0);
    float depth = m_template_brick->GetScaledSizeZ();
    m_board.SetGeometry(-m_width / 2.0f, m_height / 2.0f, cell, depth / 2.0f);
    m_template_brick->SetPosition(m_board.GetCellCentre(1, 1));
}

// The side of one cell on either board: the start effects put every brick
// back at this size, so anything else would leave them off their cells.
float CEraser2Field::GetBrickSize() const
{
    return m_board.GetCellSize();
}

CVector4& CEraser2Field::GetBrickPosition(CVector4& out, int x, int y) const
{
    out = m_board.GetCellCentre(x, y);
    return out;
}

void CEraser2Field::PlaySound(int id) const
{
    if (m_events)
        m_events->PlaySound(id, true, false);
}

std::unique_ptr<CEraser2Brick> CEraser2Field::NewBrick(int color) const
{
    auto brick = std::make_unique<CEraser2Brick>(&m_params);
    brick->SetScale(m_board.GetCellSize());
    brick->SetColor(color);
    return brick;
}

CEraser2Brick* CEraser2Field::CreateBrickAt(int x, int y, int color)
{
    if (!m_board.IsInside(x, y))
        return nullptr;
    auto brick = NewBrick(color);
    brick->SetPosition(m_board.GetCellCentre(x, y));
    return m_board.Put(x, y, std::move(brick));
}

CEraser2Brick* CEraser2Field::GetFeederBrick(int side, int slot) const
{
    if (slot < 0 || slot >= m_board.GetRows())
        return nullptr;
    return m_feeders[side ? 1 : 0][slot].get();
}

CVector4 CEraser2Field::GetFeederPosition(int side, int slot) const
{
    float cell = m_board.GetCellSize();
    float x = side ? m_width / 2.0f + 2.0f * cell : -m_width / 2.0f - 2.0f * cell;
    return CVector4(x, m_board.GetCellCentre(0, slot).y, m_board.GetCellCentre(0, 0).z);
}

void CEraser2Field::SetFeederBrick(int side, int slot, int color)
{
    if (slot < 0 || slot >= m_board.GetRows())
        return;
    std::unique_ptr<CEraser2Brick>& cell = m_feeders[side ? 1 : 0][slot];
    cell.reset();
    if (color == kNoBrick)
        return;
    cell = NewBrick(color);
    cell->SetPosition(GetFeederPosition(side, slot));
}

void CEraser2Field::NewLevel(int level)
{
    m_current_level = level;
    m_board.Clear();
    for (auto& side : m_feeders)
        for (auto& slot : side)
            slot.reset();
    m_is_finish = false;
    m_state = STATE_IDLE;

    // Every colour equally often; the first n mod colours once more.
    int columns = m_board.GetColumns();
    int n = columns * m_board.GetRows();
    std::vector<int> colors(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        colors[k] = k % m_colors;
    for (int k = 0; k < n * columns; ++k)
        std::swap(colors[0], colors[static_cast<std::size_t>(m_random.Next(n))]);
    int next = 0;
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < columns; ++x)
            CreateBrickAt(x, y, colors[next++]);
}

bool CEraser2Field::FeederNeedsFill() const
{
    int last = m_board.GetRows() - 1;
    return !GetFeederBrick(0, last) || !GetFeederBrick(1, last);
}

void CEraser2Field::FillFeeders()
{
    if (m_sliding)
        return;
    m_sliding = true;
    PlaySound(SOUND_REFILL);
    int rows = m_board.GetRows();
    float cell = m_board.GetCellSize();
    for (int side = 0; side < 2; ++side)
    {
        if (GetFeederBrick(side, rows - 1))
            continue;
        for (int i = rows - m_feed_count[side]; i < rows; ++i)
        {
            auto brick = std::make_unique<CEraser2Brick>(&m_params);
            brick->SetScale(cell);
            brick->SetColor(m_random.Next(m_colors));
            // They start below the board, two cells apart, and rise to their slots.
            CVector4 rest = GetFeederPosition(side, i);
            brick->SetPosition(CVector4(rest.x, -m_height / 2.0f - 2.0f * cell * i - cell / 2.0f, rest.z));
            int number = m_random.Next(10);
            int kind = m_random.Next(CEraser2Brick::kBonusKinds + 1);
            brick->SetBonus(kind, number);
            m_feeders[side][i] = std::move(brick);
        }
        m_feed_count[side] -= 1;
        if (m_feed_count[side] <= 0)
            m_feed_count[side] = rows;
    }
}

void CEraser2Field::SlideFeeders(float dt)
{
    bool moving = false;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < m_board.GetRows(); ++i)
            if (CEraser2Brick* brick = GetFeederBrick(side, i))
                if (!StepToward(*brick, GetFeederPosition(side, i), kSlideFraction, kSlideSpeed, dt))
                    moving = true;
    if (!moving)
        m_sliding = false;
}

bool CEraser2Field::PushFeeders()
{
    if (m_sliding)
        return false;
    int columns = m_board.GetColumns();
    int rows = m_board.GetRows();
    bool moved = false;
    for (int side = 0; side < 2; ++side)
    {
        int edge = side ? columns - 1 : 0;
        if (m_board.Get(edge, rows - 1))
            continue;
        for (int i = 0; i < rows; ++i)
        {
            std::unique_ptr<CEraser2Brick>& slot = m_feeders[side][i];
            if (!slot)
                continue;
            // Beside the row's outermost brick when that lies in this half,
            // else next to the middle.
            int target = 0;
            if (side == 0)
            {
                int f = 0;
                while (f < columns && !m_board.Get(f, i))
                    ++f;
                target = f <= columns / 2 - 1 ? f - 1 : columns / 2 - 1;
            }
            else
            {
                int l = columns - 1;
                while (l >= 0 && !m_board.Get(l, i))
                    --l;
                target = l >= columns / 2 ? l + 1 : columns / 2;
            }
            // A cell already taken keeps the brick in its slot.
            if (m_board.Arrive(target, i, slot))
                moved = true;
        }
    }
    if (moved)
    {
        PlaySound(SOUND_PUSH);
        m_state = STATE_MOVING;
    }
    return moved;
}

int CEraser2Field::TakeGroup(CEraser2Brick* brick)
{
    // A board in motion or in its end sweep takes no click.
    if (m_state != STATE_IDLE)
        return 0;
    m_state = STATE_REMOVING;
    int x = -1;
    int y = -1;
    if (!m_board.FindBrick(brick, x, y))
        return 0;
    std::vector<int> group = m_board.FindGroup(x, y, [](const CEraser2Brick& b) { return !b.IsVanishing(); });
    int count = static_cast<int>(group.size());
    // Too small: nothing goes, yet the removal, fall and closing passes run
    // once, and the feeders may push at their end.
    if (count < m_group_min)
        return 0;
    for (int pos : group)
        m_board.Get(UnpackPosX(pos), UnpackPosY(pos))->MarkForRemoval();
    PlaySound(SOUND_GROUP);
    return count;
}

void CEraser2Field::AddScorePopup(int count, const CVector4& position)
{
    m_popups.SetColor(1.0f, 1.0f, 1.0f);
    m_popups.Add(Format("%i", count * m_score_step), position);
}

void CEraser2Field::ClearHighlight()
{
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraser2Brick* brick = m_board.Get(x, y))
                brick->SetHighlight(false);
}

void CEraser2Field::Hover(const CVector4& point)
{
    ClearHighlight();
    int x = -1;
    int y = -1;
    if (!m_board.PickCell(point, x, y))
        return;
    std::vector<int> group = m_board.FindGroup(x, y, [](const CEraser2Brick& b) { return !b.IsVanishing(); });
    if (static_cast<int>(group.size()) < m_group_min)
        return;
    for (int pos : group)
        m_board.Get(UnpackPosX(pos), UnpackPosY(pos))->SetHighlight(true);
}

void CEraser2Field::ApplyGravity()
{
    m_state = STATE_FALLING;
    m_board.ApplyGravity();
}

void CEraser2Field::StepMoves(float dt)
{
    for (int landed = m_board.StepMoves(dt, m_params.GetFallSpeed()); landed > 0; --landed)
        PlaySound(SOUND_LANDED);
    if (m_board.HasMoves())
        return;
    if (m_state == STATE_FALLING)
    {
        m_state = STATE_MOVING;
        m_board.CloseColumns();
        return;
    }
    int columns = m_board.GetColumns();
    int bottom = m_board.GetRows() - 1;
    if (FeederNeedsFill())
    {
        // The bricks a feeder pushed in fall now.
        ApplyGravity();
        if (!m_board.HasMoves())
            m_state = STATE_IDLE;
    }
    else if (!m_board.Get(0, bottom) || !m_board.Get(columns - 1, bottom))
    {
        // A push waits for a slide in progress; with nothing to push the
        // board is at rest.
        if (!PushFeeders() && !m_sliding)
            m_state = STATE_IDLE;
    }
    else
        m_state = STATE_IDLE;
}

void CEraser2Field::Sweep(float dt)
{
    bool found = false;
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
        {
            CEraser2Brick* brick = m_board.Get(x, y);
            if (!brick || !brick->IsVanishing())
                continue;
            found = true;
            if (brick->StepVanish(dt * 2.0f, m_events))
                m_board.Remove(x, y);
        }
    if (found)
        return;
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraser2Brick* brick = m_board.Get(x, y))
            {
                brick->MarkForRemoval();
                PlaySound(SOUND_SWEEP);
                return;
            }
    m_is_finish = true;
}

void CEraser2Field::AdvanceSprites(float dt)
{
    for (int y = 0; y < m_board.GetRows(); ++y)
    {
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraser2Brick* brick = m_board.Get(x, y))
                brick->AdvanceSprites(dt);
        for (auto& side : m_feeders)
            if (side[y])
                side[y]->AdvanceSprites(dt);
    }
}

void CEraser2Field::Update(float dt)
{
    m_score = 0;
    if (m_state == STATE_REMOVING)
    {
        bool found = false;
        for (int y = 0; y < m_board.GetRows(); ++y)
            for (int x = 0; x < m_board.GetColumns(); ++x)
            {
                CEraser2Brick* brick = m_board.Get(x, y);
                if (!brick || !brick->IsVanishing())
                    continue;
                found = true;
                if (brick->StepVanish(dt, m_events))
                {
                    m_board.Remove(x, y);
                    m_score += 1;
                }
            }
        if (!found)
            ApplyGravity();
    }
    else if (m_state == STATE_FALLING || m_state == STATE_MOVING)
        StepMoves(dt);
    else if (m_state == STATE_SWEEP)
        Sweep(dt);

    if (m_sliding)
        SlideFeeders(dt);

    int hover = -1;
    for (int y = 0; y < m_board.GetRows() && hover < 0; ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
        {
            CEraser2Brick* brick = m_board.Get(x, y);
            if (brick && brick->IsHighlighted())
            {
                hover = y * m_board.GetColumns() + x;
                break;
            }
        }
    if (hover >= 0 && hover != m_hover)
        PlaySound(SOUND_HOVER);
    m_hover = hover;

    if (m_state == STATE_IDLE)
    {
        if (FeederNeedsFill())
            FillFeeders();
        else if (!m_sliding && CountRemovableGroups() == 0)
        {
            m_state = STATE_SWEEP;
            if (CountBricks() == 0)
            {
                // The popup shows what the game adds for it: the bonus
                // counts as that many bricks.
                m_score = MulSaturated(m_current_level, CLEAR_BONUS_PER_LEVEL);
                m_popups.SetColor(1.0f, 1.0f, 1.0f);
                m_popups.Add(Format("%i", MulSaturated(m_score, m_score_step)),
                             m_board.GetCellCentre(m_board.GetColumns() / 2, m_board.GetRows() / 2));
            }
        }
    }
    m_popups.Update(dt);
    AdvanceSprites(dt);
}

void CEraser2Field::Reskin()
{
    m_template_brick->Reskin();
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraser2Brick* brick = m_board.Get(x, y))
            {
                brick->Reskin();
                brick->SetPosition(m_board.GetCellCentre(x, y));
            }
    // A brick in motion has jumped to its cell.
    m_board.FinishMoves();
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < m_board.GetRows(); ++i)
            if (CEraser2Brick* brick = GetFeederBrick(side, i))
            {
                brick->Reskin();
                brick->SetPosition(GetFeederPosition(side, i));
            }
}

void CEraser2Field::Draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(m_light1.GetId());
    glDisable(GL_LIGHTING);
    // The plain bricks of board and feeders in one batch; the fading ones
    // after the opaque ones so that they blend over them.
    m_batch.Begin();
    QueueBoardBricks(
        m_batch, m_board.GetColumns(), m_board.GetRows(), [this](int x, int y) { return m_board.Get(x, y); },
        [](const CEraser2Brick& brick) { return brick.IsVanishing(); });
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (auto& side : m_feeders)
            if (side[y])
            {
                if (side[y]->IsDrawnAlone())
                    m_batch.AddAlone(*side[y]);
                else
                    m_batch.Add(*side[y]);
            }
    m_batch.Draw();
    m_popups.Draw(m_font);
}

template <class Visit>
void CEraser2Field::ForEachBrick(Visit visit) const
{
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraser2Brick* brick = m_board.Get(x, y))
                visit(*brick);
    for (const auto& side : m_feeders)
        for (int y = 0; y < m_board.GetRows(); ++y)
            if (side[y])
                visit(*side[y]);
}

void CEraser2Field::StepLooks()
{
    ForEachBrick([](CEraser2Brick& brick) { brick.StepLook(); });
}

void CEraser2Field::AddToPrint(CFramePrint& print) const
{
    print.Add(m_board.GetColumns());
    print.Add(m_board.GetRows());
    // Named by its address, a brick that falls, closes up a column or leaves
    // a feeder for the board stays one part moving.
    ForEachBrick([&print](const CEraser2Brick& brick) {
        print.BeginBoardPart(reinterpret_cast<std::uintptr_t>(&brick));
        brick.AddToPrint(print);
        print.EndPart();
    });
    // Above the bricks' addresses.
    m_popups.AddPartsToPrint(print, m_font, kPopupKeyBit);
}

void CEraser2Field::PlaceSprites(std::vector<CVector4>& corners)
{
    ForEachBrick([&corners](CEraser2Brick& brick) {
        CVector4 low, high;
        if (brick.PlaceSprites(low, high))
        {
            corners.push_back(low);
            corners.push_back(high);
        }
    });
}

void CEraser2Field::DrawSprites()
{
    std::vector<CVector4> corners;
    PlaceSprites(corners);
    if (corners.empty())
        return;
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    // All icons first, then all numbers: one picture bound for each run.
    for (int numbers = 0; numbers < 2; ++numbers)
    {
        const CTexture* bound = nullptr;
        bool open = false;
        ForEachBrick([&](CEraser2Brick& brick) {
            const CSprite* sprite = numbers ? brick.GetNumberSprite() : brick.GetBonusSprite();
            if (!sprite || !sprite->IsVisible() || !brick.GetBonusSprite())
                return;
            if (!open || sprite->GetTexture() != bound)
            {
                if (open)
                    glEnd();
                bound = sprite->GetTexture();
                glBindTexture(GL_TEXTURE_2D, bound ? bound->GetId() : 0);
                glBegin(GL_TRIANGLES);
                open = true;
            }
            sprite->EmitCell(CVector4(), 0.0f, brick.GetSpriteAlpha());
        });
        if (open)
            glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CEraser2Field::Save(CConfigFile& store) const
{
    int columns = m_board.GetColumns();
    int rows = m_board.GetRows();
    store.SetInt("f_m_score", m_score);
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("f_m_colors", m_colors);
    // An empty board in the end sweep has had its clear bonus: saved as
    // finished, so that loading it does not pay the bonus once more.
    store.SetInt("f_m_is_finish", (m_is_finish || (m_state == STATE_SWEEP && CountBricks() == 0)) ? 1 : 0);
    store.SetInt("f_m_width_bricks", columns);
    store.SetInt("f_m_height_bricks", rows);
    store.SetInt("fe_m_current_level", m_current_level);
    // A vanishing brick is saved whole: its points are counted only when it
    // is gone, so the player takes it again after a load.
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
        {
            const CEraser2Brick* brick = m_board.Get(x, y);
            store.SetInt(CellKey(x, y), brick ? brick->GetColor() : kNoBrick);
        }
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < rows; ++i)
        {
            const CEraser2Brick* brick = GetFeederBrick(side, i);
            store.SetInt(SaveKey(kFeederKeys[side], i), brick ? brick->GetColor() : kNoBrick);
        }
}

bool CEraser2Field::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    int columns = 0;
    int rows = 0;
    int colors = 0;
    int option = 0;
    int size = 0;
    float alpha = 0.0f;
    // A frame's count of bricks gone, or the clear bonus: never below 0.
    if (!ReadSaveInt(store, "f_m_score", 0, kMaxValue, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || alpha < -360.0f || alpha > 360.0f)
        return false;
    if (!ReadSaveInt(store, "f_m_colors", 1, CEraser2Params::MAX_COLORS, colors))
        return false;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    // Only the kind's own board shapes: nothing larger than the grid.
    if (!ReadSaveInt(store, "f_m_width_bricks", 1, MAX_COLUMNS, columns) ||
        !ReadSaveInt(store, "f_m_height_bricks", 1, MAX_ROWS, rows) || !FindShape(columns, rows, option, size))
        return false;
    if (!ReadSaveInt(store, "fe_m_current_level", 1, kMaxValue, value))
        return false;
    // Every cell and slot must be there: a board cut short is damage, not
    // bricks of colour 0.
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (!ReadSaveInt(store, CellKey(x, y), kNoBrick, colors - 1, value))
                return false;
    // A feeder holds nothing or one run of bricks down to its last slot.
    for (int side = 0; side < 2; ++side)
    {
        bool run = false;
        for (int i = 0; i < rows; ++i)
        {
            if (!ReadSaveInt(store, SaveKey(kFeederKeys[side], i), kNoBrick, colors - 1, value))
                return false;
            if (run && value == kNoBrick)
                return false;
            run = run || value != kNoBrick;
        }
    }
    return true;
}

bool CEraser2Field::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int columns = 0;
    int rows = 0;
    int option = 0;
    int size = 0;
    int value = 0;
    ReadSaveInt(store, "f_m_width_bricks", 1, MAX_COLUMNS, columns);
    ReadSaveInt(store, "f_m_height_bricks", 1, MAX_ROWS, rows);
    FindShape(columns, rows, option, size);
    SetShape(option, size);
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", 1, CEraser2Params::MAX_COLORS, m_colors);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = (value == 1);
    ReadSaveInt(store, "fe_m_current_level", 1, kMaxValue, m_current_level);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
        {
            ReadSaveInt(store, CellKey(x, y), kNoBrick, m_colors - 1, value);
            if (value != kNoBrick)
                CreateBrickAt(x, y, value);
        }
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < rows; ++i)
        {
            ReadSaveInt(store, SaveKey(kFeederKeys[side], i), kNoBrick, m_colors - 1, value);
            SetFeederBrick(side, i, value);
        }
    // A board saved while bricks were falling or columns closing stands in
    // its cells already; whatever was still open settles at once.
    m_board.ApplyGravity();
    m_board.CloseColumns();
    m_board.FinishMoves();
    m_is_finish = m_is_finish && CountBricks() == 0;
    m_popups.Clear();
    m_score = 0;
    m_sliding = false;
    m_hover = -1;
    m_state = m_is_finish ? STATE_SWEEP : STATE_IDLE;
    return true;
}
