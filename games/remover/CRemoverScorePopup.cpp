#include "games/remover/CRemoverScorePopup.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/gfx/CBitmapFont.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CRandom.h"

namespace
{
const float TEXT_SIZE = 50.0f;
// Board units round the text's box: its edges are rounded onto pixels.
const float BOX_MARGIN = 2.0f;

void FormatValue(int value, char (&text)[16])
{
    std::snprintf(text, sizeof text, "%i", value);
}
}

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
    FormatValue(m_value, text);
    m_font->DrawText(text, TEXT_SIZE, m_pos.x, m_pos.y, m_pos.z, 0.99f, 0.99f, 0.9f, m_alpha, true);
}

float CRemoverScorePopup::GetTextWidth() const
{
    char text[16];
    FormatValue(m_value, text);
    // Without a font nothing is drawn; a glyph is never wider than it is high.
    return m_font ? m_font->GetTextWidth(text, TEXT_SIZE) : TEXT_SIZE * static_cast<float>(std::strlen(text));
}

void CRemoverScorePopup::GetBox(CVector4& low, CVector4& high) const
{
    // Flipped for the board's upward y, the glyphs hang below the position.
    low = CVector4(m_pos.x - BOX_MARGIN, m_pos.y - TEXT_SIZE - BOX_MARGIN, m_pos.z);
    high = CVector4(m_pos.x + GetTextWidth() + BOX_MARGIN, m_pos.y + BOX_MARGIN, m_pos.z);
}

void CRemoverScorePopup::AddToPrint(CFramePrint& print) const
{
    print.BeginBoardPart(reinterpret_cast<std::uintptr_t>(this));
    print.Add(m_pos);
    print.Add(m_value);
    print.Add(m_alpha);
    print.Add(m_font);
    CVector4 low, high;
    GetBox(low, high);
    print.AddBox(low, high);
    print.EndPart();
}
