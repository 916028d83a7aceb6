#include "engine/sound/CMusicRing.h"

#include <algorithm>
#include <cstring>

#include "engine/sound/CSoundMixer.h"
#include "platform/CAudioDevice.h"

CMusicRing::CMusicRing(int length_ms)
{
    // Sized as bytes per millisecond times the length, rounded down to whole
    // frames in each half.
    const size_t bytes_per_ms = size_t(CAudioDevice::kRate) * CAudioDevice::kChannels * sizeof(int16_t) / 1000;
    const size_t bytes = bytes_per_ms * static_cast<size_t>(std::max(length_ms, 2));
    const size_t half_frames = std::max<size_t>(bytes / 2 / (CAudioDevice::kChannels * sizeof(int16_t)), 1);
    m_samples.assign(half_frames * 2 * CAudioDevice::kChannels, 0);
    m_filled[0] = false;
    m_filled[1] = false;
}

void CMusicRing::Reset()
{
    m_filled[0] = false;
    m_filled[1] = false;
    m_cursor = 0;
    std::fill(m_samples.begin(), m_samples.end(), 0);
}

bool CMusicRing::IsFresh() const
{
    return m_cursor.load() == 0 && !m_filled[0].load() && !m_filled[1].load();
}

std::vector<size_t> CMusicRing::Refill(const Writer& writer)
{
    std::vector<size_t> written;
    const size_t half_frames = GetHalfFrames();
    const bool waiting[2] = {!m_filled[0].load(std::memory_order_acquire),
                             !m_filled[1].load(std::memory_order_acquire)};
    // With both halves waiting the reader stands still at the start of one
    // of them, and its position was published before the flag was cleared.
    const int first = waiting[0] && waiting[1] ? (m_cursor.load(std::memory_order_acquire) >= half_frames ? 1 : 0)
                                               : (waiting[0] ? 0 : 1);
    for (int k = 0; k < 2; ++k)
    {
        const int half = (first + k) % 2;
        if (!waiting[half])
            continue;
        int16_t* destination = m_samples.data() + half * half_frames * CAudioDevice::kChannels;
        const size_t bytes = GetHalfBytes();
        const size_t got = writer ? std::min(writer(destination, bytes), bytes) : 0;
        if (got < bytes)
            std::memset(reinterpret_cast<uint8_t*>(destination) + got, 0, bytes - got);
        m_filled[half].store(true, std::memory_order_release);
        written.push_back(half * GetHalfBytes());
    }
    return written;
}

void CMusicRing::ReadInto(int32_t* accumulator, size_t frames)
{
    const size_t half_frames = GetHalfFrames();
    size_t cursor = m_cursor.load(std::memory_order_relaxed);
    size_t done = 0;
    while (done < frames)
    {
        const int half = cursor >= half_frames ? 1 : 0;
        // Behind on refills: wait at the start of the half in silence.
        if (!m_filled[half].load(std::memory_order_acquire))
            break;
        const size_t half_end = (half + 1) * half_frames;
        const size_t n = std::min(frames - done, half_end - cursor);
        CSoundMixer::Add(accumulator + 2 * done, m_samples.data() + 2 * cursor, 2 * n);
        done += n;
        cursor += n;
        if (cursor == half_end)
        {
            if (cursor == 2 * half_frames)
                cursor = 0;
            m_cursor.store(cursor, std::memory_order_release);
            m_filled[half].store(false, std::memory_order_release);
        }
    }
    m_cursor.store(cursor, std::memory_order_release);
}
