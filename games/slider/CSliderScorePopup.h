#pragma once

#include <string>

#include "engine/gfx/CVector4.h"

class CBitmapFont;

// A score or bonus text that grows and fades in the middle of the screen.
class CSliderScorePopup
{
public:
    CSliderScorePopup(const std::string& text, float size, const CVector4& position);

    // One frame: fades and grows; false once it has faded out (then nothing
    // is drawn and the owner drops it).
    bool Step();
    void Draw(const CBitmapFont& font) const;

    const std::string& GetText() const { return m_text; }
    float GetAlpha() const { return m_alpha; }
    float GetSize() const { return m_size; }
    const CVector4& GetPosition() const { return m_position; }

private:
    std::string m_text;
    float m_alpha = 1.0f;
    float m_size;
    CVector4 m_position;
};
