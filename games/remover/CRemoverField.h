#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"

class CConfigFile;
class CFramePrint;
class CGameEvents;
class CRemoverBrick;
class CRemoverParams;
class CRandom;
class CResManager;

// The remover's checkerboard: deals the board, removes same-colour groups,
// counts bonuses down, queues blocker bricks, refills emptied cells with
// bricks that fly in, and reports when the board is full or empty. All
// counting is per update call; the field has no clock of its own.
class CRemoverField : public CGameField
{
public:
    static constexpr int MAX_CELLS = 15;
    static constexpr int MIN_GROUP = 4;
    enum { STATUS_IDLE = 0, STATUS_REMOVING = 1, STATUS_ADDING = 2 };
    // Updates between two launches of queued bricks.
    static constexpr unsigned LAUNCH_PAUSE = 300;
    static constexpr unsigned PAUSE_STEP = 30;

    // Takes size and difficulty from the parameter object. events may be null
    // (silent); resources is the running menu's manager, null without GL.
    // Every random choice is drawn from random.
    CRemoverField(CRemoverParams& params, CGameEvents* events, CResManager* resources, CRandom& random);
    ~CRemoverField() override;

    int GetHeight() const override { return m_height_bricks; }
    int GetWidth() const override { return m_width_bricks; }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CVector4 GetBrickPosition(int x, int y) const;
    CRemoverBrick* GetRemoverBrick(int x, int y) const;

    // Deals a fresh board: random colours on the even cells only.
    void NewLevel(int level);
    void Update();
    void Draw();
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;

    void SetAlpha(float alpha) { m_alpha = alpha; }
    float GetAlpha() const { return m_alpha; }
    int GetStatus() const { return m_status; }
    bool IsFinished() const { return m_is_finish; }
    void Reskin();

    void Save(CConfigFile& store) const;
    // True when the store holds a field this class can load without harm.
    static bool ValidateSave(const CConfigFile& store);
    // Replaces the board with the stored one; false (nothing changed) when the
    // store does not pass ValidateSave.
    bool Load(const CConfigFile& store);

    // Selects the group of a placed brick; returns the size of the selected
    // region holding it when the group has four or more bricks, else 0.
    int SelectGroup(CRemoverBrick* brick);
    const std::vector<int>& GetCollectedBonuses() const { return m_collected_bonuses; }
    void ClearCollectedBonuses() { m_collected_bonuses.clear(); }
    void SelectRandomSpecial();
    void SelectAllSpecial();
    // Queues one blocker brick for a free odd cell that no queued or flying
    // brick already targets; queues nothing when there is none.
    void AddPenaltyBrick();
    void SetRefillRequest(bool refill) { m_refill = refill; }
    bool GetRefillRequest() const { return m_refill; }
    void ClearNewFlags();

    int GetColorCount() const { return static_cast<int>(m_colors.size()); }
    int GetStartColorCount() const { return m_start_colors_count; }
    const std::vector<int>& GetColors() const { return m_colors; }
    int GetRandomColor() const;

    // Cell under a point of the board plane (floored); false outside the board.
    bool CellFromPoint(const CVector4& point, int* x, int* y) const;
    // Takes the brick when the cell is inside the board and empty; the brick
    // stays with the caller otherwise.
    bool PutBrick(std::unique_ptr<CRemoverBrick>& brick, int x, int y);
    // A queued or flying brick is bound for this cell.
    bool IsCellReserved(int x, int y) const;
    bool FindBrick(const CRemoverBrick* brick, int* x, int* y) const;
    int CountBricks() const;
    bool HasColor(int color) const;
    // Drops from the colours in play every colour no longer on an even cell.
    void DropVanishedColors();

    CLight* GetLight() { return &m_light; }
    const CRemoverBrick* GetTemplateBrick() const { return m_template_brick.get(); }
    float GetBrickDepth() const;
    CGameEvents* GetEvents() const { return m_events; }
    CRemoverParams& GetParams() const { return m_params; }

    // A new brick of the colour at its cell centre, scaled to the cell: for
    // dealing and loading, and for tests that build boards.
    CRemoverBrick* CreateBrickAt(int x, int y, int color);
    // A new brick not on the board, scaled to the cell, at a position.
    std::unique_ptr<CRemoverBrick> NewBrick(int color, const CVector4& position) const;
    void RemoveBrick(int x, int y);

    int GetQueuedCount() const { return static_cast<int>(m_bricks_adding.size()); }
    int GetFlyingCount() const { return static_cast<int>(m_bricks_adding_current.size()); }
    int GetQueuedTarget(int i) const { return m_bricks_adding_pos[i]; }
    int GetFlyingTarget(int i) const { return m_bricks_adding_current_pos[i]; }
    CRemoverBrick* GetQueuedBrick(int i) const { return m_bricks_adding[i].get(); }
    CRemoverBrick* GetFlyingBrick(int i) const { return m_bricks_adding_current[i].get(); }
    unsigned GetAddingPause() const { return m_adding_pause; }

private:
    bool IsInside(int x, int y) const;
    static bool IsEvenCell(int x, int y) { return (x + y) % 2 == 0; }
    CVector4 DrawStartPoint() const;
    void Refill();
    void UpdateAdding();
    void FillGroup(int x, int y, int color, int& count);
    void ClearGroup(int x, int y, int color);
    void CountRegion(int x, int y, std::vector<char>& visited, int& count) const;
    void ResetColors(int count);

    std::vector<int> m_collected_bonuses;
    CRandom& m_random;
    CRemoverParams& m_params;
    CGameEvents* m_events;
    CResManager* m_resources;
    CLight m_light;
    std::unique_ptr<CRemoverBrick> m_bricks[MAX_CELLS][MAX_CELLS];
    std::unique_ptr<CRemoverBrick> m_template_brick;
    int m_status = STATUS_IDLE;
    int m_width_bricks;
    int m_height_bricks;
    bool m_is_finish = false;
    float m_alpha = 0.0f;
    float m_width;
    float m_height;
    std::vector<std::unique_ptr<CRemoverBrick>> m_bricks_adding;
    std::vector<int> m_bricks_adding_pos;
    std::vector<std::unique_ptr<CRemoverBrick>> m_bricks_adding_current;
    std::vector<int> m_bricks_adding_current_pos;
    unsigned m_adding_pause = 0;
    std::vector<int> m_colors;
    int m_start_colors_count;
    bool m_refill = true;
    CModelBatch m_batch;
};
