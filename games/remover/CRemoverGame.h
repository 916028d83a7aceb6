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
class CRemoverField;
class CRemoverParams;
class CRemoverPlayer;
class CViewParams;

// One running remover game: the field, the player, the background with the
// score and the level effects, driven in a fixed order every frame. The game
// has a single board: when the board is finished the fall effect runs and the
// game is over.
class CRemoverGame
{
public:
    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. Every
    // random choice of the game comes from one source seeded with seed, so a
    // seed and the same pointer moves replay a game exactly.
    CRemoverGame(CGameApp* app, CRemoverParams& params, CGameEvents* events, std::uint32_t seed);
    ~CRemoverGame();

    // The game's camera on the view: back from the board, at the view scale
    // the cursor is cast with.
    static void AimCamera(CViewParams& view, const CRemoverParams& params);

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it.
    void Draw(CGameFrameCache* cache = nullptr);
    // What Draw reads, for the frame cache: the board's size outside parts;
    // every brick, popup and the score line a part of its own.
    void AddToPrint(CFramePrint& print) const;
    bool IsGameOver() const { return m_game_over; }
    int GetScore() const { return m_score; }
    int GetLevel() const { return m_level; }

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The pointer on the board plane and the button, used when there is no
    // application to poll.
    void SetPointer(const CVector4& cursor, bool button);

    CRemoverField& GetField() { return *m_field; }
    CRemoverPlayer& GetPlayer() { return *m_player; }
    bool IsEffectRunning() const { return m_bricks_effect || m_flip_effect; }

private:
    void StartLevel(int level);
    void EndLevel(float dt);
    void PollInput();

    CGameApp* m_app;
    CRandom m_random;
    int m_score = 0;
    std::unique_ptr<CRemoverField> m_field;
    std::unique_ptr<CRemoverPlayer> m_player;
    float m_angle = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_bricks_effect;
    std::unique_ptr<CLevelFlipEffect> m_flip_effect;
    std::unique_ptr<CGameBackground> m_background;
    bool m_game_over = false;
    int m_level = 0;
    CVector4 m_cursor;
    bool m_button = false;
};
