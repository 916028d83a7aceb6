#pragma once

#include <cstdint>
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
    // A text starts this far left of its point, so that it stands about
    // centred on it.
    static constexpr float kNudge = 30.0f;

    // A new text at full opacity.
    void Add(const std::string& text, const CVector4& position);
    // Rises and fades every text; a text whose opacity fell below 0 goes.
    void Update(float dt);
    void Draw(const CBitmapFont* font) const;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    // The same with each text a part of its own (see CFramePrint), within the
    // box its glyphs can cover in this font, keyed `keys` plus a number the
    // text keeps while it lives.
    void AddPartsToPrint(CFramePrint& print, const CBitmapFont* font, std::uint64_t keys) const;
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
        std::uint32_t m_number = 0;
    };

    std::vector<SPopup> m_popups;
    std::uint32_t m_next_number = 0;
    CVector4 m_color{1.0f, 1.0f, 1.0f};
};
