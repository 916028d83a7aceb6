#include "shell/CExitWnd.h"

#include "engine/frame/CAppWindow.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CTexture.h"
#include "platform/CPlatform.h"
#include "platform/CKeyMap.h"

namespace
{
const char* const kLayoutGroup = "main_menu";
const char* const kButtonPicture = "m_quit_game_btn";
const char* const kButtonPlace = "m_erd_exit_btn";
const char* const kWindowPicture = "m_exit_wnd";
}

CExitWnd::CExitWnd(CResManager& resources)
    : m_picture(resources.FindTexture(kWindowPicture)), m_pressed(false), m_closing(false), m_hand(false)
{
    m_button = std::make_unique<CButton>(this, resources.FindTexture(kButtonPicture));
    if (const CConfigFile* layout = resources.FindConfig(kLayoutGroup))
        m_button->LoadPosition(*layout, kButtonPlace);
    AddChild(m_button.get());
}

CExitWnd::~CExitWnd()
{
    ShowHandCursor(false);
}

bool CExitWnd::IsInPictureArea(int x, int y) const
{
    // Logical units for the hand cursor and the click alike, so both agree at
    // every window size.
    return x > kSideMargin && x < GetLogicalWidth() - kSideMargin && y > kTopMargin &&
           y < GetLogicalHeight() - kBottomMargin;
}

CHeldDialogFrame::SLayers CExitWnd::Layers()
{
    CHeldDialogFrame::SLayers layers = CHeldDialogFrame::WholeWindow(GetLogicalWidth(), GetLogicalHeight());
    layers.drawGround = [this, layers](const std::vector<CDraw2D::SRect>& parts) {
        CDraw2D::SetTexturing(true);
        CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
        CDraw2D::DrawPlacedPictureParts(m_picture != nullptr ? m_picture->GetId() : 0,
                                        {0.0f, 0.0f, layers.width, layers.height}, parts, true);
    };
    layers.drawOver = [this] {
        CMatrixStack::Push();
        CDialog::Draw();
        CMatrixStack::Pop();
    };
    return layers;
}

bool CExitWnd::ClearsOwnDepth() const
{
    // Only its picture is drawn by its held frame.
    return IsLoaded(m_picture);
}

void CExitWnd::Draw()
{
    // Its picture covers the whole window: the dimming under it never shows.
    if (!IsLoaded(m_picture))
    {
        CMatrixStack::Push();
        DimBackground(0.0f, 0.0f, 0.0f, 1.0f);
        CMatrixStack::Pop();
        m_held.DrawUnheld(Layers());
        return;
    }
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    m_held.Draw(nullptr, Layers(), look);
}

void CExitWnd::OnKeyDown(int key)
{
    if (m_closing || key == CKeyMap::VK_ESCAPE)
        return;
    CDialog::OnKeyDown(key);
    if (key == CKeyMap::VK_RETURN)
        Finish(RESULT_OPEN_PAGE);
}

void CExitWnd::OnMouseMove(int x, int y, int flags)
{
    if (m_closing)
        return;
    CDialog::OnMouseMove(x, y, flags);
    int lx = 0, ly = 0;
    const CAppWindow* window = CAppWindow::Get();
    MapToDialog(x, y, window != nullptr ? window->GetWidth() : 0, window != nullptr ? window->GetHeight() : 0, lx,
                ly);
    ShowHandCursor(IsInPictureArea(lx, ly));
}

void CExitWnd::OnLButtonDown(int x, int y, int flags)
{
    if (m_closing)
        return;
    CDialog::OnLButtonDown(x, y, flags);
    m_pressed = true;
}

void CExitWnd::OnLButtonUp(int x, int y, int flags)
{
    // A release after the button chose "quit" must not turn it into
    // "open the page": a closing window takes no more input.
    if (m_closing)
    {
        m_pressed = false;
        return;
    }
    CDialog::OnLButtonUp(x, y, flags);
    int lx = 0, ly = 0;
    const CAppWindow* window = CAppWindow::Get();
    MapToDialog(x, y, window != nullptr ? window->GetWidth() : 0, window != nullptr ? window->GetHeight() : 0, lx,
                ly);
    const bool armed = m_pressed;
    m_pressed = false;
    if (armed && IsInPictureArea(lx, ly))
        Finish(RESULT_OPEN_PAGE);
}

void CExitWnd::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    if (m_closing)
        return;
    if (sender == m_button.get())
        Finish(RESULT_QUIT);
}

void CExitWnd::Finish(int result)
{
    SetResult(result);
    m_closing = true;
    ShowHandCursor(false);
    // Enter has already asked through the dialog base; one request is enough.
    CAppWindow* window = CAppWindow::Get();
    if (window != nullptr && !window->GetStack().IsCloseRequested())
        window->CloseScreen(false);
}

void CExitWnd::ShowHandCursor(bool hand)
{
    if (hand == m_hand)
        return;
    m_hand = hand;
    CPlatform::SetHandCursor(hand);
}
