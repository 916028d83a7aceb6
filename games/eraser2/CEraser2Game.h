#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CRandom.h"

class CBitmapFont;
class CConfigFile;
class CEraser2Field;
class CEraser2Params;
class CEraser2Player;
class CGameApp;
class CFramePrint;
class CGameEvents;
class CGameFrameCache;
class CViewParams;
class CLevelBricksEffect;

// One running Eraser II game: one deal, one running score (each removed
// brick is worth the brick score), over when the field's end sweep is done.
class CEraser2Game
{
public:
    // The start effects the kind uses: rows sliding in from alternate
    // sides, or dropping in from above.
    static constexpr int START_EFFECTS = 2;
    // Where DrawHud puts the score, in the default heads-up style: the
    // text's left end and the line it stands on.
    static constexpr float SCORE_X = 320.0f;
    static constexpr float SCORE_Y = kHudTopLineY;

    // app may be null: the game then reads no input (see SetPointer) and
    // reaches no shared resources, which is how tests run whole games. The
    // seed starts the game's random source.
    CEraser2Game(CGameApp* app, const CEraser2Params& params, CGameEvents* events, std::uint32_t seed);
    ~CEraser2Game();

    void Update(float dt);
    // With the screen's frame cache, a frame that looks as the last one
    // draws only what moved over it: the turning icons of the bricks.
    void Draw(CGameFrameCache* cache = nullptr);
    // What the board and the heads-up display draw, for the frame cache:
    // the score a part of the screen of its own.
    void AddToPrint(CFramePrint& print) const;
    // The score as DrawHud writes it.
    std::string GetScoreText() const;
    // The logical rectangle the score's text covers, with a margin.
    CDraw2D::SRect GetScoreRect() const;
    // The logical screen rectangle (800 x 600, y down) that an area of the
    // board, corners low and high, covers under the view with the board
    // tilted by tilt degrees about x; the whole screen when the area reaches
    // behind the eye.
    static CDraw2D::SRect ToScreen(const CViewParams& view, float tilt, const CVector4& low, const CVector4& high);
    bool IsGameOver() const { return m_is_game_over; }
    int GetScore() const { return m_score; }
    int GetScoreStep() const { return m_score_step; }

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);
    void Reskin();

    // The cursor on the bricks' front faces and the button, used when there
    // is no application to poll.
    void SetPointer(const CVector4& point, bool button);

    CEraser2Field& GetField() { return *m_field; }
    const CEraser2Field& GetField() const { return *m_field; }
    CEraser2Player& GetPlayer() { return *m_player; }
    bool IsEffectRunning() const { return m_bricks_effect != nullptr; }

private:
    void StartLevel(int level);
    void DrawHud() const;

    CGameApp* m_app;
    const CEraser2Params& m_params;
    CRandom m_random;
    int m_score = 0;
    int m_score_level = 0;
    int m_score_step = 0;
    std::unique_ptr<CEraser2Field> m_field;
    std::unique_ptr<CEraser2Player> m_player;
    float m_alpha = 0.0f;
    std::unique_ptr<CLevelBricksEffect> m_bricks_effect;
    std::unique_ptr<CGameBackground> m_background;
    // The heads-up display's font, to measure the score; null in tests.
    const CBitmapFont* m_font = nullptr;
    bool m_is_game_over = false;
    int m_current_level = 1;
    CVector4 m_pointer;
    bool m_button = false;
};
