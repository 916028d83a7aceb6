#pragma once
// The exit window: a full-screen picture with one button, shown when the
// player quits. Its button gives result 1 (quit); a click on the picture or
// Enter gives 0 (quit after opening the game's web page). Esc is ignored.
// Whoever opened it deletes it and ends the program.

#include <memory>

#include "engine/frame/CDialog.h"
#include "shell/game/CHeldDialogFrame.h"

class CButton;
class CConfigFile;
class CResManager;
class CTexture;

class CExitWnd : public CDialog
{
public:
    enum { RESULT_OPEN_PAGE = 0, RESULT_QUIT = 1 };
    // The picture area: the screen less these margins, in logical units.
    static constexpr int kSideMargin = 20;
    static constexpr int kTopMargin = 20;
    static constexpr int kBottomMargin = 120;

    // Finds the layout group "main_menu", the button picture and the window
    // picture in the manager, where the main menu loaded them.
    explicit CExitWnd(CResManager& resources);
    ~CExitWnd() override;

    // Its picture fills the window, drawn without blending.
    bool CoversWindow() const override { return true; }
    bool ClearsOwnDepth() const override;
    void Draw() override;
    void OnHiddenFrame() override { m_held.Forget(); }
    void OnKeyDown(int key) override;
    void OnMouseMove(int x, int y, int flags) override;
    void OnLButtonUp(int x, int y, int flags) override;
    void OnLButtonDown(int x, int y, int flags) override;
    void OnCommand(CWidget* sender) override;

    // In the dialog's logical coordinates.
    bool IsInPictureArea(int x, int y) const;
    // Once a result is chosen the window only waits to be taken away.
    bool IsClosing() const { return m_closing; }
    bool IsPressed() const { return m_pressed; }
    bool IsHandCursorShown() const { return m_hand; }
    CButton* GetButton() const { return m_button.get(); }

private:
    // The frame's layers (see CHeldDialogFrame): the picture; the button.
    CHeldDialogFrame::SLayers Layers();
    void Finish(int result);
    void ShowHandCursor(bool hand);

    std::unique_ptr<CButton> m_button;
    CTexture* m_picture;
    bool m_pressed;
    bool m_closing;
    bool m_hand;
    CHeldDialogFrame m_held{*this};
};
