#pragma once

#include "engine/gfx/CModel.h"

class CFramePrint;
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
    // Whether the next Animate turns it: spinning, or finishing a turn. A
    // turning arrow is drawn apart from the resting board (the frame cache).
    bool IsTurning() const { return m_spinning || (m_stopping && static_cast<int>(m_spin_angle) != 0); }
    // The turn about Z that points the model (made pointing right) at its side.
    static float SideAngle(int side);
    // Turned about its long axis: more than its model, turned to its side, to draw.
    bool IsDrawnAlone() const { return m_spin_angle != 0.0f || m_alpha != 1.0f; }

    void Draw() override;
    // What Draw reads, for the frame cache; the spin of a turning arrow is
    // left out, as such an arrow is not held (see IsTurning).
    void AddToPrint(CFramePrint& print) const;

private:
    const CSliderParams* m_params;
    float m_alpha = 1.0f;
    int m_side = SIDE_RIGHT;
    float m_spin_angle = 0.0f;
    bool m_spinning = false;
    bool m_stopping = false;
};
