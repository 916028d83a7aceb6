// Prints what each generated module and effect measures like, for tuning
// levels and lengths by eye. Usage: soundcheck <game directory> [wav prefix]
// With a prefix, each module is also rendered to <prefix>NNN.wav.

#include "tools/soundgen/CEffectBank.h"
#include "tools/soundgen/CFileWriter.h"
#include "tools/soundgen/CModuleRenderer.h"
#include "tools/soundgen/CSongBook.h"
#include "tools/soundgen/CWavReader.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace
{
void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

std::vector<uint8_t> StereoWav(const std::vector<int16_t>& pcm)
{
    std::vector<uint8_t> out;
    uint32_t bytes = static_cast<uint32_t>(pcm.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 36 + bytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 2);
    Put32(out, CModuleRenderer::kRate);
    Put32(out, CModuleRenderer::kRate * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, bytes);
    for (int16_t s : pcm)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <game directory> [wav prefix]\n", argv[0]);
        return 2;
    }
    std::string root = argv[1];
    std::string prefix = argc > 2 ? argv[2] : "";
    for (const SEffectFile& file : CEffectBank::GetFiles())
    {
        std::vector<uint8_t> bytes;
        SWavInfo info;
        std::string error;
        if (!CFileWriter::ReadWhole(root + "/" + file.m_path, bytes) || !CWavReader::Parse(bytes, info, error))
        {
            std::printf("%3d %-22s BAD %s\n", file.m_id, file.m_path.c_str(), error.c_str());
            continue;
        }
        int peak = 0;
        for (int16_t s : info.m_samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        std::printf("%3d %-22s %5.2fs peak %5.1f dB first %6d last %6d\n", file.m_id, file.m_path.c_str(),
                    static_cast<double>(info.m_samples.size()) / info.m_rate, 20.0 * std::log10(peak / 32768.0 + 1e-9),
                    info.m_samples.front(), info.m_samples.back());
    }
    for (int i = 0; i < static_cast<int>(CSongBook::GetStyles().size()); ++i)
    {
        SRenderResult r;
        std::string path = root + "/" + CSongBook::PathOf(i);
        if (!CModuleRenderer::Render(path, 240.0, r, !prefix.empty()))
        {
            std::printf("%s: does not load\n", path.c_str());
            continue;
        }
        std::printf("%03d %-16s %6.1fs ended %d peak %.2f clipped %d rms %.3f L %.3f R %.3f tail %.4f quiet %.2f\n", i,
                    CSongBook::GetStyles()[i].m_title.c_str(), r.m_seconds, r.m_ended, r.m_peak, r.m_clipped, r.m_rms,
                    r.m_leftRms, r.m_rightRms, r.m_tailPeak, r.m_quietFraction);
        if (!prefix.empty())
        {
            char name[16];
            std::snprintf(name, sizeof(name), "%03d.wav", i);
            CFileWriter::WriteAtomically(prefix + name, StereoWav(r.m_pcm));
        }
    }
    return 0;
}
