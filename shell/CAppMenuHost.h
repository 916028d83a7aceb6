#pragma once
// The menu host of the running program: the application window and the
// application object, each reached when it exists.

#include "shell/CMenuHost.h"

class CAppMenuHost : public CMenuHost
{
public:
    void SetScreen(CScreen* screen) override;
    void OpenOverlay(CScreen* dialog) override;
    void CloseScreen(bool now) override;
    void WithdrawScreen(CScreen* screen) override;
    bool HasOverlay() const override;

    bool IsFullScreen() const override;
    bool IsMinimized() const override;
    bool SetDisplayMode(int width, int height) override;
    void RestoreWindowed() override;
    void Minimize() override;
    void EnterGameMode() override;
    void EnterMenuMode() override;
    int GetWindowWidth() const override;
    int GetWindowHeight() const override;
    int GetLogicalWidth() const override;
    int GetLogicalHeight() const override;
    void SetMenuView() override;
    void OpenSiteAddress() override;

    CResManager* GetMainResManager() const override;
    CFilePack* GetPack() const override;
    std::string GetDataRoot() const override;

    bool IsSoundOn() const override;
    void SetSoundOn(bool on) override;
    int GetMusicVolume() const override;
    void SetMusicVolume(int volume) override;
    void PlaySound(int id) override;

    // The one host of the program.
    static CAppMenuHost& Get();
};
