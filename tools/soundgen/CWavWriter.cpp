#include "tools/soundgen/CWavWriter.h"

#include "tools/soundgen/CSignal.h"

#include <algorithm>
#include <cmath>

namespace
{
void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

void Put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value & 0xff));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xff));
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}
}

std::vector<uint8_t> CWavWriter::Encode(const CSignal& signal)
{
    const std::vector<float>& samples = signal.GetSamples();
    const uint32_t rate = static_cast<uint32_t>(signal.GetRate());
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);        // PCM
    Put16(out, 1);        // mono
    Put32(out, rate);
    Put32(out, rate * 2); // bytes per second
    Put16(out, 2);        // block alignment
    Put16(out, 16);       // bits per sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples)
    {
        double scaled = std::round(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
        Put16(out, static_cast<uint32_t>(static_cast<int32_t>(scaled)) & 0xffff);
    }
    return out;
}
