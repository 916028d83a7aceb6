#pragma once

#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CDesignerGame;
class CDesignerParams;
class CGameApp;

// The screen a designer game runs on. It waits a moment after every
// activation, caches the total for the menu, and closes itself when the game
// is over or the player leaves with Esc or Enter.
class CDesignerGameScreen : public CGameScreen
{
public:
    static constexpr float START_DELAY_MS = 100.0f;

    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests).
    CDesignerGameScreen();
    CDesignerGameScreen(CGameApp* app, CDesignerParams& params, CGameEvents* events, unsigned seed);
    ~CDesignerGameScreen() override;

    void Update(float dt) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;

    void Save(CConfigFile& store) override;
    bool Load(const CConfigFile& store) override;
    int GetScore() const override { return m_score; }
    void Reskin() override;

    CDesignerGame& GetGame() { return *m_game; }

private:
    void Close();

    CGameApp* m_app;
    float m_start_delay = 0.0f;
    int m_score = 0;
    // Used only when no parameter object is registered, so the screen never
    // runs without one.
    std::unique_ptr<CDesignerParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CDesignerGame> m_game;
};
