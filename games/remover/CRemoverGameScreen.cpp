#include "games/remover/CRemoverGameScreen.h"

#include <GL/gl.h>

#include "engine/frame/CAppWindow.h"
#include "engine/files/CConfigFile.h"
#include "engine/frame/CGameApp.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverParams.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "platform/CKeyMap.h"

CRemoverGameScreen::CRemoverGameScreen() : m_app(GetGameApp())
{
    auto* params = static_cast<CRemoverParams*>(GetRegisteredObject(CRemoverParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CRemoverParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CRemoverGame>(m_app, *params, &m_app_events);
}

CRemoverGameScreen::CRemoverGameScreen(CGameApp* app, CRemoverParams& params, CGameEvents* events)
    : m_app(app), m_game(std::make_unique<CRemoverGame>(app, params, events))
{
}

CRemoverGameScreen::~CRemoverGameScreen() {}

void CRemoverGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CRemoverGameScreen::Update(float dt)
{
    SetGameOver(m_game->IsGameOver());
    if (IsGameOver())
        Close();
    else if (m_start_delay > 0.0f)
        m_start_delay -= dt;
    else
    {
        m_game->Update(dt);
        m_score = m_game->GetScore();
    }
    CScreen::Update(dt);
}

void CRemoverGameScreen::Draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_game->Draw();
    CScreen::Draw();
}

void CRemoverGameScreen::Activate()
{
    m_start_delay = START_DELAY_MS;
}

void CRemoverGameScreen::OnKeyDown(int key)
{
    int quitKey = m_app ? m_app->GetQuitKey() : CKeyMap::VK_ESCAPE;
    int minimizeKey = m_app ? m_app->GetMinimizeKey() : CKeyMap::VK_RETURN;
    CAppWindow* window = CAppWindow::Get();
    if (key == quitKey)
        Close();
    else if (key == minimizeKey)
    {
        if (window)
            window->Minimize();
        Close();
    }
    CScreen::OnKeyDown(key);
}

void CRemoverGameScreen::MapMouse(int& x, int& y) const
{
    CAppWindow* window = CAppWindow::Get();
    if (!window || !m_app || window->GetWidth() <= 0 || window->GetHeight() <= 0)
        return;
    const CViewParams& view = m_app->GetViewParams();
    x = static_cast<int>(x / (static_cast<float>(window->GetWidth()) / view.GetWidth()));
    y = static_cast<int>(y / (static_cast<float>(window->GetHeight()) / view.GetHeight()));
}

void CRemoverGameScreen::OnLButtonUp(int x, int y, int flags)
{
    if (m_start_delay <= 0.0f)
        MapMouse(x, y);
    CGameScreen::OnLButtonUp(x, y, flags);
}

void CRemoverGameScreen::OnRButtonUp(int x, int y, int flags)
{
    if (m_start_delay <= 0.0f)
        MapMouse(x, y);
    CScreen::OnRButtonUp(x, y, flags);
}

void CRemoverGameScreen::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
}

void CRemoverGameScreen::Save(CConfigFile& store)
{
    store.SetInt("m_score", m_score);
    m_game->Save(store);
}

bool CRemoverGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, "m_score", 0, 0x7FFFFFFF, score))
        return false;
    if (!m_game->Load(store))
        return false;
    m_score = score;
    return true;
}

void CRemoverGameScreen::Reskin()
{
    m_game->Reskin();
}
