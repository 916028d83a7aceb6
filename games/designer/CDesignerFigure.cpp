#include "games/designer/CDesignerFigure.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerBrick.h"
#include "games/designer/CDesignerParams.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/PackPos.h"
#include "shell/game/SaveValues.h"

namespace
{
// Rows from the top of each kind's basic orientation.
const char* const SHAPES[CDesignerFigure::KINDS][3] = {
    {"XXX", ".X.", ""},   {"XXXX", "", ""},    {".XX", "XX.", ""}, {"XX.", ".XX", ""}, {"XX", "XX", ""},
    {"XXX", "X..", ""},   {"XXX", "..X", ""},  {".X.", "XXX", ".X."}, {"XXX", "X.X", ""}};

// Coordinates beyond this are no position a figure ever takes.
const float MAX_COORD = 100000.0f;
const float MAX_SCALE = 10000.0f;

int Index(int x, int y)
{
    return x * CDesignerFigure::GRID + y;
}
}

CDesignerFigure::CDesignerFigure() : CDesignerFigure(0) {}

CDesignerFigure::CDesignerFigure(int kind)
{
    SetKind(kind);
}

CDesignerFigure::CDesignerFigure(const CDesignerFigure& other)
    : m_model(other.m_model ? std::make_unique<CDesignerBrick>(*other.m_model) : nullptr),
      m_model_index(other.m_model_index),
      m_kind(other.m_kind),
      m_angle(other.m_angle),
      m_width(other.m_width),
      m_height(other.m_height)
{
    std::memcpy(m_shape, other.m_shape, sizeof m_shape);
}

CDesignerFigure& CDesignerFigure::operator=(const CDesignerFigure& other)
{
    if (this == &other)
        return *this;
    m_model = other.m_model ? std::make_unique<CDesignerBrick>(*other.m_model) : nullptr;
    std::memcpy(m_shape, other.m_shape, sizeof m_shape);
    m_pos = other.m_pos;
    m_indexes = other.m_indexes;
    m_model_index = other.m_model_index;
    m_kind = other.m_kind;
    m_angle = other.m_angle;
    m_width = other.m_width;
    m_height = other.m_height;
    return *this;
}

CDesignerFigure::~CDesignerFigure() {}

void CDesignerFigure::SetKind(int kind)
{
    // |kind| without the overflow of abs(INT_MIN).
    kind = kind % KINDS;
    if (kind < 0)
        kind = -kind;
    m_kind = kind;
    m_model_index = kind % CDesignerParams::FIGURE_MODELS;
    m_angle = 0;
    std::memset(m_shape, '0', sizeof m_shape);
    m_width = 0;
    m_height = 0;
    for (int y = 0; y < 3; ++y)
    {
        const char* row = SHAPES[kind][y];
        int length = static_cast<int>(std::strlen(row));
        if (length == 0)
            break;
        m_height = y + 1;
        if (length > m_width)
            m_width = length;
        for (int x = 0; x < length; ++x)
            if (row[x] == 'X')
                m_shape[Index(x, y)] = '1';
    }
}

void CDesignerFigure::RotateRight()
{
    m_angle = m_angle >= 3 ? 0 : m_angle + 1;
    char old[GRID * GRID];
    std::memcpy(old, m_shape, sizeof old);
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
            m_shape[Index(x, y)] = old[Index(y, GRID - 1 - x)];
    std::swap(m_width, m_height);
    Normalize();
}

void CDesignerFigure::RotateLeft()
{
    m_angle = m_angle <= 0 ? 3 : m_angle - 1;
    char old[GRID * GRID];
    std::memcpy(old, m_shape, sizeof old);
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
            m_shape[Index(x, y)] = old[Index(GRID - 1 - y, x)];
    std::swap(m_width, m_height);
    Normalize();
}

void CDesignerFigure::Normalize()
{
    int columns = 0;
    while (columns < GRID)
    {
        bool empty = true;
        for (int y = 0; y < GRID; ++y)
            empty = empty && m_shape[Index(columns, y)] == '0';
        if (!empty)
            break;
        ++columns;
    }
    int rows = 0;
    while (rows < GRID)
    {
        bool empty = true;
        for (int x = 0; x < GRID; ++x)
            empty = empty && m_shape[Index(x, rows)] == '0';
        if (!empty)
            break;
        ++rows;
    }
    char old[GRID * GRID];
    std::memcpy(old, m_shape, sizeof old);
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
        {
            int sx = x + columns;
            int sy = y + rows;
            m_shape[Index(x, y)] = (sx < GRID && sy < GRID) ? old[Index(sx, sy)] : '0';
        }
}

void CDesignerFigure::CreateModel(const CDesignerParams* params)
{
    m_model_index = m_kind % CDesignerParams::FIGURE_MODELS;
    m_model = std::make_unique<CDesignerBrick>(params);
    m_model->SetColor(m_model_index);
}

void CDesignerFigure::Reskin()
{
    if (m_model)
        m_model->Reskin();
}

CModel* CDesignerFigure::GetModel() const
{
    return m_model.get();
}

float CDesignerFigure::GetCellSize() const
{
    return m_model ? m_model->GetScale() : 0.0f;
}

void CDesignerFigure::SetScale(float scale)
{
    if (m_model)
        m_model->SetScale(scale);
}

void CDesignerFigure::Draw() const
{
    if (!m_model)
        return;
    float c = GetCellSize();
    glPushMatrix();
    glTranslatef(m_pos.x, m_pos.y, 0.0f);
    glRotatef(-m_model->GetAngleZ(), 0.0f, 0.0f, 1.0f);
    glTranslatef(-m_pos.x, -m_pos.y, 0.0f);
    glTranslatef(-m_width * c / 2.0f, m_height * c / 2.0f, m_pos.z);
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
        {
            if (!IsFilled(x, y))
                continue;
            glPushMatrix();
            glTranslatef(m_pos.x + x * c + c / 2.0f, m_pos.y - y * c - c / 2.0f, 0.0f);
            glRotatef(-GetAngleDegrees(), 0.0f, 0.0f, 1.0f);
            m_model->CModel::Draw();
            glPopMatrix();
        }
    glPopMatrix();
}

void CDesignerFigure::AddToPrint(CFramePrint& print) const
{
    print.AddModel(m_model.get());
    print.Add(m_pos);
    for (char cell : m_shape)
        print.Add(cell);
    print.Add(m_angle);
    print.Add(m_width);
    print.Add(m_height);
}

bool CDesignerFigure::IsFilled(int x, int y) const
{
    return GetCell(x, y) != '0';
}

char CDesignerFigure::GetCell(int x, int y) const
{
    if (x < 0 || y < 0 || x >= GRID || y >= GRID)
        return '0';
    return m_shape[Index(x, y)];
}

int CDesignerFigure::GetCellCount() const
{
    int count = 0;
    for (char cell : m_shape)
        count += cell != '0' ? 1 : 0;
    return count;
}

void CDesignerFigure::GetCellCentres(std::vector<CVector4>& out) const
{
    out.clear();
    float c = GetCellSize();
    float left = m_pos.x - m_width * c / 2.0f;
    float top = m_pos.y + m_height * c / 2.0f;
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
            if (IsFilled(x, y))
                out.push_back(CVector4(left + x * c + c / 2.0f, top - y * c - c / 2.0f, m_pos.z));
}

void CDesignerFigure::GetCellsAt(int bx, int by, std::vector<int>& packed) const
{
    packed.clear();
    int y0 = 0;
    while (y0 < GRID && !IsFilled(0, y0))
        ++y0;
    for (int x = 0; x < GRID; ++x)
        for (int y = 0; y < GRID; ++y)
            if (IsFilled(x, y))
                packed.push_back(PackPos(bx + x, by + y - y0));
}

void CDesignerFigure::SetIndexes(int bx, int by)
{
    GetCellsAt(bx, by, m_indexes);
}

bool CDesignerFigure::Covers(int bx, int by) const
{
    for (int packed : m_indexes)
        if (UnpackPosX(packed) == bx && UnpackPosY(packed) == by)
            return true;
    return false;
}

bool CDesignerFigure::HitTest(float px, float py) const
{
    float c = GetCellSize();
    float halfW = m_width * c / 2.0f;
    float halfH = m_height * c / 2.0f;
    return px > m_pos.x - halfW && px < m_pos.x + halfW && py > m_pos.y - halfH && py < m_pos.y + halfH;
}

int CDesignerFigure::GetTopOffset() const
{
    int offset = 0;
    while (offset < GRID && !IsFilled(offset, 0))
        ++offset;
    return offset;
}

void CDesignerFigure::SetCellChar(char ch)
{
    for (char& cell : m_shape)
        if (cell != '0')
            cell = ch;
}

float CDesignerFigure::GetHeightWorld() const
{
    return m_height * GetCellSize();
}

float CDesignerFigure::GetWidthWorld() const
{
    return m_width * GetCellSize();
}

std::string CDesignerFigure::GetPicture() const
{
    std::string out;
    for (int y = 0; y < m_height; ++y)
    {
        if (y > 0)
            out += '/';
        for (int x = 0; x < m_width; ++x)
            out += IsFilled(x, y) ? 'X' : '.';
    }
    return out;
}

void CDesignerFigure::Save(CConfigFile& store, const std::string& prefix) const
{
    store.SetInt(prefix + ".m_kind", m_kind);
    store.SetFloat(prefix + ".m_pos.x", m_pos.x);
    store.SetFloat(prefix + ".m_pos.y", m_pos.y);
    store.SetFloat(prefix + ".m_pos.z", m_pos.z);
    store.SetInt(prefix + ".m_angle", m_angle);
    if (m_model)
        store.SetFloat(prefix + ".m_scale", m_model->GetScale());
    store.SetInt(prefix + ".m_indexes.size", static_cast<int>(m_indexes.size()));
    for (std::size_t i = 0; i < m_indexes.size(); ++i)
        store.SetInt(prefix + SaveKey(".m_indexes.%i", static_cast<int>(i)), m_indexes[i]);
}

int CDesignerFigure::ReadSavedKind(const CConfigFile& store, const std::string& prefix)
{
    int kind = 0;
    ReadSaveInt(store, prefix + ".m_kind", 0, KINDS - 1, kind);
    return kind;
}

bool CDesignerFigure::ValidateSave(const CConfigFile& store, const std::string& prefix, int boardSize)
{
    int kind = 0;
    int angle = 0;
    if (!store.HasKey(prefix + ".m_kind") || !ReadSaveInt(store, prefix + ".m_kind", 0, KINDS - 1, kind))
        return false;
    // No number of turns reaches another angle.
    if (!ReadSaveInt(store, prefix + ".m_angle", 0, 3, angle))
        return false;
    for (const char* axis : {".m_pos.x", ".m_pos.y", ".m_pos.z"})
    {
        float value = 0.0f;
        if (!ReadSaveFloat(store, prefix + axis, value) || std::fabs(value) > MAX_COORD)
            return false;
    }
    // Every figure of a game has its model, so its scale is always written.
    float scale = 0.0f;
    if (!ReadSaveFloat(store, prefix + ".m_scale", scale) || !(scale > 0.0f) || scale > MAX_SCALE)
        return false;
    CDesignerFigure shape(kind);
    while (shape.GetAngle() != angle)
        shape.RotateRight();
    int count = 0;
    if (!ReadSaveInt(store, prefix + ".m_indexes.size", 0, GRID * GRID, count))
        return false;
    if (count == 0)
        return true;
    if (count != shape.GetCellCount())
        return false;
    std::vector<int> stored;
    for (int i = 0; i < count; ++i)
    {
        int packed = 0;
        std::string key = prefix + SaveKey(".m_indexes.%i", i);
        if (!store.HasKey(key) || !ReadSaveInt(store, key, 0, 0x7FFFFFFF, packed))
            return false;
        if (UnpackPosX(packed) >= boardSize || UnpackPosY(packed) >= boardSize)
            return false;
        stored.push_back(packed);
    }
    // The cells must be the figure's own shape, anchored at its first cell.
    std::vector<int> expected;
    shape.GetCellsAt(UnpackPosX(stored[0]), UnpackPosY(stored[0]), expected);
    return expected == stored;
}

void CDesignerFigure::Load(const CConfigFile& store, const std::string& prefix, const CDesignerParams* params)
{
    int kind = 0;
    int angle = 0;
    ReadSaveInt(store, prefix + ".m_kind", 0, KINDS - 1, kind);
    ReadSaveInt(store, prefix + ".m_angle", 0, 3, angle);
    SetKind(kind);
    // Bounded even if a caller skipped the validation.
    for (int turns = 0; turns < 4 && m_angle != angle; ++turns)
        RotateRight();
    CreateModel(params);
    float scale = 0.0f;
    if (store.HasKey(prefix + ".m_scale") && ReadSaveFloat(store, prefix + ".m_scale", scale) && scale > 0.0f)
        m_model->SetScale(scale);
    ReadSaveFloat(store, prefix + ".m_pos.x", m_pos.x);
    ReadSaveFloat(store, prefix + ".m_pos.y", m_pos.y);
    ReadSaveFloat(store, prefix + ".m_pos.z", m_pos.z);
    int count = 0;
    ReadSaveInt(store, prefix + ".m_indexes.size", 0, GRID * GRID, count);
    m_indexes.clear();
    for (int i = 0; i < count; ++i)
    {
        int packed = 0;
        if (ReadSaveInt(store, prefix + SaveKey(".m_indexes.%i", i), 0, 0x7FFFFFFF, packed))
            m_indexes.push_back(packed);
    }
}
