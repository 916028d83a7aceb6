#pragma once

#include <cstdint>
#include <memory>

#include "shell/game/CAppGameEvents.h"
#include "shell/game/CGameScreen.h"

class CButton;
class CFillerGame;
class CFillerParams;
class CGameApp;

// The screen a filler duel runs on: the shared game screen around one
// CFillerGame, with the six colour buttons under the board. A button shows
// only while its colour may be picked. The game starts at once (no start
// delay), the score is the human's zone size, and while "GAME OVER!" shows
// Esc or a click dismisses it, which ends the game.
class CFillerGameScreen : public CGameScreen
{
public:
    static constexpr int BUTTON_COUNT = 6;

    // The parameter object is the one registered under its key; params and
    // events may be given instead (tests), with a seed for the game.
    CFillerGameScreen();
    CFillerGameScreen(CGameApp* app, CFillerParams& params, CGameEvents* events, std::uint32_t seed);
    ~CFillerGameScreen() override;

    void OnLButtonUp(int x, int y, int flags) override;
    void OnCommand(CWidget* sender) override;
    void Reskin() override;
    int GetGameDifficulty() const override;
    int GetGameSize() const override;

    CFillerGame& GetGame() { return *m_game; }
    CButton* GetColorButton(int i) const { return m_buttons[i].get(); }

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
    void CreateButtons(CFillerParams& params);
    void ShowAllowedButtons();

    std::unique_ptr<CFillerParams> m_own_params;
    CAppGameEvents m_app_events;
    std::unique_ptr<CFillerGame> m_game;
    std::unique_ptr<CButton> m_buttons[BUTTON_COUNT];
};
