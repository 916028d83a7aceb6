#include "games/remover/CRemoverPlayer.h"

#include "shell/game/CFramePrint.h"
#include "engine/gfx/CDraw2D.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverParams.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/SaveValues.h"

namespace
{
const float AIM_HEIGHT = 1.6f;
const float QUEUE_HEIGHT = 3.0f;
const float QUEUE_STEP = 1.2f;
const float GROW_STEP = 1.5f;
const float NEAR_ENOUGH = 2.0f;
}

CRemoverPlayer::CRemoverPlayer(CRemoverParams& params, CRemoverField& field, CGameEvents* events,
                               const CBitmapFont* font, CRandom& random)
    : m_params(params),
      m_field(field),
      m_events(events),
      m_font(font),
      m_random(random),
      m_cell_size(field.GetBrickSize()),
      m_brick_depth(field.GetBrickDepth())
{
}

CRemoverPlayer::~CRemoverPlayer() {}

float CRemoverPlayer::GetAimHeight() const
{
    return AIM_HEIGHT * m_brick_depth;
}

void CRemoverPlayer::PlaySound(int id, bool restart) const
{
    if (m_events)
        m_events->PlaySound(id, restart, false);
}

std::unique_ptr<CRemoverBrick> CRemoverPlayer::NewBrick(int color) const
{
    auto brick = std::make_unique<CRemoverBrick>(&m_params, m_field.GetLight());
    brick->SetColor(color);
    return brick;
}

void CRemoverPlayer::Update(float dt, const CVector4& cursor, bool button)
{
    switch (m_state)
    {
    case STATE_AIMING:
        if (m_held)
            MoveHeldBrick(cursor);
        else
            TakeNextBrick();
        PlaceBrick(cursor, button);
        break;
    case STATE_PLACING:
        UpdatePlacing();
        break;
    case STATE_GROWING:
        UpdateGrowIn();
        break;
    default:
        break;
    }
    if (m_click_pause < dt)
        m_click_pause = 0.0f;
    else
        m_click_pause -= dt;
}

void CRemoverPlayer::UpdatePopups(float)
{
    for (auto& popup : m_popups)
        popup.Update();
    for (std::size_t i = 0; i < m_popups.size();)
    {
        if (m_popups[i].GetAlpha() < 0.0f)
            m_popups.erase(m_popups.begin() + i);
        else
            ++i;
    }
}

void CRemoverPlayer::NewTurn()
{
    m_state = STATE_GROWING;
    m_turns = AddSaturated(m_turns, 1);
    if (m_turn_size < 3)
    {
        int difficulty = m_field.GetStartColorCount() - 4;
        m_turn_size = m_params.GetBricksPerStep(difficulty);
    }
    else
        m_turn_size -= 1;
    if (m_turn_size < 1)
        m_turn_size = 1;

    m_queue.clear();
    float half = static_cast<float>(m_turn_size) / 2.0f;
    for (int i = 0; i < m_turn_size; ++i)
    {
        std::unique_ptr<CRemoverBrick> brick = NewBrick(m_field.GetRandomColor());
        brick->SetScale(0.0f);
        brick->SetPosition(CVector4(QUEUE_X, QUEUE_STEP * m_cell_size * i - QUEUE_STEP * m_cell_size * half,
                                    QUEUE_HEIGHT * m_brick_depth));
        m_queue.push_back(std::move(brick));
    }
}

void CRemoverPlayer::TakeNextBrick()
{
    if (m_queue.empty())
    {
        m_state = STATE_RESOLVED;
        ResolveTurn();
        return;
    }
    m_held = std::move(m_queue.front());
    m_queue.erase(m_queue.begin());
}

void CRemoverPlayer::MoveHeldBrick(const CVector4& cursor)
{
    CVector4 p = m_held->GetPosition();
    if ((p - cursor).LengthSquared() > NEAR_ENOUGH)
        p += (cursor - p) * 0.25f;
    else
        p = cursor;
    m_held->SetPosition(p);
    int x = 0;
    int y = 0;
    bool over = m_field.CellFromPoint(p, &x, &y) && m_field.GetBrick(x, y);
    m_held->SetAlpha(over ? 0.5f : 1.0f);
}

void CRemoverPlayer::PlaceBrick(CVector4 cursor, bool button)
{
    if (m_click_pause != 0.0f || !m_held || !button)
        return;
    cursor.z = 0.0f;
    m_click_pause = CLICK_PAUSE_MS;
    int x = 0;
    int y = 0;
    if (!m_field.CellFromPoint(cursor, &x, &y) || m_field.GetBrick(x, y) || m_field.IsCellReserved(x, y))
        return;
    m_state = STATE_PLACING;
    m_target = m_field.GetBrickPosition(x, y);
}

void CRemoverPlayer::UpdatePlacing()
{
    if (!m_held)
    {
        m_state = STATE_AIMING;
        return;
    }
    CVector4 p = m_held->GetPosition();
    float dx = m_target.x - p.x;
    float dy = m_target.y - p.y;
    if (dx * dx + dy * dy > NEAR_ENOUGH)
    {
        p.x += dx / 2.0f;
        p.y += dy / 2.0f;
        m_held->SetPosition(p);
        return;
    }
    if (!m_landed_sound)
    {
        PlaySound(SOUND_LANDED, true);
        m_landed_sound = true;
    }
    if ((m_target - p).LengthSquared() > NEAR_ENOUGH)
    {
        p += (m_target - p) * 0.25f;
        m_held->SetPosition(p);
        return;
    }

    p = m_target;
    m_held->SetPosition(p);
    int x = 0;
    int y = 0;
    if (m_field.CellFromPoint(m_target, &x, &y) && !m_field.GetBrick(x, y))
    {
        CRemoverBrick* brick = m_held.get();
        if (m_field.PutBrick(m_held, x, y))
        {
            brick->SetNew(true);
            m_placed.push_back(brick);
        }
    }
    m_state = STATE_AIMING;
    m_landed_sound = false;
}

void CRemoverPlayer::UpdateGrowIn()
{
    if (m_queue.empty())
    {
        m_state = STATE_AIMING;
        return;
    }
    float s = m_queue.front()->GetScale() + GROW_STEP;
    bool complete = false;
    if (s > m_cell_size)
    {
        s = m_cell_size;
        complete = true;
    }
    for (auto& brick : m_queue)
        brick->SetScale(s);
    if (complete)
        m_state = STATE_AIMING;
}

void CRemoverPlayer::ResolveTurn()
{
    m_popups.clear();
    int misses = 0;
    m_field.ClearNewFlags();
    int colorsBefore = m_field.GetColorCount();

    for (CRemoverBrick* brick : m_placed)
    {
        // Only bricks still on the board take part; one already taken by an
        // earlier group of this turn is neither scored again nor a miss.
        if (!brick || !m_field.FindBrick(brick, nullptr, nullptr) || brick->IsSelected())
            continue;
        int before = m_field.GetColorCount();
        int n = m_field.SelectGroup(brick);
        int after = m_field.GetColorCount();
        int gain = GroupScore(n);
        m_score = AddSaturated(m_score, gain);
        if (after < before)
        {
            m_score = AddSaturated(m_score, COLOR_BONUS);
            gain += COLOR_BONUS;
        }
        if (gain == 0)
            misses += 1;
        for (int bonus : m_field.GetCollectedBonuses())
        {
            switch (bonus)
            {
            case 1:
                m_field.SelectRandomSpecial();
                break;
            case 2:
                m_field.SelectAllSpecial();
                break;
            case 3:
                m_score = AddSaturated(m_score, BONUS_SMALL_SCORE);
                gain += BONUS_SMALL_SCORE;
                break;
            case 4:
                m_score = AddSaturated(m_score, BONUS_LARGE_SCORE);
                gain += BONUS_LARGE_SCORE;
                break;
            default:
                break;
            }
        }
        m_field.ClearCollectedBonuses();

        CRemoverScorePopup popup(m_font, m_random);
        CVector4 at = brick->GetPosition();
        at.z = GetAimHeight();
        popup.SetPosition(at);
        popup.SetValue(gain);
        m_popups.push_back(popup);
    }

    m_placed.clear();
    int colorsNow = m_field.GetColorCount();
    int factor = m_field.GetStartColorCount() - colorsNow + 1;
    if (colorsNow <= 1)
    {
        misses = m_random.Next(5) + 2;
        factor = 1;
    }
    else if (colorsNow == 2 && factor <= 3)
        factor = 4;

    if (misses > 0)
    {
        for (int i = 0; i < misses * factor; ++i)
            m_field.AddPenaltyBrick();
        m_field.SetRefillRequest(true);
        if (colorsNow < colorsBefore)
        {
            PlaySound(SOUND_TURN_CLEAN, false);
            m_field.SelectAllSpecial();
        }
        else
            PlaySound(SOUND_TURN_PENALTY, false);
    }
    if (misses == 0)
    {
        m_field.SelectRandomSpecial();
        PlaySound(SOUND_TURN_CLEAN, false);
        m_field.SetRefillRequest(false);
    }
    if (colorsNow < colorsBefore)
        m_field.SetRefillRequest(true);
}

void CRemoverPlayer::Draw()
{
    GLenum light = m_field.GetLight()->GetId();
    glEnable(light);
    glEnable(GL_LIGHTING);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    for (auto& brick : m_queue)
        brick->Draw();
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    // The brick applies its alpha only while selected, so the held brick
    // stays opaque over an occupied cell.
    if (m_held)
        m_held->Draw();
    for (const auto& popup : m_popups)
        popup.Draw();
    glDisable(GL_BLEND);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(light);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CRemoverPlayer::AddToPrint(CFramePrint& print) const
{
    // The queue, the hand and the popups are parts of their own: a brick
    // growing in, following the pointer or landing, and a rising popup, leave
    // the rest held.
    for (const auto& brick : m_queue)
        brick->AddToPrint(print);
    // Taken from the queue, a brick is drawn blended where it stood.
    if (m_held)
        m_held->AddToPrint(print, true);
    for (const auto& popup : m_popups)
        popup.AddToPrint(print);
}

void CRemoverPlayer::Reskin()
{
    m_brick_depth = m_field.GetBrickDepth();
    // Heights follow the new skin's depth. Lifting by it instead would raise
    // the column toward the camera, out of its slot, on every change of skin.
    if (m_held)
    {
        m_held->SetColor(m_held->GetColor());
        CVector4 p = m_held->GetPosition();
        p.z = AIM_HEIGHT * m_brick_depth;
        m_held->SetPosition(p);
    }
    for (auto& brick : m_queue)
    {
        brick->SetColor(brick->GetColor());
        CVector4 p = brick->GetPosition();
        p.z = QUEUE_HEIGHT * m_brick_depth;
        brick->SetPosition(p);
    }
}

void CRemoverPlayer::Save(CConfigFile& store) const
{
    char value[32];
    store.SetInt("p_m_turns_count", m_turns);
    store.SetInt("p_m_score", m_score);
    std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(m_queue.size()));
    store.SetValue("p_m_bricks.size", value);
    for (std::size_t i = 0; i < m_queue.size(); ++i)
        store.SetInt(SaveKey("p_m_bricks%i", static_cast<int>(i)), m_queue[i]->GetColor());
    std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(m_placed.size()));
    store.SetValue("p_m_bricks_placed.size", value);
    for (std::size_t i = 0; i < m_placed.size(); ++i)
    {
        // The cell, not the position: a brick is displaced while an effect runs.
        int x = -1;
        int y = -1;
        int packed = m_field.FindBrick(m_placed[i], &x, &y) ? PackPos(x, y) : -1;
        store.SetInt(SaveKey("p_m_bricks_placed%i", static_cast<int>(i)), packed);
    }
    store.SetInt("p_m_brick_current", m_held ? m_held->GetColor() : -1);
}

bool CRemoverPlayer::ValidateSave(const CConfigFile& store, int boardWidth)
{
    int cells = boardWidth * boardWidth;
    int value = 0;
    if (!ReadSaveInt(store, "p_m_turns_count", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "p_m_score", 0, 0x7FFFFFFF, value))
        return false;
    int count = 0;
    if (!ReadSaveInt(store, "p_m_bricks.size", 0, cells, count))
        return false;
    // Missing elements read as "0", like every other key.
    for (int i = 0; i < count; ++i)
        if (!ReadSaveInt(store, SaveKey("p_m_bricks%i", i), 0, CRemoverParams::SPECIAL_COLOR, value))
            return false;
    if (!ReadSaveInt(store, "p_m_bricks_placed.size", 0, cells, count))
        return false;
    // A placed cell off the board or empty becomes an empty entry on loading.
    for (int i = 0; i < count; ++i)
        if (!ReadSaveInt(store, SaveKey("p_m_bricks_placed%i", i), INT_MIN, INT_MAX, value))
            return false;
    return ReadSaveInt(store, "p_m_brick_current", -1, CRemoverParams::SPECIAL_COLOR, value);
}

bool CRemoverPlayer::Load(const CConfigFile& store)
{
    if (!ValidateSave(store, m_field.GetWidth()))
        return false;

    m_state = STATE_AIMING;
    m_landed_sound = false;
    m_click_pause = 0.0f;
    m_cell_size = m_field.GetBrickSize();
    m_brick_depth = m_field.GetBrickDepth();
    ReadSaveInt(store, "p_m_turns_count", 0, 0x7FFFFFFF, m_turns);
    ReadSaveInt(store, "p_m_score", 0, 0x7FFFFFFF, m_score);

    m_queue.clear();
    m_held.reset();
    int count = 0;
    ReadSaveInt(store, "p_m_bricks.size", 0, 0x7FFF, count);
    float half = static_cast<float>(count - 1) / 2.0f;
    for (int i = 0; i < count; ++i)
    {
        int color = 0;
        ReadSaveInt(store, SaveKey("p_m_bricks%i", i), 0, CRemoverParams::SPECIAL_COLOR, color);
        std::unique_ptr<CRemoverBrick> brick = NewBrick(color);
        brick->SetScale(m_cell_size);
        brick->SetPosition(CVector4(QUEUE_X, QUEUE_STEP * m_cell_size * i - QUEUE_STEP * m_cell_size * half,
                                    QUEUE_HEIGHT * m_brick_depth));
        m_queue.push_back(std::move(brick));
    }

    m_placed.clear();
    ReadSaveInt(store, "p_m_bricks_placed.size", 0, 0x7FFF, count);
    for (int i = 0; i < count; ++i)
    {
        int packed = -1;
        ReadSaveInt(store, SaveKey("p_m_bricks_placed%i", i), INT_MIN, INT_MAX, packed);
        m_placed.push_back(packed == -1 ? nullptr
                                        : m_field.GetRemoverBrick(UnpackPosX(packed), UnpackPosY(packed)));
    }
    m_turn_size = static_cast<int>(m_queue.size() + m_placed.size());

    int held = -1;
    // The key is always written; a store without it holds a brick of colour 0.
    ReadSaveInt(store, "p_m_brick_current", -1, CRemoverParams::SPECIAL_COLOR, held);
    if (held != -1)
    {
        m_held = NewBrick(held);
        m_held->SetScale(m_cell_size);
        m_held->SetPosition(CVector4(-400.0f, QUEUE_STEP * m_cell_size, AIM_HEIGHT * m_brick_depth));
        m_turn_size += 1;
    }
    return true;
}
