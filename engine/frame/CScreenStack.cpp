#include "engine/frame/CScreenStack.h"

#include <algorithm>

#include "engine/frame/CScreen.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CDrawState.h"

namespace
{
const int kNextTrackKey = 116;   // F5
}

CScreenStack::CScreenStack() : m_close_requested(false)
{
}

void CScreenStack::SetScreen(CScreen* screen)
{
    if (screen == nullptr)
        return;
    if (CScreen* covered = GetCurrentScreen())
        covered->Deactivate();
    screen->Activate();
    m_screens.push_back(screen);
}

void CScreenStack::OpenOverlay(CScreen* dialog)
{
    if (dialog == nullptr)
        return;
    m_overlays.push_back(dialog);
    dialog->Activate();
    if (CScreen* screen = GetCurrentScreen())
        screen->Activate();
}

void CScreenStack::CloseScreen(bool now)
{
    if (!now)
    {
        m_close_requested = true;
        return;
    }
    if (!m_overlays.empty())
    {
        m_closed_overlays.push_back(m_overlays.back());
        m_overlays.pop_back();
        return;
    }
    if (m_screens.size() > 1)
    {
        CScreen* removed = m_screens.back();
        m_screens.pop_back();
        CScreen* current = m_screens.back();
        current->OnScreenClosed(removed);
        current->Activate();
    }
}

bool CScreenStack::RemoveScreen(CScreen* screen)
{
    auto it = std::find(m_screens.begin(), m_screens.end(), screen);
    if (it == m_screens.end())
        return false;
    m_screens.erase(it);
    return true;
}

void CScreenStack::DropOverlays()
{
    m_overlays.clear();
}

void CScreenStack::Update(float dt, bool active)
{
    if (m_close_requested)
    {
        m_close_requested = false;
        if (!m_overlays.empty())
        {
            m_closed_overlays.push_back(m_overlays.back());
            m_overlays.pop_back();
        }
        else if (m_screens.size() > 1)
        {
            CScreen* removed = m_screens.back();
            m_screens.pop_back();
            CScreen* current = m_screens.back();
            // Told even while a closed overlay still waits for its notice:
            // otherwise nobody would ever delete the removed screen.
            current->OnScreenClosed(removed);
            current->Activate();
        }
    }
    DeliverNotices();
    if (active)
    {
        if (CScreen* target = GetTarget())
            target->Update(dt);
    }
}

void CScreenStack::DeliverNotices()
{
    // Each closed overlay is reported once, in the order it closed; a handler
    // may close or open more while we are here.
    while (!m_closed_overlays.empty())
    {
        CScreen* closed = m_closed_overlays.front();
        m_closed_overlays.erase(m_closed_overlays.begin());
        CScreen* receiver = GetTarget();
        const int result = closed->GetResult();
        if (receiver != nullptr)
            receiver->OnDialogClosed(result, closed);
    }
}

void CScreenStack::Render()
{
    // Copy: a draw may not change the stack, but a faulty one must not
    // invalidate the walk.
    const std::vector<CScreen*> overlays = m_overlays;
    // Under an overlay that hides the whole window nothing shows: those
    // screens are skipped.
    const auto covering =
        std::find_if(overlays.rbegin(), overlays.rend(), [](const CScreen* overlay) { return overlay->CoversWindow(); });
    std::size_t first = 0;
    // Nothing the last frame switched on reaches this one, the clears included.
    CDrawState::Rest();
    if (covering == overlays.rend())
    {
        CScreen* screen = GetCurrentScreen();
        // A single overlay may draw the frame itself, the screen under it
        // included, so that it can keep what stands still from frame to frame.
        if (screen != nullptr && overlays.size() == 1 && overlays[0]->DrawOver(*screen))
            return;
        if (screen != nullptr)
            screen->Draw();
    }
    else
    {
        first = static_cast<std::size_t>(overlays.rend() - covering) - 1;
        if (CScreen* screen = GetCurrentScreen())
            screen->OnHiddenFrame();
        for (std::size_t i = 0; i < first; ++i)
            overlays[i]->OnHiddenFrame();
        // As the screens under it would have left it: depth cleared.
        if (first + 1 != overlays.size() || !overlays[first]->ClearsOwnDepth())
            CDraw2D::ClearDepth();
    }
    for (std::size_t i = first; i < overlays.size(); ++i)
    {
        // Whatever the screen or the dialog under it switched on, each
        // dialog starts from the same state.
        CDrawState::Rest();
        overlays[i]->Draw();
    }
}

void CScreenStack::ActivateCurrent()
{
    if (CScreen* target = GetTarget())
        target->Activate();
}

CScreen* CScreenStack::GetCurrentScreen() const
{
    return m_screens.empty() ? nullptr : m_screens.back();
}

CScreen* CScreenStack::GetTopOverlay() const
{
    return m_overlays.empty() ? nullptr : m_overlays.back();
}

CScreen* CScreenStack::GetTarget() const
{
    if (!m_overlays.empty())
        return m_overlays.back();
    return GetCurrentScreen();
}

void CScreenStack::OnKeyDown(int key)
{
    if (key == kNextTrackKey && m_next_track)
        m_next_track();
    if (CScreen* target = GetTarget())
        target->OnKeyDown(key);
}

void CScreenStack::OnChar(int ch, int repeat_count)
{
    if (CScreen* target = GetTarget())
        target->OnChar(ch, repeat_count);
}

void CScreenStack::OnMouseMove(int x, int y, int flags)
{
    if (CScreen* target = GetTarget())
        target->OnMouseMove(x, y, flags);
}

void CScreenStack::OnLButtonUp(int x, int y, int flags)
{
    if (CScreen* target = GetTarget())
        target->OnLButtonUp(x, y, flags);
}

void CScreenStack::OnLButtonDown(int x, int y, int flags)
{
    if (CScreen* target = GetTarget())
        target->OnLButtonDown(x, y, flags);
}

void CScreenStack::OnRButtonUp(int x, int y, int flags)
{
    if (CScreen* target = GetTarget())
        target->OnRButtonUp(x, y, flags);
}
