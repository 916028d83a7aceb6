#include "games/eraser/CEraserGameScreen.h"

#include "games/eraser/CEraserGame.h"
#include "games/eraser/CEraserParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CEraserGameScreen::CEraserGameScreen()
{
    auto* params = static_cast<CEraserParams*>(GetRegisteredObject(CEraserParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CEraserParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CEraserGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CEraserGameScreen::CEraserGameScreen(CGameApp* app, const CEraserParams& params, CGameEvents* events,
                                     std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CEraserGame>(app, params, events, seed))
{
}

CEraserGameScreen::~CEraserGameScreen() {}

void CEraserGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CEraserGameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CEraserGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CEraserGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CEraserGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CEraserGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CEraserGameScreen::Reskin()
{
    m_game->Reskin();
}

// The board in play decides the table, whatever the settings say now.
int CEraserGameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetDifficulty();
}

int CEraserGameScreen::GetGameSize() const
{
    return m_game->GetField().GetSize();
}
