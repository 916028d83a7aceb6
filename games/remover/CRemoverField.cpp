#include "games/remover/CRemoverField.h"

#include "shell/game/CFramePrint.h"
#include "engine/gfx/CDraw2D.h"

#include <GL/gl.h>
#include <cmath>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/QueueBoardBricks.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const LIGHT_NAME = "BRField";
const char* const BACK_TEXTURE = "remover_field_back";
const float BRICK_UPDATE_MS = 30.0f;
const float FLIGHT_HEIGHT = 1.6f;
const int SOUND_LAUNCH = 113;
const int SOUND_LAUNCH_SPECIAL = 114;

// Neighbour order of every flood fill: right, left, down, up. The order fixes
// the order in which bonuses are collected.
const int STEP_X[4] = {1, -1, 0, 0};
const int STEP_Y[4] = {0, 0, 1, -1};
}

CRemoverField::CRemoverField(CRemoverParams& params, CGameEvents* events, CResManager* resources, CRandom& random)
    : m_random(random), m_params(params), m_events(events), m_resources(resources)
{
    m_width_bricks = m_height_bricks = params.GetBoardSize();
    m_width = m_height = params.GetFieldWidth();

    m_light.SetAmbient(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetDiffuse(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetPosition(0.0f, 0.0f, 5.0f, 0);
    m_light.SetExtraColor(0.1f, 0.1f, 0.1f, 1.0f);
    if (m_resources)
    {
        m_light.Apply();
        m_resources->AddLight(&m_light, LIGHT_NAME);
        m_resources->AddTexture("mui/grids/grid1.tga", BACK_TEXTURE, true, true);
    }

    m_template_brick = std::make_unique<CRemoverBrick>(&m_params, &m_light);
    m_template_brick->SetScale(GetBrickSize());
    m_template_brick->SetColor(0);

    ResetColors(params.GetStartColorCount());
}

CRemoverField::~CRemoverField()
{
    // The menu's manager outlives the field: the light must not stay listed.
    if (m_resources)
        m_resources->RemoveLight(&m_light);
}

void CRemoverField::ResetColors(int count)
{
    m_start_colors_count = count;
    m_colors.clear();
    for (int c = 0; c < count; ++c)
        m_colors.push_back(c);
}

float CRemoverField::GetBrickSize() const
{
    return m_params.GetFieldWidth() / static_cast<float>(m_width_bricks);
}

float CRemoverField::GetBrickDepth() const
{
    return m_template_brick->GetScaledSizeZ();
}

bool CRemoverField::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width_bricks && y < m_height_bricks;
}

CModel* CRemoverField::GetBrick(int x, int y) const
{
    return GetRemoverBrick(x, y);
}

CRemoverBrick* CRemoverField::GetRemoverBrick(int x, int y) const
{
    if (!IsInside(x, y))
        return nullptr;
    return m_bricks[x][y].get();
}

CVector4& CRemoverField::GetBrickPosition(CVector4& out, int x, int y) const
{
    float cell = GetBrickSize();
    float left = -m_params.GetFieldWidth() / 2.0f;
    float top = m_params.GetFieldWidth() / 2.0f;
    out.Set(left + x * cell + cell / 2.0f, top - y * cell - cell / 2.0f, GetBrickDepth() / 2.0f);
    return out;
}

CVector4 CRemoverField::GetBrickPosition(int x, int y) const
{
    CVector4 out;
    GetBrickPosition(out, x, y);
    return out;
}

std::unique_ptr<CRemoverBrick> CRemoverField::NewBrick(int color, const CVector4& position) const
{
    auto brick = std::make_unique<CRemoverBrick>(&m_params, const_cast<CLight*>(&m_light));
    brick->SetPosition(position);
    brick->SetScale(GetBrickSize());
    brick->SetColor(color);
    return brick;
}

CRemoverBrick* CRemoverField::CreateBrickAt(int x, int y, int color)
{
    if (!IsInside(x, y))
        return nullptr;
    m_bricks[x][y] = NewBrick(color, GetBrickPosition(x, y));
    return m_bricks[x][y].get();
}

void CRemoverField::RemoveBrick(int x, int y)
{
    if (IsInside(x, y))
        m_bricks[x][y].reset();
}

int CRemoverField::GetRandomColor() const
{
    if (m_colors.empty())
        return 0;
    return m_colors[m_random.Next(static_cast<int>(m_colors.size()))];
}

CVector4 CRemoverField::DrawStartPoint() const
{
    float x = 0;
    float y = 0;
    do
    {
        x = 400.0f * static_cast<float>(m_random.Next(3)) - 400.0f;
        y = 400.0f * static_cast<float>(m_random.Next(3)) - 400.0f;
    } while (x == 0.0f && y == 0.0f);
    return CVector4(x, y, FLIGHT_HEIGHT * GetBrickDepth());
}

void CRemoverField::NewLevel(int)
{
    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_bricks[x][y].reset();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = y % 2; x < m_width_bricks; x += 2)
            CreateBrickAt(x, y, GetRandomColor());
}

bool CRemoverField::CellFromPoint(const CVector4& point, int* x, int* y) const
{
    float half = m_params.GetFieldWidth() / 2.0f;
    return ::CellFromPoint(point, -half, half, GetBrickSize(), m_width_bricks, m_height_bricks, x, y);
}

bool CRemoverField::PutBrick(std::unique_ptr<CRemoverBrick>& brick, int x, int y)
{
    if (!brick || !IsInside(x, y) || m_bricks[x][y])
        return false;
    m_bricks[x][y] = std::move(brick);
    return true;
}

bool CRemoverField::IsCellReserved(int x, int y) const
{
    int pos = PackPos(x, y);
    for (int target : m_bricks_adding_pos)
        if (target == pos)
            return true;
    for (int target : m_bricks_adding_current_pos)
        if (target == pos)
            return true;
    return false;
}

bool CRemoverField::FindBrick(const CRemoverBrick* brick, int* x, int* y) const
{
    if (brick)
        for (int cy = 0; cy < m_height_bricks; ++cy)
            for (int cx = 0; cx < m_width_bricks; ++cx)
                if (m_bricks[cx][cy].get() == brick)
                {
                    if (x)
                        *x = cx;
                    if (y)
                        *y = cy;
                    return true;
                }
    if (x)
        *x = -1;
    if (y)
        *y = -1;
    return false;
}

int CRemoverField::CountBricks() const
{
    int count = 0;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y])
                ++count;
    return count;
}

bool CRemoverField::HasColor(int color) const
{
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = y % 2; x < m_width_bricks; x += 2)
        {
            const CRemoverBrick* brick = m_bricks[x][y].get();
            if (brick && !brick->IsSelected() && brick->GetColor() == color)
                return true;
        }
    return false;
}

void CRemoverField::DropVanishedColors()
{
    std::vector<int> kept;
    for (int color : m_colors)
        if (HasColor(color))
            kept.push_back(color);
    m_colors.swap(kept);
}

void CRemoverField::ClearNewFlags()
{
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y])
                m_bricks[x][y]->SetNew(false);
}

void CRemoverField::FillGroup(int x, int y, int color, int& count)
{
    if (!IsInside(x, y))
        return;
    CRemoverBrick* brick = m_bricks[x][y].get();
    if (!brick || brick->IsSelected() || brick->GetColor() != color)
        return;
    brick->Select();
    if (brick->GetBonusValue() > 0)
        m_collected_bonuses.push_back(brick->GetBonusValue());
    ++count;
    for (int i = 0; i < 4; ++i)
        FillGroup(x + STEP_X[i], y + STEP_Y[i], color, count);
}

void CRemoverField::ClearGroup(int x, int y, int color)
{
    if (!IsInside(x, y))
        return;
    CRemoverBrick* brick = m_bricks[x][y].get();
    if (!brick || !brick->IsSelected() || brick->GetColor() != color)
        return;
    brick->Unselect();
    for (int i = 0; i < 4; ++i)
        ClearGroup(x + STEP_X[i], y + STEP_Y[i], color);
}

void CRemoverField::CountRegion(int x, int y, std::vector<char>& visited, int& count) const
{
    if (!IsInside(x, y) || visited[x * MAX_CELLS + y])
        return;
    const CRemoverBrick* brick = m_bricks[x][y].get();
    if (!brick || !brick->IsSelected())
        return;
    visited[x * MAX_CELLS + y] = 1;
    ++count;
    for (int i = 0; i < 4; ++i)
        CountRegion(x + STEP_X[i], y + STEP_Y[i], visited, count);
}

int CRemoverField::SelectGroup(CRemoverBrick* brick)
{
    m_status = STATUS_REMOVING;
    int x = -1;
    int y = -1;
    if (!FindBrick(brick, &x, &y))
        return 0;

    int color = brick->GetColor();
    int count = 0;
    FillGroup(x, y, color, count);
    if (count < MIN_GROUP)
    {
        // The cell itself may have been selected earlier this turn (a bonus),
        // in which case nothing joined and the old selection stays.
        if (count > 0)
            ClearGroup(x, y, color);
        m_collected_bonuses.clear();
        return 0;
    }

    std::vector<char> visited(MAX_CELLS * MAX_CELLS, 0);
    int region = 0;
    CountRegion(x, y, visited, region);
    DropVanishedColors();
    return region;
}

void CRemoverField::SelectRandomSpecial()
{
    int special = m_params.GetSpecialColor();
    std::vector<int> found;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CRemoverBrick* brick = m_bricks[x][y].get();
            if (brick && !brick->IsSelected() && brick->GetColor() == special)
                found.push_back(PackPos(x, y));
        }
    if (found.empty())
        return;
    int pos = found[m_random.Next(static_cast<int>(found.size()))];
    m_bricks[UnpackPosX(pos)][UnpackPosY(pos)]->Select();
}

void CRemoverField::SelectAllSpecial()
{
    int special = m_params.GetSpecialColor();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y] && m_bricks[x][y]->GetColor() == special)
                m_bricks[x][y]->Select();
}

void CRemoverField::AddPenaltyBrick()
{
    m_adding_pause = 0;
    CVector4 start = DrawStartPoint();
    std::vector<int> free;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = (y + 1) % 2; x < m_width_bricks; x += 2)
            if (!m_bricks[x][y] && !IsCellReserved(x, y))
                free.push_back(PackPos(x, y));
    if (free.empty())
        return;
    int pos = free[m_random.Next(static_cast<int>(free.size()))];
    m_bricks_adding_pos.push_back(pos);
    m_bricks_adding.push_back(NewBrick(m_params.GetSpecialColor(), start));
}

void CRemoverField::Refill()
{
    m_status = STATUS_ADDING;
    m_adding_pause = 0;
    CVector4 start = DrawStartPoint();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = y % 2; x < m_width_bricks; x += 2)
        {
            if (m_bricks[x][y] || IsCellReserved(x, y))
                continue;
            std::unique_ptr<CRemoverBrick> brick = NewBrick(GetRandomColor(), start);
            if (m_random.Next(15) == 7)
            {
                int life = m_random.Next(3);
                int value = (m_colors.size() == 1) ? m_random.Next(2) + 3 : m_random.Next(4) + 1;
                brick->SetBonus(value, life);
            }
            m_bricks_adding.push_back(std::move(brick));
            m_bricks_adding_pos.push_back(PackPos(x, y));
        }
}

void CRemoverField::UpdateAdding()
{
    if (m_adding_pause == 0)
    {
        if (!m_bricks_adding.empty())
        {
            bool special = m_bricks_adding.front()->GetColor() == m_params.GetSpecialColor();
            if (m_events)
                m_events->PlaySound(special ? SOUND_LAUNCH_SPECIAL : SOUND_LAUNCH, true, false);
            m_bricks_adding_current.push_back(std::move(m_bricks_adding.front()));
            m_bricks_adding_current_pos.push_back(m_bricks_adding_pos.front());
            m_bricks_adding.erase(m_bricks_adding.begin());
            m_bricks_adding_pos.erase(m_bricks_adding_pos.begin());
            m_adding_pause = LAUNCH_PAUSE;
        }
    }
    // The countdown starts in the launching update itself, so launches are
    // ten updates apart.
    if (m_adding_pause >= PAUSE_STEP)
        m_adding_pause -= PAUSE_STEP;
    else if (m_adding_pause != 0)
        m_adding_pause = PAUSE_STEP;

    for (std::size_t i = 0; i < m_bricks_adding_current.size();)
    {
        CRemoverBrick& brick = *m_bricks_adding_current[i];
        int tx = UnpackPosX(m_bricks_adding_current_pos[i]);
        int ty = UnpackPosY(m_bricks_adding_current_pos[i]);
        CVector4 target = GetBrickPosition(tx, ty);
        CVector4 p = brick.GetPosition();
        float dx = target.x - p.x;
        float dy = target.y - p.y;
        float dz = target.z - p.z;
        if (dx * dx + dy * dy > 2.0f)
        {
            brick.SetPosition(CVector4(p.x + 0.25f * dx, p.y + 0.25f * dy, p.z));
        }
        else if (dx * dx + dy * dy + dz * dz > 2.0f)
        {
            brick.SetPosition(CVector4(p.x + 0.25f * dx, p.y + 0.25f * dy, p.z + 0.25f * dz));
        }
        else
        {
            brick.SetPosition(target);
            int cx = -1;
            int cy = -1;
            bool inside = CellFromPoint(target, &cx, &cy);
            if (inside && !m_bricks[cx][cy])
            {
                m_bricks[cx][cy] = std::move(m_bricks_adding_current[i]);
            }
            // else: the cell was taken meanwhile. Nothing ever queues onto a
            // taken cell; should it happen, the brick is dropped so the field
            // cannot stay in the adding state for ever.
            m_bricks_adding_current.erase(m_bricks_adding_current.begin() + i);
            m_bricks_adding_current_pos.erase(m_bricks_adding_current_pos.begin() + i);
            continue;
        }
        ++i;
    }

    if (m_bricks_adding.empty() && m_bricks_adding_current.empty())
        m_status = STATUS_IDLE;
}

void CRemoverField::Update()
{
    if (m_status == STATUS_REMOVING)
    {
        bool found = false;
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
            {
                CRemoverBrick* brick = m_bricks[x][y].get();
                if (!brick || !brick->IsSelected())
                    continue;
                found = true;
                if (brick->Vanish(m_events))
                    m_bricks[x][y].reset();
            }
        if (!found)
        {
            for (int y = 0; y < m_height_bricks; ++y)
                for (int x = 0; x < m_width_bricks; ++x)
                    if (m_bricks[x][y])
                        m_bricks[x][y]->CountDownBonus(m_events, m_random);
            if (m_refill)
                Refill();
            else
                m_status = STATUS_IDLE;
        }
    }
    else if (m_status == STATUS_ADDING)
    {
        UpdateAdding();
    }

    int count = CountBricks();
    if (count == m_width_bricks * m_height_bricks && (m_status == STATUS_IDLE || m_status == STATUS_ADDING))
        m_is_finish = true;
    if (count == 0)
        m_is_finish = true;

    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y])
                m_bricks[x][y]->Update(BRICK_UPDATE_MS);
}

void CRemoverField::Reskin()
{
    m_template_brick->SetColor(m_template_brick->GetColor());
    float lift = FLIGHT_HEIGHT * GetBrickDepth();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (CRemoverBrick* brick = m_bricks[x][y].get())
            {
                brick->SetColor(brick->GetColor());
                brick->SetPosition(GetBrickPosition(x, y));
            }
    for (auto* list : {&m_bricks_adding, &m_bricks_adding_current})
        for (auto& brick : *list)
        {
            brick->SetColor(brick->GetColor());
            CVector4 p = brick->GetPosition();
            brick->SetPosition(CVector4(p.x, p.y, p.z + lift));
        }
}

void CRemoverField::Draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDepthMask(GL_TRUE);
    glDisable(m_light.GetId());
    glDisable(GL_LIGHTING);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    CDraw2D::SetAlphaBlendFunc();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);

    // The selected bricks last, so that they blend over the others.
    m_batch.Begin();
    if (CTexture* back = m_resources ? m_resources->FindTexture(BACK_TEXTURE) : nullptr)
    {
        // One tile covers 2 x 2 cells, counted up from the bottom edge.
        CModelBatch::SUnderlay backing;
        backing.texture = back->GetId();
        backing.x = -m_width / 2.0f;
        backing.y = -m_height / 2.0f;
        backing.width = m_width;
        backing.height = m_height;
        backing.s = m_width_bricks / 2.0f;
        backing.t = m_height_bricks / 2.0f;
        backing.alpha = 0.3f;
        m_batch.SetUnderlay(backing);
    }
    QueueBoardBricks(
        m_batch, m_width_bricks, m_height_bricks, [this](int x, int y) { return m_bricks[x][y].get(); },
        [](const CRemoverBrick& brick) { return brick.IsSelected(); });
    for (auto& brick : m_bricks_adding_current)
        m_batch.AddAlone(*brick);
    m_batch.Draw();

    glDisable(GL_COLOR_MATERIAL);
}

void CRemoverField::AddToPrint(CFramePrint& print) const
{
    // The board's size places the backing; each brick, on a cell or flying
    // in, is a part of its own (see CRemoverBrick::AddToPrint), so a brick
    // that comes, goes or fades leaves the rest of the board held.
    print.Add(m_width_bricks);
    print.Add(m_height_bricks);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (const CRemoverBrick* brick = m_bricks[x][y].get())
                brick->AddToPrint(print);
    for (const auto& brick : m_bricks_adding_current)
        brick->AddToPrint(print);
}

void CRemoverField::Save(CConfigFile& store) const
{
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("m_start_colors_count", m_start_colors_count);
    store.SetInt("f_m_is_finish", m_is_finish ? 1 : 0);
    store.SetInt("f_m_width_bricks", m_width_bricks);
    store.SetInt("f_m_height_bricks", m_height_bricks);
    char key[48];
    char value[64];
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CRemoverBrick* brick = m_bricks[x][y].get();
            std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
            if (!brick || brick->IsSelected())
                std::snprintf(value, sizeof value, "%i %i %i %i", -1, 0, 0, 0);
            else
                std::snprintf(value, sizeof value, "%i %i %i %i", brick->GetColor(), brick->IsNew() ? 1 : 0,
                              brick->GetBonusValue(), brick->GetBonusLife());
            store.SetValue(key, value);
        }
    store.SetInt("f_m_status", m_status);
    if (m_status != STATUS_ADDING)
        return;
    std::snprintf(value, sizeof value, "%u", m_adding_pause);
    store.SetValue("f_m_adding_pause", value);
    std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(m_bricks_adding.size()));
    store.SetValue("f_m_bricks_adding.size", value);
    for (std::size_t i = 0; i < m_bricks_adding.size(); ++i)
    {
        store.SetInt(SaveKey("f_m_bricks_adding_color%i", static_cast<int>(i)), m_bricks_adding[i]->GetColor());
        store.SetInt(SaveKey("f_m_bricks_adding_pos%i", static_cast<int>(i)), m_bricks_adding_pos[i]);
    }
    std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(m_bricks_adding_current.size()));
    store.SetValue("f_m_bricks_adding_current.size", value);
    for (std::size_t i = 0; i < m_bricks_adding_current.size(); ++i)
    {
        store.SetInt(SaveKey("f_m_bricks_adding_current_color%i", static_cast<int>(i)),
                     m_bricks_adding_current[i]->GetColor());
        store.SetInt(SaveKey("f_m_bricks_adding_current_pos%i", static_cast<int>(i)),
                     m_bricks_adding_current_pos[i]);
    }
}

namespace
{
std::string CellKey(int x, int y)
{
    char key[48];
    std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
    return key;
}

// Reads one flying or queued list; every target must be a distinct empty cell.
bool ValidateList(const CConfigFile& store, const char* sizeKey, const char* colorPattern,
                  const char* posPattern, int width, std::vector<char>& taken)
{
    int count = 0;
    if (!ReadSaveInt(store, sizeKey, 0, width * width, count))
        return false;
    for (int i = 0; i < count; ++i)
    {
        int color = 0;
        int pos = 0;
        if (!ReadSaveInt(store, SaveKey(colorPattern, i), 0, CRemoverParams::SPECIAL_COLOR, color))
            return false;
        if (!ReadSaveInt(store, SaveKey(posPattern, i), 0, 0x7FFFFFFF, pos))
            return false;
        int x = UnpackPosX(pos);
        int y = UnpackPosY(pos);
        if (x < 0 || y < 0 || x >= width || y >= width || taken[x * CRemoverField::MAX_CELLS + y])
            return false;
        taken[x * CRemoverField::MAX_CELLS + y] = 1;
    }
    return true;
}
}

bool CRemoverField::ValidateSave(const CConfigFile& store)
{
    int width = 0;
    int height = 0;
    int colors = 0;
    int status = 0;
    float alpha = 0;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha))
        return false;
    if (!ReadSaveInt(store, "f_m_width_bricks", 9, 13, width) || width % 2 == 0)
        return false;
    if (!ReadSaveInt(store, "f_m_height_bricks", 9, 13, height) || height != width)
        return false;
    if (!ReadSaveInt(store, "m_start_colors_count", 4, 6, colors))
        return false;
    int finish = 0;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, finish))
        return false;
    if (!ReadSaveInt(store, "f_m_status", 0, 2, status))
        return false;

    // Cells that hold a brick may not be targets of queued or flying bricks.
    std::vector<char> taken(MAX_CELLS * MAX_CELLS, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            // Every cell is written, an empty one as -1: a missing cell is
            // damage, not a brick of colour 0.
            int v[4] = {-1, 0, 0, 0};
            if (!store.HasKey(CellKey(x, y)) || !ParseLeadingSaveInts(store.GetValue(CellKey(x, y), ""), v, 4))
                return false;
            if (v[0] < -1 || v[0] > CRemoverParams::SPECIAL_COLOR)
                return false;
            if (v[0] == -1)
                continue;
            if (v[1] < 0 || v[1] > 1 || v[2] < 0 || v[2] > CRemoverBrick::MAX_BONUS_VALUE || v[3] < 0 ||
                v[3] > CRemoverBrick::MAX_BONUS_LIFE)
                return false;
            taken[x * MAX_CELLS + y] = 1;
        }

    if (status != STATUS_ADDING)
        return true;
    // The pause only ever counts down from a launch.
    int pause = 0;
    if (!ReadSaveInt(store, "f_m_adding_pause", 0, static_cast<int>(LAUNCH_PAUSE), pause))
        return false;
    return ValidateList(store, "f_m_bricks_adding.size", "f_m_bricks_adding_color%i", "f_m_bricks_adding_pos%i",
                        width, taken) &&
           ValidateList(store, "f_m_bricks_adding_current.size", "f_m_bricks_adding_current_color%i",
                        "f_m_bricks_adding_current_pos%i", width, taken);
}

bool CRemoverField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;

    int value = 0;
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = (value == 1);
    ReadSaveInt(store, "f_m_width_bricks", 9, 13, m_width_bricks);
    ReadSaveInt(store, "f_m_height_bricks", 9, 13, m_height_bricks);
    ReadSaveInt(store, "m_start_colors_count", 4, 6, value);
    ResetColors(value);
    m_template_brick->SetScale(GetBrickSize());

    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_bricks[x][y].reset();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            int v[4] = {-1, 0, 0, 0};
            ParseLeadingSaveInts(store.GetValue(CellKey(x, y), ""), v, 4);
            if (v[0] == -1)
                continue;
            CRemoverBrick* brick = CreateBrickAt(x, y, v[0]);
            brick->SetNew(v[1] == 1);
            brick->SetBonus(v[2], v[3]);
        }
    DropVanishedColors();

    m_bricks_adding.clear();
    m_bricks_adding_pos.clear();
    m_bricks_adding_current.clear();
    m_bricks_adding_current_pos.clear();

    ReadSaveInt(store, "f_m_status", 0, 2, m_status);
    if (m_status != STATUS_ADDING)
        return true;

    CVector4 start = DrawStartPoint();
    int pause = 0;
    ReadSaveInt(store, "f_m_adding_pause", 0, static_cast<int>(LAUNCH_PAUSE), pause);
    m_adding_pause = static_cast<unsigned>(pause);
    int count = 0;
    ReadSaveInt(store, "f_m_bricks_adding.size", 0, 0x7FFF, count);
    for (int i = 0; i < count; ++i)
    {
        int color = 0;
        int pos = 0;
        ReadSaveInt(store, SaveKey("f_m_bricks_adding_color%i", i), 0, 6, color);
        ReadSaveInt(store, SaveKey("f_m_bricks_adding_pos%i", i), 0, 0x7FFFFFFF, pos);
        m_bricks_adding.push_back(NewBrick(color, start));
        m_bricks_adding_pos.push_back(pos);
    }
    ReadSaveInt(store, "f_m_bricks_adding_current.size", 0, 0x7FFF, count);
    for (int i = 0; i < count; ++i)
    {
        int color = 0;
        int pos = 0;
        ReadSaveInt(store, SaveKey("f_m_bricks_adding_current_color%i", i), 0, 6, color);
        ReadSaveInt(store, SaveKey("f_m_bricks_adding_current_pos%i", i), 0, 0x7FFFFFFF, pos);
        m_bricks_adding_current.push_back(NewBrick(color, start));
        m_bricks_adding_current_pos.push_back(pos);
    }
    return true;
}
