#pragma once

#include <cstdint>
#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CGameApp;
class CJewelGame;
class CJewelParams;

// The screen a jewel game runs on: the shared game screen around one
// CJewelGame. While "GAME OVER!" shows, Esc or a click ends the game instead
// of leaving it for Continue.
class CJewelGameScreen : public CGameScreen
{
public:
    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests), with a seed for the game's random
    // source.
    CJewelGameScreen();
    CJewelGameScreen(CGameApp* app, CJewelParams& params, CGameEvents* events, std::uint32_t seed);
    ~CJewelGameScreen() override;

    void OnLButtonUp(int x, int y, int flags) override;
    void Reskin() override;
    int GetGameDifficulty() const override;
    int GetGameSize() const override;

    CJewelGame& GetGame() { return *m_game; }

protected:
    void UpdateGame(float dt) override;
    void DrawGame() override;
    bool IsGameFinished() const override;
    int GetGameScore() const override;
    void SaveGame(CConfigFile& store) override;
    bool LoadGame(const CConfigFile& store) override;
    bool OnBackKey() override;

private:
    static SRules Rules();

    // Used only when no parameter object is registered, so the screen never
    // runs without one.
    std::unique_ptr<CJewelParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CJewelGame> m_game;
};
