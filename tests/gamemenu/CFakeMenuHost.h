#pragma once
// A window and program that only remember: which screens were made current
// and opened, what was closed, the window state, the sound switch and the
// music volume. Files go to the directory given as the data root.

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CResManager.h"
#include "shell/CMenuHost.h"

class CFakeMenuHost : public CMenuHost
{
public:
    explicit CFakeMenuHost(const std::string& dataRoot = std::string());

    void SetScreen(CScreen* screen) override;
    void OpenOverlay(CScreen* dialog) override;
    void CloseScreen(bool now) override;
    void WithdrawScreen(CScreen* screen) override;
    bool IsFullScreen() const override { return m_full_screen; }
    bool IsMinimized() const override { return m_minimized; }
    bool SetDisplayMode(int width, int height) override;
    void RestoreWindowed() override;
    void Minimize() override;
    void EnterGameMode() override;
    void EnterMenuMode() override;
    int GetWindowWidth() const override { return m_window_width; }
    int GetWindowHeight() const override { return m_window_height; }
    int GetLogicalWidth() const override { return 800; }
    int GetLogicalHeight() const override { return 600; }
    void SetMenuView() override {}
    void OpenSiteAddress() override;
    CResManager* GetMainResManager() const override { return m_main.get(); }
    CFilePack* GetPack() const override { return nullptr; }
    std::string GetDataRoot() const override { return m_data_root; }
    bool IsSoundOn() const override { return m_sound; }
    void SetSoundOn(bool on) override { m_sound = on; }
    int GetMusicVolume() const override { return m_volume; }
    void SetMusicVolume(int volume) override;
    void PlaySound(int id) override { m_sounds.push_back(id); }

    // The newest screen made current and the newest overlay still open.
    CScreen* GetTopScreen() const { return m_screens.empty() ? nullptr : m_screens.back(); }
    CScreen* GetTopOverlay() const { return m_overlays.empty() ? nullptr : m_overlays.back(); }
    // What the window would do at its next update: the newest overlay (or
    // the top screen) leaves; returns it, or null when no close was asked.
    CScreen* RunDeferredClose();
    bool IsCloseRequested() const { return m_close_requested; }
    int Count(const std::string& call) const;

    std::vector<std::string> m_log;
    std::vector<CScreen*> m_screens;
    std::vector<CScreen*> m_overlays;
    std::vector<int> m_sounds;
    std::vector<int> m_volumes_set;
    std::unique_ptr<CResManager> m_main;
    std::string m_data_root;
    bool m_close_requested = false;
    bool m_full_screen = false;
    bool m_minimized = false;
    bool m_refuse_display_mode = false;
    bool m_sound = true;
    int m_volume = 100;
    int m_window_width = 800;
    int m_window_height = 600;
};
