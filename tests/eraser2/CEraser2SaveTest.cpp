#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser2/CEraser2Game.h"
#include "games/eraser2/CEraser2GameScreen.h"
#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"
#include "tests/gamebase/SaveDamage.h"

namespace
{
enum { STATE_JUST_DEALT, STATE_MID_MOVE, STATE_FEEDERS_PART_EMPTY, STATE_CLEARED_IN_SWEEP };

// The difficulty column holds the kind's option.
const SSaveState kStates[] = {
    {"just dealt", STATE_JUST_DEALT, 0, 0},
    {"bricks moving in from the feeders", STATE_MID_MOVE, 1, 1},
    {"feeders with their top slots empty", STATE_FEEDERS_PART_EMPTY, 2, 0},
    {"a cleared board in the end sweep", STATE_CLEARED_IN_SWEEP, 0, 1},
};

// A screen's real save, its game played into the state first.
CConfigFile SaveInState(const SSaveState& c)
{
    auto params = MakeParams(c.size, c.difficulty);
    CRecordingEvents events;
    CEraser2GameScreen screen(nullptr, *params, &events, 5);
    CEraser2Game& game = screen.GetGame();
    CEraser2Field& field = game.GetField();
    for (int i = 0; c.state != STATE_JUST_DEALT && i < 5000 && game.IsEffectRunning(); ++i)
        game.Update(16.0f);
    if (c.state == STATE_MID_MOVE)
    {
        // Random clicks until bricks move in with a feeder partly spent.
        CRandom pick(9);
        for (int frame = 0; frame < 100000 && field.GetState() != CEraser2Field::STATE_MOVING; ++frame)
        {
            game.SetPointer(CellPoint(field, pick.Next(field.GetWidth()), pick.Next(field.GetHeight())), true);
            game.Update(16.0f);
        }
        EXPECT_EQ(CEraser2Field::STATE_MOVING, field.GetState());
    }
    if (c.state == STATE_FEEDERS_PART_EMPTY)
    {
        // A run always reaches down to the last slot.
        SetFeeder(field, 0, std::string(field.GetHeight() - 6, '.') + "RGBRGB");
        SetFeeder(field, 1, std::string(field.GetHeight() - 1, '.') + "G");
    }
    if (c.state == STATE_CLEARED_IN_SWEEP)
    {
        SetBoard(field, {});
        SetFeeder(field, 0, "RGBRGBRG");
        SetFeeder(field, 1, "GBRGBRGB");
        game.Update(16.0f);
        EXPECT_EQ(CEraser2Field::STATE_SWEEP, field.GetState());
    }
    return SavedFrom(screen);
}

bool LoadsIntoAFreshScreen(const CConfigFile& store)
{
    auto params = MakeParams(0, 0);
    return FreshScreenLoads<CEraser2GameScreen>(*params, store);
}
}

TEST(Eraser2SaveDamage, EveryKeyOfARealSaveIsNeededBoardAndFeederCellsAlike)
{
    EXPECT_EQ(std::vector<std::string>(),
              KeysNotNeededInStates({std::begin(kStates), std::end(kStates)}, SaveInState, LoadsIntoAFreshScreen));
}

TEST(Eraser2SaveDamage, ValuesOutOfTheirRangeAreRefused)
{
    const std::vector<SSaveEdit> edits = {
        {"m_score", "-10"},
        {"m_score", "99999999999"},
        {"gf_m_score", "-1"},
        {"gf_m_score_level", "-1"},
        {"gf_m_score_step", "-10"},
        {"gf_m_score_step", "100001"},
        {"gf_m_alpha", "-361"},
        {"gf_m_is_game_over", "2"},
        {"gf_m_current_level", "0"},
        {"fe_m_current_level", "-1"},
        {"f_m_score", "-1"},
        {"f_m_alpha", "inf"},
        {"f_m_colors", "0"},
        {"f_m_colors", "7"},
        {"f_m_is_finish", "-1"},
        {"f_m_is_finish", "2"},
        {"f_m_width_bricks", "26"},
        {"f_m_height_bricks", "16"},
        // Three colours on the first option: colour 3 is none of them.
        {"f_color0-0", "3"},
        {"f_color0-0", "-2"},
        {"m_bricks_left9", "3"},
        {"m_bricks_right9", "-2"},
        // A gap in a feeder's run: the slot above the bottom emptied.
        {"m_bricks_left8", "-1"},
    };
    const CConfigFile whole = SaveInState(kStates[2]);
    ASSERT_EQ("3", whole.GetValue("f_m_colors", ""));
    ASSERT_TRUE(LoadsIntoAFreshScreen(whole));
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(whole, LoadsIntoAFreshScreen, edits));
}
