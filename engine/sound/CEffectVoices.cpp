#include "engine/sound/CEffectVoices.h"

#include <algorithm>

#include "engine/sound/CSoundMixer.h"

size_t CEffectVoices::Add(std::vector<int16_t> frames)
{
    Voice voice;
    // Interleaved stereo: a stray odd sample would shift the channels.
    frames.resize(frames.size() & ~size_t(1));
    voice.samples = std::move(frames);
    m_voices.push_back(std::move(voice));
    return m_voices.size() - 1;
}

void CEffectVoices::SetSamples(size_t index, std::vector<int16_t> frames)
{
    if (index >= m_voices.size() || m_voices[index].playing)
        return;
    frames.resize(frames.size() & ~size_t(1));
    m_voices[index].samples = std::move(frames);
    m_voices[index].position = 0;
}

void CEffectVoices::Clear()
{
    m_voices.clear();
}

void CEffectVoices::Start(size_t index, bool restart, bool loop)
{
    if (index >= m_voices.size())
        return;
    Voice& voice = m_voices[index];
    if (!restart && voice.playing)
        return;
    voice.position = 0;
    voice.loop = loop;
    voice.playing = !voice.samples.empty();
}

void CEffectVoices::Stop(size_t index)
{
    if (index < m_voices.size())
        m_voices[index].playing = false;
}

void CEffectVoices::StopAll()
{
    for (Voice& voice : m_voices)
        voice.playing = false;
}

bool CEffectVoices::IsPlaying(size_t index) const
{
    return index < m_voices.size() && m_voices[index].playing;
}

bool CEffectVoices::IsAnyPlaying() const
{
    for (const Voice& voice : m_voices)
        if (voice.playing)
            return true;
    return false;
}

void CEffectVoices::MixInto(int32_t* accumulator, size_t frames)
{
    for (Voice& voice : m_voices)
    {
        const size_t length = voice.samples.size() / 2;
        size_t done = 0;
        while (voice.playing && done < frames)
        {
            const size_t n = std::min(frames - done, length - voice.position);
            CSoundMixer::Add(accumulator + 2 * done, voice.samples.data() + 2 * voice.position, 2 * n);
            done += n;
            voice.position += n;
            if (voice.position >= length)
            {
                voice.position = 0;
                voice.playing = voice.loop;
            }
        }
    }
}
