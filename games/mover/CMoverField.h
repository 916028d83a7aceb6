#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/CGameField.h"

class CConfigFile;
class CFramePrint;
class CGameEvents;
class CMoverBrick;
class CRandom;
class CResManager;

// The mover board: a square of bricks with one empty cell. A brick beside
// the empty cell slides into it; a row or column of one playing colour then
// fades out and grows back with new random bricks, scoring lines plus a bonus
// for the moves left under the move limit. Past that limit regrowing bricks
// may come back as blockers, which fit no line. The board is finished when
// no colour has bricks enough for a line. One call of Update is one frame.
class CMoverField : public CGameField
{
public:
    static constexpr int MAX_CELLS = 15;
    // More moves since a line than any game makes: a larger count in a save
    // is damage, and the count stops here.
    static constexpr int MAX_MOVES = 1000000;
    enum { STATUS_IDLE = 0, STATUS_REMOVING = 1, STATUS_SLIDING = 2, STATUS_GROWING = 3 };

    // Takes size and colours from the parameter object. events
    // may be null (silent); resources is the running menu's manager, null
    // without GL. Every random choice is drawn from random.
    CMoverField(CMoverParams& params, CGameEvents* events, CResManager* resources, CRandom& random);
    ~CMoverField() override;

    int GetHeight() const override { return m_height_bricks; }
    int GetWidth() const override { return m_width_bricks; }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CVector4 GetCellPosition(int x, int y) const;
    CMoverBrick* GetMoverBrick(int x, int y) const;

    // Deals a shuffled board with the same number of bricks of every colour
    // and the hole in the bottom-right cell.
    void NewLevel(int level);
    void Update();
    // Starts a slide of the brick in (x, y) into the first empty neighbour,
    // looked for right, down, left, up. Does nothing (idle) when there is none.
    void MoveBrick(int x, int y);
    void Draw();
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    void Reskin();

    // Cell under a point of the board plane (floored); false outside.
    bool CellFromPoint(const CVector4& point, int* x, int* y) const;
    // Stores the brick when the cell is inside the board and empty; the brick
    // stays with the caller otherwise.
    bool PutBrick(std::unique_ptr<CMoverBrick>& brick, int x, int y);

    // Finds every one-colour row and column and starts removing them.
    void CheckLines();
    // True when no playing colour has bricks enough to fill a line.
    bool IsFinished() const;
    bool GetFinished() const { return m_is_finish; }
    int GetBonusMoves() const;
    int GetLineScore() const { return m_line_score; }
    int GetStatus() const { return m_status; }
    int GetMovesUsed() const { return m_moves_used; }
    void SetMovesUsed(int moves) { m_moves_used = moves < 0 ? 0 : moves; }
    int GetMoveLimit() const { return m_move_limit; }
    int GetColorCount() const { return m_colors; }
    // The size (0..2) and difficulty (0..2) the board was dealt for, read
    // from its edge and its colours.
    int GetGameSize() const { return m_width_bricks - CMoverParams::MIN_BOARD; }
    int GetGameDifficulty() const { return m_colors - CMoverParams::MIN_COLORS; }
    void SetAlpha(float alpha) { m_alpha = alpha; }
    float GetAlpha() const { return m_alpha; }
    const CMoverBrick* GetSampleBrick() const { return m_sample_brick.get(); }
    const CMoverBrick* GetMovingBrick() const { return m_moving_brick.get(); }
    int GetTarget() const { return m_target; }
    CLight* GetLight() { return &m_light; }

    void Save(CConfigFile& store) const;
    // True when the store holds a board this class can load without harm.
    static bool ValidateSave(const CConfigFile& store);
    // Replaces the board with the stored one; false (nothing changed) when the
    // store does not pass ValidateSave.
    bool Load(const CConfigFile& store);

    // A new brick of the colour at rest on its cell: for dealing, loading
    // and tests that build boards.
    CMoverBrick* CreateBrickAt(int x, int y, int color);
    void RemoveBrick(int x, int y);

private:
    bool IsInside(int x, int y) const;
    std::unique_ptr<CMoverBrick> NewBrick(int color) const;
    void ClearCells();
    void Slide();
    void UpdateRemoving();
    void UpdateGrowing();
    void RemoveRow(int y);
    void RemoveColumn(int x);
    void CountLine();
    void RemoveRandomBlocker();

    CMoverParams& m_params;
    CGameEvents* m_events;
    CResManager* m_resources;
    CRandom& m_random;
    std::unique_ptr<CMoverBrick> m_bricks[MAX_CELLS][MAX_CELLS];
    CLight m_light;
    std::unique_ptr<CMoverBrick> m_sample_brick;
    int m_colors;
    int m_line_score = 0;
    int m_status = STATUS_IDLE;
    int m_width_bricks;
    int m_height_bricks;
    bool m_is_finish = false;
    float m_width;
    float m_height;
    float m_alpha = 0.0f;
    std::unique_ptr<CMoverBrick> m_moving_brick;
    int m_target = 0;
    int m_moves_used = 0;
    int m_move_limit;
    CModelBatch m_batch;
};
