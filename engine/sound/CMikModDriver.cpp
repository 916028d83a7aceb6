#include "engine/sound/CMikModDriver.h"

#include <mikmod.h>

#include "engine/sound/CMusicRing.h"
#include "engine/sound/CSoundOutput.h"
#include "platform/CAudioDevice.h"

namespace
{
CSoundOutput* g_output = nullptr;

char g_name[] = "Marblewend Ring";
char g_version[] = "Marblewend ring output: libmikmod's mix into the program's own sound device";
char g_alias[] = "ring";
char g_help[] = "";

MDRIVER MakeRecord()
{
    // libmikmod 3.3 added fields to this record, so it is filled by name and
    // whatever this build does not set stays null.
    MDRIVER record{};
    record.Name = g_name;
    record.Version = g_version;
    record.HardVoiceLimit = 0;
    record.SoftVoiceLimit = 255;
    record.Alias = g_alias;
    record.CmdLineHelp = g_help;
    record.SampleLoad = VC_SampleLoad;
    record.SampleUnload = VC_SampleUnload;
    record.FreeSampleSpace = VC_SampleSpace;
    record.RealSampleLength = VC_SampleLength;
    record.SetNumVoices = VC_SetNumVoices;
    record.VoiceSetVolume = VC_VoiceSetVolume;
    record.VoiceGetVolume = VC_VoiceGetVolume;
    record.VoiceSetFrequency = VC_VoiceSetFrequency;
    record.VoiceGetFrequency = VC_VoiceGetFrequency;
    record.VoiceSetPanning = VC_VoiceSetPanning;
    record.VoiceGetPanning = VC_VoiceGetPanning;
    record.VoicePlay = VC_VoicePlay;
    record.VoiceStop = VC_VoiceStop;
    record.VoiceStopped = VC_VoiceStopped;
    record.VoiceGetPosition = VC_VoiceGetPosition;
    record.VoiceRealVolume = VC_VoiceRealVolume;
    return record;
}

MDRIVER g_record = MakeRecord();
bool g_hooks_set = false;
}

MDRIVER* CMikModDriver::GetRecord()
{
    if (!g_hooks_set)
    {
        g_record.IsPresent = &CMikModDriver::IsPresent;
        g_record.Init = &CMikModDriver::Init;
        g_record.Exit = &CMikModDriver::Exit;
        g_record.Reset = &CMikModDriver::Reset;
        g_record.PlayStart = &CMikModDriver::PlayStart;
        g_record.PlayStop = &CMikModDriver::PlayStop;
        g_record.Update = &CMikModDriver::Update;
        g_hooks_set = true;
    }
    return &g_record;
}

void CMikModDriver::Bind(CSoundOutput* output)
{
    g_output = output;
}

CSoundOutput* CMikModDriver::GetBound()
{
    return g_output;
}

int CMikModDriver::IsPresent()
{
    return g_output != nullptr;
}

int CMikModDriver::Init()
{
    if (!g_output)
        return 1;
    // The ring holds the device's own format; anything else cannot be played.
    if (!(md_mode & DMODE_16BITS) || !(md_mode & DMODE_STEREO) || (md_mode & DMODE_FLOAT) ||
        md_mixfreq != CAudioDevice::kRate)
        return 1;
    {
        CSoundOutput::ScopedLock lock(*g_output);
        g_output->GetRing().Reset();
    }
    return VC_Init();
}

void CMikModDriver::Exit()
{
    if (g_output)
    {
        CSoundOutput::ScopedLock lock(*g_output);
        g_output->GetRing().Reset();
    }
    VC_Exit();
}

int CMikModDriver::Reset()
{
    return 0;
}

int CMikModDriver::PlayStart()
{
    return VC_PlayStart();
}

void CMikModDriver::PlayStop()
{
    // Back to silence at position 0, so the next start fills both halves.
    if (g_output)
    {
        CSoundOutput::ScopedLock lock(*g_output);
        g_output->GetRing().Reset();
    }
    VC_PlayStop();
}

void CMikModDriver::Update()
{
    if (!g_output)
        return;
    const std::vector<size_t> written =
        g_output->GetRing().Refill([](int16_t* destination, size_t bytes) -> size_t {
            return VC_WriteBytes(reinterpret_cast<SBYTE*>(destination), static_cast<ULONG>(bytes));
        });
    if (!written.empty())
        g_output->Wake();
}
