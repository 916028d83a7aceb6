#include "shell/game/CFramePrint.h"

#include <algorithm>
#include <cmath>

#include "engine/gfx/CMesh.h"
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

void CFramePrint::BeginBoardPart(std::uint64_t key)
{
    EndPart();
    SPart part;
    part.key = key;
    part.begin = m_bytes.size();
    m_parts.push_back(part);
    m_open = true;
}

void CFramePrint::BeginScreenPart(std::uint64_t key, const CDraw2D::SRect& rect)
{
    BeginBoardPart(key);
    SPart& part = m_parts.back();
    part.board = false;
    part.hasBox = true;
    part.rect = rect;
}

void CFramePrint::AddBox(const CVector4& low, const CVector4& high)
{
    if (!m_open || !m_parts.back().board)
        return;
    SPart& part = m_parts.back();
    const CVector4 lo(std::min(low.x, high.x), std::min(low.y, high.y), std::min(low.z, high.z));
    const CVector4 hi(std::max(low.x, high.x), std::max(low.y, high.y), std::max(low.z, high.z));
    if (!part.hasBox)
    {
        part.low = lo;
        part.high = hi;
        part.hasBox = true;
        return;
    }
    part.low = CVector4(std::min(part.low.x, lo.x), std::min(part.low.y, lo.y), std::min(part.low.z, lo.z));
    part.high = CVector4(std::max(part.high.x, hi.x), std::max(part.high.y, hi.y), std::max(part.high.z, hi.z));
}

void CFramePrint::AddModelBox(const CModel& model)
{
    const bool turned = model.GetAngleX() != 0.0f || model.GetAngleY() != 0.0f || model.GetAngleZ() != 0.0f;
    AddModelBox(model, model.GetScale(), model.GetPosition(), turned);
}

bool CFramePrint::AddModelBox(const CModel& look, float scale, const CVector4& at, bool turned)
{
    CVector4 low, high;
    if (!ModelBox(look, scale, at, turned, low, high))
        return false;
    AddBox(low, high);
    return true;
}

bool CFramePrint::ModelBox(const CModel& look, float scale, const CVector4& at, bool turned, CVector4& low,
                           CVector4& high)
{
    const CMesh* mesh = look.GetMesh();
    float from[3] = {0.0f, 0.0f, 0.0f}, to[3] = {0.0f, 0.0f, 0.0f};
    if (mesh == nullptr || !mesh->GetBounds(from, to))
        return false;
    scale = std::fabs(scale);
    if (turned)
    {
        float reach = 0.0f;
        for (int axis = 0; axis < 3; ++axis)
            reach = std::max({reach, std::fabs(from[axis]), std::fabs(to[axis])});
        reach *= std::sqrt(3.0f) * scale;
        low = CVector4(at.x - reach, at.y - reach, at.z - reach);
        high = CVector4(at.x + reach, at.y + reach, at.z + reach);
        return true;
    }
    low = CVector4(at.x + from[0] * scale, at.y + from[1] * scale, at.z + from[2] * scale);
    high = CVector4(at.x + to[0] * scale, at.y + to[1] * scale, at.z + to[2] * scale);
    return true;
}

void CFramePrint::AddSpriteBox(const CSprite& sprite, const CVector4& at)
{
    const CVector4& p = sprite.GetPosition();
    const float hw = std::fabs(sprite.GetWidth()) / 2.0f, hh = std::fabs(sprite.GetHeight()) / 2.0f;
    AddBox(CVector4(at.x + p.x - hw, at.y + p.y - hh, at.z + p.z),
           CVector4(at.x + p.x + hw, at.y + p.y + hh, at.z + p.z));
}

void CFramePrint::ClipPart(const CVector4& low, const CVector4& high)
{
    if (!m_open || !m_parts.back().board)
        return;
    SPart& part = m_parts.back();
    part.hasClip = true;
    part.clipLow = CVector4(std::min(low.x, high.x), std::min(low.y, high.y), std::min(low.z, high.z));
    part.clipHigh = CVector4(std::max(low.x, high.x), std::max(low.y, high.y), std::max(low.z, high.z));
    Add(part.clipLow);
    Add(part.clipHigh);
}

void CFramePrint::EndPart()
{
    if (!m_open)
        return;
    m_parts.back().end = m_bytes.size();
    m_open = false;
}
