#include "shell/CTop7Dialog.h"

#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/CMenuHost.h"
#include "shell/CTextDialog.h"
#include "shell/game/GameLookup.h"

const char* const CTop7Dialog::CLEAR_QUESTION =
    "Are you sure you want \n\nto delete all recorded \n\nscores for this mode?";

namespace
{
const float TEXT_DEPTH = 10.0f;
const char* const kTitle = "Top 7";
const float kTitleSize = 50.0f;
// The font draws upward from here.
const float kTitleFoot = 80.0f;

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources ? resources->FindTexture(name) : nullptr;
}
}

CTop7Dialog::CTop7Dialog(CConfigFile& group, CMenuHost& host) : m_group(group), m_host(host)
{
    m_font = m_host.GetFont();
    CResManager* resources = m_host.GetCurrentResManager();
    auto make = [&](const char* texture, const char* place) {
        auto button = std::make_unique<CButton>(this, FindTexture(resources, texture));
        button->LoadPosition(m_group, place);
        AddChild(button.get());
        return button;
    };
    m_clear_button = make("m_clear_btn", "m_t7d_clear_btn");
    m_close_button = make("m_close_btn", "m_t7d_close_btn");
    m_up_button = make("m_skin_up_btn", "m_t7d_up_btn");
    m_down_button = make("m_skin_down_btn", "m_t7d_down_btn");

    SetLogicalSize(m_host.GetLogicalWidth(), m_host.GetLogicalHeight());
    SetShade(false);
    SetPanelVisible(true);
    m_background = FindTexture(resources, "m_dialog_window_back");
}

CTop7Dialog::~CTop7Dialog()
{
    if (m_question)
        m_host.WithdrawScreen(m_question.get());
}

void CTop7Dialog::SetTables(const CScoreCaptionList& list)
{
    m_tables = list;
    ShowTable(0);
}

void CTop7Dialog::ShowTable(int index)
{
    if (m_tables.empty())
    {
        m_table_index = 0;
        m_caption.clear();
        m_table = nullptr;
        return;
    }
    m_table_index = index;
    m_caption = m_tables[index].first;
    m_table = m_tables[index].second;
}

void CTop7Dialog::NextTable()
{
    const int count = static_cast<int>(m_tables.size());
    ShowTable(count == 0 || m_table_index + 1 >= count ? 0 : m_table_index + 1);
}

void CTop7Dialog::PrevTable()
{
    const int count = static_cast<int>(m_tables.size());
    ShowTable(count == 0 ? 0 : (m_table_index - 1 < 0 ? count - 1 : m_table_index - 1));
}

void CTop7Dialog::AskClear()
{
    if (m_question)
        m_host.WithdrawScreen(m_question.get());
    m_question = std::make_unique<CTextDialog>(m_group, m_host.GetCurrentResManager(), m_font);
    m_question->SetShade(true);
    m_question->SetPanelVisible(false);
    m_question->SetText(CLEAR_QUESTION, 32.0f, 165.0f, 230.0f, 1.0f, 1.0f, 1.0f);
    m_host.OpenOverlay(m_question.get());
}

void CTop7Dialog::OnCommand(CWidget* sender)
{
    if (sender == nullptr)
        return;
    if (sender == m_close_button.get())
    {
        SetResult(0);
        m_host.CloseScreen(false);
    }
    else if (sender == m_clear_button.get())
        AskClear();
    else if (sender == m_up_button.get())
        NextTable();
    else if (sender == m_down_button.get())
        PrevTable();
}

void CTop7Dialog::OnDialogClosed(int result, CScreen* dialog)
{
    if (dialog == nullptr || dialog != m_question.get())
        return;
    m_question.reset();
    if (result == CTextDialog::RESULT_OK && m_table != nullptr)
        m_table->Clear();
}

bool CTop7Dialog::CoversWindow() const
{
    return IsLoaded(m_background);
}

bool CTop7Dialog::ClearsOwnDepth() const
{
    // Drawn by its held frame whenever it covers the window.
    return CoversWindow();
}

CHeldDialogFrame::SLayers CTop7Dialog::Layers()
{
    return CHeldDialogFrame::WindowPicture(*this, m_background, [this] {
        const float w = static_cast<float>(GetLogicalWidth());
        if (m_font)
        {
            // Centred, and low enough to stay clear of the panel's top frame.
            const float titleX = (w - m_font->GetTextWidth(kTitle, kTitleSize)) / 2.0f;
            m_font->DrawText(kTitle, kTitleSize, titleX + 2.0f, kTitleFoot + 2.0f, TEXT_DEPTH, 0.0f, 0.0f, 0.0f, 1.0f,
                             false);
            m_font->DrawText(kTitle, kTitleSize, titleX, kTitleFoot, TEXT_DEPTH, 1.0f, 1.0f, 1.0f, 1.0f, false);
            const float x = (w - m_font->GetTextWidth(m_caption.c_str(), 32.0f)) / 2.0f;
            m_font->DrawText(m_caption.c_str(), 32.0f, x, 132.0f, 12.0f, 0.0f, 0.0f, 0.0f, 1.0f, false);
            m_font->DrawText(m_caption.c_str(), 32.0f, x, 130.0f, TEXT_DEPTH, 1.0f, 1.0f, 1.0f, 1.0f, false);
            if (m_table)
                m_table->Draw(m_font);
        }
    });
}

void CTop7Dialog::Draw()
{
    if (!CoversWindow())
    {
        m_held.DrawUnheld(Layers());
        return;
    }
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    // The table shown and what it holds: clearing it changes it in place.
    look.push_back(static_cast<float>(m_table_index));
    for (char c : m_caption)
        look.push_back(static_cast<float>(static_cast<unsigned char>(c)));
    if (m_table)
        for (int i = 0; i < m_table->GetCount(); ++i)
        {
            look.push_back(static_cast<float>(m_table->GetScore(i)));
            for (char c : m_table->GetName(i))
                look.push_back(static_cast<float>(static_cast<unsigned char>(c)));
        }
    m_held.Draw(nullptr, Layers(), look);
}
