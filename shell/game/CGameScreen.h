#pragma once

#include "engine/frame/CScreen.h"
#include "shell/game/CGameFrameCache.h"

class CConfigFile;
class CGameApp;

// The screen on which a kind's game runs, and what the game menu knows of it.
//
// The game menu makes the screen current, saves it (Save), restores a saved
// game into a fresh one (Load), asks for the score (GetScore), re-skins it
// after the options changed (Reskin) and, once the screen has closed itself,
// reads IsGameOver to hand the score to the game-over dialog.
//
// A kind's screen derives from this class, owns its game object and provides
// the hooks below (UpdateGame ... LoadGame, Reskin). The base then does, the
// same way for every kind:
// - every frame: the game-over flag := IsGameFinished(); once it is set the
//   screen asks the window to close it (the hand-off to the game menu) and the
//   game is not stepped again. Otherwise, for the start delay after each
//   activation (100 ms unless the rules say 0) it only counts down; after
//   that it steps the game (UpdateGame) and caches GetGameScore() for
//   GetScore. On every activation the polled mouse buttons read as up until
//   each has been released on this screen, so the press that opened the
//   game never reaches the board, however long it is held;
// - drawing: DrawGame (which clears what it draws over: DrawGameFrame), then
//   the child widgets; the screen owns the frame cache that DrawGameFrame may
//   keep the kind's picture in (GetFrameCache), forgotten on every activation;
// - keys: Esc closes the screen (the game stays for "Continue") unless
//   OnBackKey takes it; Enter minimises the window and closes the screen;
//   every key then reaches the child widgets;
// - pointer: once the start delay has run out, window pixels are mapped to the
//   logical 800 x 600 screen before they reach the child widgets; during the
//   delay they pass unmapped. Board input does not come from these messages:
//   the kind's player polls the mouse (shell/game/BoardCursor.h);
// - saves: the score key first ("m_score" unless the rules say otherwise),
//   then SaveGame; Load validates the score key, then LoadGame, and returns
//   false (the game menu then drops the save) when either refuses.
class CGameScreen : public CScreen
{
public:
    static constexpr float START_DELAY_MS = 100.0f;

    // What differs between kinds in the shared flow.
    struct SRules
    {
        // Set on every activation; 0: the game runs from the first frame.
        float m_start_delay_ms = START_DELAY_MS;
        // The saved game's first key, holding the cached score.
        const char* m_score_key = "m_score";
        // The lowest score a valid save may hold.
        int m_min_score = 0;
    };

    // The application is the running one (null in tests without a window).
    CGameScreen();
    // app may be null (tests): Esc and Enter are then the back and minimise
    // keys, and the pointer passes unmapped.
    explicit CGameScreen(CGameApp* app);
    CGameScreen(CGameApp* app, const SRules& rules);
    ~CGameScreen() override;

    void Update(float dt) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;
    void MapToLogical(int x, int y, int& lx, int& ly) const override;
    // Lets the held picture of the board go while the game waits unseen
    // (paused under its menu); the next frame shown draws it anew.
    void ReleaseHeldPicture();

    // Writes the score key and then the running game's whole state.
    virtual void Save(CConfigFile& store);
    // Rebuilds the game from a saved store. Returns false when the store does
    // not hold a valid game: the caller then treats the save as absent.
    virtual bool Load(const CConfigFile& store);
    // The score as of the last game step (or the loaded one).
    virtual int GetScore() const { return m_score; }
    // Re-applies the brick models after the skin setting changed.
    virtual void Reskin() {}
    // The running game's own difficulty and size, which pick its score
    // table; -1 where the kind leaves it to the last chosen ones.
    virtual int GetGameDifficulty() const { return -1; }
    virtual int GetGameSize() const { return -1; }

    // Set by Update from IsGameFinished; the game menu reads it after the
    // screen has closed itself.
    bool IsGameOver() const { return m_game_over; }
    float GetStartDelay() const { return m_start_delay; }

protected:
    // One step of the game (dt in milliseconds).
    virtual void UpdateGame(float dt) = 0;
    // Draws the game: background, board, HUD.
    virtual void DrawGame() = 0;
    // True once the game has ended; the screen then closes as game over.
    virtual bool IsGameFinished() const = 0;
    // The score the game menu offers to the tables.
    virtual int GetGameScore() const = 0;
    // The game's keys, after the score key.
    virtual void SaveGame(CConfigFile& store) = 0;
    // False, changing nothing, when the store does not hold a valid game.
    virtual bool LoadGame(const CConfigFile& store) = 0;
    // Esc: return true when the kind takes the key itself (a kind that shows
    // "GAME OVER!" until the player dismisses it ends the game with it); false
    // closes the screen and keeps the game for "Continue".
    virtual bool OnBackKey() { return false; }

    // Asks the window to close this screen at its next update.
    void Close();
    void SetGameOver(bool over) { m_game_over = over; }
    void SetScore(int score) { m_score = score; }
    CGameApp* GetApp() const { return m_app; }
    CGameFrameCache& GetFrameCache() { return m_frame_cache; }

private:
    CGameApp* m_app;
    SRules m_rules;
    bool m_game_over = false;
    float m_start_delay = 0.0f;
    CGameFrameCache m_frame_cache;
    int m_score = 0;
};
