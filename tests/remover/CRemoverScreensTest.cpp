#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverGameScreen.h"
#include "games/remover/CRemoverNewGameDialog.h"
#include "games/remover/CRemoverPlayer.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
CConfigFile Layout()
{
    CConfigFile layout;
    layout.SetValue("m_nd_width", "500");
    layout.SetValue("m_nd_height", "400");
    layout.SetValue("m_small_field_radio.x", "40");
    layout.SetValue("m_small_field_radio.y", "200");
    return layout;
}
}

TEST(RemoverNewGameDialog, PreselectsTheRememberedChoices)
{
    auto params = MakeParams(2, 1);
    CConfigFile layout = Layout();
    CRemoverNewGameDialog dialog(&layout, params.get());
    EXPECT_EQ(2, dialog.GetSizeGroup().GetSelectedIndex());
    EXPECT_EQ(1, dialog.GetDifficultyGroup().GetSelectedIndex());
    EXPECT_EQ(3u, dialog.GetSizeGroup().GetCount());
    EXPECT_EQ(3u, dialog.GetDifficultyGroup().GetCount());
}

TEST(RemoverNewGameDialog, IsCentredOnTheLogicalScreen)
{
    auto params = MakeParams(0, 0);
    CConfigFile layout = Layout();
    CRemoverNewGameDialog dialog(&layout, params.get());
    EXPECT_FLOAT_EQ(150.0f, dialog.GetX());
    EXPECT_FLOAT_EQ(100.0f, dialog.GetY());
    CConfigFile empty;
    CRemoverNewGameDialog bare(&empty, params.get());
    EXPECT_FLOAT_EQ(400.0f, bare.GetX());
    EXPECT_FLOAT_EQ(300.0f, bare.GetY());
}

TEST(RemoverNewGameDialog, ClickingAnotherChoiceMovesTheSelection)
{
    auto params = MakeParams(0, 0);
    CConfigFile layout = Layout();
    CRemoverNewGameDialog dialog(&layout, params.get());
    CRadioButton* large = dialog.GetSizeGroup().GetButton(2);
    large->SetSelected(true);
    dialog.OnCommand(large);
    EXPECT_EQ(2, dialog.GetSelectedSize());
    EXPECT_EQ(0, dialog.GetSelectedDifficulty());
}

TEST(RemoverNewGameDialog, EnterStartsAndEscapeCancels)
{
    auto params = MakeParams(0, 0);
    CConfigFile layout = Layout();
    CRemoverNewGameDialog start(&layout, params.get());
    start.OnKeyDown(13);
    EXPECT_EQ(0, start.GetResult());
    CRemoverNewGameDialog cancel(&layout, params.get());
    cancel.OnKeyDown(27);
    EXPECT_EQ(1, cancel.GetResult());
    // Once closing, a second key does not change the answer.
    cancel.OnKeyDown(13);
    EXPECT_EQ(1, cancel.GetResult());
}

TEST(RemoverGameScreen, FirstHundredMillisecondsAfterActivationDoNotAdvanceTheGame)
{
    const std::uint32_t gameSeed = 2;
    auto params = MakeParams(0, 0);
    CRecordingEvents events;
    CRemoverGameScreen screen(nullptr, *params, &events, gameSeed);
    screen.Activate();
    screen.Update(60.0f);
    screen.Update(39.0f);
    EXPECT_EQ(0, screen.GetGame().GetPlayer().GetTurns());
    EXPECT_TRUE(screen.GetGame().IsEffectRunning());
    screen.Update(16.0f);
    for (int i = 0; i < 2000 && screen.GetGame().IsEffectRunning(); ++i)
        screen.Update(16.0f);
    screen.Update(16.0f);
    EXPECT_EQ(1, screen.GetGame().GetPlayer().GetTurns());
}

TEST(RemoverGameScreen, SavesItsScoreAndRefusesABadOne)
{
    const std::uint32_t gameSeed = 2;
    auto params = MakeParams(0, 0);
    CRecordingEvents events;
    CRemoverGameScreen screen(nullptr, *params, &events, gameSeed);
    CConfigFile store;
    screen.Save(store);
    EXPECT_EQ("0", store.GetValue("m_score", ""));
    EXPECT_EQ("0", store.GetValue("gf_m_score", ""));
    EXPECT_EQ("1", store.GetValue("gf_m_current_level", ""));

    CRemoverGameScreen other(nullptr, *params, &events, gameSeed);
    EXPECT_TRUE(other.Load(store));
    store.SetValue("m_score", "-5");
    EXPECT_FALSE(other.Load(store));
    EXPECT_FALSE(other.IsGameOver());
}

TEST(RemoverGameScreen, FinishedGameSetsTheGameOverFlag)
{
    const std::uint32_t gameSeed = 2;
    auto params = MakeParams(0, 0);
    CRecordingEvents events;
    CRemoverGameScreen screen(nullptr, *params, &events, gameSeed);
    CConfigFile store;
    screen.Save(store);
    store.SetValue("gf_m_is_game_over", "1");
    ASSERT_TRUE(screen.Load(store));
    screen.Activate();
    screen.Update(16.0f);
    // The game-over test comes before the start delay.
    EXPECT_TRUE(screen.IsGameOver());
}
