#pragma once

#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CButton;
class CFillerGame;
class CFillerParams;
class CGameApp;

// The screen a filler duel runs on, with the six colour buttons under the
// board; a button shows only while its colour may be picked. It starts at
// once (no start delay), caches the human's zone size as the score, and
// closes itself once the game has ended and its banner was dismissed.
class CFillerGameScreen : public CGameScreen
{
public:
    static constexpr int BUTTON_COUNT = 6;

    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests).
    CFillerGameScreen();
    CFillerGameScreen(CGameApp* app, CFillerParams& params, CGameEvents* events);
    ~CFillerGameScreen() override;

    void Update(float dt) override;
    void Draw() override;
    void Activate() override {}
    void OnKeyDown(int key) override;
    void OnLButtonUp(int x, int y, int flags) override;
    void OnCommand(CWidget* sender) override;
    // Window pixels to the 800 x 600 layout, for every pointer handler.
    void MapToLogical(int x, int y, int& lx, int& ly) const override;

    void Save(CConfigFile& store) override;
    bool Load(const CConfigFile& store) override;
    int GetScore() const override { return m_score; }
    void Reskin() override;

    CFillerGame& GetGame() { return *m_game; }
    CButton* GetColorButton(int i) const { return m_buttons[i].get(); }

private:
    void CreateButtons(CFillerParams& params);
    void ShowAllowedButtons();
    void Close();

    CGameApp* m_app;
    int m_score = 0;
    std::unique_ptr<CFillerParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CFillerGame> m_game;
    std::unique_ptr<CButton> m_buttons[BUTTON_COUNT];
};
