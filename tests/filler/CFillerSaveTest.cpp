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
enum { STATE_JUST_DEALT, STATE_COMPUTERS_WAVE, STATE_HUMAN_TO_PICK };

const SSaveState kStates[] = {
    {"just dealt", STATE_JUST_DEALT, 0, 0},
    {"the computer's wave running", STATE_COMPUTERS_WAVE, 1, 1},
    {"written before the difficulty was kept", STATE_HUMAN_TO_PICK, 3, 2, {"filler_difficulty"}},
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
CConfigFile SaveInState(const SSaveState& c)
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
    if (c.state == STATE_HUMAN_TO_PICK)
        RunUntilHumanWaits(screen);
    return SavedFrom(screen);
}

bool LoadsIntoAFreshScreen(const CConfigFile& store)
{
    auto params = MakeParams(0, 0, false);
    return FreshScreenLoads<CFillerGameScreen>(*params, store);
}
}

TEST(FillerSaveDamage, EveryKeyOfARealSaveIsNeeded)
{
    // The score a played game saves is the zone, not the 0 of a fresh screen.
    EXPECT_NE("0", SaveInState(kStates[1]).GetValue("score", ""));
    // Saves of ours written before the difficulty was kept still load.
    EXPECT_EQ(std::vector<std::string>(),
              KeysNotNeededInStates({std::begin(kStates), std::end(kStates)}, SaveInState, LoadsIntoAFreshScreen,
                                    {"filler_difficulty"}));
}

TEST(FillerSaveDamage, ValuesOutOfTheirRangeAreRefused)
{
    const CConfigFile whole = SaveInState(kStates[1]);
    const std::string snapshot = whole.GetValue("field_undo_string", "");
    const int cells = CFillerParams::BoardWidth(1) * CFillerParams::BoardHeight(1);
    const std::vector<SSaveEdit> edits = {
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
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(whole, LoadsIntoAFreshScreen, edits));
}
