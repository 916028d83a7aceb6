#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
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

// A save made in the middle of a turn with one key changed: a damaged value
// refuses the save and changes nothing; a move state that does not fit the
// board loads the board idle.
TEST_F(SliderSave, DamagedSaveIsRefusedAndAnInconsistentMoveLoadsIdle)
{
    const struct { const char* key; const char* value; bool refused; } cases[] = {
        {"f_m_line_moving_dir", "7", false}, {"f_m_brick_moving_pos_i", "5", false},
        {"f_m_brick_moving_pos_j", "0", false}, {"f_m_brick_moving_pos_j", "99999", false},
        {"f_m_brick_moving_color", "9", false}, {"f_m_status", "2", false}, {"f_m_status", "44", false},
        {"f_color10-4", "3", false}, {"f_m_width_bricks", "30", true}, {"f_m_width_bricks", "13", true},
        {"f_m_width_bricks", "0", true}, {"f_m_height_bricks", "15", true}, {"f_m_colors", "0", true},
        {"f_m_colors", "7", true}, {"f_color3-3", "6", true}, {"f_color3-3", "red", true}, {"f_color3-3", "", true},
        {"f_m_alpha", "nan", true}, {"gf_m_current_level", "0", true}, {"gf_m_score_level", "-1", true},
        {"gf_m_score", "x", true}, {"gf_m_alpha", "inf", true}};
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
        EXPECT_EQ(!c.refused, other.Load(store));
        EXPECT_EQ(CSliderField::STATUS_IDLE, other.GetField().GetStatus());
        EXPECT_EQ(nullptr, other.GetField().GetMovingBrick());
        if (c.refused)
        {
            EXPECT_EQ(before, GetSliderBoard(other.GetField()));
        }
    }
}
