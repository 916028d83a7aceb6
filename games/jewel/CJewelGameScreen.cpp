#include "games/jewel/CJewelGameScreen.h"

#include <GL/gl.h>
#include <ctime>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelGame.h"
#include "games/jewel/CJewelParams.h"
#include "platform/CKeyMap.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

CJewelGameScreen::CJewelGameScreen() : m_app(GetGameApp())
{
    auto* params = static_cast<CJewelParams*>(GetRegisteredObject(CJewelParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CJewelParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CJewelGame>(m_app, *params, &m_app_events, static_cast<unsigned>(std::time(nullptr)));
}

CJewelGameScreen::CJewelGameScreen(CGameApp* app, CJewelParams& params, CGameEvents* events, unsigned seed)
    : m_app(app), m_game(std::make_unique<CJewelGame>(app, params, events, seed))
{
}

CJewelGameScreen::~CJewelGameScreen() {}

void CJewelGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CJewelGameScreen::Update(float dt)
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

void CJewelGameScreen::Draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_game->Draw();
    CScreen::Draw();
}

void CJewelGameScreen::Activate()
{
    m_start_delay = START_DELAY_MS;
}

void CJewelGameScreen::OnKeyDown(int key)
{
    int quitKey = m_app ? m_app->GetQuitKey() : CKeyMap::VK_ESCAPE;
    int minimizeKey = m_app ? m_app->GetMinimizeKey() : CKeyMap::VK_RETURN;
    if (key == quitKey)
    {
        // While "GAME OVER!" shows, Esc ends the game; otherwise it leaves it
        // for Continue.
        if (m_game->GetField().IsStuck())
            m_game->GetField().EndGame();
        else
            Close();
    }
    else if (key == minimizeKey)
    {
        if (CAppWindow* window = CAppWindow::Get())
            window->Minimize();
        Close();
    }
    CScreen::OnKeyDown(key);
}

void CJewelGameScreen::MapMouse(int& x, int& y) const
{
    CAppWindow* window = CAppWindow::Get();
    if (!window || !m_app || window->GetWidth() <= 0 || window->GetHeight() <= 0)
        return;
    const CViewParams& view = m_app->GetViewParams();
    x = static_cast<int>(x / (static_cast<float>(window->GetWidth()) / view.GetWidth()));
    y = static_cast<int>(y / (static_cast<float>(window->GetHeight()) / view.GetHeight()));
}

void CJewelGameScreen::OnLButtonUp(int x, int y, int flags)
{
    if (m_game->GetField().IsStuck())
        m_game->GetField().EndGame();
    if (m_start_delay <= 0.0f)
        MapMouse(x, y);
    CGameScreen::OnLButtonUp(x, y, flags);
}

void CJewelGameScreen::OnRButtonUp(int x, int y, int flags)
{
    if (m_start_delay <= 0.0f)
        MapMouse(x, y);
    CScreen::OnRButtonUp(x, y, flags);
}

void CJewelGameScreen::Save(CConfigFile& store)
{
    store.SetInt("m_score", m_score);
    m_game->Save(store);
}

bool CJewelGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, "m_score", -0x7FFFFFFF, 0x7FFFFFFF, score))
        return false;
    if (!m_game->Load(store))
        return false;
    m_score = score;
    return true;
}

void CJewelGameScreen::Reskin()
{
    m_game->Reskin();
}
