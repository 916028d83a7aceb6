#pragma once

#include <cstdint>
#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CDesignerGame;
class CDesignerParams;
class CGameApp;

// The screen a designer game runs on: the shared game screen around one
// CDesignerGame, its score the game's total.
class CDesignerGameScreen : public CGameScreen
{
public:
    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests), with a seed for the game's random
    // source.
    CDesignerGameScreen();
    CDesignerGameScreen(CGameApp* app, CDesignerParams& params, CGameEvents* events, std::uint32_t seed);
    ~CDesignerGameScreen() override;

    void Reskin() override;
    int GetGameDifficulty() const override;
    int GetGameSize() const override;

    CDesignerGame& GetGame() { return *m_game; }

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
    std::unique_ptr<CDesignerParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CDesignerGame> m_game;
};
