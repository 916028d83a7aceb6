#include "games/slider/CSliderScorePopup.h"

#include "engine/gfx/CBitmapFont.h"

namespace
{
const float FADE_STEP = 0.007f;
const float GROW_STEP = 0.15f;
const float SHADOW = 2.0f;
}

CSliderScorePopup::CSliderScorePopup(const std::string& text, float size, const CVector4& position)
    : m_text(text), m_size(size), m_position(position)
{
}

bool CSliderScorePopup::Step()
{
    m_alpha -= FADE_STEP;
    if (m_alpha < 0.0f)
        return false;
    m_size += GROW_STEP;
    return true;
}

void CSliderScorePopup::Draw(const CBitmapFont& font) const
{
    float x = 400.0f - font.GetTextWidth(m_text.c_str(), m_size) / 2.0f;
    float y = m_position.y;
    float z = m_position.z;
    font.DrawText(m_text.c_str(), m_size, x + SHADOW, y + SHADOW, z, 0.0f, 0.0f, 0.0f, m_alpha, false);
    font.DrawText(m_text.c_str(), m_size, x - SHADOW, y - SHADOW, z, 0.0f, 0.0f, 0.0f, m_alpha, false);
    font.DrawText(m_text.c_str(), m_size, x, y, z, 1.0f, 1.0f, 1.0f, m_alpha, false);
}
