#pragma once

#include <cstddef>
#include <vector>

class CRandom;

enum class EWave
{
    Sine,
    Triangle,
    Square,
    Saw,
    Pulse25
};

enum class EFilter
{
    LowPass,
    BandPass,
    HighPass
};

// Amplitude shape of one sound event: a linear rise, an optional exponential
// fall (time constant in seconds, 0 keeps the level), and a linear release
// over the last seconds so that nothing ends on a step.
struct SEnvelope
{
    double m_attack = 0.004;
    double m_decay = 0.0;
    double m_release = 0.02;
};

// A mono float buffer that the sound effects and the module samples are
// drawn into, with the few filters and shapes they need.
class CSignal
{
public:
    CSignal(int rate, double seconds);

    int GetRate() const { return m_rate; }
    size_t GetLength() const { return m_samples.size(); }
    double GetDuration() const;
    const std::vector<float>& GetSamples() const { return m_samples; }
    std::vector<float>& GetSamples() { return m_samples; }

    // A tone whose pitch glides exponentially from freqFrom to freqTo.
    void AddTone(double start, double length, double freqFrom, double freqTo, EWave wave,
                 double amp, const SEnvelope& env);
    // Two-operator FM: index falls with the envelope, which gives bells and mallets.
    void AddBell(double start, double length, double freq, double ratio, double index,
                 double amp, const SEnvelope& env);
    // White noise through a resonant filter whose cutoff glides from cutFrom to cutTo.
    void AddNoise(double start, double length, double amp, const SEnvelope& env, CRandom& random,
                  EFilter filter, double cutFrom, double cutTo, double resonance);
    void Mix(const CSignal& other, double start, double gain);

    void LowPass(double cutoff);
    void HighPass(double cutoff);
    // Feedback delay: a short room that softens dry synthetic tones.
    void AddEcho(double delay, double feedback, int repeats);

    double GetPeak() const;
    double GetRms() const;
    void Normalise(double peak);
    void FadeEdges(double fadeIn, double fadeOut);

    static double EnvelopeAt(const SEnvelope& env, double t, double length);
    static double WaveAt(EWave wave, double phase, double step);

private:
    size_t IndexOf(double seconds) const;

    int m_rate;
    std::vector<float> m_samples;
};
