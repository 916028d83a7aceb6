#include "games/eraser/CEraserField.h"

#include <GL/gl.h>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CResManager.h"
#include "games/eraser/CEraserParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/QueueBoardBricks.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const kLight1Name = "BEField1";
const char* const kLight2Name = "BEField2";
const char* const kDifficultyKey = "fe_m_difficulty";
// Levels and scores run to the top of int, where they stay.
const int kMaxValue = 0x7FFFFFFF;
// Popup parts are keyed from here up, clear of the bricks' addresses,
// which lie far below in user space.
const std::uint64_t kPopupPartKey = std::uint64_t(1) << 62;
// How far left of its point CScorePopups::Draw starts a text.
// Board units round a text's glyphs, for rounding on the way to pixels.

// A choice the settings could hold out of range plays as the first one.
int ValidChoice(int choice, int count)
{
    return (choice >= 0 && choice < count) ? choice : 0;
}

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
}

CEraserField::CEraserField(const CEraserParams& params, CGameEvents* events, CResManager* resources, CRandom& random,
                           const CBitmapFont* font)
    : m_params(params),
      m_events(events),
      m_resources(resources),
      m_random(random),
      m_font(font),
      m_board(MAX_CELLS, MAX_CELLS),
      m_difficulty(ValidChoice(params.GetLastDifficulty(), CEraserParams::DIFFICULTIES)),
      m_colors(params.GetColorCount(m_difficulty)),
      m_score_brick(params.GetScoreBrick()),
      m_group_min(params.GetGroupSize(m_difficulty)),
      m_field_width(params.GetFieldWidth())
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
        // Listed so that they are applied again when the GL context changes.
        m_resources->AddLight(&m_light1, kLight1Name);
        m_resources->AddLight(&m_light2, kLight2Name);
    }

    m_template_brick = std::make_unique<CEraserBrick>(&m_params);
    SetBoardSize(CEraserParams::GetBoardSide(ValidChoice(params.GetLastSize(), CEraserParams::SIZES), m_difficulty));
}

CEraserField::~CEraserField()
{
    // The menu's manager outlives the field: the lights must not stay listed.
    if (m_resources)
    {
        m_resources->RemoveLight(&m_light1);
        m_resources->RemoveLight(&m_light2);
    }
}

void CEraserField::SetBoardSize(int side)
{
    m_board.SetSize(side, side);
    float cell = GetBrickSize();
    m_template_brick->SetScale(cell);
    m_template_brick->SetColor(0);
    float depth = m_template_brick->GetScaledSizeZ();
    m_board.SetGeometry(-m_field_width / 2.0f, m_field_width / 2.0f, cell, depth / 2.0f);
    m_template_brick->SetPosition(m_board.GetCellCentre(1, 1));
}

float CEraserField::GetBrickSize() const
{
    int side = m_board.GetColumns();
    return side > 0 ? m_field_width / static_cast<float>(side) : m_field_width;
}

CVector4& CEraserField::GetBrickPosition(CVector4& out, int x, int y) const
{
    out = m_board.GetCellCentre(x, y);
    return out;
}

int CEraserField::GetSize() const
{
    int size = CEraserParams::GetSizeOfSide(m_board.GetColumns(), m_difficulty);
    return size >= 0 ? size : 0;
}

int CEraserField::GetPenalty() const
{
    return AddSaturated(MulSaturated(m_current_level - 1, m_score_brick), m_params.GetScoreBrickPenalty());
}

void CEraserField::PlaySound(int id) const
{
    if (m_events)
        m_events->PlaySound(id, true, false);
}

CEraserBrick* CEraserField::CreateBrickAt(int x, int y, int color)
{
    if (!m_board.IsInside(x, y))
        return nullptr;
    auto brick = std::make_unique<CEraserBrick>(&m_params);
    brick->SetScale(GetBrickSize());
    brick->SetPosition(m_board.GetCellCentre(x, y));
    brick->SetColor(color);
    return m_board.Put(x, y, std::move(brick));
}

void CEraserField::NewLevel(int level)
{
    m_current_level = level;
    m_board.Clear();
    m_is_finish = false;
    m_state = STATE_IDLE;

    // Every colour equally often; the first n mod colours once more.
    int side = m_board.GetColumns();
    int n = side * side;
    std::vector<int> colors(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        colors[k] = k % m_colors;
    for (int k = 0; k < n * side; ++k)
        std::swap(colors[0], colors[static_cast<std::size_t>(m_random.Next(n))]);
    int next = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            CreateBrickAt(x, y, colors[next++]);
}

int CEraserField::SelectGroup(CEraserBrick* brick)
{
    // A click counts only on a board at rest: during a removal, a fall or the
    // end sweep it would take bricks that are already on their way out.
    if (m_state != STATE_IDLE)
        return 0;
    m_state = STATE_REMOVING;
    int x = -1;
    int y = -1;
    if (!m_board.FindBrick(brick, x, y))
        return 0;
    std::vector<int> group = m_board.FindGroup(x, y, [](const CEraserBrick& b) { return !b.IsMarked(); });
    int count = static_cast<int>(group.size());
    // A group too small is left alone; the next updates pass back to idle.
    if (count < m_group_min)
        return 0;
    for (int pos : group)
        m_board.Get(UnpackPosX(pos), UnpackPosY(pos))->Mark();
    PlaySound(SOUND_GROUP);
    return count;
}

void CEraserField::AddScorePopup(int count, const CVector4& position)
{
    m_popups.SetColor(1.0f, 1.0f, 1.0f);
    m_popups.Add(Format("%i", count * m_score_brick), position);
}

void CEraserField::ClearHighlight()
{
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraserBrick* brick = m_board.Get(x, y))
                brick->SetHighlight(false);
}

void CEraserField::Highlight(const CVector4& point)
{
    int x = -1;
    int y = -1;
    if (!m_board.PickCell(point, x, y))
    {
        ClearHighlight();
        return;
    }
    std::vector<int> group = m_board.FindGroup(x, y, [](const CEraserBrick& b) { return !b.IsMarked(); });
    // The sound tells of a removable group newly under the cursor, not of
    // every move inside the same group.
    bool newcomer = false;
    for (int pos : group)
        if (!m_board.Get(UnpackPosX(pos), UnpackPosY(pos))->IsHighlighted())
            newcomer = true;
    ClearHighlight();
    if (static_cast<int>(group.size()) < m_group_min)
        return;
    for (int pos : group)
        m_board.Get(UnpackPosX(pos), UnpackPosY(pos))->SetHighlight(true);
    if (newcomer)
        PlaySound(SOUND_HOVER);
}

void CEraserField::StepZooms()
{
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraserBrick* brick = m_board.Get(x, y))
                brick->StepZoom();
}

void CEraserField::Update(float dt)
{
    m_score = 0;
    if (m_state == STATE_REMOVING)
    {
        bool found = false;
        for (int y = 0; y < m_board.GetRows(); ++y)
            for (int x = 0; x < m_board.GetColumns(); ++x)
            {
                CEraserBrick* brick = m_board.Get(x, y);
                if (!brick || !brick->IsMarked())
                    continue;
                found = true;
                if (brick->Vanish(dt, m_events))
                {
                    m_board.Remove(x, y);
                    m_score += 1;
                }
            }
        if (!found)
            DropBricks();
    }
    else if (m_state == STATE_SWEEP)
        Sweep(dt);
    else if (m_state == STATE_FALLING || m_state == STATE_CLOSING)
        MoveBricks(dt);

    if (m_state == STATE_IDLE && CountGroups() == 0)
    {
        m_state = STATE_SWEEP;
        if (CountBricks() == 0)
        {
            PlaySound(SOUND_CLEARED);
            int side = m_board.GetColumns();
            m_score = MulSaturated(m_current_level, CLEAR_BONUS_PER_LEVEL);
            m_popups.Add(Format("%i", m_score), m_board.GetCellCentre(side / 2, side / 2));
            m_popups.SetColor(1.0f, 1.0f, 1.0f);
        }
    }
    m_popups.Update(dt);
}

void CEraserField::DropBricks()
{
    m_state = STATE_FALLING;
    m_board.ApplyGravity();
}

void CEraserField::MoveBricks(float dt)
{
    float speed = m_params.GetFallSpeed();
    if (m_state == STATE_FALLING)
    {
        for (int landed = m_board.StepMoves(dt, speed); landed > 0; --landed)
            PlaySound(SOUND_LANDED);
        if (!m_board.HasMoves())
        {
            m_board.CloseColumns();
            m_state = STATE_CLOSING;
        }
    }
    if (m_state == STATE_CLOSING)
    {
        for (int landed = m_board.StepMoves(dt, speed); landed > 0; --landed)
            PlaySound(SOUND_LANDED);
        if (!m_board.HasMoves())
            m_state = STATE_IDLE;
    }
}

void CEraserField::Sweep(float dt)
{
    bool found = false;
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
        {
            CEraserBrick* brick = m_board.Get(x, y);
            if (!brick || !brick->IsMarked())
                continue;
            found = true;
            if (brick->Vanish(dt, m_events))
            {
                m_board.Remove(x, y);
                m_score -= 1;
            }
        }
    if (found)
        return;
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraserBrick* brick = m_board.Get(x, y))
            {
                brick->Mark();
                PlaySound(SOUND_SWEEP);
                m_popups.SetColor(1.0f, 1.0f, 1.0f);
                m_popups.Add(Format("-%i", GetPenalty()), brick->GetPosition());
                return;
            }
    m_is_finish = true;
}

void CEraserField::Reskin()
{
    m_template_brick->SetColor(m_template_brick->GetColor());
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (CEraserBrick* brick = m_board.Get(x, y))
            {
                brick->SetColor(brick->GetColor());
                brick->SetPosition(m_board.GetCellCentre(x, y));
            }
    // A brick in motion has jumped to its cell.
    m_board.FinishMoves();
}

void CEraserField::Draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(m_light1.GetId());
    glDisable(GL_LIGHTING);
    // The fading bricks come after the opaque ones so that they blend over them.
    m_batch.Begin();
    QueueBoardBricks(
        m_batch, m_board.GetColumns(), m_board.GetRows(), [this](int x, int y) { return m_board.Get(x, y); },
        [](const CEraserBrick& brick) { return brick.IsMarked(); });
    m_batch.Draw();
    m_popups.Draw(m_font);
}

void CEraserField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_board.GetColumns());
    print.Add(m_board.GetRows());
    for (int y = 0; y < m_board.GetRows(); ++y)
        for (int x = 0; x < m_board.GetColumns(); ++x)
            if (const CEraserBrick* brick = m_board.Get(x, y))
            {
                // Keyed by the brick itself, a falling brick is one part
                // that moves; its cell orders the drawing, which shows where
                // swelling bricks blend over each other.
                print.BeginBoardPart(reinterpret_cast<std::uintptr_t>(brick));
                print.Add(PackPos(x, y));
                brick->AddToPrint(print);
                brick->AddDrawnBox(print);
                print.EndPart();
            }
    m_popups.AddPartsToPrint(print, m_font, kPopupPartKey);
}

void CEraserField::Save(CConfigFile& store) const
{
    int side = m_board.GetColumns();
    bool empty = CountBricks() == 0;
    store.SetInt("f_m_score", m_score);
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("f_m_colors", m_colors);
    // An empty board in the end sweep has had its clear bonus: it is saved as
    // finished, so that loading it does not pay the bonus once more.
    store.SetInt("f_m_is_finish", (m_is_finish || (m_state == STATE_SWEEP && empty)) ? 1 : 0);
    store.SetInt("f_m_width_bricks", side);
    store.SetInt("f_m_height_bricks", side);
    store.SetInt("fe_m_current_level", m_current_level);
    // The side alone does not tell the difficulty (10 is Easy on a Medium
    // field or Hard on a Small one), and the smallest group and the score
    // table follow it.
    store.SetInt(kDifficultyKey, m_difficulty);
    // A brick that was vanishing is saved whole: its points are counted only
    // when it is gone, so the player takes it again after a load.
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
        {
            const CEraserBrick* brick = m_board.Get(x, y);
            store.SetInt(CellKey(x, y), brick ? brick->GetColor() : -1);
        }
}

bool CEraserField::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    int width = 0;
    int height = 0;
    float alpha = 0.0f;
    int colors = 0;
    // A frame's count: bricks gone, a clear bonus, or leftovers taken back.
    if (!ReadSaveInt(store, "f_m_score", -MAX_SIDE * MAX_SIDE, kMaxValue, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || alpha < -360.0f || alpha > 360.0f)
        return false;
    if (!ReadSaveInt(store, "f_m_colors", 1, CEraserParams::MAX_COLORS, colors))
        return false;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "f_m_width_bricks", MIN_SIDE, MAX_SIDE, width))
        return false;
    if (!ReadSaveInt(store, "f_m_height_bricks", MIN_SIDE, MAX_SIDE, height) || height != width)
        return false;
    // The level sizes the leftover penalty; below 1 it would pay instead.
    if (!ReadSaveInt(store, "fe_m_current_level", 1, kMaxValue, value))
        return false;
    // A save without the difficulty predates it: the side tells it, or
    // narrows it down to two (see Load).
    if (store.HasKey(kDifficultyKey) &&
        (!ReadSaveInt(store, kDifficultyKey, 0, CEraserParams::DIFFICULTIES - 1, value) ||
         CEraserParams::GetSizeOfSide(width, value) < 0))
        return false;
    // Every cell must be there: a board cut short is damage, not colour 0.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!ReadSaveInt(store, CellKey(x, y), -1, colors - 1, value))
                return false;
    return true;
}

int CEraserField::DifficultyOfSave(const CConfigFile& store, int side) const
{
    int difficulty = -1;
    if (ReadSaveInt(store, kDifficultyKey, 0, CEraserParams::DIFFICULTIES - 1, difficulty, "-1"))
        return difficulty;
    // Where two difficulties give the side, the one dealing the saved
    // number of colours; the lower when that does not decide it.
    int found = -1;
    for (int d = 0; d < CEraserParams::DIFFICULTIES; ++d)
        if (CEraserParams::GetSizeOfSide(side, d) >= 0 &&
            (found < 0 || (m_params.GetColorCount(d) == m_colors && m_params.GetColorCount(found) != m_colors)))
            found = d;
    return found >= 0 ? found : 0;
}

bool CEraserField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int side = 0;
    int value = 0;
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", 1, CEraserParams::MAX_COLORS, m_colors);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = (value == 1);
    ReadSaveInt(store, "f_m_width_bricks", MIN_SIDE, MAX_SIDE, side);
    ReadSaveInt(store, "fe_m_current_level", 1, kMaxValue, m_current_level);
    m_difficulty = DifficultyOfSave(store, side);
    m_group_min = m_params.GetGroupSize(m_difficulty);

    SetBoardSize(side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
        {
            ReadSaveInt(store, CellKey(x, y), -1, m_colors - 1, value);
            if (value != -1)
                CreateBrickAt(x, y, value);
        }
    // A board saved while bricks were falling or columns closing stands in
    // its cells already; whatever was still open settles at once.
    m_board.ApplyGravity();
    m_board.CloseColumns();
    m_board.FinishMoves();
    // Only an empty board can have finished; leftovers still cost their points.
    m_is_finish = m_is_finish && CountBricks() == 0;
    m_popups.Clear();
    m_score = 0;
    m_state = m_is_finish ? STATE_SWEEP : STATE_IDLE;
    return true;
}
