#include "shell/game/CScorePopups.h"

#include <algorithm>

#include "engine/gfx/CBitmapFont.h"
#include "shell/game/CFramePrint.h"

void CScorePopups::Add(const std::string& text, const CVector4& position)
{
    SPopup popup{text, position, m_next_number++};
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
        font->DrawText(popup.m_text.c_str(), kTextSize, popup.m_position.x - kNudge, popup.m_position.y,
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

void CScorePopups::AddPartsToPrint(CFramePrint& print, const CBitmapFont* font, std::uint64_t keys) const
{
    // A few units more for the glyphs' filtered edges.
    const float margin = 4.0f;
    print.Add(m_color);
    for (const SPopup& popup : m_popups)
    {
        const CVector4& at = popup.m_position;
        print.BeginBoardPart(keys + popup.m_number);
        print.Add(popup.m_text);
        print.Add(at);
        // From the nudged start, a text size down from the point (the
        // board's y axis points up); the point itself too.
        const float width = font ? font->GetTextWidth(popup.m_text.c_str(), kTextSize) : 0.0f;
        const float start = at.x - kNudge;
        print.AddBox(CVector4(std::min(start, at.x) - margin, at.y - kTextSize - margin, at.z),
                     CVector4(std::max(start + width, at.x) + margin, at.y + margin, at.z));
        print.EndPart();
    }
}
