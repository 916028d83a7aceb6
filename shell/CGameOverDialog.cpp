#include "shell/CGameOverDialog.h"

#include <cstdio>

#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/widgets/CEditBox.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/CMenuHost.h"
#include "shell/game/CScoreTable.h"
#include "shell/game/GameLookup.h"
#include "platform/CKeyMap.h"

const char* const CGameOverDialog::ANONYMOUS = "Anonymous";

namespace
{
const float NAME_DEPTH = 10.0f;
const float TEXT_DEPTH = 10.0f;
const char* const LAYOUT_GROUP = "main_menu";

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources ? resources->FindTexture(name) : nullptr;
}

// A black shadow two units right and down, then the text in white, centred
// across the screen's width with its foot at y.
void DrawShadowed(const CBitmapFont* font, const char* text, float size, float width, float y)
{
    const float x = (width - font->GetTextWidth(text, size)) / 2.0f;
    font->DrawText(text, size, x + 2.0f, y + 2.0f, TEXT_DEPTH, 0.0f, 0.0f, 0.0f, 1.0f, false);
    font->DrawText(text, size, x, y, TEXT_DEPTH, 1.0f, 1.0f, 1.0f, 1.0f, false);
}
}

CGameOverDialog::CGameOverDialog(int score, CScoreTable* table, CMenuHost& host, const std::string& tablePath)
    : m_host(host), m_score(score), m_table(table), m_table_path(tablePath)
{
    m_font = m_host.GetFont();
    CResManager* main = m_host.GetMainResManager();
    const CConfigFile* layout = main ? main->FindConfig(LAYOUT_GROUP) : nullptr;
    const CConfigFile empty;
    if (layout == nullptr)
        layout = &empty;
    CResManager* resources = m_host.GetCurrentResManager();

    m_close_button = std::make_unique<CButton>(this, FindTexture(resources, "m_close_btn"));
    m_close_button->LoadPosition(*layout, "m_end_close_btn");
    AddChild(m_close_button.get());

    m_name_box = std::make_unique<CEditBox>(this, m_font, NAME_SIZE, FindTexture(resources, "m_enter_name_editbox"));
    m_name_box->SetPosition(StrToFloat(layout->GetValue("m_end_editx", "0")),
                            StrToFloat(layout->GetValue("m_end_edity", "0")), NAME_DEPTH);
    m_name_box->SetMaxLength(MAX_NAME_LENGTH);
    m_name_box->SetTextInset(NAME_INSET);
    m_name_box->SetCaretApart(true);
    AddChild(m_name_box.get());

    m_ranked = m_table != nullptr && m_table->GetRank(m_score) != -1;
    m_name_box->SetEnabled(m_ranked);
    // A player types the name straight away; keys must not be lost for want
    // of a click on the box first.
    m_name_box->SetFocused(m_ranked);
    m_background = FindTexture(resources, "m_dialog_window_back");
    m_host.PlaySound(GAME_OVER_SOUND);
}

CGameOverDialog::~CGameOverDialog() {}

void CGameOverDialog::Finish()
{
    // Key repeat or a quick second click arrives before the deferred close:
    // the score is recorded once.
    if (m_finished)
        return;
    m_finished = true;
    m_name = m_name_box->GetText();
    if (m_name.find_first_not_of(' ') == std::string::npos)
        m_name = ANONYMOUS;
    if (m_table != nullptr && m_table->GetRank(m_score) != -1)
    {
        m_table->Add(m_name, m_score);
        // Written now: the finished game's save goes next, and a kill or a
        // full disk before the menu is left must not lose both.
        if (!m_table_path.empty())
            m_table->Save(m_table_path);
    }
    SetResult(0);
    m_host.CloseScreen(false);
}

void CGameOverDialog::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE || key == CKeyMap::VK_RETURN)
        Finish();
    CScreen::OnKeyDown(key);
}

void CGameOverDialog::OnCommand(CWidget* sender)
{
    if (sender != nullptr && sender == m_close_button.get())
        Finish();
}

bool CGameOverDialog::CoversWindow() const
{
    return IsShaded() || IsLoaded(m_background);
}

bool CGameOverDialog::ClearsOwnDepth() const
{
    // Only its window picture is drawn by its held frame.
    return IsLoaded(m_background);
}

CHeldDialogFrame::SLayers CGameOverDialog::Layers()
{
    CHeldDialogFrame::SLayers layers = CHeldDialogFrame::WindowPicture(*this, m_background, [this] {
        const float w = static_cast<float>(GetLogicalWidth());
        if (m_font)
        {
            // The title low enough to stay clear of the panel's top frame.
            DrawShadowed(m_font, "Game Over !", 50.0f, w, 90.0f);
            char line[64];
            std::snprintf(line, sizeof line, "Your score: %i", m_score);
            DrawShadowed(m_font, line, 30.0f, w, 200.0f);
            if (m_ranked)
                DrawShadowed(m_font, "Enter Your Name", 30.0f, w, 300.0f);
        }
    });
    // The name box's caret blinks apart from everything else.
    if (m_name_box->IsEnabled())
    {
        const CDraw2D::SRect caret = m_name_box->GetCaretRect();
        layers.live = {{GetX() + caret.x, GetY() + caret.y, caret.width, caret.height}};
        layers.liveLook = {m_name_box->IsCaretShown() && m_name_box->IsFocused() ? 1.0f : 0.0f};
        layers.drawLive = [this](const std::vector<bool>& which) {
            if (which.empty() || !which[0])
                return;
            CMatrixStack::Push();
            // Where CDialog::Draw puts the dialog's own corner.
            CMatrixStack::Translate(GetX(), GetY(), 0.5f);
            m_name_box->DrawCaret();
            CMatrixStack::Pop();
        };
    }
    return layers;
}

void CGameOverDialog::Draw()
{
    // The window picture hides everything under it; without it the dimming
    // and the panel show, drawn the long way.
    if (!IsLoaded(m_background))
    {
        CMatrixStack::Push();
        DimBackground(0.0f, 0.0f, 0.0f, 1.0f);
        CDraw2D::SetTexturing(false);
        DrawPanel(0.3f, 0.4f, 0.5f, 0.9f);
        DrawWindowPicture(m_background);
        CMatrixStack::Pop();
        m_held.DrawUnheld(Layers());
        return;
    }
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    look.push_back(static_cast<float>(m_score));
    look.push_back(m_ranked ? 1.0f : 0.0f);
    m_held.Draw(nullptr, Layers(), look);
}
