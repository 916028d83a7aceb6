#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The music's output ring: two halves that the main loop refills while the
// audio thread plays them. A half is refilled only once it was played
// through, so the writer never touches what the reader reads; a reader that
// catches up with an unfilled half plays silence instead of old music.
class CMusicRing
{
public:
    // Fills `bytes` bytes at `destination`; returns the bytes written.
    using Writer = std::function<size_t(int16_t* destination, size_t bytes)>;

    static constexpr int kDefaultLengthMs = 2000;

    explicit CMusicRing(int length_ms = kDefaultLengthMs);

    size_t GetSizeBytes() const { return m_samples.size() * sizeof(int16_t); }
    size_t GetHalfBytes() const { return GetSizeBytes() / 2; }
    size_t GetHalfFrames() const { return m_samples.size() / 4; }

    // Main thread. Back to the fresh state: both halves silent and unfilled,
    // play position 0. The caller must hold the device lock.
    void Reset();
    bool IsFresh() const;

    // Main thread. Writes every half that waits for music, the one the
    // reader needs first first. A writer that gives nothing leaves silence.
    // Returns the offsets written, in bytes.
    std::vector<size_t> Refill(const Writer& writer);

    // Audio thread. Adds `frames` stereo frames into `accumulator`.
    void ReadInto(int32_t* accumulator, size_t frames);

    // Play position in bytes, as the audio thread last left it.
    size_t GetCursorBytes() const { return m_cursor.load() * 2 * sizeof(int16_t); }
    bool IsHalfFilled(int half) const { return m_filled[half].load(); }

private:
    std::vector<int16_t> m_samples;
    std::atomic<size_t> m_cursor{0}; // in frames
    std::atomic<bool> m_filled[2];
};
