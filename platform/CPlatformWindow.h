#pragma once
// The one OS window with its double-buffered OpenGL compatibility context.
// Full screen is switched on the same window and context, so GL objects stay
// valid across the switch.

#include <string>

#include "platform/CMappedCode.h"

struct SDL_Window;

class CPlatformWindow
{
public:
    CPlatformWindow();
    ~CPlatformWindow();
    CPlatformWindow(const CPlatformWindow&) = delete;
    CPlatformWindow& operator=(const CPlatformWindow&) = delete;

    // Creates the borderless window and its GL context and makes the context
    // current. The window stays hidden until Show when visible is false.
    bool Create(const std::string& title, int x, int y, int width, int height, bool visible);
    void Destroy();
    bool IsOpen() const { return m_window != nullptr; }

    // Switches the window to full screen at exactly width x height. Returns
    // false, and leaves the window as it was, when the display refuses.
    bool SetFullScreen(int width, int height);
    // Back to a window at the given rectangle.
    bool SetWindowed(int x, int y, int width, int height);
    bool IsFullScreen() const { return m_full_screen; }

    void Show();
    void Hide();
    void Minimize();
    void Raise();
    bool IsShown() const;
    // The window manager has iconified the window.
    bool IsMinimizedBySystem() const;

    // Outer position of the window on the desktop.
    void GetPosition(int& x, int& y) const;
    void Move(int x, int y);
    // Size of the GL drawable in pixels: the one unit for viewports and mouse.
    void GetDrawableSize(int& width, int& height) const;
    // Size of the window in window-manager units (equal to the drawable
    // size except on scaled displays).
    void GetWindowSize(int& width, int& height) const;

    void MakeCurrent();
    // Shows the drawn frame; the first one also calls ReleaseStartCode.
    void SwapBuffers();
    // The code the GL driver ran only to make the context leaves the
    // resident set (see CMappedCode), once: after the first frame, so that
    // the frame does not wait for it. A program whose first frame is not
    // swapped (nobody sees the window) calls it in the frame's place.
    void ReleaseStartCode();
    void SetSwapInterval(int interval);

    unsigned int GetId() const;
    const std::string& GetTitle() const { return m_title; }

private:
    SDL_Window* m_window;
    void* m_gl_context;
    bool m_full_screen;
    std::string m_title;
    // The code mapped before the context was made, until ReleaseStartCode.
    CMappedCode m_code_before_context;
    bool m_start_code_held = false;
};
