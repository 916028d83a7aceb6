#include "platform/CEventPump.h"

#include <SDL.h>

#include "platform/CInputState.h"
#include "platform/CKeyMap.h"
#include "platform/CPlatformEvents.h"

namespace
{
std::deque<SPlatformEvent> s_pending;

unsigned int CurrentFlags()
{
    CInputState& state = CInputState::Instance();
    unsigned int flags = 0;
    if (state.IsButtonDown(0))
        flags |= SPlatformEvent::MK_LBUTTON;
    if (state.IsButtonDown(1))
        flags |= SPlatformEvent::MK_RBUTTON;
    if (state.IsButtonDown(2))
        flags |= SPlatformEvent::MK_MBUTTON;
    if (state.IsKeyDown(CKeyMap::VK_SHIFT))
        flags |= SPlatformEvent::MK_SHIFT;
    if (state.IsKeyDown(CKeyMap::VK_CONTROL))
        flags |= SPlatformEvent::MK_CONTROL;
    return flags;
}

SPlatformEvent Make(EPlatformEvent type)
{
    SPlatformEvent event;
    event.m_type = type;
    return event;
}

int ButtonIndex(int sdl_button)
{
    switch (sdl_button)
    {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return -1;
    }
}

void ScaleFor(uint32_t window_id, float& sx, float& sy)
{
    sx = 1.0f;
    sy = 1.0f;
    SDL_Window* window = SDL_GetWindowFromID(window_id);
    if (window == nullptr)
        return;
    int ww = 0, wh = 0, dw = 0, dh = 0;
    SDL_GetWindowSize(window, &ww, &wh);
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    if (ww > 0 && wh > 0 && dw > 0 && dh > 0)
    {
        sx = static_cast<float>(dw) / static_cast<float>(ww);
        sy = static_cast<float>(dh) / static_cast<float>(wh);
    }
}
}

bool CEventPump::Poll(SPlatformEvent& event)
{
    SDL_Event sdl;
    while (s_pending.empty() && SDL_PollEvent(&sdl) == 1)
    {
        float sx = 1.0f, sy = 1.0f;
        if (sdl.type == SDL_MOUSEMOTION)
            ScaleFor(sdl.motion.windowID, sx, sy);
        else if (sdl.type == SDL_MOUSEBUTTONDOWN || sdl.type == SDL_MOUSEBUTTONUP)
            ScaleFor(sdl.button.windowID, sx, sy);
        Translate(sdl, sx, sy, s_pending);
    }
    if (s_pending.empty())
        return false;
    event = s_pending.front();
    s_pending.pop_front();
    return true;
}

void CEventPump::Translate(const SDL_Event& sdl, float scale_x, float scale_y, std::deque<SPlatformEvent>& out)
{
    CInputState& state = CInputState::Instance();
    if (sdl.type == CPlatformEvents::GetCloseType())
    {
        out.push_back(Make(EPlatformEvent::CloseRequest));
        return;
    }
    if (sdl.type == CPlatformEvents::GetQuitType())
    {
        SPlatformEvent event = Make(EPlatformEvent::Quit);
        event.m_code = sdl.user.code;
        out.push_back(event);
        return;
    }
    switch (sdl.type)
    {
    case SDL_QUIT:
        // The window manager's close button (SDL closes the last window with
        // a quit) and termination signals both end the program in order.
        out.push_back(Make(EPlatformEvent::CloseRequest));
        break;
    case SDL_KEYDOWN:
    {
        const int vk = CKeyMap::ToVirtualKey(sdl.key.keysym.sym);
        if (vk == 0)
            break;
        state.OnKeyDown(vk);
        if (vk == CKeyMap::VK_F4 && (sdl.key.keysym.mod & KMOD_ALT) != 0)
        {
            // Without a window manager nobody else turns Alt+F4 into a close.
            out.push_back(Make(EPlatformEvent::CloseRequest));
            break;
        }
        SPlatformEvent event = Make(EPlatformEvent::KeyDown);
        event.m_key = vk;
        out.push_back(event);
        break;
    }
    case SDL_KEYUP:
    {
        const int vk = CKeyMap::ToVirtualKey(sdl.key.keysym.sym);
        if (vk == 0)
            break;
        state.OnKeyUp(vk);
        SPlatformEvent event = Make(EPlatformEvent::KeyUp);
        event.m_key = vk;
        out.push_back(event);
        break;
    }
    case SDL_TEXTINPUT:
    {
        char bytes[SDL_TEXTINPUTEVENT_TEXT_SIZE];
        const int count = CKeyMap::ToCharBytes(sdl.text.text, bytes, static_cast<int>(sizeof(bytes)));
        for (int i = 0; i < count; ++i)
        {
            SPlatformEvent event = Make(EPlatformEvent::Char);
            event.m_key = static_cast<unsigned char>(bytes[i]);
            out.push_back(event);
        }
        break;
    }
    case SDL_MOUSEMOTION:
    {
        const int x = static_cast<int>(sdl.motion.x * scale_x);
        const int y = static_cast<int>(sdl.motion.y * scale_y);
        state.OnMouseMove(x, y, static_cast<int>(sdl.motion.xrel * scale_x), static_cast<int>(sdl.motion.yrel * scale_y));
        SPlatformEvent event = Make(EPlatformEvent::MouseMove);
        event.m_x = x;
        event.m_y = y;
        event.m_flags = CurrentFlags();
        out.push_back(event);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
        const bool down = sdl.type == SDL_MOUSEBUTTONDOWN;
        const int button = ButtonIndex(sdl.button.button);
        if (button < 0)
            break;
        const int x = static_cast<int>(sdl.button.x * scale_x);
        const int y = static_cast<int>(sdl.button.y * scale_y);
        state.OnMouseMove(x, y, 0, 0);
        if (down)
            state.OnButtonDown(button);
        else
            state.OnButtonUp(button);
        EPlatformEvent type = EPlatformEvent::None;
        if (button == 0)
            type = down ? EPlatformEvent::LButtonDown : EPlatformEvent::LButtonUp;
        else if (button == 1)
            type = down ? EPlatformEvent::RButtonDown : EPlatformEvent::RButtonUp;
        if (type == EPlatformEvent::None)
            break;
        SPlatformEvent event = Make(type);
        event.m_x = x;
        event.m_y = y;
        event.m_flags = CurrentFlags();
        out.push_back(event);
        break;
    }
    case SDL_WINDOWEVENT:
        switch (sdl.window.event)
        {
        case SDL_WINDOWEVENT_SHOWN: out.push_back(Make(EPlatformEvent::Shown)); break;
        case SDL_WINDOWEVENT_HIDDEN: out.push_back(Make(EPlatformEvent::Hidden)); break;
        case SDL_WINDOWEVENT_EXPOSED: out.push_back(Make(EPlatformEvent::Exposed)); break;
        case SDL_WINDOWEVENT_MINIMIZED: out.push_back(Make(EPlatformEvent::Minimized)); break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED: out.push_back(Make(EPlatformEvent::Restored)); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back(Make(EPlatformEvent::FocusGained)); break;
        case SDL_WINDOWEVENT_LEAVE: state.OnMouseLeave(); break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Keys released while another window has the keyboard never reach
            // us; forget them rather than keep them held.
            state.ReleaseAll();
            out.push_back(Make(EPlatformEvent::FocusLost));
            break;
        default: break;
        }
        break;
    default:
        break;
    }
}
