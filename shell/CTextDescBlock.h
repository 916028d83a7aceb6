#pragma once
// A help text: word-wrapped to the block's width (a carriage return breaks
// the line), in the size and colour of its "%d_block_add" value, showing at
// most the block's line count (0 shows all).

#include "engine/gfx/CTextLabel.h"
#include "shell/CDescBlock.h"

class CBitmapFont;

class CTextDescBlock : public CDescBlock
{
public:
    CTextDescBlock(int number, const CConfigFile& helpFile, const CBitmapFont* font);

    void Draw() override;
    void Update(float dt) override;

    const CTextLabel& GetLabel() const { return m_label; }
    float GetTextSize() const { return m_text_size; }
    float GetR() const { return m_r; }
    float GetG() const { return m_g; }
    float GetB() const { return m_b; }
    float GetA() const { return m_a; }

private:
    float m_text_size = 0.0f;
    float m_r = 0.0f;
    float m_g = 0.0f;
    float m_b = 0.0f;
    float m_a = 0.0f;
    CTextLabel m_label;
};
