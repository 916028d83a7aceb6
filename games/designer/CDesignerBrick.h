#pragma once

#include "engine/gfx/CModel.h"

class CDesignerParams;

// A brick of the designer board: the model of one figure kind in the current
// skin. The field measures a cell's depth with one and turns the laid
// figures into them when a level ends.
class CDesignerBrick : public CModel
{
public:
    explicit CDesignerBrick(const CDesignerParams* params);
    ~CDesignerBrick() override;

    // Takes the model of (current skin, index), keeping position, scale and
    // turn; without a loaded model the brick keeps its look.
    void SetColor(int index);
    int GetColor() const { return m_color; }
    void Draw() override;

private:
    int m_color = 0;
    const CDesignerParams* m_params;
    float m_alpha = 1.0f;
};
