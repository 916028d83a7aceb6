#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderGame.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
const std::vector<std::string> BOARD = {"RGBYPCRGBY", "GBYPCRGB.P", "BYPCRGBYPC", "YPC.GBYPCR", "PCRGBYPCRG",
                                        "CRGBYPCRGB", "RGBYPCRGBY", "GBYPCRGBYP", "BYPCRGBYPC", "YPCRGBYPCR"};

struct KeyCase
{
    const char* key;
    const char* value;
    bool refused;
};

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

class SliderSaveBad : public SliderSave, public ::testing::WithParamInterface<KeyCase>
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
    EXPECT_EQ(GetParam() != CSliderField::STATUS_IDLE, done);
    EXPECT_EQ(GetSliderBoard(straight), GetSliderBoard(loaded));
}

// Idle: a plain round trip, the board cell for cell.
INSTANTIATE_TEST_SUITE_P(Phases, SliderSaveMidMove,
                         ::testing::Values(CSliderField::STATUS_LIFT, CSliderField::STATUS_SLIDE,
                                           CSliderField::STATUS_PUT_IN, CSliderField::STATUS_SETTLE,
                                           CSliderField::STATUS_IDLE));

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
TEST_P(SliderSaveBad, DamagedSaveIsRefusedAndAnInconsistentMoveLoadsIdle)
{
    CSliderGame game(nullptr, *params, nullptr, 5);
    ASSERT_TRUE(game.GetField().StartMove(0, 4));
    for (int i = 0; i < 500 && game.GetField().GetStatus() != CSliderField::STATUS_PUT_IN; ++i)
        game.GetField().Update();
    CConfigFile store;
    game.Save(store);
    store.SetValue(GetParam().key, GetParam().value);
    CSliderGame other(nullptr, *params, nullptr, 9);
    std::vector<std::string> before = GetSliderBoard(other.GetField());
    EXPECT_EQ(!GetParam().refused, other.Load(store));
    EXPECT_EQ(CSliderField::STATUS_IDLE, other.GetField().GetStatus());
    EXPECT_EQ(nullptr, other.GetField().GetMovingBrick());
    if (GetParam().refused)
    {
        EXPECT_EQ(before, GetSliderBoard(other.GetField()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SliderSaveBad,
    ::testing::Values(KeyCase{"f_m_line_moving_dir", "7", false}, KeyCase{"f_m_brick_moving_pos_i", "5", false},
                      KeyCase{"f_m_brick_moving_pos_j", "0", false}, KeyCase{"f_m_brick_moving_pos_j", "99999", false},
                      KeyCase{"f_m_brick_moving_color", "9", false}, KeyCase{"f_m_status", "2", false},
                      KeyCase{"f_m_status", "44", false}, KeyCase{"f_color10-4", "3", false},
                      KeyCase{"f_m_width_bricks", "30", true}, KeyCase{"f_m_width_bricks", "13", true},
                      KeyCase{"f_m_width_bricks", "0", true}, KeyCase{"f_m_height_bricks", "15", true},
                      KeyCase{"f_m_colors", "0", true}, KeyCase{"f_m_colors", "7", true},
                      KeyCase{"f_color3-3", "6", true}, KeyCase{"f_color3-3", "red", true},
                      KeyCase{"f_color3-3", "", true}, KeyCase{"f_m_alpha", "nan", true},
                      KeyCase{"gf_m_current_level", "0", true}, KeyCase{"gf_m_score_level", "-1", true},
                      KeyCase{"gf_m_score", "x", true}, KeyCase{"gf_m_alpha", "inf", true}));
