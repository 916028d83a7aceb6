#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What playing a module once through gave.
struct SRenderResult
{
    bool m_loaded = false;
    bool m_ended = false;        // the player stopped by itself before the limit
    double m_seconds = 0.0;      // time rendered until the player stopped
    double m_peak = 0.0;         // largest absolute sample, 1.0 = full scale
    int m_clipped = 0;           // samples at the very edge of the range
    double m_rms = 0.0;
    double m_leftRms = 0.0;
    double m_rightRms = 0.0;
    double m_tailPeak = 0.0;     // largest sample over the last second
    double m_quietFraction = 0.0; // share of whole seconds (but the last) that are near silence
    std::vector<int16_t> m_pcm;  // interleaved stereo, only when asked for
};

// Plays a module through libmikmod's software mixer into memory, as the
// game's music player would, but without a sound device.
class CModuleRenderer
{
public:
    static constexpr int kRate = 44100;

    static bool Render(const std::string& path, double maxSeconds, SRenderResult& result, bool keepPcm = false);
};
