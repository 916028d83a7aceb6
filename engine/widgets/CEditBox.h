#pragma once

#include <string>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"
#include "engine/widgets/CWidget.h"

class CBitmapFont;
class CCommandTarget;
class CTexture;

// One-line text entry with a blinking caret. It takes keys and characters only
// while enabled and focused; a click on it gives it the focus.
//
// The text ends up as a bare or quoted value of a key-value file that escapes
// nothing, so the box never holds a double quote or two slashes side by side.
class CEditBox : public CWidget
{
public:
    enum { kUnfocused = 1, kFocused = 2 };
    // The text is kept below this length whatever maximum is asked for.
    static constexpr int kTextLimit = 1023;
    static constexpr float kBlinkPeriod = 500.0f;

    // The texture is a strip of two frames: unfocused, focused.
    CEditBox(CCommandTarget* owner, CBitmapFont* font, float fontSize, CTexture* texture);
    ~CEditBox() override;

    bool OnMouseMove(int x, int y, unsigned flags) override;
    bool OnLButtonUp(int x, int y, unsigned flags) override;
    bool OnLButtonDown(int x, int y, unsigned flags) override;
    void OnKeyDown(int key) override;
    void OnChar(unsigned short code, unsigned int keyData) override;
    void Update(float dt) override;
    void Draw() override;
    void AddLook(std::vector<float>& look) const override;

    void SetPosition(float x, float y, float z);
    // Clamped to 0..kTextLimit; a longer text is cut at once.
    void SetMaxLength(int length);
    void SetTextInset(float inset);
    void SetEnabled(bool enabled);
    // Gives or takes the focus without a click, for a box that is the only
    // thing its dialog asks for.
    void SetFocused(bool focused);
    const char* GetText() const { return m_text.c_str(); }
    // The caret left out of Draw and of the look, for an owner that draws
    // it apart (DrawCaret), so that its blinking changes nothing else.
    void SetCaretApart(bool apart) { m_caretApart = apart; }
    // Where the caret stands (in the box's own coordinates, as Draw places
    // it), shown or not.
    CDraw2D::SRect GetCaretRect() const;
    // The caret, when it is shown and the box focused: untextured, in the
    // box's colour, without the depth test; the colour white again after.
    void DrawCaret() const;
    // The size the text is drawn at: the font size the box was made with,
    // smaller where the whole text and the caret after it would not fit
    // between the insets.
    float GetTextSize() const;

    int GetMaxLength() const { return m_maxLength; }
    bool IsEnabled() const { return m_enabled; }
    bool IsFocused() const { return m_state == kFocused; }
    int GetState() const { return m_state; }
    int GetCaret() const { return m_caret; }
    bool IsCaretShown() const { return m_caretShown; }
    const CVector4& GetPosition() const { return m_position; }
    float GetWidth() const { return m_width; }
    float GetHeight() const { return m_height; }

private:
    void Insert(std::string piece);
    void DeleteAt(int index);
    void Paste();
    bool MayStandAt(char c, int index) const;
    void SizeFromTexture();

    float m_textInset;
    CCommandTarget* m_owner;
    CTexture* m_texture;
    CVector4 m_position;
    float m_width;
    float m_height;
    int m_state;
    float m_color[4];
    CBitmapFont* m_font;
    float m_fontSize;
    std::string m_text;
    int m_maxLength;
    bool m_enabled;
    bool m_caretShown;
    float m_blinkPeriod;
    float m_blinkTime;
    int m_caret;
    bool m_caretApart = false;
};
