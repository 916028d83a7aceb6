#pragma once

#include "shell/game/CGameBrick.h"

class CDesignerParams;

// A brick of the designer: the model of one figure kind in the current skin.
// Figures draw every cell with one, the field measures a cell's depth with
// one and turns the laid figures into them when a level ends.
class CDesignerBrick : public CGameBrick
{
public:
    explicit CDesignerBrick(const CDesignerParams* params);
    ~CDesignerBrick() override;

protected:
    const CModel* FindLook(int color) const override;

private:
    const CDesignerParams* m_params;
};
