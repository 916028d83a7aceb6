// The audio callback must finish far inside its 23 ms period, and a ring
// refill must not stall a 60 Hz frame.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/sound/CSampleConverter.h"
#include "engine/sound/CSoundOutput.h"

namespace
{
std::vector<int16_t> Tone(size_t frames)
{
    std::vector<int16_t> s(frames * 2);
    for (size_t i = 0; i < frames; ++i)
        s[2 * i] = s[2 * i + 1] = int16_t(8000 * std::sin(i * 0.05));
    return s;
}

// One callback's worth of output with `voices` effects playing at once
// over a full music ring.
void BM_RenderCallback(benchmark::State& state)
{
    auto output = CSoundOutput::CreateSilent();
    const int voices = int(state.range(0));
    for (int v = 0; v < voices; ++v)
        output->GetVoices().Add(Tone(44100));
    std::vector<int16_t> out(1024 * 2);
    for (auto _ : state)
    {
        for (int v = 0; v < voices; ++v)
            output->GetVoices().Start(v, false, true);
        output->GetRing().Refill([](int16_t* d, size_t bytes) {
            std::fill(d, d + bytes / 2, int16_t(100));
            return bytes;
        });
        output->Render(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_RenderCallback)->Arg(0)->Arg(4)->Arg(16)->Arg(47);

// Loading one second of a mono 22050 Hz effect into the output format.
void BM_ConvertEffect(benchmark::State& state)
{
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                 1,   0,   1,   0,   0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                                 'd', 'a', 't', 'a', 0x44, 0xAC, 0, 0};
    file.resize(file.size() + 44100, 0x11);
    const uint32_t riff = uint32_t(file.size() - 8);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = uint8_t(riff >> (8 * i));
    for (auto _ : state)
    {
        CWaveFile wave;
        wave.OpenMemory(file);
        std::vector<int16_t> frames;
        CSampleConverter::ToOutputFormat(wave, frames);
        benchmark::DoNotOptimize(frames.data());
    }
}
BENCHMARK(BM_ConvertEffect);
}

BENCHMARK_MAIN();
