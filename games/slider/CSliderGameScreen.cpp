#include "games/slider/CSliderGameScreen.h"

#include <GL/gl.h>

#include "games/slider/CSliderGame.h"
#include "games/slider/CSliderParams.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CSliderGameScreen::CSliderGameScreen()
{
    auto* params = static_cast<CSliderParams*>(GetRegisteredObject(CSliderParams::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CSliderParams>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CSliderGame>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CSliderGameScreen::CSliderGameScreen(CGameApp* app, CSliderParams& params, CGameEvents* events, std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CSliderGame>(app, params, events, seed))
{
}

CSliderGameScreen::~CSliderGameScreen() {}

void CSliderGameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CSliderGameScreen::DrawGame()
{
    // The bricks fade by their alpha; nothing may be cut away by an alpha test.
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
    m_game->Draw(&GetFrameCache());
}

bool CSliderGameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CSliderGameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CSliderGameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CSliderGameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CSliderGameScreen::Reskin()
{
    m_game->Reskin();
}

// The running game, restored or dealt, says which table its score goes to.
int CSliderGameScreen::GetGameDifficulty() const
{
    return m_game->GetGameDifficulty();
}

int CSliderGameScreen::GetGameSize() const
{
    return m_game->GetGameSize();
}
