#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
const std::vector<std::string> BOARD = {"RGBYPCRGBY", "GBYPCRGB.P", "BYPCRGBYPC", "YPC.GBYPCR", "PCRGBYPCRG",
                                        "CRGBYPCRGB", "RGBYPCRGBY", "GBYPCRGBYP", "BYPCRGBYPC", "YPCRGBYPCR"};

class SliderSave : public ::testing::Test
{
protected:
    void SetUp() override { SetSliderBoard(field, BOARD); }

    CConfigFile Saved() const
    {
        CConfigFile store;
        field.Save(store);
        return store;
    }

    std::unique_ptr<CSliderParams> params = MakeSliderParams(0, 1, 6);
    CSliderField field{*params, nullptr, nullptr, SliderRandom()};
    CSliderField loaded{*params, nullptr, nullptr, SliderRandom()};
};

class SliderSaveMidMove : public SliderSave, public ::testing::WithParamInterface<int>
{
};
}

TEST_F(SliderSave, SaveOfAnotherBoardSizeRebuildsTheRing)
{
    auto large = MakeSliderParams(2, 0, 6);
    CSliderField big(*large, nullptr, nullptr, SliderRandom());
    SetSliderBoard(big, {"RGB"});
    CConfigFile store;
    big.Save(store);
    ASSERT_TRUE(loaded.Load(store));
    EXPECT_NE(nullptr, loaded.GetArrow(17, 5));
    EXPECT_EQ(nullptr, loaded.GetArrow(11, 5));
    EXPECT_EQ("RGB.............", GetSliderBoard(loaded)[0]);
}

TEST_P(SliderSaveMidMove, MoveSavedHalfWayEndsAsTheUninterruptedOne)
{
    CSliderField straight(*params, nullptr, nullptr, SliderRandom());
    SetSliderBoard(straight, BOARD);
    ASSERT_TRUE(straight.StartMove(5, 11));   // column 5 turns down
    RunUntilIdle(straight);
    ASSERT_TRUE(field.StartMove(5, 11));
    for (int i = 0; i < 500 && field.GetStatus() != GetParam(); ++i)
        field.Update();
    ASSERT_TRUE(loaded.Load(Saved()));
    EXPECT_EQ(GetParam(), loaded.GetStatus());
    bool done = false;
    for (int i = 0; i < 500 && loaded.GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        loaded.Update();
        done = done || loaded.IsMoveDone();
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(GetSliderBoard(straight), GetSliderBoard(loaded));
}

// An idle board round trip is in the game test and the end-to-end script.
INSTANTIATE_TEST_SUITE_P(Phases, SliderSaveMidMove,
                         ::testing::Values(CSliderField::STATUS_LIFT, CSliderField::STATUS_SLIDE,
                                           CSliderField::STATUS_PUT_IN, CSliderField::STATUS_SETTLE));

TEST_F(SliderSave, SaveDuringRemovalDoesNotPayTheGroupAgain)
{
    SetSliderBoard(field, {"RRRRRG", "GBGBGB"});
    field.RemoveGroups();
    field.Update();
    ASSERT_TRUE(loaded.Load(Saved()));
    EXPECT_EQ(".....G....", GetSliderBoard(loaded)[0]);
    RunUntilIdle(loaded);
    loaded.RemoveGroups();
    EXPECT_EQ(0, loaded.GetScore());
}

// A save made in the middle of a turn with one key changed: a damaged value,
// or a move that does not fit the board, refuses the save and changes nothing.
TEST_F(SliderSave, DamagedSaveOrAMoveThatDoesNotFitTheBoardIsRefused)
{
    const struct { const char* key; const char* value; } cases[] = {
        {"f_m_line_moving_dir", "7"}, {"f_m_brick_moving_pos_i", "5"},
        {"f_m_brick_moving_pos_j", "0"}, {"f_m_brick_moving_pos_j", "99999"},
        {"f_m_brick_moving_color", "9"}, {"f_m_status", "2"}, {"f_m_status", "44"},
        {"f_color10-4", "3"}, {"f_m_width_bricks", "30"}, {"f_m_width_bricks", "13"},
        {"f_m_width_bricks", "0"}, {"f_m_height_bricks", "15"}, {"f_m_colors", "0"},
        {"f_m_colors", "7"}, {"f_color3-3", "6"}, {"f_color3-3", "red"}, {"f_color3-3", ""},
        {"f_m_alpha", "nan"}, {"gf_m_current_level", "0"}, {"gf_m_score_level", "-1"},
        {"gf_m_score", "x"}, {"gf_m_alpha", "inf"}};
    CSliderGame game(nullptr, *params, nullptr, 5);
    ASSERT_TRUE(game.GetField().StartMove(0, 4));
    for (int i = 0; i < 500 && game.GetField().GetStatus() != CSliderField::STATUS_PUT_IN; ++i)
        game.GetField().Update();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        CConfigFile store;
        game.Save(store);
        store.SetValue(c.key, c.value);
        CSliderGame other(nullptr, *params, nullptr, 9);
        std::vector<std::string> before = GetSliderBoard(other.GetField());
        EXPECT_FALSE(other.Load(store));
        EXPECT_EQ(CSliderField::STATUS_IDLE, other.GetField().GetStatus());
        EXPECT_EQ(nullptr, other.GetField().GetMovingBrick());
        EXPECT_EQ(before, GetSliderBoard(other.GetField()));
    }
}

namespace
{
// A game on BOARD, saved once `reached` holds after `start` ran on its field.
CConfigFile SavedGame(CSliderParams& params, const std::function<void(CSliderField&)>& start,
                      const std::function<bool(CSliderField&)>& reached)
{
    CSliderGame game(nullptr, params, nullptr, 5);
    CSliderField& field = game.GetField();
    SetSliderBoard(field, BOARD);
    start(field);
    for (int i = 0; i < 500 && !reached(field); ++i)
        field.Update();
    EXPECT_TRUE(reached(field));
    CConfigFile store;
    game.Save(store);
    return store;
}

// Saves of ours written before the game kept its difficulty lack it.
const std::set<std::string> LEGACY = {"gf_m_difficulty"};
}

TEST_F(SliderSave, EveryKeyOfASaveIsNeededInEveryState)
{
    auto idle = [](CSliderField&) {};
    auto always = [](CSliderField&) { return true; };
    auto status = [](int wanted) { return [wanted](CSliderField& f) { return f.GetStatus() == wanted; }; };
    // Column 5 turns down and lifts its brick at (5, 10); row 1 turns left
    // and lifts its empty first cell.
    auto column = [](CSliderField& f) { ASSERT_TRUE(f.StartMove(5, 11)); };
    auto emptyLift = [](CSliderField& f) {
        SetSliderBoard(f, {".GBYPCRGBY", "GBYPCRGBYP"});
        ASSERT_TRUE(f.StartMove(0, 1));
    };
    const struct
    {
        const char* name;
        CConfigFile whole;
        std::set<std::string> optional;
    } states[] = {
        {"at rest", SavedGame(*params, idle, always), LEGACY},
        {"a brick lifted", SavedGame(*params, column, status(CSliderField::STATUS_LIFT)), LEGACY},
        // The lifted brick's colour is the only sign of it: the same move
        // with an empty cell lifted carries none.
        {"a line sliding", SavedGame(*params, column, status(CSliderField::STATUS_SLIDE)),
         {"gf_m_difficulty", "f_m_brick_moving_color"}},
        {"a brick put in", SavedGame(*params, column, status(CSliderField::STATUS_PUT_IN)),
         {"gf_m_difficulty", "f_m_brick_moving_color"}},
        {"a brick settling", SavedGame(*params, column, status(CSliderField::STATUS_SETTLE)),
         {"gf_m_difficulty", "f_m_brick_moving_color"}},
        {"an empty cell lifted, the line sliding", SavedGame(*params, emptyLift, status(CSliderField::STATUS_SLIDE)),
         LEGACY},
        {"a group fading",
         SavedGame(
             *params, [](CSliderField& f) { SetSliderBoard(f, {"RRRRRG", "GBGBGB"}); f.RemoveGroups(); },
             status(CSliderField::STATUS_REMOVING)),
         LEGACY},
    };
    for (const auto& state : states)
    {
        ASSERT_TRUE(CSliderGame::ValidateSave(state.whole)) << state.name;
        EXPECT_EQ(std::vector<std::string>(), KeysNotNeeded(state.whole, CSliderGame::ValidateSave, state.optional))
            << state.name;
    }
}

TEST_F(SliderSave, CountersOutOfTheirRangeAreRefused)
{
    const CConfigFile lifted = SavedGame(
        *params, [](CSliderField& f) { ASSERT_TRUE(f.StartMove(5, 11)); },
        [](CSliderField& f) { return f.GetStatus() == CSliderField::STATUS_LIFT; });
    ASSERT_TRUE(CSliderGame::ValidateSave(lifted));
    const std::vector<SSaveEdit> faults = {
        {"gf_m_score", "-1"},
        {"f_m_score", "-1"},
        {"gf_m_score_level", "-40"},
        {"gf_m_score_step", "-1"},
        {"gf_m_score_step_level", "-1"},
        {"gf_m_current_level", "-3"},
        {"gf_m_difficulty", "3"},
        {"gf_m_is_game_over", "2"},
        {"f_m_is_finish", "-1"},
        {"f_m_status", "7"},
        {"f_m_line_moving_dir", "-2"},
        {"f_m_brick_moving_pos_i", "25"},
        {"f_m_brick_moving_pos_j", "-2"},
        {"f_m_brick_moving_color", "-1"},
        // The ring never holds a brick.
        {"f_color0-5", "2"},
        {"f_color11-11", "0"},
    };
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(lifted, CSliderGame::ValidateSave, faults));
    // A lift always carries its brick.
    EXPECT_FALSE(CSliderGame::ValidateSave(WithoutKey(lifted, "f_m_brick_moving_color")));
}
