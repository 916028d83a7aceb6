#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CVector4.h"

class CConfigFile;
class CDesignerField;
class CDesignerFigure;
class CDesignerFigureTray;
class CDesignerParams;
class CFramePrint;
class CGameEvents;
class CRandom;

// The player side of a designer game: fills the tray at every level start,
// picks figures from the tray or off the board, carries one under the
// pointer a brick's depth above the board, turns it, lays it where it fits
// and sends it back otherwise. It sees the pointer only as a point on the
// board plane and two button states, so whole games run without a window.
class CDesignerPlayer
{
public:
    enum { STATE_IDLE = 0, STATE_LAYING = 1, STATE_LIFTING = 2, STATE_RETURNING = 3, STATE_TURNING = 5 };
    static constexpr float CLICK_PAUSE_MS = 300.0f;
    static constexpr int SOUND_PICK = 161;
    static constexpr int SOUND_LANDED = 162;
    static constexpr int SOUND_LIFT = 166;
    static constexpr int SOUND_RETURN = 167;

    // events may be null (silent).
    CDesignerPlayer(CDesignerParams& params, CDesignerField& field, CGameEvents* events);
    ~CDesignerPlayer();

    // Cuts the board into the level's figures and fills the tray with them.
    void NewLevel(CRandom& random);
    // One frame: point is the pointer on the board plane, left and right
    // whether the buttons are held.
    void Update(float dt, const CVector4& point, bool left, bool right);
    // At a level's end: the figure in hand is laid where it is, if it fits.
    void DropSelected();
    // The tray and, with withHand, the figure in hand.
    void Draw(bool withHand = true);
    // The figure in hand alone, lit as Draw lights it.
    void DrawHand();
    // What Draw(withHand) reads, for the frame cache.
    void AddToPrint(CFramePrint& print, bool withHand = true) const;
    void Reskin();

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store, int boardSize);
    // Appends the kinds of the stored figures not on the board, in the tray
    // and in hand; call after ValidateSave.
    static void ReadSavedKinds(const CConfigFile& store, std::vector<int>& kinds);
    // Call after ValidateSave and after the field was loaded.
    void Load(const CConfigFile& store);

    int GetState() const { return m_state; }
    int GetTrayCount() const;
    CDesignerFigureTray& GetTray() { return *m_tray; }
    CDesignerFigure* GetSelected() const { return m_selected.get(); }
    float GetHandDepth() const { return m_hand_depth; }
    float GetClickTimer() const { return m_click_timer; }
    // Whether the figure in hand would fit where it is now, and on which cell.
    bool FindPlace(int& bx, int& by) const;

private:
    void FollowCursor(const CVector4& point);
    void Click(const CVector4& point, bool left);
    void ReleaseDrag();
    void StartLaying(int bx, int by);
    void TurnStep();
    void LayStep();
    void LiftStep(const CVector4& point);
    void PlaySound(int id) const;
    // The field's light on or off for the figures.
    void SetLit(bool lit);

    CDesignerParams& m_params;
    CDesignerField& m_field;
    CGameEvents* m_events;
    std::unique_ptr<CDesignerFigure> m_selected;
    std::unique_ptr<CDesignerFigureTray> m_tray;
    int m_state = STATE_IDLE;
    float m_cell;
    float m_hand_depth;
    float m_click_timer = 0.0f;
    CVector4 m_start;
    CVector4 m_target;
    int m_target_x = 0;
    int m_target_y = 0;
    bool m_landed_sound = false;
    // A held button counts once: the next press needs a release first.
    bool m_left_released = true;
    bool m_right_released = true;
    // The figure in hand was taken by the press still held; let go a cell
    // away from the press, it is laid where it is as soon as it is in hand.
    bool m_dragging = false;
    bool m_drop_pending = false;
    CVector4 m_press_point;
};
