#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerGame.h"
#include "games/filler/CFillerGameScreen.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"
#include "tests/gamebase/SaveDamage.h"

namespace
{
enum EState { STATE_JUST_DEALT, STATE_COMPUTERS_WAVE, STATE_WITHOUT_DIFFICULTY };

struct SStateCase
{
    const char* name;
    EState state;
    int size;
    int difficulty;
};

const SStateCase kStates[] = {
    {"just dealt", STATE_JUST_DEALT, 0, 0},
    {"the computer's wave running", STATE_COMPUTERS_WAVE, 1, 1},
    {"written before the difficulty was kept", STATE_WITHOUT_DIFFICULTY, 3, 2},
};

// Screen frames (which cache the score) until the human waits for a pick.
void RunUntilHumanWaits(CFillerGameScreen& screen)
{
    CFillerGame& game = screen.GetGame();
    for (int i = 0; i < 100000 && !game.GetField().IsGameOver(); ++i)
    {
        if (game.GetCurrentPlayer() == CFillerGame::HUMAN &&
            game.GetPlayer(CFillerGame::HUMAN).GetState() == CFillerPlayer::STATE_WAITING)
            return;
        screen.Update(16.0f);
    }
}

// A screen's real save, its game played into the state first.
CConfigFile SaveInState(const SStateCase& c)
{
    auto params = MakeParams(c.size, c.difficulty, true);
    CFillerGameScreen screen(nullptr, *params, nullptr, 21);
    CFillerGame& game = screen.GetGame();
    if (c.state != STATE_JUST_DEALT)
        for (int turn = 0; turn < 3; ++turn)
        {
            RunUntilHumanWaits(screen);
            game.PickColor(game.GetField().GetColorTable()[game.GetPlayer(CFillerGame::HUMAN).ChooseColor()]);
        }
    if (c.state == STATE_COMPUTERS_WAVE)
    {
        for (int i = 0; i < 100000 && game.GetCurrentPlayer() != CFillerGame::COMPUTER; ++i)
            screen.Update(16.0f);
        EXPECT_FALSE(game.GetField().IsIdle());
    }
    CConfigFile store;
    screen.Save(store);
    if (c.state == STATE_WITHOUT_DIFFICULTY)
        store = WithoutKey(store, "filler_difficulty");
    return store;
}

// The game menu's path: a fresh screen, loaded from the store.
bool LoadsIntoAFreshScreen(const CConfigFile& store)
{
    auto params = MakeParams(0, 0, false);
    CFillerGameScreen screen(nullptr, *params, nullptr, 11);
    return screen.Load(store);
}
}

TEST(FillerSaveDamage, EveryKeyOfARealSaveIsNeeded)
{
    for (const SStateCase& c : kStates)
    {
        SCOPED_TRACE(c.name);
        const CConfigFile whole = SaveInState(c);
        ASSERT_TRUE(LoadsIntoAFreshScreen(whole));
        if (c.state == STATE_COMPUTERS_WAVE)
        {
            EXPECT_NE("0", whole.GetValue("score", "")) << "the score was never counted";
        }
        // Saves of ours written before the difficulty was kept still load.
        EXPECT_EQ(std::vector<std::string>(), KeysNotNeeded(whole, LoadsIntoAFreshScreen, {"filler_difficulty"}));
    }
}

TEST(FillerSaveDamage, ValuesOutOfTheirRangeAreRefused)
{
    const CConfigFile whole = SaveInState(kStates[1]);
    const std::string snapshot = whole.GetValue("field_undo_string", "");
    const int cells = CFillerParams::BoardWidth(1) * CFillerParams::BoardHeight(1);
    struct SCase { const char* key; std::string value; };
    const SCase cases[] = {
        {"score", "-1"},
        // The human's zone is never larger than the board.
        {"score", std::to_string(cells + 1)},
        {"score", "2147483648"},
        {"filler_current_zone", "2"},
        {"filler_current_zone", "-1"},
        {"filler_difficulty", "3"},
        {"filler_difficulty", "-1"},
        {"field_undo_string", ""},
        {"field_undo_string", "0"},
        // A cell colour beyond the six, and a colour table that repeats one.
        {"field_undo_string", snapshot.substr(0, snapshot.size() - 1) + "6"},
        {"field_undo_string", "0 0" + snapshot.substr(3)},
    };
    ASSERT_TRUE(LoadsIntoAFreshScreen(WithValue(whole, "score", std::to_string(cells))));
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value.substr(0, 20));
        ASSERT_TRUE(whole.HasKey(c.key));
        EXPECT_FALSE(LoadsIntoAFreshScreen(WithValue(whole, c.key, c.value)));
    }
}
