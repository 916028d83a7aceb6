#include "shell/CAppMenuHost.h"

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CScreenStack.h"
#include "engine/sound/CSoundManager.h"
#include "platform/CPlatform.h"

namespace
{
CAppWindow* Window()
{
    return CAppWindow::Get();
}

CGameApp* App()
{
    return CGameApp::Get();
}
}

CAppMenuHost& CAppMenuHost::Get()
{
    static CAppMenuHost host;
    return host;
}

void CAppMenuHost::SetScreen(CScreen* screen)
{
    if (CAppWindow* window = Window())
        window->SetScreen(screen);
}

void CAppMenuHost::OpenOverlay(CScreen* dialog)
{
    if (CAppWindow* window = Window())
        window->OpenOverlay(dialog);
}

bool CAppMenuHost::HasOverlay() const
{
    CAppWindow* window = Window();
    return window != nullptr && window->GetStack().GetTopOverlay() != nullptr;
}

void CAppMenuHost::CloseScreen(bool now)
{
    if (CAppWindow* window = Window())
        window->CloseScreen(now);
}

void CAppMenuHost::WithdrawScreen(CScreen* screen)
{
    CAppWindow* window = Window();
    if (window == nullptr || screen == nullptr)
        return;
    window->RemoveScreen(screen);
    // Overlays cannot be taken out one by one; the menu's dialogs are always
    // the newest ones when the menu goes.
    if (window->GetStack().GetTopOverlay() == screen)
        window->GetStack().DropOverlays();
}

bool CAppMenuHost::IsFullScreen() const
{
    CAppWindow* window = Window();
    return window != nullptr && window->IsFullScreen();
}

bool CAppMenuHost::IsMinimized() const
{
    CAppWindow* window = Window();
    return window != nullptr && window->IsMinimized();
}

bool CAppMenuHost::SetDisplayMode(int width, int height)
{
    CAppWindow* window = Window();
    if (window == nullptr || !window->SetDisplayMode(width, height))
        return false;
    if (CGameApp* app = App())
        app->SetFullScreenLoaded(true);
    return true;
}

void CAppMenuHost::RestoreWindowed()
{
    if (CAppWindow* window = Window())
        window->RestoreWindowed();
    if (CGameApp* app = App())
        app->SetFullScreenLoaded(false);
}

void CAppMenuHost::Minimize()
{
    if (CAppWindow* window = Window())
        window->Minimize();
}

void CAppMenuHost::EnterGameMode()
{
    if (CAppWindow* window = Window())
        window->EnterGameMode();
}

void CAppMenuHost::EnterMenuMode()
{
    if (CAppWindow* window = Window())
        window->EnterMenuMode();
}

int CAppMenuHost::GetWindowWidth() const
{
    CAppWindow* window = Window();
    return window != nullptr ? window->GetWidth() : GetLogicalWidth();
}

int CAppMenuHost::GetWindowHeight() const
{
    CAppWindow* window = Window();
    return window != nullptr ? window->GetHeight() : GetLogicalHeight();
}

int CAppMenuHost::GetLogicalWidth() const
{
    CGameApp* app = App();
    return app != nullptr ? app->GetViewParams().GetWidth() : CGameApp::DEFAULT_WIDTH;
}

int CAppMenuHost::GetLogicalHeight() const
{
    CGameApp* app = App();
    return app != nullptr ? app->GetViewParams().GetHeight() : CGameApp::DEFAULT_HEIGHT;
}

void CAppMenuHost::SetMenuView()
{
    CGameApp* app = App();
    if (app != nullptr && Window() != nullptr)
        app->GetViewParams().SetOrtho(GetWindowWidth(), GetWindowHeight());
}

void CAppMenuHost::OpenSiteAddress()
{
    if (CGameApp* app = App())
        CPlatform::OpenUrl(app->GetSiteUrl());
}

CResManager* CAppMenuHost::GetMainResManager() const
{
    CGameApp* app = App();
    return app != nullptr ? app->GetResManager() : nullptr;
}

CFilePack* CAppMenuHost::GetPack() const
{
    CGameApp* app = App();
    return app != nullptr ? app->GetPack() : nullptr;
}

std::string CAppMenuHost::GetDataRoot() const
{
    // The program runs in its own directory: "data/..." names are relative.
    return std::string();
}

bool CAppMenuHost::IsSoundOn() const
{
    CGameApp* app = App();
    return app != nullptr && app->IsSoundOn();
}

void CAppMenuHost::SetSoundOn(bool on)
{
    if (CGameApp* app = App())
        app->SetSoundOn(on);
}

int CAppMenuHost::GetMusicVolume() const
{
    CGameApp* app = App();
    return app != nullptr ? app->GetMusicVolume() : CGameApp::DEFAULT_VOLUME;
}

void CAppMenuHost::SetMusicVolume(int volume)
{
    if (CGameApp* app = App())
        app->SetMusicVolume(volume);
}

void CAppMenuHost::PlaySound(int id)
{
    CGameApp* app = App();
    if (app != nullptr && app->GetSoundManager() != nullptr)
        app->GetSoundManager()->Play(id, true, false);
}
