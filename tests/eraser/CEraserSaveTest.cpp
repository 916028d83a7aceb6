#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserGame.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SGame
{
    SGame() : params(MakeParams(0, 0)), game(nullptr, *params, nullptr, 11)
    {
        for (int i = 0; i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
    }
    CEraserField& Field() { return game.GetField(); }
    // Field updates until the state is reached (or 500 updates).
    void RunTo(int state)
    {
        for (int i = 0; i < 500 && Field().GetState() != state; ++i)
            Field().Update(16.0f);
    }
    CConfigFile Saved()
    {
        CConfigFile store;
        game.Save(store);
        return store;
    }
    std::unique_ptr<CEraserParams> params;
    CEraserGame game;
};
}

TEST(EraserSave, ARoundTripKeepsBoardScoresAndLevelAndShowsTheBannerAgain)
{
    SGame a;
    SetBoard(a.Field(), Bottom(a.Field(), {"GG", "RRGY"}));
    a.game.SetPointer(CellPoint(a.Field(), 0, 7), true);
    a.game.Update(16.0f);
    a.game.SetPointer(CVector4(), false);
    for (int i = 0; i < 100; ++i)
        a.game.Update(16.0f);
    SGame b;
    ASSERT_TRUE(b.game.Load(a.Saved()));
    EXPECT_EQ(Bottom(b.Field(), {"GGGY"}), GetBoard(b.Field()));
    EXPECT_EQ(20, b.game.GetLevelScore());
    EXPECT_EQ(a.game.GetLevel(), b.game.GetLevel());
    EXPECT_FALSE(b.game.IsEffectRunning());
    EXPECT_EQ(CEraserGame::BANNER_START_Y, b.game.GetBannerPosition().y);
}

TEST(EraserSave, ABoardSavedMidFallLoadsSettled)
{
    SGame a;
    SetBoard(a.Field(), Bottom(a.Field(), {"R", "G", "G", "G", "BBYR"}));
    a.Field().Update(16.0f);
    ASSERT_EQ(3, a.Field().SelectGroup(a.Field().GetEraserBrick(0, 6)));
    a.RunTo(CEraserField::STATE_FALLING);
    CConfigFile store = a.Saved();
    a.RunTo(CEraserField::STATE_IDLE);
    SGame b;
    ASSERT_TRUE(b.game.Load(store));
    EXPECT_EQ(CEraserField::STATE_IDLE, b.Field().GetState());
    EXPECT_EQ(Bottom(a.Field(), {"R.......", "BBYR...."}), GetBoard(b.Field()));
}

TEST(EraserSave, AClearedBoardSavedInTheSweepIsNotPaidTwiceAndAMissingCellIsTheFirstColour)
{
    SGame a;
    SetBoard(a.Field(), Bottom(a.Field(), {"RR"}));
    a.Field().Update(16.0f);
    a.Field().SelectGroup(a.Field().GetEraserBrick(0, 7));
    a.RunTo(CEraserField::STATE_SWEEP);
    ASSERT_EQ(100, a.Field().GetRemovedCount());
    SGame b;
    ASSERT_TRUE(b.game.Load(a.Saved()));
    b.Field().Update(16.0f);
    EXPECT_EQ(0, b.Field().GetRemovedCount());
    EXPECT_TRUE(b.Field().IsFinished());

    CConfigFile store = a.Saved();
    CConfigFile edited;
    for (const auto& pair : store.GetPairs())
        if (pair.first != "f_color3-7")
            edited.SetValue(pair.first, pair.second);
    ASSERT_TRUE(b.game.Load(edited));
    EXPECT_EQ(Bottom(b.Field(), {"...R...."}), GetBoard(b.Field()));
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
    SGame a;
    CConfigFile store = a.Saved();
    store.SetValue(GetParam().key, GetParam().value);
    SGame b;
    std::vector<std::string> before = GetBoard(b.Field());
    EXPECT_FALSE(b.game.Load(store));
    EXPECT_EQ(before, GetBoard(b.Field()));
}

INSTANTIATE_TEST_SUITE_P(
    Values, EraserBadSave,
    testing::Values(SBadSave{"f_m_width_bricks", "16"}, SBadSave{"f_m_width_bricks", "7"},
                    SBadSave{"f_m_height_bricks", "9"}, SBadSave{"f_m_colors", "0"}, SBadSave{"f_m_colors", "7"},
                    SBadSave{"f_color2-3", "6"}, SBadSave{"f_color2-3", "-2"}, SBadSave{"f_color2-3", "red"},
                    SBadSave{"fe_m_current_level", "0"}, SBadSave{"f_m_alpha", "nan"},
                    SBadSave{"gf_m_score_level", "-1"}, SBadSave{"gf_m_current_level", "0"},
                    SBadSave{"gf_m_score", "12abc"}, SBadSave{"gf_m_score_step", "-10"}));
