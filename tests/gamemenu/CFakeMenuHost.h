#pragma once
// A window and program that only remember: the calls made (in m_log), which
// screens were made current and opened, the window state, the sound switch
// and the music volume. Files go to the directory given as the data root.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CResManager.h"
#include "shell/CMenuHost.h"

class CFakeMenuHost : public CMenuHost
{
public:
    explicit CFakeMenuHost(const std::string& dataRoot = std::string())
        : m_main(std::make_unique<CResManager>(nullptr)), m_data_root(dataRoot)
    {
    }

    void SetScreen(CScreen* screen) override { Log("SetScreen"); m_screens.push_back(screen); }
    void OpenOverlay(CScreen* dialog) override { Log("OpenOverlay"); m_overlays.push_back(dialog); }
    void CloseScreen(bool now) override { Log(now ? "CloseScreen(now)" : "CloseScreen"); }
    void WithdrawScreen(CScreen* screen) override;
    bool IsFullScreen() const override { return m_full_screen; }
    bool IsMinimized() const override { return m_minimized; }
    bool SetDisplayMode(int width, int height) override;
    void RestoreWindowed() override { Log("RestoreWindowed"); m_full_screen = false; }
    void Minimize() override { Log("Minimize"); m_minimized = true; }
    void EnterGameMode() override { Log("EnterGameMode"); }
    void EnterMenuMode() override { Log("EnterMenuMode"); }
    int GetWindowWidth() const override { return m_window_width; }
    int GetWindowHeight() const override { return m_window_height; }
    int GetLogicalWidth() const override { return 800; }
    int GetLogicalHeight() const override { return 600; }
    void SetMenuView() override {}
    void OpenSiteAddress() override { Log("OpenSiteAddress"); }
    CResManager* GetMainResManager() const override { return m_main.get(); }
    CFilePack* GetPack() const override { return m_pack; }
    std::string GetDataRoot() const override { return m_data_root; }
    bool IsSoundOn() const override { return m_sound; }
    void SetSoundOn(bool on) override { m_sound = on; }
    int GetMusicVolume() const override { return m_volume; }
    void SetMusicVolume(int volume) override { m_volume = volume; m_volumes_set.push_back(volume); }
    void PlaySound(int id) override { m_sounds.push_back(id); }

    CScreen* GetTopScreen() const { return m_screens.empty() ? nullptr : m_screens.back(); }
    CScreen* GetTopOverlay() const { return m_overlays.empty() ? nullptr : m_overlays.back(); }
    int Count(const std::string& call) const { return static_cast<int>(std::count(m_log.begin(), m_log.end(), call)); }

    std::vector<std::string> m_log;
    std::vector<CScreen*> m_screens;
    std::vector<CScreen*> m_overlays;
    std::vector<int> m_sounds;
    std::vector<int> m_volumes_set;
    std::unique_ptr<CResManager> m_main;
    std::string m_data_root;
    CFilePack* m_pack = nullptr;
    bool m_full_screen = false;
    bool m_minimized = false;
    bool m_refuse_display_mode = false;
    bool m_sound = true;
    int m_volume = 100;
    int m_window_width = 800;
    int m_window_height = 600;

private:
    void Log(const std::string& call) { m_log.push_back(call); }
};
