#pragma once

#include "engine/gfx/CVector4.h"
#include "games/filler/CFillerLookAhead.h"

class CFillerField;
class CGameEvents;

// One side of the filler duel. The human (mode 0) picks a colour with a
// colour button or by holding the left button over a board brick; the
// computer (modes 1 to 3, Easy to Hard) picks at once, inside StartTurn, by
// its look-ahead. Each player owns one zone of the field.
class CFillerPlayer
{
public:
    enum { MODE_HUMAN = 0, MODE_EASY = 1, MODE_MEDIUM = 2, MODE_HARD = 3 };
    enum { STATE_IDLE = 0, STATE_WAITING = 2 };
    static constexpr int SOUND_MOVE = 171;

    // Adds the player's zone at (x, y) to the field. events may be null.
    CFillerPlayer(CFillerField& field, CGameEvents* events, int mode, int x, int y);
    ~CFillerPlayer();

    // Snapshots the board for the saved game; a human then waits for a
    // pick, a computer moves at once.
    void StartTurn();
    // The move is made and its wave has ended.
    bool IsTurnDone() const;
    // Recolours the zone with table entry `index`; false, changing nothing,
    // when the colour is held by a zone or the game is over.
    bool ApplyColor(int index, bool withSound);
    // A colour button: only while waiting and only for an allowed colour.
    void PickColor(int value, bool withSound);
    // The human's board pick: the cursor on the board surface and whether
    // the left button is held.
    void Update(float dt, const CVector4& cursor, bool button);

    void ComputerMove();
    // The table index the computer would choose now: the first of the best
    // scores among the free colours; -1 when no colour is free.
    int ChooseColor();
    // The look-ahead's score of table entry `index` on the board as it stands.
    int EvaluateColor(int index, int depth);
    // 2 Easy, 3 Medium, 4 Hard.
    int GetSearchDepth() const;
    int GetScoringKind() const;

    int GetMode() const { return m_mode; }
    int GetState() const { return m_state; }
    int GetZone() const { return m_zone; }
    int GetStartX() const { return m_start_x; }
    int GetStartY() const { return m_start_y; }

private:
    void PrepareSearch();

    int m_start_x;
    int m_start_y;
    int m_zone;
    int m_mode;
    int m_state = STATE_IDLE;
    CFillerField& m_field;
    CGameEvents* m_events;
    CFillerLookAhead m_search;
};
