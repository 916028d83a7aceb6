#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"
#include "games/eraser/CEraserField.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CRandom.h"

class CBitmapFont;
class CConfigFile;
class CEraserParams;
class CEraserPlayer;
class CFramePrint;
class CGameApp;
class CGameEvents;
class CGameFrameCache;
class CLevelBricksEffect;

// One running eraser game: level after level on one field, the level score
// and the total, the penalties of the leftovers, the level banner and the
// start-of-level effect. A level that ends with a level score of 0 ends the
// game; the total is the sum of the finished levels.
class CEraserGame
{
public:
    static constexpr float BANNER_X = 360.0f;
    static constexpr float BANNER_START_Y = 600.0f;
    static constexpr float BANNER_REST_Y = 300.0f;

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. The
    // seed starts the game's random source.
    CEraserGame(CGameApp* app, const CEraserParams& params, CGameEvents* events, std::uint32_t seed);
    ~CEraserGame();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it.
    void Draw(CGameFrameCache* cache = nullptr);
    // What the board and the heads-up display draw, for the frame cache:
    // each text of the display a screen part of its own (see GetHudRect).
    void AddToPrint(CFramePrint& print) const;

    // One text of the heads-up display; key names it among the others.
    struct SHudLine
    {
        int key;
        std::string text;
        float x;
        float y;
        SHudStyle style;
    };
    // The texts DrawInfo draws now: the scores, the level, the banner while
    // it shows.
    std::vector<SHudLine> GetHudLines() const;
    // The logical rectangle round every glyph of the text, with a margin;
    // without a font (tests) nothing is drawn and only the margin is left.
    CDraw2D::SRect GetHudRect(const SHudLine& line) const;
    bool IsGameOver() const { return m_is_game_over; }
    int GetScore() const { return m_score; }
    int GetLevelScore() const { return m_score_level; }
    int GetLevel() const { return m_current_level; }
    float GetBannerAlpha() const { return m_banner_alpha; }
    const CVector4& GetBannerPosition() const { return m_banner_pos; }

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The cursor on the bricks' front faces and the button, used when there
    // is no application to poll.
    void SetPointer(const CVector4& point, bool button);

    CEraserField& GetField() { return *m_field; }
    const CEraserField& GetField() const { return *m_field; }
    CEraserPlayer& GetPlayer() { return *m_player; }
    bool IsEffectRunning() const { return m_bricks_effect != nullptr; }

private:
    void StartLevel(int level);
    void UpdateBanner(float dt);
    void AddScore(int removed);
    void PollInput();
    void DrawInfo() const;
    // The banner fades for ever; once its alpha rounds to nothing in an
    // 8-bit colour channel it no longer shows.
    bool IsBannerShown() const;

    CGameApp* m_app;
    const CEraserParams& m_params;
    const CBitmapFont* m_font = nullptr;
    CRandom m_random;
    int m_score = 0;
    int m_score_level = 0;
    int m_score_step = 0;
    std::unique_ptr<CEraserField> m_field;
    std::unique_ptr<CEraserPlayer> m_player;
    float m_alpha = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_bricks_effect;
    std::unique_ptr<CGameBackground> m_background;
    bool m_is_game_over = false;
    int m_current_level = 0;
    CVector4 m_banner_pos;
    float m_banner_alpha = 0.0f;
    CVector4 m_pointer;
    bool m_button = false;
};
