#include "engine/gfx/CTextLabel.h"

#include "engine/gfx/CBitmapFont.h"

namespace
{
// Draw depth of label text, in front of the dialog backgrounds it stands on.
constexpr float kLabelDepth = 10.0f;
}

CTextLabel::CTextLabel(const CBitmapFont* font, float max_width, float text_size,
                       int visible_count)
    : m_font(font), m_max_width(max_width), m_text_size(text_size), m_visible_count(visible_count)
{
}

void CTextLabel::SetText(const char* bytes, size_t length)
{
    std::string word;
    std::string line;
    auto width = [this](const std::string& text) {
        return m_font ? m_font->GetTextWidth(text.c_str(), m_text_size) : 0.0f;
    };
    if (bytes == nullptr)
    {
        length = 0;
    }
    // The appended carriage return ends the last line.
    for (size_t i = 0; i <= length; ++i)
    {
        char c = i < length ? bytes[i] : '\r';
        if (c == ' ' || c == '\r')
        {
            if (width(line) + width(word) < m_max_width)
            {
                line += word;
                line += ' ';
            }
            else
            {
                m_lines.push_back(line);
                line = word + ' ';
            }
            word.clear();
            if (c == '\r')
            {
                m_lines.push_back(line);
                line.clear();
            }
        }
        else if (c != '\n' && c != '\0')
        {
            word += c;
        }
    }
}

size_t CTextLabel::GetDrawnLineCount() const
{
    if (m_visible_count > 0 && static_cast<size_t>(m_visible_count) < m_lines.size())
    {
        return static_cast<size_t>(m_visible_count);
    }
    return m_lines.size();
}

float CTextLabel::GetLastLineFoot(float y) const
{
    const size_t count = GetDrawnLineCount();
    return count == 0 ? y : y + static_cast<float>(count - 1) * m_text_size;
}

void CTextLabel::Draw(float x, float y, float r, float g, float b, float a) const
{
    if (m_font == nullptr)
    {
        return;
    }
    size_t count = GetDrawnLineCount();
    for (size_t i = 0; i < count; ++i)
    {
        m_font->DrawText(m_lines[i].c_str(), m_text_size, x, y, kLabelDepth, r, g, b, a, false);
        y += m_text_size;
    }
}
