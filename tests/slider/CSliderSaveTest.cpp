#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderBrick.h"
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

struct KeyCase
{
    const char* key;
    const char* value;
};
}

TEST_F(SliderSave, IdleBoardComesBackCellForCellWithAnEmptyRing)
{
    CConfigFile store = Saved();
    EXPECT_EQ("-1", store.GetValue("f_color11-5", "?"));
    ASSERT_TRUE(loaded.Load(store));
    EXPECT_EQ(BOARD, GetSliderBoard(loaded));
    EXPECT_EQ(6, loaded.GetColorCount());
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

class SliderSaveMidMove : public SliderSave, public ::testing::WithParamInterface<int>
{
};

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

class SliderSaveBadMove : public SliderSave, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(SliderSaveBadMove, InconsistentMoveStateLoadsTheBoardIdle)
{
    ASSERT_TRUE(field.StartMove(0, 4));
    for (int i = 0; i < 500 && field.GetStatus() != CSliderField::STATUS_PUT_IN; ++i)
        field.Update();
    CConfigFile store = Saved();
    store.SetValue(GetParam().key, GetParam().value);
    ASSERT_TRUE(loaded.Load(store));
    EXPECT_EQ(CSliderField::STATUS_IDLE, loaded.GetStatus());
    EXPECT_EQ(nullptr, loaded.GetMovingBrick());
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderSaveBadMove,
                         ::testing::Values(KeyCase{"f_m_line_moving_dir", "7"}, KeyCase{"f_m_brick_moving_pos_i", "5"},
                                           KeyCase{"f_m_brick_moving_pos_j", "0"},
                                           KeyCase{"f_m_brick_moving_pos_j", "99999"},
                                           KeyCase{"f_m_brick_moving_color", "9"}, KeyCase{"f_m_status", "2"},
                                           KeyCase{"f_m_status", "44"}, KeyCase{"f_color10-4", "3"}));

class SliderSaveBad : public SliderSave, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(SliderSaveBad, DamagedSaveIsRefusedAndChangesNothing)
{
    SetSliderBoard(loaded, {"CCCC"});
    CConfigFile store = Saved();
    store.SetValue(GetParam().key, GetParam().value);
    EXPECT_FALSE(loaded.Load(store));
    EXPECT_EQ("CCCC......", GetSliderBoard(loaded)[0]);
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderSaveBad,
                         ::testing::Values(KeyCase{"f_m_width_bricks", "30"}, KeyCase{"f_m_width_bricks", "13"},
                                           KeyCase{"f_m_width_bricks", "0"}, KeyCase{"f_m_height_bricks", "15"},
                                           KeyCase{"f_m_colors", "0"}, KeyCase{"f_m_colors", "7"},
                                           KeyCase{"f_color3-3", "6"}, KeyCase{"f_color3-3", "red"},
                                           KeyCase{"f_color3-3", ""}, KeyCase{"f_m_alpha", "nan"}));
