#include "games/filler/CFillerBrick.h"

#include <GL/gl.h>

#include "games/filler/CFillerParams.h"

CFillerBrick::CFillerBrick(const CFillerParams* params) : m_params(params) {}

CFillerBrick::~CFillerBrick() {}

void CFillerBrick::SetColor(int value)
{
    m_color = value;
    m_shown_color = value;
    if (!m_params)
        return;
    const CModel* model = m_params->GetBrickModel(m_params->GetCurrentSkin(), value);
    if (!model)
        return;
    CVector4 position = GetPosition();
    float scale = GetScale();
    CModel::operator=(*model);
    SetPosition(position);
    SetScale(scale);
}

void CFillerBrick::SetTargetColor(int value)
{
    // A brick still waiting for an earlier wave keeps showing what it shows.
    if (!IsChanging())
        m_shown_color = m_color;
    m_color = value;
}

void CFillerBrick::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(GetAngleX(), 1.0f, 0.0f, 0.0f);
    glRotatef(GetAngleY(), 0.0f, 1.0f, 0.0f);
    glRotatef(GetAngleZ(), 0.0f, 0.0f, 1.0f);
    CModel::Draw();
    glPopMatrix();
}
