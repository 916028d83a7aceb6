#include "games/eraser/CEraserGameScreen.h"

#include <GL/gl.h>
#include <cstdlib>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/eraser/CEraserGame.h"
#include "games/eraser/CEraserParams.h"
#include "platform/CKeyMap.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

CEraserGameScreen::CEraserGameScreen() : m_app(GetGameApp())
{
    auto* params = static_cast<CEraserParams*>(GetRegisteredObject(CEraserParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CEraserParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CEraserGame>(m_app, *params, &m_app_events, [] { return std::rand(); });
}

CEraserGameScreen::~CEraserGameScreen() {}

void CEraserGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CEraserGameScreen::Update(float dt)
{
    SetGameOver(m_game->IsGameOver());
    if (IsGameOver())
        Close();
    else if (m_delay > 0.0f)
        m_delay -= dt;
    else
    {
        m_game->Update(dt);
        m_score = m_game->GetScore();
    }
    CScreen::Update(dt);
}

void CEraserGameScreen::Draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_game->Draw();
    CScreen::Draw();
}

void CEraserGameScreen::Activate()
{
    m_delay = START_DELAY_MS;
}

void CEraserGameScreen::OnKeyDown(int key)
{
    int quitKey = m_app ? m_app->GetQuitKey() : CKeyMap::VK_ESCAPE;
    int minimizeKey = m_app ? m_app->GetMinimizeKey() : CKeyMap::VK_RETURN;
    if (key == quitKey)
        Close();
    else if (key == minimizeKey)
    {
        if (CAppWindow* window = CAppWindow::Get())
            window->Minimize();
        Close();
    }
    CScreen::OnKeyDown(key);
}

void CEraserGameScreen::Save(CConfigFile& store)
{
    store.SetInt("m_score", m_score);
    m_game->Save(store);
}

bool CEraserGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, "m_score", 0, 0x7FFFFFFF, score))
        return false;
    if (!m_game->Load(store))
        return false;
    m_score = score;
    return true;
}

void CEraserGameScreen::Reskin()
{
    m_game->Reskin();
}
