#include "games/remover/CRemoverGameScreen.h"

#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CRemoverGameScreen::CRemoverGameScreen()
{
    auto* params = static_cast<CRemoverParams*>(GetRegisteredObject(CRemoverParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CRemoverParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CRemoverGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CRemoverGameScreen::CRemoverGameScreen(CGameApp* app, CRemoverParams& params, CGameEvents* events,
                                       std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CRemoverGame>(app, params, events, seed))
{
}

CRemoverGameScreen::~CRemoverGameScreen() {}

void CRemoverGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CRemoverGameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CRemoverGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CRemoverGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CRemoverGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CRemoverGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CRemoverGameScreen::Reskin()
{
    m_game->Reskin();
}

// The board on screen says what game this is, whatever the settings say.
int CRemoverGameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetStartColorCount() - 4;
}

int CRemoverGameScreen::GetGameSize() const
{
    return (m_game->GetField().GetWidth() - 9) / 2;
}
