#pragma once
// The kind's score tables, one at a time under "Top 7" with the table's
// caption; arrows page through them and wrap, Clear empties the shown table
// after a question.

#include <memory>
#include <string>

#include "engine/frame/CDialog.h"
#include "shell/game/CHeldDialogFrame.h"
#include "shell/game/CScoreTable.h"

class CBitmapFont;
class CButton;
class CConfigFile;
class CMenuHost;
class CTextDialog;
class CTexture;

class CTop7Dialog : public CDialog
{
public:
    static const char* const CLEAR_QUESTION;

    // Buttons and the question are laid out from the kind's menu group.
    CTop7Dialog(CConfigFile& group, CMenuHost& host);
    ~CTop7Dialog() override;

    // Keeps its own copy and shows the first entry; an empty list shows no table.
    void SetTables(const CScoreCaptionList& list);
    void NextTable();
    void PrevTable();

    void Draw() override;
    void OnHiddenFrame() override { m_held.Forget(); }
    // Its picture is opaque and fills the window.
    bool CoversWindow() const override;
    bool ClearsOwnDepth() const override;
    void OnCommand(CWidget* sender) override;
    void OnDialogClosed(int result, CScreen* dialog) override;

    int GetTableIndex() const { return m_table_index; }
    const std::string& GetCaption() const { return m_caption; }
    CScoreTable* GetShownTable() const { return m_table; }
    CTextDialog* GetQuestion() const { return m_question.get(); }
    CButton* GetClearButton() const { return m_clear_button.get(); }
    CButton* GetCloseButton() const { return m_close_button.get(); }
    CButton* GetUpButton() const { return m_up_button.get(); }
    CButton* GetDownButton() const { return m_down_button.get(); }

private:
    // The frame's layers (see CHeldDialogFrame): the window picture; the
    // buttons, title and table.
    CHeldDialogFrame::SLayers Layers();
    void ShowTable(int index);
    void AskClear();

    CConfigFile& m_group;
    CMenuHost& m_host;
    std::unique_ptr<CButton> m_clear_button;
    std::unique_ptr<CButton> m_close_button;
    CScoreTable* m_table = nullptr;
    CTexture* m_background = nullptr;
    CBitmapFont* m_font = nullptr;
    std::unique_ptr<CTextDialog> m_question;
    std::unique_ptr<CButton> m_up_button;
    std::unique_ptr<CButton> m_down_button;
    int m_table_index = 0;
    std::string m_caption;
    CScoreCaptionList m_tables;
    CHeldDialogFrame m_held{*this};
};
