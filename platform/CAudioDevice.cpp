#include "platform/CAudioDevice.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace
{
// A missing device is normal on servers and in CI: say it once per run.
bool g_reported_failure = false;

void ReportFailure(const char* what)
{
    if (g_reported_failure)
        return;
    g_reported_failure = true;
    std::fprintf(stderr, "Marblewend: no sound (%s); running silently\n", what);
}
}

CAudioDevice::~CAudioDevice()
{
    Close();
}

bool CAudioDevice::Open(RenderFunction render)
{
    Close();
    if (!render)
        return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    {
        ReportFailure(SDL_GetError());
        return false;
    }
    m_subsystem = true;
    m_render = std::move(render);

    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof(wanted));
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    // About 23 ms: short enough for a click to sound with the click.
    wanted.samples = 1024;
    wanted.callback = &CAudioDevice::Callback;
    wanted.userdata = this;

    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to whatever the hardware wants.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0)
    {
        ReportFailure(SDL_GetError());
        Close();
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void CAudioDevice::Close()
{
    if (m_device != 0)
    {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_subsystem)
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
    }
    m_render = nullptr;
}

void CAudioDevice::Lock()
{
    if (m_device != 0)
        SDL_LockAudioDevice(m_device);
}

void CAudioDevice::Unlock()
{
    if (m_device != 0)
        SDL_UnlockAudioDevice(m_device);
}

void CAudioDevice::SetPaused(bool paused)
{
    if (m_device != 0)
        SDL_PauseAudioDevice(m_device, paused ? 1 : 0);
}

bool CAudioDevice::IsPaused() const
{
    return m_device != 0 && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_PAUSED;
}

void CAudioDevice::Callback(void* self, uint8_t* stream, int len)
{
    auto* device = static_cast<CAudioDevice*>(self);
    const size_t frames = static_cast<size_t>(len) / (kChannels * sizeof(int16_t));
    device->m_render(reinterpret_cast<int16_t*>(stream), frames);
}
