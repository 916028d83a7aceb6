#pragma once
// What a game menu and its dialogs ask of the running program: the window
// with its stacks of screens, the shared resources, the data directory, the
// sound switch and the music volume. The program passes the one over the
// application window; tests pass a recorder.

#include <string>

class CBitmapFont;
class CFilePack;
class CResManager;
class CScreen;

class CMenuHost
{
public:
    virtual ~CMenuHost();

    // The window's stacks (deferred close as in CScreenStack).
    virtual void SetScreen(CScreen* screen) = 0;
    virtual void OpenOverlay(CScreen* dialog) = 0;
    virtual void CloseScreen(bool now) = 0;
    // Takes a screen or overlay that is about to be deleted off the stacks
    // without telling anyone, so no stack keeps a dangling pointer.
    virtual void WithdrawScreen(CScreen* screen) = 0;
    // True while a dialog is drawn over the current screen.
    virtual bool HasOverlay() const { return false; }

    virtual bool IsFullScreen() const = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool SetDisplayMode(int width, int height) = 0;
    virtual void RestoreWindowed() = 0;
    virtual void Minimize() = 0;
    // Each starts the next music track.
    virtual void EnterGameMode() = 0;
    virtual void EnterMenuMode() = 0;
    // Drawable size in pixels.
    virtual int GetWindowWidth() const = 0;
    virtual int GetWindowHeight() const = 0;
    // The logical screen every menu is laid out in (800 x 600).
    virtual int GetLogicalWidth() const = 0;
    virtual int GetLogicalHeight() const = 0;
    // The two-dimensional projection for the window's drawable size.
    virtual void SetMenuView() = 0;
    virtual void OpenSiteAddress() = 0;

    // Where named objects are registered; null before it exists.
    virtual CResManager* GetMainResManager() const = 0;
    // Null when there is no resource pack (tests).
    virtual CFilePack* GetPack() const = 0;
    // Prefix of every file the game writes ("" = the working directory).
    virtual std::string GetDataRoot() const = 0;

    virtual bool IsSoundOn() const = 0;
    virtual void SetSoundOn(bool on) = 0;
    // 0..128.
    virtual int GetMusicVolume() const = 0;
    virtual void SetMusicVolume(int volume) = 0;
    // Restart on, looping off.
    virtual void PlaySound(int id) = 0;

    // The running game menu's manager, registered as "current_res_manager",
    // and the font "font_1"; null when not registered.
    CResManager* GetCurrentResManager() const;
    CBitmapFont* GetFont() const;
    // The data root joined with a relative file name.
    std::string MakeDataPath(const std::string& relative) const;

    static const char* const CURRENT_RES_MANAGER;
    static const char* const FONT_NAME;
};
