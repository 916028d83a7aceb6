#include "games/filler/CFillerGameScreen.h"

#include <vector>

#include "engine/widgets/CButton.h"
#include "games/filler/CFillerField.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"

namespace
{
const float BUTTON_X = 259.0f;
const float BUTTON_STEP = 50.0f;
const float BUTTON_Y = 560.0f;
}

CGameScreen::SRules CFillerGameScreen::Rules()
{
    SRules rules;
    rules.m_start_delay_ms = 0.0f;
    rules.m_score_key = "score";
    return rules;
}

CFillerGameScreen::CFillerGameScreen() : CGameScreen(GetGameApp(), Rules())
{
    auto* params = static_cast<CFillerParams*>(GetRegisteredObject(CFillerParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CFillerParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CFillerGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
    CreateButtons(*params);
}

CFillerGameScreen::CFillerGameScreen(CGameApp* app, CFillerParams& params, CGameEvents* events, std::uint32_t seed)
    : CGameScreen(app, Rules()), m_game(std::make_unique<CFillerGame>(app, params, events, seed))
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

void CFillerGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
    ShowAllowedButtons();
}

void CFillerGameScreen::DrawGame()
{
    // The buttons are drawn after the frame, over whatever lies under them:
    // a held frame lays that again where they stand, shown or not.
    std::vector<CDraw2D::SRect> widgets;
    for (const auto& button : m_buttons)
        widgets.push_back(
            {button->GetPosition().x, button->GetPosition().y, button->GetWidth(), button->GetHeight()});
    m_game->Draw(&GetFrameCache(), widgets);
    ShowAllowedButtons();
}

bool CFillerGameScreen::IsGameFinished() const
{
    return m_game->IsFinished();
}

int CFillerGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

bool CFillerGameScreen::OnBackKey()
{
    // While the banner shows, Esc ends the game instead of leaving it.
    if (!m_game->GetField().IsBannerShown())
        return false;
    m_game->GetField().OnKey();
    return true;
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
    CGameScreen::OnCommand(sender);
}

void CFillerGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CFillerGameScreen::LoadGame(const CConfigFile& store)
{
    // The score is the player's zone, shown until the next frame counts it
    // again: never more cells than the saved board holds.
    const int size = CFillerField::SizeOfSave(store);
    int score = 0;
    if (size < 0 || !ReadSaveInt(store, Rules().m_score_key, 0,
                                 CFillerParams::BoardWidth(size) * CFillerParams::BoardHeight(size), score))
        return false;
    return m_game->Load(store);
}

void CFillerGameScreen::Reskin()
{
    m_game->Reskin();
}

// The duel on screen, restored or dealt, says which table its score goes to.
int CFillerGameScreen::GetGameDifficulty() const
{
    return m_game->GetGameDifficulty();
}

int CFillerGameScreen::GetGameSize() const
{
    return m_game->GetGameSize();
}
