#pragma once
// Shown when a game has ended: "Game Over !", the score and, when the score
// earns a place in the finished game's table, a box for the player's name.
// Finishing (close button, Esc or Enter) records the score once and closes
// with result 0.

#include <memory>
#include <string>

#include "engine/frame/CDialog.h"
#include "shell/game/CHeldDialogFrame.h"

class CBitmapFont;
class CButton;
class CEditBox;
class CMenuHost;
class CScoreTable;
class CTexture;

class CGameOverDialog : public CDialog
{
public:
    static constexpr int GAME_OVER_SOUND = 53;
    static constexpr int MAX_NAME_LENGTH = 15;
    // The name box's text: its size (smaller for a name too wide for the
    // box) and its inset from the box's edges.
    static constexpr float NAME_SIZE = 35.0f;
    static constexpr float NAME_INSET = 9.0f;
    static const char* const ANONYMOUS;

    // The table is not owned and may be null (nothing can then rank).
    // tablePath: where the table is written as soon as the entry is made
    // (empty: not written here).
    CGameOverDialog(int score, CScoreTable* table, CMenuHost& host, const std::string& tablePath = std::string());
    ~CGameOverDialog() override;

    // Shaded black or laid on its opaque picture, it fills the window.
    bool CoversWindow() const override;
    bool ClearsOwnDepth() const override;
    void Draw() override;
    void OnHiddenFrame() override { m_held.Forget(); }
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;

    // Records the score when it ranks and asks for the close; a second call
    // before the close takes effect does nothing.
    void Finish();

    int GetScore() const { return m_score; }
    bool IsRanked() const { return m_ranked; }
    bool IsFinished() const { return m_finished; }
    // The name the score was recorded under (after Finish).
    const std::string& GetName() const { return m_name; }
    CButton* GetCloseButton() const { return m_close_button.get(); }
    CEditBox* GetNameBox() const { return m_name_box.get(); }

private:
    // The frame's layers (see CHeldDialogFrame): the window picture; the
    // buttons, the name box and the texts.
    CHeldDialogFrame::SLayers Layers();
    CMenuHost& m_host;
    std::unique_ptr<CButton> m_close_button;
    std::unique_ptr<CEditBox> m_name_box;
    CTexture* m_background = nullptr;
    CBitmapFont* m_font = nullptr;
    int m_score;
    bool m_ranked = false;
    bool m_finished = false;
    std::string m_name;
    CScoreTable* m_table;
    std::string m_table_path;
    CHeldDialogFrame m_held{*this};
};
