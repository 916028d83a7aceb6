#pragma once

#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CEraserGame;
class CEraserParams;
class CGameApp;

// The screen an eraser game runs on. It waits a moment after every
// activation, keeps the total score for the menu, and closes itself when the
// game is over or the player leaves with Esc or Enter.
class CEraserGameScreen : public CGameScreen
{
public:
    static constexpr float START_DELAY_MS = 100.0f;

    // The parameter object is the one registered under its key.
    CEraserGameScreen();
    ~CEraserGameScreen() override;

    void Update(float dt) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;

    void Save(CConfigFile& store) override;
    bool Load(const CConfigFile& store) override;
    int GetScore() const override { return m_score; }
    void Reskin() override;

    CEraserGame& GetGame() { return *m_game; }

private:
    void Close();

    CGameApp* m_app;
    float m_delay = 0.0f;
    int m_score = 0;
    // Used only when no parameter object is registered, so the screen never
    // runs without one.
    std::unique_ptr<CEraserParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CEraserGame> m_game;
};
