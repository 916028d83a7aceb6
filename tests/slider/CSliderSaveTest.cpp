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
    void SetUp() override
    {
        params = MakeSliderParams(0, 1, 6);
        field = std::make_unique<CSliderField>(*params, &events, nullptr, SliderRandom());
        SetSliderBoard(*field, BOARD);
        loaded = std::make_unique<CSliderField>(*params, nullptr, nullptr, SliderRandom());
    }

    CConfigFile Saved() const
    {
        CConfigFile store;
        field->Save(store);
        return store;
    }

    CSliderEvents events;
    std::unique_ptr<CSliderParams> params;
    std::unique_ptr<CSliderField> field;
    std::unique_ptr<CSliderField> loaded;
};
}

TEST_F(SliderSave, IdleBoardComesBackCellForCell)
{
    CConfigFile store = Saved();
    EXPECT_EQ("-1", store.GetValue("f_color0-0", "?"));
    EXPECT_EQ("-1", store.GetValue("f_color11-5", "?"));
    EXPECT_EQ("12", store.GetValue("f_m_width_bricks", "?"));
    ASSERT_TRUE(loaded->Load(store));
    EXPECT_EQ(BOARD, GetSliderBoard(*loaded));
    EXPECT_EQ(CSliderField::STATUS_IDLE, loaded->GetStatus());
    EXPECT_EQ(6, loaded->GetColorCount());
}

TEST_F(SliderSave, SaveOfAnotherBoardSizeRebuildsTheRing)
{
    auto large = MakeSliderParams(2, 0, 6);
    CSliderField big(*large, nullptr, nullptr, SliderRandom());
    SetSliderBoard(big, {"RGB"});
    CConfigFile store;
    big.Save(store);
    ASSERT_TRUE(loaded->Load(store));
    EXPECT_EQ(18, loaded->GetWidth());
    EXPECT_NE(nullptr, loaded->GetArrow(17, 5));
    EXPECT_EQ(nullptr, loaded->GetArrow(11, 5));
    EXPECT_EQ("RGB.............", GetSliderBoard(*loaded)[0]);
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
    ASSERT_TRUE(field->StartMove(5, 11));
    for (int i = 0; i < 500 && field->GetStatus() != GetParam(); ++i)
        field->Update();
    ASSERT_EQ(GetParam(), field->GetStatus());

    ASSERT_TRUE(loaded->Load(Saved()));
    EXPECT_EQ(GetParam(), loaded->GetStatus());
    bool done = false;
    for (int i = 0; i < 500 && loaded->GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        loaded->Update();
        done = done || loaded->IsMoveDone();
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(GetSliderBoard(straight), GetSliderBoard(*loaded));
}

INSTANTIATE_TEST_SUITE_P(Phases, SliderSaveMidMove,
                         ::testing::Values(CSliderField::STATUS_LIFT, CSliderField::STATUS_SLIDE,
                                           CSliderField::STATUS_PUT_IN, CSliderField::STATUS_SETTLE));

TEST_F(SliderSave, SaveDuringRemovalDoesNotPayTheGroupAgain)
{
    SetSliderBoard(*field, {"RRRRRG", "GBGBGB"});
    field->RemoveGroups();
    ASSERT_EQ(30, field->GetScore());
    field->ClearScore();
    field->Update();
    CConfigFile store = Saved();
    ASSERT_TRUE(loaded->Load(store));
    EXPECT_EQ(".....G....", GetSliderBoard(*loaded)[0]);
    RunUntilIdle(*loaded);
    loaded->RemoveGroups();
    EXPECT_EQ(0, loaded->GetScore());
}

namespace
{
struct BadMove
{
    const char* key;
    const char* value;
};
}

class SliderSaveBadMove : public SliderSave, public ::testing::WithParamInterface<BadMove>
{
};

TEST_P(SliderSaveBadMove, InconsistentMoveStateLoadsIdle)
{
    ASSERT_TRUE(field->StartMove(0, 4));
    for (int i = 0; i < 500 && field->GetStatus() != CSliderField::STATUS_PUT_IN; ++i)
        field->Update();
    CConfigFile store = Saved();
    store.SetValue(GetParam().key, GetParam().value);
    ASSERT_TRUE(loaded->Load(store));
    EXPECT_EQ(CSliderField::STATUS_IDLE, loaded->GetStatus());
    EXPECT_EQ(nullptr, loaded->GetMovingBrick());
    for (int i = 0; i < 50; ++i)
        loaded->Update();
    EXPECT_EQ(CSliderField::STATUS_IDLE, loaded->GetStatus());
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderSaveBadMove,
                         ::testing::Values(BadMove{"f_m_line_moving_dir", "7"}, BadMove{"f_m_line_moving_dir", "-1"},
                                           BadMove{"f_m_brick_moving_pos_i", "5"},
                                           BadMove{"f_m_brick_moving_pos_j", "0"},
                                           BadMove{"f_m_brick_moving_pos_j", "99999"},
                                           BadMove{"f_m_brick_moving_color", "9"},
                                           BadMove{"f_m_status", "2"}, BadMove{"f_m_status", "44"},
                                           BadMove{"f_color10-4", "3"}));

class SliderSaveBad : public SliderSave, public ::testing::WithParamInterface<BadMove>
{
};

TEST_P(SliderSaveBad, DamagedSaveIsRefusedAndChangesNothing)
{
    SetSliderBoard(*loaded, {"CCCC"});
    CConfigFile store = Saved();
    store.SetValue(GetParam().key, GetParam().value);
    EXPECT_FALSE(loaded->Load(store));
    EXPECT_FALSE(CSliderField::ValidateSave(store));
    EXPECT_EQ("CCCC......", GetSliderBoard(*loaded)[0]);
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderSaveBad,
                         ::testing::Values(BadMove{"f_m_width_bricks", "30"}, BadMove{"f_m_width_bricks", "13"},
                                           BadMove{"f_m_width_bricks", "0"}, BadMove{"f_m_height_bricks", "15"},
                                           BadMove{"f_m_colors", "0"}, BadMove{"f_m_colors", "7"},
                                           BadMove{"f_color3-3", "6"}, BadMove{"f_color3-3", "-2"},
                                           BadMove{"f_color3-3", "red"}, BadMove{"f_m_alpha", "nan"},
                                           BadMove{"f_m_score", "x"}));

TEST_F(SliderSave, SaveWithoutItsCellsIsRefused)
{
    CConfigFile store;
    store.SetValue("f_m_width_bricks", "12");
    store.SetValue("f_m_height_bricks", "12");
    store.SetValue("f_m_colors", "4");
    EXPECT_FALSE(loaded->Load(store));
}
