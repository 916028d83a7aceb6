#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CRandom.h"

class CConfigFile;
class CFillerField;
class CFillerParams;
class CFillerPlayer;
class CFramePrint;
class CGameApp;
class CGameBackground;
class CGameEvents;
class CGameFrameCache;
class CLevelBricksEffect;

// One filler duel: the board, the human and the computer, the background
// and the start effect. Turns alternate, the human first; a turn starts
// only once the previous move's wave has ended. The game keeps no score of
// its own: the human's zone size is the score.
class CFillerGame
{
public:
    enum { HUMAN = 0, COMPUTER = 1 };

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. Every
    // random choice of the game comes from one source seeded with seed.
    CFillerGame(CGameApp* app, CFillerParams& params, CGameEvents* events, std::uint32_t seed);
    ~CFillerGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it; widgets is where the screen draws its
    // own after the frame (logical rectangles).
    void Draw(CGameFrameCache* cache = nullptr, const std::vector<CDraw2D::SRect>& widgets = {});
    // What Draw reads, for the frame cache; each heads-up text is a part
    // keyed HUD_PART with its EHudText.
    void AddToPrint(CFramePrint& print) const;
    enum EHudText { HUD_HUMAN = 0, HUD_COMPUTER = 1, HUD_BANNER = 2 };
    static constexpr std::uint64_t HUD_PART = std::uint64_t(3) << 32;
    // What the heads-up text shows (the banner's words even while hidden)
    // and the logical rectangle round its glyphs.
    std::string GetHudText(EHudText text) const;
    CDraw2D::SRect GetHudRect(EHudText text) const;
    // A colour button of the current player.
    void PickColor(int value);
    int GetScore() const;
    bool IsFinished() const;

    void Save(CConfigFile& store) const;
    // Resumes at the start of the saved turn, replaying a computer's turn at
    // once; false, changing nothing, when the store holds no valid game.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The pointer on the board surface and the left button, used when there
    // is no application to poll.
    void SetPointer(const CVector4& cursor, bool button);

    CFillerField& GetField() { return *m_field; }
    const CFillerField& GetField() const { return *m_field; }
    CFillerPlayer& GetPlayer(int index) { return *m_players[index]; }
    // -1 before the first turn.
    int GetCurrentPlayer() const { return m_current_player; }
    bool IsEffectRunning() const { return m_effect != nullptr; }

    // Computer mode for a difficulty: 1 Easy, 2 Medium, 3 Hard for any other.
    static int ComputerMode(int difficulty);
    // The game's own field size (0..3, -1 for a hand-made board) and
    // difficulty (0..2), dealt or restored; the settings may differ.
    int GetGameSize() const;
    int GetGameDifficulty() const;

private:
    // The human and the computer on their start cells of the field.
    std::vector<std::unique_ptr<CFillerPlayer>> SeatPlayers(CFillerField& field, int difficulty) const;
    void PollInput();
    void DrawZoneSizes();

    CGameApp* m_app;
    CFillerParams& m_params;
    CGameEvents* m_events;
    CRandom m_random;
    std::unique_ptr<CGameBackground> m_background;
    std::unique_ptr<CFillerField> m_field;
    std::vector<std::unique_ptr<CFillerPlayer>> m_players;
    int m_current_player = -1;
    std::unique_ptr<CLevelBricksEffect> m_effect;
    CVector4 m_cursor;
    bool m_button = false;
    // Where the running wave was drawn in the last frame: drawn again over
    // a held frame, it is laid anew there.
    std::vector<CDraw2D::SRect> m_wave_rects;
};
