#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGameScreen.h"
#include "tests/eraser/EraserTestKit.h"
#include "tests/gamebase/SaveDamage.h"

namespace
{
enum { STATE_JUST_DEALT, STATE_MID_FALL, STATE_CLEARED_IN_SWEEP, STATE_IDLE_WITH_HOLES };

const SSaveState kStates[] = {
    {"just dealt", STATE_JUST_DEALT, 1, 1},
    {"bricks falling", STATE_MID_FALL, 0, 0},
    {"a cleared board in the end sweep", STATE_CLEARED_IN_SWEEP, 0, 0},
    {"written before the difficulty was kept", STATE_IDLE_WITH_HOLES, 2, 2, {"fe_m_difficulty"}},
};

// A screen's real save, its game played into the state first.
CConfigFile SaveInState(const SSaveState& c)
{
    auto params = MakeParams(c.size, c.difficulty);
    CRecordingEvents events;
    CEraserGameScreen screen(nullptr, *params, &events, 3);
    CEraserGame& game = screen.GetGame();
    CEraserField& field = game.GetField();
    for (int i = 0; c.state != STATE_JUST_DEALT && i < 5000 && game.IsEffectRunning(); ++i)
        game.Update(16.0f);
    const auto bottom = [&](const Board& rows)
    {
        Board board(field.GetHeight() - rows.size(), std::string(field.GetWidth(), '.'));
        for (std::string row : rows)
            board.push_back(row.append(field.GetWidth() - row.size(), '.'));
        SetBoardPicture(field, board, "RGBYPC");
    };
    if (c.state == STATE_MID_FALL)
    {
        bottom({"GG", "RRGY"});
        CVector4 point;
        game.SetPointer(field.GetBrickPosition(point, 0, field.GetHeight() - 1), true);
        game.Update(16.0f);
        game.SetPointer(CVector4(), false);
        for (int i = 0; i < 100 && field.GetState() != CEraserField::STATE_FALLING; ++i)
            game.Update(16.0f);
        EXPECT_EQ(CEraserField::STATE_FALLING, field.GetState());
    }
    if (c.state == STATE_CLEARED_IN_SWEEP)
    {
        bottom({"RR"});
        field.Update(16.0f);
        field.SelectGroup(field.GetEraserBrick(0, field.GetHeight() - 1));
        for (int i = 0; i < 1000 && field.GetState() != CEraserField::STATE_SWEEP; ++i)
            field.Update(16.0f);
        EXPECT_EQ(CEraserField::STATE_SWEEP, field.GetState());
    }
    if (c.state == STATE_IDLE_WITH_HOLES)
        bottom({"R.G", "GRB"});
    return SavedFrom(screen);
}

bool LoadsIntoAFreshScreen(const CConfigFile& store)
{
    auto params = MakeParams(0, 0);
    return FreshScreenLoads<CEraserGameScreen>(*params, store);
}
}

TEST(EraserSaveDamage, EveryKeyOfARealSaveIsNeeded)
{
    // Saves of ours written before the difficulty was kept still load.
    EXPECT_EQ(std::vector<std::string>(),
              KeysNotNeededInStates({std::begin(kStates), std::end(kStates)}, SaveInState, LoadsIntoAFreshScreen,
                                    {"fe_m_difficulty"}));
}

TEST(EraserSaveDamage, ValuesOutOfTheirRangeAreRefused)
{
    const std::vector<SSaveEdit> edits = {
        {"m_score", "-1"},
        {"m_score", "2147483648"},
        {"gf_m_score", "-1"},
        {"gf_m_score_level", "-230"},
        {"gf_m_score_step", "-10"},
        {"gf_m_score_step", "100001"},
        {"gf_m_alpha", "400"},
        {"gf_m_is_game_over", "2"},
        {"gf_m_is_game_over", "-1"},
        {"gf_m_current_level", "0"},
        {"fe_m_current_level", "-3"},
        {"f_m_score", "-197"},
        {"f_m_alpha", "nan"},
        {"f_m_colors", "0"},
        {"f_m_colors", "7"},
        {"f_m_is_finish", "2"},
        {"f_m_width_bricks", "15"},
        {"f_m_height_bricks", "7"},
        {"fe_m_difficulty", "3"},
        {"fe_m_difficulty", "-1"},
        // Four colours on Easy: colour 4 is none of them.
        {"f_color0-0", "4"},
        {"f_color0-0", "-2"},
    };
    const CConfigFile whole = SaveInState(kStates[1]);
    ASSERT_EQ("4", whole.GetValue("f_m_colors", ""));
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(whole, LoadsIntoAFreshScreen, edits));
}
