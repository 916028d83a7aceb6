// Program entry: settings, window, first screens, main loop, orderly exit.

#include <cstdio>
#include <exception>
#include <future>
#include <memory>

#include "engine/files/CAtomicFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CWindowPlacement.h"
#include "games/GameKinds.h"
#include "platform/CPlatform.h"
#include "shell/CAppMenuHost.h"
#include "shell/CGameKindRegistry.h"
#include "shell/CGameMenu.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"

namespace
{
const char* const kTitle = "Marblewend";
const int kFullScreenWidth = 800;
const int kFullScreenHeight = 600;

// Shuts the platform layer down on every way out of Run.
struct SPlatformSession
{
    ~SPlatformSession() { CPlatform::Shutdown(); }
};

int Run()
{
    // Assets, settings and saves are all found relative to the program.
    if (!CPlatform::ChangeToExecutableDir())
        std::fprintf(stderr, "Marblewend: cannot enter the program's directory\n");
    SPlatformSession session;
    // A write killed before its rename leaves its temporary beside the file.
    CAtomicFile::RemoveStaleTemporaries("data");
    // The application object needs no display: a missing game file is
    // reported the same way with or without one.
    CGameApp app;
    // The intro picture is decoded while the display and the window are
    // being opened, which takes the longest of start-up.
    std::future<CPicture> intro_picture =
        std::async(std::launch::async, [&app]() { return CIntroScreen::ReadPicture(*app.GetPack()); });
    if (!CPlatform::Init())
        return 1;
    app.LoadSettings();

    auto window = std::make_unique<CAppWindow>(kTitle, &app);
    int desktop_width = 0, desktop_height = 0;
    CPlatform::GetDesktopSize(desktop_width, desktop_height);
    const SWindowPlace place = CWindowPlacement::Place(app.GetWindowX(), app.GetWindowY(), app.GetWindowWidth(),
                                                       app.GetWindowHeight(), desktop_width, desktop_height);
    app.SetWindowRect(place.x, place.y, place.width, place.height);

    bool created = false;
    if (!app.IsFullScreenLoaded())
    {
        created = window->CreateWindowed(kTitle, place.x, place.y, place.width, place.height);
        if (!created)
        {
            // A stored window the desktop cannot give is not the player's
            // problem: open the default one instead.
            const SWindowPlace fallback =
                CWindowPlacement::Place(0, 0, kFullScreenWidth, kFullScreenHeight, desktop_width, desktop_height);
            app.SetWindowRect(fallback.x, fallback.y, fallback.width, fallback.height);
            created = window->CreateWindowed(kTitle, fallback.x, fallback.y, fallback.width, fallback.height);
        }
    }
    else
    {
        created = window->CreateBare(kTitle, place.x, place.y, place.width, place.height);
        if (created)
            window->SetDisplayMode(kFullScreenWidth, kFullScreenHeight);
    }
    if (!created)
    {
        std::fprintf(stderr, "Marblewend: cannot open the game window\n");
        return 1;
    }

    auto intro = std::make_unique<CIntroScreen>(intro_picture.get());
    window->SetScreen(intro.get());
    window->Render();
    window->Present();

    // Also installs the widgets' way to the sounds, clipboard and keys. The
    // sound device opens after the main menu's first frame.
    app.LoadSounds(false);

    // A kind's button opens its game menu only when the kind is playable.
    CGameKindRegistry kinds;
    RegisterGameKinds(kinds);
    CMainMenu::SetKinds(kinds);
    CMainMenu::SetGameMenuFactory([&kinds](int, CConfigFile& group) -> std::unique_ptr<CScreen> {
        return CGameMenu::Create(group, kinds, CAppMenuHost::Get());
    });

    auto menu = std::make_unique<CMainMenu>(*app.GetResManager());
    window->RemoveScreen(intro.get());
    window->SetScreen(menu.get());
    intro.reset();

    const int exit_code = window->MainLoop();

    window->RemoveScreen(menu.get());
    menu.reset();
    CMainMenu::SetGameMenuFactory(nullptr);
    app.SaveSettings();
    window->Hide();
    window->Destroy();
    window.reset();
    return exit_code;
}
}

int main()
{
    try
    {
        return Run();
    }
    catch (const CFilePackError& error)
    {
        std::fprintf(stderr, "Marblewend: a game file is missing: %s (%s)\n", error.GetName().c_str(), error.what());
        return 2;
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "Marblewend: %s\n", error.what());
        return 2;
    }
}
