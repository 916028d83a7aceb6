#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerPlayer.h"
#include "tests/designer/DesignerTestKit.h"
#include "tests/gamebase/SaveDamage.h"

namespace
{
class DesignerSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        game = std::make_unique<CDesignerGame>(nullptr, *params, &events, 3);
        driver = std::make_unique<CDesignerDriver>(*game);
        moves = SolveLevel(*params, 3);
        driver->Lay(0, moves[0].turns, moves[0].x, moves[0].y);
        driver->Lay(0, moves[1].turns, moves[1].x, moves[1].y);
        // A third figure in hand, turned once, still on its way up.
        driver->MoveTo(game->GetPlayer().GetTray().GetFigure(0)->GetPosition());
        driver->Click();
        game->Save(saved);
    }
    // The save as it would be with nothing in hand: the figure in hand back
    // at the end of the tray.
    CConfigFile WithoutHand() const
    {
        CConfigFile store;
        const std::string held = "p_m_figure_selected";
        int count = StrToInt(saved.GetValue("p_m_figures.size", "0"));
        for (const auto& pair : saved.GetPairs())
        {
            if (pair.first.rfind(held, 0) != 0)
                store.SetValue(pair.first, pair.second);
            else if (pair.first != held)
                store.SetValue("Player.f" + std::to_string(count) + pair.first.substr(held.size()), pair.second);
        }
        store.SetInt("p_m_figures.size", count + 1);
        return store;
    }
    std::unique_ptr<CDesignerGame> Fresh() { return std::make_unique<CDesignerGame>(nullptr, *params, &events, 9); }

    std::unique_ptr<CDesignerParams> params = MakeParams(0);
    CRecordingEvents events;
    std::unique_ptr<CDesignerGame> game;
    std::unique_ptr<CDesignerDriver> driver;
    std::vector<SDesignerMove> moves;
    CConfigFile saved;
};
}

TEST_F(DesignerSave, GameSavedMidMoveContinuesWithBoardTrayAndHand)
{
    auto loaded = Fresh();
    ASSERT_TRUE(loaded->Load(saved));
    EXPECT_EQ(game->GetField().GetPicture(), loaded->GetField().GetPicture());
    ASSERT_EQ(2u, loaded->GetField().GetFigures().size());
    for (std::size_t i = 0; i < 2; ++i)
    {
        const CDesignerFigure& laid = *game->GetField().GetFigures()[i];
        EXPECT_EQ(laid.GetPicture(), loaded->GetField().GetFigures()[i]->GetPicture());
        EXPECT_EQ(laid.GetIndexes(), loaded->GetField().GetFigures()[i]->GetIndexes());
    }
    EXPECT_EQ(game->GetPlayer().GetTrayCount(), loaded->GetPlayer().GetTrayCount());
    ASSERT_NE(nullptr, loaded->GetPlayer().GetSelected());
    EXPECT_EQ(game->GetPlayer().GetSelected()->GetPicture(), loaded->GetPlayer().GetSelected()->GetPicture());
    EXPECT_FLOAT_EQ(loaded->GetField().GetBrickSize(), loaded->GetPlayer().GetSelected()->GetCellSize());
    EXPECT_EQ(game->GetLevelScore(), loaded->GetLevelScore());

    // The figure in hand goes on to its place.
    CDesignerDriver again(*loaded);
    for (int t = 0; t < moves[2].turns; ++t)
    {
        again.Click(true);
        again.Settle();
    }
    again.MoveTo(again.PointForCell(moves[2].x, moves[2].y));
    again.Click();
    again.Settle();
    EXPECT_EQ(3u, loaded->GetField().GetFigures().size());
}

TEST_F(DesignerSave, DamagedSavesAreNoSavedGame)
{
    const struct { const char* key; const char* value; } faults[] = {
        {"f_m_width_bricks", "0"},          {"f_m_width_bricks", "20"},        {"f_m_height_bricks", "8"},
        {"f_color2-3", "50"},               {"f_color0-0", "x"},               {"f_m_figures.size", "40"},
        {"field.f0.m_angle", "9"},          {"field.f1.m_kind", "12"},         {"field.f1.m_indexes.0", "0"},
        {"p_m_figures.size", "100000"},     {"Player.f0.m_angle", "-2"},       {"p_m_figure_selected.m_kind", "x"},
        {"p_m_figure_selected.m_angle", "5"}, {"gf_m_score_level", "-5"},      {"gf_m_current_level", "0"},
        {"p_m_figures.m_top_y", "inf"},     {"field.f0.m_pos.x", "nan"},       {"field.f0.m_scale", "0"},
        {"field.f0.m_indexes.size", "3"},   {"field.f1.m_indexes.3", "262144"}, {"Player.f0.m_kind", "-3"},
        // The colour count is the board's width plus its difficulty.
        {"f_m_colors", "5"},                {"f_m_colors", "9"},
    };
    for (const auto& fault : faults)
    {
        CConfigFile store = saved;
        store.SetValue(fault.key, fault.value);
        auto loaded = Fresh();
        int before = loaded->GetPlayer().GetTrayCount();
        EXPECT_FALSE(loaded->Load(store)) << fault.key << " = " << fault.value;
        EXPECT_EQ(before, loaded->GetPlayer().GetTrayCount());
        EXPECT_TRUE(loaded->GetField().GetFigures().empty());
    }
}

TEST_F(DesignerSave, SaveDuringTheLevelEndContinuesToTheNextLevel)
{
    // What the board holds while its rows fall: every cell covered, the
    // figures already turned into bricks, which are not saved.
    CConfigFile store = WithoutHand();
    SetSavedCells(store, 6, '1');
    store.SetInt("f_m_figures.size", 0);
    store.SetInt("p_m_figures.size", 0);
    auto loaded = Fresh();
    ASSERT_TRUE(loaded->Load(store));
    CDesignerDriver again(*loaded);
    again.Frames(5);
    EXPECT_EQ(2, loaded->GetLevel());
    EXPECT_FALSE(loaded->IsGameOver());
}

TEST_F(DesignerSave, LiftCostingTheWholeLevelScoreEndsTheGameSilently)
{
    CConfigFile store = WithoutHand();
    store.SetInt("gf_m_current_level", 50);
    store.SetInt("gf_m_score_level", 300);
    store.SetInt("gf_m_score_step", 300);
    auto loaded = Fresh();
    ASSERT_TRUE(loaded->Load(store));
    events.m_sounds.clear();
    CDesignerDriver again(*loaded);
    again.MoveTo(loaded->GetField().GetCellCentre(moves[0].x, moves[0].y));
    again.Frames(30);
    again.Click();
    EXPECT_EQ(0, loaded->GetLevelScore());
    for (int i = 0; i < 5000 && !loaded->IsGameOver(); ++i)
        again.Frames(1);
    EXPECT_TRUE(loaded->IsGameOver());
    EXPECT_EQ(0, events.CountSound(CDesignerGame::SOUND_LEVEL_DONE));
}

TEST_F(DesignerSave, LevelsTheirFiguresCannotFinishAreNoSavedGame)
{
    // The level could then only end by spending its points.
    std::vector<std::string> picture = game->GetField().GetPicture();
    std::string freeCell;
    for (int y = 0; y < 6 && freeCell.empty(); ++y)
        for (int x = 0; x < 6 && freeCell.empty(); ++x)
            if (picture[y][x] == '0')
                freeCell = "f_color" + std::to_string(x) + "-" + std::to_string(y);
    const int trayCount = game->GetPlayer().GetTrayCount();
    const int firstKind = game->GetPlayer().GetTray().GetFigure(0)->GetKind();
    const int otherSize = CDesignerFigure(firstKind).GetCellCount() == 4 ? 7 : 0;

    CConfigFile trayShort = saved;
    trayShort.SetInt("p_m_figures.size", trayCount - 1);
    CConfigFile handLost = WithoutHand();
    handLost.SetInt("p_m_figures.size", trayCount);
    CConfigFile coveredByNone = saved;
    coveredByNone.SetInt(freeCell, 49);
    CConfigFile laidFigureGone = saved;
    laidFigureGone.SetInt("f_m_figures.size", 1);
    CConfigFile otherKind = saved;
    otherKind.SetInt("Player.f0.m_kind", otherSize);
    CConfigFile trayLong = saved;
    for (const char* suffix : {".m_kind", ".m_angle", ".m_pos.x", ".m_pos.y", ".m_pos.z", ".m_indexes.size"})
        trayLong.SetValue("Player.f" + std::to_string(trayCount) + suffix,
                          saved.GetValue(std::string("Player.f0") + suffix, "0"));
    trayLong.SetInt("p_m_figures.size", trayCount + 1);
    // The cells add up, but nine T's never cut a 6 x 6 board.
    CConfigFile nineTees = WithoutHand();
    SetSavedCells(nineTees, 6, '0');
    nineTees.SetInt("f_m_figures.size", 0);
    nineTees.SetInt("p_m_figures.size", 9);
    for (int i = 0; i < 9; ++i)
    {
        std::string prefix = "Player.f" + std::to_string(i);
        nineTees.SetInt(prefix + ".m_kind", 0);
        nineTees.SetInt(prefix + ".m_angle", 0);
        nineTees.SetInt(prefix + ".m_indexes.size", 0);
    }

    const struct
    {
        const char* what;
        const CConfigFile& store;
    } cases[] = {
        {"a figure of the tray lost", trayShort},         {"the figure in hand lost", handLost},
        {"a free cell marked covered", coveredByNone},    {"a laid figure lost, its cells covered", laidFigureGone},
        {"a tray figure of another size", otherKind},     {"a tray figure too many", trayLong},
        {"figures that cut no board", nineTees},
    };
    for (const auto& c : cases)
    {
        auto loaded = Fresh();
        EXPECT_FALSE(loaded->Load(c.store)) << c.what;
        EXPECT_TRUE(loaded->GetField().GetFigures().empty()) << c.what;
    }
}

TEST_F(DesignerSave, LevelsThatCanStillEndWithTheBoardCoveredLoad)
{
    // Two figures laid where the level was not cut: the level goes on, even
    // if the cells left no longer take the figures left.
    auto other = std::make_unique<CDesignerGame>(nullptr, *params, &events, 3);
    CDesignerDriver driver(*other);
    driver.Lay(0, 0, 0, 0);
    driver.Lay(0, 1, 4, 2);
    CConfigFile laidAnywhere;
    other->Save(laidAnywhere);
    ASSERT_FALSE(other->GetField().GetFigures().empty());
    // A spent level saved while its rows fell: half the board covered, the
    // figures already bricks; continued, the game ends.
    CConfigFile spent = WithoutHand();
    spent.SetInt("f_m_figures.size", 0);
    spent.SetInt("gf_m_score_level", 0);

    const struct
    {
        const char* what;
        const CConfigFile& store;
        bool over;
    } cases[] = {{"figures laid anywhere", laidAnywhere, false}, {"a spent level", spent, true}};
    for (const auto& c : cases)
    {
        auto loaded = Fresh();
        ASSERT_TRUE(loaded->Load(c.store)) << c.what;
        CDesignerDriver again(*loaded);
        for (int i = 0; i < 5000 && !loaded->IsGameOver(); ++i)
            again.Frames(1);
        EXPECT_EQ(c.over, loaded->IsGameOver()) << c.what;
    }
}

TEST_F(DesignerSave, EveryKeyOfASaveIsNeededInEveryState)
{
    CConfigFile dealt;
    Fresh()->Save(dealt);
    // The figure in hand come to rest over the board.
    driver->Settle();
    CConfigFile carried;
    game->Save(carried);
    // A laid figure lifted back into the hand, costing points.
    auto lifting = std::make_unique<CDesignerGame>(nullptr, *params, &events, 3);
    CDesignerDriver hand(*lifting);
    hand.Lay(0, moves[0].turns, moves[0].x, moves[0].y);
    hand.MoveTo(lifting->GetField().GetCellCentre(moves[0].x, moves[0].y));
    hand.Frames(30);
    hand.Click();
    hand.Frames(2);
    ASSERT_TRUE(lifting->GetField().GetFigures().empty());
    ASSERT_NE(nullptr, lifting->GetPlayer().GetSelected());
    CConfigFile lifted;
    lifting->Save(lifted);
    // The last figure laid: the rows fall and the next level is dealt.
    auto ending = std::make_unique<CDesignerGame>(nullptr, *params, &events, 3);
    CDesignerDriver road(*ending);
    for (const auto& move : moves)
        road.Lay(0, move.turns, move.x, move.y);
    ASSERT_TRUE(ending->IsLevelEnding());
    road.Frames(3);
    CConfigFile falling;
    ending->Save(falling);

    const struct
    {
        const char* name;
        const CConfigFile& whole;
    } states[] = {
        {"dealt", dealt},
        {"two figures laid, a third on its way up", saved},
        {"a figure carried", carried},
        {"a laid figure lifted", lifted},
        {"the rows falling", falling},
    };
    for (const auto& state : states)
    {
        ASSERT_TRUE(CDesignerGame::ValidateSave(state.whole)) << state.name;
        EXPECT_EQ(std::vector<std::string>(), KeysNotNeeded(state.whole, CDesignerGame::ValidateSave)) << state.name;
    }
}

TEST_F(DesignerSave, WithoutItsLevelScoreTheGameIsNoSavedGameNotOneOverAtZero)
{
    auto loaded = Fresh();
    EXPECT_FALSE(loaded->Load(WithoutKey(saved, "gf_m_score_level")));
    EXPECT_FALSE(loaded->IsGameOver());
    EXPECT_NE(0, loaded->GetLevelScore());
}

TEST_F(DesignerSave, CountersOutOfTheirRangeAreRefused)
{
    ASSERT_TRUE(CDesignerGame::ValidateSave(saved));
    // The board is 6 x 6: at most nine figures of four cells.
    const std::vector<SSaveEdit> faults = {
        {"gf_m_score", "-1"},
        {"gf_m_score_level", "-1"},
        {"gf_m_score_step", "-300"},
        {"gf_m_score_step_level", "-1"},
        {"gf_m_current_level", "-1"},
        {"gf_m_is_game_over", "2"},
        {"f_m_score", "2"},
        {"f_m_is_finish", "-1"},
        {"f_m_figures.size", "-1"},
        {"f_m_figures.size", "10"},
        {"p_m_figures.size", "10"},
        {"p_m_figures.size", "-1"},
        {"p_m_figure_selected", "2"},
        {"Player.f0.m_indexes.size", "-1"},
        {"field.f0.m_indexes.size", "17"},
        {"field.f0.m_scale", "-1"},
    };
    EXPECT_EQ(std::vector<std::string>(), EditsNotRefused(saved, CDesignerGame::ValidateSave, faults));
}
