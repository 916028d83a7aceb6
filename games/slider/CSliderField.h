#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CVector4.h"
#include "games/slider/CSliderScorePopup.h"
#include "shell/game/CGameField.h"

class CBitmapFont;
class CConfigFile;
class CFramePrint;
class CGameEvents;
class CRandom;
class CResManager;
class CSliderArrow;
class CSliderBrick;
class CSliderParams;

// The slider's board: a square of cells whose outer ring holds the edge
// arrows and whose inner cells hold the bricks. A click on an arrow turns
// the arrow's row or column by one cell toward it: the brick beside the
// arrow is lifted, the rest of the line slides one cell as one piece, and
// the lifted brick is carried over to the freed cell at the far end. After
// every move same-colour groups of five or more vanish. Every step is one
// call of Update; the field has no clock of its own.
class CSliderField : public CGameField
{
public:
    static constexpr int MAX_CELLS = 25;
    static constexpr int MIN_GROUP = 5;
    enum
    {
        STATUS_IDLE = 0,
        STATUS_REMOVING = 1,
        STATUS_LIFT = 3,
        STATUS_SETTLE = 4,
        STATUS_PUT_IN = 5,
        STATUS_SLIDE = 6
    };
    enum { DIR_UP = 0, DIR_DOWN = 1, DIR_LEFT = 2, DIR_RIGHT = 3 };
    static constexpr int SOUND_LIFT = 121;
    static constexpr int SOUND_LIFT_NOTHING = 122;
    static constexpr int SOUND_PUT_IN = 123;
    static constexpr int SOUND_FINISHED = 124;
    static constexpr int SOUND_REMOVED = 125;
    static constexpr int SOUND_BONUS = 126;

    // Size and colours come from the parameter object. events may be null
    // (silent); resources is the running menu's manager, null without GL;
    // the deal draws from the game's random source.
    CSliderField(CSliderParams& params, CGameEvents* events, CResManager* resources, CRandom& random);
    ~CSliderField() override;

    int GetHeight() const override { return m_height_bricks; }
    int GetWidth() const override { return m_width_bricks; }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CVector4 GetBrickPosition(int x, int y) const;
    CSliderBrick* GetSliderBrick(int x, int y) const;
    CSliderArrow* GetArrow(int x, int y) const;

    // Clears the board and deals a balanced, shuffled one.
    void NewLevel();
    void Update();
    // turningArrows: false leaves the turning arrows (CSliderArrow::IsTurning)
    // to DrawTurningArrows, so that the rest can be held as one picture.
    void Draw(bool turningArrows = true);
    // Draws the turning arrows and appends the logical rectangles (800 x 600,
    // y down) they cover under the current camera.
    void DrawTurningArrows(std::vector<CDraw2D::SRect>& covered);
    void DrawPopups(const CBitmapFont* font);
    // What Draw and DrawPopups read or change, for the frame cache; turning
    // arrows count only as turning.
    void AddToPrint(CFramePrint& print) const;

    // Starts a move from a clicked cell. True whenever the field was idle,
    // also for a cell that starts nothing (an inner cell or a corner).
    bool StartMove(int x, int y);
    // The cursor on the board surface: highlights the line of a hovered
    // arrow and spins that arrow.
    void Hover(const CVector4& point);
    void StopArrows();

    // Selects and scores every group of MIN_GROUP or more; runs after a move.
    void RemoveGroups();
    // Selects the group of a brick on the board and returns its size.
    int CountGroup(CSliderBrick* brick);
    bool NoGroupsLeft() const;
    bool IsCleared() const;
    static int GroupScore(int n) { return n * (n + 1); }
    void ShowBonus(int bonus);

    void Reskin();
    void Save(CConfigFile& store) const;
    // True when the store holds a board this class can load without harm.
    static bool ValidateSave(const CConfigFile& store);
    // Replaces the board with the stored one; false (nothing changed) when
    // the store fails ValidateSave. A move saved half-way resumes.
    bool Load(const CConfigFile& store);

    // Cell under a point of the board plane (floored); false outside.
    bool CellFromPoint(const CVector4& point, int& x, int& y) const;
    // Takes the brick when the cell is an empty inner cell.
    bool PutBrick(std::unique_ptr<CSliderBrick>& brick, int x, int y);
    bool FindBrick(const CSliderBrick* brick, int& x, int& y) const;
    // A new brick at the cell centre, for dealing, loading and tests.
    CSliderBrick* CreateBrickAt(int x, int y, int color);
    void RemoveBrick(int x, int y);
    int CountBricks() const;
    bool IsInner(int x, int y) const;

    int GetStatus() const { return m_status; }
    bool GetFinished() const { return m_is_finish; }
    int GetScore() const { return m_score; }
    bool IsMoveDone() const { return m_is_move_done; }
    void ClearScore();
    void SetAlpha(float alpha) { m_alpha = alpha; }
    float GetAlpha() const { return m_alpha; }
    int GetColorCount() const { return m_colors; }
    float GetBrickDepth() const;
    const CSliderBrick* GetSampleBrick() const { return m_sample_brick.get(); }
    const CSliderBrick* GetMovingBrick() const { return m_brick_moving.get(); }
    int GetMovingTargetX() const { return m_brick_moving_pos_i; }
    int GetMovingTargetY() const { return m_brick_moving_pos_j; }
    int GetLineDirection() const { return m_line_moving_dir; }
    const std::vector<CSliderScorePopup>& GetPopups() const { return m_popups; }

private:
    bool IsInside(int x, int y) const;
    void SetBoardSize(int cells);
    void CreateArrows();
    void ClearBricks();
    void PlaySound(int id, bool restart) const;
    void AddPopup(const char* text, float size, float y);

    void SelectGroup(int x, int y, int color, int& count);
    void UnselectGroup(int x, int y, int color);

    // The cell the arrow's line gives up and the one the lifted brick goes
    // to; false for a corner or an inner cell.
    static bool LineOfArrow(int x, int y, int cells, int& liftX, int& liftY, int& targetX, int& targetY,
                            int& dir);
    static bool LiftedCellOf(int dir, int targetX, int targetY, int cells, int& x, int& y);
    // The stored move fits the stored board (filled[x][y]: a brick there).
    static bool ValidateSavedMove(const CConfigFile& store, int cells, const bool (*filled)[MAX_CELLS]);
    void BeginSlide();
    void Lift();
    void Slide();
    void PutIn();
    void Settle();
    // Every cell of the moving line one step toward the arrow, holes included.
    void ShiftLine();
    // The inner cells of the moving line, in order of their destination.
    void LineCells(std::vector<std::pair<int, int>>& cells) const;
    void HighlightLine(int x, int y, bool row);
    // Unlit, untextured, opaque: the state the board's models are drawn in.
    void BeginDrawState();
    void RestoreMove(const CConfigFile& store);

    CSliderParams& m_params;
    CGameEvents* m_events;
    CResManager* m_resources;
    CRandom& m_random;
    std::unique_ptr<CSliderBrick> m_bricks[MAX_CELLS][MAX_CELLS];
    CLight m_light;
    std::unique_ptr<CSliderBrick> m_sample_brick;
    int m_colors = 1;
    int m_score = 0;
    int m_status = STATUS_IDLE;
    int m_width_bricks = 12;
    int m_height_bricks = 12;
    bool m_is_finish = false;
    float m_width;
    float m_height;
    float m_alpha = 0.0f;
    std::unique_ptr<CSliderBrick> m_brick_moving;
    int m_brick_moving_pos_i = -1;
    int m_brick_moving_pos_j = -1;
    int m_line_moving_dir = -1;
    // How far the sliding line still is from its destination cells, along
    // the line; the whole line moves by it, so all its bricks land together.
    float m_slide_offset = 0.0f;
    std::unique_ptr<CSliderArrow> m_arrows[MAX_CELLS][MAX_CELLS];
    bool m_is_move_done = false;
    std::vector<CSliderScorePopup> m_popups;
    CModelBatch m_batch;
    // Drawing only: where a turning arrow is drawn before it is laid over
    // the window.
    COffscreenLayer m_turning_layer;
};
