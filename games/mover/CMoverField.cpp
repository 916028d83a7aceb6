#include "games/mover/CMoverField.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "shell/game/QueueBoardBricks.h"
#include "shell/game/SaveValues.h"

namespace
{
const char* const LIGHT_NAME = "BMField";
// A slide covers this share of the remaining way each frame and snaps onto
// the cell once the squared distance is this small.
const float SLIDE_STEP = 0.25f;
const float SNAP_DISTANCE = 2.0f;
// Out of ten draws, those from this one up give a blocker once the move
// limit is used up.
const int BLOCKER_DRAW = 8;

// Where a clicked brick looks for the empty cell: right, down, left, up.
const int STEP_X[4] = {1, 0, -1, 0};
const int STEP_Y[4] = {0, 1, 0, -1};

std::string CellKey(int x, int y)
{
    char key[48];
    std::snprintf(key, sizeof key, "f_color%i-%i", x, y);
    return key;
}

// Packed cells separated by blanks; false when a word is not a number.
bool ParseCellList(const std::string& text, std::vector<int>& out)
{
    std::istringstream words(text);
    std::string word;
    while (words >> word)
    {
        int value = 0;
        if (!ParseSaveInt(word, value))
            return false;
        out.push_back(value);
    }
    return true;
}
}

CMoverField::CMoverField(CMoverParams& params, CGameEvents* events, CResManager* resources, CRandom& random)
    : m_params(params), m_events(events), m_resources(resources), m_random(random)
{
    m_width_bricks = m_height_bricks = params.GetBoardSize();
    m_width = m_height = params.GetFieldWidth();
    m_colors = params.GetColorCount();
    m_move_limit = CMoverParams::MoveLimitFor(GetGameDifficulty());

    m_light.SetAmbient(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetDiffuse(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    m_light.SetPosition(0.0f, 0.0f, 35.0f, 1);
    m_light.SetExtraColor(0.2f, 0.2f, 0.2f, 1.0f);
    if (m_resources)
    {
        m_light.Apply();
        m_resources->AddLight(&m_light, LIGHT_NAME);
    }

    // Never drawn: its depth sets the height of every cell and of the picker.
    m_sample_brick = NewBrick(0);
    float s = GetBrickSize();
    m_sample_brick->SetPosition(CVector4(-m_width / 2.0f + 1.5f * s, m_height / 2.0f - 1.5f * s, 0.0f));
}

CMoverField::~CMoverField()
{
    // The menu's manager outlives the field: the light must not stay listed.
    if (m_resources)
        m_resources->RemoveLight(&m_light);
}

float CMoverField::GetBrickSize() const
{
    return m_width / static_cast<float>(m_width_bricks);
}

bool CMoverField::IsInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width_bricks && y < m_height_bricks;
}

CModel* CMoverField::GetBrick(int x, int y) const
{
    return GetMoverBrick(x, y);
}

CMoverBrick* CMoverField::GetMoverBrick(int x, int y) const
{
    return IsInside(x, y) ? m_bricks[x][y].get() : nullptr;
}

CVector4& CMoverField::GetBrickPosition(CVector4& out, int x, int y) const
{
    float s = GetBrickSize();
    float depth = m_sample_brick ? m_sample_brick->GetScaledSizeZ() : 0.0f;
    out.Set(-m_width / 2.0f + x * s + s / 2.0f, m_height / 2.0f - y * s - s / 2.0f, depth / 2.0f);
    return out;
}

CVector4 CMoverField::GetCellPosition(int x, int y) const
{
    CVector4 out;
    GetBrickPosition(out, x, y);
    return out;
}

std::unique_ptr<CMoverBrick> CMoverField::NewBrick(int color) const
{
    auto brick = std::make_unique<CMoverBrick>(&m_params);
    brick->SetScale(GetBrickSize());
    brick->SetColor(color);
    return brick;
}

CMoverBrick* CMoverField::CreateBrickAt(int x, int y, int color)
{
    if (!IsInside(x, y))
        return nullptr;
    m_bricks[x][y] = NewBrick(color);
    m_bricks[x][y]->SetPosition(GetCellPosition(x, y));
    return m_bricks[x][y].get();
}

void CMoverField::RemoveBrick(int x, int y)
{
    if (IsInside(x, y))
        m_bricks[x][y].reset();
}

void CMoverField::ClearCells()
{
    for (int x = 0; x < MAX_CELLS; ++x)
        for (int y = 0; y < MAX_CELLS; ++y)
            m_bricks[x][y].reset();
    m_moving_brick.reset();
}

void CMoverField::NewLevel(int)
{
    ClearCells();
    m_is_finish = false;
    int cells = m_width_bricks * m_height_bricks;
    std::vector<int> deck(cells);
    for (int i = 0; i < cells; ++i)
        deck[i] = i % m_colors;
    for (int i = 0; i < cells * m_width_bricks; ++i)
        std::swap(deck[0], deck[m_random.Next(cells)]);
    int next = 0;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            CreateBrickAt(x, y, deck[next++]);
    RemoveBrick(m_width_bricks - 1, m_height_bricks - 1);
}

bool CMoverField::CellFromPoint(const CVector4& point, int* x, int* y) const
{
    return ::CellFromPoint(point, -m_width / 2.0f, m_height / 2.0f, GetBrickSize(), m_width_bricks, m_height_bricks,
                           x, y);
}

bool CMoverField::PutBrick(std::unique_ptr<CMoverBrick>& brick, int x, int y)
{
    if (!brick || !IsInside(x, y) || m_bricks[x][y])
        return false;
    m_bricks[x][y] = std::move(brick);
    return true;
}

void CMoverField::MoveBrick(int x, int y)
{
    m_status = STATUS_SLIDING;
    if (!GetMoverBrick(x, y))
    {
        m_status = STATUS_IDLE;
        return;
    }
    for (int i = 0; i < 4; ++i)
    {
        int nx = x + STEP_X[i];
        int ny = y + STEP_Y[i];
        if (!IsInside(nx, ny) || m_bricks[nx][ny])
            continue;
        m_moving_brick = std::move(m_bricks[x][y]);
        m_target = PackPos(nx, ny);
        // Held at the top: past the limit every further move counts the same.
        if (m_moves_used < MAX_MOVES)
            m_moves_used += 1;
        return;
    }
    m_status = STATUS_IDLE;
}

void CMoverField::Slide()
{
    if (m_moving_brick)
    {
        int tx = UnpackPosX(m_target);
        int ty = UnpackPosY(m_target);
        CVector4 target = GetCellPosition(tx, ty);
        CVector4 p = m_moving_brick->GetPosition();
        float dx = target.x - p.x;
        float dy = target.y - p.y;
        if (dx * dx + dy * dy > SNAP_DISTANCE)
        {
            m_moving_brick->SetPosition(CVector4(p.x + SLIDE_STEP * dx, p.y + SLIDE_STEP * dy, p.z));
            return;
        }
        m_moving_brick->SetPosition(target);
        // The target was the empty cell when the move started and nothing
        // else enters it meanwhile.
        if (!PutBrick(m_moving_brick, tx, ty))
            m_moving_brick.reset();
    }
    m_status = STATUS_IDLE;
    m_is_finish = IsFinished();
    if (!m_is_finish)
        CheckLines();
}

void CMoverField::CheckLines()
{
    m_line_score = 0;
    const int blocker = m_params.GetSpecialColor();
    for (int y = 0; y < m_height_bricks; ++y)
    {
        const CMoverBrick* first = m_bricks[0][y].get();
        if (!first || first->GetColor() == blocker)
            continue;
        int run = 0;
        while (run < m_width_bricks && m_bricks[run][y] && m_bricks[run][y]->GetColor() == first->GetColor())
            ++run;
        if (run == m_width_bricks)
            RemoveRow(y);
    }
    for (int x = 0; x < m_width_bricks; ++x)
    {
        const CMoverBrick* first = m_bricks[x][0].get();
        if (!first || first->GetColor() == blocker)
            continue;
        int run = 0;
        while (run < m_height_bricks && m_bricks[x][run] && m_bricks[x][run]->GetColor() == first->GetColor())
            ++run;
        if (run == m_height_bricks)
            RemoveColumn(x);
    }
}

void CMoverField::RemoveRow(int y)
{
    for (int x = 0; x < m_width_bricks; ++x)
        m_bricks[x][y]->Select();
    CountLine();
}

void CMoverField::RemoveColumn(int x)
{
    for (int y = 0; y < m_height_bricks; ++y)
        m_bricks[x][y]->Select();
    CountLine();
}

void CMoverField::CountLine()
{
    m_status = STATUS_REMOVING;
    m_line_score += 1;
    if (m_moves_used <= m_move_limit)
    {
        m_line_score += m_move_limit - m_moves_used;
        RemoveRandomBlocker();
    }
}

void CMoverField::RemoveRandomBlocker()
{
    // Only blockers not yet chosen: two lines of one move take two blockers.
    std::vector<CMoverBrick*> blockers;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CMoverBrick* brick = m_bricks[x][y].get();
            if (brick && !brick->IsSelected() && brick->GetColor() == m_params.GetSpecialColor())
                blockers.push_back(brick);
        }
    if (!blockers.empty())
        blockers[m_random.Next(static_cast<int>(blockers.size()))]->Select();
}

void CMoverField::UpdateRemoving()
{
    bool found = false;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            CMoverBrick* brick = m_bricks[x][y].get();
            if (!brick || !brick->IsSelected())
                continue;
            found = true;
            if (!brick->Vanish(m_events))
                continue;
            int draw = m_random.Next(10);
            int color = (draw >= BLOCKER_DRAW && m_moves_used >= m_move_limit) ? m_params.GetSpecialColor()
                                                                                : m_random.Next(m_colors);
            CreateBrickAt(x, y, color)->SetGrowScale(0.0f);
        }
    if (!found)
        m_status = STATUS_GROWING;
}

void CMoverField::UpdateGrowing()
{
    bool growing = false;
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y] && m_bricks[x][y]->Grow())
                growing = true;
    if (growing)
        return;
    m_status = STATUS_IDLE;
    m_is_finish = IsFinished();
    m_moves_used = 0;
}

void CMoverField::Update()
{
    m_line_score = 0;
    switch (m_status)
    {
    case STATUS_REMOVING:
        UpdateRemoving();
        break;
    case STATUS_GROWING:
        UpdateGrowing();
        break;
    case STATUS_SLIDING:
        Slide();
        break;
    default:
        break;
    }
}

bool CMoverField::IsFinished() const
{
    for (int c = 0; c < m_colors; ++c)
    {
        int count = 0;
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
                if (m_bricks[x][y] && m_bricks[x][y]->GetColor() == c)
                    ++count;
        if (count >= m_width_bricks || count >= m_height_bricks)
            return false;
    }
    return true;
}

int CMoverField::GetBonusMoves() const
{
    int left = m_move_limit - m_moves_used;
    return left < 1 ? 0 : left;
}

void CMoverField::Reskin()
{
    m_sample_brick->Reskin();
    // A new skin may bring a deeper mesh: bricks keep their place on the
    // board (an effect may be moving them) and take the new resting height.
    float z = m_sample_brick->GetScaledSizeZ() / 2.0f;
    auto apply = [z](CMoverBrick& brick) {
        brick.Reskin();
        CVector4 p = brick.GetPosition();
        brick.SetPosition(CVector4(p.x, p.y, z));
    };
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
            if (m_bricks[x][y])
                apply(*m_bricks[x][y]);
    if (m_moving_brick)
        apply(*m_moving_brick);
}

void CMoverField::Draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(m_light.GetId());
    glDisable(GL_LIGHTING);
    // The fading bricks last, so that they blend over the others.
    m_batch.Begin();
    QueueBoardBricks(
        m_batch, m_width_bricks, m_height_bricks, [this](int x, int y) { return m_bricks[x][y].get(); },
        [](const CMoverBrick& brick) { return brick.IsSelected(); });
    if (m_moving_brick)
        m_batch.AddAlone(*m_moving_brick);
    m_batch.Draw();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CMoverField::AddToPrint(CFramePrint& print) const
{
    print.Add(m_width_bricks);
    print.Add(m_height_bricks);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            const CMoverBrick* brick = m_bricks[x][y].get();
            print.Add(brick != nullptr);
            if (brick)
                brick->AddToPrint(print);
        }
    print.Add(m_moving_brick != nullptr);
    if (m_moving_brick)
        m_moving_brick->AddToPrint(print);
}

void CMoverField::Save(CConfigFile& store) const
{
    store.SetInt("f_m_score", m_line_score);
    store.SetInt("f_m_turns_count", m_moves_used);
    store.SetFloat("f_m_alpha", m_alpha);
    store.SetInt("f_m_colors", m_colors);
    store.SetInt("f_m_is_finish", m_is_finish ? 1 : 0);
    store.SetInt("f_m_width_bricks", m_width_bricks);
    store.SetInt("f_m_height_bricks", m_height_bricks);
    int tx = UnpackPosX(m_target);
    int ty = UnpackPosY(m_target);
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            // A sliding brick belongs to no cell: it is kept in its target,
            // which is empty until it lands.
            const CMoverBrick* brick = m_bricks[x][y].get();
            if (!brick && m_moving_brick && x == tx && y == ty)
                brick = m_moving_brick.get();
            store.SetInt(CellKey(x, y), brick ? brick->GetColor() : -1);
        }

    // What is under way: a slide lands again, a removal goes on with the
    // same bricks, so no line is lost or scored twice.
    store.SetInt("f_m_status", m_status);
    if (m_status == STATUS_SLIDING && m_moving_brick)
        store.SetInt("f_m_target", m_target);
    if (m_status == STATUS_REMOVING)
    {
        std::string selected;
        for (int y = 0; y < m_height_bricks; ++y)
            for (int x = 0; x < m_width_bricks; ++x)
                if (m_bricks[x][y] && m_bricks[x][y]->IsSelected())
                    selected += (selected.empty() ? "" : " ") + std::to_string(PackPos(x, y));
        store.SetValue("f_m_selected", selected);
    }
}

bool CMoverField::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    int width = 0;
    int height = 0;
    int colors = 0;
    int status = 0;
    if (!ReadSaveInt(store, "f_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "f_m_turns_count", 0, MAX_MOVES, value))
        return false;
    if (!ReadSaveFloat(store, "f_m_alpha", alpha) || alpha < -360.0f || alpha > 360.0f)
        return false;
    if (!ReadSaveInt(store, "f_m_colors", CMoverParams::MIN_COLORS, CMoverParams::MAX_COLORS, colors))
        return false;
    if (!ReadSaveInt(store, "f_m_is_finish", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "f_m_width_bricks", CMoverParams::MIN_BOARD, CMoverParams::MAX_BOARD, width))
        return false;
    if (!ReadSaveInt(store, "f_m_height_bricks", CMoverParams::MIN_BOARD, CMoverParams::MAX_BOARD, height) ||
        height != width)
        return false;

    // Every cell must be there, with a colour in play, a blocker or -1; the
    // board has exactly one empty cell, else no move (or a wrong game) follows.
    int holeX = -1;
    int holeY = -1;
    int holes = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const std::string key = CellKey(x, y);
            int color = 0;
            if (!store.HasKey(key) || !ReadSaveInt(store, key, -1, CMoverParams::SPECIAL_COLOR, color))
                return false;
            if (color >= colors && color != CMoverParams::SPECIAL_COLOR)
                return false;
            if (color == -1)
            {
                ++holes;
                holeX = x;
                holeY = y;
            }
        }
    if (holes != 1)
        return false;

    if (!ReadSaveInt(store, "f_m_status", STATUS_IDLE, STATUS_GROWING, status))
        return false;
    if (status == STATUS_SLIDING)
    {
        // The sliding brick was kept in its target, next to the cell it left.
        int target = 0;
        if (!store.HasKey("f_m_target") || !ReadSaveInt(store, "f_m_target", 0, 0x7FFFFFFF, target))
            return false;
        int tx = UnpackPosX(target);
        int ty = UnpackPosY(target);
        if (tx >= width || ty >= height || std::abs(tx - holeX) + std::abs(ty - holeY) != 1)
            return false;
    }
    if (status == STATUS_REMOVING)
    {
        // Written in every removal, empty or not.
        std::vector<int> selected;
        if (!store.HasKey("f_m_selected") || !ParseCellList(store.GetValue("f_m_selected", ""), selected) ||
            static_cast<int>(selected.size()) > width * height)
            return false;
        for (int pos : selected)
        {
            int x = UnpackPosX(pos);
            int y = UnpackPosY(pos);
            if (pos < 0 || x >= width || y >= height || (x == holeX && y == holeY))
                return false;
        }
    }
    return true;
}

bool CMoverField::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;

    int value = 0;
    // The lines of the frame that was saved were scored before the save.
    m_line_score = 0;
    ReadSaveInt(store, "f_m_turns_count", 0, MAX_MOVES, m_moves_used);
    ReadSaveFloat(store, "f_m_alpha", m_alpha);
    ReadSaveInt(store, "f_m_colors", CMoverParams::MIN_COLORS, CMoverParams::MAX_COLORS, m_colors);
    // The saved board's difficulty, not the one chosen since, sets the limit.
    m_move_limit = CMoverParams::MoveLimitFor(GetGameDifficulty());
    ReadSaveInt(store, "f_m_is_finish", 0, 1, value);
    m_is_finish = (value == 1);
    ReadSaveInt(store, "f_m_width_bricks", CMoverParams::MIN_BOARD, CMoverParams::MAX_BOARD, m_width_bricks);
    ReadSaveInt(store, "f_m_height_bricks", CMoverParams::MIN_BOARD, CMoverParams::MAX_BOARD, m_height_bricks);
    m_sample_brick->SetScale(GetBrickSize());

    ClearCells();
    for (int y = 0; y < m_height_bricks; ++y)
        for (int x = 0; x < m_width_bricks; ++x)
        {
            int color = -1;
            ReadSaveInt(store, CellKey(x, y), -1, CMoverParams::SPECIAL_COLOR, color);
            if (color != -1)
                CreateBrickAt(x, y, color);
        }

    ReadSaveInt(store, "f_m_status", STATUS_IDLE, STATUS_GROWING, m_status);
    if (m_status == STATUS_SLIDING)
    {
        // Lifted out of its target again: the next frame lands it there and
        // checks the lines as the slide would have.
        ReadSaveInt(store, "f_m_target", 0, 0x7FFFFFFF, m_target);
        m_moving_brick = std::move(m_bricks[UnpackPosX(m_target)][UnpackPosY(m_target)]);
    }
    else if (m_status == STATUS_REMOVING)
    {
        std::vector<int> selected;
        ParseCellList(store.GetValue("f_m_selected", ""), selected);
        for (int pos : selected)
            m_bricks[UnpackPosX(pos)][UnpackPosY(pos)]->Select();
    }
    return true;
}
