#pragma once

#include <string>
#include <vector>

class CBitmapFont;

// A text word-wrapped into lines no wider than a maximum; a carriage return forces a
// break and a line feed is ignored. Each line ends in one space.
class CTextLabel
{
public:
    CTextLabel(const CBitmapFont* font, float max_width, float text_size, int visible_count);
    virtual ~CTextLabel() = default;

    // Appends the wrapped text to the lines already held.
    void SetText(const char* bytes, size_t length);
    void Draw(float x, float y, float r, float g, float b, float a) const;

    const std::vector<std::string>& GetLines() const { return m_lines; }
    // The lines Draw shows: the first visible count of them, or all when it is 0 or less.
    size_t GetDrawnLineCount() const;
    // Where Draw puts the foot of the last line it shows when the first line's
    // foot is at y: lines stand one text size apart, each glyph box ending at
    // its foot. y itself when no line shows.
    float GetLastLineFoot(float y) const;
    void SetVisibleCount(int count) { m_visible_count = count; }
    float GetTextSize() const { return m_text_size; }

private:
    const CBitmapFont* m_font;
    std::vector<std::string> m_lines;
    float m_max_width;
    float m_text_size;
    int m_visible_count;
};
