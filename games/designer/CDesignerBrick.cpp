#include "games/designer/CDesignerBrick.h"

#include "games/designer/CDesignerParams.h"

CDesignerBrick::CDesignerBrick(const CDesignerParams* params) : m_params(params) {}

CDesignerBrick::~CDesignerBrick() {}

const CModel* CDesignerBrick::FindLook(int color) const
{
    return m_params ? m_params->GetFigureModel(color) : nullptr;
}
