#pragma once

#include <cstdint>
#include <memory>

#include "engine/gfx/CVector4.h"
#include "shell/game/CRandom.h"

class CConfigFile;
class CFramePrint;
class CGameApp;
class CGameBackground;
class CGameEvents;
class CGameFrameCache;
class CLevelBricksEffect;
class CLevelFlipEffect;
class CMoverField;
class CMoverParams;
class CMoverPlayer;

// One running mover game: the field, the picker, the background, the level
// effects, the score and the heads-up display. A game has one board; when
// no line can be completed any more the rows fall and the game is over.
class CMoverGame
{
public:
    static constexpr int SOUND_LEVEL = 151;

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. Every
    // random choice comes from one source seeded with seed, so a seed and the
    // same pointer moves replay a game exactly.
    CMoverGame(CGameApp* app, CMoverParams& params, CGameEvents* events, std::uint32_t seed);
    ~CMoverGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it.
    void Draw(CGameFrameCache* cache = nullptr);
    // Everything Draw reads of the game: board, heads-up values, caption.
    void AddToPrint(CFramePrint& print) const;
    bool IsGameOver() const { return m_game_over; }
    int GetScore() const { return m_score; }
    int GetLevel() const { return m_level; }
    float GetCaptionAlpha() const { return m_caption_alpha; }
    // The caption's fade never reaches zero; once it could no longer change
    // a pixel it is not drawn, so that a resting board's picture stands still.
    bool IsCaptionShown() const;
    const CVector4& GetCaptionPosition() const { return m_caption_position; }

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The pointer on the board plane and the button, used when there is no
    // application to poll.
    void SetPointer(const CVector4& point, bool button);

    CMoverField& GetField() { return *m_field; }
    const CMoverField& GetField() const { return *m_field; }
    CMoverPlayer& GetPlayer() { return *m_player; }
    bool IsEffectRunning() const { return m_start_effect || m_end_effect; }

    // 2 + 4 + ... + 2m for a line score of m.
    static int LineScore(int m) { return m > 0 ? m * (m + 1) : 0; }

private:
    void StartLevel(int level);
    void EndLevel(float dt);
    void UpdateCaption(float dt);
    void PollInput();
    void AddScore(int points);
    void DrawInfo();

    CGameApp* m_app;
    CMoverParams& m_params;
    CGameEvents* m_events;
    CRandom m_random;
    int m_score = 0;
    int m_score_level = 0;
    int m_score_step = 0;
    int m_score_step_level = 0;
    std::unique_ptr<CMoverField> m_field;
    std::unique_ptr<CMoverPlayer> m_player;
    float m_tilt = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_start_effect;
    std::unique_ptr<CLevelFlipEffect> m_end_effect;
    std::unique_ptr<CGameBackground> m_background;
    bool m_game_over = false;
    int m_level = 0;
    CVector4 m_caption_position;
    float m_caption_alpha = 1.0f;
    CVector4 m_pointer;
    bool m_button = false;
};
