#pragma once

#include "engine/gfx/CModel.h"

class CSliderParams;

// One edge arrow of the slider's border ring. It points out of its side of
// the board and, while the cursor rests on it, spins about its own long
// axis; when the hover ends it finishes the turn and rests.
class CSliderArrow : public CModel
{
public:
    enum { SIDE_TOP = 0, SIDE_BOTTOM = 1, SIDE_LEFT = 2, SIDE_RIGHT = 3 };

    explicit CSliderArrow(const CSliderParams* params);
    ~CSliderArrow() override;

    void SetSide(int side) { m_side = side; }
    int GetSide() const { return m_side; }
    void StartSpin();
    void StopSpin();
    // One frame of the spin.
    void Animate();

    float GetSpinAngle() const { return m_spin_angle; }
    void SetSpinAngle(float degrees) { m_spin_angle = degrees; }
    bool IsSpinning() const { return m_spinning; }
    bool IsStopping() const { return m_stopping; }
    // The turn about Z that points the model (made pointing right) at its side.
    static float SideAngle(int side);
    // Turned about its long axis: more than its model, turned to its side, to draw.
    bool IsDrawnAlone() const { return m_spin_angle != 0.0f || m_alpha != 1.0f; }

    void Draw() override;

private:
    const CSliderParams* m_params;
    float m_alpha = 1.0f;
    int m_side = SIDE_RIGHT;
    float m_spin_angle = 0.0f;
    bool m_spinning = false;
    bool m_stopping = false;
};
