#include "shell/game/CGameBackground.h"

#include <cstdio>

#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/game/GameLookup.h"

CGameBackground::CGameBackground(CGameApp* app)
    : m_font(GetMainFont()), m_app(app), m_background(nullptr)
{
    if (CResManager* current = GetCurrentResManager())
        m_background = current->FindTexture("game_bg");
}

void CGameBackground::Update(float) {}

std::string CGameBackground::FormatScore(int score)
{
    char text[32];
    std::snprintf(text, sizeof text, "Score: %6d", score);
    return text;
}

void CGameBackground::Draw()
{
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    CDraw2D::SetTexturing(true);
    if (m_background)
        CDraw2D::BindTexture(m_background->GetId());
    CTexture::DrawQuad(0.0f, 0.0f, 0.0f, 800.0f, 600.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    UpdateBackSparkles();
    DrawBackSparkles();
    CDraw2D::SetTexturing(false);
}

void CGameBackground::DrawScore()
{
    if (!m_font)
        return;
    std::string text = FormatScore(m_score);
    m_font->DrawText(text.c_str(), 24.0f, 550.0f, 40.0f, 10.0f, 0.85f, 0.93f, 0.12f, 1.0f, false);
}
