#include "shell/game/CNewGameDialog.h"

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetGroup.h"
#include "engine/frame/WindowToLogical.h"
#include "shell/game/CGameParams.h"
#include "shell/game/GameLookup.h"
#include "platform/CKeyMap.h"

namespace
{
const float CAPTION_SIZE = 35.0f;

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources ? resources->FindTexture(name) : nullptr;
}
}

CNewGameDialog::CNewGameDialog(CConfigFile* layout, CGameParams* params)
    : m_size_group(std::make_unique<CWidgetGroup>()),
      m_difficulty_group(std::make_unique<CWidgetGroup>()),
      m_layout(layout),
      m_resources(GetCurrentResManager()),
      m_params(params),
      m_font(GetMainFont())
{
    if (CGameApp* app = GetGameApp())
        SetScreenSize(app->GetViewParams().GetWidth(), app->GetViewParams().GetHeight());

    int width = m_layout ? StrToInt(m_layout->GetValue("m_nd_width", "0")) : 0;
    int height = m_layout ? StrToInt(m_layout->GetValue("m_nd_height", "0")) : 0;
    SetPosition((m_screen_width - width) / 2, (m_screen_height - height) / 2);
    SetSize(width, height);

    m_ok_button = std::make_unique<CButton>(this, FindTexture(m_resources, "m_ok_btn"));
    m_cancel_button = std::make_unique<CButton>(this, FindTexture(m_resources, "m_cancel_btn"));
    if (m_layout)
    {
        m_ok_button->LoadPosition(*m_layout, "m_nd_ok_btn");
        m_cancel_button->LoadPosition(*m_layout, "m_nd_cancel_btn");
    }
    AddChild(m_ok_button.get());
    AddChild(m_cancel_button.get());
    m_background = FindTexture(m_resources, "m_dialog_window_back");
}

CNewGameDialog::~CNewGameDialog() {}

void CNewGameDialog::SetScreenSize(int width, int height)
{
    m_screen_width = width;
    m_screen_height = height;
}

void CNewGameDialog::SetPosition(int x, int y)
{
    m_x = static_cast<float>(x);
    m_y = static_cast<float>(y);
}

void CNewGameDialog::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void CNewGameDialog::AddChoice(std::vector<SChoice>& choices, CWidgetGroup& group, const char* key,
                               const char* caption, const char* widthText, bool hidden)
{
    float captionWidth = m_font ? m_font->GetTextWidth(widthText, CAPTION_SIZE) : 0.0f;
    SChoice choice;
    choice.m_radio = std::make_unique<CRadioButton>(this, FindTexture(m_resources, "m_radio_btn"), captionWidth);
    choice.m_caption = caption;
    if (m_layout)
        choice.m_radio->LoadPosition(*m_layout, key);
    choice.m_radio->SetVisible(!hidden);
    AddChild(choice.m_radio.get());
    group.Add(choice.m_radio.get());
    choices.push_back(std::move(choice));
}

void CNewGameDialog::AddSizeChoice(const char* key, const char* caption, const char* widthText, bool hidden)
{
    AddChoice(m_size_choices, *m_size_group, key, caption, widthText, hidden);
}

void CNewGameDialog::AddDifficultyChoice(const char* key, const char* caption, const char* widthText,
                                         bool hidden)
{
    AddChoice(m_difficulty_choices, *m_difficulty_group, key, caption, widthText, hidden);
}

int CNewGameDialog::ChooseShown(const std::vector<bool>& shown, int remembered)
{
    const int count = static_cast<int>(shown.size());
    if (count == 0)
        return -1;
    auto firstShown = [&]() {
        for (int i = 0; i < count; ++i)
            if (shown[i])
                return i;
        return -1;
    };
    if (remembered < 0 || remembered >= count)
    {
        int first = firstShown();
        return first >= 0 ? first : 0;
    }
    if (shown[remembered] || firstShown() < 0)
        return remembered;
    for (int i = remembered - 1; i >= 0; --i)
        if (shown[i])
            return i;
    for (int i = remembered + 1; i < count; ++i)
        if (shown[i])
            return i;
    return remembered;
}

void CNewGameDialog::Preselect(std::vector<SChoice>& choices, CWidgetGroup& group, int index)
{
    std::vector<bool> shown;
    for (const SChoice& choice : choices)
        shown.push_back(choice.m_radio->IsVisible());
    index = ChooseShown(shown, index);
    if (index < 0)
        return;
    choices[index].m_radio->SetSelected(true);
    group.Select(choices[index].m_radio.get());
}

void CNewGameDialog::Preselect()
{
    Preselect(m_size_choices, *m_size_group, m_params ? m_params->GetLastSize() : 0);
    Preselect(m_difficulty_choices, *m_difficulty_group, m_params ? m_params->GetLastDifficulty() : 0);
}

int CNewGameDialog::GetSelectedSize() const
{
    return m_size_group->GetSelectedIndex();
}

int CNewGameDialog::GetSelectedDifficulty() const
{
    return m_difficulty_group->GetSelectedIndex();
}

void CNewGameDialog::Close(int result)
{
    // A second key or click before the deferred close must not ask again.
    if (m_closing)
        return;
    m_closing = true;
    SetResult(result);
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CNewGameDialog::SetTitle(const char* text, float size, float y)
{
    m_title = text ? text : "";
    m_title_size = size;
    m_title_y = y;
}

void CNewGameDialog::SetQuestion(const char* text, float size)
{
    const float buttonsTop = m_ok_button->GetPosition().y;
    SetTitle(text, size, (buttonsTop + size) / 2.0f);
}

float CNewGameDialog::GetTitleX() const
{
    if (!m_font)
        return 0.0f;
    return (static_cast<float>(m_width) - m_font->GetTextWidth(m_title.c_str(), m_title_size)) / 2.0f;
}

void CNewGameDialog::SetWindowPicture(const char* textureName)
{
    m_background = textureName ? FindTexture(m_resources, textureName) : nullptr;
}

void CNewGameDialog::DrawGround(const std::vector<CDraw2D::SRect>& parts) const
{
    CMatrixStack::Push();
    // Over the veil, as deep as it lies.
    if (m_dim_screen)
    {
        CDraw2D::SetAlphaTest(false);
        CMatrixStack::Translate(0.0f, 0.0f, 0.5f);
    }
    CDraw2D::SetTexturing(true);
    CDraw2D::EnableAlphaBlend();
    if (m_background)
    {
        CDraw2D::SRect source;
        float rx = 0.0f, ry = 0.0f;
        PanelShape(source, rx, ry);
        CDraw2D::DrawRoundedPictureParts(m_background->GetId(),
                                         {m_x, m_y, static_cast<float>(m_width), static_cast<float>(m_height)},
                                         source, rx, ry, parts);
    }
    CMatrixStack::Pop();
}

void CNewGameDialog::PanelShape(CDraw2D::SRect& source, float& radiusX, float& radiusY) const
{
    source = {0.0f, 0.0f, 1.0f, 1.0f};
    radiusX = radiusY = 0.0f;
    const float w = m_background ? static_cast<float>(m_background->GetWidth()) : 0.0f;
    const float h = m_background ? static_cast<float>(m_background->GetHeight()) : 0.0f;
    // A picture too small to hold the frame is shown whole.
    if (w <= 4.0f * kFrameInset || h <= 4.0f * kFrameInset)
        return;
    source = {kFrameInset / w, kFrameInset / h, 1.0f - 2.0f * kFrameInset / w, 1.0f - 2.0f * kFrameInset / h};
    radiusX = kFrameRadius * static_cast<float>(m_width) / (w - 2.0f * kFrameInset);
    radiusY = kFrameRadius * static_cast<float>(m_height) / (h - 2.0f * kFrameInset);
}

void CNewGameDialog::DrawChoices()
{
    CMatrixStack::Push();
    CDraw2D::SetBlend(false);
    CMatrixStack::Translate(m_x, m_y, 0.5f);
    if (m_font)
    {
        const float titleX = GetTitleX();
        m_font->DrawText(m_title.c_str(), m_title_size, titleX + 2.0f, m_title_y + 2.0f, 10.0f, 0.0f, 0.0f, 0.0f,
                         1.0f, false);
        m_font->DrawText(m_title.c_str(), m_title_size, titleX, m_title_y, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f, false);
        for (const auto* list : {&m_size_choices, &m_difficulty_choices})
            for (const SChoice& choice : *list)
            {
                if (!choice.m_radio->IsVisible())
                    continue;
                const CVector4& p = choice.m_radio->GetPosition();
                m_font->DrawText(choice.m_caption.c_str(), CAPTION_SIZE, p.x + 55.0f, p.y + 43.0f, p.z, 1.0f,
                                 1.0f, 1.0f, 1.0f, false);
            }
    }
    CDraw2D::SetTexturing(true);
    CScreen::Draw();
    CDraw2D::SetTexturing(false);
    CMatrixStack::Pop();
}

CHeldDialogFrame::SLayers CNewGameDialog::Layers()
{
    CHeldDialogFrame::SLayers layers;
    layers.width = static_cast<float>(m_screen_width);
    layers.height = static_cast<float>(m_screen_height);
    // The panel's picture has no see-through texels; only its rounded
    // corners let the screen under show.
    if (m_background)
    {
        layers.opaque = {m_x, m_y, static_cast<float>(m_width), static_cast<float>(m_height)};
        CDraw2D::SRect source;
        PanelShape(source, layers.opaqueCornerWidth, layers.opaqueCornerHeight);
    }
    // The screen under it darkened to a quarter of its light.
    if (m_dim_screen)
        layers.veilLight = 0.25f;
    layers.drawGround = [this](const std::vector<CDraw2D::SRect>& parts) { DrawGround(parts); };
    layers.drawOver = [this] { DrawChoices(); };
    return layers;
}

bool CNewGameDialog::DrawOver(CScreen& under)
{
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    m_held.Draw(&under, Layers(), look);
    return true;
}

void CNewGameDialog::Draw()
{
    m_held.DrawUnheld(Layers());
}

void CNewGameDialog::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE)
        Close(1);
    else if (key == CKeyMap::VK_RETURN)
        Close(0);
}

void CNewGameDialog::MapToLogical(int x, int y, int& outX, int& outY) const
{
    int lx = x;
    int ly = y;
    if (CAppWindow* window = CAppWindow::Get())
        WindowToLogical(x, y, window->GetWidth(), window->GetHeight(), m_screen_width, m_screen_height, lx, ly);
    outX = lx - static_cast<int>(m_x);
    outY = ly - static_cast<int>(m_y);
}

void CNewGameDialog::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    if (sender == m_ok_button.get())
        Close(0);
    else if (sender == m_cancel_button.get())
        Close(1);
    else if (m_size_group->Contains(sender))
        m_size_group->Select(static_cast<CRadioButton*>(sender));
    else if (m_difficulty_group->Contains(sender))
        m_difficulty_group->Select(static_cast<CRadioButton*>(sender));
}
