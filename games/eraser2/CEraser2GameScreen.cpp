#include "games/eraser2/CEraser2GameScreen.h"

#include "games/eraser2/CEraser2Field.h"
#include "games/eraser2/CEraser2Game.h"
#include "games/eraser2/CEraser2Params.h"
#include "shell/game/CRandom.h"
#include "shell/game/GameLookup.h"

CEraser2GameScreen::CEraser2GameScreen()
{
    auto* params = static_cast<CEraser2Params*>(GetRegisteredObject(CEraser2Params::REGISTRY_NAME));
    if (!params)
    {
        m_own_params = std::make_unique<CEraser2Params>();
        params = m_own_params.get();
    }
    m_game = std::make_unique<CEraser2Game>(GetApp(), *params, &m_app_events, CRandom::ClockSeed());
}

CEraser2GameScreen::CEraser2GameScreen(CGameApp* app, const CEraser2Params& params, CGameEvents* events,
                                     std::uint32_t seed)
    : CGameScreen(app), m_game(std::make_unique<CEraser2Game>(app, params, events, seed))
{
}

CEraser2GameScreen::~CEraser2GameScreen() {}

void CEraser2GameScreen::UpdateGame(float dt)
{
    m_game->Update(dt);
}

void CEraser2GameScreen::DrawGame()
{
    m_game->Draw(&GetFrameCache());
}

bool CEraser2GameScreen::IsGameFinished() const
{
    return m_game->IsGameOver();
}

int CEraser2GameScreen::GetGameScore() const
{
    return m_game->GetScore();
}

void CEraser2GameScreen::SaveGame(CConfigFile& store)
{
    m_game->Save(store);
}

bool CEraser2GameScreen::LoadGame(const CConfigFile& store)
{
    return m_game->Load(store);
}

void CEraser2GameScreen::Reskin()
{
    m_game->Reskin();
}

// The board's shape in play decides the table (its colour option and size),
// whatever the settings say now.
int CEraser2GameScreen::GetGameDifficulty() const
{
    return m_game->GetField().GetOption();
}

int CEraser2GameScreen::GetGameSize() const
{
    return m_game->GetField().GetSize();
}
