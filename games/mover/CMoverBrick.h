#pragma once

#include "shell/game/CGameBrick.h"

class CFramePrint;
class CGameEvents;
class CMoverParams;

// One brick of the mover board: the model of its colour in the current skin,
// a fade-out for a removed line and a grow-in for the brick that takes its
// place.
class CMoverBrick : public CGameBrick
{
public:
    // Fade steps from alpha 1 until Vanish reports the brick gone.
    static constexpr int FADE_STEPS = 25;
    static constexpr int SPARKLES_PER_BURST = 25;

    explicit CMoverBrick(const CMoverParams* params);
    ~CMoverBrick() override;

    void Select();
    bool IsSelected() const { return m_selected; }
    // Fading or growing: more than its model to draw.
    bool IsDrawnAlone() const { return m_selected || m_grow != 1.0f; }
    float GetAlpha() const { return m_alpha; }

    // The grow factor, multiplied into the model scale when drawing.
    void SetGrowScale(float scale) { m_grow = scale; }
    float GetGrowScale() const { return m_grow; }

    // One fade step; true once the brick has faded out. The first step bursts
    // sparkles in the brick's colour.
    bool Vanish(CGameEvents* events);
    // One grow step; true while the brick is still growing.
    bool Grow();

    void Draw() override;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;

protected:
    const CModel* FindLook(int color) const override;

private:
    const CMoverParams* m_params;
    float m_alpha = 1.0f;
    bool m_selected = false;
    float m_grow = 1.0f;
    bool m_burst_done = false;
};
