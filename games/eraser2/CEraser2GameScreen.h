#pragma once

#include <cstdint>
#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CEraser2Game;
class CEraser2Params;
class CGameApp;

// The screen an Eraser II game runs on: the shared game screen around one
// CEraser2Game.
class CEraser2GameScreen : public CGameScreen
{
public:
    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests), with a seed for the game's random
    // source.
    CEraser2GameScreen();
    CEraser2GameScreen(CGameApp* app, const CEraser2Params& params, CGameEvents* events, std::uint32_t seed);
    ~CEraser2GameScreen() override;

    void Reskin() override;
    int GetGameDifficulty() const override;
    int GetGameSize() const override;

    CEraser2Game& GetGame() { return *m_game; }

protected:
    void UpdateGame(float dt) override;
    void DrawGame() override;
    bool IsGameFinished() const override;
    int GetGameScore() const override;
    void SaveGame(CConfigFile& store) override;
    bool LoadGame(const CConfigFile& store) override;

private:
    // Used only when no parameter object is registered, so the screen never
    // runs without one.
    std::unique_ptr<CEraser2Params> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CEraser2Game> m_game;
};
