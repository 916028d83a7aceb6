#pragma once

#include <string>
#include <vector>

#include "engine/gfx/CVector4.h"

class CBitmapFont;
class CFramePrint;

// Score texts that rise and fade over a board where points were won or lost.
// Positions are in board space, whose y axis points up.
class CScorePopups
{
public:
    static constexpr float kRisePerMs = 0.3f;
    static constexpr float kFadePerMs = 0.001f;
    static constexpr float kTextSize = 32.0f;

    // A new text at full opacity.
    void Add(const std::string& text, const CVector4& position);
    // Rises and fades every text; a text whose opacity fell below 0 goes.
    void Update(float dt);
    void Draw(const CBitmapFont* font) const;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    void Clear() { m_popups.clear(); }

    // All texts share one colour; white unless a kind says otherwise.
    void SetColor(float r, float g, float b) { m_color.Set(r, g, b); }
    const CVector4& GetColor() const { return m_color; }

    int GetCount() const { return static_cast<int>(m_popups.size()); }
    const std::string& GetText(int i) const { return m_popups[i].m_text; }
    // x, y, z: where the text stands; w: its opacity.
    const CVector4& GetPosition(int i) const { return m_popups[i].m_position; }

private:
    struct SPopup
    {
        std::string m_text;
        CVector4 m_position;
    };

    std::vector<SPopup> m_popups;
    CVector4 m_color{1.0f, 1.0f, 1.0f};
};
