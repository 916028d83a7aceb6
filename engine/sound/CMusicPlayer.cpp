#include "engine/sound/CMusicPlayer.h"

#include <algorithm>
#include <cstdio>

#include <mikmod.h>

#include "engine/sound/CMikModDriver.h"
#include "engine/sound/CSoundOutput.h"

namespace
{
// libmikmod keeps one global state; a second player must not share it.
bool g_library_taken = false;
// The library appends loaders without looking for them in its list and
// keeps the list across MikMod_Exit: a second registration makes a cycle.
bool g_registered = false;

// 16-bit stereo software mixing with interpolation, at the device's rate.
constexpr UWORD kMode = DMODE_16BITS | DMODE_STEREO | DMODE_SOFT_MUSIC | DMODE_INTERP;
constexpr int kMaxChannels = 64;
}

CMusicPlayer::CMusicPlayer() = default;

CMusicPlayer::~CMusicPlayer()
{
    Stop();
    Shutdown();
}

bool CMusicPlayer::Init()
{
    if (m_ready)
        return true;
    return Init(CSoundOutput::Acquire());
}

bool CMusicPlayer::Init(std::shared_ptr<CSoundOutput> output)
{
    if (m_ready)
        return true;
    if (!output || g_library_taken)
        return false;

    md_mode = kMode;
    md_device = 0;
    md_mixfreq = 44100;
    CMikModDriver::Bind(output.get());
    if (!g_registered)
    {
        // Our ring first; the silent driver only when the ring is not there.
        MikMod_RegisterDriver(CMikModDriver::GetRecord());
        MikMod_RegisterDriver(&drv_nos);
        MikMod_RegisterLoader(&load_it);
        MikMod_RegisterLoader(&load_mod);
        MikMod_RegisterLoader(&load_xm);
        g_registered = true;
    }
    if (MikMod_Init("") != 0)
    {
        // The library cleans up after itself; we only forget the output.
        CMikModDriver::Bind(nullptr);
        return false;
    }
    m_output = std::move(output);
    g_library_taken = true;
    m_ready = true;
    return true;
}

void CMusicPlayer::Shutdown()
{
    if (!m_ready)
        return;
    MikMod_Exit();
    CMikModDriver::Bind(nullptr);
    m_output.reset();
    g_library_taken = false;
    m_ready = false;
}

void CMusicPlayer::AddTrack(const std::string& path)
{
    m_playlist.push_back(path);
}

std::vector<std::string> CMusicPlayer::StandardPlaylist()
{
    std::vector<std::string> playlist;
    for (int i = 0; i < kTrackCount; ++i)
    {
        char path[32];
        std::snprintf(path, sizeof(path), "data/music/%03d.mod", i);
        playlist.push_back(path);
    }
    return playlist;
}

void CMusicPlayer::Play(int index)
{
    if (!m_ready || m_playlist.empty())
        return;
    const int size = static_cast<int>(m_playlist.size());
    if (index >= 0)
        m_current = (index % size) - 1;
    Stop();
    // One lap at most: a playlist with no loadable track stays silent until
    // the next explicit start instead of retrying on every pass.
    for (int tries = 0; tries < size; ++tries)
    {
        m_current = m_current + 1 >= size ? 0 : m_current + 1;
        MODULE* module = Player_Load(m_playlist[m_current].c_str(), kMaxChannels, 0);
        if (!module)
            continue;
        // Played once to its end; the playlist decides what comes next.
        module->loop = 0;
        m_module = module;
        m_playing = true;
        m_ending = false;
        md_volume = 128;
        md_musicvolume = static_cast<UBYTE>(m_volume);
        Player_Start(m_module);
        return;
    }
}

void CMusicPlayer::Stop()
{
    m_playing = false;
    m_ending = false;
    if (!m_ready)
        return;
    Player_SetPosition(0);
    Player_Stop();
    if (m_module)
    {
        Player_Free(m_module);
        m_module = nullptr;
    }
}

void CMusicPlayer::Update()
{
    if (!m_playing || !m_ready)
        return;
    if (Player_Active())
    {
        MikMod_Update();
        return;
    }
    // The mix runs up to a whole ring ahead of what is heard: let the end of
    // the track play out before the next one clears the ring.
    CMusicRing& ring = m_output->GetRing();
    if (ring.IsHalfFilled(0) || ring.IsHalfFilled(1))
    {
        m_ending = true;
        return;
    }
    Play(-1);
}

void CMusicPlayer::SetVolume(int volume)
{
    m_volume = std::clamp(volume, 0, kMaxVolume);
    if (!m_ready)
        return;
    md_musicvolume = static_cast<UBYTE>(m_volume);
    if (m_volume == 0)
        Stop();
    else if (!IsPlaying())
        Play(-1);
}

bool CMusicPlayer::IsPlaying() const
{
    return m_ready && (m_ending || Player_Active());
}
