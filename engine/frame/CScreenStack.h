#pragma once
// The two stacks of the application window: full screens, and overlay dialogs
// drawn over the top screen. Owns none of them. Closing is deferred to the
// next update, and whoever becomes current is told what closed.

#include <functional>
#include <vector>

class CScreen;

class CScreenStack
{
public:
    CScreenStack();

    // Activates the screen, then makes it current; the one below stays,
    // told that it is covered.
    void SetScreen(CScreen* screen);
    // Pushes the dialog over everything, activates it, then the top screen.
    void OpenOverlay(CScreen* dialog);
    // now = false: the newest overlay, else the top screen, leaves at the next
    // Update. now = true: it leaves at once; an overlay's owner is still told
    // at the next Update. The last screen never leaves.
    void CloseScreen(bool now);
    // Takes a screen off the stack without telling anyone (start-up swaps
    // the intro for the main menu this way). False when it is not there.
    bool RemoveScreen(CScreen* screen);
    // Forgets every overlay without telling their owners.
    void DropOverlays();

    // Runs the deferred close, delivers the closed-overlay notices and, when
    // active, updates the newest overlay or else the top screen.
    void Update(float dt, bool active);
    // Top screen, then every overlay from the oldest to the newest; a single
    // overlay that does not cover the window may draw both (CScreen::DrawOver).
    // Each starts drawing from the resting state (CDrawState), whatever the
    // one drawn before it switched on.
    void Render();
    // Activates the newest overlay or, without one, the top screen.
    void ActivateCurrent();

    CScreen* GetCurrentScreen() const;
    CScreen* GetTopOverlay() const;
    // Where input and updates go: the newest overlay, else the top screen.
    CScreen* GetTarget() const;
    std::size_t GetScreenCount() const { return m_screens.size(); }
    std::size_t GetOverlayCount() const { return m_overlays.size(); }
    bool IsCloseRequested() const { return m_close_requested; }

    // Input routing to GetTarget(). F5 first asks for the next music track.
    void OnKeyDown(int key);
    void OnChar(int ch, int repeat_count);
    void OnMouseMove(int x, int y, int flags);
    void OnLButtonUp(int x, int y, int flags);
    void OnLButtonDown(int x, int y, int flags);
    void OnRButtonUp(int x, int y, int flags);

    void SetNextTrackHandler(std::function<void()> handler) { m_next_track = std::move(handler); }

private:
    void DeliverNotices();

    // Newest last, so the current screen and the newest overlay are back().
    std::vector<CScreen*> m_screens;
    std::vector<CScreen*> m_overlays;
    // Overlays closed but not yet reported to their owners, oldest first.
    std::vector<CScreen*> m_closed_overlays;
    bool m_close_requested;
    std::function<void()> m_next_track;
};
