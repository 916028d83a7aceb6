#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// The one sound output of the program: 44100 Hz, signed 16-bit, stereo.
// SDL calls the render function on its own audio thread; everything the
// main thread shares with that function must be changed between Lock and
// Unlock. Without a device the program runs silently.
class CAudioDevice
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    // Fills `frames` interleaved stereo frames at `out`.
    using RenderFunction = std::function<void(int16_t* out, size_t frames)>;

    CAudioDevice() = default;
    ~CAudioDevice();
    CAudioDevice(const CAudioDevice&) = delete;
    CAudioDevice& operator=(const CAudioDevice&) = delete;

    // Opens the default device and starts calling `render`. Returns false,
    // printing one line for the whole run, when no device can be had.
    bool Open(RenderFunction render);
    void Close();
    bool IsOpen() const { return m_device != 0; }

    void Lock();
    void Unlock();

    // A paused device plays silence without calling the render function.
    // Open leaves it running. Safe from the render function itself.
    void SetPaused(bool paused);
    bool IsPaused() const;

private:
    static void Callback(void* self, uint8_t* stream, int len);

    uint32_t m_device = 0;
    bool m_subsystem = false;
    RenderFunction m_render;
};
