#include "games/designer/CDesignerField.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "games/designer/CDesignerBrick.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/PackPos.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const LIGHT_NAME = "BDField";
const char FREE = '0';
const char COVERED = '1';

std::string CellKey(int x, int y)
{
    char key[48];
    std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
    return key;
}

std::string FigurePrefix(int i)
{
    return SaveKey("field.f%i", i);
}
}

CDesignerField::CDesignerField(CDesignerParams& params, CResManager* resources)
    : m_params(params), m_resources(resources)
{
    m_width = m_height = params.GetFieldWidth();
    m_width_bricks = m_height_bricks = params.GetBoardSize();
    // A difficulty the game does not know plays as easy, as the new-game
    // dialog shows it.
    int difficulty = params.GetLastDifficulty();
    m_colors = m_width_bricks + ((difficulty < 0 || difficulty >= DIFFICULTIES) ? 0 : difficulty);
    ClearBoard();

    m_light.SetAmbient(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetDiffuse(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetPosition(0.0f, 0.0f, 35.0f, 0);
    m_light.SetExtraColor(0.2f, 0.2f, 0.2f, 1.0f);
    if (m_resources)
    {
        m_light.Apply();
        m_resources->AddLight(&m_light, LIGHT_NAME);
    }

    m_sample_brick = std::make_unique<CDesignerBrick>(&m_params);
    m_sample_brick->SetScale(GetBrickSize());
    m_sample_brick->SetColor(0);
}

CDesignerField::~CDesignerField()
{
    // The menu's manager outlives the field: the light must not stay listed.
    if (m_resources)
        m_resources->RemoveLight(&m_light);
}

void CDesignerField::ClearBoard()
{
    std::memset(m_picture, FREE, sizeof m_picture);
    for (auto& column : m_bricks)
        for (auto& brick : column)
            brick.reset();
    m_figures.clear();
    m_finished = false;
}

float CDesignerField::GetBrickSize() const
{
    return m_width / static_cast<float>(m_width_bricks);
}

float CDesignerField::GetBrickDepth() const
{
    float depth = m_sample_brick->GetScaledSizeZ();
    return (std::isfinite(depth) && depth > 0.0f) ? depth : 0.0f;
}

bool CDesignerField::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width_bricks && y < m_height_bricks;
}

CModel* CDesignerField::GetBrick(int x, int y) const
{
    return IsInside(x, y) ? m_bricks[x][y].get() : nullptr;
}

CVector4& CDesignerField::GetBrickPosition(CVector4& out, int x, int y) const
{
    out = GetCellCentre(x, y);
    return out;
}

CVector4 CDesignerField::GetCellCentre(int bx, int by) const
{
    float c = GetBrickSize();
    return CVector4(-m_width / 2.0f + bx * c + c / 2.0f, m_height / 2.0f - by * c - c / 2.0f, 0.0f);
}

void CDesignerField::NewLevel(int)
{
    ClearBoard();
    if (CModel* place = m_params.GetPlaceModel())
        place->SetScale(GetBrickSize());
}

void CDesignerField::FrameStart()
{
    m_lifted = 0;
    m_finished = IsFinished();
}

bool CDesignerField::IsFinished() const
{
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_picture[x][y] == FREE)
                return false;
    return true;
}

bool CDesignerField::WorldToCell(float px, float py, int& bx, int& by) const
{
    return CellFromPoint(CVector4(px, py, 0.0f), -m_width / 2.0f, m_height / 2.0f, GetBrickSize(), m_width_bricks,
                         m_height_bricks, &bx, &by);
}

bool CDesignerField::IsCellFree(int bx, int by) const
{
    return IsInside(bx, by) && m_picture[bx][by] == FREE;
}

bool CDesignerField::CanPlace(const std::vector<int>& cells) const
{
    for (int packed : cells)
        if (!IsCellFree(UnpackPosX(packed), UnpackPosY(packed)))
            return false;
    return !cells.empty();
}

void CDesignerField::PlaceFigure(std::unique_ptr<CDesignerFigure> figure, int bx, int by)
{
    if (!figure)
        return;
    figure->SetIndexes(bx, by);
    for (int packed : figure->GetIndexes())
        if (IsInside(UnpackPosX(packed), UnpackPosY(packed)))
            m_picture[UnpackPosX(packed)][UnpackPosY(packed)] = COVERED;
    m_figures.push_back(std::move(figure));
}

std::unique_ptr<CDesignerFigure> CDesignerField::LiftFigure(const CVector4& point)
{
    int bx = 0;
    int by = 0;
    if (!WorldToCell(point.x, point.y, bx, by))
        return nullptr;
    for (auto it = m_figures.begin(); it != m_figures.end(); ++it)
    {
        if (!(*it)->Covers(bx, by))
            continue;
        std::unique_ptr<CDesignerFigure> figure = std::move(*it);
        m_figures.erase(it);
        for (int packed : figure->GetIndexes())
            if (IsInside(UnpackPosX(packed), UnpackPosY(packed)))
                m_picture[UnpackPosX(packed)][UnpackPosY(packed)] = FREE;
        m_lifted = 1;
        return figure;
    }
    return nullptr;
}

void CDesignerField::BakeFigures()
{
    float c = GetBrickSize();
    for (const auto& figure : m_figures)
        for (int packed : figure->GetIndexes())
        {
            int x = UnpackPosX(packed);
            int y = UnpackPosY(packed);
            if (!IsInside(x, y))
                continue;
            auto brick = std::make_unique<CDesignerBrick>(&m_params);
            brick->SetColor(figure->GetModelIndex());
            brick->SetScale(c);
            brick->SetPosition(GetCellCentre(x, y));
            brick->SetAngleZ(figure->GetAngleDegrees());
            m_bricks[x][y] = std::move(brick);
        }
    m_figures.clear();
}

int CDesignerField::CountBricks() const
{
    int count = 0;
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            count += m_bricks[x][y] ? 1 : 0;
    return count;
}

std::vector<std::string> CDesignerField::GetPicture() const
{
    std::vector<std::string> rows(m_height_bricks, std::string(m_width_bricks, FREE));
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            rows[y][x] = m_picture[x][y];
    return rows;
}

void CDesignerField::Draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(m_light.GetId());
    glDisable(GL_LIGHTING);
    CModel* place = m_params.GetPlaceModel();
    if (place && CModelBatch::CanBatch(*place))
    {
        // Every cell's place in one call: the batch copies the model where
        // it stands, so the one model is stood on each cell in turn.
        const CVector4 home = place->GetPosition();
        m_batch.Begin();
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
            {
                CVector4 centre = GetCellCentre(x, y);
                place->SetPosition(CVector4(centre.x, centre.y, -GetBrickDepth() / 2.0f));
                m_batch.Add(*place);
            }
        place->SetPosition(home);
        m_batch.Draw();
    }
    else if (place)
    {
        float z = -GetBrickDepth() / 2.0f;
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
            {
                CVector4 centre = GetCellCentre(x, y);
                glPushMatrix();
                glTranslatef(centre.x, centre.y, z);
                place->Draw();
                glPopMatrix();
            }
    }
    for (const auto& figure : m_figures)
        figure->Draw();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (CDesignerBrick* brick = m_bricks[x][y].get())
            {
                const CVector4& p = brick->GetPosition();
                glPushMatrix();
                glTranslatef(p.x, p.y, p.z);
                glRotatef(-brick->GetAngleZ(), 0.0f, 0.0f, 1.0f);
                brick->Draw();
                glPopMatrix();
            }
}

void CDesignerField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_width_bricks);
    print.Add(m_height_bricks);
    print.Add(m_width);
    print.Add(m_height);
    print.Add(GetBrickDepth());
    print.AddModel(m_params.GetPlaceModel());
    print.Add(m_figures.size());
    for (const auto& figure : m_figures)
        figure->AddToPrint(print);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CDesignerBrick* brick = m_bricks[x][y].get();
            print.Add(brick != nullptr);
            if (brick)
                print.AddModel(*brick);
        }
}

void CDesignerField::Reskin()
{
    m_sample_brick->Reskin();
    for (const auto& figure : m_figures)
        figure->Reskin();
    for (int x = 0; x < m_width_bricks; ++x)
        for (int y = 0; y < m_height_bricks; ++y)
            if (m_bricks[x][y])
                m_bricks[x][y]->Reskin();
}

void CDesignerField::Save(CConfigFile& store) const
{
    store.SetInt("f_m_score", m_lifted);
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("f_m_colors", m_colors);
    store.SetInt("f_m_is_finish", m_finished ? 1 : 0);
    store.SetInt("f_m_width_bricks", m_width_bricks);
    store.SetInt("f_m_height_bricks", m_height_bricks);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            store.SetInt(CellKey(x, y), m_picture[x][y]);
    store.SetInt("f_m_figures.size", static_cast<int>(m_figures.size()));
    for (std::size_t i = 0; i < m_figures.size(); ++i)
        m_figures[i]->Save(store, FigurePrefix(static_cast<int>(i)));
}

bool CDesignerField::ValidateSave(const CConfigFile& store)
{
    int width = 0;
    int height = 0;
    int value = 0;
    float alpha = 0.0f;
    if (!ReadSaveInt(store, "f_m_width_bricks", MIN_SIZE, MAX_SIZE, width))
        return false;
    if (!ReadSaveInt(store, "f_m_height_bricks", MIN_SIZE, MAX_SIZE, height) || height != width)
        return false;
    if (!ReadSaveInt(store, "f_m_score", 0, 1, value) || !ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    // The colour count carries the game's difficulty.
    if (!ReadSaveInt(store, "f_m_colors", width, width + DIFFICULTIES - 1, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || std::fabs(alpha) > 360.0f)
        return false;
    char picture[MAX_CELLS][MAX_CELLS];
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            if (!store.HasKey(CellKey(x, y)) || !ReadSaveInt(store, CellKey(x, y), FREE, COVERED, value))
                return false;
            picture[x][y] = static_cast<char>(value);
        }
    int count = 0;
    if (!ReadSaveInt(store, "f_m_figures.size", 0, width * height / 4, count))
        return false;
    // Laid figures cover their own covered cells, each cell once.
    bool taken[MAX_CELLS][MAX_CELLS] = {};
    for (int i = 0; i < count; ++i)
    {
        if (!CDesignerFigure::ValidateSave(store, FigurePrefix(i), width))
            return false;
        int cells = 0;
        ReadSaveInt(store, FigurePrefix(i) + ".m_indexes.size", 0, 16, cells);
        if (cells == 0)
            return false;
        for (int k = 0; k < cells; ++k)
        {
            int packed = 0;
            ReadSaveInt(store, FigurePrefix(i) + SaveKey(".m_indexes.%i", k), 0, 0x7FFFFFFF, packed);
            int x = UnpackPosX(packed);
            int y = UnpackPosY(packed);
            if (taken[x][y] || picture[x][y] != COVERED)
                return false;
            taken[x][y] = true;
        }
    }
    return true;
}

void CDesignerField::ReadSavedFigures(const CConfigFile& store, int& coveredCells, std::vector<int>& kinds)
{
    int size = 0;
    int value = 0;
    coveredCells = 0;
    ReadSaveInt(store, "f_m_width_bricks", MIN_SIZE, MAX_SIZE, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (ReadSaveInt(store, CellKey(x, y), FREE, COVERED, value) && value == COVERED)
                ++coveredCells;
    int count = 0;
    ReadSaveInt(store, "f_m_figures.size", 0, MAX_CELLS * MAX_CELLS, count);
    for (int i = 0; i < count; ++i)
        kinds.push_back(CDesignerFigure::ReadSavedKind(store, FigurePrefix(i)));
}

bool CDesignerField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    ClearBoard();
    int value = 0;
    ReadSaveInt(store, "f_m_score", 0, 1, m_lifted);
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", 0, MAX_SIZE + DIFFICULTIES, m_colors);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_finished = value == 1;
    ReadSaveInt(store, "f_m_width_bricks", MIN_SIZE, MAX_SIZE, m_width_bricks);
    ReadSaveInt(store, "f_m_height_bricks", MIN_SIZE, MAX_SIZE, m_height_bricks);
    m_sample_brick->SetScale(GetBrickSize());
    if (CModel* place = m_params.GetPlaceModel())
        place->SetScale(GetBrickSize());
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            ReadSaveInt(store, CellKey(x, y), FREE, COVERED, value);
            m_picture[x][y] = static_cast<char>(value);
        }
    int count = 0;
    ReadSaveInt(store, "f_m_figures.size", 0, MAX_CELLS * MAX_CELLS, count);
    for (int i = 0; i < count; ++i)
    {
        auto figure = std::make_unique<CDesignerFigure>();
        figure->Load(store, FigurePrefix(i), &m_params);
        m_figures.push_back(std::move(figure));
    }
    return true;
}
