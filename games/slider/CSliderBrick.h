#pragma once

#include "engine/gfx/CModel.h"

class CGameEvents;
class CSliderParams;

// One coloured brick of the slider: the model of its colour in the current
// skin, a hover or removal transparency, the selected mark of a brick that is
// being removed, and its fade-out with a burst of sparkles.
class CSliderBrick : public CModel
{
public:
    // Fade-out steps from alpha 1 until Vanish reports the brick gone.
    static constexpr int FADE_STEPS = 25;

    explicit CSliderBrick(const CSliderParams* params);
    ~CSliderBrick() override;

    // Takes the model of (current skin, colour) and keeps everything the
    // brick's users set: position, scale, angles, velocity and blend.
    void SetColor(int color);
    int GetColor() const { return m_color; }

    void SetAlpha(float alpha, bool blend);
    float GetAlpha() const { return m_alpha; }
    void Select();
    void Unselect();
    bool IsSelected() const { return m_selected; }

    // One fade step; true once the brick has faded out. The first step bursts
    // sparkles in the brick's colour.
    bool Vanish(CGameEvents* events);

    void Draw() override;

private:
    int m_color = 0;
    const CSliderParams* m_params;
    float m_alpha = 1.0f;
    bool m_selected = false;
    bool m_vanish_started = false;
};
