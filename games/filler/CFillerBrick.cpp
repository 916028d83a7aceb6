#include "games/filler/CFillerBrick.h"

#include <GL/gl.h>

#include "games/filler/CFillerParams.h"
#include "shell/game/CFramePrint.h"

CFillerBrick::CFillerBrick(const CFillerParams* params) : m_params(params) {}

CFillerBrick::~CFillerBrick() {}

void CFillerBrick::SetColor(int value)
{
    m_color = value;
    CGameBrick::SetColor(value);
}

const CModel* CFillerBrick::FindLook(int color) const
{
    return m_params ? m_params->GetBrickModel(m_params->GetCurrentSkin(), color) : nullptr;
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

void CFillerBrick::AddToPrint(CFramePrint& print) const
{
    // The shown colour picks the look; without models (tests) it is all
    // that tells two looks apart.
    print.Add(GetShownColor());
    print.AddModel(*this);
}
