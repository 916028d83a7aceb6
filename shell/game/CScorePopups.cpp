#include "shell/game/CScorePopups.h"

#include "engine/gfx/CBitmapFont.h"
#include "shell/game/CFramePrint.h"

void CScorePopups::Add(const std::string& text, const CVector4& position)
{
    SPopup popup{text, position};
    popup.m_position.w = 1.0f;
    m_popups.push_back(popup);
}

void CScorePopups::Update(float dt)
{
    for (std::size_t i = 0; i < m_popups.size();)
    {
        CVector4& p = m_popups[i].m_position;
        p.y += kRisePerMs * dt;
        p.w -= kFadePerMs * dt;
        if (p.w < 0.0f)
            m_popups.erase(m_popups.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

void CScorePopups::Draw(const CBitmapFont* font) const
{
    if (!font)
        return;
    // The texts are nudged left so that they stand about centred on the point;
    // flipped, because the board's y axis points up.
    for (const SPopup& popup : m_popups)
        font->DrawText(popup.m_text.c_str(), kTextSize, popup.m_position.x - 30.0f, popup.m_position.y,
                       popup.m_position.z, m_color.x, m_color.y, m_color.z, popup.m_position.w, true);
}

void CScorePopups::AddToPrint(CFramePrint& print) const
{
    print.Add(m_color);
    print.Add(m_popups.size());
    for (const SPopup& popup : m_popups)
    {
        print.Add(popup.m_text);
        print.Add(popup.m_position);
    }
}
