#pragma once

#include "shell/game/CGameBrick.h"

class CFramePrint;
class CGameEvents;
class CSliderParams;

// One coloured brick of the slider: the model of its colour in the current
// skin, a hover or removal transparency, the selected mark of a brick that is
// being removed, and its fade-out with a burst of sparkles.
class CSliderBrick : public CGameBrick
{
public:
    // Fade-out steps from alpha 1 until Vanish reports the brick gone.
    static constexpr int FADE_STEPS = 25;

    explicit CSliderBrick(const CSliderParams* params);
    ~CSliderBrick() override;

    void SetAlpha(float alpha, bool blend);
    float GetAlpha() const { return m_alpha; }
    void Select();
    void Unselect();
    bool IsSelected() const { return m_selected; }

    // One fade step; true once the brick has faded out. The first step bursts
    // sparkles in the brick's colour.
    bool Vanish(CGameEvents* events);

    void Draw() override;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;

protected:
    // The model of the colour in the current skin.
    const CModel* FindLook(int color) const override;

private:
    const CSliderParams* m_params;
    float m_alpha = 1.0f;
    bool m_selected = false;
    bool m_vanish_started = false;
};
