#include "games/designer/CDesignerGameScreen.h"

#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerGame.h"
#include "games/designer/CDesignerParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CDesignerGameScreen::CDesignerGameScreen()
{
    auto* params = static_cast<CDesignerParams*>(GetRegisteredObject(CDesignerParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CDesignerParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CDesignerGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CDesignerGameScreen::CDesignerGameScreen(CGameApp* app, CDesignerParams& params, CGameEvents* events,
                                         std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CDesignerGame>(app, params, events, seed))
{
}

CDesignerGameScreen::~CDesignerGameScreen() {}

void CDesignerGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CDesignerGameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CDesignerGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CDesignerGameScreen::GetGameScore() const
{
    return m_game->GetTotal();
}

void CDesignerGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CDesignerGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CDesignerGameScreen::Reskin()
{
    m_game->Reskin();
}

// The board on screen says what game this is, whatever the settings say.
int CDesignerGameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetDifficulty();
}

int CDesignerGameScreen::GetGameSize() const
{
    return m_game->GetField().GetWidth() - CDesignerField::MIN_SIZE;
}
