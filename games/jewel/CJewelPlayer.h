#pragma once

#include <memory>

#include "engine/gfx/CVector4.h"

class CBJBonusesList;
class CConfigFile;
class CFramePrint;
class CGameEvents;
class CJewelField;
class CJewelParams;
class CModel;

// What the player object sees of the mouse in one frame: the cursor in
// window pixels (only to notice that it moved), the cursor cast onto the
// board surface, and whether the left button is held.
struct SJewelPointer
{
    int m_window_x = 0;
    int m_window_y = 0;
    CVector4 m_point;
    bool m_button = false;
};

// Turns the mouse into jewel moves: selects a brick, asks the field for a
// swap, picks a bonus figure from the list, carries it and fires it on the
// brick under the cursor; lights the brick under the cursor and asks for a
// hint when the cursor has rested five seconds. It owns the bonus list.
class CJewelPlayer
{
public:
    enum { INPUT_READY = 0, INPUT_WAITING = 1 };
    static constexpr float HINT_DELAY_MS = 5000.0f;
    static constexpr float FIGURE_FOLLOW = 0.2f;
    static constexpr int SOUND_SELECT = 132;

    CJewelPlayer(const CJewelParams& params, CJewelField& field, CGameEvents* events);
    ~CJewelPlayer();

    void OnMouse(float dt, const SJewelPointer& pointer);
    void UseBonus(CVector4 point, bool button);
    void AddPoints(int points);
    void Draw();
    // What Draw reads, for the frame cache: the bonus figures and the held
    // one parts of their own.
    void AddToPrint(CFramePrint& print) const;

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    int GetInputMode() const { return m_input_mode; }
    const CModel* GetFigure() const { return m_figure.get(); }
    CBJBonusesList& GetBonuses() { return *m_bonuses_list; }
    float GetIdleTime() const { return m_idle_time; }
    float GetBoardDepth() const { return m_board_depth; }

private:
    // The field's no-move test stays off while any figure is held, in the
    // list or on the cursor.
    void UpdateBonusHeld();

    const CJewelParams& m_params;
    CJewelField& m_field;
    CGameEvents* m_events;
    std::unique_ptr<CBJBonusesList> m_bonuses_list;
    int m_input_mode = INPUT_READY;
    float m_board_depth;
    std::unique_ptr<CModel> m_figure;
    float m_idle_time = 0.0f;
    bool m_has_last = false;
    int m_last_x = 0;
    int m_last_y = 0;
};
