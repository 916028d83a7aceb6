#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One cell of a pattern: a note (0 = C-1 .. 35 = B-3, -1 none), a sample
// (1..31, 0 none) and one effect with its parameter.
struct SModCell
{
    int m_note = -1;
    int m_sample = 0;
    int m_effect = 0;
    int m_param = 0;
};

struct SModSample
{
    std::string m_name;
    std::vector<int8_t> m_data;   // even length; the format counts in words
    int m_volume = 64;
    int m_loopStart = 0;          // in bytes, even
    int m_loopLength = 0;         // in bytes, even; 0 means one-shot
};

// A four-channel 31-sample tracker module ("M.K." signature).
class CModuleFile
{
public:
    static constexpr int kChannels = 4;
    static constexpr int kRows = 64;
    static constexpr int kMaxPatterns = 64;
    static constexpr int kMaxSamples = 31;
    static constexpr int kNotes = 36;

    using Pattern = std::array<std::array<SModCell, kChannels>, kRows>;

    explicit CModuleFile(const std::string& title);

    // Returns the 1-based sample number, or 0 when all slots are taken.
    int AddSample(const SModSample& sample);
    // Returns the pattern's index, or -1 when the format's limit is reached.
    int AddPattern(const Pattern& pattern);
    void AddOrder(int pattern);

    const std::vector<Pattern>& GetPatterns() const { return m_patterns; }
    const std::vector<int>& GetOrders() const { return m_orders; }
    const std::vector<SModSample>& GetSamples() const { return m_samples; }

    // The period of a note in the format's three-octave table.
    static int PeriodOf(int note);
    std::vector<uint8_t> Serialise() const;

private:
    std::string m_title;
    std::vector<SModSample> m_samples;
    std::vector<Pattern> m_patterns;
    std::vector<int> m_orders;
};
