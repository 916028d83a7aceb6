#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sound/CEffectVoices.h"
#include "engine/sound/CMusicRing.h"
#include "platform/CAudioDevice.h"

// What the sound device plays: the effect voices and the music ring, summed
// with saturation. The effects and the music share one instance.
class CSoundOutput
{
public:
    // The program's output, opened on first use and closed with its last
    // holder. Without a device the object still exists and stays silent.
    static std::shared_ptr<CSoundOutput> Acquire();

    // An output that never opens a device; Render drives it by hand.
    static std::shared_ptr<CSoundOutput> CreateSilent();

    ~CSoundOutput();
    CSoundOutput(const CSoundOutput&) = delete;
    CSoundOutput& operator=(const CSoundOutput&) = delete;

    bool HasDevice() const { return m_device.IsOpen(); }

    // Guards the voices and the ring's reset against the audio thread.
    void Lock();
    void Unlock();

    CEffectVoices& GetVoices() { return m_voices; }
    CMusicRing& GetRing() { return m_ring; }

    // What the device callback does; tests call it to pull output.
    void Render(int16_t* out, size_t frames);

    // No effect sounds and no music waits in the ring: the device rests
    // (paused) from the end of the render that found it so. Read under the
    // lock or on the audio thread.
    bool IsIdle() const;
    // Main thread, after starting an effect or queueing music: a resting
    // device runs again, so what was queued is heard from its first sample.
    void Wake();
    bool IsResting() const { return m_device.IsPaused(); }

    class ScopedLock
    {
    public:
        explicit ScopedLock(CSoundOutput& output) : m_output(output) { m_output.Lock(); }
        ~ScopedLock() { m_output.Unlock(); }
        ScopedLock(const ScopedLock&) = delete;
        ScopedLock& operator=(const ScopedLock&) = delete;

    private:
        CSoundOutput& m_output;
    };

private:
    CSoundOutput() = default;
    bool OpenDevice();

    CEffectVoices m_voices;
    CMusicRing m_ring;
    std::vector<int32_t> m_accumulator;
    CAudioDevice m_device; // last member: closed first, before what it reads
};
