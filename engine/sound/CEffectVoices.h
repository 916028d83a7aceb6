#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One voice per loaded sound effect. Starting a voice that still plays
// starts it over rather than layering a second copy. Not thread-safe: the
// owner locks the output device around every call.
class CEffectVoices
{
public:
    // Takes interleaved stereo frames; returns the voice's index.
    size_t Add(std::vector<int16_t> frames);
    // Gives a voice its sound; a voice that still plays keeps the one it has.
    void SetSamples(size_t index, std::vector<int16_t> frames);
    void Clear();
    size_t GetCount() const { return m_voices.size(); }

    // With restart false a voice that still plays is left alone.
    void Start(size_t index, bool restart, bool loop);
    void Stop(size_t index);
    void StopAll();
    bool IsPlaying(size_t index) const;
    bool IsAnyPlaying() const;

    // Adds `frames` frames of every playing voice into `accumulator`
    // (interleaved stereo) and advances them.
    void MixInto(int32_t* accumulator, size_t frames);

private:
    struct Voice
    {
        std::vector<int16_t> samples;
        size_t position = 0; // in frames
        bool playing = false;
        bool loop = false;
    };

    std::vector<Voice> m_voices;
};
