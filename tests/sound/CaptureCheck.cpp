// Reads what the game wrote through SDL's disk audio driver (raw signed
// 16-bit stereo at 44100 Hz) and tells whether music ran through it and
// where each given effect can be found in it.
//
//   mw_sound_capture_check CAPTURE.raw [EFFECT.wav ...]
//
// Prints "music F" (the share of 100 ms windows that are not silent) and,
// per effect, "effect PATH SCORE SECONDS": the best normalised correlation
// of the effect against the capture and where it lies. An effect mixed in
// at full level scores near its share of the mix; unrelated music stays
// well below.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/sound/CSampleConverter.h"
#include "engine/sound/CWaveFile.h"

namespace
{
std::vector<float> LeftChannel(const std::vector<int16_t>& stereo)
{
    std::vector<float> left(stereo.size() / 2);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = stereo[2 * i];
    return left;
}

// The capture is in the machine's own byte order, as the device was opened.
bool ReadCapture(const char* path, std::vector<int16_t>& samples)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    samples.resize(static_cast<size_t>(in.tellg()) / 2);
    in.seekg(0);
    return bool(in.read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2)));
}

double MusicShare(const std::vector<float>& left)
{
    const size_t window = 4410;
    const size_t windows = left.size() / window;
    size_t loud = 0;
    for (size_t start = 0; start + window <= left.size(); start += window)
    {
        double energy = 0;
        for (size_t i = start; i < start + window; ++i)
            energy += double(left[i]) * left[i];
        loud += std::sqrt(energy / window) > 100.0;
    }
    return windows ? double(loud) / windows : 0.0;
}

// Best normalised correlation of `effect` over every position of `capture`.
void FindEffect(const std::vector<float>& capture, std::vector<float> effect, double& best, size_t& at)
{
    best = 0;
    at = 0;
    // The attack of an effect is what stands out from music; a fifth of a second
    // of it is enough and keeps the search quick.
    if (effect.size() > 8820)
        effect.resize(8820);
    const size_t n = effect.size();
    if (n == 0 || capture.size() < n)
        return;
    double effect_energy = 0;
    for (float v : effect)
        effect_energy += double(v) * v;
    if (effect_energy <= 0)
        return;
    double window_energy = 0;
    for (size_t i = 0; i < n; ++i)
        window_energy += double(capture[i]) * capture[i];
    for (size_t lag = 0; lag + n <= capture.size(); ++lag)
    {
        if (lag > 0)
        {
            window_energy += double(capture[lag + n - 1]) * capture[lag + n - 1];
            window_energy -= double(capture[lag - 1]) * capture[lag - 1];
        }
        if (window_energy < 1.0)
            continue;
        float dot = 0;
        const float* x = capture.data() + lag;
        for (size_t k = 0; k < n; ++k)
            dot += effect[k] * x[k];
        const double score = dot / std::sqrt(effect_energy * window_energy);
        if (score > best)
        {
            best = score;
            at = lag;
        }
    }
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s CAPTURE.raw [EFFECT.wav ...]\n", argv[0]);
        return 2;
    }
    std::vector<int16_t> capture;
    if (!ReadCapture(argv[1], capture))
    {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const std::vector<float> left = LeftChannel(capture);
    std::printf("music %.3f\n", MusicShare(left));
    for (int i = 2; i < argc; ++i)
    {
        CWaveFile wave;
        std::vector<int16_t> frames;
        if (!wave.Open(argv[i]) || !CSampleConverter::ToOutputFormat(wave, frames))
        {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        double best = 0;
        size_t at = 0;
        FindEffect(left, LeftChannel(frames), best, at);
        std::printf("effect %s %.3f %.2f\n", argv[i], best, at / 44100.0);
    }
    return 0;
}
