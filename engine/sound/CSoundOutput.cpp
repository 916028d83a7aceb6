#include "engine/sound/CSoundOutput.h"

#include <algorithm>

#include "engine/sound/CSoundMixer.h"

namespace
{
// Render works in slices so the accumulator is sized once, not per call.
constexpr size_t kSliceFrames = 4096;
}

std::shared_ptr<CSoundOutput> CSoundOutput::Acquire()
{
    static std::weak_ptr<CSoundOutput> s_shared;
    std::shared_ptr<CSoundOutput> output = s_shared.lock();
    if (!output)
    {
        output = CreateSilent();
        output->OpenDevice();
        s_shared = output;
    }
    return output;
}

std::shared_ptr<CSoundOutput> CSoundOutput::CreateSilent()
{
    std::shared_ptr<CSoundOutput> output(new CSoundOutput());
    output->m_accumulator.resize(kSliceFrames * CAudioDevice::kChannels);
    return output;
}

CSoundOutput::~CSoundOutput()
{
    m_device.Close();
}

bool CSoundOutput::OpenDevice()
{
    return m_device.Open([this](int16_t* out, size_t frames) {
        Render(out, frames);
        // The buffer just rendered still holds the last sound's tail; only
        // what follows it, silence anyway, is left out.
        if (IsIdle())
            m_device.SetPaused(true);
    });
}

void CSoundOutput::Lock()
{
    m_device.Lock();
}

void CSoundOutput::Unlock()
{
    m_device.Unlock();
}

bool CSoundOutput::IsIdle() const
{
    return !m_voices.IsAnyPlaying() && !m_ring.IsHalfFilled(0) && !m_ring.IsHalfFilled(1);
}

void CSoundOutput::Wake()
{
    m_device.SetPaused(false);
}

void CSoundOutput::Render(int16_t* out, size_t frames)
{
    while (frames > 0)
    {
        const size_t n = std::min(frames, kSliceFrames);
        const size_t samples = n * CAudioDevice::kChannels;
        CSoundMixer::Clear(m_accumulator.data(), samples);
        m_voices.MixInto(m_accumulator.data(), n);
        m_ring.ReadInto(m_accumulator.data(), n);
        CSoundMixer::Saturate(m_accumulator.data(), out, samples);
        out += samples;
        frames -= n;
    }
}
