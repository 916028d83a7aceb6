#include "games/designer/CDesignerBrick.h"

#include <GL/gl.h>

#include "games/designer/CDesignerParams.h"

CDesignerBrick::CDesignerBrick(const CDesignerParams* params) : m_params(params) {}

CDesignerBrick::~CDesignerBrick() {}

void CDesignerBrick::SetColor(int index)
{
    m_color = index;
    const CModel* model = m_params ? m_params->GetFigureModel(index) : nullptr;
    if (!model)
        return;
    CVector4 position = GetPosition();
    CVector4 velocity = GetVelocity();
    float scale = GetScale();
    float angle = GetAngleZ();
    CModel::operator=(*model);
    SetPosition(position);
    SetVelocity(velocity);
    SetScale(scale);
    SetAngleZ(angle);
}

void CDesignerBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(-GetAngleZ(), 0.0f, 0.0f, 1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    CModel::Draw();
    glPopMatrix();
}
