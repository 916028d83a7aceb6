#include "shell/game/CFramePrint.h"

#include "engine/gfx/CModel.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CVector4.h"

void CFramePrint::Add(const CVector4& vector)
{
    Add(vector.x);
    Add(vector.y);
    Add(vector.z);
    Add(vector.w);
}

void CFramePrint::Add(const std::string& text)
{
    Add(text.size());
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void CFramePrint::AddModel(const CModel& model)
{
    Add(model.GetPosition());
    Add(model.GetScale());
    Add(model.GetAngleX());
    Add(model.GetAngleY());
    Add(model.GetAngleZ());
    Add(model.GetBlend());
    Add(model.GetMesh());
    Add(model.GetTexture());
    Add(model.GetBumpTexture());
    Add(model.GetChildCount());
    for (std::size_t i = 0; i < model.GetChildCount(); ++i)
        AddModel(model.GetChild(i));
}

void CFramePrint::AddModel(const CModel* model)
{
    Add(model != nullptr);
    if (model)
        AddModel(*model);
}

void CFramePrint::AddSprite(const CSprite* sprite)
{
    Add(sprite != nullptr);
    if (!sprite)
        return;
    Add(sprite->GetTexture());
    Add(sprite->GetGroup());
    Add(sprite->GetFrame());
    Add(sprite->GetWidth());
    Add(sprite->GetHeight());
    Add(sprite->GetPosition());
    Add(sprite->IsVisible());
    Add(sprite->GetBlend());
    Add(sprite->GetFlipV());
}
