#pragma once
// A game kind made for the game-menu tests: parameters that keep their
// settings and tables in a temporary directory, a new-game dialog whose
// choices a test sets, and a game screen whose whole state is one text.

#include <functional>
#include <string>
#include <vector>

#include "engine/gfx/CResManager.h"
#include "shell/CGameKindRegistry.h"
#include "shell/game/CGameParams.h"
#include "shell/game/CGameScreen.h"
#include "shell/game/CNewGameDialog.h"

class CFakeParams : public CGameParams
{
public:
    CFakeParams(int sizes, bool animation);

    void LoadParams(CFilePack& pack) override;
    void LoadTextures(CResManager& manager) override;
    bool HasAnimation() const override { return m_has_animation; }

private:
    bool m_has_animation;
};

class CFakeGameScreen : public CGameScreen
{
public:
    // Looks its parameter object up by key, as a kind's screen does.
    CFakeGameScreen(const CResManager* lookup, const std::string& paramKey);
    ~CFakeGameScreen() override;

    void Reskin() override { ++m_reskins; }
    using CGameScreen::GetFrameCache;
    int GetGameDifficulty() const override { return m_difficulty; }
    int GetGameSize() const override { return m_size; }
    void EndGame(int score)
    {
        SetScore(score);
        SetGameOver(true);
    }

    // The saved game beside the score.
    std::string m_state = "fresh";
    int m_reskins = 0;
    // The game's own choice; -1 leaves it to the settings.
    int m_difficulty = -1;
    int m_size = -1;
    // Screens alive right now, and the parameter object the last one still
    // found registered under its key when it died.
    static int s_alive;
    static void* s_params_seen_at_death;
    // Run as this screen dies.
    std::function<void()> m_on_death;

protected:
    // The menu tests never run the game itself.
    void UpdateGame(float) override {}
    void DrawGame() override {}
    bool IsGameFinished() const override { return IsGameOver(); }
    int GetGameScore() const override { return GetScore(); }
    void SaveGame(CConfigFile& store) override;
    bool LoadGame(const CConfigFile& store) override;

private:
    const CResManager* m_lookup;
    std::string m_param_key;
};

class CFakeNewGameDialog : public CNewGameDialog
{
public:
    CFakeNewGameDialog(CConfigFile& layout, CGameParams& params, int sizes);

    void Choose(int size, int difficulty);
};

// The fake kind under the given index (6 behaves like the filler: four sizes
// and the animation setting; start-without-dialog like the jewel on request).
// The screens find the parameter object in the lookup manager.
SGameKind MakeFakeKind(int index, const CResManager* lookup, bool startWithoutDialog = false);
