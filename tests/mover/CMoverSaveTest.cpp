#include <gtest/gtest.h>

#include "games/mover/CMoverGameScreen.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/mover/MoverTestKit.h"

namespace
{
// ONE_ROW's row completed by a slide, the game run until the field reaches
// the status; STATUS_IDLE stops before the slide.
CConfigFile SavedIn(int status)
{
    SMover g;
    g.SetBoard(ONE_ROW);
    if (status != CMoverField::STATUS_IDLE)
    {
        g.Click(5, 1);
        for (int i = 0; i < 5000 && g.Field().GetStatus() != status; ++i)
            g.game.Update(16.0f);
    }
    EXPECT_EQ(status, g.Field().GetStatus());
    return g.Saved();
}
}

TEST(MoverSaves, EveryKeyOfASaveIsNeededInEveryState)
{
    const struct
    {
        const char* name;
        CConfigFile whole;
    } states[] = {
        {"dealt, the entrance running", SMover(3, false).Saved()},
        {"at rest", SavedIn(CMoverField::STATUS_IDLE)},
        {"a brick sliding", SavedIn(CMoverField::STATUS_SLIDING)},
        {"a row fading", SavedIn(CMoverField::STATUS_REMOVING)},
        {"bricks growing in", SavedIn(CMoverField::STATUS_GROWING)},
    };
    for (const auto& state : states)
    {
        ASSERT_TRUE(CMoverGame::ValidateSave(state.whole)) << state.name;
        EXPECT_EQ(std::vector<std::string>(), KeysNotNeeded(state.whole, CMoverGame::ValidateSave)) << state.name;
    }
}

TEST(MoverSaves, CountersOutOfTheirRangeAreRefused)
{
    const CConfigFile removing = SavedIn(CMoverField::STATUS_REMOVING);
    ASSERT_TRUE(CMoverGame::ValidateSave(removing));
    // No more selected cells than the board has.
    const int width = std::stoi(removing.GetValue("f_m_width_bricks", ""));
    std::string tooMany;
    for (int i = 0; i <= width * width; ++i)
        tooMany += "0 ";
    const std::vector<SSaveEdit> faults = {
        {"gf_m_score", "-1"},
        {"f_m_score", "-5"},
        {"gf_m_score_level", "-1000"},
        {"gf_m_score_step", "-1"},
        {"gf_m_score_step_level", "-1"},
        {"gf_m_current_level", "0"},
        {"gf_m_current_level", "1001"},
        {"gf_m_is_game_over", "2"},
        {"f_m_turns_count", "-1"},
        {"f_m_turns_count", "1000001"},
        {"f_m_colors", "7"},
        {"f_m_status", "4"},
        {"f_m_selected", tooMany},
        {"f_m_selected", "-1"},
    };
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(removing, CMoverGame::ValidateSave, faults));
}

TEST(MoverSaves, TheScreensScoreIsNeededAndNeverNegative)
{
    SMover dealt;
    CMoverGameScreen left(nullptr, *dealt.params, nullptr, 3);
    CConfigFile whole;
    left.Save(whole);
    const struct
    {
        const char* what;
        CConfigFile store;
    } cases[] = {
        {"without its score", WithoutKey(whole, "m_score")},
        {"a negative score", WithValue(whole, "m_score", "-1")},
    };
    for (const auto& c : cases)
    {
        CMoverGameScreen continued(nullptr, *dealt.params, nullptr, 4);
        EXPECT_FALSE(continued.Load(c.store)) << c.what;
    }
    CMoverGameScreen continued(nullptr, *dealt.params, nullptr, 4);
    EXPECT_TRUE(continued.Load(whole));
}
