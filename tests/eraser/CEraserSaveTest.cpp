#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGame.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SSaveFixture
{
    SSaveFixture() : params(MakeParams(0, 0)), game(nullptr, *params, nullptr, 11)
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }
    std::unique_ptr<CEraserParams> params;
    CEraserGame game;
};

std::string CellKey(int x, int y)
{
    return "f_color" + std::to_string(x) + "-" + std::to_string(y);
}
}

TEST(EraserSave, ARoundTripKeepsBoardScoresAndLevel)
{
    SSaveFixture a;
    SetBoard(a.game.GetField(), {"", "", "", "", "", "", "GG", "RRGY"});
    a.game.SetPointer(CellPoint(a.game.GetField(), 0, 7), true);
    a.game.Update(16.0f);
    a.game.SetPointer(CVector4(), false);
    for (int i = 0; i < 300 && a.game.GetField().GetState() != CEraserField::STATE_IDLE; ++i)
        a.game.Update(16.0f);
    CConfigFile store;
    a.game.Save(store);

    SSaveFixture b;
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(GetBoard(a.game.GetField()), GetBoard(b.game.GetField()));
    EXPECT_EQ(20, b.game.GetLevelScore());
    EXPECT_EQ(a.game.GetScore(), b.game.GetScore());
    EXPECT_EQ(a.game.GetLevel(), b.game.GetLevel());
    EXPECT_FALSE(b.game.IsEffectRunning());
    EXPECT_EQ(CEraserGame::BANNER_START_Y, b.game.GetBannerPosition().y);
}

TEST(EraserSave, ABoardSavedMidFallLoadsSettled)
{
    SSaveFixture a;
    SetBoard(a.game.GetField(), {"", "", "", "R", "G", "G", "G", "BBYR"});
    CEraserField& field = a.game.GetField();
    field.Update(16.0f);
    ASSERT_EQ(3, field.SelectGroup(field.GetEraserBrick(0, 6)));
    for (int i = 0; i < 300 && field.GetState() != CEraserField::STATE_FALLING; ++i)
        field.Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_FALLING, field.GetState());
    CConfigFile store;
    a.game.Save(store);
    for (int i = 0; i < 500 && field.GetState() != CEraserField::STATE_IDLE; ++i)
        field.Update(16.0f);

    SSaveFixture b;
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(CEraserField::STATE_IDLE, b.game.GetField().GetState());
    EXPECT_EQ(GetBoard(field), GetBoard(b.game.GetField()));
    EXPECT_EQ("R.......", GetBoard(field)[6]);
}

TEST(EraserSave, AClearedBoardSavedInTheSweepIsNotPaidTwice)
{
    SSaveFixture a;
    CEraserField& field = a.game.GetField();
    SetBoard(field, {"", "", "", "", "", "", "", "RR"});
    field.Update(16.0f);
    field.SelectGroup(field.GetEraserBrick(0, 7));
    int bonus = 0;
    for (int i = 0; i < 300 && bonus == 0; ++i)
    {
        field.Update(16.0f);
        bonus = field.GetState() == CEraserField::STATE_SWEEP ? field.GetRemovedCount() : 0;
    }
    ASSERT_EQ(100, bonus);
    CConfigFile store;
    a.game.Save(store);

    SSaveFixture b;
    ASSERT_TRUE(b.game.Load(store));
    b.game.GetField().Update(16.0f);
    EXPECT_EQ(0, b.game.GetField().GetRemovedCount());
    EXPECT_TRUE(b.game.GetField().IsFinished());
}

TEST(EraserSave, AMissingCellKeyIsABrickOfTheFirstColour)
{
    SSaveFixture a;
    CConfigFile store;
    a.game.Save(store);
    store.SetValue(CellKey(3, 7), "-1");
    CConfigFile edited;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (!(x == 3 && y == 7))
                edited.SetValue(CellKey(x, y), store.GetValue(CellKey(x, y), ""));
    for (const char* key : {"m_score", "gf_m_score", "gf_m_score_level", "gf_m_score_step", "gf_m_alpha",
                            "gf_m_is_game_over", "gf_m_current_level", "f_m_score", "f_m_alpha", "f_m_colors",
                            "f_m_is_finish", "f_m_width_bricks", "f_m_height_bricks", "fe_m_current_level"})
        edited.SetValue(key, store.GetValue(key, "0"));
    SSaveFixture b;
    ASSERT_TRUE(b.game.Load(edited));
    ASSERT_NE(nullptr, b.game.GetField().GetEraserBrick(3, 7));
    EXPECT_EQ(0, b.game.GetField().GetEraserBrick(3, 7)->GetColor());
}

struct SBadSave
{
    const char* key;
    const char* value;
};

class EraserBadSave : public testing::TestWithParam<SBadSave>
{
};

TEST_P(EraserBadSave, IsRefusedAndTheGameStaysAsItWas)
{
    SSaveFixture a;
    CConfigFile store;
    a.game.Save(store);
    store.SetValue(GetParam().key, GetParam().value);
    SSaveFixture b;
    std::vector<std::string> before = GetBoard(b.game.GetField());
    EXPECT_FALSE(b.game.Load(store));
    EXPECT_EQ(before, GetBoard(b.game.GetField()));
    EXPECT_EQ(1, b.game.GetLevel());
}

INSTANTIATE_TEST_SUITE_P(
    Values, EraserBadSave,
    testing::Values(SBadSave{"f_m_width_bricks", "16"}, SBadSave{"f_m_width_bricks", "7"},
                    SBadSave{"f_m_height_bricks", "9"}, SBadSave{"f_m_colors", "0"}, SBadSave{"f_m_colors", "7"},
                    SBadSave{"f_color2-3", "6"}, SBadSave{"f_color2-3", "-2"}, SBadSave{"f_color2-3", "red"},
                    SBadSave{"fe_m_current_level", "0"}, SBadSave{"f_m_alpha", "nan"},
                    SBadSave{"gf_m_score_level", "-1"}, SBadSave{"gf_m_current_level", "0"},
                    SBadSave{"gf_m_score", "12abc"}, SBadSave{"gf_m_score_step", "-10"}));
