#include "games/filler/CFillerGameScreen.h"

#include <GL/gl.h>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/widgets/CButton.h"
#include "games/filler/CFillerField.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerParams.h"
#include "platform/CKeyMap.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

namespace
{
const float BUTTON_X = 259.0f;
const float BUTTON_STEP = 50.0f;
const float BUTTON_Y = 560.0f;
}

CFillerGameScreen::CFillerGameScreen() : m_app(GetGameApp())
{
    auto* params = static_cast<CFillerParams*>(GetRegisteredObject(CFillerParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CFillerParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CFillerGame>(m_app, *params, &m_app_events);
    CreateButtons(*params);
}

CFillerGameScreen::CFillerGameScreen(CGameApp* app, CFillerParams& params, CGameEvents* events)
    : m_app(app), m_game(std::make_unique<CFillerGame>(app, params, events))
{
    CreateButtons(params);
}

CFillerGameScreen::~CFillerGameScreen() {}

void CFillerGameScreen::CreateButtons(CFillerParams& params)
{
    for (int i = 0; i < BUTTON_COUNT; ++i)
    {
        m_buttons[i] = std::make_unique<CButton>(this, params.GetColorButton(i));
        m_buttons[i]->SetPosition(BUTTON_X + BUTTON_STEP * i, BUTTON_Y, 1.0f);
        AddChild(m_buttons[i].get());
    }
    ShowAllowedButtons();
}

void CFillerGameScreen::ShowAllowedButtons()
{
    // Button i stands for colour value i.
    for (int i = 0; i < BUTTON_COUNT; ++i)
        m_buttons[i]->SetVisible(m_game->GetField().IsColorAllowed(i));
}

void CFillerGameScreen::Close()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->CloseScreen(false);
}

void CFillerGameScreen::Update(float dt)
{
    SetGameOver(m_game->IsFinished());
    if (IsGameOver())
        Close();
    else
    {
        m_game->Update(dt);
        m_score = m_game->GetScore();
    }
    ShowAllowedButtons();
    CScreen::Update(dt);
}

void CFillerGameScreen::Draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_game->Draw();
    ShowAllowedButtons();
    CScreen::Draw();
}

void CFillerGameScreen::OnKeyDown(int key)
{
    int quitKey = m_app ? m_app->GetQuitKey() : CKeyMap::VK_ESCAPE;
    int minimizeKey = m_app ? m_app->GetMinimizeKey() : CKeyMap::VK_RETURN;
    if (key == quitKey)
    {
        // While the banner shows, Esc ends the game instead of leaving it.
        if (m_game->GetField().IsBannerShown())
            m_game->GetField().OnKey();
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

void CFillerGameScreen::MapToLogical(int x, int y, int& lx, int& ly) const
{
    lx = x;
    ly = y;
    CAppWindow* window = CAppWindow::Get();
    if (!window || !m_app || window->GetWidth() <= 0 || window->GetHeight() <= 0)
        return;
    const CViewParams& view = m_app->GetViewParams();
    lx = static_cast<int>(x / (static_cast<float>(window->GetWidth()) / view.GetWidth()));
    ly = static_cast<int>(y / (static_cast<float>(window->GetHeight()) / view.GetHeight()));
}

void CFillerGameScreen::OnLButtonUp(int x, int y, int flags)
{
    if (m_game->GetField().IsBannerShown())
        m_game->GetField().OnClick();
    CGameScreen::OnLButtonUp(x, y, flags);
}

void CFillerGameScreen::OnCommand(CWidget* sender)
{
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (sender == m_buttons[i].get())
            m_game->PickColor(i);
    CScreen::OnCommand(sender);
}

void CFillerGameScreen::Save(CConfigFile& store)
{
    store.SetInt("score", m_score);
    m_game->Save(store);
}

bool CFillerGameScreen::Load(const CConfigFile& store)
{
    int score = 0;
    if (!ReadSaveInt(store, "score", 0, 0x7FFFFFFF, score))
        return false;
    if (!m_game->Load(store))
        return false;
    m_score = score;
    return true;
}

void CFillerGameScreen::Reskin()
{
    m_game->Reskin();
}
