#include "shell/game/CGameBrick.h"

CGameBrick::CGameBrick() {}

CGameBrick::~CGameBrick() {}

void CGameBrick::SetColor(int color)
{
    m_color = color;
    if (const CModel* look = FindLook(color))
        TakeLook(*look);
}

void CGameBrick::TakeLook(const CModel& look)
{
    if (&look == this)
        return;
    CVector4 position = GetPosition();
    CVector4 velocity = GetVelocity();
    CVector4 param = GetParam();
    float scale = GetScale();
    float angleX = GetAngleX();
    float angleY = GetAngleY();
    float angleZ = GetAngleZ();
    bool blend = GetBlend();
    CModel::operator=(look);
    SetPosition(position);
    SetVelocity(velocity);
    SetParam(param);
    SetScale(scale);
    SetAngleX(angleX);
    SetAngleY(angleY);
    SetAngleZ(angleZ);
    SetBlend(blend);
}
