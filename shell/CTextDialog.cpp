#include "shell/CTextDialog.h"

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

void CTextDialog::Draw()
{
    CMatrixStack::Push();
    DimBackground(0.0f, 0.0f, 0.0f, 0.75f);
    // The dialog base draws its panel only while the flag is on; this one
    // is textured and blended, so it is drawn here under the same flag.
    if (IsPanelVisible())
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
