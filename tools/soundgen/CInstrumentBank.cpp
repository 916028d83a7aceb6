#include "tools/soundgen/CInstrumentBank.h"

#include "tools/soundgen/CRandom.h"
#include "tools/soundgen/CSignal.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace
{
const double kPi = 3.14159265358979323846;

// Samples per cycle: at C-2 the player reads 8363 samples a second, so 32
// gives middle C and 64 the octave below.
const int kLeadCycle = 32;
const int kBassCycle = 64;

// Gentle low-pass over the harmonic series, so that no wave sounds buzzy.
double Rolloff(int h, double corner)
{
    double r = h / corner;
    return 1.0 / (1.0 + r * r);
}

SModSample Quantise(const char* name, const std::vector<double>& wave, int loopStart, int loopLength, int volume)
{
    double peak = 0.0;
    for (double v : wave)
        peak = std::max(peak, std::fabs(v));
    double gain = peak > 1e-9 ? 124.0 / peak : 0.0;
    SModSample sample;
    sample.m_name = name;
    sample.m_volume = volume;
    // The format plays the first word of a one-shot sample over and over
    // once it ends, so it must be silence.
    sample.m_data.push_back(0);
    sample.m_data.push_back(0);
    for (double v : wave)
        sample.m_data.push_back(static_cast<int8_t>(std::clamp(std::lround(v * gain), -127L, 127L)));
    if (sample.m_data.size() % 2)
        sample.m_data.push_back(0);
    if (loopLength > 0)
    {
        sample.m_loopStart = loopStart + 2;
        sample.m_loopLength = loopLength;
        // Looped data ends with the loop: anything after it would never play.
        sample.m_data.resize(static_cast<size_t>(sample.m_loopStart + loopLength));
    }
    return sample;
}

// Fills a wave cycle by cycle. value(x) receives the position in cycles
// (fractional) counted from the start of the sample.
std::vector<double> Render(int cycleLength, int cycles, const std::function<double(double)>& value)
{
    std::vector<double> wave(static_cast<size_t>(cycleLength) * cycles);
    for (size_t i = 0; i < wave.size(); ++i)
        wave[i] = value(static_cast<double>(i) / cycleLength);
    return wave;
}

// A harmonic stack: amp(h) of each harmonic, phase x in cycles.
double Stack(double x, int maxHarmonic, const std::function<double(int)>& amp)
{
    double v = 0.0;
    for (int h = 1; h <= maxHarmonic; ++h)
    {
        double a = amp(h);
        if (a != 0.0)
            v += a * std::sin(2.0 * kPi * h * x);
    }
    return v;
}

double Ramp(double x, double length)
{
    return x >= length ? 1.0 : x / length;
}
}

SModSample CInstrumentBank::MakeLead(ELead kind)
{
    const int attack = 8;
    const int loop = 256;
    const int total = attack + loop;
    std::vector<double> wave;
    switch (kind)
    {
    case ELead::PulseSweep:
        wave = Render(kLeadCycle, total, [&](double x) {
            // The duty cycle sweeps once per loop, which keeps the loop seamless.
            double d = 0.3 + 0.15 * std::sin(2.0 * kPi * (x - attack) / loop);
            double v = 0.0;
            for (int h = 1; h <= 12; ++h)
                v += 2.0 / (h * kPi) * std::sin(kPi * h * d) * std::cos(2.0 * kPi * h * (x - d / 2.0)) * Rolloff(h, 7.0);
            return v * Ramp(x, 1.5);
        });
        return Quantise("pulse lead", wave, attack * kLeadCycle, loop * kLeadCycle, 44);
    case ELead::SoftSquare:
        wave = Render(kLeadCycle, total, [&](double x) {
            auto odd = [](int h) { return h % 2 ? Rolloff(h, 5.0) / h : 0.0; };
            // A copy one cycle ahead per loop beats slowly against the first: a soft chorus.
            double chorus = x * (loop + 1.0) / loop;
            return (Stack(x, 13, odd) + 0.55 * Stack(chorus, 13, odd)) * Ramp(x, 2.0);
        });
        return Quantise("square lead", wave, attack * kLeadCycle, loop * kLeadCycle, 44);
    case ELead::Flute:
        wave = Render(kLeadCycle, total, [&](double x) {
            double tremolo = 1.0 + 0.07 * std::sin(2.0 * kPi * 2.0 * (x - attack) / loop);
            double v = Stack(x, 4, [](int h) {
                static const double amps[] = {0.0, 1.0, 0.22, 0.1, 0.04};
                return amps[h];
            });
            return v * tremolo * Ramp(x, 4.0);
        });
        return Quantise("flute", wave, attack * kLeadCycle, loop * kLeadCycle, 50);
    case ELead::Brass:
        wave = Render(kLeadCycle, total, [&](double x) {
            // The attack opens brighter and settles, as a horn's does.
            double corner = x < attack ? 3.0 + 4.0 * (x / attack) : 5.0;
            auto saw = [&](int h) { return Rolloff(h, corner) / h; };
            double chorus = x * (loop - 1.0) / loop;
            return (Stack(x, 12, saw) + 0.5 * Stack(chorus, 12, saw)) * Ramp(x, 2.5);
        });
        return Quantise("brass lead", wave, attack * kLeadCycle, loop * kLeadCycle, 42);
    case ELead::Reed:
        wave = Render(kLeadCycle, total, [&](double x) {
            double v = Stack(x, 9, [](int h) {
                static const double amps[] = {0.0, 1.0, 0.05, 0.55, 0.03, 0.35, 0.02, 0.18, 0.0, 0.1};
                return amps[h];
            });
            return v * Ramp(x, 3.0);
        });
        return Quantise("reed", wave, attack * kLeadCycle, loop * kLeadCycle, 48);
    case ELead::Celesta:
    {
        const int cycles = 300;
        wave = Render(kLeadCycle, cycles, [&](double x) {
            double body = std::exp(-x / 90.0);
            double shine = std::exp(-x / 18.0);
            return (std::sin(2.0 * kPi * x) + 0.35 * shine * std::sin(2.0 * kPi * 4.0 * x)
                    + 0.12 * shine * std::sin(2.0 * kPi * 7.0 * x)) * body * Ramp(x, 0.5);
        });
        return Quantise("celesta", wave, 0, 0, 64);
    }
    }
    return SModSample();
}

SModSample CInstrumentBank::MakeBass(EBass kind)
{
    const int decay = 24;
    const int loop = 32;
    const int total = decay + loop;
    auto level = [&](double x, double sustain) {
        double fall = x < decay ? std::exp(-x / 8.0) : std::exp(-decay / 8.0);
        double floor = sustain + (1.0 - sustain) * fall;
        return floor * Ramp(x, 0.5);
    };
    std::vector<double> wave;
    switch (kind)
    {
    case EBass::Round:
        wave = Render(kBassCycle, total, [&](double x) {
            double click = x < decay ? std::exp(-x / 2.0) : 0.0;
            double v = Stack(x, 6, [&](int h) {
                static const double amps[] = {0.0, 1.0, 0.35, 0.12, 0.0, 0.0, 0.0};
                return amps[h] + (h >= 3 ? 0.15 * click / h : 0.0);
            });
            return v * level(x, 0.6);
        });
        return Quantise("round bass", wave, decay * kBassCycle, loop * kBassCycle, 50);
    case EBass::Triangle:
        wave = Render(kBassCycle, total, [&](double x) {
            double v = Stack(x, 9, [](int h) { return h % 2 ? ((h / 2) % 2 ? -1.0 : 1.0) / (h * h) : 0.0; });
            return v * level(x, 0.7);
        });
        return Quantise("triangle bass", wave, decay * kBassCycle, loop * kBassCycle, 52);
    case EBass::Pluck:
        wave = Render(kBassCycle, total, [&](double x) {
            double corner = 2.0 + 8.0 * std::exp(-std::min(x, static_cast<double>(decay)) / 5.0);
            double v = Stack(x, 16, [&](int h) { return Rolloff(h, corner) / h; });
            return v * level(x, 0.45);
        });
        return Quantise("plucked bass", wave, decay * kBassCycle, loop * kBassCycle, 52);
    case EBass::Synth:
        wave = Render(kBassCycle, total, [&](double x) {
            double corner = 2.5 + 3.0 * std::exp(-std::min(x, static_cast<double>(decay)) / 6.0);
            auto odd = [&](int h) { return h % 2 ? Rolloff(h, corner) / h : 0.35 * Rolloff(h, corner) / h; };
            return Stack(x, 14, odd) * level(x, 0.55);
        });
        return Quantise("synth bass", wave, decay * kBassCycle, loop * kBassCycle, 48);
    }
    return SModSample();
}

SModSample CInstrumentBank::MakePadChord(EPad kind, bool minor)
{
    const int attack = 16;
    // A multiple of both chords' common periods (2 and 10 root cycles).
    const int loop = 120;
    const double major[] = {1.0, 1.5, 2.5};
    const double minorRatios[] = {1.0, 1.5, 2.4};
    const double* ratios = minor ? minorRatios : major;
    const double weights[] = {1.0, 0.8, 0.7};
    std::function<double(int)> timbre;
    int harmonics = 8;
    double attackCycles = 14.0;
    const char* name = "";
    switch (kind)
    {
    case EPad::Strings:
        timbre = [](int h) { return Rolloff(h, 4.0) / h; };
        name = minor ? "strings minor" : "strings major";
        break;
    case EPad::Organ:
        timbre = [](int h) {
            static const double amps[] = {0.0, 1.0, 0.5, 0.25, 0.2, 0.0, 0.08, 0.0, 0.06};
            return amps[h];
        };
        attackCycles = 3.0;
        name = minor ? "organ minor" : "organ major";
        break;
    case EPad::Warm:
        timbre = [](int h) { return h % 2 ? Rolloff(h, 2.5) / h : 0.2 * Rolloff(h, 2.5) / h; };
        attackCycles = 20.0;
        harmonics = 6;
        name = minor ? "warm minor" : "warm major";
        break;
    }
    std::vector<double> wave = Render(kBassCycle, attack + loop, [&](double x) {
        double v = 0.0;
        for (int voice = 0; voice < 3; ++voice)
        {
            // The copy gains exactly one cycle per loop: a slow, seamless chorus.
            double detuned = ratios[voice] + 1.0 / loop;
            for (int h = 1; h <= harmonics; ++h)
            {
                double a = timbre(h) * weights[voice];
                if (a == 0.0 || h * ratios[voice] > 20.0)
                    continue;
                v += a * (std::sin(2.0 * kPi * h * ratios[voice] * x)
                          + 0.6 * std::sin(2.0 * kPi * h * detuned * x + 0.7 * h));
            }
        }
        return v * Ramp(x, attackCycles);
    });
    return Quantise(name, wave, attack * kBassCycle, loop * kBassCycle, kind == EPad::Organ ? 30 : 38);
}

SModSample CInstrumentBank::MakeBroken(EBroken kind)
{
    std::vector<double> wave;
    switch (kind)
    {
    case EBroken::Harp:
        wave = Render(kLeadCycle, 260, [&](double x) {
            double corner = 1.5 + 7.0 * std::exp(-x / 12.0);
            double v = Stack(x, 12, [&](int h) { return Rolloff(h, corner) / h; });
            return v * std::exp(-x / 70.0) * Ramp(x, 0.3);
        });
        return Quantise("harp", wave, 0, 0, 44);
    case EBroken::Marimba:
        wave = Render(kLeadCycle, 160, [&](double x) {
            double v = std::sin(2.0 * kPi * x) + 0.3 * std::exp(-x / 6.0) * std::sin(2.0 * kPi * 4.0 * x)
                       + 0.1 * std::exp(-x / 3.0) * std::sin(2.0 * kPi * 10.0 * x);
            return v * std::exp(-x / 38.0) * Ramp(x, 0.25);
        });
        return Quantise("marimba", wave, 0, 0, 50);
    case EBroken::Glocken:
        wave = Render(kLeadCycle / 2, 500, [&](double x) {
            double v = std::sin(2.0 * kPi * x) + 0.4 * std::exp(-x / 40.0) * std::sin(2.0 * kPi * 2.76 * x)
                       + 0.2 * std::exp(-x / 15.0) * std::sin(2.0 * kPi * 5.4 * x);
            return v * std::exp(-x / 160.0) * Ramp(x, 0.25);
        });
        return Quantise("glockenspiel", wave, 0, 0, 36);
    }
    return SModSample();
}

SModSample CInstrumentBank::MakeDrum(EDrum kind, uint64_t seed)
{
    const int rate = kBaseRate * 2;
    CRandom random(seed * 31 + static_cast<uint64_t>(kind));
    CSignal s(rate, 0.0);
    const char* name = "";
    int volume = 64;
    switch (kind)
    {
    case EDrum::Kick:
        s = CSignal(rate, 0.42);
        s.AddTone(0.0, 0.42, 150.0, 45.0, EWave::Sine, 1.0, SEnvelope{0.001, 0.16, 0.08});
        s.AddNoise(0.0, 0.012, 0.35, SEnvelope{0.0005, 0.003, 0.003}, random, EFilter::LowPass, 3000.0, 1500.0, 0.8);
        name = "kick";
        volume = 46;
        break;
    case EDrum::Snare:
        s = CSignal(rate, 0.3);
        s.AddTone(0.0, 0.15, 220.0, 170.0, EWave::Sine, 0.6, SEnvelope{0.001, 0.04, 0.03});
        s.AddNoise(0.0, 0.3, 0.9, SEnvelope{0.001, 0.07, 0.06}, random, EFilter::BandPass, 4000.0, 2500.0, 0.7);
        name = "snare";
        volume = 34;
        break;
    case EDrum::ClosedHat:
        s = CSignal(rate, 0.07);
        s.AddNoise(0.0, 0.07, 1.0, SEnvelope{0.0005, 0.018, 0.02}, random, EFilter::HighPass, 5500.0, 5500.0, 1.2);
        name = "closed hat";
        volume = 30;
        break;
    case EDrum::OpenHat:
        s = CSignal(rate, 0.35);
        s.AddNoise(0.0, 0.35, 1.0, SEnvelope{0.001, 0.12, 0.1}, random, EFilter::HighPass, 5000.0, 5000.0, 1.0);
        name = "open hat";
        volume = 26;
        break;
    case EDrum::KickCrash:
        s = CSignal(rate, 1.6);
        s.AddTone(0.0, 0.42, 150.0, 45.0, EWave::Sine, 1.0, SEnvelope{0.001, 0.16, 0.08});
        s.AddNoise(0.0, 1.6, 0.7, SEnvelope{0.002, 0.5, 0.4}, random, EFilter::HighPass, 3500.0, 4500.0, 0.9);
        s.AddNoise(0.0, 0.6, 0.4, SEnvelope{0.002, 0.12, 0.2}, random, EFilter::BandPass, 2500.0, 1800.0, 1.0);
        name = "kick and cymbal";
        volume = 46;
        break;
    }
    s.FadeEdges(0.0005, 0.01);
    std::vector<double> wave(s.GetSamples().begin(), s.GetSamples().end());
    return Quantise(name, wave, 0, 0, volume);
}
