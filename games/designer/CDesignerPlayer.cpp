#include "games/designer/CDesignerPlayer.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerGenerator.h"
#include "games/designer/CDesignerParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/SaveValues.h"

namespace
{
const float SNAP_DISTANCE_SQ = 2.0f;
const float FOLLOW_STEP = 0.25f;
const float LIFT_STEP = 0.15f;
const float TURN_STEP = 0.15f;
const char* const HELD_KEY = "p_m_figure_selected";

float PlaneDistanceSq(const CVector4& a, const CVector4& b)
{
    float dx = a.x - b.x;
    float dy = a.y - b.y;
    return dx * dx + dy * dy;
}
}

CDesignerPlayer::CDesignerPlayer(CDesignerParams& params, CDesignerField& field, CGameEvents* events)
    : m_params(params), m_field(field), m_events(events)
{
    m_cell = field.GetBrickSize();
    m_hand_depth = field.GetBrickDepth();
    m_tray = std::make_unique<CDesignerFigureTray>(&m_params, m_cell, m_hand_depth);
}

CDesignerPlayer::~CDesignerPlayer() {}

int CDesignerPlayer::GetTrayCount() const
{
    return m_tray->GetCount();
}

void CDesignerPlayer::PlaySound(int id) const
{
    if (m_events)
        m_events->PlaySound(id, true, false);
}

void CDesignerPlayer::NewLevel(CRandom& random)
{
    m_cell = m_field.GetBrickSize();
    m_hand_depth = m_field.GetBrickDepth();
    // The running game's difficulty: a continued game keeps its own limits
    // whatever was chosen since.
    int difficulty = m_field.GetDifficulty();
    CDesignerGenerator generator(m_field.GetWidth(), m_field.GetHeight(), random);
    generator.GenerateLevel(m_params.GetMinCount(difficulty), m_params.GetMaxCount(difficulty));

    m_tray = std::make_unique<CDesignerFigureTray>(&m_params, m_cell, m_hand_depth);
    for (const CDesignerFigure& generated : generator.GetFigures())
    {
        auto figure = std::make_unique<CDesignerFigure>(generated);
        const float y = m_tray->GetLandingY(*figure);
        m_tray->AddFigure(std::move(figure), y);
    }
    m_selected.reset();
    m_state = STATE_IDLE;
    m_dragging = false;
    m_drop_pending = false;
    m_landed_sound = false;
}

void CDesignerPlayer::Update(float dt, const CVector4& point, bool left, bool right)
{
    if (m_state == STATE_IDLE || m_state == STATE_TURNING)
    {
        FollowCursor(point);
        m_tray->Hover(point);
    }
    if (m_dragging && !left)
    {
        // Let go a cell or more from where it was taken: a drag, laid as
        // soon as the figure is in hand. A click in place only picks it up.
        m_dragging = false;
        m_drop_pending = PlaneDistanceSq(point, m_press_point) >= m_cell * m_cell;
    }
    switch (m_state)
    {
    case STATE_IDLE:
        if (m_drop_pending)
            ReleaseDrag();
        Click(point, left);
        if (m_state == STATE_IDLE && m_click_timer == 0.0f && right && m_right_released)
        {
            m_right_released = false;
            m_state = STATE_TURNING;
        }
        break;
    case STATE_TURNING:
        TurnStep();
        break;
    case STATE_LAYING:
        LayStep();
        break;
    case STATE_LIFTING:
        LiftStep(point);
        break;
    case STATE_RETURNING:
        if (m_tray->ReturnStep(m_selected))
        {
            m_selected.reset();
            m_state = STATE_IDLE;
        }
        break;
    default:
        m_state = STATE_IDLE;
        break;
    }
    if (!left)
        m_left_released = true;
    if (!right)
        m_right_released = true;
    m_click_timer = m_click_timer <= dt ? 0.0f : m_click_timer - dt;
    m_tray->Update(dt);
}

void CDesignerPlayer::FollowCursor(const CVector4& point)
{
    if (!m_selected)
        return;
    CVector4 target(point.x, point.y, m_hand_depth);
    CVector4 pos = m_selected->GetPosition();
    if ((target - pos).LengthSquared() > SNAP_DISTANCE_SQ)
        m_selected->SetPosition(pos + (target - pos) * FOLLOW_STEP);
    else
        m_selected->SetPosition(target);
}

bool CDesignerPlayer::FindPlace(int& bx, int& by) const
{
    if (!m_selected)
        return false;
    std::vector<CVector4> centres;
    m_selected->GetCellCentres(centres);
    if (centres.empty() || !m_field.WorldToCell(centres[0].x, centres[0].y, bx, by))
        return false;
    // Exactly the cells the placement will write, not each centre on its own.
    std::vector<int> cells;
    m_selected->GetCellsAt(bx, by, cells);
    return m_field.CanPlace(cells);
}

void CDesignerPlayer::StartLaying(int bx, int by)
{
    std::vector<CVector4> centres;
    m_selected->GetCellCentres(centres);
    m_state = STATE_LAYING;
    m_start = centres[0];
    m_start.z = m_selected->GetPosition().z;
    m_target = m_field.GetCellCentre(bx, by);
    m_target_x = bx;
    m_target_y = by;
    m_landed_sound = false;
    m_dragging = false;
    m_drop_pending = false;
}

void CDesignerPlayer::ReleaseDrag()
{
    m_drop_pending = false;
    int bx = 0;
    int by = 0;
    if (m_selected && FindPlace(bx, by))
        StartLaying(bx, by);
}

void CDesignerPlayer::Click(const CVector4& point, bool left)
{
    if (m_state != STATE_IDLE || m_click_timer != 0.0f || !left || !m_left_released)
        return;
    m_left_released = false;
    m_drop_pending = false;
    m_press_point = point;
    m_tray->OnClick(point, m_events);
    m_click_timer = CLICK_PAUSE_MS;

    if (m_selected)
    {
        int bx = 0;
        int by = 0;
        if (FindPlace(bx, by))
        {
            StartLaying(bx, by);
            return;
        }
        float reach = m_field.GetWidth() * m_cell / 2.0f + m_cell;
        if (std::fabs(point.x) > reach || std::fabs(point.y) > reach)
        {
            m_state = STATE_RETURNING;
            m_tray->Layout();
            PlaySound(SOUND_RETURN);
        }
        return;
    }

    if (std::unique_ptr<CDesignerFigure> lifted = m_field.LiftFigure(point))
    {
        m_selected = std::move(lifted);
        m_state = STATE_LIFTING;
        m_dragging = true;
        PlaySound(SOUND_LIFT);
    }
    else if (std::unique_ptr<CDesignerFigure> picked = m_tray->PickAt(point))
    {
        m_selected = std::move(picked);
        m_state = STATE_LIFTING;
        m_dragging = true;
        PlaySound(SOUND_PICK);
    }
}

void CDesignerPlayer::TurnStep()
{
    CModel* model = m_selected ? m_selected->GetModel() : nullptr;
    if (!model)
    {
        m_state = STATE_IDLE;
        return;
    }
    float a = model->GetAngleZ();
    if ((a - 90.0f) * (a - 90.0f) <= SNAP_DISTANCE_SQ)
    {
        model->SetAngleZ(0.0f);
        m_selected->RotateRight();
        m_state = STATE_IDLE;
    }
    else
        model->SetAngleZ(a + (90.0f - a) * TURN_STEP);
}

void CDesignerPlayer::LayStep()
{
    if (!m_selected)
    {
        m_state = STATE_IDLE;
        return;
    }
    CVector4 pos = m_selected->GetPosition();
    if (PlaneDistanceSq(m_start, m_target) > SNAP_DISTANCE_SQ)
    {
        CVector4 step((m_target.x - m_start.x) * FOLLOW_STEP, (m_target.y - m_start.y) * FOLLOW_STEP, 0.0f);
        m_start += step;
        m_selected->SetPosition(pos + step);
        return;
    }
    if (!m_landed_sound)
    {
        PlaySound(SOUND_LANDED);
        m_landed_sound = true;
    }
    if ((m_target - m_start).LengthSquared() > SNAP_DISTANCE_SQ)
    {
        float dz = -m_start.z * FOLLOW_STEP;
        m_start.z += dz;
        m_selected->SetPosition(CVector4(pos.x, pos.y, pos.z + dz));
        return;
    }
    // Settled within the easing's reach: put it exactly on its cells.
    m_selected->SetPosition(CVector4(pos.x + m_target.x - m_start.x, pos.y + m_target.y - m_start.y, 0.0f));
    m_field.PlaceFigure(std::move(m_selected), m_target_x, m_target_y);
    m_state = STATE_IDLE;
    m_landed_sound = false;
}

void CDesignerPlayer::LiftStep(const CVector4& point)
{
    if (!m_selected)
    {
        m_state = STATE_IDLE;
        return;
    }
    CVector4 target(point.x, point.y, m_hand_depth);
    CVector4 pos = m_selected->GetPosition();
    if ((target - pos).LengthSquared() > SNAP_DISTANCE_SQ)
    {
        CVector4 next = pos + (target - pos) * LIFT_STEP;
        m_selected->SetPosition(next);
        // A flat brick has no height to grow over: it takes full size at once.
        float t = m_hand_depth > 0.0f ? next.z / m_hand_depth : 1.0f;
        t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
        m_selected->SetScale(m_cell / 2.0f + t * m_cell / 2.0f);
        return;
    }
    m_selected->SetScale(m_cell);
    m_selected->SetPosition(CVector4(pos.x, pos.y, m_hand_depth));
    m_state = STATE_IDLE;
}

void CDesignerPlayer::DropSelected()
{
    int bx = 0;
    int by = 0;
    if (!m_selected || m_selected->GetCellSize() != m_cell || !FindPlace(bx, by))
        return;
    CVector4 pos = m_selected->GetPosition();
    std::vector<CVector4> centres;
    m_selected->GetCellCentres(centres);
    CVector4 target = m_field.GetCellCentre(bx, by);
    m_selected->SetPosition(CVector4(pos.x + target.x - centres[0].x, pos.y + target.y - centres[0].y, 0.0f));
    m_field.PlaceFigure(std::move(m_selected), bx, by);
    m_state = STATE_IDLE;
}

void CDesignerPlayer::SetLit(bool lit)
{
    CLight* light = m_field.GetLight();
    if (!lit)
    {
        glDisable(GL_COLOR_MATERIAL);
        glDisable(light->GetId());
        glDisable(GL_LIGHTING);
        return;
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, light->GetExtraColor().GetConstData());
    glEnable(GL_LIGHTING);
    glEnable(light->GetId());
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
}

void CDesignerPlayer::Draw(bool withHand)
{
    SetLit(true);
    if (m_selected && withHand)
        m_selected->Draw();
    m_tray->Draw();
    SetLit(false);
}

void CDesignerPlayer::DrawHand()
{
    if (!m_selected)
        return;
    SetLit(true);
    m_selected->Draw();
    SetLit(false);
}

void CDesignerPlayer::AddToPrint(CFramePrint& print, bool withHand) const
{
    print.Add(m_selected != nullptr && withHand);
    if (m_selected && withHand)
        m_selected->AddToPrint(print);
    m_tray->AddToPrint(print);
}

void CDesignerPlayer::Reskin()
{
    m_tray->Reskin();
    if (m_selected)
        m_selected->Reskin();
}

void CDesignerPlayer::Save(CConfigFile& store) const
{
    m_tray->Save(store);
    if (m_selected)
    {
        store.SetInt(HELD_KEY, 1);
        m_selected->Save(store, HELD_KEY);
    }
}

bool CDesignerPlayer::ValidateSave(const CConfigFile& store, int boardSize)
{
    if (!CDesignerFigureTray::ValidateSave(store, boardSize))
        return false;
    // The mark is written, as 1, exactly when a figure is in hand: a figure's
    // keys without it are a mark lost, not an empty hand.
    const std::string held = HELD_KEY;
    if (!store.HasKey(HELD_KEY))
        return !store.HasKey(held + ".m_kind");
    int mark = 0;
    return ReadSaveInt(store, HELD_KEY, 1, 1, mark) && CDesignerFigure::ValidateSave(store, HELD_KEY, boardSize);
}

void CDesignerPlayer::ReadSavedKinds(const CConfigFile& store, std::vector<int>& kinds)
{
    CDesignerFigureTray::ReadSavedKinds(store, kinds);
    if (store.HasKey(HELD_KEY))
        kinds.push_back(CDesignerFigure::ReadSavedKind(store, HELD_KEY));
}

void CDesignerPlayer::Load(const CConfigFile& store)
{
    m_cell = m_field.GetBrickSize();
    m_hand_depth = m_field.GetBrickDepth();
    m_selected.reset();
    m_tray = std::make_unique<CDesignerFigureTray>(&m_params, m_cell, m_hand_depth);
    m_tray->Load(store);
    m_state = STATE_IDLE;
    m_dragging = false;
    m_drop_pending = false;
    m_landed_sound = false;
    m_click_timer = 0.0f;
    if (!store.HasKey(HELD_KEY))
        return;
    m_selected = std::make_unique<CDesignerFigure>();
    m_selected->Load(store, HELD_KEY, &m_params);
    // Saved on its way up, down or round: it comes back carried, whole size.
    m_selected->SetScale(m_cell);
    const CVector4& pos = m_selected->GetPosition();
    m_selected->SetPosition(CVector4(pos.x, pos.y, m_hand_depth));
}
