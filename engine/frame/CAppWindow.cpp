#include "engine/frame/CAppWindow.h"

#include <GL/gl.h>

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>

#include "engine/frame/CGameApp.h"
#include "engine/gfx/CResManager.h"
#include "engine/frame/CScreen.h"
#include "platform/CEventPump.h"
#include "platform/CInputState.h"
#include "platform/CPlatform.h"

namespace
{
CAppWindow* s_window = nullptr;

// Without a window manager a minimise request is never answered; a window
// still on screen this long after the request is taken as restored.
const uint32_t kMinimizeGraceMs = 1000;

uint32_t s_minimize_time = 0;

// With MARBLEWEND_E2E_LOG naming a file, every change of what the window
// shows (the screen or dialog that takes input, minimised, window or full
// screen, size) is appended to it as one line, so that end-to-end scripts
// wait for a state instead of guessing how long a loaded machine needs.
void ReportShownState(CAppWindow& window)
{
    static const char* const path = std::getenv("MARBLEWEND_E2E_LOG");
    static std::string last;
    if (path == nullptr)
        return;
    const CScreen* target = window.GetStack().GetTarget();
    std::string name = "none";
    if (target != nullptr)
    {
        int status = 0;
        char* readable = abi::__cxa_demangle(typeid(*target).name(), nullptr, nullptr, &status);
        name = status == 0 && readable != nullptr ? readable : typeid(*target).name();
        std::free(readable);
    }
    const std::string state = name +
                              (window.IsMinimized() ? " minimized " : window.IsFullScreen() ? " full " : " window ") +
                              std::to_string(window.GetWidth()) + "x" + std::to_string(window.GetHeight());
    if (state == last)
        return;
    last = state;
    if (FILE* file = std::fopen(path, "a"))
    {
        std::fprintf(file, "%s\n", state.c_str());
        std::fclose(file);
    }
}
}

CAppWindow::CAppWindow(const std::string& title, CGameApp* app)
    : m_class_name(title), m_title(title), m_active(false), m_full_screen(false), m_minimized(false),
      m_quit_seen(false), m_quitting(false), m_exit_code(0), m_x(0), m_y(0), m_width(0), m_height(0), m_remembered_x(0),
      m_remembered_y(0), m_remembered_width(0), m_remembered_height(0), m_app(app)
{
    s_window = this;
    CWindowFrame::SetCurrent(this);
    m_stack.SetNextTrackHandler([this]() { PlayNextTrack(); });
}

CAppWindow::~CAppWindow()
{
    Destroy();
    if (CWindowFrame::GetCurrent() == this)
        CWindowFrame::SetCurrent(nullptr);
    if (s_window == this)
        s_window = nullptr;
}

CAppWindow* CAppWindow::Get()
{
    return s_window;
}

bool CAppWindow::CreateWindowed(const std::string& title, int x, int y, int width, int height)
{
    m_title = title;
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
    if (!m_window.IsOpen())
    {
        if (!m_window.Create(title, x, y, width, height, true))
            return false;
    }
    else
    {
        m_window.SetWindowed(x, y, width, height);
        m_window.Show();
    }
    m_full_screen = false;
    m_window.MakeCurrent();
    if (m_app != nullptr)
        m_app->GetInput().Create(&m_window);
    // A shown window counts as active: without a window manager no focus
    // event may ever arrive.
    m_active = true;
    return true;
}

bool CAppWindow::CreateBare(const std::string& title, int x, int y, int width, int height)
{
    m_title = title;
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
    m_remembered_x = x;
    m_remembered_y = y;
    m_remembered_width = width;
    m_remembered_height = height;
    if (!m_window.IsOpen() && !m_window.Create(title, x, y, width, height, false))
        return false;
    if (m_app != nullptr)
        m_app->GetInput().Create(&m_window);
    return true;
}

void CAppWindow::Destroy()
{
    // GL objects go while their context still exists.
    if (m_window.IsOpen())
        CResManager::ReleaseAllGL();
    if (m_app != nullptr)
        m_app->GetInput().Release();
    m_window.Destroy();
    m_full_screen = false;
    m_active = false;
}

bool CAppWindow::SetDisplayMode(int width, int height)
{
    if (width == 320 || width == 400 || width == 640)
        return false;
    if (!m_window.IsOpen())
        return false;
    if (!m_full_screen)
    {
        if (m_window.IsShown())
        {
            m_window.GetPosition(m_remembered_x, m_remembered_y);
            m_remembered_width = m_width;
            m_remembered_height = m_height;
        }
    }
    if (!m_window.SetFullScreen(width, height))
    {
        // The display refused: the game goes on in a window. A bare window
        // from start-up is shown where it was meant to return to.
        if (!m_window.IsShown())
            CreateWindowed(m_title, m_remembered_x, m_remembered_y, m_remembered_width, m_remembered_height);
        return false;
    }
    m_full_screen = true;
    m_x = 0;
    m_y = 0;
    m_width = width;
    m_height = height;
    m_window.MakeCurrent();
    if (m_app != nullptr)
        m_app->GetInput().Create(&m_window);
    m_active = true;
    return true;
}

bool CAppWindow::RestoreWindowed()
{
    m_full_screen = false;
    return CreateWindowed(m_title, m_remembered_x, m_remembered_y, m_remembered_width, m_remembered_height);
}

void CAppWindow::Minimize()
{
    if (m_full_screen)
        RestoreWindowed();
    m_window.Minimize();
    m_minimized = true;
    s_minimize_time = CPlatform::GetTicks();
    if (m_app != nullptr)
        m_app->StopMusic();
}

void CAppWindow::OnRestored()
{
    if (!m_minimized)
        return;
    if (CScreen* screen = m_stack.GetCurrentScreen())
        screen->Activate();
    m_minimized = false;
    PlayNextTrack();
}

int CAppWindow::GetWidth() const
{
    int w = 0, h = 0;
    m_window.GetDrawableSize(w, h);
    return w > 0 ? w : m_width;
}

int CAppWindow::GetHeight() const
{
    int w = 0, h = 0;
    m_window.GetDrawableSize(w, h);
    return h > 0 ? h : m_height;
}

void CAppWindow::GetWindowPosition(int& x, int& y) const
{
    if (m_window.IsOpen())
        m_window.GetPosition(x, y);
    else
    {
        x = m_x;
        y = m_y;
    }
}

void CAppWindow::Show()
{
    m_window.Show();
    m_active = true;
}

void CAppWindow::Hide()
{
    m_window.Hide();
}

void CAppWindow::Update(float dt)
{
    if (m_minimized && !m_window.IsMinimizedBySystem() && m_window.IsShown() &&
        CPlatform::GetTicks() - s_minimize_time > kMinimizeGraceMs)
        OnRestored();
    m_stack.Update(dt, m_active);
    if (!m_active)
        CPlatform::Sleep(IDLE_SLEEP_MS);
    if (m_minimized)
        CPlatform::Sleep(IDLE_SLEEP_MS);
}

void CAppWindow::Render()
{
    if (!IsVisible())
        return;
    m_stack.Render();
}

void CAppWindow::Present()
{
    if (!IsVisible())
    {
        // Nobody sees the window: no frame is drawn or swapped, only the
        // state is reported. The driver's start-up code goes all the same,
        // before the screens that follow take their memory.
        ReportShownState(*this);
        m_window.ReleaseStartCode();
        return;
    }
    glFlush();
    ReportShownState(*this);
    m_window.SwapBuffers();
    // The renderer compiles a new drawing state when it first meets it and
    // frees the compiler's working memory in the middle of the heap, where
    // it stays counted as ours: given back every two seconds.
    if (++m_presented % (2 * FRAMES_PER_SECOND) == 0)
        CPlatform::ReturnFreeMemory();
}

void CAppWindow::PlayNextTrack()
{
    if (m_app != nullptr)
        m_app->PlayNextTrack();
}

void CAppWindow::EnterMenuMode()
{
    PlayNextTrack();
}

void CAppWindow::EnterGameMode()
{
    PlayNextTrack();
}

int CAppWindow::MainLoop()
{
    bool sound_started = false;
    const uint32_t period = 1000 / FRAMES_PER_SECOND;
    uint32_t previous = CPlatform::GetTicks();
    m_quit_seen = false;
    m_quitting = false;
    while (!m_quit_seen)
    {
        SPlatformEvent event;
        if (CEventPump::Poll(event))
        {
            if (!HandleEvent(event))
                m_quit_seen = true;
        }
        else
        {
            const uint32_t now = CPlatform::GetTicks();
            Update(static_cast<float>(now - previous));
            CInputState::Instance().EndFrame();
            Render();
            Present();
            if (!sound_started)
            {
                // The sound device and the first track wait until the first
                // frame is shown: opening a device may take a while.
                sound_started = true;
                if (m_app != nullptr)
                    m_app->OpenSound();
                PlayNextTrack();
            }
            const uint32_t elapsed = CPlatform::GetTicks() - now;
            if (elapsed < period)
                CPlatform::Sleep(period - elapsed);
            previous = now;
        }
        if (m_app != nullptr)
            m_app->UpdateMusic();
    }
    return m_exit_code;
}

bool CAppWindow::HandleEvent(const SPlatformEvent& event)
{
    switch (event.m_type)
    {
    case EPlatformEvent::Quit:
        m_exit_code = event.m_code;
        return false;
    case EPlatformEvent::CloseRequest:
        OnCloseRequest();
        break;
    case EPlatformEvent::KeyDown:
        OnKeyDown(event.m_key);
        break;
    case EPlatformEvent::Char:
        OnChar(event.m_key, 1);
        break;
    case EPlatformEvent::MouseMove:
        OnMouseMove(event.m_x, event.m_y, static_cast<int>(event.m_flags));
        break;
    case EPlatformEvent::LButtonDown:
        OnLButtonDown(event.m_x, event.m_y, static_cast<int>(event.m_flags));
        break;
    case EPlatformEvent::LButtonUp:
        OnLButtonUp(event.m_x, event.m_y, static_cast<int>(event.m_flags));
        break;
    case EPlatformEvent::RButtonUp:
        OnRButtonUp(event.m_x, event.m_y, static_cast<int>(event.m_flags));
        break;
    case EPlatformEvent::Shown:
    case EPlatformEvent::Exposed:
    case EPlatformEvent::FocusGained:
    case EPlatformEvent::Restored:
        m_active = true;
        OnRestored();
        break;
    case EPlatformEvent::Minimized:
        if (!m_minimized)
        {
            m_minimized = true;
            s_minimize_time = CPlatform::GetTicks();
            if (m_app != nullptr)
                m_app->StopMusic();
        }
        break;
    case EPlatformEvent::FocusLost:
        m_active = false;
        break;
    default:
        break;
    }
    return true;
}

void CAppWindow::PostCloseMessage()
{
    if (!CPlatform::PostCloseRequest())
        OnCloseRequest();
}

void CAppWindow::OnCloseRequest()
{
    // The window manager and a signal may both ask; the first one counts.
    if (m_quit_seen || m_quitting)
        return;
    if (CScreen* screen = m_stack.GetCurrentScreen())
        screen->OnCloseRequest();
    Quit(0);
}

void CAppWindow::Quit(int exit_code)
{
    m_window.Hide();
    m_quitting = true;
    // A full or missing queue must not keep the program running.
    if (!CPlatform::PostQuit(exit_code))
    {
        m_exit_code = exit_code;
        m_quit_seen = true;
    }
}

void CAppWindow::OnKeyDown(int key)
{
    m_stack.OnKeyDown(key);
}

void CAppWindow::OnChar(int ch, int repeat_count)
{
    m_stack.OnChar(ch, repeat_count);
}

void CAppWindow::OnMouseMove(int x, int y, int flags)
{
    m_stack.OnMouseMove(x, y, flags);
}

void CAppWindow::OnLButtonUp(int x, int y, int flags)
{
    m_stack.OnLButtonUp(x, y, flags);
}

void CAppWindow::OnRButtonUp(int x, int y, int flags)
{
    m_stack.OnRButtonUp(x, y, flags);
}

void CAppWindow::OnLButtonDown(int x, int y, int flags)
{
    m_stack.OnLButtonDown(x, y, flags);
}

bool CAppWindow::GetWindowRect(SWindowRect& rect) const
{
    if (!m_window.IsOpen())
        return false;
    int x = 0, y = 0, w = 0, h = 0;
    m_window.GetPosition(x, y);
    m_window.GetWindowSize(w, h);
    rect.left = x;
    rect.top = y;
    rect.right = x + w;
    rect.bottom = y + h;
    return true;
}

bool CAppWindow::GetCursorPos(int& x, int& y) const
{
    return CPlatform::GetGlobalMousePos(x, y);
}

void CAppWindow::MoveWindowTo(int left, int top)
{
    if (m_full_screen)
        return;
    m_window.Move(left, top);
    m_x = left;
    m_y = top;
}
