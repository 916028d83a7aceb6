#pragma once
// The one OS window with its OpenGL context, the stacks of screens and
// overlays it shows, and the main loop that updates and draws at most 60
// frames a second. Reached from everywhere through CAppWindow::Get().

#include <string>

#include "engine/frame/CScreenStack.h"
#include "engine/frame/CWindowFrame.h"
#include "platform/CPlatformWindow.h"

class CGameApp;
class CScreen;
struct SPlatformEvent;

class CAppWindow : public CWindowFrame
{
public:
    enum { FRAMES_PER_SECOND = 60, IDLE_SLEEP_MS = 100 };

    CAppWindow(const std::string& title, CGameApp* app);
    ~CAppWindow() override;
    CAppWindow(const CAppWindow&) = delete;
    CAppWindow& operator=(const CAppWindow&) = delete;

    // The one window; null before it is built and after it is gone.
    static CAppWindow* Get();

    // Creates the window with its GL context and input, and shows it.
    bool CreateWindowed(const std::string& title, int x, int y, int width, int height);
    // The same window, hidden, remembered as the rectangle to return to from
    // full screen; SetDisplayMode then shows it.
    bool CreateBare(const std::string& title, int x, int y, int width, int height);
    void Destroy();

    // Full screen at width x height. False, and the window stays as it was,
    // when the width is one the game never uses (320, 400, 640) or the
    // display refuses the mode.
    bool SetDisplayMode(int width, int height);
    // Back to the window at the remembered rectangle.
    bool RestoreWindowed();
    void Minimize();
    void OnRestored();
    bool IsFullScreen() const { return m_full_screen; }
    bool IsMinimized() const { return m_minimized; }
    bool IsActive() const { return m_active; }
    // Neither minimised nor hidden: only then are frames drawn and shown.
    bool IsVisible() const { return !m_minimized && m_window.IsShown(); }

    // Drawable size in pixels, the one unit for viewports and mouse mapping.
    int GetWidth() const;
    int GetHeight() const;
    // Outer left and top of the window on the desktop.
    void GetWindowPosition(int& x, int& y) const;
    void Show();
    void Hide();

    void SetScreen(CScreen* screen) { m_stack.SetScreen(screen); }
    void OpenOverlay(CScreen* dialog) { m_stack.OpenOverlay(dialog); }
    void CloseScreen(bool now) { m_stack.CloseScreen(now); }
    bool RemoveScreen(CScreen* screen) { return m_stack.RemoveScreen(screen); }
    CScreen* GetCurrentScreen() const { return m_stack.GetCurrentScreen(); }
    CScreenStack& GetStack() { return m_stack; }

    void Update(float dt);
    // Render and Present do nothing while the window is not visible.
    void Render();
    // Flushes and shows the drawn frame.
    void Present();

    void PlayNextTrack();
    void EnterMenuMode();
    void EnterGameMode();

    // Runs until the quit event; returns its exit code.
    int MainLoop();
    // Handles one event; false when it was the quit event.
    bool HandleEvent(const SPlatformEvent& event);
    // Asks for the orderly end of the program, as the exit window does.
    void PostCloseMessage();

    // The window manager's close button and Alt+F4: the current screen is
    // told, then the program ends the orderly way, saving what a normal
    // exit saves.
    void OnCloseRequest();
    void OnKeyDown(int key);
    void OnChar(int ch, int repeat_count);
    void OnMouseMove(int x, int y, int flags);
    void OnLButtonUp(int x, int y, int flags);
    void OnRButtonUp(int x, int y, int flags);
    void OnLButtonDown(int x, int y, int flags);

    bool GetWindowRect(SWindowRect& rect) const override;
    bool GetCursorPos(int& x, int& y) const override;
    void MoveWindowTo(int left, int top) override;

    CPlatformWindow& GetPlatformWindow() { return m_window; }
    CGameApp* GetApp() const { return m_app; }
    const std::string& GetTitle() const { return m_title; }

private:
    void Quit(int exit_code);

    CPlatformWindow m_window;
    CScreenStack m_stack;
    std::string m_class_name;
    std::string m_title;
    bool m_active;
    bool m_full_screen;
    bool m_minimized;
    bool m_quit_seen;
    bool m_quitting;
    int m_exit_code;
    // Frames presented, for what is done every so many.
    unsigned m_presented = 0;
    int m_x;
    int m_y;
    int m_width;
    int m_height;
    int m_remembered_x;
    int m_remembered_y;
    int m_remembered_width;
    int m_remembered_height;
    CGameApp* m_app;
};
