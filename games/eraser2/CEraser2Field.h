#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "games/eraser2/CEraser2Brick.h"
#include "shell/game/CCellBoard.h"
#include "shell/game/CGameField.h"
#include "shell/game/CScorePopups.h"

class CBitmapFont;
class CConfigFile;
class CEraser2Params;
class CFramePrint;
class CGameEvents;
class CRandom;
class CResManager;

// The Eraser II board: dealt once a game, three colours on a square board or
// four on a wide one. A clicked group of touching same-colour bricks goes,
// the bricks above fall, empty columns close toward the middle. Two feeder
// columns stand two cells beyond the board's edges: an empty one refills
// from below, and a full one pushes its bricks into their rows when the
// edge column on its side has emptied. When no group can be taken any more
// the leftovers go one by one and the field is finished. Each update
// reports the bricks it removed (and, once, the clear bonus).
class CEraser2Field : public CGameField
{
public:
    enum { STATE_IDLE = 0, STATE_REMOVING = 1, STATE_FALLING = 2, STATE_MOVING = 3, STATE_SWEEP = 4 };
    static constexpr int MAX_COLUMNS = 25;
    static constexpr int MAX_ROWS = 15;
    static constexpr int CLEAR_BONUS_PER_LEVEL = 100;
    static constexpr int SOUND_GROUP = 141;
    static constexpr int SOUND_LANDED = 143;
    static constexpr int SOUND_SWEEP = 144;
    static constexpr int SOUND_HOVER = 145;
    static constexpr int SOUND_REFILL = 146;
    static constexpr int SOUND_PUSH = 147;
    // How freshly filled feeder bricks rise into place.
    static constexpr float kSlideFraction = 0.07f;
    static constexpr float kSlideSpeed = 1.2f;

    // Board shape from the parameter object's size and colour option;
    // refills draw from the game's random source. events may be null
    // (silent), resources null (no lights: tests), font null (no popups drawn).
    CEraser2Field(const CEraser2Params& params, CGameEvents* events, CResManager* resources, CRandom& random,
                  const CBitmapFont* font = nullptr);
    ~CEraser2Field() override;

    // Columns and rows of a board shape: option 1 is the wide four-colour
    // board, anything else the square one.
    static void GetShape(int option, int size, int& columns, int& rows);
    // The option and size of the board shape with these columns and rows;
    // false when the kind has no such board.
    static bool FindShape(int columns, int rows, int& option, int& size);

    int GetHeight() const override { return m_board.GetRows(); }
    int GetWidth() const override { return m_board.GetColumns(); }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override { return m_board.Get(x, y); }
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CEraser2Brick* GetEraser2Brick(int x, int y) const { return m_board.Get(x, y); }

    void NewLevel(int level);
    void Update(float dt);
    // Board and feeder bricks and the score popups; not the bricks' icons
    // and numbers, which turn all the time (see DrawSprites).
    void Draw();
    // What Draw reads, for the frame cache: each brick and each popup a part
    // of its own, which moves while it moves.
    void AddToPrint(CFramePrint& print) const;
    // One frame of every brick's zoom and swell (see CEraser2Brick::StepLook),
    // after the frame's clicks and hovers, before it is drawn.
    void StepLooks();
    // Every brick's icon and number over everything, one call per picture.
    void DrawSprites();
    // Places every brick's icon and number (see CEraser2Brick::PlaceSprites)
    // and appends the corners of the area each pair covers, low then high,
    // in board space.
    void PlaceSprites(std::vector<CVector4>& corners);

    bool PickCell(const CVector4& point, int& x, int& y) const { return m_board.PickCell(point, x, y); }
    // Marks the brick's group for removal; returns its size, or 0 when the
    // group is too small or the brick is not on the board.
    int TakeGroup(CEraser2Brick* brick);
    void AddScorePopup(int count, const CVector4& position);
    void Hover(const CVector4& point);
    int CountRemovableGroups() const { return m_board.CountGroups(m_group_min); }
    int CountBricks() const { return m_board.CountBricks(); }

    // Feeders: side 0 left, 1 right; slot i stands beside board row i.
    CEraser2Brick* GetFeederBrick(int side, int slot) const;
    CVector4 GetFeederPosition(int side, int slot) const;
    int GetFeederCount(int side) const { return m_feed_count[side ? 1 : 0]; }
    bool IsSliding() const { return m_sliding; }
    bool FeederNeedsFill() const;
    void FillFeeders();
    void SlideFeeders(float dt);
    // Pushes each full feeder whose edge column is empty into the board;
    // true when a brick moved.
    bool PushFeeders();

    void Save(CConfigFile& store) const;
    // True when the store holds a board of one of the kind's shapes that
    // this class can load without harm.
    static bool ValidateSave(const CConfigFile& store);
    // Replaces board and feeders with the stored ones, settled at once;
    // false, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    int GetState() const { return m_state; }
    bool IsFinished() const { return m_is_finish; }
    int GetRemoved() const { return m_score; }
    void SetAlpha(float alpha) { m_alpha = alpha; }
    int GetColorCount() const { return m_colors; }
    int GetGroupMin() const { return m_group_min; }
    // The colour option and size of the board in play (a loaded board: as
    // its shape says), which its rules and its score table follow.
    int GetOption() const { return m_option; }
    int GetSize() const { return m_size; }
    const CEraser2Brick& GetTemplateBrick() const { return *m_template_brick; }
    const CScorePopups& GetPopups() const { return m_popups; }
    const CCellBoard<CEraser2Brick>& GetBoard() const { return m_board; }

    // A new brick of the colour on its cell centre (dealing, loading, tests).
    CEraser2Brick* CreateBrickAt(int x, int y, int color);
    void RemoveBrick(int x, int y) { m_board.Remove(x, y); }
    // A feeder brick resting in its slot (loading, tests); colour -1 empties it.
    void SetFeederBrick(int side, int slot, int color);

private:
    void SetShape(int option, int size);
    void ApplyGravity();
    void StepMoves(float dt);
    void Sweep(float dt);
    void ClearHighlight();
    void AdvanceSprites(float dt);
    // Calls visit(brick) for every brick of the board, then of the feeders.
    template <class Visit>
    void ForEachBrick(Visit visit) const;
    std::unique_ptr<CEraser2Brick> NewBrick(int color) const;
    void PlaySound(int id) const;

    const CEraser2Params& m_params;
    CGameEvents* m_events;
    CResManager* m_resources;
    CRandom& m_random;
    const CBitmapFont* m_font;
    CCellBoard<CEraser2Brick> m_board;
    std::unique_ptr<CEraser2Brick> m_feeders[2][MAX_ROWS];
    int m_feed_count[2] = {0, 0};
    CLight m_light1;
    CLight m_light2;
    std::unique_ptr<CEraser2Brick> m_template_brick;
    int m_option = 0;
    int m_size = 0;
    int m_colors = 3;
    int m_score = 0;
    int m_current_level = 1;
    int m_score_step;
    int m_state = STATE_IDLE;
    float m_width = 1.0f;
    float m_height = 1.0f;
    bool m_is_finish = false;
    int m_group_min = 2;
    float m_alpha = 0.0f;
    CScorePopups m_popups;
    bool m_sliding = false;
    int m_hover = -1;
    CModelBatch m_batch;
};
