#include "engine/sound/CSampleConverter.h"

#include <cmath>
#include <cstring>

#include "platform/CAudioDevice.h"

namespace
{
// The sub-format of an extensible record starts with the plain format tag.
uint16_t EffectiveTag(const CWaveFile::Format& format)
{
    if (format.tag == CWaveFile::kTagExtensible && format.extra.size() >= 8)
        return static_cast<uint16_t>(format.extra[6] | (format.extra[7] << 8));
    return format.tag;
}

int16_t DecodeSample(const uint8_t* p, uint16_t tag, int bits)
{
    if (tag == CWaveFile::kTagFloat)
    {
        float f;
        std::memcpy(&f, p, sizeof(f));
        if (!(f == f))
            return 0;
        const float scaled = std::fmax(-1.0f, std::fmin(1.0f, f)) * 32767.0f;
        return static_cast<int16_t>(std::lrint(scaled));
    }
    switch (bits)
    {
    case 8:
        return static_cast<int16_t>((p[0] - 128) * 256);
    case 16:
        return static_cast<int16_t>(p[0] | (p[1] << 8));
    case 24:
        return static_cast<int16_t>(p[1] | (p[2] << 8));
    default:
        return static_cast<int16_t>(p[2] | (p[3] << 8));
    }
}
}

bool CSampleConverter::IsSupported(const CWaveFile::Format& format)
{
    const uint16_t tag = EffectiveTag(format);
    const int bits = format.bits_per_sample;
    if (tag == CWaveFile::kTagFloat)
    {
        if (bits != 32)
            return false;
    }
    else if (tag != CWaveFile::kTagPcm || (bits != 8 && bits != 16 && bits != 24 && bits != 32))
    {
        return false;
    }
    if (format.channels < 1 || format.channels > 2)
        return false;
    if (format.samples_per_sec < 1000 || format.samples_per_sec > 192000)
        return false;
    return format.block_align == format.channels * (bits / 8);
}

bool CSampleConverter::ToOutputFormat(CWaveFile& wave, std::vector<int16_t>& frames)
{
    frames.clear();
    const CWaveFile::Format& format = wave.GetFormat();
    if (!wave.IsOpen() || !IsSupported(format))
        return false;

    std::vector<uint8_t> data(wave.GetDataSize());
    size_t read = 0;
    if (!wave.Reset() || !wave.Read(data.size(), data.data(), read))
        return false;
    wave.Reset();

    const uint16_t tag = EffectiveTag(format);
    const int bits = format.bits_per_sample;
    const size_t bytes_per_sample = bits / 8;
    const size_t channels = format.channels;
    const size_t in_frames = read / format.block_align;

    // Decode to stereo at the file's rate first.
    std::vector<int16_t> stereo(in_frames * 2);
    for (size_t i = 0; i < in_frames; ++i)
    {
        const uint8_t* frame = data.data() + i * format.block_align;
        const int16_t left = DecodeSample(frame, tag, bits);
        const int16_t right = channels == 2 ? DecodeSample(frame + bytes_per_sample, tag, bits) : left;
        stereo[2 * i] = left;
        stereo[2 * i + 1] = right;
    }

    const uint32_t rate = format.samples_per_sec;
    if (rate == CAudioDevice::kRate || in_frames == 0)
    {
        frames = std::move(stereo);
        return true;
    }

    // Linear interpolation is plenty for short effects.
    const size_t out_frames = static_cast<size_t>((uint64_t(in_frames) * CAudioDevice::kRate + rate - 1) / rate);
    frames.resize(out_frames * 2);
    for (size_t i = 0; i < out_frames; ++i)
    {
        const uint64_t num = uint64_t(i) * rate;
        const size_t at = static_cast<size_t>(num / CAudioDevice::kRate);
        const int64_t frac = static_cast<int64_t>(num % CAudioDevice::kRate);
        const size_t next = at + 1 < in_frames ? at + 1 : at;
        for (size_t c = 0; c < 2; ++c)
        {
            const int64_t a = stereo[2 * at + c];
            const int64_t b = stereo[2 * next + c];
            frames[2 * i + c] = static_cast<int16_t>(a + (b - a) * frac / CAudioDevice::kRate);
        }
    }
    return true;
}
