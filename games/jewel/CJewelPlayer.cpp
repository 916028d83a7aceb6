#include "games/jewel/CJewelPlayer.h"

#include <GL/gl.h>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CModel.h"
#include "games/jewel/CBJBonusesList.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const FIGURE_KEY = "p_m_figure_selected";
}

CJewelPlayer::CJewelPlayer(const CJewelParams& params, CJewelField& field, CGameEvents* events)
    : m_params(params),
      m_field(field),
      m_events(events),
      m_bonuses_list(std::make_unique<CBJBonusesList>(params, field)),
      m_board_depth(field.GetSampleBrick().GetScaledSizeZ())
{
}

CJewelPlayer::~CJewelPlayer() {}

void CJewelPlayer::UpdateBonusHeld()
{
    m_field.SetBonusHeld(m_bonuses_list->CountAll() > 0 || m_figure);
}

void CJewelPlayer::OnMouse(float dt, const SJewelPointer& pointer)
{
    if (m_input_mode == INPUT_READY)
    {
        UseBonus(pointer.m_point, pointer.m_button);
        if (!m_figure)
            m_field.Hover(pointer.m_point);
        else
        {
            CVector4 p = m_figure->GetPosition();
            m_figure->SetPosition(p + (pointer.m_point - p) * FIGURE_FOLLOW);
        }
    }
    else if (m_field.IsIdle())
        m_input_mode = INPUT_READY;

    m_bonuses_list->Update(dt);

    if (m_has_last && pointer.m_window_x == m_last_x && pointer.m_window_y == m_last_y)
        m_idle_time += dt;
    else
    {
        m_has_last = true;
        m_last_x = pointer.m_window_x;
        m_last_y = pointer.m_window_y;
        m_idle_time = 0.0f;
    }
    if (m_idle_time > HINT_DELAY_MS)
    {
        m_field.ShowHint();
        m_idle_time = 0.0f;
    }
}

void CJewelPlayer::UseBonus(CVector4 point, bool button)
{
    if (!button)
        return;
    point.z = 0.0f;
    int x = 0;
    int y = 0;
    CJewelBrick* brick = nullptr;
    if (m_field.IsIdle() && m_field.CellAt(point, x, y))
        brick = m_field.BrickAt(x, y);
    if (!brick)
    {
        if (!m_figure)
        {
            m_figure = m_bonuses_list->HitTest(point);
            UpdateBonusHeld();
        }
        return;
    }
    if (m_figure)
    {
        int kind = static_cast<int>(m_figure->GetParam().x);
        int count = 0;
        switch (kind)
        {
        case 1:
            count = m_field.RemoveBrick(x, y);
            break;
        case 2:
            count = m_field.RemoveRow(x, y);
            break;
        case 3:
            count = m_field.RemoveColumn(x, y);
            break;
        case 4:
            count = m_field.BombAt(x, y);
            break;
        default:
            count = m_field.RecolorBricks(x, y, kind - 10);
            break;
        }
        if (count != 0)
            m_figure.reset();
        UpdateBonusHeld();
        return;
    }
    m_input_mode = INPUT_WAITING;
    if (!m_field.HasSelection())
    {
        brick->SetSelected(!brick->IsSelected());
        if (m_events)
            m_events->PlaySound(SOUND_SELECT, true, false);
    }
    else
        m_field.TrySwap(x, y);
}

void CJewelPlayer::AddPoints(int points)
{
    m_bonuses_list->AddPoints(points);
    UpdateBonusHeld();
}

void CJewelPlayer::Draw()
{
    m_bonuses_list->Draw();
    if (!m_figure)
        return;
    CLight* light = m_field.GetLight();
    glEnable(GL_LIGHTING);
    glEnable(light->GetId());
    glEnable(GL_COLOR_MATERIAL);
    CBJBonusesList::DrawFigure(*m_figure, m_figure->GetPosition());
    glDisable(GL_COLOR_MATERIAL);
    glDisable(light->GetId());
    glDisable(GL_LIGHTING);
}

void CJewelPlayer::AddToPrint(CFramePrint& print) const
{
    m_bonuses_list->AddToPrint(print);
    if (!m_figure)
        return;
    print.BeginBoardPart(CJewelField::PART_FIGURE);
    print.AddModel(*m_figure);
    CBJBonusesList::AddFigureBox(print, *m_figure, m_figure->GetPosition());
    print.EndPart();
}

void CJewelPlayer::Save(CConfigFile& store) const
{
    m_bonuses_list->Save(store);
    if (!m_figure)
        return;
    store.SetInt(FIGURE_KEY, 1);
    CBJBonusesList::SaveFigure(store, FIGURE_KEY, *m_figure);
}

bool CJewelPlayer::ValidateSave(const CConfigFile& store)
{
    if (!CBJBonusesList::ValidateSave(store))
        return false;
    // The flag is written only while a figure is held, so its absence means
    // an empty hand; a figure's values left without it are damage.
    int held = 0;
    if (!ReadSaveInt(store, FIGURE_KEY, 0, 1, held, "0"))
        return false;
    if (!held)
        return !CBJBonusesList::HasFigureKeys(store, FIGURE_KEY);
    return CBJBonusesList::ValidateFigure(store, FIGURE_KEY);
}

bool CJewelPlayer::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    m_figure.reset();
    m_bonuses_list = std::make_unique<CBJBonusesList>(m_params, m_field);
    m_bonuses_list->Load(store);
    int held = 0;
    ReadSaveInt(store, FIGURE_KEY, 0, 1, held, "0");
    if (held)
        m_figure = CBJBonusesList::LoadFigure(m_params, store, FIGURE_KEY);
    m_input_mode = INPUT_READY;
    m_idle_time = 0.0f;
    UpdateBonusHeld();
    return true;
}
