#include "shell/CTextDialog.h"

#include <algorithm>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"

namespace
{
const char* const kRunningMenuResources = "current_res_manager";
const char* const kFontName = "font_1";
const float kTextDepth = 10.0f;
const float kShadowOffset = 2.0f;

int ReadInt(const CConfigFile& layout, const char* key)
{
    return StrToInt(layout.GetValue(key, "0"));
}

void* FindMainObject(const char* name)
{
    CGameApp* app = CGameApp::Get();
    CResManager* main = app != nullptr ? app->GetResManager() : nullptr;
    return main != nullptr ? main->GetObject(name) : nullptr;
}

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources != nullptr ? resources->FindTexture(name) : nullptr;
}
}

CTextDialog::CTextDialog(const CConfigFile& layout, CResManager* resources, CBitmapFont* font)
    : m_layout(layout), m_font(font), m_panel_texture(nullptr), m_text_size(20.0f), m_text_x(20.0f),
      m_text_y(20.0f), m_text_r(1.0f), m_text_g(1.0f), m_text_b(1.0f)
{
    if (m_font == nullptr)
        m_font = static_cast<CBitmapFont*>(FindMainObject(kFontName));
    if (resources == nullptr)
        resources = static_cast<CResManager*>(FindMainObject(kRunningMenuResources));

    m_ok_button = std::make_unique<CButton>(this, FindTexture(resources, "m_ok_btn"));
    m_ok_button->LoadPosition(m_layout, "m_td_ok_btn");
    AddChild(m_ok_button.get());
    m_cancel_button = std::make_unique<CButton>(this, FindTexture(resources, "m_cancel_btn"));
    m_cancel_button->LoadPosition(m_layout, "m_td_cancel_btn");
    AddChild(m_cancel_button.get());

    CGameApp* app = CGameApp::Get();
    if (app != nullptr)
        SetLogicalSize(app->GetViewParams().GetWidth(), app->GetViewParams().GetHeight());
    else
        SetLogicalSize(800, 600);
    SetShade(false);
    SetPanelVisible(true);
    SetSize(ReadInt(m_layout, "m_td_width"), ReadInt(m_layout, "m_td_height"));
    SetPosition(ReadInt(m_layout, "m_td_x"), ReadInt(m_layout, "m_td_y"));
    m_panel_texture = FindTexture(resources, "m_dialog_window_back");
}

CTextDialog::~CTextDialog() = default;

void CTextDialog::SetText(const std::string& text, float size, float x, float y, float r, float g, float b)
{
    m_text = text;
    m_text_size = size;
    m_text_x = x;
    m_text_y = y;
    m_text_r = r;
    m_text_g = g;
    m_text_b = b;
}

namespace
{
bool FitsWidth(const CBitmapFont& font, const std::string& line, float width, float size)
{
    return font.GetTextWidth(line.c_str(), size) <= width;
}

// The line with as little of its middle given up to "..." as lets it fit:
// the ends of a path say the most.
std::string CutToWidth(const CBitmapFont& font, const std::string& line, float width, float size)
{
    if (FitsWidth(font, line, width, size))
        return line;
    for (std::size_t kept = line.size(); kept-- > 0;)
    {
        const std::size_t head = kept / 3;
        const std::string cut = line.substr(0, head) + "..." + line.substr(line.size() - (kept - head));
        if (FitsWidth(font, cut, width, size))
            return cut;
    }
    return "...";
}
}

CTextDialog::SFittedLines CTextDialog::FitLines(const CBitmapFont& font, const std::vector<std::string>& lines,
                                                float width, float height, float size, float min_size)
{
    SFittedLines fitted;
    for (fitted.size = size; fitted.size > min_size; fitted.size -= 1.0f)
    {
        bool fits = static_cast<float>(lines.size()) * fitted.size <= height;
        for (std::size_t i = 0; fits && i < lines.size(); ++i)
            fits = FitsWidth(font, lines[i], width, fitted.size);
        if (fits)
        {
            fitted.lines = lines;
            return fitted;
        }
    }
    fitted.size = min_size;
    const std::size_t room = std::max<std::size_t>(1, static_cast<std::size_t>(height / min_size));
    const std::size_t shown = lines.size() <= room ? lines.size() : room - 1;
    for (std::size_t i = 0; i < shown; ++i)
        fitted.lines.push_back(CutToWidth(font, lines[i], width, min_size));
    if (shown < lines.size())
        fitted.lines.push_back(CutToWidth(font, "... and " + std::to_string(lines.size() - shown) + " more", width,
                                          min_size));
    return fitted;
}

void CTextDialog::SetLinesWithin(const std::vector<std::string>& lines, const CDraw2D::SRect& box, float size,
                                 float min_size, float r, float g, float b)
{
    SFittedLines fitted;
    if (m_font != nullptr)
        fitted = FitLines(*m_font, lines, box.width, box.height, size, min_size);
    else
        fitted = {lines, size};
    std::string text;
    float widest = 0.0f;
    for (std::size_t i = 0; i < fitted.lines.size(); ++i)
    {
        text += (i > 0 ? "\n" : "") + fitted.lines[i];
        if (m_font != nullptr)
            widest = std::max(widest, m_font->GetTextWidth(fitted.lines[i].c_str(), fitted.size));
    }
    const float height = fitted.size * static_cast<float>(fitted.lines.size());
    // The font draws upward from y: the first line's foot is one line down.
    SetText(text, fitted.size, box.x + std::max(0.0f, (box.width - widest) / 2.0f),
            box.y + std::max(0.0f, (box.height - height) / 2.0f) + fitted.size, r, g, b);
}

void CTextDialog::Draw()
{
    CMatrixStack::Push();
    DimBackground(0.0f, 0.0f, 0.0f, 0.75f);
    // The dialog base draws its panel only while the flag is on; this one
    // is textured and blended, so it is drawn here under the same flag.
    // Without its picture the panel would be a blank sheet under the text.
    if (IsPanelVisible() && IsLoaded(m_panel_texture))
    {
        const float x = GetX();
        const float y = GetY();
        CDraw2D::SetTexturing(true);
        CDraw2D::BindTexture(m_panel_texture != nullptr ? m_panel_texture->GetId() : 0);
        CDraw2D::EnableAlphaBlend();
        CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
        CTexture::DrawQuad(x, y, 0.0f, static_cast<float>(GetWidth()), static_cast<float>(GetHeight()), 0.0f, 1.0f,
                           0.0f, 1.0f);
        CDraw2D::SetBlend(false);
        CDraw2D::SetTexturing(false);
    }
    CDialog::Draw();
    if (m_font != nullptr && !m_text.empty())
    {
        m_font->DrawText(m_text.c_str(), m_text_size, m_text_x + kShadowOffset, m_text_y + kShadowOffset, kTextDepth,
                         0.0f, 0.0f, 0.0f, 1.0f, false);
        m_font->DrawText(m_text.c_str(), m_text_size, m_text_x, m_text_y, kTextDepth, m_text_r, m_text_g, m_text_b,
                         1.0f, false);
    }
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    CMatrixStack::Pop();
}

void CTextDialog::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    if (sender == m_ok_button.get())
        SetResult(RESULT_OK);
    else if (sender == m_cancel_button.get())
        SetResult(RESULT_CANCEL);
    else
        return;
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}
