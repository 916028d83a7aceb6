#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CBJBonusesList.h"
#include "games/jewel/CJewelGame.h"
#include "games/jewel/CJewelGameScreen.h"
#include "games/jewel/CJewelPlayer.h"
#include "tests/gamebase/SaveDamage.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
bool LoadsIntoAFreshScreen(const CConfigFile& store)
{
    auto params = MakeJewelParams();
    return FreshScreenLoads<CJewelGameScreen>(*params, store);
}

void SettleScreen(CJewelGame& game)
{
    for (int i = 0; i < 20000 && (game.IsEffectRunning() || !game.GetField().IsIdle()); ++i)
        if (!game.GetField().IsStuck())
            game.Update(16.0f);
}

// The points of five thresholds: four plain figures and one coloured.
void EarnFiveFigures(CJewelPlayer& player)
{
    for (int points : {301, 601, 901, 1201, 1501})
        player.AddPoints(points);
}

// Picks the figure of a slot up on the cursor, as a click on it does.
void PickUpFigure(CJewelGame& game, int slot)
{
    SJewelPointer pointer;
    pointer.m_point = game.GetPlayer().GetBonuses().GetSlot(slot)->GetPosition();
    pointer.m_button = true;
    game.SetPointer(pointer);
    game.Update(16.0f);
    pointer.m_button = false;
    game.SetPointer(pointer);
    game.Update(16.0f);
}

enum { STATE_JUST_DEALT, STATE_FIGURES_AND_ONE_HELD, STATE_SETTLED };

CConfigFile SaveInState(CJewelParams& params, const SSaveState& c)
{
    params.SetLastSize(c.size);
    params.SetLastDifficulty(c.difficulty);
    CJewelGameScreen screen(nullptr, params, nullptr, 31);
    CJewelGame& game = screen.GetGame();
    if (c.state != STATE_JUST_DEALT)
        SettleScreen(game);
    if (c.state == STATE_FIGURES_AND_ONE_HELD)
    {
        EarnFiveFigures(game.GetPlayer());
        PickUpFigure(game, 2);
    }
    return SavedFrom(screen);
}

const SSaveState kStates[] = {
    {"just dealt", STATE_JUST_DEALT, 0, 0},
    {"figures in the list and one held", STATE_FIGURES_AND_ONE_HELD, 1, 2},
    {"written before the choice was kept", STATE_SETTLED, 2, 1, {"f_m_size", "f_m_difficulty"}},
};
}

TEST(JewelSaveDamage, EveryKeyOfARealSaveIsNeeded)
{
    auto params = MakeJewelParams();
    ASSERT_TRUE(SaveInState(*params, kStates[1]).HasKey("p_m_figure_selected")) << "the state holds no figure";
    const auto save = [&](const SSaveState& state) { return SaveInState(*params, state); };
    EXPECT_EQ(std::vector<std::string>(),
              KeysNotNeededInStates({std::begin(kStates), std::end(kStates)}, save, LoadsIntoAFreshScreen));
}

// The flag of the hand is written only while a figure is held.
TEST(JewelSaveDamage, AnEmptyHandHasNoFlagAndLoadsEmpty)
{
    auto params = MakeJewelParams();
    const CConfigFile whole = SaveInState(*params, kStates[0]);
    ASSERT_FALSE(whole.HasKey("p_m_figure_selected"));
    CJewelGameScreen screen(nullptr, *params, nullptr, 5);
    ASSERT_TRUE(screen.Load(whole));
    EXPECT_FALSE(screen.GetGame().GetPlayer().GetFigure());
}

TEST(JewelSaveDamage, ValuesOutOfTheirRangeAreRefused)
{
    const std::vector<SSaveEdit> edits = {
        {"m_score", "2147483648"},
        {"m_score", "-2147483649"},
        // Finished levels only ever add to the total.
        {"gf_m_score", "-1"},
        {"gf_m_score", "-100"},
        {"gf_m_score_level", "12a"},
        {"gf_m_score_step", "0"},
        {"gf_m_score_step", "100001"},
        {"gf_m_alpha", "361"},
        {"gf_m_is_game_over", "2"},
        {"gf_m_is_game_over", "-1"},
        {"gf_m_current_level", "0"},
        {"gf_m_current_level", "1001"},
        {"fe_m_current_level", "1001"},
        {"f_m_score", "1000226"},
        {"f_m_score", "-1000226"},
        {"f_m_alpha", "-361"},
        {"f_m_is_finish", "2"},
        {"f_m_colors", "0"},
        {"f_m_colors", "11"},
        {"f_m_width_bricks", "16"},
        {"f_m_height_bricks", "-9"},
        {"f_m_size", "3"},
        {"f_m_size", "-1"},
        {"f_m_difficulty", "3"},
        {"f_color0-0", "-2"},
        {"f_color0-0", "10"},
        {"CBJBonusesList", "2147483648"},
        {"m_bonuses0", "2"},
        {"m_bonuses0", "-1"},
        {"m_bonuses0.scale", "0"},
        {"m_bonuses0.m_pos.x", "1e6"},
        {"m_bonuses_colored0.m_param.y", "3"},
        {"m_bonuses_colored4", "2"},
        {"p_m_figure_selected", "2"},
        {"p_m_figure_selected", "0"},
        {"p_m_figure_selected.scale", "-1"},
    };
    auto params = MakeJewelParams();
    const CConfigFile whole = SaveInState(*params, kStates[1]);
    ASSERT_TRUE(LoadsIntoAFreshScreen(whole));
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(whole, LoadsIntoAFreshScreen, edits));
}

// The bounds themselves still load: a total of 0, a level score below 0
// (single bricks on level 1 cost points) and a tilt of a full turn.
TEST(JewelSaveDamage, ValuesAtTheirBoundsLoad)
{
    const SSaveEdit edits[] = {
        {"m_score", "-2147483648"},
        {"gf_m_score", "0"},
        {"gf_m_score", "2147483647"},
        {"gf_m_score_level", "-150"},
        {"gf_m_alpha", "-360"},
        {"f_m_score", "-1000225"},
        {"CBJBonusesList", "-50"},
    };
    auto params = MakeJewelParams();
    const CConfigFile whole = SaveInState(*params, kStates[1]);
    for (const SSaveEdit& edit : edits)
        EXPECT_TRUE(LoadsIntoAFreshScreen(WithValue(whole, edit.key, edit.value)))
            << edit.key << " = " << edit.value;
}
