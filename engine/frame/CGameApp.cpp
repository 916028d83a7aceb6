#include "engine/frame/CGameApp.h"

#include <stdexcept>

#include <chrono>
#include <cstdlib>

#include "engine/frame/CAppWidgetContext.h"
#include "engine/frame/CAppWindow.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/files/CGeneralSettings.h"
#include "engine/sound/CMusicPlayer.h"
#include "engine/gfx/CResManager.h"
#include "engine/sound/CSoundManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "platform/CKeyMap.h"

namespace
{
CGameApp* s_app = nullptr;

const char* const kParamFile = "dat/param.txt";
const int kQuitKey = CKeyMap::VK_ESCAPE;
const int kMinimizeKey = CKeyMap::VK_RETURN;

unsigned int ClockSeed()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<unsigned int>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
}

CGameApp::CGameApp()
    : m_window_width(DEFAULT_WIDTH), m_window_height(DEFAULT_HEIGHT), m_window_x(0), m_window_y(0),
      m_is_full_screen_loaded(false), m_pack(new CFilePack()), m_sound_manager(new CSoundManager()),
      m_music_player(new CMusicPlayer()), m_sparkles(new CSparkleLists([]() { return std::rand(); })), m_music_volume(DEFAULT_VOLUME), m_quit_key(kQuitKey),
      m_minimize_key(kMinimizeKey), m_autosave(false), m_sound(true)
{
    std::srand(ClockSeed());
    s_app = this;
    m_pack->SetPassPhrase(CFilePack::kPassPhrase);
    m_pack->Open(CFilePack::kPackPath);
    CFilePack::SetAppPack(m_pack.get());
    try
    {
        ReadParams();
    }
    catch (const CFilePackError& missing)
    {
        CFilePack::SetAppPack(nullptr);
        s_app = nullptr;
        // A damaged or unreadable pack is the real fault, not the first file
        // that could then not be found.
        if (!m_pack->GetOpenError().empty() && !m_pack->WasMissing())
            throw std::runtime_error(std::string(CFilePack::kPackPath) + " " + m_pack->GetOpenError() +
                                     " (looking for " + missing.GetName() + ")");
        throw;
    }
    catch (...)
    {
        // The destructor will not run: withdraw what was registered.
        CFilePack::SetAppPack(nullptr);
        s_app = nullptr;
        throw;
    }
}

CGameApp::~CGameApp()
{
    if (m_widget_context)
    {
        CWidgetContext::Install(nullptr);
        m_widget_context.reset();
    }
    // The sparkles find their sprites in the resource manager: they go first.
    m_sparkles.reset();
    m_res_manager.reset();
    m_music_player.reset();
    m_sound_manager.reset();
    if (CFilePack::GetAppPack() == m_pack.get())
        CFilePack::SetAppPack(nullptr);
    m_pack.reset();
    if (s_app == this)
        s_app = nullptr;
}

CGameApp* CGameApp::Get()
{
    return s_app;
}

void CGameApp::ReadParams()
{
    CFileData data = m_pack->GetFile(kParamFile);
    CConfigFile params;
    params.LoadFromBuffer(data.GetData(), data.GetSize(), true);
    data.Free();
    m_game_url = MakeWebAddress(params.GetValue("gameurl", "0"));
    m_site_url = MakeWebAddress(params.GetValue("siteurl", "0"));
}

std::string CGameApp::MakeWebAddress(const std::string& value)
{
    // A missing key reads as "0": no address at all rather than "http://0".
    if (value.empty() || value == "0")
        return std::string();
    if (value.find("://") != std::string::npos)
        return value;
    return "http://" + value;
}

void CGameApp::SetWindowRect(int x, int y, int width, int height)
{
    m_window_x = x;
    m_window_y = y;
    m_window_width = width;
    m_window_height = height;
}

void CGameApp::LoadSettings()
{
    CGeneralSettings settings;
    settings.m_window_width = m_window_width;
    settings.m_window_height = m_window_height;
    settings.m_x = m_window_x;
    settings.m_y = m_window_y;
    settings.m_autosave = m_autosave;
    settings.m_sound = m_sound;
    settings.m_is_full_screen_loaded = m_is_full_screen_loaded;
    if (!settings.Load())
        return;
    m_window_width = settings.m_window_width;
    m_window_height = settings.m_window_height;
    m_window_x = settings.m_x;
    m_window_y = settings.m_y;
    SetMusicVolume(settings.m_volume);
    m_autosave = settings.m_autosave;
    m_sound = settings.m_sound;
    m_is_full_screen_loaded = settings.m_is_full_screen_loaded;
}

void CGameApp::SaveSettings()
{
    CGeneralSettings settings;
    CAppWindow* window = CAppWindow::Get();
    const bool minimized = window != nullptr && window->IsMinimized();
    settings.m_window_width = m_window_width;
    settings.m_window_height = m_window_height;
    settings.m_x = m_window_x;
    settings.m_y = m_window_y;
    // A full-screen window stands at the origin; on a desktop of several
    // displays the window system may report the display's own corner instead.
    if (window != nullptr && window->IsFullScreen())
        settings.m_x = settings.m_y = 0;
    else if (window != nullptr)
        window->GetWindowPosition(settings.m_x, settings.m_y);
    settings.m_autosave = m_autosave;
    settings.m_sound = m_sound;
    settings.m_is_full_screen_loaded = window != nullptr ? window->IsFullScreen() : m_is_full_screen_loaded;
    settings.m_volume = GetMusicVolume();
    settings.Save(minimized);
}

void CGameApp::LoadSounds(bool open_sound)
{
    m_res_manager.reset(new CResManager(m_pack.get()));
    if (open_sound)
        OpenSound();
    SetSoundOn(m_sound);
    m_widget_context.reset(new CAppWidgetContext(m_sound_manager.get()));
    CWidgetContext::Install(m_widget_context.get());
    for (const std::string& track : CMusicPlayer::StandardPlaylist())
        m_music_player->AddTrack(track);
    m_res_manager->AddSprite("dat/sparkle.spr", CSparkleLists::kFrontSprite);
    m_res_manager->AddSprite("dat/sparkle_back.spr", CSparkleLists::kBackSprite);
    m_sparkles->SetResManager(m_res_manager.get());
}

void CGameApp::OpenSound()
{
    if (m_sound_open)
        return;
    m_sound_open = true;
    m_sound_manager->Init();
    m_music_player->Init();
    m_sound_manager->LoadTable(CSoundManager::StandardTable());
}

void CGameApp::SetSoundOn(bool sound)
{
    m_sound = sound;
    if (!m_sound_manager)
        return;
    if (sound)
        m_sound_manager->Enable();
    else
        m_sound_manager->Disable();
}

int CGameApp::GetMusicVolume() const
{
    return m_music_player ? m_music_player->GetVolume() : m_music_volume;
}

void CGameApp::SetMusicVolume(int volume)
{
    m_music_volume = volume;
    if (m_music_player)
        m_music_player->SetVolume(volume);
}

void CGameApp::PlayNextTrack()
{
    if (m_music_player)
        m_music_player->Play(-1);
}

void CGameApp::StopMusic()
{
    if (m_music_player)
        m_music_player->Stop();
}

void CGameApp::UpdateMusic()
{
    if (m_music_player)
        m_music_player->Update();
}
