#include "platform/CPlatform.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

#include "platform/CPlatformEvents.h"

namespace
{
bool s_initialized = false;
// Made on first use; SDL frees them when the video layer shuts down.
SDL_Cursor* s_hand_cursor = nullptr;
SDL_Cursor* s_arrow_cursor = nullptr;
}

bool CPlatform::Init()
{
    if (s_initialized)
        return true;
    // Mesa's software rasteriser draws in the calling thread: for an
    // 800x600 fixed-function picture worker threads cost more than they
    // save, and with one the caller runs ahead of it, so the driver keeps a
    // command buffer of 1.5 MB for every picture waiting to be drawn, kept
    // for the rest of the run with what it drew into. The player's own
    // setting wins, and hardware drivers ignore it.
    setenv("LP_NUM_THREADS", "0", 0);
    // Pictures and texture storage come and go with the screens. The C
    // library would raise its threshold for mapping a block on its own after
    // the first large one is freed and keep the later ones in its heap, where
    // they still count as used memory; held at its start value, every block
    // of 128 KB and more goes back to the system when freed. The trim
    // threshold is raised with it, so the heap is not given back and taken
    // again every frame.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
    // The game mixes its own sound through the audio device class; only
    // video, events and timers are started here.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
    {
        std::fprintf(stderr, "Marblewend: cannot open the display: %s\n", SDL_GetError());
        return false;
    }
    CPlatformEvents::Register();
    SDL_StartTextInput();
    s_initialized = true;
    return true;
}

void CPlatform::ReturnFreeMemory()
{
    malloc_trim(0);
}

void CPlatform::Shutdown()
{
    if (!s_initialized)
        return;
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    SDL_Quit();
    s_hand_cursor = nullptr;
    s_arrow_cursor = nullptr;
    s_initialized = false;
}

bool CPlatform::IsInitialized()
{
    return s_initialized;
}

uint32_t CPlatform::GetTicks()
{
    return SDL_GetTicks();
}

void CPlatform::Sleep(uint32_t ms)
{
    SDL_Delay(ms);
}

std::string CPlatform::GetClipboardText()
{
    if (!s_initialized || !SDL_HasClipboardText())
        return std::string();
    char* text = SDL_GetClipboardText();
    if (text == nullptr)
        return std::string();
    std::string result(text);
    SDL_free(text);
    return result;
}

bool CPlatform::SetClipboardText(const std::string& text)
{
    return s_initialized && SDL_SetClipboardText(text.c_str()) == 0;
}

bool CPlatform::IsBrowserDisabled()
{
    return std::getenv("MARBLEWEND_NO_BROWSER") != nullptr;
}

bool CPlatform::OpenUrl(const std::string& url)
{
    if (IsBrowserDisabled() || url.empty())
        return false;
    return SDL_OpenURL(url.c_str()) == 0;
}

bool CPlatform::DeleteFile(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

std::string CPlatform::GetExecutableDir()
{
    char* base = SDL_GetBasePath();
    if (base == nullptr)
        return std::string();
    std::string dir(base);
    SDL_free(base);
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

bool CPlatform::ChangeToExecutableDir()
{
    const std::string dir = GetExecutableDir();
    return !dir.empty() && chdir(dir.c_str()) == 0;
}

void CPlatform::GetDesktopSize(int& width, int& height)
{
    width = 800;
    height = 600;
    SDL_DisplayMode mode;
    if (s_initialized && SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0)
    {
        width = mode.w;
        height = mode.h;
    }
}

bool CPlatform::GetGlobalMousePos(int& x, int& y)
{
    if (!s_initialized)
        return false;
    SDL_GetGlobalMouseState(&x, &y);
    return true;
}

void CPlatform::SetHandCursor(bool hand)
{
    if (!s_initialized)
        return;
    SDL_Cursor*& cursor = hand ? s_hand_cursor : s_arrow_cursor;
    if (cursor == nullptr)
        cursor = SDL_CreateSystemCursor(hand ? SDL_SYSTEM_CURSOR_HAND : SDL_SYSTEM_CURSOR_ARROW);
    if (cursor != nullptr)
        SDL_SetCursor(cursor);
}

bool CPlatform::PostCloseRequest()
{
    return CPlatformEvents::Push(CPlatformEvents::GetCloseType(), 0);
}

bool CPlatform::PostQuit(int exit_code)
{
    return CPlatformEvents::Push(CPlatformEvents::GetQuitType(), exit_code);
}
