#pragma once

#include "engine/gfx/CVector4.h"

class CBitmapFont;
class CFramePrint;
class CRandom;

// The points of one placed brick, rising and fading above the board.
class CRemoverScorePopup
{
public:
    // The rising speed (1 to 3) is drawn from random.
    CRemoverScorePopup(const CBitmapFont* font, CRandom& random);

    void Update();
    void Draw() const;
    // What Draw reads, for the frame cache: a part of its own, keyed by the
    // popup, within the box its text covers (GetBox).
    void AddToPrint(CFramePrint& print) const;
    // The board box the text is drawn in, a little grown.
    void GetBox(CVector4& low, CVector4& high) const;

    void SetPosition(const CVector4& position) { m_pos = position; }
    const CVector4& GetPosition() const { return m_pos; }
    void SetValue(int value) { m_value = value; }
    int GetValue() const { return m_value; }
    float GetAlpha() const { return m_alpha; }
    const CVector4& GetVelocity() const { return m_velocity; }

private:
    float GetTextWidth() const;

    CVector4 m_pos;
    float m_alpha = 1.0f;
    int m_value = 0;
    CVector4 m_velocity;
    const CBitmapFont* m_font;
};
