#include "shell/CTextDescBlock.h"

#include <cstdio>
#include <string>

#include "engine/CConfigFile.h"

namespace
{
// The block's label: max width is number 4, visible lines number 5; the
// text size comes first in "%d_block_add".
float ReadTextSize(int number, const CConfigFile& helpFile)
{
    float size = 0.0f;
    std::sscanf(helpFile.GetValue(std::to_string(number) + "_block_add", "0").c_str(), "%f", &size);
    return size;
}
}

CTextDescBlock::CTextDescBlock(int number, const CConfigFile& helpFile, const CBitmapFont* font)
    : CDescBlock(number, helpFile),
      m_label(font, m_w, ReadTextSize(number, helpFile), static_cast<int>(m_h))
{
    const std::string add = helpFile.GetValue(std::to_string(number) + "_block_add", "0");
    std::sscanf(add.c_str(), "%f %f %f %f %f", &m_text_size, &m_r, &m_g, &m_b, &m_a);
    m_label.SetText(m_text.c_str(), m_text.size());
}

void CTextDescBlock::Draw()
{
    m_label.Draw(m_x, m_y, m_r, m_g, m_b, m_a);
}

void CTextDescBlock::Update(float) {}
