#include "tools/soundgen/CModuleFile.h"

#include <algorithm>

namespace
{
const int kPeriods[CModuleFile::kNotes] = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

void PutText(std::vector<uint8_t>& out, const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

void PutWord(std::vector<uint8_t>& out, int value)
{
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xff));
    out.push_back(static_cast<uint8_t>(value & 0xff));
}
}

CModuleFile::CModuleFile(const std::string& title)
    : m_title(title)
{
}

int CModuleFile::AddSample(const SModSample& sample)
{
    if (static_cast<int>(m_samples.size()) >= kMaxSamples)
        return 0;
    m_samples.push_back(sample);
    return static_cast<int>(m_samples.size());
}

int CModuleFile::AddPattern(const Pattern& pattern)
{
    if (static_cast<int>(m_patterns.size()) >= kMaxPatterns)
        return -1;
    m_patterns.push_back(pattern);
    return static_cast<int>(m_patterns.size()) - 1;
}

void CModuleFile::AddOrder(int pattern)
{
    if (m_orders.size() < 128 && pattern >= 0 && pattern < static_cast<int>(m_patterns.size()))
        m_orders.push_back(pattern);
}

int CModuleFile::PeriodOf(int note)
{
    if (note < 0 || note >= kNotes)
        return 0;
    return kPeriods[note];
}

std::vector<uint8_t> CModuleFile::Serialise() const
{
    std::vector<uint8_t> out;
    PutText(out, m_title, 20);
    for (int i = 0; i < kMaxSamples; ++i)
    {
        SModSample sample;
        if (i < static_cast<int>(m_samples.size()))
            sample = m_samples[i];
        // Lengths are stored in 16-bit words: cap at the largest the format holds.
        int length = std::min<int>(static_cast<int>(sample.m_data.size()) / 2, 65535);
        int loopStart = std::clamp(sample.m_loopStart / 2, 0, length);
        int loopLength = sample.m_loopLength / 2;
        if (loopLength < 2 || loopStart + loopLength > length)
        {
            loopStart = 0;
            loopLength = 1; // the format's mark for a one-shot sample
        }
        PutText(out, sample.m_name, 22);
        PutWord(out, length);
        out.push_back(0); // finetune
        out.push_back(static_cast<uint8_t>(std::clamp(sample.m_volume, 0, 64)));
        PutWord(out, loopStart);
        PutWord(out, loopLength);
    }
    out.push_back(static_cast<uint8_t>(m_orders.size()));
    out.push_back(127); // no restart position: the song plays once
    for (int i = 0; i < 128; ++i)
        out.push_back(i < static_cast<int>(m_orders.size()) ? static_cast<uint8_t>(m_orders[i]) : 0);
    PutText(out, "M.K.", 4);

    for (const Pattern& pattern : m_patterns)
        for (const auto& row : pattern)
            for (const SModCell& cell : row)
            {
                int period = PeriodOf(cell.m_note);
                int sample = std::clamp(cell.m_sample, 0, kMaxSamples);
                out.push_back(static_cast<uint8_t>((sample & 0xf0) | ((period >> 8) & 0x0f)));
                out.push_back(static_cast<uint8_t>(period & 0xff));
                out.push_back(static_cast<uint8_t>(((sample & 0x0f) << 4) | (cell.m_effect & 0x0f)));
                out.push_back(static_cast<uint8_t>(cell.m_param & 0xff));
            }

    for (const SModSample& sample : m_samples)
    {
        size_t length = std::min<size_t>(sample.m_data.size() & ~static_cast<size_t>(1), 131070);
        for (size_t i = 0; i < length; ++i)
            out.push_back(static_cast<uint8_t>(sample.m_data[i]));
    }
    return out;
}
