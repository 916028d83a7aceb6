#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CVector4.h"
#include "games/remover/CRemoverScorePopup.h"

class CBitmapFont;
class CConfigFile;
class CFramePrint;
class CGameEvents;
class CRemoverBrick;
class CRemoverField;
class CRemoverParams;
class CRandom;

// The player side of a remover game: the bricks dealt each turn, the brick in
// hand, its placing, the turn resolution with its scores, bonuses and
// penalties, and the player's part of the saved game. It sees the pointer
// only as a point on the board plane and a button state, so that whole games
// run without a window.
class CRemoverPlayer
{
public:
    enum { STATE_AIMING = 0, STATE_PLACING = 1, STATE_RESOLVED = 2, STATE_GROWING = 3 };
    static constexpr int COLOR_BONUS = 5000;
    static constexpr int BONUS_SMALL_SCORE = 500;
    static constexpr int BONUS_LARGE_SCORE = 2000;
    static constexpr int SOUND_TURN_PENALTY = 111;
    static constexpr int SOUND_LANDED = 112;
    static constexpr int SOUND_TURN_CLEAN = 115;
    static constexpr float CLICK_PAUSE_MS = 500.0f;
    static constexpr float QUEUE_X = -450.0f;

    // font may be null (no score labels drawn); events may be null (silent).
    // Every random choice is drawn from random.
    CRemoverPlayer(CRemoverParams& params, CRemoverField& field, CGameEvents* events,
                   const CBitmapFont* font, CRandom& random);
    ~CRemoverPlayer();

    // One frame: cursor is the pointer cast onto the aiming height, button
    // whether the left button is held.
    void Update(float dt, const CVector4& cursor, bool button);
    void UpdatePopups(float dt);
    void NewTurn();
    void Draw();
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    void Reskin();

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store, int boardWidth);
    // Call after the field was loaded: placed bricks are looked up on it.
    bool Load(const CConfigFile& store);

    int GetState() const { return m_state; }
    int GetScore() const { return m_score; }
    int GetTurns() const { return m_turns; }
    int GetTurnSize() const { return m_turn_size; }
    float GetClickPause() const { return m_click_pause; }
    // Height above the board at which the held brick travels.
    float GetAimHeight() const;

    int GetQueueCount() const { return static_cast<int>(m_queue.size()); }
    CRemoverBrick* GetQueued(int i) const { return m_queue[i].get(); }
    CRemoverBrick* GetHeld() const { return m_held.get(); }
    const std::vector<CRemoverBrick*>& GetPlaced() const { return m_placed; }
    const std::vector<CRemoverScorePopup>& GetPopups() const { return m_popups; }

    // 1 + 2 + ... + n.
    static int GroupScore(int n) { return n > 0 ? n * (n + 1) / 2 : 0; }


private:
    void TakeNextBrick();
    void MoveHeldBrick(const CVector4& cursor);
    void PlaceBrick(CVector4 cursor, bool button);
    void UpdatePlacing();
    void UpdateGrowIn();
    void ResolveTurn();
    std::unique_ptr<CRemoverBrick> NewBrick(int color) const;
    void PlaySound(int id, bool restart) const;

    CRemoverParams& m_params;
    CRemoverField& m_field;
    CGameEvents* m_events;
    const CBitmapFont* m_font;
    CRandom& m_random;
    int m_state = STATE_AIMING;
    std::vector<std::unique_ptr<CRemoverBrick>> m_queue;
    // On the board, owned by the field.
    std::vector<CRemoverBrick*> m_placed;
    std::vector<CRemoverScorePopup> m_popups;
    std::unique_ptr<CRemoverBrick> m_held;
    float m_cell_size;
    float m_brick_depth;
    float m_click_pause = 0.0f;
    int m_turns = 0;
    bool m_landed_sound = false;
    CVector4 m_target;
    int m_score = 0;
    int m_turn_size = -1;
};
