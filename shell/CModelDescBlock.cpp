#include "shell/CModelDescBlock.h"

#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CVector4.h"

namespace
{
const unsigned int PICTURE_STEP_MS = 30;
}

CModelDescBlock::CModelDescBlock(int number, const CConfigFile& helpFile, CFilePack* pack)
    : CDescBlock(number, helpFile), m_res_manager(std::make_unique<CResManager>(pack))
{
    // A help file naming a picture we do not have shows the page without it.
    if (pack == nullptr || !pack->Exists(m_text))
        return;
    m_res_manager->AddSprite(m_text.c_str(), m_text.c_str());
    m_sprite = m_res_manager->FindSprite(m_text.c_str());
    if (m_sprite == nullptr)
        return;
    m_sprite->SetBlend(true);
    m_sprite->SetFlipV(true);
    m_sprite->SetSize(m_w, m_h);
    m_sprite->SetPosition(CVector4(m_x, m_y, m_z));
}

CModelDescBlock::~CModelDescBlock() {}

void CModelDescBlock::Draw()
{
    if (m_sprite)
        m_sprite->Draw(true);
}

int CModelDescBlock::GetShownFrame() const
{
    return m_sprite ? m_sprite->GetFrame() : 0;
}

void CModelDescBlock::Update(float)
{
    if (m_sprite)
        m_sprite->Advance(PICTURE_STEP_MS);
}
