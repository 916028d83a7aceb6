#pragma once
// The kind's help, one page at a time: text and picture blocks read from the
// help file that the kind's menu group names (m_help_text), with buttons for
// the next page, the previous page and closing.

#include <memory>
#include <vector>

#include "engine/frame/CDialog.h"
#include "shell/game/CHeldDialogFrame.h"
#include "shell/CDescBlock.h"

class CBitmapFont;
class CButton;
class CConfigFile;
class CMenuHost;
class CTexture;

class CHelpDialog : public CDialog
{
public:
    // A help file never makes us read more blocks than this.
    static constexpr int MAX_BLOCKS = 1000;

    // Reads the help file through the host's pack; a missing or unreadable
    // file gives an empty page without page buttons.
    CHelpDialog(CConfigFile& group, CMenuHost& host);
    ~CHelpDialog() override;

    // Replaces the pages with those of a parsed help file and shows page 1.
    void LoadPages(const CConfigFile& helpFile);
    void NextPage();
    void PrevPage();

    void Draw() override;
    void OnHiddenFrame() override { m_held.Forget(); }
    // Its picture is opaque and fills the window.
    bool CoversWindow() const override;
    bool ClearsOwnDepth() const override;
    void OnCommand(CWidget* sender) override;

    int GetPageCount() const { return m_pages_count; }
    int GetCurrentPage() const { return m_current_page; }
    const std::vector<std::unique_ptr<CDescBlock>>& GetBlocks() const { return m_blocks; }
    // The blocks drawn on the current page, in block order.
    std::vector<const CDescBlock*> GetShownBlocks() const;

    CButton* GetCloseButton() const { return m_close_button.get(); }
    CButton* GetNextButton() const { return m_next_button.get(); }
    CButton* GetPrevButton() const { return m_prev_button.get(); }

private:
    // The frame's layers (see CHeldDialogFrame): the window picture; the
    // buttons, title and texts of the page; its pictures, live.
    CHeldDialogFrame::SLayers Layers();
    void UpdatePageButtons();

    CConfigFile& m_group;
    CMenuHost& m_host;
    std::unique_ptr<CButton> m_close_button;
    CBitmapFont* m_font = nullptr;
    std::unique_ptr<CButton> m_next_button;
    std::unique_ptr<CButton> m_prev_button;
    CTexture* m_background = nullptr;
    int m_pages_count = 0;
    int m_current_page = 1;
    std::vector<std::unique_ptr<CDescBlock>> m_blocks;
    CHeldDialogFrame m_held{*this};
};
