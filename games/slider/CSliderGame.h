#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CDraw2D.h"
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
class CSliderField;
class CSliderParams;
class CSliderPlayer;

// One running slider game: levels on one board, a budget of moves per level
// that shrinks level by level, the score with the clear bonus, the level
// effects, the heads-up line and the level caption. A level ends when no
// colour can make a group any more or when the moves run out; the game ends
// at the first level end with no moves left.
class CSliderGame
{
public:
    static constexpr int BONUS_PER_MOVE = 10;

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games.
    // seed: the game's random source (the deals).
    CSliderGame(CGameApp* app, CSliderParams& params, CGameEvents* events, std::uint32_t seed);
    ~CSliderGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it: the turning arrows.
    void Draw(CGameFrameCache* cache = nullptr);
    // Everything Draw reads or changes of the game, turning arrows but for
    // their turn: board, popups, heads-up values, caption.
    void AddToPrint(CFramePrint& print) const;
    // The level caption's fade never reaches zero; once it could no longer
    // change a pixel it is not drawn, so that a resting board stands still.
    bool IsTitleShown() const;
    void StartLevel(int level);
    void Reskin();

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    bool IsGameOver() const { return m_is_game_over; }
    int GetScore() const { return m_score; }
    int GetMovesLeft() const { return m_score_level; }
    int GetLevel() const { return m_current_level; }
    bool IsStarting() const { return m_start_effect != nullptr; }
    bool IsEnding() const { return m_end_effect != nullptr; }
    // Moves of a level of a board size and difficulty: the first level's
    // budget less one step per level, never below zero.
    static int MovesOfLevel(const CSliderParams& params, int size, int difficulty, int level);
    // The game's own board size and difficulty (each 0..2), dealt or
    // restored; the settings may have changed since.
    int GetGameSize() const;
    int GetGameDifficulty() const { return m_difficulty; }

    // The pointer on the board surface and the button, used when there is
    // no application to poll.
    void SetPointer(const CVector4& point, bool button);

    CSliderField& GetField() { return *m_field; }
    CSliderPlayer& GetPlayer() { return *m_player; }

private:
    void EndLevel(float dt);
    // The difficulty a save was played at: its own key, or for a save
    // without one the difficulty whose colours and moves step it holds.
    int DifficultyOfSave(const CConfigFile& store) const;
    void MoveTitle(float dt);
    void DrawInfo();
    void PollInput();

    CGameApp* m_app;
    CSliderParams& m_params;
    CRandom m_random;
    int m_score = 0;
    int m_score_level = 0;
    int m_score_step = 0;
    int m_score_step_level = 0;
    int m_difficulty = 0;
    std::unique_ptr<CSliderField> m_field;
    std::unique_ptr<CSliderPlayer> m_player;
    float m_alpha = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_start_effect;
    std::unique_ptr<CLevelFlipEffect> m_end_effect;
    std::unique_ptr<CGameBackground> m_background;
    bool m_is_game_over = false;
    int m_current_level = 0;
    CVector4 m_title_pos;
    float m_title_alpha = 0.0f;
    CVector4 m_pointer;
    bool m_button = false;
    // Drawing only: where the turning arrows were drawn over the held
    // picture in the last frame; they stay in place while they turn.
    std::vector<CDraw2D::SRect> m_turning_cover;
};
