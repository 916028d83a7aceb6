#pragma once

#include <cstdint>
#include <memory>

#include "engine/gfx/CVector4.h"
#include "games/designer/CDesignerHandView.h"
#include "shell/game/CRandom.h"

class CConfigFile;
class CDesignerField;
class CDesignerParams;
class CDesignerPlayer;
class CFramePrint;
class CGameApp;
class CGameBackground;
class CGameEvents;
class CGameFrameCache;
class CLevelFlipEffect;

// One running designer game: level after level an empty board and a tray of
// generated figures, the level score that lifts eat into, the total it adds
// to, the falling rows between levels and the end when a level's score runs
// out.
class CDesignerGame
{
public:
    static constexpr int POINTS_PER_FIGURE = 50;
    static constexpr int PENALTY_PER_LEVEL = 10;
    static constexpr int SOUND_LEVEL_DONE = 165;

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. The
    // seed fixes every level's figures.
    CDesignerGame(CGameApp* app, CDesignerParams& params, CGameEvents* events, std::uint32_t seed);
    ~CDesignerGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it.
    void Draw(CGameFrameCache* cache = nullptr);
    void Reskin();
    // What Draw reads, for the frame cache; the figure in hand only when it
    // is drawn among the rest.
    void AddToPrint(CFramePrint& print, bool withHand) const;

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    // The pointer on the board plane and the buttons, used when there is no
    // application to poll.
    void SetPointer(const CVector4& point, bool left, bool right);

    bool IsGameOver() const { return m_game_over; }
    int GetTotal() const { return m_total; }
    int GetLevel() const { return m_level; }
    int GetLevelScore() const { return m_level_score; }
    int GetPenalty() const { return m_penalty; }
    bool IsLevelEnding() const { return m_flip_effect != nullptr; }
    CDesignerField& GetField() { return *m_field; }
    const CDesignerField& GetField() const { return *m_field; }
    CDesignerPlayer& GetPlayer() { return *m_player; }

private:
    void StartLevel(int level);
    void EndLevel(float dt);
    void MoveBanner(float dt);
    void DrawInfo();
    void PollInput();
    // Whether the stored level can still end with its board covered.
    static bool CanFinishSavedLevel(const CConfigFile& store, int boardSize, int levelScore);

    CGameApp* m_app;
    CDesignerParams& m_params;
    CGameEvents* m_events;
    CRandom m_random;
    int m_total = 0;
    int m_level_score = 0;
    int m_penalty = 0;
    int m_step = 0;
    std::unique_ptr<CDesignerField> m_field;
    std::unique_ptr<CDesignerPlayer> m_player;
    float m_alpha = 0.0f;
    std::unique_ptr<CLevelFlipEffect> m_flip_effect;
    std::unique_ptr<CGameBackground> m_background;
    bool m_game_over = false;
    int m_level = 1;
    CVector4 m_banner_pos;
    float m_banner_alpha = 1.0f;
    CVector4 m_point;
    bool m_left = false;
    bool m_right = false;
    CDesignerHandView m_hand_view;
};
