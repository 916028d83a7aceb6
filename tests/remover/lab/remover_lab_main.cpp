// A window that runs the remover as the game menu would: the kind's own
// resource manager, its parameter object, the font, and then either the
// new-game dialog or a game screen. Driven by the end-to-end remover test.
// Usage: remover_lab <game directory> dialog|game|end
// "end" restores a board with one free cell, so that one placed brick fills
// it and the game runs its last effect and ends.

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CResManager.h"
#include "engine/frame/CScreen.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverGameScreen.h"
#include "games/remover/CRemoverPlayer.h"
#include "games/remover/CRemoverNewGameDialog.h"
#include "games/remover/CRemoverParams.h"
#include "platform/CPlatform.h"

namespace
{
// Stands where the game menu stands: reports what closed above it, then ends.
class CLabBase : public CScreen
{
public:
    // The menu's own frame: the 2-D projection and a plain background.
    void Activate() override
    {
        CAppWindow* window = CAppWindow::Get();
        CGameApp::Get()->GetViewParams().SetOrtho(window->GetWidth(), window->GetHeight());
    }
    void Draw() override
    {
        glClearColor(0.1f, 0.15f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void OnDialogClosed(int result, CScreen* dialog) override
    {
        auto* newGame = static_cast<CRemoverNewGameDialog*>(dialog);
        std::printf("dialog %d size %d difficulty %d\n", result, newGame->GetSelectedSize(),
                    newGame->GetSelectedDifficulty());
        std::fflush(stdout);
        CAppWindow::Get()->PostCloseMessage();
    }
    void OnScreenClosed(CScreen* screen) override
    {
        auto* game = static_cast<CRemoverGameScreen*>(screen);
        std::printf("game over %d score %d\n", game->IsGameOver() ? 1 : 0, game->GetScore());
        std::fflush(stdout);
        CAppWindow::Get()->PostCloseMessage();
    }
};

// Says "ready" once the board has come in and a brick waits to be placed:
// clicks before that are not taken, and on a busy machine the entrance
// takes longer than any fixed pause the test could guess.
class CLabGameScreen : public CRemoverGameScreen
{
public:
    void Update(float dt) override
    {
        CRemoverGameScreen::Update(dt);
        const CRemoverPlayer& player = GetGame().GetPlayer();
        if (m_told || GetStartDelay() > 0.0f || GetGame().IsEffectRunning() ||
            player.GetState() != CRemoverPlayer::STATE_AIMING || player.GetHeld() == nullptr ||
            player.GetClickPause() > 0.0f)
            return;
        m_told = true;
        std::printf("ready\n");
        std::fflush(stdout);
    }

private:
    bool m_told = false;
};
}

int main(int argc, char** argv)
{
    if (argc < 3 || chdir(argv[1]) != 0)
    {
        std::fprintf(stderr, "usage: remover_lab <game directory> dialog|game\n");
        return 2;
    }
    bool dialogMode = std::strcmp(argv[2], "dialog") == 0;
    if (!CPlatform::Init())
    {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    int exitCode = 1;
    {
        CGameApp app;
        CAppWindow window("Marblewend", &app);
        if (!window.CreateWindowed("Marblewend", 100, 50, 800, 600))
        {
            std::fprintf(stderr, "no window\n");
            return 1;
        }
        app.LoadSounds();
        CResManager& main = *app.GetResManager();
        CFilePack& pack = *app.GetPack();

        CTexture* fontTexture = main.AddTexture("mui/font.tga", "lab_font", false, true);
        CBitmapFont font;
        font.LoadFile(&pack, "mui/font.tga", fontTexture);
        main.RegisterObject(&font, "font_1");

        CConfigFile* group = main.AddConfig("mui/remover/menu_remover.txt", "remover_menu");
        auto own = std::make_unique<CResManager>(&pack);
        main.RegisterObject(own.get(), "current_res_manager");
        for (const char* key : {"m_ok_btn", "m_cancel_btn", "m_radio_btn"})
            own->AddTexture(group->GetValue(key, "0").c_str(), key, false, true);
        own->AddTexture(group->GetValue("m_dialog_window_back", "0").c_str(), "m_dialog_window_back", false, false);

        auto params = std::make_unique<CRemoverParams>();
        main.RegisterObject(params.get(), CRemoverParams::REGISTRY_NAME);
        params->LoadParams(pack);
        params->LoadSettings();
        params->LoadTextures(*own);

        CLabBase base;
        window.SetScreen(&base);
        std::unique_ptr<CRemoverNewGameDialog> dialog;
        std::unique_ptr<CLabGameScreen> game;
        if (dialogMode)
        {
            dialog = std::make_unique<CRemoverNewGameDialog>(group);
            window.OpenOverlay(dialog.get());
        }
        else
        {
            game = std::make_unique<CLabGameScreen>();
            if (std::strcmp(argv[2], "end") == 0)
            {
                CConfigFile store;
                game->Save(store);
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 9; ++x)
                    {
                        // No two neighbours share a colour, so nothing is removed.
                        std::string value(1, "0123"[(x + 2 * y) % 4]);
                        store.SetValue("f_color" + std::to_string(x) + "-" + std::to_string(y),
                                       (x == 0 && y == 0 ? std::string("-1") : value) + " 0 0 0");
                    }
                store.SetValue("f_m_status", "0");
                store.SetValue("p_m_bricks.size", "0");
                store.SetValue("p_m_bricks_placed.size", "0");
                store.SetValue("p_m_brick_current", "-1");
                if (!game->Load(store))
                    std::printf("load refused\n");
            }
            window.SetScreen(game.get());
        }
        exitCode = window.MainLoop();

        // Withdraw every registration before what it names goes away.
        window.RemoveScreen(game.get());
        bool hadGame = game != nullptr;
        std::size_t lightsDuring = own->GetLightCount();
        game.reset();
        if (hadGame)
            std::printf("lights %zu then %zu\n", lightsDuring, own->GetLightCount());
        dialog.reset();
        main.UnregisterObject(CRemoverParams::REGISTRY_NAME);
        params.reset();
        main.UnregisterObject("current_res_manager");
        own.reset();
        main.UnregisterObject("font_1");
        window.RemoveScreen(&base);
        window.Destroy();
    }
    CPlatform::Shutdown();
    return exitCode;
}
