#include "games/designer/CDesignerGameScreen.h"

#include <GL/gl.h>
#include <ctime>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/designer/CDesignerGame.h"
#include "games/designer/CDesignerParams.h"
#include "platform/CKeyMap.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

CDesignerGameScreen::CDesignerGameScreen() : m_app(GetGameApp())
{
    auto* params = static_cast<CDesignerParams*>(GetRegisteredObject(CDesignerParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CDesignerParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CDesignerGame>(m_app, *params, &m_app_events,
                                             static_cast<unsigned>(std::time(nullptr)));
}

CDesignerGameScreen::CDesignerGameScreen(CGameApp* app, CDesignerParams& params, CGameEvents* events,
                                         unsigned seed)
    : m_app(app), m_game(std::make_unique<CDesignerGame>(app, params, events, seed))
{
}

CDesignerGameScreen::~CDesignerGameScreen() {}

void CDesignerGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CDesignerGameScreen::Update(float dt)
{
    SetGameOver(m_game->IsGameOver());
    if (IsGameOver())
        Close();
    else if (m_start_delay > 0.0f)
        m_start_delay -= dt;
    else
    {
        m_game->Update(dt);
        m_score = m_game->GetTotal();
    }
    CScreen::Update(dt);
}

void CDesignerGameScreen::Draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_game->Draw();
    CScreen::Draw();
}

void CDesignerGameScreen::Activate()
{
    m_start_delay = START_DELAY_MS;
}

void CDesignerGameScreen::OnKeyDown(int key)
{
    // Esc leaves the game for "Continue" as in every kind; Enter also
    // minimises the window.
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

void CDesignerGameScreen::Save(CConfigFile& store)
{
    store.SetInt("m_score", m_score);
    m_game->Save(store);
}

bool CDesignerGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, "m_score", 0, 0x7FFFFFFF, score))
        return false;
    if (!m_game->Load(store))
        return false;
    m_score = score;
    return true;
}

void CDesignerGameScreen::Reskin()
{
    m_game->Reskin();
}
