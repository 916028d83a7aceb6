#pragma once

#include "engine/frame/CScreen.h"

class CConfigFile;

// The screen on which a kind's game runs. The game menu saves, restores,
// scores and re-skins the game through it, and reads the game-over flag when
// the screen has closed itself.
class CGameScreen : public CScreen
{
public:
    CGameScreen();
    ~CGameScreen() override;

    // Writes the running game's whole state into the store.
    virtual void Save(CConfigFile& store) = 0;
    // Rebuilds the game from a saved store. Returns false, changing nothing,
    // when the store does not hold a valid game: the caller then treats the
    // save as absent.
    virtual bool Load(const CConfigFile& store) = 0;
    virtual int GetScore() const = 0;
    // Re-applies the brick models after the skin setting changed.
    virtual void Reskin() {}

    // Set once, by the kind's screen, when its game has ended.
    bool IsGameOver() const { return m_game_over; }

protected:
    void SetGameOver(bool over) { m_game_over = over; }

private:
    bool m_game_over = false;
};
