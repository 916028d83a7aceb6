#include "games/mover/CMoverGameScreen.h"

#include "games/mover/CMoverField.h"
#include "games/mover/CMoverGame.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CMoverGameScreen::CMoverGameScreen()
{
    auto* params = static_cast<CMoverParams*>(GetRegisteredObject(CMoverParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CMoverParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CMoverGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CMoverGameScreen::CMoverGameScreen(CGameApp* app, CMoverParams& params, CGameEvents* events, std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CMoverGame>(app, params, events, seed))
{
}

CMoverGameScreen::~CMoverGameScreen() {}

void CMoverGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CMoverGameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CMoverGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CMoverGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CMoverGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CMoverGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CMoverGameScreen::Reskin()
{
    m_game->Reskin();
}

// The board on screen, restored or dealt, says which game this is.
int CMoverGameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetGameDifficulty();
}

int CMoverGameScreen::GetGameSize() const
{
    return m_game->GetField().GetGameSize();
}
