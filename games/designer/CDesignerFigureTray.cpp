#include "games/designer/CDesignerFigureTray.h"

#include <GL/gl.h>
#include <cmath>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/SaveValues.h"

namespace
{
const float SNAP_DISTANCE_SQ = 2.0f;
const float STEP = 0.25f;
// The tray's column never reaches farther than this above or below the screen.
const float MAX_TOP_Y = 100000.0f;
const float LOGICAL_WIDTH = 800.0f;
const float LOGICAL_HEIGHT = 600.0f;

std::string FigurePrefix(int i)
{
    return SaveKey("Player.f%i", i);
}

// The scale for a figure at height z between the board (half size) and the
// carrying height (full size); a flat brick has no height to blend over.
float ScaleAtHeight(float z, float depth, float cell)
{
    if (!(depth > 0.0f))
        return cell / 2.0f;
    float t = z / depth;
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    return cell / 2.0f + t * (cell / 2.0f);
}
}

CDesignerFigureTray::CDesignerFigureTray(const CDesignerParams* params, float cell, float depth)
    : m_params(params), m_cell(cell), m_depth(depth)
{
    const CModel* arrow = params ? params->GetArrowModel() : nullptr;
    m_upper_arrow = arrow ? std::make_unique<CModel>(*arrow) : std::make_unique<CModel>();
    m_lower_arrow = arrow ? std::make_unique<CModel>(*arrow) : std::make_unique<CModel>();
    m_upper_arrow->SetScale(ARROW_SCALE);
    m_lower_arrow->SetScale(ARROW_SCALE);
    m_upper_arrow->SetPosition(CVector4(ARROW_X, ARROW_Y, 0.0f));
    m_lower_arrow->SetPosition(CVector4(ARROW_X, -ARROW_Y, 0.0f));
}

CDesignerFigureTray::~CDesignerFigureTray() {}

void CDesignerFigureTray::AddFigure(std::unique_ptr<CDesignerFigure> figure, float y)
{
    if (!figure)
        return;
    figure->CreateModel(m_params);
    figure->SetScale(m_cell / 2.0f);
    figure->SetPosition(CVector4(m_x, y, 0.0f));
    m_figures.push_back(std::move(figure));
}

float CDesignerFigureTray::GetColumnHeight(const CDesignerFigure& figure) const
{
    // By its rows at half size: a figure flying back is still carried
    // larger, and one being dealt has no model yet.
    return figure.GetHeight() * m_cell / 2.0f;
}

float CDesignerFigureTray::GetSlotBelow(float aboveY, float aboveHeight, float height) const
{
    // Figures are centred on their position: half of each height lies
    // between the two centres, besides the gap of one brick of the column.
    return aboveY - (m_cell / 2.0f + (aboveHeight + height) / 2.0f);
}

float CDesignerFigureTray::GetSlotY(int i) const
{
    float y = m_top_y;
    for (int j = 1; j <= i && j < GetCount(); ++j)
        y = GetSlotBelow(y, GetColumnHeight(*m_figures[j - 1]), GetColumnHeight(*m_figures[j]));
    return y;
}

float CDesignerFigureTray::GetLandingY(const CDesignerFigure& figure) const
{
    if (m_figures.empty())
        return m_top_y;
    return GetSlotBelow(GetSlotY(GetCount() - 1), GetColumnHeight(*m_figures.back()), GetColumnHeight(figure));
}

void CDesignerFigureTray::Layout()
{
    for (int i = 0; i < GetCount(); ++i)
        m_figures[i]->SetPosition(CVector4(m_x, GetSlotY(i), 0.0f));
}

std::unique_ptr<CDesignerFigure> CDesignerFigureTray::PickAt(const CVector4& point)
{
    for (auto it = m_figures.begin(); it != m_figures.end(); ++it)
        if ((*it)->HitTest(point.x, point.y))
        {
            std::unique_ptr<CDesignerFigure> figure = std::move(*it);
            m_figures.erase(it);
            return figure;
        }
    return nullptr;
}

bool CDesignerFigureTray::ReturnStep(std::unique_ptr<CDesignerFigure>& figure)
{
    if (!figure)
        return true;
    CVector4 pos = figure->GetPosition();
    const float landing = GetLandingY(*figure);
    CVector4 above(m_x, landing, m_depth);
    // Judged across the plane only: measured with the height, a figure that
    // has begun to sink would be drawn back up above its place.
    CVector4 across(above.x - pos.x, above.y - pos.y, 0.0f);
    if (across.LengthSquared() > SNAP_DISTANCE_SQ)
    {
        figure->SetPosition(pos + (above - pos) * STEP);
        return false;
    }
    CVector4 rest(m_x, landing, 0.0f);
    if ((rest - pos).LengthSquared() > SNAP_DISTANCE_SQ)
    {
        CVector4 next = pos + (rest - pos) * STEP;
        figure->SetPosition(next);
        figure->SetScale(ScaleAtHeight(next.z, m_depth, m_cell));
        return false;
    }
    figure->SetPosition(rest);
    figure->SetScale(m_cell / 2.0f);
    m_figures.push_back(std::move(figure));
    return true;
}

bool CDesignerFigureTray::IsInArrow(const CModel& arrow, const CVector4& point) const
{
    // A sixth of the arrow's size around its outline: a hurried click still
    // scrolls. The model is narrower than high, so each axis has its own reach.
    const float reachX = arrow.GetScaledSizeX() * 2.0f / 3.0f;
    const float reachY = arrow.GetScaledSizeY() * 2.0f / 3.0f;
    const CVector4& at = arrow.GetPosition();
    return std::fabs(point.x - at.x) < reachX && std::fabs(point.y - at.y) < reachY;
}

bool CDesignerFigureTray::IsInUpperArrow(const CVector4& point) const
{
    return IsInArrow(*m_upper_arrow, point);
}

bool CDesignerFigureTray::IsInLowerArrow(const CVector4& point) const
{
    return IsInArrow(*m_lower_arrow, point);
}

float CDesignerFigureTray::GetUpperArrowScale() const
{
    return m_upper_arrow->GetScale();
}

float CDesignerFigureTray::GetLowerArrowScale() const
{
    return m_lower_arrow->GetScale();
}

void CDesignerFigureTray::OnClick(const CVector4& point, CGameEvents* events)
{
    if (m_figures.empty())
        return;
    float step = m_figures.front()->GetHeightWorld();
    if (IsInUpperArrow(point))
    {
        if (m_figures.back()->GetPosition().y < -TOP_Y)
        {
            if (events)
                events->PlaySound(SOUND_SCROLL, true, false);
            m_top_y += step;
        }
    }
    else if (IsInLowerArrow(point))
    {
        if (m_figures.front()->GetPosition().y > TOP_Y)
        {
            if (events)
                events->PlaySound(SOUND_SCROLL, true, false);
            m_top_y -= step;
        }
    }
}

void CDesignerFigureTray::Hover(const CVector4& point)
{
    m_upper_arrow->SetScale(ARROW_SCALE);
    m_lower_arrow->SetScale(ARROW_SCALE);
    if (IsInUpperArrow(point))
        m_upper_arrow->SetScale(ARROW_HOVER_SCALE);
    else if (IsInLowerArrow(point))
        m_lower_arrow->SetScale(ARROW_HOVER_SCALE);
}

void CDesignerFigureTray::Update(float)
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CVector4 pos = m_figures[i]->GetPosition();
        float slot = GetSlotY(i);
        if (pos.y == slot)
            continue;
        CVector4 d = CVector4(pos.x, slot, pos.z) - pos;
        if (d.LengthSquared() > SNAP_DISTANCE_SQ)
        {
            for (int j = i; j < GetCount(); ++j)
                m_figures[j]->SetPosition(m_figures[j]->GetPosition() + d * STEP);
        }
        else
        {
            for (int j = 0; j < GetCount(); ++j)
                m_figures[j]->SetPosition(CVector4(m_x, GetSlotY(j), 0.0f));
        }
        break;
    }
}

void CDesignerFigureTray::GetPlateScissor(const int viewport[4], int box[4])
{
    const float sx = viewport[2] / LOGICAL_WIDTH;
    const float sy = viewport[3] / LOGICAL_HEIGHT;
    const float left = (PLATE_X + PLATE_RIM) * sx;
    const float right = (PLATE_X + PLATE_WIDTH - PLATE_RIM) * sx;
    // The screen's y runs down, the window's up from the bottom.
    const float bottom = (LOGICAL_HEIGHT - (PLATE_Y + PLATE_HEIGHT - PLATE_RIM)) * sy;
    const float top = (LOGICAL_HEIGHT - (PLATE_Y + PLATE_RIM)) * sy;
    box[0] = viewport[0] + static_cast<int>(std::ceil(left));
    box[1] = viewport[1] + static_cast<int>(std::ceil(bottom));
    box[2] = static_cast<int>(std::floor(right)) - static_cast<int>(std::ceil(left));
    box[3] = static_cast<int>(std::floor(top)) - static_cast<int>(std::ceil(bottom));
    box[2] = box[2] < 0 ? 0 : box[2];
    box[3] = box[3] < 0 ? 0 : box[3];
}

void CDesignerFigureTray::Draw()
{
    // The column is longer than the plate: scrolled or not, its figures
    // would run across the plate's frame and off the window. Within a patch
    // of the held picture they stay inside the patch as well.
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int view[4] = {viewport[0], viewport[1], viewport[2], viewport[3]};
    int box[4];
    GetPlateScissor(view, box);
    const CDraw2D::SClip outer = CDraw2D::BeginInnerClip(box);
    for (auto& figure : m_figures)
        figure->Draw();
    CDraw2D::EndInnerClip(outer);
    const CVector4& up = m_upper_arrow->GetPosition();
    glPushMatrix();
    glTranslatef(up.x, up.y, up.z);
    m_upper_arrow->Draw();
    glPopMatrix();
    const CVector4& down = m_lower_arrow->GetPosition();
    glPushMatrix();
    glTranslatef(down.x, down.y, down.z);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    m_lower_arrow->Draw();
    glPopMatrix();
}

void CDesignerFigureTray::AddToPrint(CFramePrint& print) const
{
    print.Add(m_figures.size());
    for (const auto& figure : m_figures)
        figure->AddToPrint(print);
    print.AddModel(*m_upper_arrow);
    print.AddModel(*m_lower_arrow);
}

void CDesignerFigureTray::Reskin()
{
    for (auto& figure : m_figures)
        figure->Reskin();
}

void CDesignerFigureTray::Save(CConfigFile& store) const
{
    store.SetInt("p_m_figures.size", GetCount());
    for (int i = 0; i < GetCount(); ++i)
        m_figures[i]->Save(store, FigurePrefix(i));
    store.SetFloat("p_m_figures.m_top_y", m_top_y);
}

bool CDesignerFigureTray::ValidateSave(const CConfigFile& store, int boardSize)
{
    int count = 0;
    float top = 0.0f;
    if (!ReadSaveInt(store, "p_m_figures.size", 0, boardSize * boardSize / 4, count))
        return false;
    if (!ReadSaveFloat(store, "p_m_figures.m_top_y", top) || std::fabs(top) > MAX_TOP_Y)
        return false;
    for (int i = 0; i < count; ++i)
        if (!CDesignerFigure::ValidateSave(store, FigurePrefix(i), boardSize))
            return false;
    return true;
}

void CDesignerFigureTray::ReadSavedKinds(const CConfigFile& store, std::vector<int>& kinds)
{
    int count = 0;
    ReadSaveInt(store, "p_m_figures.size", 0, 0x7FFF, count);
    for (int i = 0; i < count; ++i)
        kinds.push_back(CDesignerFigure::ReadSavedKind(store, FigurePrefix(i)));
}

void CDesignerFigureTray::Load(const CConfigFile& store)
{
    m_figures.clear();
    int count = 0;
    ReadSaveInt(store, "p_m_figures.size", 0, 0x7FFF, count);
    ReadSaveFloat(store, "p_m_figures.m_top_y", m_top_y);
    for (int i = 0; i < count; ++i)
    {
        auto figure = std::make_unique<CDesignerFigure>();
        figure->Load(store, FigurePrefix(i), m_params);
        // A figure saved on its way has no scale of its own in the column.
        figure->SetScale(m_cell / 2.0f);
        m_figures.push_back(std::move(figure));
    }
}
