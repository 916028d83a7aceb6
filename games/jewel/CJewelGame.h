#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"
#include "games/jewel/CJewelPlayer.h"
#include "shell/game/CRandom.h"

class CBitmapFont;
class CConfigFile;
class CFramePrint;
class CGameApp;
class CGameBackground;
class CGameEvents;
class CGameFrameCache;
class CJewelField;
class CJewelParams;
class CLevelBricksEffect;

// One running jewel game: the field, the player, the background and the
// start effect of the first level. Every frame it steps the field, turns the
// bricks removed into points, grants the level bonus once the level score
// reaches the level's target and starts the next level when the board is
// cleared. The game is over when the field has no swap left and the player
// has acknowledged it.
class CJewelGame
{
public:
    static constexpr int LEVEL_TARGET_STEP = 1000;
    static constexpr int MAX_LEVEL = 1000;
    // The heads-up display's parts of the frame print: keys
    // CJewelField::PART_HUD plus one of these.
    enum
    {
        HUD_LEVEL_SCORE = 0,
        HUD_TOTAL_SCORE = 1,
        HUD_LEVEL = 2,
        HUD_TITLE = 3,
        HUD_GAME_OVER = 4
    };

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games.
    CJewelGame(CGameApp* app, CJewelParams& params, CGameEvents* events, std::uint32_t seed);
    ~CJewelGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it.
    void Draw(CGameFrameCache* cache = nullptr);
    // What Draw reads, for the frame cache: the field's and the player's
    // parts, and each text of the display a part within its glyphs.
    void AddToPrint(CFramePrint& print) const;
    // The level's title still shows.
    bool IsTitleShown() const { return !(m_title_alpha < 0.0f); }
    bool IsGameOver() const;
    int GetScore() const;
    int GetTotalScore() const { return m_score; }
    int GetLevelScore() const { return m_score_level; }
    int GetScoreStep() const { return m_score_step; }
    int GetLevel() const { return m_current_level; }
    bool IsEffectRunning() const { return m_level_effect != nullptr; }

    // Finishes a bonus strike still fading first (its bricks gone, its
    // points paid), so the save holds it done.
    void Save(CConfigFile& store);
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The pointer used when there is no application to poll.
    void SetPointer(const SJewelPointer& pointer) { m_pointer = pointer; }

    CJewelField& GetField() { return *m_field; }
    CJewelPlayer& GetPlayer() { return *m_player; }

    // 1 + 2 + ... + n; 0 for n below 1.
    static int TriangularNumber(int n);
    // Points for c bricks removed in one update on level L.
    static int Points(int step, int level, int count);

private:
    void StartLevel(int level);
    // The points for `count` bricks that vanished together, to the level
    // score and the bonus list.
    void PayRemoved(int count);
    void AnimateTitle(float dt);
    void PollInput();
    void DrawInfo();
    void DrawGameOver();
    // The text of one line of the display (HUD_LEVEL_SCORE .. HUD_LEVEL).
    void FormatInfo(int line, char (&text)[64]) const;
    // The logical rectangle the glyphs of a text drawn at (x, y) cover.
    CDraw2D::SRect TextRect(const char* text, float size, float x, float y) const;
    float GetGameOverX() const;

    CGameApp* m_app;
    CJewelParams& m_params;
    const CBitmapFont* m_font;
    CRandom m_random;
    int m_score = 0;
    int m_score_level = 0;
    int m_score_step = 0;
    std::unique_ptr<CGameBackground> m_background;
    std::unique_ptr<CJewelField> m_field;
    std::unique_ptr<CJewelPlayer> m_player;
    float m_alpha = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_level_effect;
    bool m_is_game_over = false;
    int m_current_level = 0;
    CVector4 m_title_pos;
    float m_title_alpha = 1.0f;
    SJewelPointer m_pointer;
    // Where the turning bricks were drawn in the last frame: drawn again
    // over a held frame, they are laid anew there.
    std::vector<CDraw2D::SRect> m_turning_rects;
};
