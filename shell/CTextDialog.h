#pragma once
// A message box: a text with OK (result 0, or Enter) and Cancel (result 1, or
// Esc). The caller sets the text, may change the shade and the panel, opens
// it as an overlay and deletes it when told that it closed.

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CDialog.h"
#include "engine/gfx/CDraw2D.h"

class CBitmapFont;
class CButton;
class CConfigFile;
class CResManager;
class CTexture;

class CTextDialog : public CDialog
{
public:
    enum { RESULT_OK = 0, RESULT_CANCEL = 1 };

    // Places itself and its buttons from the layout group (m_td_x, m_td_y,
    // m_td_width, m_td_height, m_td_ok_btn, m_td_cancel_btn). The pictures
    // come from the given manager, by default the running game menu's
    // ("current_res_manager"); the font by default is "font_1".
    explicit CTextDialog(const CConfigFile& layout, CResManager* resources = nullptr, CBitmapFont* font = nullptr);
    ~CTextDialog() override;

    void Draw() override;
    void OnCommand(CWidget* sender) override;

    // The text's lower left corner is in the dialog's own coordinates; a line
    // break starts a new line.
    void SetText(const std::string& text, float size, float x, float y, float r, float g, float b);

    struct SFittedLines
    {
        std::vector<std::string> lines;
        float size = 0.0f;
    };
    // The lines at the largest size from `size` down to `min_size` at which
    // all of them stand within width x height, a line as high as the size.
    // Where even the least size is too large, a line too wide loses the
    // middle of its text to "...", and the lines the height cannot hold are
    // counted in a last line ("... and 3 more").
    static SFittedLines FitLines(const CBitmapFont& font, const std::vector<std::string>& lines, float width,
                                 float height, float size, float min_size);
    // Sets the lines, fitted so (without a font: as they are, at `size`),
    // as a block of text centred in the box (dialog coordinates).
    void SetLinesWithin(const std::vector<std::string>& lines, const CDraw2D::SRect& box, float size,
                        float min_size, float r, float g, float b);

    const std::string& GetText() const { return m_text; }
    CButton* GetOkButton() const { return m_ok_button.get(); }
    CButton* GetCancelButton() const { return m_cancel_button.get(); }

private:
    std::unique_ptr<CButton> m_ok_button;
    std::unique_ptr<CButton> m_cancel_button;
    const CConfigFile& m_layout;
    CBitmapFont* m_font;
    CTexture* m_panel_texture;
    std::string m_text;
    float m_text_size;
    float m_text_x;
    float m_text_y;
    float m_text_r;
    float m_text_g;
    float m_text_b;
};
