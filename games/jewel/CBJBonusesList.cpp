#include "games/jewel/CBJBonusesList.h"

#include <GL/gl.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/SaveValues.h"

namespace
{
const float PLAIN_TOP = 150.0f;
const float SLOT_STEP = 100.0f;
const float PLAIN_Z = 3.0f;
const float COLORED_KIND = 10.0f;
const float COLORED_MARK = 3.0f;
const int FIRST_COLORED_MODEL = 4;
// Positions and scales beyond this are damage, not a figure beside the board.
const float MAX_COORD = 100000.0f;
// The seven values of a stored figure, each under its key prefix followed
// by one of these.
const char* const FIGURE_SUFFIXES[] = {".m_pos.x", ".m_pos.y", ".m_pos.z", ".m_param.x",
                                       ".m_param.y", ".m_param.z", ".scale"};
const int FIGURE_VALUES = 7;
}

CBJBonusesList::CBJBonusesList(const CJewelParams& params, CJewelField& field) : m_params(params), m_field(field)
{
    m_bonuses.resize(PLAIN_SLOTS);
    m_bonuses_colored.resize(COLORED_SLOTS);
}

CBJBonusesList::~CBJBonusesList() {}

void CBJBonusesList::Update(float) {}

std::unique_ptr<CModel>& CBJBonusesList::Slot(int index)
{
    return index < PLAIN_SLOTS ? m_bonuses[index] : m_bonuses_colored[index - PLAIN_SLOTS];
}

const CModel* CBJBonusesList::GetSlot(int index) const
{
    if (index < 0 || index >= SLOTS)
        return nullptr;
    return index < PLAIN_SLOTS ? m_bonuses[index].get() : m_bonuses_colored[index - PLAIN_SLOTS].get();
}

int CBJBonusesList::CountLeading() const
{
    for (int i = 0; i < SLOTS; ++i)
        if (!GetSlot(i))
            return i;
    return SLOTS;
}

int CBJBonusesList::CountAll() const
{
    int count = 0;
    for (int i = 0; i < SLOTS; ++i)
        if (GetSlot(i))
            ++count;
    return count;
}

std::unique_ptr<CModel> CBJBonusesList::MakeFigure(int modelIndex) const
{
    // Without loaded models (headless) the figure is a bare model: it still
    // carries its kind.
    const CModel* model = m_params.GetBonusModel(modelIndex);
    return model ? std::make_unique<CModel>(*model) : std::make_unique<CModel>();
}

void CBJBonusesList::AddPoints(int points)
{
    m_points = AddSaturated(m_points, points);
    int n = CountLeading();
    int k = n < PLAIN_SLOTS ? n : PLAIN_SLOTS;
    if (m_points <= (k + 1) * THRESHOLD_STEP)
        return;
    m_points = 0;
    float s = m_field.GetBrickSize();
    if (n < PLAIN_SLOTS)
    {
        std::unique_ptr<CModel> figure = MakeFigure(n);
        figure->SetPosition(CVector4(-SIDE_X, PLAIN_TOP - SLOT_STEP * n, PLAIN_Z));
        figure->SetScale(s);
        figure->SetParam(CVector4(static_cast<float>(n + 1), static_cast<float>(n), 0.0f));
        m_bonuses[n] = std::move(figure);
    }
    else if (n < SLOTS)
    {
        int c = m_field.RandomColor(m_field.GetColorCount());
        std::unique_ptr<CModel> figure = MakeFigure(FIRST_COLORED_MODEL + c);
        figure->SetPosition(CVector4(SIDE_X, s * m_field.GetHeight() - SLOT_STEP * n, 0.0f));
        figure->SetScale(s);
        figure->SetParam(CVector4(COLORED_KIND + c, static_cast<float>(FIRST_COLORED_MODEL + c), COLORED_MARK));
        m_bonuses_colored[n - PLAIN_SLOTS] = std::move(figure);
    }
}

std::unique_ptr<CModel> CBJBonusesList::HitTest(const CVector4& point)
{
    for (int i = 0; i < SLOTS; ++i)
    {
        std::unique_ptr<CModel>& slot = Slot(i);
        if (!slot)
            continue;
        const CVector4& p = slot->GetPosition();
        float h = slot->GetScale() / 2.0f;
        if (p.x - h < point.x && point.x < p.x + h && p.y - h < point.y && point.y < p.y + h)
            return std::move(slot);
    }
    return nullptr;
}

void CBJBonusesList::Draw()
{
    CLight* light = m_field.GetLight();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, light->GetExtraColor().GetConstData());
    glEnable(GL_LIGHTING);
    glEnable(light->GetId());
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    for (int i = 0; i < SLOTS; ++i)
    {
        std::unique_ptr<CModel>& figure = Slot(i);
        if (!figure)
            continue;
        CVector4 at = figure->GetPosition();
        at.z += FIGURE_LIFT;
        DrawFigure(*figure, at);
    }
    glDisable(GL_COLOR_MATERIAL);
    glDisable(light->GetId());
    glDisable(GL_LIGHTING);
}

void CBJBonusesList::AddToPrint(CFramePrint& print) const
{
    for (int i = 0; i < SLOTS; ++i)
    {
        const CModel* figure = GetSlot(i);
        if (!figure)
            continue;
        print.BeginBoardPart(CJewelField::PART_SLOT + static_cast<std::uint64_t>(i));
        print.AddModel(*figure);
        CVector4 at = figure->GetPosition();
        at.z += FIGURE_LIFT;
        AddFigureBox(print, *figure, at);
        print.EndPart();
    }
}

void CBJBonusesList::AddFigureBox(CFramePrint& print, const CModel& figure, const CVector4& at)
{
    const CMesh* mesh = figure.GetMesh();
    float low[3] = {0.0f, 0.0f, 0.0f};
    float high[3] = {0.0f, 0.0f, 0.0f};
    if (!mesh || !mesh->GetBounds(low, high))
        return;
    const float s = std::fabs(figure.GetScale());
    // The lean slides every height of the figure along the line of sight:
    // seen from the eye it stays over its own foot, off by the perspective
    // of its height, which a margin of that height covers many times over.
    const float lean = std::max(std::fabs(low[2]), std::fabs(high[2])) * s;
    print.AddBox(CVector4(at.x + low[0] * s - lean, at.y + low[1] * s - lean, at.z + std::min(low[2], 0.0f) * s),
                 CVector4(at.x + high[0] * s + lean, at.y + high[1] * s + lean, at.z + std::max(high[2], 0.0f) * s));
}

bool CBJBonusesList::EyeSlope(const float modelview[16], const CVector4& at, float& slopeX, float& slopeY)
{
    // The view is a rotation and a uniform scale: its inverse is the
    // transpose over the squared scale, which puts the eye (the origin of
    // eye space) into the board's units.
    const float* m = modelview;
    float scale2 = m[0] * m[0] + m[1] * m[1] + m[2] * m[2];
    if (!(scale2 > 0.0f))
        return false;
    float dx = -(m[0] * m[12] + m[1] * m[13] + m[2] * m[14]) / scale2 - at.x;
    float dy = -(m[4] * m[12] + m[5] * m[13] + m[6] * m[14]) / scale2 - at.y;
    float dz = -(m[8] * m[12] + m[9] * m[13] + m[10] * m[14]) / scale2 - at.z;
    if (!(dz > 0.0f))
        return false;
    slopeX = dx / dz;
    slopeY = dy / dz;
    return true;
}

void CBJBonusesList::DrawFigure(CModel& figure, const CVector4& at)
{
    // Seen from the camera above the board's centre, a figure beside the
    // board turns its outer bevel away, and with it the outer edge of its
    // frame. Leant along the line of sight (a shear, so that its face stays
    // flat to the screen and square), it shows whole in every slot.
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    float slopeX = 0.0f;
    float slopeY = 0.0f;
    if (EyeSlope(modelview, at, slopeX, slopeY))
    {
        const GLfloat lean[16] = {1, 0, 0, 0, 0, 1, 0, 0, slopeX, slopeY, 1, 0, 0, 0, 0, 1};
        glMultMatrixf(lean);
    }
    figure.Draw();
    glPopMatrix();
}

bool CBJBonusesList::IsValidFigure(int kind, int modelIndex)
{
    if (kind >= 1 && kind <= PLAIN_SLOTS)
        return modelIndex == kind - 1;
    int color = kind - static_cast<int>(COLORED_KIND);
    return color >= 0 && color < CJewelParams::COLOR_COUNT && modelIndex == FIRST_COLORED_MODEL + color;
}

bool CBJBonusesList::ValidateFigure(const CConfigFile& store, const std::string& key)
{
    float values[FIGURE_VALUES] = {};
    for (int i = 0; i < FIGURE_VALUES; ++i)
        if (!ReadSaveFloat(store, key + FIGURE_SUFFIXES[i], values[i]) || std::fabs(values[i]) > MAX_COORD)
            return false;
    // The kind decides the strike and the index picks the model: both must
    // name one of the fourteen figures, and each other.
    float kind = values[3];
    float index = values[4];
    if (kind != std::floor(kind) || index != std::floor(index))
        return false;
    return IsValidFigure(static_cast<int>(kind), static_cast<int>(index)) && values[6] > 0.0f;
}

bool CBJBonusesList::HasFigureKeys(const CConfigFile& store, const std::string& key)
{
    for (const char* suffix : FIGURE_SUFFIXES)
        if (store.HasKey(key + suffix))
            return true;
    return false;
}

std::unique_ptr<CModel> CBJBonusesList::LoadFigure(const CJewelParams& params, const CConfigFile& store,
                                                   const std::string& key)
{
    if (!ValidateFigure(store, key))
        return nullptr;
    float v[FIGURE_VALUES] = {};
    for (int i = 0; i < FIGURE_VALUES; ++i)
        ReadSaveFloat(store, key + FIGURE_SUFFIXES[i], v[i]);
    const CModel* model = params.GetBonusModel(static_cast<int>(v[4]));
    auto figure = model ? std::make_unique<CModel>(*model) : std::make_unique<CModel>();
    figure->SetPosition(CVector4(v[0], v[1], v[2]));
    figure->SetParam(CVector4(v[3], v[4], v[5]));
    figure->SetScale(v[6]);
    return figure;
}

void CBJBonusesList::SaveFigure(CConfigFile& store, const std::string& key, const CModel& figure)
{
    const CVector4& p = figure.GetPosition();
    const CVector4& q = figure.GetParam();
    const float values[FIGURE_VALUES] = {p.x, p.y, p.z, q.x, q.y, q.z, figure.GetScale()};
    for (int i = 0; i < FIGURE_VALUES; ++i)
        store.SetFloat(key + FIGURE_SUFFIXES[i], values[i]);
}

void CBJBonusesList::SaveList(CConfigFile& store, const std::vector<std::unique_ptr<CModel>>& list,
                              const char* prefix)
{
    for (std::size_t i = 0; i < list.size(); ++i)
    {
        std::string key = SaveKey(prefix, static_cast<int>(i));
        store.SetInt(key, list[i] ? 1 : 0);
        if (list[i])
            SaveFigure(store, key, *list[i]);
    }
}

void CBJBonusesList::Save(CConfigFile& store) const
{
    store.SetInt("CBJBonusesList", m_points);
    SaveList(store, m_bonuses, "m_bonuses%i");
    SaveList(store, m_bonuses_colored, "m_bonuses_colored%i");
}

bool CBJBonusesList::ValidateList(const CConfigFile& store, const char* prefix, int count)
{
    for (int i = 0; i < count; ++i)
    {
        std::string key = SaveKey(prefix, i);
        int held = 0;
        if (!ReadSaveInt(store, key, 0, 1, held))
            return false;
        if (held && !ValidateFigure(store, key))
            return false;
    }
    return true;
}

bool CBJBonusesList::ValidateSave(const CConfigFile& store)
{
    int points = 0;
    return ReadSaveInt(store, "CBJBonusesList", INT_MIN, INT_MAX, points) &&
           ValidateList(store, "m_bonuses%i", PLAIN_SLOTS) && ValidateList(store, "m_bonuses_colored%i", COLORED_SLOTS);
}

void CBJBonusesList::LoadList(const CConfigFile& store, std::vector<std::unique_ptr<CModel>>& list,
                              const char* prefix)
{
    for (std::size_t i = 0; i < list.size(); ++i)
    {
        std::string key = SaveKey(prefix, static_cast<int>(i));
        int held = 0;
        ReadSaveInt(store, key, 0, 1, held);
        list[i] = held ? LoadFigure(m_params, store, key) : nullptr;
    }
}

bool CBJBonusesList::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    ReadSaveInt(store, "CBJBonusesList", INT_MIN, INT_MAX, m_points);
    LoadList(store, m_bonuses, "m_bonuses%i");
    LoadList(store, m_bonuses_colored, "m_bonuses_colored%i");
    return true;
}
