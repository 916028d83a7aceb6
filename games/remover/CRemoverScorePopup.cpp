#include "games/remover/CRemoverScorePopup.h"

#include <cstdio>

#include "engine/gfx/CBitmapFont.h"
#include "shell/game/CRandom.h"

CRemoverScorePopup::CRemoverScorePopup(const CBitmapFont* font, CRandom& random)
    : m_velocity(0.0f, static_cast<float>(random.Next(3) + 1), 0.0f), m_font(font)
{
}

void CRemoverScorePopup::Update()
{
    m_pos += m_velocity;
    m_alpha -= 0.005f;
}

void CRemoverScorePopup::Draw() const
{
    if (!m_font)
        return;
    char text[16];
    std::snprintf(text, sizeof text, "%i", m_value);
    m_font->DrawText(text, 50.0f, m_pos.x, m_pos.y, m_pos.z, 0.99f, 0.99f, 0.9f, m_alpha, true);
}
