#include "shell/CTextDescBlock.h"

#include <cstdio>
#include <string>

#include "engine/files/CConfigFile.h"

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

// Number 5 cut to an integer; a value no int can hold (or NaN) would make the
// cut undefined, so it shows all lines as 0 does.
int VisibleLines(float count)
{
    if (!(count > -1.0e9f && count < 1.0e9f))
        return 0;
    return static_cast<int>(count);
}
}

CTextDescBlock::CTextDescBlock(int number, const CConfigFile& helpFile, const CBitmapFont* font)
    : CDescBlock(number, helpFile),
      m_label(font, m_w, ReadTextSize(number, helpFile), VisibleLines(m_h))
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
