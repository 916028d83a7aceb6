#include "tools/soundgen/CSignal.h"

#include "tools/soundgen/CRandom.h"

#include <algorithm>
#include <cmath>

namespace
{
const double kPi = 3.14159265358979323846;

// Smooths the jump of a square or saw over one sample, which keeps the
// upper harmonics from folding back as hiss.
double PolyBlep(double t, double dt)
{
    if (dt <= 0.0)
        return 0.0;
    if (t < dt)
    {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt)
    {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
}

CSignal::CSignal(int rate, double seconds)
    : m_rate(rate > 0 ? rate : 44100),
      m_samples(static_cast<size_t>(std::max(0.0, seconds) * (rate > 0 ? rate : 44100) + 0.5), 0.0f)
{
}

double CSignal::GetDuration() const
{
    return static_cast<double>(m_samples.size()) / m_rate;
}

size_t CSignal::IndexOf(double seconds) const
{
    if (seconds <= 0.0)
        return 0;
    return std::min(m_samples.size(), static_cast<size_t>(seconds * m_rate + 0.5));
}

double CSignal::EnvelopeAt(const SEnvelope& env, double t, double length)
{
    if (t < 0.0 || t >= length)
        return 0.0;
    double level = 1.0;
    if (env.m_attack > 0.0 && t < env.m_attack)
        level = t / env.m_attack;
    else if (env.m_decay > 0.0)
        level = std::exp(-(t - env.m_attack) / env.m_decay);
    double left = length - t;
    if (env.m_release > 0.0 && left < env.m_release)
        level *= left / env.m_release;
    return level;
}

double CSignal::WaveAt(EWave wave, double phase, double step)
{
    switch (wave)
    {
    case EWave::Sine:
        return std::sin(2.0 * kPi * phase);
    case EWave::Triangle:
        return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    case EWave::Square:
    {
        double v = phase < 0.5 ? 1.0 : -1.0;
        v += PolyBlep(phase, step);
        double shifted = phase + 0.5;
        if (shifted >= 1.0)
            shifted -= 1.0;
        v -= PolyBlep(shifted, step);
        return v;
    }
    case EWave::Pulse25:
    {
        double v = phase < 0.25 ? 1.0 : -1.0;
        v += PolyBlep(phase, step);
        double shifted = phase + 0.75;
        if (shifted >= 1.0)
            shifted -= 1.0;
        v -= PolyBlep(shifted, step);
        // The narrow pulse has a DC offset of one half; take it away.
        return v + 0.5;
    }
    case EWave::Saw:
        return 2.0 * phase - 1.0 - PolyBlep(phase, step);
    }
    return 0.0;
}

void CSignal::AddTone(double start, double length, double freqFrom, double freqTo, EWave wave,
                      double amp, const SEnvelope& env)
{
    size_t first = IndexOf(start);
    size_t last = IndexOf(start + length);
    double phase = 0.0;
    double ratio = freqFrom > 0.0 ? freqTo / freqFrom : 1.0;
    for (size_t i = first; i < last; ++i)
    {
        double t = static_cast<double>(i - first) / m_rate;
        double freq = freqFrom * std::pow(ratio, t / length);
        double step = freq / m_rate;
        m_samples[i] += static_cast<float>(amp * EnvelopeAt(env, t, length) * WaveAt(wave, phase, step));
        phase += step;
        phase -= std::floor(phase);
    }
}

void CSignal::AddBell(double start, double length, double freq, double ratio, double index,
                      double amp, const SEnvelope& env)
{
    size_t first = IndexOf(start);
    size_t last = IndexOf(start + length);
    for (size_t i = first; i < last; ++i)
    {
        double t = static_cast<double>(i - first) / m_rate;
        double level = EnvelopeAt(env, t, length);
        double modulator = std::sin(2.0 * kPi * freq * ratio * t) * index * level;
        m_samples[i] += static_cast<float>(amp * level * std::sin(2.0 * kPi * freq * t + modulator));
    }
}

void CSignal::AddNoise(double start, double length, double amp, const SEnvelope& env, CRandom& random,
                       EFilter filter, double cutFrom, double cutTo, double resonance)
{
    size_t first = IndexOf(start);
    size_t last = IndexOf(start + length);
    double low = 0.0;
    double band = 0.0;
    double damping = 1.0 / std::max(0.5, resonance);
    double ratio = cutFrom > 0.0 ? cutTo / cutFrom : 1.0;
    for (size_t i = first; i < last; ++i)
    {
        double t = static_cast<double>(i - first) / m_rate;
        double cutoff = std::min(cutFrom * std::pow(ratio, t / length), m_rate * 0.22);
        double f = 2.0 * std::sin(kPi * cutoff / m_rate);
        double input = random.Signed();
        // Chamberlin state-variable filter: one loop gives all three responses.
        low += f * band;
        double high = input - low - damping * band;
        band += f * high;
        double out = filter == EFilter::LowPass ? low : filter == EFilter::BandPass ? band : high;
        m_samples[i] += static_cast<float>(amp * EnvelopeAt(env, t, length) * out);
    }
}

void CSignal::Mix(const CSignal& other, double start, double gain)
{
    size_t first = IndexOf(start);
    for (size_t i = 0; i < other.m_samples.size() && first + i < m_samples.size(); ++i)
        m_samples[first + i] += static_cast<float>(gain * other.m_samples[i]);
}

void CSignal::LowPass(double cutoff)
{
    double a = 1.0 - std::exp(-2.0 * kPi * cutoff / m_rate);
    double state = 0.0;
    for (float& s : m_samples)
    {
        state += a * (s - state);
        s = static_cast<float>(state);
    }
}

void CSignal::HighPass(double cutoff)
{
    double a = 1.0 - std::exp(-2.0 * kPi * cutoff / m_rate);
    double state = 0.0;
    for (float& s : m_samples)
    {
        state += a * (s - state);
        s = static_cast<float>(s - state);
    }
}

void CSignal::AddEcho(double delay, double feedback, int repeats)
{
    size_t offset = static_cast<size_t>(delay * m_rate);
    if (offset == 0)
        return;
    std::vector<float> dry = m_samples;
    double gain = feedback;
    for (int r = 1; r <= repeats; ++r, gain *= feedback)
    {
        size_t shift = offset * r;
        for (size_t i = 0; i + shift < m_samples.size(); ++i)
            m_samples[i + shift] += static_cast<float>(gain * dry[i]);
    }
}

double CSignal::GetPeak() const
{
    double peak = 0.0;
    for (float s : m_samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

double CSignal::GetRms() const
{
    if (m_samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : m_samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / m_samples.size());
}

void CSignal::Normalise(double peak)
{
    double current = GetPeak();
    if (current <= 1e-9)
        return;
    double gain = peak / current;
    for (float& s : m_samples)
        s = static_cast<float>(s * gain);
}

void CSignal::FadeEdges(double fadeIn, double fadeOut)
{
    size_t count = m_samples.size();
    size_t in = std::min(count, static_cast<size_t>(fadeIn * m_rate));
    size_t out = std::min(count, static_cast<size_t>(fadeOut * m_rate));
    for (size_t i = 0; i < in; ++i)
        m_samples[i] *= static_cast<float>(static_cast<double>(i) / in);
    for (size_t i = 0; i < out; ++i)
        m_samples[count - 1 - i] *= static_cast<float>(static_cast<double>(i) / out);
}
