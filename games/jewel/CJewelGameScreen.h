#pragma once

#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CGameApp;
class CJewelGame;
class CJewelParams;

// The screen a jewel game runs on. It waits a moment after every activation,
// caches the score for the menu, and closes itself when the game is over or
// the player leaves with Esc or Enter; while "GAME OVER!" shows, Esc or a
// click ends the game instead.
class CJewelGameScreen : public CGameScreen
{
public:
    static constexpr float START_DELAY_MS = 100.0f;

    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests).
    CJewelGameScreen();
    CJewelGameScreen(CGameApp* app, CJewelParams& params, CGameEvents* events, unsigned seed);
    ~CJewelGameScreen() override;

    void Update(float dt) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;
    void OnLButtonUp(int x, int y, int flags) override;
    void OnRButtonUp(int x, int y, int flags) override;

    void Save(CConfigFile& store) override;
    bool Load(const CConfigFile& store) override;
    int GetScore() const override { return m_score; }
    void Reskin() override;

    CJewelGame& GetGame() { return *m_game; }
    float GetStartDelay() const { return m_start_delay; }

private:
    void MapMouse(int& x, int& y) const;
    void Close();

    CGameApp* m_app;
    float m_start_delay = 0.0f;
    int m_score = 0;
    // Used only when no parameter object is registered, so the screen never
    // runs without one.
    std::unique_ptr<CJewelParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CJewelGame> m_game;
};
