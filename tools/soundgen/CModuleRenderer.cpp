#include "tools/soundgen/CModuleRenderer.h"

#include <mikmod.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
std::vector<int16_t>* g_target = nullptr;
const ULONG kChunkFrames = 1024;

BOOL MemoryIsPresent()
{
    return 1;
}

int MemoryReset()
{
    return 0;
}

void MemoryUpdate()
{
    int16_t chunk[kChunkFrames * 2];
    ULONG bytes = VC_WriteBytes(reinterpret_cast<SBYTE*>(chunk), sizeof(chunk));
    if (g_target != nullptr)
        g_target->insert(g_target->end(), chunk, chunk + bytes / 2);
}

MDRIVER g_memoryDriver = {
    nullptr, "Memory", "Renders into a buffer", 0, 255, "memory", nullptr, nullptr,
    MemoryIsPresent, VC_SampleLoad, VC_SampleUnload, VC_SampleSpace, VC_SampleLength,
    VC_Init, VC_Exit, MemoryReset, VC_SetNumVoices, VC_PlayStart, VC_PlayStop, MemoryUpdate, nullptr,
    VC_VoiceSetVolume, VC_VoiceGetVolume, VC_VoiceSetFrequency, VC_VoiceGetFrequency,
    VC_VoiceSetPanning, VC_VoiceGetPanning, VC_VoicePlay, VC_VoiceStop, VC_VoiceStopped,
    VC_VoiceGetPosition, VC_VoiceRealVolume};

bool StartLibrary()
{
    // The library keeps global state: set it up once per process.
    static bool started = false;
    static bool ok = false;
    if (started)
        return ok;
    started = true;
    MikMod_RegisterDriver(&g_memoryDriver);
    MikMod_RegisterLoader(&load_it);
    MikMod_RegisterLoader(&load_mod);
    MikMod_RegisterLoader(&load_xm);
    md_mode = DMODE_16BITS | DMODE_STEREO | DMODE_SOFT_MUSIC | DMODE_INTERP;
    md_mixfreq = CModuleRenderer::kRate;
    md_device = 0;
    ok = MikMod_Init("") == 0;
    return ok;
}
}

bool CModuleRenderer::Render(const std::string& path, double maxSeconds, SRenderResult& result, bool keepPcm)
{
    result = SRenderResult();
    if (!StartLibrary())
        return false;
    MODULE* module = Player_Load(path.c_str(), 64, 0);
    if (module == nullptr)
        return false;
    result.m_loaded = true;
    module->loop = 0;
    module->wrap = 0;
    md_volume = 128;
    md_musicvolume = 128;

    std::vector<int16_t> pcm;
    g_target = &pcm;
    Player_Start(module);
    const size_t limit = static_cast<size_t>(maxSeconds * kRate) * 2;
    while (Player_Active() && pcm.size() < limit)
        MikMod_Update();
    result.m_ended = !Player_Active();
    Player_Stop();
    Player_Free(module);
    g_target = nullptr;

    const size_t frames = pcm.size() / 2;
    result.m_seconds = static_cast<double>(frames) / kRate;
    double sum = 0.0;
    double left = 0.0;
    double right = 0.0;
    int peak = 0;
    for (size_t i = 0; i < pcm.size(); ++i)
    {
        int v = pcm[i];
        peak = std::max(peak, std::abs(v));
        if (v >= 32767 || v <= -32768)
            ++result.m_clipped;
        double d = v / 32768.0;
        sum += d * d;
        (i % 2 == 0 ? left : right) += d * d;
    }
    if (frames > 0)
    {
        result.m_rms = std::sqrt(sum / pcm.size());
        result.m_leftRms = std::sqrt(left / frames);
        result.m_rightRms = std::sqrt(right / frames);
    }
    result.m_peak = peak / 32768.0;
    size_t tail = std::min(pcm.size(), static_cast<size_t>(kRate) * 2);
    int tailPeak = 0;
    for (size_t i = pcm.size() - tail; i < pcm.size(); ++i)
        tailPeak = std::max(tailPeak, std::abs(static_cast<int>(pcm[i])));
    result.m_tailPeak = tailPeak / 32768.0;

    size_t seconds = frames / kRate;
    int quiet = 0;
    for (size_t s = 0; s + 1 < seconds; ++s)
    {
        double energy = 0.0;
        for (size_t i = s * kRate * 2; i < (s + 1) * kRate * 2; ++i)
            energy += (pcm[i] / 32768.0) * (pcm[i] / 32768.0);
        if (std::sqrt(energy / (kRate * 2)) < 0.003)
            ++quiet;
    }
    result.m_quietFraction = seconds > 1 ? static_cast<double>(quiet) / (seconds - 1) : 1.0;
    if (keepPcm)
        result.m_pcm.swap(pcm);
    return true;
}
