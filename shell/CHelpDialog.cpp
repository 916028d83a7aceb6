#include "shell/CHelpDialog.h"

#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/CMenuHost.h"
#include "shell/CModelDescBlock.h"
#include "shell/CTextDescBlock.h"
#include "shell/game/GameLookup.h"

namespace
{
const float TITLE_SIZE = 50.0f;
const float TITLE_DEPTH = 10.0f;

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources ? resources->FindTexture(name) : nullptr;
}

int ReadInt(const CConfigFile& store, const char* key)
{
    return StrToInt(store.GetValue(key, "0"));
}
}

CHelpDialog::CHelpDialog(CConfigFile& group, CMenuHost& host) : m_group(group), m_host(host)
{
    m_font = m_host.GetFont();
    CResManager* resources = m_host.GetCurrentResManager();

    CConfigFile helpFile;
    CFilePack* pack = m_host.GetPack();
    const std::string name = m_group.GetValue("m_help_text", "0");
    if (pack != nullptr && pack->Exists(name))
    {
        CFileData data = pack->GetFile(name);
        helpFile.LoadFromBuffer(data.GetData(), data.GetSize(), true);
        data.Free();
    }

    auto make = [&](const char* texture, const char* place) {
        auto button = std::make_unique<CButton>(this, FindTexture(resources, texture));
        button->LoadPosition(m_group, place);
        AddChild(button.get());
        return button;
    };
    m_close_button = make("m_close_btn", "m_hd_close_btn");
    m_next_button = make("m_up_btn", "m_hd_up_btn");
    m_prev_button = make("m_down_btn", "m_hd_down_btn");

    m_background = FindTexture(resources, "m_dialog_window_back");
    SetLogicalSize(m_host.GetLogicalWidth(), m_host.GetLogicalHeight());
    SetShade(false);
    SetPanelVisible(true);
    SetPosition(ReadInt(m_group, "m_hd_x"), ReadInt(m_group, "m_hd_y"));
    SetSize(ReadInt(m_group, "m_hd_width"), ReadInt(m_group, "m_hd_height"));

    LoadPages(helpFile);
}

CHelpDialog::~CHelpDialog() {}

void CHelpDialog::LoadPages(const CConfigFile& helpFile)
{
    m_blocks.clear();
    m_pages_count = ReadInt(helpFile, "pages_count");
    if (m_pages_count < 0)
        m_pages_count = 0;
    m_current_page = 1;
    int blocks = ReadInt(helpFile, "blocks_count");
    if (blocks > MAX_BLOCKS)
        blocks = MAX_BLOCKS;
    for (int i = 1; i <= blocks; ++i)
    {
        const char kind = CDescBlock::ReadKind(i, helpFile);
        if (kind == CDescBlock::KIND_TEXT)
            m_blocks.push_back(std::make_unique<CTextDescBlock>(i, helpFile, m_font));
        else if (kind == CDescBlock::KIND_PICTURE)
            m_blocks.push_back(std::make_unique<CModelDescBlock>(i, helpFile, m_host.GetPack()));
    }
    UpdatePageButtons();
}

void CHelpDialog::UpdatePageButtons()
{
    // Without a valid page there is nothing to page to.
    m_prev_button->SetVisible(m_pages_count >= 1 && m_current_page > 1);
    m_next_button->SetVisible(m_pages_count >= 1 && m_current_page < m_pages_count);
}

void CHelpDialog::NextPage()
{
    if (m_current_page < m_pages_count)
        ++m_current_page;
    UpdatePageButtons();
}

void CHelpDialog::PrevPage()
{
    if (m_current_page > 1)
        --m_current_page;
    UpdatePageButtons();
}

std::vector<const CDescBlock*> CHelpDialog::GetShownBlocks() const
{
    std::vector<const CDescBlock*> shown;
    if (m_current_page > m_pages_count)
        return shown;
    for (const auto& block : m_blocks)
        if (block->GetPage() == m_current_page)
            shown.push_back(block.get());
    return shown;
}

void CHelpDialog::OnCommand(CWidget* sender)
{
    if (sender == nullptr)
        return;
    if (sender == m_close_button.get())
    {
        SetResult(0);
        m_host.CloseScreen(false);
    }
    else if (sender == m_next_button.get())
        NextPage();
    else if (sender == m_prev_button.get())
        PrevPage();
}

bool CHelpDialog::CoversWindow() const
{
    return IsLoaded(m_background);
}

bool CHelpDialog::ClearsOwnDepth() const
{
    // Drawn by its held frame whenever it covers the window.
    return CoversWindow();
}

CHeldDialogFrame::SLayers CHelpDialog::Layers()
{
    // The page's pictures stand still (the dialog never steps them): they
    // are held with its texts, the frame each shows in the look.
    return CHeldDialogFrame::WindowPicture(*this, m_background, [this] {
        if (m_font)
        {
            m_font->DrawText("Help", TITLE_SIZE, 52.0f, 92.0f, TITLE_DEPTH, 0.0f, 0.0f, 0.0f, 1.0f, false);
            m_font->DrawText("Help", TITLE_SIZE, 50.0f, 90.0f, TITLE_DEPTH, 1.0f, 1.0f, 1.0f, 1.0f, false);
        }
        if (m_current_page > m_pages_count)
            return;
        // The texts, then the pictures, textured.
        for (bool pictures : {false, true})
        {
            CDraw2D::SetTexturing(pictures);
            for (const auto& block : m_blocks)
                if (block->GetPage() == m_current_page &&
                    (block->GetKind() == CDescBlock::KIND_PICTURE) == pictures)
                    block->Draw();
        }
        CDraw2D::SetTexturing(false);
    });
}

void CHelpDialog::Draw()
{
    UpdatePageButtons();
    if (!CoversWindow())
    {
        m_held.DrawUnheld(Layers());
        return;
    }
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    look.push_back(static_cast<float>(m_current_page));
    for (const CDescBlock* block : GetShownBlocks())
        look.push_back(static_cast<float>(block->GetShownFrame()));
    m_held.Draw(nullptr, Layers(), look);
}
