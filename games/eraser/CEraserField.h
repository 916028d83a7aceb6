#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "games/eraser/CEraserBrick.h"
#include "shell/game/CCellBoard.h"
#include "shell/game/CGameField.h"
#include "shell/game/CScorePopups.h"

class CBitmapFont;
class CConfigFile;
class CEraserParams;
class CFramePrint;
class CGameEvents;
class CRandom;
class CResManager;

// The eraser's square board: deals a level, takes away a clicked group of
// touching same-colour bricks, lets the bricks above fall, closes empty
// columns toward the middle, and when no group is left takes the leftovers
// away one by one. Each update reports, as a signed count, the bricks it
// removed: +1 for a brick of a clicked group, -1 for a leftover, level x 100
// in the update that finds the board cleared.
class CEraserField : public CGameField
{
public:
    enum { STATE_IDLE = 0, STATE_REMOVING = 1, STATE_FALLING = 2, STATE_CLOSING = 3, STATE_SWEEP = 4 };
    static constexpr int MAX_CELLS = 15;
    static constexpr int MIN_SIDE = 8;
    static constexpr int MAX_SIDE = 14;
    static constexpr int CLEAR_BONUS_PER_LEVEL = 100;
    static constexpr int SOUND_GROUP = 101;
    static constexpr int SOUND_CLEARED = 102;
    static constexpr int SOUND_LANDED = 103;
    static constexpr int SOUND_SWEEP = 104;
    static constexpr int SOUND_HOVER = 105;

    // Takes size and difficulty from the parameter object; deals draw from
    // the game's random source. events may be null (silent), resources null
    // (no lights: tests), font null (no popups drawn).
    CEraserField(const CEraserParams& params, CGameEvents* events, CResManager* resources, CRandom& random,
                 const CBitmapFont* font = nullptr);
    ~CEraserField() override;

    int GetHeight() const override { return m_board.GetRows(); }
    int GetWidth() const override { return m_board.GetColumns(); }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override { return m_board.Get(x, y); }
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CEraserBrick* GetEraserBrick(int x, int y) const { return m_board.Get(x, y); }

    // Deals a fresh board: every colour equally often, shuffled.
    void NewLevel(int level);
    void Update(float dt);
    void Draw();
    // What Draw reads, for the frame cache: each brick and each popup a
    // board part of its own.
    void AddToPrint(CFramePrint& print) const;

    bool PickCell(const CVector4& point, int& x, int& y) const { return m_board.PickCell(point, x, y); }
    // Marks the brick's group for removal; returns its size, or 0 when the
    // group is too small, the brick is not on the board, or the field is busy.
    int SelectGroup(CEraserBrick* brick);
    void AddScorePopup(int count, const CVector4& position);
    // Highlights the removable group under a point of the board plane.
    void Highlight(const CVector4& point);
    // One frame of every brick's highlight zoom.
    void StepZooms();
    int CountGroups() const { return m_board.CountGroups(m_group_min); }
    int CountBricks() const { return m_board.CountBricks(); }

    void Save(CConfigFile& store) const;
    // True when the store holds a board this class can load without harm.
    static bool ValidateSave(const CConfigFile& store);
    // Replaces the board with the stored one and lets it settle at once;
    // false, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    int GetState() const { return m_state; }
    bool IsFinished() const { return m_is_finish; }
    int GetRemovedCount() const { return m_score; }
    void SetAlpha(float alpha) { m_alpha = alpha; }
    float GetAlpha() const { return m_alpha; }
    int GetLevel() const { return m_current_level; }
    int GetColorCount() const { return m_colors; }
    int GetGroupMin() const { return m_group_min; }
    // The difficulty and size this board was dealt for (a loaded board: as
    // saved), which its rules and its score table follow.
    int GetDifficulty() const { return m_difficulty; }
    int GetSize() const;
    // What one leftover brick costs on the current level.
    int GetPenalty() const;
    const CEraserBrick& GetTemplateBrick() const { return *m_template_brick; }
    const CScorePopups& GetPopups() const { return m_popups; }
    const CCellBoard<CEraserBrick>& GetBoard() const { return m_board; }

    // A new brick of the colour on its cell centre: for dealing, loading and
    // tests that build boards.
    CEraserBrick* CreateBrickAt(int x, int y, int color);
    void RemoveBrick(int x, int y) { m_board.Remove(x, y); }

private:
    // Gravity: every brick falls onto the one below it.
    void DropBricks();
    // Falling, then closing the empty columns, one step a frame.
    void MoveBricks(float dt);
    // The end of a level: the leftovers go one at a time, each costing points.
    void Sweep(float dt);
    void ClearHighlight();
    void SetBoardSize(int side);
    // The difficulty of a valid save (see ValidateSave), once m_colors holds its colours.
    int DifficultyOfSave(const CConfigFile& store, int side) const;
    void PlaySound(int id) const;

    const CEraserParams& m_params;
    CGameEvents* m_events;
    CResManager* m_resources;
    CRandom& m_random;
    const CBitmapFont* m_font;
    CLight m_light1;
    CLight m_light2;
    CCellBoard<CEraserBrick> m_board;
    std::unique_ptr<CEraserBrick> m_template_brick;
    int m_difficulty;
    int m_colors;
    int m_score = 0;
    int m_current_level = 1;
    int m_score_brick;
    int m_state = STATE_IDLE;
    bool m_is_finish = false;
    int m_group_min;
    float m_field_width;
    float m_alpha = 0.0f;
    CScorePopups m_popups;
    CModelBatch m_batch;
};
