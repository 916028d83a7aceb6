#pragma once
// The one application object: the view record, the input devices and the
// other services every screen and game reaches, plus the general settings.
// Built inside main so that a failure can be reported; reached from
// everywhere through CGameApp::Get().

#include <cstdint>
#include <memory>
#include <string>

#include "engine/frame/CInput.h"
#include "engine/frame/CViewParams.h"

class CFilePack;
class CResManager;
class CSoundManager;
class CMusicPlayer;
class CSparkleLists;
class CAppWidgetContext;

class CGameApp
{
public:
    enum { DEFAULT_WIDTH = 800, DEFAULT_HEIGHT = 600, DEFAULT_VOLUME = 100 };

    CGameApp();
    ~CGameApp();
    CGameApp(const CGameApp&) = delete;
    CGameApp& operator=(const CGameApp&) = delete;

    // The one application object; null before it is built and after it is gone.
    static CGameApp* Get();

    // The general settings in "data/dx.cfg"; a file that cannot be read
    // leaves the defaults in place.
    void LoadSettings();
    void SaveSettings();
    // The main resource manager, the sound effects, the playlist and the
    // sparkle sprites. With open_sound false the sound device, the effects'
    // table and the music library wait for OpenSound: start-up shows the
    // main menu first.
    void LoadSounds(bool open_sound = true);
    // Opens the sound device and the music library and reads the effects'
    // table; later calls do nothing.
    void OpenSound();

    CViewParams& GetViewParams() { return m_view_params; }
    CInput& GetInput() { return m_input; }
    // Each of these is null until its service is up (the resource manager
    // after LoadSounds); callers check before use.
    CFilePack* GetPack() const { return m_pack.get(); }
    CResManager* GetResManager() const { return m_res_manager.get(); }
    CSoundManager* GetSoundManager() const { return m_sound_manager.get(); }
    CMusicPlayer* GetMusicPlayer() const { return m_music_player.get(); }
    CSparkleLists* GetSparkles() const { return m_sparkles.get(); }

    int GetWindowWidth() const { return m_window_width; }
    int GetWindowHeight() const { return m_window_height; }
    int GetWindowX() const { return m_window_x; }
    int GetWindowY() const { return m_window_y; }
    void SetWindowRect(int x, int y, int width, int height);
    bool IsFullScreenLoaded() const { return m_is_full_screen_loaded; }
    void SetFullScreenLoaded(bool full_screen) { m_is_full_screen_loaded = full_screen; }

    int GetQuitKey() const { return m_quit_key; }
    int GetMinimizeKey() const { return m_minimize_key; }
    bool IsAutosave() const { return m_autosave; }
    void SetAutosave(bool autosave) { m_autosave = autosave; }
    bool IsSoundOn() const { return m_sound; }
    void SetSoundOn(bool sound);
    const std::string& GetGameUrl() const { return m_game_url; }
    const std::string& GetSiteUrl() const { return m_site_url; }

    // Music volume 0..128.
    int GetMusicVolume() const;
    void SetMusicVolume(int volume);
    void PlayNextTrack();
    void StopMusic();
    // Called after every pass of the main loop to keep the music fed.
    void UpdateMusic();

    // "host/path" -> "http://host/path"; an address that already names its
    // scheme is kept.
    static std::string MakeWebAddress(const std::string& value);

private:
    void ReadParams();

    int m_window_width;
    int m_window_height;
    int m_window_x;
    int m_window_y;
    bool m_is_full_screen_loaded;
    CViewParams m_view_params;
    std::unique_ptr<CFilePack> m_pack;
    CInput m_input;
    std::unique_ptr<CSoundManager> m_sound_manager;
    std::unique_ptr<CMusicPlayer> m_music_player;
    std::unique_ptr<CResManager> m_res_manager;
    std::unique_ptr<CSparkleLists> m_sparkles;
    // The widgets reach the sound effects, clipboard and keys through it.
    std::unique_ptr<CAppWidgetContext> m_widget_context;
    int m_music_volume;
    int m_quit_key;
    int m_minimize_key;
    bool m_autosave;
    bool m_sound;
    bool m_sound_open = false;
    std::string m_game_url;
    std::string m_site_url;
};
