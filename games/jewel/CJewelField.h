#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CVector4.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CGameField.h"

class CBitmapFont;
class CConfigFile;
class CFramePrint;
class CGameEvents;
class CJewelBrick;
class CRandom;
class CResManager;

// The jewel board: a square of bricks in up to ten colours. A swap of two
// neighbours stands only when it makes a straight one-colour run through one
// of them; runs fade out, the bricks above fall, new ones drop in, and the
// landing is searched again until the board is quiet. The field counts the
// bricks that vanish in each update, grants the level end, fires the bonus
// strikes, gives hints and says when no swap is left. Its state machine is
// stepped only by Update; it has no clock of its own.
class CJewelField : public CGameField
{
public:
    static constexpr int MAX_CELLS = CJewelParams::MAX_CELLS;
    enum
    {
        STATE_IDLE = 0,
        STATE_REMOVING = 1,
        STATE_FALLING = 2,
        STATE_SWAP = 3,
        STATE_LEVEL_END = 4,
        STATE_LEVEL_CLEARED = 5,
        STATE_SWAP_BACK = 6,
        STATE_STUCK = 7,
        STATE_FINISHED = 8
    };
    static constexpr int SOUND_NO_MOVE = 130;
    static constexpr int SOUND_HOVER = 131;
    static constexpr int SOUND_SELECT = 132;
    static constexpr int SOUND_RUN = 133;
    static constexpr int SOUND_SWAP_BACK = 134;
    static constexpr int SOUND_NEXT_LEVEL = 135;
    static constexpr int SOUND_STRIKE = 136;
    static constexpr int SOUND_RECOLOR = 137;
    static constexpr int SOUND_LANDED = 138;
    static constexpr int SOUND_LEVEL_END = 139;
    // New bricks start above the board from this height.
    static constexpr float DROP_HEIGHT = 500.0f;
    // Keys of the frame print's parts. A brick's is its address, which it
    // keeps while it swaps and falls from cell to cell; the others carry a
    // tag in the top byte, which no address has, and their index below it.
    static constexpr std::uint64_t PART_POPUP = 1ull << 56;
    static constexpr std::uint64_t PART_SLOT = 2ull << 56;
    static constexpr std::uint64_t PART_FIGURE = 3ull << 56;
    static constexpr std::uint64_t PART_HUD = 4ull << 56;

    // Size and difficulty come from the parameter object; every random choice
    // from the game's source. events may be null (silent); resources is the
    // running menu's manager (lights), null without GL; font null draws no
    // popups.
    CJewelField(const CJewelParams& params, CRandom& random, CGameEvents* events, CResManager* resources,
                const CBitmapFont* font);
    ~CJewelField() override;

    int GetHeight() const override { return m_height_bricks; }
    int GetWidth() const override { return m_width_bricks; }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CVector4 GetBrickPosition(int x, int y) const;
    CJewelBrick* BrickAt(int x, int y) const;

    // The cell under a point of the board plane, floored; false off the board.
    bool CellAt(const CVector4& point, int& x, int& y) const;
    const CJewelBrick& GetSampleBrick() const { return *m_sample_brick; }
    float GetBrickDepth() const;
    int GetColorCount() const { return m_colors; }
    int GetGroupSize() const { return m_group_size; }
    // The size and difficulty this board was dealt for (0..2 each), which
    // the saved game keeps: its width, run length and score table follow them.
    int GetGameSize() const { return m_game_size; }
    int GetGameDifficulty() const { return m_game_difficulty; }
    int GetLevel() const { return m_current_level; }
    CLight* GetLight() { return &m_light1; }

    int GetState() const { return m_state; }
    bool IsIdle() const { return m_state == STATE_IDLE; }
    bool IsStuck() const { return m_state == STATE_STUCK; }
    bool IsFinished() const { return m_state == STATE_FINISHED; }
    bool GetIsFinish() const { return m_is_finish; }
    void EndGame();
    int GetScore() const { return m_score; }
    void SetAlpha(float alpha) { m_alpha = alpha; }
    float GetAlpha() const { return m_alpha; }
    void SetBonusHeld(bool held) { m_bonus_held = held; }
    bool IsBonusHeld() const { return m_bonus_held; }

    // 0 .. count - 1 from the game's source; 0 for a count below 1.
    int RandomColor(int count);

    // Level 1 deals a full board that stands with no run and with a move. A
    // later level refills the cells its level end emptied: the bricks left
    // keep their colours, the runs the new ones make cascade and pay, and
    // the board they settle on has a move.
    void NewLevel(int level);
    void Update(float dt);
    // The player pressed the brick of this cell while another is selected.
    void TrySwap(int x, int y);
    bool HasSelection() const;
    void ClearSelection();
    // True (and the state becomes STATE_STUCK) when no swap makes a run;
    // never while a bonus figure is held.
    bool CheckStuck();
    // Every brick but the turning ones (see CJewelBrick::IsTurning), then
    // the popups.
    void Draw();
    bool HasTurning() const;
    // The turning bricks, drawn over the rest of the frame; adds the logical
    // screen rectangles (800 x 600, y down) that they may cover at any turn.
    void DrawTurning(std::vector<CDraw2D::SRect>& covered);
    // What Draw reads, for the frame cache: each brick and each popup a
    // part of its own, within the box it draws in.
    void AddToPrint(CFramePrint& print) const;
    // The board's area in board points: the squares of its cells, flat, in
    // the plane through the bricks' middles. A brick falling in from above
    // is drawn only where it is over this area as the eye sees it.
    void GetBoardBox(CVector4& low, CVector4& high) const;
    // Above its rest on the top row: falling in, and clipped to the board.
    bool IsEntering(const CJewelBrick& brick) const;
    void Reskin();

    // The level end: the bonus popup, then half the board flies away.
    void AddLevelBonus();
    // Strikes of the bonus figures, at the pressed cell; each returns the
    // number of bricks it sent off or recoloured.
    int RemoveBrick(int x, int y);
    int RemoveRow(int x, int y);
    int RemoveColumn(int x, int y);
    int BombAt(int x, int y);
    int RecolorBricks(int x, int y, int color);
    // Takes the bricks of a removal strike still fading off the board at
    // once; their number, for the game to pay. A recolouring has already
    // given its bricks their new colour and is left to end.
    int FinishStrike();
    // Selects the brick of the first swap that makes a run; only when idle.
    void ShowHint();
    void Hover(const CVector4& point);
    void ClearHover();
    int GetPopupCount() const { return static_cast<int>(m_popup_texts.size()); }
    const std::string& GetPopupText(int i) const { return m_popup_texts[i]; }

    // Run search through the brick at (x, y): adds the length of its row run
    // and of its column run, each only when it reaches the group size, and
    // leaves the bricks of those runs marked.
    void FindLines(int x, int y, int& count);
    // Marks the runs through this brick; their length, or 0 when too short.
    int RemoveGroupAt(CJewelBrick* brick);
    void UnmarkAll();
    void Refill();
    bool FindBrick(const CJewelBrick* brick, int& x, int& y) const;
    int GetMovingCount() const { return static_cast<int>(m_moving.size()); }

    void Save(CConfigFile& store) const;
    // True when the store holds a board this field can take: a square board
    // of the width its size and difficulty give, the colour count of its
    // level, colours -1..9, a level from 1.
    static bool ValidateSave(const CConfigFile& store);
    // Clears every cell, then takes the stored board; false (nothing changed)
    // when the store fails ValidateSave. The restored board then falls into
    // its holes and is searched like any landing, so it never rests with
    // holes, standing runs or without a move.
    bool Load(const CConfigFile& store);

    // For building boards in tests and loading: a new brick on the cell centre.
    CJewelBrick* CreateBrickAt(int x, int y, int color);
    void ClearBoard();
    // Resizes an empty board (tests); clamped to 1..15.
    void SetBoardSize(int cells);
    void SetColorCount(int colors) { m_colors = colors; }
    void SetGroupSize(int size) { m_group_size = size; }
    // The colours in play on level L: five, one more a level, at most ten.
    static int ColorsForLevel(int level);

private:
    // The stored size and difficulty; a save written without them names
    // them by its width, the remembered choice deciding where two fit.
    static bool ReadGameChoice(const CConfigFile& store, const CJewelParams* params, int& size, int& difficulty);
    bool IsInside(int x, int y) const;
    int RemoveGroupAtCell(int x, int y);
    void WalkRun(int x, int y, int dx, int dy, int color, int& length);
    void UnmarkWalked();
    bool TrialSwapMakesRun(int x, int y, int nx, int ny);
    bool FindFirstSwap(int& x, int& y);
    void MoveSwap(float dt);
    void OnSwapArrived(float dt);
    void StepRemoval(float dt);
    void ClearLevel(float dt);
    void StepPopups(float dt);
    void StepLooks();
    // The state every brick is drawn in.
    void BeginBricks();
    // The bricks falling in from above (entering) or the others: in one
    // batch, then those drawn alone, the fading ones last.
    void DrawBricks(bool entering);
    // The board's area under the current camera in window pixels (x, y,
    // width, height); false when it cannot be projected.
    bool GetBoardScissor(int box[4]) const;
    void DrawPopups();
    void DealBoard();
    // Every empty cell, rows from the top, takes a brick of DealColor.
    void DealHoles();
    // A later level's start: the refill of a draw that settles with a move,
    // or, where none does, a fresh board that falls in whole.
    void DealLevelStart();
    // Draws the colours of the level start's new bricks and of its
    // cascades' refills into m_planned, again while they would settle
    // without a swap; false when no draw gives one.
    bool PlanLevelStart();
    // The colour of the next new brick: the planned one while any is left.
    int NextNewColor();
    // The column's bricks fall onto the lowest free cells beneath them; the
    // number of cells left empty at its top.
    int FallColumn(int x);
    // The new brick of this cell starts k bricks above the drop height and
    // falls in.
    void DropIn(int x, int y, int k);
    // True when this colour in the cell would make a run with the bricks
    // around it.
    bool CompletesRun(int x, int y, int color) const;
    int DealColor(int x, int y);
    void ForceMove();
    void StartMove(CJewelBrick* brick, int x, int y);
    void PlaySound(int id);
    std::unique_ptr<CJewelBrick> NewBrick(int color) const;
    int StrikeCells(int x0, int y0, int x1, int y1);

    const CJewelParams& m_params;
    CRandom& m_random;
    CGameEvents* m_events;
    CResManager* m_resources;
    const CBitmapFont* m_font;
    std::unique_ptr<CJewelBrick> m_bricks[MAX_CELLS][MAX_CELLS];
    CLight m_light1;
    CLight m_light2;
    std::unique_ptr<CJewelBrick> m_sample_brick;
    int m_colors;
    int m_score = 0;
    int m_current_level = 1;
    int m_state = STATE_IDLE;
    int m_width_bricks;
    int m_height_bricks;
    bool m_is_finish = false;
    int m_group_size;
    int m_game_size;
    int m_game_difficulty;
    float m_side;
    float m_alpha = 0.0f;
    std::vector<CJewelBrick*> m_moving;
    std::vector<int> m_targets;
    // The two bricks of the running swap and their target cells, kept from
    // the press on: they need not arrive in the same update.
    CJewelBrick* m_swap_a = nullptr;
    CJewelBrick* m_swap_b = nullptr;
    int m_swap_target_a = 0;
    int m_swap_target_b = 0;
    std::vector<std::string> m_popup_texts;
    std::vector<CVector4> m_popup_positions;
    CVector4 m_popup_color;
    bool m_bonus_held = false;
    // The new bricks' colours of a level start and of its cascades, in the
    // order the refills take them; dropped when the board settles.
    std::deque<int> m_planned;
    // Bricks newly marked by the run search in progress.
    std::vector<CJewelBrick*> m_walked;
    CModelBatch m_batch;
    // The bricks falling in, drawn through the board's scissor box.
    CModelBatch m_entering_batch;
    // The turning bricks, drawn anew in every frame.
    COffscreenLayer m_turning_layer;
};
