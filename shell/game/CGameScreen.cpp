#include "shell/game/CGameScreen.h"

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/WindowToLogical.h"
#include "engine/gfx/CDraw2D.h"
#include "platform/CKeyMap.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

CGameScreen::CGameScreen() : CGameScreen(GetGameApp()) {}

CGameScreen::CGameScreen(CGameApp* app) : CGameScreen(app, SRules()) {}

CGameScreen::CGameScreen(CGameApp* app, const SRules& rules) : m_app(app), m_rules(rules) {}

CGameScreen::~CGameScreen() {}

void CGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CGameScreen::Update(float dt)
{
    SetGameOver(IsGameFinished());
    if (IsGameOver())
        Close();
    else if (m_start_delay > 0.0f)
        m_start_delay -= dt;
    else
    {
        UpdateGame(dt);
        m_score = GetGameScore();
    }
    CScreen::Update(dt);
}

void CGameScreen::Draw()
{
    DrawGame();
    CScreen::Draw();
    m_frame_cache.EndFrame();
}

void CGameScreen::Activate()
{
    m_start_delay = m_rules.m_start_delay_ms;
    // Whatever showed since, the window no longer holds this screen's frame.
    m_frame_cache.Forget();
    // The press that opened the game (menus act on the press) is still held:
    // the board takes the button only once it has been let go here.
    if (m_app)
        m_app->GetInput().HoldButtonsUntilReleased();
}

void CGameScreen::ReleaseHeldPicture()
{
    m_frame_cache.Release();
}

void CGameScreen::OnKeyDown(int key)
{
    int backKey = m_app ? m_app->GetQuitKey() : CKeyMap::VK_ESCAPE;
    int minimizeKey = m_app ? m_app->GetMinimizeKey() : CKeyMap::VK_RETURN;
    if (key == backKey)
    {
        if (!OnBackKey())
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

void CGameScreen::MapToLogical(int x, int y, int& lx, int& ly) const
{
    lx = x;
    ly = y;
    CAppWindow* window = CAppWindow::Get();
    if (m_start_delay > 0.0f || !window || !m_app)
        return;
    const CViewParams& view = m_app->GetViewParams();
    WindowToLogical(x, y, window->GetWidth(), window->GetHeight(), view.GetWidth(), view.GetHeight(), lx, ly);
}

void CGameScreen::Save(CConfigFile& store)
{
    store.SetInt(m_rules.m_score_key, m_score);
    SaveGame(store);
}

bool CGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, m_rules.m_score_key, m_rules.m_min_score, 0x7FFFFFFF, score))
        return false;
    if (!LoadGame(store))
        return false;
    m_score = score;
    return true;
}
