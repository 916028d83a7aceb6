#pragma once

#include "engine/gfx/CModel.h"

class CFillerParams;

// One cell of the filler board: the model of its colour in the current skin.
// The colour the rules read can run ahead of the one shown, so that a
// recolouring spreads over the board as a wave.
class CFillerBrick : public CModel
{
public:
    // params may be null (tests): the brick then keeps its colours only.
    explicit CFillerBrick(const CFillerParams* params);
    ~CFillerBrick() override;

    // Sets both colours and takes the model of the value in the current
    // skin, keeping position and scale.
    void SetColor(int value);
    // The rules take the value at once; the look follows with ApplyTargetColor.
    void SetTargetColor(int value);
    void ApplyTargetColor() { SetColor(m_color); }

    int GetColor() const { return m_color; }
    int GetShownColor() const { return m_shown_color; }
    bool IsChanging() const { return m_color != m_shown_color; }

    void Draw() override;

private:
    const CFillerParams* m_params;
    int m_color = 0;
    int m_shown_color = 0;
};
