#pragma once

#include <string>

class CBitmapFont;
class CGameApp;
class CTexture;

// The full-screen background of a game with the drifting back sparkles and
// the score line.
class CGameBackground
{
public:
    // Looks up the font "font_1" and the running menu's texture "game_bg".
    explicit CGameBackground(CGameApp* app);

    void Update(float dt);
    void SetScore(int score) { m_score = score; }
    int GetScore() const { return m_score; }
    void Draw();
    void DrawScore();

    // "Score: %6d": the number right-aligned in six places.
    static std::string FormatScore(int score);

private:
    CBitmapFont* m_font;
    CGameApp* m_app;
    CTexture* m_background;
    int m_score = 0;
};
