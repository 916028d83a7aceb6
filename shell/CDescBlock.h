#pragma once
// One block of a help page: a text or a picture at a place on one page.
// The help file gives each block three keys, numbered from 1:
// "%d_block_desc" ("T" or "P", the page, then five numbers), "%d_block"
// (the text, or the picture's sprite file) and, for text, "%d_block_add".

#include <string>

class CConfigFile;

class CDescBlock
{
public:
    enum { KIND_TEXT = 'T', KIND_PICTURE = 'P' };

    // Reads "%d_block_desc" and "%d_block" of the numbered block; missing or
    // malformed values read as 0.
    CDescBlock(int number, const CConfigFile& helpFile);
    virtual ~CDescBlock();
    CDescBlock(const CDescBlock&) = delete;
    CDescBlock& operator=(const CDescBlock&) = delete;

    virtual void Draw() = 0;
    virtual void Update(float dt) = 0;
    // The frame of its picture now shown; 0 for a block that does not turn.
    virtual int GetShownFrame() const { return 0; }

    // The kind character of a block's description, 0 when there is none.
    static char ReadKind(int number, const CConfigFile& helpFile);

    int GetPage() const { return m_page; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetZ() const { return m_z; }
    float GetW() const { return m_w; }
    float GetH() const { return m_h; }
    const std::string& GetText() const { return m_text; }
    char GetKind() const { return m_kind; }

protected:
    int m_page = 0;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_w = 0.0f;
    float m_h = 0.0f;
    std::string m_text;
    char m_kind = 0;
};
