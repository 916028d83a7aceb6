#include "platform/CPlatformWindow.h"

#include <SDL.h>

#include "platform/CMappedCode.h"

CPlatformWindow::CPlatformWindow() : m_window(nullptr), m_gl_context(nullptr), m_full_screen(false)
{
}

CPlatformWindow::~CPlatformWindow()
{
    Destroy();
}

bool CPlatformWindow::Create(const std::string& title, int x, int y, int width, int height, bool visible)
{
    Destroy();
    m_title = title;
    // A compatibility context: the game draws with the fixed-function pipeline.
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    m_code_before_context = CMappedCode::OfThisProcess();
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS;
    flags |= visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    m_window = SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
    if (m_window == nullptr)
        return false;
    m_gl_context = SDL_GL_CreateContext(m_window);
    if (m_gl_context == nullptr)
    {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(m_window, m_gl_context);
    m_start_code_held = true;
    // The main loop holds the frame rate itself by sleeping.
    SDL_GL_SetSwapInterval(0);
    m_full_screen = false;
    return true;
}

void CPlatformWindow::Destroy()
{
    m_start_code_held = false;
    if (m_gl_context != nullptr)
    {
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(m_gl_context);
        m_gl_context = nullptr;
    }
    if (m_window != nullptr)
    {
        if (m_full_screen)
            SDL_SetWindowFullscreen(m_window, 0);
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
    m_full_screen = false;
}

bool CPlatformWindow::SetFullScreen(int width, int height)
{
    if (m_window == nullptr)
        return false;
    const int display = SDL_GetWindowDisplayIndex(m_window) < 0 ? 0 : SDL_GetWindowDisplayIndex(m_window);
    SDL_DisplayMode wanted;
    SDL_zero(wanted);
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest;
    // Only the exact size will do: the game's 2-D layout is made for it.
    if (SDL_GetClosestDisplayMode(display, &wanted, &closest) == nullptr || closest.w != width || closest.h != height)
        return false;
    if (SDL_SetWindowDisplayMode(m_window, &closest) != 0)
        return false;
    if (SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN) != 0)
    {
        SDL_SetWindowFullscreen(m_window, 0);
        return false;
    }
    SDL_ShowWindow(m_window);
    m_full_screen = true;
    return true;
}

bool CPlatformWindow::SetWindowed(int x, int y, int width, int height)
{
    if (m_window == nullptr)
        return false;
    if (m_full_screen)
    {
        SDL_SetWindowFullscreen(m_window, 0);
        m_full_screen = false;
    }
    SDL_SetWindowSize(m_window, width, height);
    SDL_SetWindowPosition(m_window, x, y);
    return true;
}

void CPlatformWindow::Show()
{
    if (m_window != nullptr)
        SDL_ShowWindow(m_window);
}

void CPlatformWindow::Hide()
{
    if (m_window != nullptr)
        SDL_HideWindow(m_window);
}

void CPlatformWindow::Minimize()
{
    if (m_window != nullptr)
        SDL_MinimizeWindow(m_window);
}

void CPlatformWindow::Raise()
{
    if (m_window != nullptr)
        SDL_RaiseWindow(m_window);
}

bool CPlatformWindow::IsShown() const
{
    return m_window != nullptr && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_SHOWN) != 0;
}

bool CPlatformWindow::IsMinimizedBySystem() const
{
    return m_window != nullptr && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED) != 0;
}

void CPlatformWindow::GetPosition(int& x, int& y) const
{
    x = 0;
    y = 0;
    if (m_window != nullptr)
        SDL_GetWindowPosition(m_window, &x, &y);
}

void CPlatformWindow::Move(int x, int y)
{
    if (m_window != nullptr)
        SDL_SetWindowPosition(m_window, x, y);
}

void CPlatformWindow::GetDrawableSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (m_window != nullptr)
        SDL_GL_GetDrawableSize(m_window, &width, &height);
}

void CPlatformWindow::GetWindowSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (m_window != nullptr)
        SDL_GetWindowSize(m_window, &width, &height);
}

void CPlatformWindow::MakeCurrent()
{
    if (m_window != nullptr && m_gl_context != nullptr)
        SDL_GL_MakeCurrent(m_window, m_gl_context);
}

void CPlatformWindow::SwapBuffers()
{
    if (m_window == nullptr)
        return;
    SDL_GL_SwapWindow(m_window);
    ReleaseStartCode();
}

void CPlatformWindow::ReleaseStartCode()
{
    if (!m_start_code_held)
        return;
    m_start_code_held = false;
    CMappedCode::OfThisProcess().AddedSince(m_code_before_context).Release();
    m_code_before_context = CMappedCode();
}

void CPlatformWindow::SetSwapInterval(int interval)
{
    if (m_gl_context != nullptr)
        SDL_GL_SetSwapInterval(interval);
}

unsigned int CPlatformWindow::GetId() const
{
    return m_window != nullptr ? SDL_GetWindowID(m_window) : 0;
}
