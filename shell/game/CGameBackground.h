#pragma once

#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"

class CBitmapFont;
class CGameApp;
class CTexture;

// How one text of a kind's heads-up display looks: font size, depth and
// colour. The default is the look most kinds use: size 16, depth 10, yellow
// green (0.85, 0.93, 0.12), opaque.
struct SHudStyle
{
    float m_size = 16.0f;
    float m_z = 10.0f;
    float m_r = 0.85f;
    float m_g = 0.93f;
    float m_b = 0.12f;
    float m_a = 1.0f;
};

// The y a kind's line of scores along the top of the screen stands on, in
// the default style: the foot of its glyph boxes. A game ground that paints
// a plate behind the line centres it on this (tools/assetgen), so that the
// two move together.
constexpr float kHudTopLineY = 50.0f;

// The full-screen background of a game with the drifting back sparkles, and
// the heads-up display drawn over the finished scene.
//
// A kind's game owns one, calls Draw first in the orthographic 800 x 600
// projection, and after the board draws its HUD texts with DrawHudValue,
// DrawHudText and DrawHudCentred (positions in the 800 x 600 screen, y down)
// in the same projection. Every text uses the font "font_1"; without the font
// (tests) nothing is drawn.
class CGameBackground
{
public:
    // Looks up the font "font_1" and the running menu's texture "game_bg".
    explicit CGameBackground(CGameApp* app);

    void Update(float dt);
    void SetScore(int score) { m_score = score; }
    int GetScore() const { return m_score; }
    // The picture over the whole screen, then the back sparkles (stepped first).
    void Draw();
    // The picture alone over the whole screen, or over these parts of it.
    void DrawPicture();
    void DrawPictureParts(const std::vector<CDraw2D::SRect>& parts);
    // True when there is a picture, which covers the screen opaquely.
    bool HasPicture() const { return m_background != nullptr; }
    // The plain score line: FormatScore at (550, 40), size 24.
    void DrawScore();
    // The logical rectangle DrawScore draws within, whatever the score.
    static CDraw2D::SRect GetScoreRect();

    // A text at (x, y).
    void DrawHudText(const std::string& text, float x, float y, const SHudStyle& style = SHudStyle()) const;
    // FormatValue(format, value) at (x, y), e.g. ("Level: %2d", level, 620, 50).
    void DrawHudValue(const char* format, int value, float x, float y, const SHudStyle& style = SHudStyle()) const;
    // A text centred across the 800-wide screen, e.g. "GAME OVER!".
    void DrawHudCentred(const std::string& text, float y, const SHudStyle& style = SHudStyle()) const;

    // "Score: %6d": the number right-aligned in six places.
    static std::string FormatScore(int score);
    // A printf format with one integer conversion, applied to value.
    static std::string FormatValue(const char* format, int value);

private:
    CBitmapFont* m_font;
    CGameApp* m_app;
    CTexture* m_background;
    int m_score = 0;
};
