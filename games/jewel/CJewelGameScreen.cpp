#include "games/jewel/CJewelGameScreen.h"

#include <climits>

#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelGame.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CGameScreen::SRules CJewelGameScreen::Rules()
{
    SRules rules;
    // A single-brick figure on level 1 costs points, so a score may be
    // negative, down to where it is held.
    rules.m_min_score = INT_MIN;
    return rules;
}

CJewelGameScreen::CJewelGameScreen() : CGameScreen(GetGameApp(), Rules())
{
    auto* params = static_cast<CJewelParams*>(GetRegisteredObject(CJewelParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CJewelParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CJewelGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CJewelGameScreen::CJewelGameScreen(CGameApp* app, CJewelParams& params, CGameEvents* events, std::uint32_t seed)
    : CGameScreen(app, Rules()), m_game(std::make_unique<CJewelGame>(app, params, events, seed))
{
}

CJewelGameScreen::~CJewelGameScreen() {}

void CJewelGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CJewelGameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CJewelGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CJewelGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CJewelGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CJewelGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

bool CJewelGameScreen::OnBackKey()
{
    if (!m_game->GetField().IsStuck())
        return false;
    m_game->GetField().EndGame();
    return true;
}

void CJewelGameScreen::OnLButtonUp(int x, int y, int flags)
{
    // A click acknowledges "GAME OVER!" as Esc does.
    if (m_game->GetField().IsStuck())
        m_game->GetField().EndGame();
    CGameScreen::OnLButtonUp(x, y, flags);
}

void CJewelGameScreen::Reskin()
{
    m_game->Reskin();
}

// The board on screen says what game this is, whatever the settings say.
int CJewelGameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetGameDifficulty();
}

int CJewelGameScreen::GetGameSize() const
{
    return m_game->GetField().GetGameSize();
}
